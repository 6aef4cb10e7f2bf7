// The progress view, driven as a user drives it, over a history in a temporary folder.

#include "app/frmOne.h"
#include "app/module1.h"
#include "support/program.h"
#include "trainer/screens/frmProgress.h"
#include "trainer/exercise/exercise.h"
#include "trainer/model/setmodel.h"
#include "trainer/history/store.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace fw;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::shownScreens;
using trainer::ExerciseRecord;

namespace {
ExerciseRecord exercise(const QString& stage, const QString& named, bool right, int measurements, int optimum)
{
    ExerciseRecord e;
    e.finished = QDateTime(QDate(2026, 5, 4), QTime(10, 0), Qt::UTC);
    e.faultId = stage + QStringLiteral("-fault");
    e.faultStage = stage;
    e.stageNamed = named;
    e.partNamed = right ? QStringLiteral("shorted, \"dead\" winding") : QString();
    e.right = right;
    // A reading's text names its stage, as the bench writes it.
    e.readings = {{stage, trainer::stageTitle(stage) + QStringLiteral(": 0 V,\nwhere 12 V is usual"), false},
                  {named, QString(), true}};
    e.safetySlips = 1;
    e.seconds = 125;
    e.measurements = measurements;
    e.optimum = optimum;
    return e;
}

QStringList items(ListBox* list)
{
    QStringList result;
    for (int i = 0; i < list->ListCount(); ++i)
        result << list->List(i);
    return result;
}

// Reads CSV as a spreadsheet would: quoted fields may hold commas, doubled quotes and line breaks.
QList<QStringList> readCsv(const QString& text)
{
    QList<QStringList> rows{{}};
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            rows.last() << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            rows.last() << field;
            field.clear();
            rows << QStringList{};
            ++i;
        } else {
            field += c;
        }
    }
    if (rows.last().isEmpty() && field.isEmpty())
        rows.removeLast();
    return rows;
}

// A screen named as the trainer is, standing in for it: Return goes back to whatever screen has that name.
class frmTrainer : public fw::Form<frmTrainer>
{
public:
    frmTrainer()
        : Form(QStringLiteral("frmTrainer"), QStringLiteral("Fault-Finding Trainer"), QSize(3000, 2000))
    {}

protected:
    fw::Design design() const override { return {}; }
    bool isResizable() const override { return true; }
};
} // namespace

Q_DECLARE_METATYPE(trainer::ExerciseRecord)

class tst_frmprogress : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void driverLoadsOnlyWithTheHistory();
    void showsTheNumbers_data();
    void showsTheNumbers();
    void exportWritesTheHistory_data();
    void exportWritesTheHistory();
    void init();
    void pastExercisesShownWhateverTheFile_data();
    void pastExercisesShownWhateverTheFile();
    void growsWithItsWindow();
    void returnGoesBackToTheTrainer();
    void growsWithTheWindow();

private:
    QTemporaryDir m_dir;
};

// The export folder is remembered in the settings: each test begins without one.
void tst_frmprogress::init()
{
    QSettings(QSettings::UserScope, "Fernwick", "Fernwick").remove("trainer/exportFolder");
}

void tst_frmprogress::driverLoadsOnlyWithTheHistory()
{
    auto driverLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libqsqlite");
    };
    ProgramScope program;
    Module1::Main();
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!driverLoaded());
    trainer::Store store(m_dir.filePath("loads.sqlite"));
    QVERIFY(store.wait()); // opened on the history's own thread
    QVERIFY(driverLoaded());
}

void tst_frmprogress::showsTheNumbers_data()
{
    QTest::addColumn<QList<ExerciseRecord>>("recorded");
    QTest::addColumn<QStringList>("doneRateMeasurementsSlips");
    QTest::addColumn<QStringList>("missed");
    QTest::newRow("no exercises") << QList<ExerciseRecord>{}
                                  << QStringList{"0", "no exercises yet", "no exercises yet", "0"}
                                  << QStringList{};
    QTest::newRow("two found, one stage missed twice, one part missed")
        << QList<ExerciseRecord>{exercise("damper", "damper", true, 3, 3),
                                 exercise("horizontal-output", "damper", false, 6, 4),
                                 exercise("vertical-yoke", "vertical-yoke", true, 2, 2),
                                 exercise("horizontal-output", "horizontal-driver", false, 5, 4),
                                 exercise("sync-separator", "sync-separator", false, 4, 3)}
        << QStringList{"5", "40% (2 of 5 found)", "4.0 an exercise on average, where 3.2 would do", "5"}
        << QStringList{"Horizontal output amplifier: missed 2 times"};
    QTest::newRow("one exercise, missed once")
        << QList<ExerciseRecord>{exercise("sync-separator", "damper", false, 7, 3)}
        << QStringList{"1", "0% (0 of 1 found)", "7.0 an exercise on average, where 3.0 would do", "1"}
        << QStringList{"Sync seperator: missed 1 time"};
    const trainer::Fault& f = trainer::faults()[0];
    ExerciseRecord part = exercise(f.stage, f.stage, false, 2, 2);
    part.faultId = QLatin1String(f.id);
    part.partNamed = QStringLiteral("wrong part");
    const QString failed = trainer::failedPart(part.faultId);
    QTest::newRow("the right stage, a part missed")
        << QList<ExerciseRecord>{part, exercise("sync-separator", "damper", false, 2, 2)}
        << QStringList{"2", "0% (0 of 2 found)", "2.0 an exercise on average, where 2.0 would do", "2"}
        << QStringList{QStringLiteral("%1, the %2: part missed 1 time").arg(trainer::stageTitle(f.stage), failed),
                       "Sync seperator: missed 1 time"};
}

void tst_frmprogress::showsTheNumbers()
{
    QFETCH(QList<ExerciseRecord>, recorded);
    QFETCH(QStringList, doneRateMeasurementsSlips);
    QFETCH(QStringList, missed);
    QTemporaryDir folder(m_dir.filePath("XXXXXX"));
    trainer::Store store(folder.filePath("trainer.sqlite"));
    for (const ExerciseRecord& e : recorded)
        store.record(e);
    QVERIFY(store.wait());
    trainer::HistoryScope scope(store);
    ProgramScope program;
    frmProgress& progress = frmProgress::get();
    progress.Show();
    QCOMPARE(progress.window()->windowTitle(), QStringLiteral("Trainer Progress"));
    QCOMPARE((QStringList{progress.txtDone()->Text(), progress.txtRate()->Text(),
                          progress.txtMeasurements()->Text(), progress.txtSlips()->Text()}),
             doneRateMeasurementsSlips);
    QCOMPARE(items(progress.lstMissed()), missed);
    QVERIFY(!Visible(progress.lblProblem()));
    // Every past exercise, the latest first.
    const QStringList past = items(progress.lstExercises());
    QCOMPARE(past.size(), recorded.size());
    if (!recorded.isEmpty()) {
        const ExerciseRecord& last = recorded.last();
        QVERIFY2(past.first().contains(
                     QStringLiteral("%1 measurements, %2 would do").arg(last.measurements).arg(last.optimum)),
                 qPrintable(past.first()));
        if (QTest::currentDataTag() == QByteArray("the right stage, a part missed"))
            QVERIFY2(past.last().contains(QStringLiteral("stage found, part missed (the %1, not the wrong part)")
                                              .arg(trainer::failedPart(recorded.first().faultId))),
                     qPrintable(past.last()));
    }
}

void tst_frmprogress::exportWritesTheHistory_data()
{
    QTest::addColumn<QString>("answer"); // the file the save dialog answers with, in the test's folder
    QTest::addColumn<bool>("written");
    // Each export follows one that worked, into the folder of the test's own: the dialog opens there, and
    // what the earlier one said does not stay on show.
    QTest::newRow("to a new file") << "progress.csv" << true;
    QTest::newRow("over a file the user chose to replace") << "old.csv" << true;
    QTest::newRow("dialog cancelled") << "" << false;
    QTest::newRow("into a folder that is not there") << "missing/progress.csv" << false;
}

void tst_frmprogress::exportWritesTheHistory()
{
    QFETCH(QString, answer);
    QFETCH(bool, written);
    QTemporaryDir folder(m_dir.filePath("XXXXXX"));
    const QString file = answer.isEmpty() ? QString() : folder.filePath(answer);
    const QByteArray old = "kept unless replaced\r\n";
    {
        QFile f(folder.filePath("old.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(old) == old.size());
    }
    trainer::Store store(folder.filePath("trainer.sqlite"));
    QList<ExerciseRecord> recorded{exercise("damper", "damper", true, 3, 3),
                                         exercise("sync-separator", "damper", false, 5, 2)};
    recorded[0].checks = {{"winding", "found open", true}, {"capacitor", "checks good", false}};
    recorded[1].student = QStringLiteral("ann");
    recorded[1].chosen = trainer::Chosen::ByInstructor;
    for (const ExerciseRecord& e : recorded)
        store.record(e);
    QVERIFY(store.wait());
    trainer::HistoryScope scope(store);
    ProgramScope program;
    frmProgress& progress = frmProgress::get();
    progress.Show();
    program.services.saveAnswer = folder.filePath("earlier.csv");
    click(progress.cmdExport());
    QVERIFY(progress.lblStatus()->Caption().startsWith("2 exercises exported"));
    program.services.saveAnswer = file;
    click(progress.cmdExport());
    QCOMPARE(program.services.saveTitles, (std::vector<QString>{"Export to CSV", "Export to CSV"}));
    QCOMPARE(program.services.saveSuggested[0],
             QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/trainer-progress.csv");
    QCOMPARE(program.services.saveSuggested[1], folder.filePath("trainer-progress.csv"));

    QFile out(file);
    if (!written) {
        QVERIFY(file.isEmpty() || !out.exists());
        QCOMPARE(program.services.messages.size(), std::size_t(file.isEmpty() ? 0 : 1));
        if (!file.isEmpty())
            QCOMPARE(program.services.messages[0].title, QStringLiteral("Export to CSV"));
        QVERIFY(progress.lblStatus()->Caption().isEmpty());
        QFile f(folder.filePath("old.csv"));
        QVERIFY(f.open(QIODevice::ReadOnly) && f.readAll() == old);
        return;
    }
    QVERIFY(program.services.messages.empty());
    QCOMPARE(progress.lblStatus()->Caption(), QStringLiteral("2 exercises exported to %1.").arg(file));
    QVERIFY(out.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = readCsv(QString::fromUtf8(out.readAll()));
    QCOMPARE(rows.size(), recorded.size() + 1);
    QCOMPARE(rows[0], (QStringList{"Finished (UTC)", "Student", "Fault chosen by", "Fault", "Faulty stage",
                                   "Stage named", "Part named", "Right", "Measurements", "Optimum", "Safety slips",
                                   "Seconds", "Readings", "Part checks"}));
    // Stages as the lists name them; a fault this program does not know by its id.
    const QStringList checks{"winding: found open\ncapacitor: checks good", ""};
    const QStringList who{"this computer", "ann"};
    const QStringList chosen{"random", "instructor"};
    for (int r = 0; r < recorded.size(); ++r) {
        const ExerciseRecord& e = recorded[r];
        const QString stage = trainer::stageTitle(e.faultStage);
        const QString named = trainer::stageTitle(e.stageNamed);
        QVERIFY(stage != e.faultStage);
        const QString readings =
            QStringLiteral("%1: 0 V,\nwhere 12 V is usual\n%2: refused (no isolation transformer)").arg(stage, named);
        QCOMPARE(rows[r + 1], (QStringList{"2026-05-04T10:00:00Z", who[r], chosen[r], e.faultId, stage, named,
                                           e.partNamed, e.right ? "yes" : "no", QString::number(e.measurements),
                                           QString::number(e.optimum), "1", "125", readings, checks[r]}));
    }
}

void tst_frmprogress::pastExercisesShownWhateverTheFile_data()
{
    QTest::addColumn<QString>("damage"); // what is done to a history of two exercises
    QTest::addColumn<QString>("problem");
    QTest::addColumn<int>("shown");
    QTest::newRow("read-only") << "read-only" << "is read-only, or its folder is: its exercises are shown" << 2;
    QTest::newRow("random bytes") << "random bytes" << "The exercise history was damaged: it is kept unchanged as"
                                  << 0;
    // Another program holds the write lock as the history opens: a reader is not kept out by a writer.
    QTest::newRow("locked by another program") << "locked" << "is locked by another program" << 2;
}

void tst_frmprogress::pastExercisesShownWhateverTheFile()
{
    QFETCH(QString, damage);
    QFETCH(QString, problem);
    QFETCH(int, shown);
    QTemporaryDir folder(m_dir.filePath("XXXXXX"));
    const QString path = folder.filePath("trainer.sqlite");
    {
        trainer::Store store(path);
        store.record(exercise("damper", "damper", true, 3, 3));
        store.record(exercise("sync-separator", "damper", false, 5, 2));
        QVERIFY(store.wait());
    }
    // The other program's connection, holding its write transaction until the test ends.
    struct Locker
    {
        QString name;
        ~Locker()
        {
            if (name.isEmpty())
                return;
            QSqlDatabase::database(name, false).close();
            QSqlDatabase::removeDatabase(name);
        }
    } locker;
    if (damage == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner));
    } else if (damage == QLatin1String("locked")) {
        locker.name = QStringLiteral("another program");
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), locker.name);
        db.setDatabaseName(path);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE")));
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(QByteArray(4096, '\x5a')) == 4096);
    }
    trainer::Store store(path);
    trainer::HistoryScope scope(store);
    ProgramScope program;
    frmProgress& progress = frmProgress::get();
    progress.Show();
    // The view follows the history as it opens.
    QTRY_VERIFY(Visible(progress.lblProblem()));
    QCOMPARE(progress.lblProblem()->Caption(), store.problem());
    QVERIFY2(progress.lblProblem()->Caption().contains(problem), qPrintable(progress.lblProblem()->Caption()));
    QCOMPARE(progress.txtDone()->Text(), QString::number(shown));
    QCOMPARE(progress.lstExercises()->count(), shown);
    program.services.saveAnswer = folder.filePath("out.csv");
    click(progress.cmdExport());
    QCOMPARE(int(program.services.saveTitles.size()), shown > 0 ? 1 : 0);
    QCOMPARE(progress.lblStatus()->Caption(), shown > 0 ? QStringLiteral("2 exercises exported to %1.").arg(folder.filePath("out.csv"))
                                                        : QStringLiteral("There are no exercises to export yet."));
}

// The window grows: the past exercises take the room, wrapped to its width, and the buttons stay below them.
void tst_frmprogress::growsWithItsWindow()
{
    QTemporaryDir folder(m_dir.filePath("XXXXXX"));
    trainer::Store store(folder.filePath("trainer.sqlite"));
    ExerciseRecord long_ = exercise("horizontal-output", "sync-separator", false, 9, 4);
    long_.student = QStringLiteral("Maximilian Alexander Featherstonehaugh-Worthington");
    long_.chosen = trainer::Chosen::ByInstructor;
    for (int i = 0; i < 12; ++i)
        store.record(long_);
    QVERIFY(store.wait());
    trainer::HistoryScope scope(store);
    ProgramScope program;
    frmProgress& progress = frmProgress::get();
    progress.Show();
    QWidget* w = progress.window();
    const QRect list = progress.lstExercises()->geometry();
    const QSize designed = w->size();
    const int returnTop = progress.cmdReturn()->y();
    // At the designed width a long line wraps rather than running off the list's right edge.
    QListWidget* past = progress.lstExercises();
    QVERIFY(past->fontMetrics().horizontalAdvance(past->item(0)->text()) > past->viewport()->width());
    QVERIFY(past->visualItemRect(past->item(0)).height() >= 2 * past->fontMetrics().lineSpacing());
    QVERIFY(past->visualItemRect(past->item(0)).right() <= past->viewport()->width());
    w->resize(designed.width() + 300, designed.height() + 200);
    QCOMPARE(w->size(), QSize(designed.width() + 300, designed.height() + 200));
    QCOMPARE(progress.lstExercises()->geometry(), list.adjusted(0, 0, 300, 200));
    QCOMPARE(progress.cmdReturn()->y(), returnTop + 200);
    QVERIFY(progress.cmdReturn()->geometry().bottom() < w->height());
    w->grab().save(QDir::temp().filePath("frmprogress-grown.png"));
}

void tst_frmprogress::returnGoesBackToTheTrainer()
{
    QTemporaryDir folder(m_dir.filePath("XXXXXX"));
    trainer::Store store(folder.filePath("trainer.sqlite"));
    trainer::HistoryScope scope(store);
    ProgramScope program;
    Module1::Main();
    // Without the trainer's screen, Return goes to the main menu.
    frmOne::get().Hide();
    frmProgress::get().Show();
    click(frmProgress::get().cmdReturn());
    fw::test::settle();
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!frmProgress::get().isLoaded());
    // From the trainer, back to it; opened over it, in its place and at its size, never below its own.
    frmOne::get().Hide();
    frmTrainer::get().Show();
    frmTrainer::get().window()->resize(1280, 1000);
    frmProgress::get().Show();
    QCOMPARE(frmProgress::get().window()->size(), QSize(1280, 1000));
    QCOMPARE(frmProgress::get().window()->pos(), frmTrainer::get().window()->pos());
    frmTrainer::get().Hide();
    click(frmProgress::get().cmdReturn());
    fw::test::settle();
    QCOMPARE(shownScreens(), QStringList{"frmTrainer"});
}

// Made larger, the past exercises take the room gained and the buttons stay in the window.
void tst_frmprogress::growsWithTheWindow()
{
    QTemporaryDir folder(m_dir.filePath("XXXXXX"));
    trainer::Store store(folder.filePath("trainer.sqlite"));
    trainer::HistoryScope scope(store);
    ProgramScope program;
    frmProgress& progress = frmProgress::get();
    progress.Show();
    const QSize before = progress.lstExercises()->size();
    progress.setWidth(1280 * 15);
    progress.setHeight(1024 * 15);
    QCOMPARE(progress.window()->size(), QSize(1280, 1024));
    const QSize after = progress.lstExercises()->size();
    QCOMPARE(after - before, QSize(1280, 1024) - QSize(11640 / 15, 7200 / 15));
    for (QWidget* button : {static_cast<QWidget*>(progress.cmdExport()), static_cast<QWidget*>(progress.cmdReturn())})
        QVERIFY(progress.window()->rect().contains(button->geometry()));
}

FW_TEST_MAIN(tst_frmprogress)
#include "tst_frmprogress.moc"
