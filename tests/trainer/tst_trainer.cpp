// The trainer as a student and an instructor drive it: from the main menu, an exercise by clicks and keys
// (the set on the bench, a measurement refused for want of the isolation transformer, readings, the stage and
// the part named, the result kept in the history), every stage measured from the keyboard, and the hidden
// fault kept hidden until the answer.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagrams/areanotes.h"
#include "support/program.h"
#include "trainer/frmProgress.h"
#include "trainer/frmTrainer.h"
#include "trainer/measuringview.h"
#include "trainer/store.h"

#include <QAccessible>
#include <QApplication>
#include <QStandardPaths>
#include <QTabBar>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace fw;
using namespace trainer;
using fw::test::choose;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
frmTrainer& openTrainer()
{
    Module1::Main();
    click(frmOne::get().Option10());
    return frmTrainer::get();
}

// Puts a set with the given fault on the bench, as an instructor does; a line-connected one when asked.
void newSet(frmTrainer& t, int fault, bool lineConnected)
{
    for (int tries = 0; tries < 200; ++tries) {
        choose(t.cboFault(), fault + 1);
        click(t.cmdNew());
        // The list goes back to a random fault, so that the student cannot read the hidden one off it.
        QCOMPARE(t.cboFault()->ListIndex(), 0);
        if (t.exercise()->lineConnected() == lineConnected)
            return;
    }
    QFAIL("New set never gave the kind of set asked for");
}

int stageIndex(const QString& stage)
{
    return static_cast<int>(stages().indexOf(stage));
}

// The readings as the screen lists them, one to a line.
QStringList readings(frmTrainer& t)
{
    const QString text = t.txtReadings()->Text();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

QString lastReading(frmTrainer& t)
{
    return readings(t).value(readings(t).size() - 1);
}

bool within(const QObject* object, const QObject* ancestor)
{
    for (; object; object = object->parent())
        if (object == ancestor)
            return true;
    return false;
}

// Every text the screen offers a user or a screen reader, but the items of the instructor's list of faults
// (its shown choice is counted).
QStringList everyText(frmTrainer& t)
{
    QStringList texts{t.window()->windowTitle(), t.cboFault()->currentText()};
    for (QWidget* w : t.window()->findChildren<QWidget*>()) {
        if (w != t.cboFault() && within(w, t.cboFault()))
            continue;
        texts << w->toolTip() << w->accessibleName() << w->accessibleDescription() << w->whatsThis();
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w))
            texts << a->text(QAccessible::Name) << a->text(QAccessible::Description);
        if (auto* label = qobject_cast<QLabel*>(w))
            texts << label->text();
    }
    texts << readings(t);
    return texts;
}
} // namespace

class tst_trainer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void opensFromTheMenuAndReturns();
    void anExercise_data();
    void anExercise();
    void everyStageMeasuredByKeyboard();
    void theHiddenFaultNeverLeaks();
    void aHistoryProblemIsSaidOnce();
    void progressAndBackKeepsTheExercise();
};

void tst_trainer::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true); // the history goes to the test's own data folder
}

void tst_trainer::opensFromTheMenuAndReturns()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QCOMPARE(shownScreens(), QStringList{"frmTrainer"});
    QCOMPARE(t.window()->windowTitle(), QStringLiteral("Fault-Finding Trainer"));
    QVERIFY(!frmOne::get().isLoaded());
    QCOMPARE(t.cboFault()->count(), static_cast<int>(faults().size()) + 1);
    QCOMPARE(t.cboFault()->itemText(0), QStringLiteral("Any fault, chosen at random"));
    QCOMPARE(t.cboFault()->itemText(1), faultName(faults().front()));
    QCOMPARE(t.cmdNew()->Caption(), QStringLiteral("New set"));
    click(t.cmdReturn());
    fw::test::settle();
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!t.isLoaded());
}

void tst_trainer::anExercise_data()
{
    QTest::addColumn<bool>("rightStage");
    QTest::addColumn<bool>("rightPart");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("right") << true << true << "Right:";
    QTest::newRow("right stage, wrong part") << true << false << "Right stage, wrong part";
    QTest::newRow("wrong stage") << false << false << "Wrong stage";
}

void tst_trainer::anExercise()
{
    QFETCH(bool, rightStage);
    QFETCH(bool, rightPart);
    QFETCH(QString, verdict);
    QTemporaryDir folder;
    Store store(folder.filePath(QStringLiteral("trainer.sqlite")));
    HistoryScope kept(store);
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QVERIFY2(t.lblStore()->text().isEmpty(), qPrintable(t.lblStore()->text()));

    // A fault whose stage has a part to name wrongly.
    int index = 0;
    while (index < static_cast<int>(faults().size()) &&
           Set(&faults()[static_cast<size_t>(index)])
                   .parts(QLatin1String(faults()[static_cast<size_t>(index)].stage))
                   .size() < 2)
        ++index;
    QVERIFY(index < static_cast<int>(faults().size()));
    const Fault& fault = faults()[static_cast<size_t>(index)];
    const QString stage = QString::fromLatin1(fault.stage);
    newSet(t, index, true);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(t.lblSet()->text().contains(QStringLiteral("no mains transformer")));
    QCOMPARE(t.lblSymptom()->text(), describe(Set(&fault).appearance()));
    QCOMPARE(static_cast<int>(readings(t).size()), 0);

    // A click on the stage without the isolation transformer: refused, and a slip.
    QWidget* box = t.view()->control(stage);
    QVERIFY(box);
    t.view()->focusStage(stage);
    click(box);
    QCOMPARE(static_cast<int>(readings(t).size()), 1);
    QVERIFY2(lastReading(t).contains(QStringLiteral("Refused")), qPrintable(lastReading(t)));

    // Switched in, Enter on the stage measures it.
    click(t.optIsolationIn());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(static_cast<int>(readings(t).size()), 2);
    QCOMPARE(lastReading(t), readingText(*Set(&fault, true).measure(stage)));

    const QString named = rightStage ? stage : stages().at(stageIndex(stage) == 0 ? 1 : 0);
    choose(t.cboStage(), stageIndex(named));
    click(t.cmdStage());
    QString part;
    if (rightStage) {
        QVERIFY(t.cboPart()->isEnabled());
        const QStringList parts = t.exercise()->suspectParts();
        part = rightPart ? QString::fromUtf8(fault.part)
                         : parts.at(parts.indexOf(QString::fromUtf8(fault.part)) == 0 ? 1 : 0);
        choose(t.cboPart(), static_cast<int>(parts.indexOf(part)));
        click(t.cmdCheck());
        QCOMPARE(static_cast<int>(readings(t).size()), 3);
        QVERIFY(lastReading(t).contains(part));
        click(t.cmdPart());
    }
    click(box); // once the answer is given, a stage only shows
    QCOMPARE(readings(t).size(), rightStage ? 3 : 2);
    QVERIFY2(t.lblResult()->text().startsWith(verdict), qPrintable(t.lblResult()->text()));
    QVERIFY(t.lblResult()->text().contains(QString::fromUtf8(fault.explanation)));
    QVERIFY(!t.cmdStage()->isEnabled());
    QVERIFY(!t.cmdPart()->isEnabled());
    QVERIFY(t.cmdNote()->isVisible());
    QCOMPARE(t.cmdNote()->whatsThis(), areanotes::note(stage)->text);

    QVERIFY(store.wait()); // written on the history's thread once the result is shown
    const std::vector<ExerciseRecord> recorded = store.exercises();
    QCOMPARE(recorded.size(), size_t(1));
    const ExerciseRecord& record = recorded.back();
    QCOMPARE(record.faultId, QString::fromLatin1(fault.id));
    QVERIFY(!record.id.isNull());
    QCOMPARE(record.chosen, Chosen::ByInstructor); // picked from the fault list
    QCOMPARE(record.safetySlips, 1);
    QCOMPARE(record.readings.size(), size_t(2));
    QCOMPARE(record.stageNamed, named);
    QCOMPARE(record.partNamed, part);
    QCOMPARE(record.right, rightStage && rightPart);
}

// From the tab bar, Tab walks each diagram's stages and Enter measures each: every stage of the set.
void tst_trainer::everyStageMeasuredByKeyboard()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QVERIFY(QTest::qWaitForWindowActive(t.window()));
    click(t.cmdNew());
    click(t.optIsolationIn());
    MeasuringView* view = t.view();
    QTabBar* bar = view->tabBar();
    QSet<QString> measured;
    const auto focused = [&t] { return t.window()->focusWidget(); };
    for (int page = 0; page < view->count(); ++page) {
        QVERIFY(focused());
        for (int i = 0; i < 300 && focused() != bar; ++i)
            QTest::keyClick(focused(), Qt::Key_Tab);
        QCOMPARE(focused(), static_cast<QWidget*>(bar));
        if (page > 0)
            QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(view->currentIndex(), page);
        QTest::keyClick(bar, Qt::Key_Tab);
        for (int i = 0; i < 300 && view->widget(page)->isAncestorOf(focused()); ++i) {
            const size_t taken = t.exercise()->record().readings.size();
            QTest::keyClick(focused(), Qt::Key_Return);
            if (t.exercise()->record().readings.size() > taken)
                measured << t.exercise()->record().readings.back().stage;
            QTest::keyClick(focused(), Qt::Key_Tab);
        }
    }
    const QStringList all = stages();
    QCOMPARE(measured, QSet<QString>(all.begin(), all.end()));
    QCOMPARE(static_cast<int>(readings(t).size()), static_cast<int>(t.exercise()->record().readings.size()));
}

void tst_trainer::theHiddenFaultNeverLeaks()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    for (int index = 0; index < static_cast<int>(faults().size()); ++index) {
        t.cboFault()->setListIndex(index + 1);
        click(t.cmdNew());
        const Fault& fault = t.exercise()->fault();
        click(t.optIsolationIn());
        for (const QString& stage : t.view()->stages()) {
            t.view()->focusStage(stage);
            click(t.view()->control(stage));
        }
        QVERIFY(static_cast<int>(readings(t).size()) > 0);
        const QString where = QString::fromLatin1(fault.id) + QStringLiteral(": ");
        for (const QString& text : everyText(t)) {
            QVERIFY2(!text.contains(faultName(fault)), qPrintable(where + text));
            QVERIFY2(!text.contains(QString::fromUtf8(fault.explanation)), qPrintable(where + text));
            QVERIFY2(!text.contains(QLatin1String(fault.id)), qPrintable(where + text));
        }
    }
}

// A history that cannot be opened: one sentence while the trainer is open, and the exercise goes on.
void tst_trainer::aHistoryProblemIsSaidOnce()
{
    QTemporaryDir folder; // a folder is no database, and a long path makes a long sentence
    const QString path = folder.filePath("the shared drive of a school, where every class keeps its work/trainer.sqlite");
    QVERIFY(QDir().mkpath(path));
    Store unusable(path);
    QVERIFY(!unusable.wait());
    HistoryScope kept(unusable);
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QCOMPARE(t.lblStore()->text(), unusable.problem());
    QVERIFY(!t.lblStore()->text().isEmpty());
    // Its last line clears the window's bottom edge.
    Label* line = t.lblStore();
    QVERIFY(line->y() + line->heightForWidth(line->width()) <= t.window()->height());
    QVERIFY(line->geometry().bottom() < t.window()->height());
    t.window()->grab().save(QDir::temp().filePath("trainer-history-line.png"));
    click(t.cmdNew());
    choose(t.cboStage(), 0);
    click(t.cmdStage());
    QVERIFY(!t.lblResult()->text().isEmpty());
    click(t.cmdReturn());
    click(frmOne::get().Option10());
    QCOMPARE(t.lblStore()->text(), unusable.problem()); // the history as it stands now
}

void tst_trainer::progressAndBackKeepsTheExercise()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    click(t.cmdNew());
    click(t.optIsolationIn());
    const QString stage = t.view()->stages().front();
    t.view()->focusStage(stage);
    click(t.view()->control(stage));
    click(t.cmdProgress());
    QCOMPARE(shownScreens(), QStringList{"frmProgress"});
    click(frmProgress::get().control(QStringLiteral("cmdReturn")));
    fw::test::settle();
    QCOMPARE(shownScreens(), QStringList{"frmTrainer"});
    QCOMPARE(static_cast<int>(readings(t).size()), 1);
    QVERIFY(t.optIsolationIn()->Value());
}

FW_TEST_MAIN(tst_trainer)
#include "tst_trainer.moc"
