// The exercise history on real files in a temporary folder: what is recorded comes back whole, a killed
// writer loses nothing it finished, a file that cannot be written is still read and keeps its bytes, a
// damaged one is set aside whole and its readable exercises carried over, a lock held by another process
// delays a write but loses nothing, today's files are brought forward, and the outbox gives each exercise
// to the class server until it is marked sent.

#include "../support/storefiles.h"
#include "trainer/model/setmodel.h"
#include "trainer/history/store.h"

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
#include <QUuid>

#include <functional>
#include <memory>

using trainer::ExerciseRecord;
using trainer::studentName;
using trainer::Store;
using namespace storetest;

namespace {

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

// A history of 200 exercises with `damage` done to its file.
Setup damaged(std::function<void(QFile&)> damage)
{
    return [damage](const QString& path) {
        history(path, 200);
        QFile f(path);
        [&] { QVERIFY(f.open(QIODevice::ReadWrite) && f.size() > 8 * 4096); }();
        damage(f);
        return std::shared_ptr<void>();
    };
}
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
    void nothingLost_data();
    void nothingLost();
    void lockTakenMidRunDelaysTheWrite();
    void todaysFileIsBroughtForward();
    void outboxHoldsWhatTheServerLacks();
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
    none.checks.clear();
    QTest::newRow("no readings") << none;
    ExerciseRecord odd = exercise("sync \"odd\", it's", "sync-separator", "sync-separator", true);
    odd.readings[0].text = QStringLiteral("line one\nline 'two', \"three\"; DROP TABLE exercise; --");
    odd.student = QStringLiteral("O'Brien; DROP TABLE exercise; --");
    odd.chosen = trainer::Chosen::ByAssignment;
    odd.assignment = QStringLiteral("week 3");
    QTest::newRow("quotes, commas and a new line in texts") << odd;
}

void tst_store::recordsAndReadsBack()
{
    QFETCH(ExerciseRecord, record);
    record.id = QUuid::createUuid();
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).left(5) + ".sqlite");
    ExerciseRecord first = exercise("first", "damper", "damper", true);
    first.id = QUuid::createUuid();
    first.chosen = trainer::Chosen::ByInstructor;
    {
        Store store(path);
        store.record(first);
        store.record(record);
        QVERIFY2(store.wait(), qPrintable(store.problem()));
        QVERIFY(store.problem().isEmpty());
    }
    Store again(path);
    QVERIFY(again.wait());
    const std::vector<ExerciseRecord> got = again.exercises();
    QCOMPARE(got.size(), std::size_t(2));
    compare(got[0], first);
    compare(got[1], record);
}

// Each file the history may meet: its past exercises are shown (carried over from a damaged copy), this
// run's are kept, and a file that is not ours to write keeps its bytes.
void tst_store::nothingLost_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<int>("past");      // exercises shown from before this run (at least, when carried over)
    QTest::addColumn<bool>("setAside"); // the file is renamed aside whole and a fresh history begun
    QTest::newRow("random bytes") << Setup([](const QString& path) {
        QByteArray noise(8192, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
        write(path, noise);
        return std::shared_ptr<void>();
    }) << "none of its exercises could be read, and a fresh history was begun" << 0 << true;
    QTest::newRow("64 bytes overwritten in one page") << damaged([](QFile& f) {
        f.seek(f.size() / 4096 / 2 * 4096); // a page's header and the start of its list of cells
        f.write(QByteArray(64, '\xab'));
    }) << "that could still be read were carried over" << 150 << true;
    QTest::newRow("cut short") << damaged([](QFile& f) { f.resize(f.size() / 2 / 4096 * 4096); })
                               << "that could still be read were carried over" << 50 << true;
    QTest::newRow("tables of another program") << Setup([](const QString& path) {
        sql(path,
            {"CREATE TABLE exercise (id INTEGER, name TEXT)", "INSERT INTO exercise VALUES (1, 'push-ups')"});
        return std::shared_ptr<void>();
    }) << "none of its exercises could be read" << 0 << true;
    QTest::newRow("newer version") << Setup([](const QString& path) {
        history(path, 2);
        sql(path, {"PRAGMA user_version = 7", "CREATE TABLE remark (text TEXT)"});
        return std::shared_ptr<void>();
    }) << "was written by a newer version of Fernwick: its exercises are shown" << 2 << false;
    // chmod does not stop the superuser, who runs the tests in CI: the history heeds the owner's read-only
    // mark itself, so the file's bytes show that nothing was written even then.
    QTest::newRow("read-only file") << Setup([](const QString& path) {
        history(path, 2);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
        return std::shared_ptr<void>();
    }) << "is read-only, or its folder is: its exercises are shown" << 2 << false;
    QTest::newRow("read-only folder") << Setup([](const QString& path) {
        history(path, 2);
        const QString folder = QFileInfo(path).absolutePath();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        return std::shared_ptr<void>(nullptr, [folder](void*) {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
    }) << "is read-only, or its folder is: its exercises are shown" << 2 << false;
    QTest::newRow("locked by another process at start") << Setup([](const QString& path) {
        history(path, 2);
        return std::shared_ptr<void>(locker(path));
    }) << "is locked by another program: 1 exercise waits to be saved as soon as it is free" << 2 << false;
}

void tst_store::nothingLost()
{
    QFETCH(Setup, setup);
    QFETCH(QString, sentence);
    QFETCH(int, past);
    QFETCH(bool, setAside);
    QTemporaryDir folder(m_dir.filePath("XXXXXX"));
    const QString path = folder.filePath("trainer.sqlite");
    std::shared_ptr<void> held = setup(path);
    QVERIFY(!QTest::currentTestFailed());
    const QByteArray before = bytes(path);
    const QStringList filesBefore = databaseFiles(folder.path());
    ExerciseRecord now = exercise("this run", "damper", "damper", true);
    now.id = QUuid::createUuid();

    auto store = std::make_unique<Store>(path, 100);
    store->record(now);
    QTRY_VERIFY2(store->problem().contains(sentence), qPrintable(store->problem()));
    const QString problem = store->problem();
    QVERIFY2(problem.endsWith(QLatin1Char('.')) && !problem.contains(QLatin1String(". ")), qPrintable(problem));
    std::vector<ExerciseRecord> shown = store->exercises();
    QVERIFY2(int(shown.size()) >= past + 1, qPrintable(QString::number(shown.size())));
    QCOMPARE(shown.back().id, now.id);

    if (!setAside) {
        QCOMPARE(databaseFiles(folder.path()), filesBefore);
        QCOMPARE(bytes(path), before);
        QCOMPARE(int(shown.size()), past + 1);
        held.reset(); // the lock goes, the folder is writable again
        if (store->isWritable()) {
            QVERIFY(store->wait(10000));
            QVERIFY2(store->problem().isEmpty(), qPrintable(store->problem()));
        }
        return;
    }
    QVERIFY(store->wait());
    const QString aside =
        QStringLiteral("trainer-unreadable-%1.sqlite").arg(QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(databaseFiles(folder.path()), (QStringList{aside, "trainer.sqlite"}));
    QVERIFY2(problem.contains(QDir::toNativeSeparators(folder.filePath(aside))), qPrintable(problem));
    QCOMPARE(bytes(folder.filePath(aside)), before);
    const int recovered = int(shown.size()) - 1;
    if (recovered > 0)
        QVERIFY2(problem.contains(QStringLiteral(" %1 exercises that").arg(recovered)), qPrintable(problem));
    // Each carried over whole, or said to be without its readings.
    int bare = 0;
    for (int i = 0; i < recovered; ++i) {
        QVERIFY(shown[i].readings.size() == 2 || shown[i].readings.empty());
        bare += shown[i].readings.empty() ? 1 : 0;
    }
    if (bare > 0)
        QVERIFY2(problem.contains(QStringLiteral("(%1 without the readings").arg(bare)), qPrintable(problem));
    // The notice stays until a screen has shown it, on the next start too.
    store.reset();
    store = std::make_unique<Store>(path);
    QVERIFY(store->wait());
    QCOMPARE(store->problem(), problem);
    QCOMPARE(int(store->exercises().size()), recovered + 1);
    store->noticeSeen();
    store.reset();
    Store later(path);
    QVERIFY(later.wait());
    QVERIFY2(later.problem().isEmpty(), qPrintable(later.problem()));
}

void tst_store::lockTakenMidRunDelaysTheWrite()
{
    const QString path = m_dir.filePath("midrun.sqlite");
    Store store(path, 100);
    store.record(exercise("before", "damper", "damper", true));
    QVERIFY(store.wait());
    {
        std::shared_ptr<QProcess> lock = locker(path);
        store.record(exercise("during", "damper", "damper", true));
        QTRY_VERIFY2(store.problem().contains("locked by another program: 1 exercise waits"),
                     qPrintable(store.problem()));
        QCOMPARE(store.exercises().size(), std::size_t(2));
    }
    QVERIFY(store.wait(10000));
    QVERIFY(store.problem().isEmpty());
    Store again(path);
    QVERIFY(again.wait());
    QCOMPARE(again.exercises().size(), std::size_t(2));
    QCOMPARE(again.exercises().back().faultId, QStringLiteral("during"));
}

// A history written by the program before exercises had ids, as it left it.
void tst_store::todaysFileIsBroughtForward()
{
    const QString path = m_dir.filePath("v1.sqlite");
    QVERIFY(QFile::copy(QFINDTESTDATA("data/trainer-v1.sqlite"), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    {
        Store store(path);
        QVERIFY2(store.wait(), qPrintable(store.problem()));
        store.record(exercise("new", "damper", "damper", true));
        QVERIFY(store.wait());
    }
    Store store(path);
    QVERIFY(store.wait());
    const std::vector<ExerciseRecord> got = store.exercises();
    QCOMPARE(got.size(), std::size_t(3));
    QCOMPARE(got[0].faultId, QStringLiteral("today-1"));
    QCOMPARE(got[1].readings.size(), std::size_t(40));
    QVERIFY(!got[0].id.isNull() && got[0].id != got[1].id);
    QCOMPARE(studentName(got[0]), QStringLiteral("this computer"));
    QVERIFY(store.unsent().empty()); // done alone, so nothing for a class server
}

void tst_store::outboxHoldsWhatTheServerLacks()
{
    const QString path = m_dir.filePath("outbox.sqlite");
    std::vector<ExerciseRecord> done;
    for (const char* student : {"ann", "", "ann"}) {
        done.push_back(exercise(QStringLiteral("by %1").arg(student), "damper", "damper", true));
        done.back().id = QUuid::createUuid();
        done.back().student = QLatin1String(student);
    }
    {
        Store store(path);
        for (const ExerciseRecord& e : done)
            store.record(e);
        QCOMPARE(store.waiting(), 2); // not yet written here, still counted
        QVERIFY(store.wait());
        QCOMPARE(store.waiting(), 2);
        std::vector<ExerciseRecord> unsent = store.unsent();
        QCOMPARE(unsent.size(), std::size_t(2));
        QCOMPARE(unsent[0].id, done[0].id);
        QCOMPARE(unsent[1].id, done[2].id);
        store.markSent(done[0].id);
        QTRY_COMPARE(store.waiting(), 1);
        store.record(done[2]); // a second write of the same exercise does nothing
        QVERIFY(store.wait());
        QCOMPARE(store.exercises().size(), std::size_t(3));
    }
    Store again(path);
    QVERIFY(again.wait());
    QCOMPARE(again.waiting(), 1);
    QCOMPARE(again.unsent().size(), std::size_t(1));
    QCOMPARE(again.unsent()[0].id, done[2].id);
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
        QVERIFY2(store.wait(), qPrintable(store.problem()));
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
    after.record(exercise("after", "damper", "damper", true));
    QVERIFY(after.wait());
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
    QVERIFY(store.wait());
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
    // A part missed on the right stage counts as its own miss, named as the result names the part; the part
    // of a fault this program no longer knows cannot be named.
    const trainer::Fault& f = trainer::faults()[0];
    QTest::newRow("right stage, wrong part: the part is missed")
        << std::vector<ExerciseRecord>{exercise(f.id, f.stage, f.stage, false), exercise("a", "damper", "damper", false),
                                       exercise(f.id, f.stage, f.stage, false)}
        << QList<int>{3, 0, 3, 9, 3}
        << QStringLiteral("%1 (%2 %3) 2").arg(f.stage, QString::fromUtf8(f.failure), QString::fromUtf8(f.part));
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
        stages << (m.part.isEmpty() ? QStringLiteral("%1 %2").arg(m.stage).arg(m.times)
                                    : QStringLiteral("%1 (%2) %3").arg(m.stage, m.part).arg(m.times));
    QCOMPARE(stages.join(", "), missed);
}

QTEST_GUILESS_MAIN(tst_store)
#include "tst_store.moc"
