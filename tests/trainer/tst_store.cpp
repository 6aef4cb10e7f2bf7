// The exercise history on real files in a temporary folder: what is recorded comes back whole, a killed
// writer loses nothing it finished, a file that cannot be used keeps its bytes, and two writers both record.

#include "trainer/store.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <functional>
#include <memory>

using trainer::ExerciseRecord;
using trainer::Store;

namespace {
ExerciseRecord exercise(const QString& faultId, const QString& stage, const QString& named, bool right)
{
    ExerciseRecord e;
    e.finished = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53, 589), Qt::UTC);
    e.faultId = faultId;
    e.faultStage = stage;
    e.stageNamed = named;
    e.partNamed = right ? QStringLiteral("open winding") : QString();
    e.right = right;
    e.readings = {{stage, QStringLiteral("0 V, typically 20 to 40 V peak to peak"), false},
                  {QStringLiteral("horizontal-output"), QString(), true}};
    e.safetySlips = 1;
    e.seconds = 321;
    e.optimum = 3;
    e.measurements = 1;
    return e;
}

void compare(const ExerciseRecord& got, const ExerciseRecord& want)
{
    QCOMPARE(got.finished, want.finished);
    QCOMPARE(got.faultId, want.faultId);
    QCOMPARE(got.faultStage, want.faultStage);
    QCOMPARE(got.stageNamed, want.stageNamed);
    QCOMPARE(got.partNamed, want.partNamed);
    QCOMPARE(got.right, want.right);
    QCOMPARE(got.safetySlips, want.safetySlips);
    QCOMPARE(got.seconds, want.seconds);
    QCOMPARE(got.optimum, want.optimum);
    QCOMPARE(got.measurements, want.measurements);
    QCOMPARE(got.readings.size(), want.readings.size());
    for (std::size_t i = 0; i < want.readings.size(); ++i) {
        QCOMPARE(got.readings[i].stage, want.readings[i].stage);
        QCOMPARE(got.readings[i].text, want.readings[i].text);
        QCOMPARE(got.readings[i].refused, want.readings[i].refused);
    }
}

// The files of a folder, less the write-ahead log and its index, which SQLite makes and removes as
// connections come and go.
QStringList databaseFiles(const QString& folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files);
    files.removeIf([](const QString& f) {
        return f.endsWith(QLatin1String("-wal")) || f.endsWith(QLatin1String("-shm"));
    });
    return files;
}

QByteArray bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.write(data);
}

// Runs statements on a connection of the test's own, as another program would.
void sql(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        for (const QString& s : statements)
            QVERIFY2(QSqlQuery(db).exec(s), qPrintable(s));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

void history(const QString& path, int exercises)
{
    Store store(path);
    QVERIFY(store.isOpen());
    for (int i = 0; i < exercises; ++i)
        QVERIFY(store.record(exercise(QStringLiteral("fault-%1").arg(i), QStringLiteral("damper"),
                                      QStringLiteral("damper"), true)));
}

// The numbers a writer printed, each an exercise it finished.
QList<int> finished(QProcess& writer)
{
    QList<int> numbers;
    for (const QByteArray& line : writer.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            numbers << line.toInt();
    return numbers;
}

// The kind of file a store may meet, made at `path`; the set-up may hold something until the store is made.
using Setup = std::function<std::shared_ptr<void>(const QString& path)>;
} // namespace
Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(trainer::ExerciseRecord)
Q_DECLARE_METATYPE(std::vector<trainer::ExerciseRecord>)

class tst_store : public QObject
{
    Q_OBJECT
private slots:
    void recordsAndReadsBack_data();
    void recordsAndReadsBack();
    void unusableFileKeepsItsBytes_data();
    void unusableFileKeepsItsBytes();
    void killedWriterLosesNoFinishedExercise();
    void twoProcessesBothRecord();
    void progressSums_data();
    void progressSums();

private:
    QTemporaryDir m_dir;
};

void tst_store::recordsAndReadsBack_data()
{
    QTest::addColumn<ExerciseRecord>("record");
    QTest::newRow("right, two readings, one refused")
        << exercise("vertical-yoke-open", "vertical-yoke", "vertical-yoke", true);
    QTest::newRow("wrong stage, no part named")
        << exercise("damper-short", "damper", "horizontal-output", false);
    ExerciseRecord none = exercise("fuse-open", "ac-mains-input", "ac-mains-input", true);
    none.readings.clear();
    QTest::newRow("no readings") << none;
    ExerciseRecord odd = exercise("sync \"odd\", it's", "sync-separator", "sync-separator", true);
    odd.readings[0].text = QStringLiteral("line one\nline 'two', \"three\"; DROP TABLE exercise; --");
    QTest::newRow("quotes, commas and a new line in texts") << odd;
}

void tst_store::recordsAndReadsBack()
{
    QFETCH(ExerciseRecord, record);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).left(5) + ".sqlite");
    const ExerciseRecord first = exercise("first", "damper", "damper", true);
    {
        Store store(path);
        QVERIFY2(store.isOpen(), qPrintable(store.problem()));
        QVERIFY(store.problem().isEmpty());
        QVERIFY(store.record(first));
        QVERIFY(store.record(record));
    }
    Store again(path);
    QVERIFY(again.isOpen());
    const std::vector<ExerciseRecord> got = again.exercises();
    QCOMPARE(got.size(), std::size_t(2));
    compare(got[0], first);
    compare(got[1], record);
}

void tst_store::unusableFileKeepsItsBytes_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<bool>("movedAside");
    QTest::newRow("not a database") << Setup([](const QString& path) {
        QByteArray noise(8192, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        write(path, noise);
        return std::shared_ptr<void>();
    }) << "could not be read, so it was kept aside as"
                                    << true;
    QTest::newRow("a damaged page") << Setup([](const QString& path) {
        history(path, 200);
        QFile f(path);
        [&] { QVERIFY(f.open(QIODevice::ReadWrite) && f.size() > 4 * 4096); }();
        f.seek(2 * 4096 + 8);
        f.write(QByteArray(1024, '\xab'));
        return std::shared_ptr<void>();
    }) << "could not be read, so it was kept aside as"
                                    << true;
    QTest::newRow("tables of another program") << Setup([](const QString& path) {
        sql(path,
            {"CREATE TABLE exercise (id INTEGER, name TEXT)", "INSERT INTO exercise VALUES (1, 'push-ups')"});
        return std::shared_ptr<void>();
    }) << "could not be read, so it was kept aside as"
                                               << true;
    QTest::newRow("newer version") << Setup([](const QString& path) {
        history(path, 2);
        sql(path, {"PRAGMA user_version = 7", "CREATE TABLE remark (text TEXT)"});
        return std::shared_ptr<void>();
    }) << "was written by a newer version of Fernwick"
                                   << false;
    QTest::newRow("read-only file") << Setup([](const QString& path) {
        history(path, 2);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        return std::shared_ptr<void>();
    }) << "is read-only, or its folder is"
                                    << false;
    QTest::newRow("read-only folder") << Setup([](const QString& path) {
        history(path, 2);
        const QString folder = QFileInfo(path).absolutePath();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        return std::shared_ptr<void>(nullptr, [folder](void*) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
    }) << "is read-only, or its folder is"
                                      << false;
    QTest::newRow("locked by another connection") << Setup([](const QString& path) {
        history(path, 2);
        auto db = std::make_shared<QSqlDatabase>(QSqlDatabase::addDatabase("QSQLITE", "locker"));
        db->setDatabaseName(path);
        [&] { QVERIFY(db->open() && QSqlQuery(*db).exec("BEGIN EXCLUSIVE")); }();
        return std::shared_ptr<void>(nullptr, [db](void*) {
            QSqlQuery(*db).exec("ROLLBACK");
            db->close();
            *db = QSqlDatabase();
            QSqlDatabase::removeDatabase("locker");
        });
    }) << "is locked by another program" << false;
}

void tst_store::unusableFileKeepsItsBytes()
{
    QFETCH(Setup, setup);
    QFETCH(QString, sentence);
    QFETCH(bool, movedAside);
    QTemporaryDir folder(m_dir.filePath("XXXXXX"));
    const QString path = folder.filePath("trainer.sqlite");
    QByteArray before;
    QStringList filesBefore;
    QString problem;
    {
        std::shared_ptr<void> held = setup(path);
        QVERIFY(!QTest::currentTestFailed());
        // Read before the store is made: closing a file of our own would drop the lock another connection
        // of this process holds on it.
        if (!QSqlDatabase::contains("locker"))
            before = bytes(path);
        filesBefore = databaseFiles(folder.path());
        Store store(path, 100);
        QVERIFY(!store.isOpen());
        QVERIFY(!store.record(exercise("lost", "damper", "damper", true)));
        QVERIFY(store.exercises().empty());
        problem = store.problem();
    }
    if (before.isEmpty())
        before = bytes(path); // the lock is gone now, and nothing wrote in between
    QVERIFY2(problem.contains(sentence), qPrintable(problem));
    QVERIFY2(problem.endsWith(QLatin1Char('.')) && !problem.contains(QLatin1String(". ")),
             qPrintable(problem));
    const QStringList files = databaseFiles(folder.path());
    if (!movedAside) {
        QCOMPARE(files, filesBefore);
        QCOMPARE(bytes(path), before);
        return;
    }
    const QString aside =
        QStringLiteral("trainer-unreadable-%1.sqlite").arg(QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(files, QStringList{aside});
    QVERIFY2(problem.contains(QDir::toNativeSeparators(folder.filePath(aside))), qPrintable(problem));
    QCOMPARE(bytes(folder.filePath(aside)), before);
    // The next start begins a fresh history, and a second bad file finds a name of its own.
    {
        Store fresh(path);
        QVERIFY(fresh.isOpen());
        QVERIFY(fresh.exercises().empty());
        QVERIFY(fresh.record(exercise("new", "damper", "damper", true)));
    }
    write(path, "not a database, not at all, and long enough to be read as one");
    QVERIFY(!Store(path).isOpen());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 2);
}

void tst_store::killedWriterLosesNoFinishedExercise()
{
    const QString path = m_dir.filePath("killed.sqlite");
    int done = 0;
    for (int round = 0; round < 6; ++round) {
        QProcess writer;
        writer.start(QStringLiteral(STORE_WRITER), {path, QStringLiteral("round%1").arg(round), "0"});
        QVERIFY(writer.waitForStarted());
        // Let it finish a few exercises, then kill it at a random moment in the next one: somewhere within
        // the time the last one took.
        const int wanted = QRandomGenerator::global()->bounded(1, 5);
        QByteArray out;
        QElapsedTimer sinceLast;
        sinceLast.start();
        qint64 lastTook = 0;
        while (out.count('\n') < wanted) {
            QVERIFY2(writer.waitForReadyRead(60000), writer.readAllStandardError().constData());
            out += writer.readAllStandardOutput();
            lastTook = sinceLast.restart();
        }
        QThread::usleep(QRandomGenerator::global()->bounded(quint64(lastTook) * 1000 + 1));
        writer.kill(); // SIGKILL
        QVERIFY(writer.waitForFinished());
        const int printed = static_cast<int>(out.count('\n')) + static_cast<int>(finished(writer).size());

        Store store(path);
        QVERIFY2(store.isOpen(), qPrintable(store.problem()));
        const std::vector<ExerciseRecord> kept = store.exercises();
        // Every exercise it said it finished, and at most the one it was finishing as it died.
        QVERIFY2(int(kept.size()) >= done + printed && int(kept.size()) <= done + printed + 1,
                 qPrintable(QStringLiteral("%1 kept, %2 finished").arg(kept.size()).arg(done + printed)));
        for (std::size_t i = done; i < kept.size(); ++i) {
            QCOMPARE(kept[i].faultId, QStringLiteral("round%1-%2").arg(round).arg(i - done + 1));
            QCOMPARE(kept[i].readings.size(), std::size_t(40));
        }
        done = int(kept.size());
    }
    // Whatever the last kill left half-written, the history takes the next exercise.
    Store after(path);
    QVERIFY(after.record(exercise("after", "damper", "damper", true)));
    QCOMPARE(after.exercises().size(), std::size_t(done + 1));
}

void tst_store::twoProcessesBothRecord()
{
    const QString path = m_dir.filePath("two.sqlite");
    constexpr int kEach = 20;
    QProcess a, b;
    a.start(QStringLiteral(STORE_WRITER), {path, "a", QString::number(kEach)});
    b.start(QStringLiteral(STORE_WRITER), {path, "b", QString::number(kEach)});
    for (QProcess* p : {&a, &b}) {
        QVERIFY(p->waitForFinished(120000));
        QVERIFY2(p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0,
                 p->readAllStandardError().constData());
        QCOMPARE(int(finished(*p).size()), kEach);
    }
    Store store(path);
    QStringList ids;
    for (const ExerciseRecord& e : store.exercises())
        ids << e.faultId;
    QCOMPARE(ids.size(), 2 * kEach);
    for (const char* tag : {"a", "b"}) {
        QStringList own = ids.filter(QRegularExpression(QStringLiteral("^%1-").arg(tag)));
        QStringList want;
        for (int n = 1; n <= kEach; ++n)
            want << QStringLiteral("%1-%2").arg(tag).arg(n);
        QCOMPARE(own, want); // all there, each writer's in its own order
    }
}

void tst_store::progressSums_data()
{
    QTest::addColumn<std::vector<ExerciseRecord>>("exercises");
    QTest::addColumn<QList<int>>("doneRightMeasuredOptimumSlips");
    QTest::addColumn<QString>("missed");
    QTest::newRow("none") << std::vector<ExerciseRecord>{} << QList<int>{0, 0, 0, 0, 0} << "";
    QTest::newRow("right stage, wrong part is not a missed stage")
        << std::vector<ExerciseRecord>{exercise("a", "damper", "damper", false)} << QList<int>{1, 0, 1, 3, 1}
        << "";
    ExerciseRecord careful = exercise("b", "damper", "damper", true);
    careful.measurements = 5;
    careful.safetySlips = 0;
    QTest::newRow("sums over exercises")
        << std::vector<ExerciseRecord>{careful, exercise("c", "fuse", "damper", false)}
        << QList<int>{2, 1, 6, 6, 1} << "fuse 1";
    QTest::newRow("most missed first, a tie in the order first missed")
        << std::vector<ExerciseRecord>{exercise("d", "tuner", "if", false),
                                       exercise("e", "fuse", "if", false),
                                       exercise("f", "fuse", "if", false),
                                       exercise("g", "agc", "if", false),
                                       exercise("h", "tuner", "tuner", true),
                                       exercise("i", "agc", "if", false),
                                       exercise("j", "if", "agc", false)}
        << QList<int>{7, 1, 7, 21, 7} << "fuse 2, agc 2, tuner 1, if 1";
}

void tst_store::progressSums()
{
    QFETCH(std::vector<ExerciseRecord>, exercises);
    QFETCH(QList<int>, doneRightMeasuredOptimumSlips);
    QFETCH(QString, missed);
    const trainer::Progress p = trainer::progress(exercises);
    QCOMPARE((QList<int>{p.exercises, p.right, p.measurements, p.optimum, p.safetySlips}),
             doneRightMeasuredOptimumSlips);
    QStringList stages;
    for (const trainer::Missed& m : p.missed)
        stages << QStringLiteral("%1 %2").arg(m.stage).arg(m.times);
    QCOMPARE(stages.join(", "), missed);
}

QTEST_GUILESS_MAIN(tst_store)
#include "tst_store.moc"
