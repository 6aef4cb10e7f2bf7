// The trainer as a student and an instructor drive it: from the main menu, an exercise by clicks and keys
// (the set on the bench, a measurement refused for want of the isolation transformer, readings, the stage and
// the part named, the result kept in the history), every stage measured from the keyboard, and the hidden
// fault kept hidden until the answer.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmPicture.h"
#include "diagrams/areanotes.h"
#include "support/program.h"
#include "trainer/screens/frmProgress.h"
#include "trainer/screens/frmTrainer.h"
#include "trainer/screens/instrumentview.h"
#include "trainer/screens/measuringview.h"
#include "trainer/bench/readinghazards.h"
#include "trainer/history/report.h"
#include "trainer/picture/setpicture.h"
#include "trainer/history/store.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabBar>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

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

// Puts a set with the given fault on the bench, as an instructor does in instructor mode (its question
// answered yes); a line-connected one when asked.
void newSet(frmTrainer& t, int fault, bool lineConnected)
{
    for (int tries = 0; tries < 200; ++tries) {
        QVERIFY(!t.cboFault()->isVisible());
        click(t.cmdInstructor());
        choose(t.cboFault(), fault + 1);
        click(t.cmdNew());
        // The list goes back to a random fault and out of sight, so that the student cannot read the hidden
        // one off it.
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

// The readings as the screen lists them, one to a row.
QStringList readings(frmTrainer& t)
{
    QStringList rows;
    for (int i = 0; i < t.lstReadings()->ListCount(); ++i)
        rows << t.lstReadings()->List(i);
    return rows;
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
    void theBenchGrowsWithTheWindow();
    void leavingAnExerciseAsks_data();
    void leavingAnExerciseAsks();
    void escapeInAListClosesOnlyTheList_data();
    void escapeInAListClosesOnlyTheList();
    void everyStopIsFramedInReadingOrder();
    void aHazardCarriesItsRule();
    void whatLooksMeasurableMeasures_data();
    void whatLooksMeasurableMeasures();
    void theStageListNamesWhatTheDiagramsShow_data();
    void theStageListNamesWhatTheDiagramsShow();
    void unpluggedMeansUnplugged();
    void aControlIsCheckedRunning();
    void choosingTheFaultIsTheInstructors_data();
    void choosingTheFaultIsTheInstructors();
    void noWordOutlivesItsStep();
    void readableAt1024By768();
    void tabFollowsTheWork();
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
    QCOMPARE(t.cmdNew()->Caption(), QStringLiteral("&New set")); // Alt+N
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
    QVERIFY2(t.lblNext()->text().contains(QStringLiteral("switch in the isolation transformer")),
             qPrintable(t.lblNext()->text()));

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
    QCOMPARE(lastReading(t), withSafety(readingText(*Set(&fault, true).measure(stage)), readingRules(stage, true)));
    QVERIFY2(t.lblNext()->text().contains(QStringLiteral("Name stage")), qPrintable(t.lblNext()->text()));
    QCOMPARE(box->accessibleDescription(), lastReading(t)); // said where the student is

    QVERIFY(!t.cmdDischarge()->isEnabled()); // no part to check yet
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
        QVERIFY2(t.lblNext()->text().startsWith(QStringLiteral("Press Discharge first")),
                 qPrintable(t.lblNext()->text())); // told before the slip is counted
        click(t.cmdCheck()); // still plugged in: refused, and a slip
        QVERIFY2(lastReading(t).contains(QStringLiteral("discharge")), qPrintable(lastReading(t)));
        click(t.cmdDischarge());
        click(t.cmdCheck());
        QCOMPARE(static_cast<int>(readings(t).size()), 5);
        QVERIFY(lastReading(t).contains(part));
        click(t.cmdPart());
    }
    // The result in one place, on its own tab, read out at once: the verdict, what the fault did, the slips,
    // then the search.
    QCOMPARE(t.window()->focusWidget(), static_cast<QWidget*>(t.result()));
    QVERIFY(t.result()->isVisible());
    const QString result = t.result()->toPlainText();
    QVERIFY2(result.startsWith(verdict), qPrintable(result));
    const qsizetype did = result.indexOf(QString::fromUtf8(fault.explanation).left(30));
    const qsizetype slips = result.indexOf(QStringLiteral("safety slip"));
    const qsizetype search = result.indexOf(QStringLiteral("A half-split search"));
    QVERIFY2(0 < did && did < slips && slips < search, qPrintable(result));
    QVERIFY(result.contains(QStringLiteral("Your readings")));
    t.view()->setCurrentIndex(0);
    click(box); // once the answer is given, a stage only shows
    QCOMPARE(readings(t).size(), rightStage ? 5 : 2); // the result is not among the readings
    QVERIFY2(t.lblNext()->text().contains(QStringLiteral("result")), qPrintable(t.lblNext()->text()));
    QVERIFY(!t.cmdStage()->isEnabled());
    QVERIFY(!t.cmdPart()->isEnabled());
    QVERIFY(t.cboPart()->placeholderText().isEmpty()); // no "Name the stage first" left over
    // Each slip named.
    QVERIFY2(result.contains(
                 rightStage ? QStringLiteral("2 safety slips: a live chassis measured without the isolation "
                                             "transformer; a part checked before discharging")
                            : QStringLiteral("1 safety slip: a live chassis measured without the isolation "
                                             "transformer")),
             qPrintable(result));
    t.view()->setCurrentIndex(t.view()->indexOf(t.result()->parentWidget()));
    QVERIFY(t.cmdNote()->isVisible());
    QCOMPARE(t.cmdNote()->whatsThis(), areanotes::note(stage)->text);

    QVERIFY(store.wait()); // written on the history's thread once the result is shown
    const std::vector<ExerciseRecord> recorded = store.exercises();
    QCOMPARE(recorded.size(), size_t(1));
    const ExerciseRecord& record = recorded.back();
    QCOMPARE(record.faultId, QString::fromLatin1(fault.id));
    QVERIFY(!record.id.isNull());
    QCOMPARE(record.chosen, Chosen::InInstructorMode); // picked from the fault list, nobody signed in
    QCOMPARE(record.safetySlips, rightStage ? 2 : 1);
    QCOMPARE(record.readings.size(), size_t(2));
    QCOMPARE(t.exercise()->record().checks.size(), size_t(rightStage ? 1 : 0));
    QCOMPARE(record.stageNamed, named);
    QCOMPARE(record.partNamed, part);
    QCOMPARE(record.right, rightStage && rightPart);
    // The result, the history's line and its CSV name the stage as the list did.
    const QString listed = t.cboStage()->itemText(stageIndex(named));
    QCOMPARE(stageTitle(record.stageNamed), listed);
    QVERIFY2(toCsv(recorded).contains(listed), qPrintable(listed));
    if (!rightStage)
        QVERIFY2(result.contains(listed), qPrintable(result));
}

// From the tab bar, Tab walks each diagram's stages and Enter measures each: every stage of the set, and
// every box that measures a point of its own within its stage.
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
    QStringList all = stages();
    for (const QString& stage : stages())
        all << testPoints(stage);
    QCOMPARE(measured, QSet<QString>(all.begin(), all.end()));
    QCOMPARE(static_cast<int>(readings(t).size()), static_cast<int>(t.exercise()->record().readings.size()));
}

void tst_trainer::theHiddenFaultNeverLeaks()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    for (int index = 0; index < static_cast<int>(faults().size()); ++index) {
        click(t.cmdInstructor());
        t.cboFault()->setListIndex(index + 1);
        click(t.cmdNew());
        QCOMPARE(t.exercise()->record().faultId, QString::fromLatin1(faults()[size_t(index)].id));
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
    click(t.cmdNew());
    choose(t.cboStage(), 0);
    click(t.cmdStage());
    QVERIFY(!t.lblResult()->text().isEmpty() || !t.result()->toPlainText().isEmpty());
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

// Made larger, the set's screen takes a third of the window and more; each reading is a row of its own,
// the newest chosen and in sight, and choosing an earlier one shows its instrument again.
void tst_trainer::theBenchGrowsWithTheWindow()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QVERIFY(t.window()->maximumWidth() > t.window()->minimumWidth()); // the window can be resized
    t.setWidth(1280 * 15);
    t.setHeight(1024 * 15);
    QCOMPARE(t.window()->size(), QSize(1280, 1024));
    QVERIFY2(t.picScreen()->width() * 3 >= 1280, qPrintable(QString::number(t.picScreen()->width())));
    QVERIFY(t.window()->rect().contains(t.cmdReturn()->geometry()));
    QVERIFY(!t.instrument()->geometry().intersects(t.lstReadings()->geometry()));

    click(t.cmdNew());
    click(t.optIsolationIn());
    const QStringList measured = stages().mid(0, 12);
    for (const QString& stage : measured) {
        t.view()->focusStage(stage);
        QTest::keyClick(t.view()->control(stage), Qt::Key_Return);
    }
    ListBox* list = t.lstReadings();
    QCOMPARE(list->ListCount(), measured.size());
    QCOMPARE(list->ListIndex(), list->ListCount() - 1);
    const QRect newest = list->visualItemRect(list->item(list->ListCount() - 1));
    QVERIFY(list->viewport()->rect().contains(newest)); // scrolled to, whole
    const QFontMetrics metrics(list->font());
    for (int i = 0; i < list->ListCount(); ++i) { // each row tall enough for its sentence, wrapped
        const QRect row = list->visualItemRect(list->item(i));
        const int lines = metrics.horizontalAdvance(list->List(i)) / row.width() + 1;
        QVERIFY2(row.height() >= lines * metrics.lineSpacing(), qPrintable(list->List(i)));
    }

    list->setListIndex(0);
    const Instrument shown = t.instrument()->now();
    const Instrument first = t.exercise()->set().measure(measured.first())->shows;
    QCOMPARE(shown.scope.has_value(), first.scope.has_value());
    QCOMPARE(shown.meter.has_value(), first.meter.has_value());
    if (first.scope)
        QCOMPARE(shown.scope->peakToPeak, first.scope->peakToPeak);
}

// A reading at the anode, and the answer to a fault read there, carry the anode rule: its title under the
// text, the rule in full as the tooltip and the accessible description; a reading at a safe point carries
// none.
void tst_trainer::aHazardCarriesItsRule()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    const auto at = std::ranges::find_if(
        faults(), [](const Fault& f) { return f.id == std::string_view("tripler-open"); });
    QVERIFY(at != faults().end());
    newSet(t, static_cast<int>(at - faults().begin()), false);
    if (QTest::currentTestFailed())
        return;
    const auto anode = std::ranges::find_if(
        areanotes::rules(), [](const areanotes::Rule& r) { return r.id == std::string_view("anode"); });
    const QString rule = QString::fromUtf8(anode->text);
    for (const char* stage : {"hv-rectifier", "sync-separator"}) {
        t.view()->focusStage(QLatin1String(stage));
        QTest::keyClick(t.view()->control(QLatin1String(stage)), Qt::Key_Return);
        const QListWidgetItem* row = t.lstReadings()->currentItem();
        const bool atTheAnode = stage == std::string_view("hv-rectifier");
        QCOMPARE(row->text().endsWith(QStringLiteral("\nSafety: Anode charge.")), atTheAnode);
        QCOMPARE(row->toolTip().contains(rule), atTheAnode);
        QCOMPARE(row->data(Qt::AccessibleDescriptionRole).toString(), row->toolTip());
    }
    choose(t.cboStage(), stageIndex(QStringLiteral("sync-separator")));
    click(t.cmdStage());
    QVERIFY2(t.result()->toPlainText().contains(QStringLiteral("Safety: Anode charge. ") + rule),
             qPrintable(t.result()->toPlainText()));
    QVERIFY(t.result()->toolTip().contains(rule));
    QCOMPARE(t.result()->accessibleDescription(), t.result()->toolTip());
}

void tst_trainer::leavingAnExerciseAsks_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Return, stay") << "Return" << false;
    QTest::newRow("Return, leave") << "Return" << true;
    QTest::newRow("New set, stay") << "New set" << false;
    QTest::newRow("New set, nothing done") << "New set, nothing done" << false;
    QTest::newRow("Escape, stay") << "Escape" << false;
    QTest::newRow("close box, stay") << "close box" << false;
    QTest::newRow("close box, leave") << "close box" << true;
}

void tst_trainer::leavingAnExerciseAsks()
{
    QFETCH(QString, how);
    QFETCH(bool, answer);
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QVERIFY(QTest::qWaitForWindowActive(t.window()));
    click(t.cmdReturn()); // nothing under way: leaves without a question
    QCOMPARE(program.services.questions.size(), size_t(0));
    click(frmOne::get().Option10());
    QVERIFY(QTest::qWaitForWindowActive(t.window()));
    click(t.cmdNew());
    click(t.optIsolationIn());
    if (how == QLatin1String("New set, nothing done")) { // a set nothing was done to: nothing to lose
        click(t.cmdNew());
        QCOMPARE(program.services.questions.size(), size_t(0));
        return;
    }
    const QString stage = t.view()->stages().front();
    t.view()->focusStage(stage);
    click(t.view()->control(stage));
    program.services.answer = answer;
    if (how == QLatin1String("Return"))
        click(t.cmdReturn());
    else if (how == QLatin1String("New set"))
        click(t.cmdNew());
    else if (how == QLatin1String("Escape"))
        QTest::keyClick(t.window(), Qt::Key_Escape);
    else
        t.window()->close();
    fw::test::settle();
    QCOMPARE(program.services.questions.size(), size_t(1));
    QVERIFY(program.services.questions.front().text.contains(QStringLiteral("exercise under way")));
    const bool left = answer && how != QLatin1String("close box");
    QCOMPARE(program.services.ends, answer && how == QLatin1String("close box") ? 1 : 0);
    QCOMPARE(shownScreens(), left ? QStringList{"frmOne"} : QStringList{"frmTrainer"});
    if (!answer)
        QCOMPARE(static_cast<int>(readings(t).size()), 1); // the exercise goes on as it was
}

void tst_trainer::escapeInAListClosesOnlyTheList_data()
{
    QTest::addColumn<bool>("trainer");
    QTest::newRow("trainer") << true;
    QTest::newRow("picture problems") << false;
}

void tst_trainer::theStageListNamesWhatTheDiagramsShow_data()
{
    QTest::addColumn<QString>("stage");
    QTest::addColumn<QString>("name");
    QTest::newRow("a box") << "horizontal-output" << "Horizontal output amplifier";
    QTest::newRow("a box spelt as drawn") << "sync-separator" << "Sync seperator";
    QTest::newRow("a box on two lines") << "uhf-tuner" << "UHF Tuner";
    QTest::newRow("a page box") << "linear-supply" << "Linear";
    QTest::newRow("the box of the stage, not of its point")
        << "vertical-amplifier" << "2nd Vertical deflection amplifier";
    QTest::newRow("two boxes of one stage") << "chroma-amplifiers" << "1st and 2nd chroma amplifier";
    QTest::newRow("three drivers of one stage")
        << "rgb-drivers" << "Red, Green and Blue video driver";
    QTest::newRow("a picture, by its shorter name") << "picture-tube" << "Color picture tube";
    QTest::newRow("a picture") << "vertical-yoke" << "Vertical deflection yoke";
    QTest::newRow("a knob") << "vertical-hold" << "Vertical Hold knob";
    QTest::newRow("a knob captioned as a box") << "acc-control" << "ACC knob";
    QTest::newRow("a caption") << "antenna-signal" << "Antennas";
    QTest::newRow("a unit in its own case") << "color-oscillator" << "3.58 MHz oscillator";
}

// The stage list names each stage as the diagram the student clicked shows it: every name is the words of
// the control that measures the stage (or that control's name, for a picture or a knob).
void tst_trainer::theStageListNamesWhatTheDiagramsShow()
{
    QFETCH(QString, stage);
    QFETCH(QString, name);
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QCOMPARE(t.cboStage()->itemText(stageIndex(stage)), name);
    if (QString(QTest::currentDataTag()) != QLatin1String("a box"))
        return;
    // Every words the diagrams show, and every name their pictures and knobs are given.
    QSet<QString> shown;
    for (const QString& each : t.view()->stages())
        QVERIFY(t.view()->control(each)); // builds its page
    for (QWidget* w : t.view()->findChildren<QWidget*>()) {
        shown << w->accessibleName();
        if (auto* box = qobject_cast<QPlainTextEdit*>(w))
            shown << box->toPlainText().simplified();
        else if (auto* label = qobject_cast<QLabel*>(w))
            shown << label->text().simplified();
    }
    // A unit's case aside ("3.58 mhz" on the diagram, "3.58 MHz" in the list).
    const auto isShown = [&shown](const QString& part) {
        return std::ranges::any_of(shown, [&part](const QString& s) {
            return s.compare(part, Qt::CaseInsensitive) == 0 || s.startsWith(part + u' ', Qt::CaseInsensitive);
        });
    };
    // Boxes named together ("1st and 2nd chroma amplifier") are each shown in full.
    static const QRegularExpression together(QStringLiteral("^(.+) and (\\S+) (.+)$"));
    QStringList unnamed;
    for (const QString& each : t.view()->stages()) {
        const QString listed = t.cboStage()->itemText(stageIndex(each));
        QStringList parts = listed.split(QStringLiteral(" / "));
        if (const QRegularExpressionMatch m = together.match(listed); m.hasMatch() && !isShown(listed)) {
            QStringList firsts = m.captured(1).split(QStringLiteral(", "));
            firsts << m.captured(2);
            parts.clear();
            for (const QString& first : std::as_const(firsts))
                parts << first + u' ' + m.captured(3);
        }
        for (const QString& part : parts)
            if (!isShown(part))
                unnamed << QStringLiteral("%1: \"%2\"").arg(each, part);
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
    // Looked at: the list open over the bench.
    QVERIFY(QTest::qWaitForWindowActive(t.window()));
    click(t.cmdNew());
    t.cboStage()->showPopup();
    QTRY_VERIFY(t.cboStage()->view()->isVisible());
    t.window()->grab().save(QDir::temp().filePath(QStringLiteral("trainer-stage-list.png")));
    t.cboStage()->view()->window()->grab().save(QDir::temp().filePath(QStringLiteral("trainer-stage-list-open.png")));
    t.cboStage()->hidePopup();
}

// Escape closes the open list and leaves the screen, and the exercise, as they were.
void tst_trainer::escapeInAListClosesOnlyTheList()
{
    QFETCH(bool, trainer);
    ProgramScope program;
    Screen* screen = nullptr;
    ComboBox* list = nullptr;
    if (trainer) {
        frmTrainer& t = openTrainer();
        click(t.cmdNew());
        screen = &t;
        list = t.cboStage();
    } else {
        Module1::Main();
        click(frmOne::get().Option4());
        frmPicture& p = frmPicture::get();
        click(p.Option(1));
        screen = &p;
        for (QWidget* w : p.controls())
            if (auto* combo = qobject_cast<ComboBox*>(w); combo && combo->isVisible() && !list)
                list = combo;
    }
    QVERIFY(list);
    QVERIFY(QTest::qWaitForWindowActive(screen->window()));
    list->setFocus();
    list->showPopup();
    QTRY_VERIFY(list->view()->isVisible());
    QVERIFY(QApplication::activePopupWidget());
    QTest::keyClick(list->view(), Qt::Key_Escape); // where the key goes: the open list's view
    fw::test::settle();
    QTRY_VERIFY(!list->view()->isVisible());
    QCOMPARE(shownScreens(), QStringList{screen->name()});
    QCOMPARE(program.services.questions.size(), size_t(0));
    // The next Escape, the list closed, takes the screen's way back as before.
    program.services.answer = true;
    QTest::keyClick(screen->window(), Qt::Key_Escape);
    fw::test::settle();
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
}

// Tab from the tab bar meets each stage of a diagram in reading order, each framed, and nothing else.
void tst_trainer::everyStopIsFramedInReadingOrder()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QVERIFY(QTest::qWaitForWindowActive(t.window()));
    MeasuringView* view = t.view();
    for (int page = 0; page < view->count(); ++page) {
        if (!view->isTabVisible(page)) // the result's and the instructor's pages, not shown yet
            continue;
        view->setCurrentIndex(page);
        view->tabBar()->setFocus();
        QTest::keyClick(view->tabBar(), Qt::Key_Tab);
        QList<QWidget*> met;
        for (QWidget* w = t.window()->focusWidget(); view->widget(page)->isAncestorOf(w) && !met.contains(w);
             w = t.window()->focusWidget()) {
            QVERIFY2(hasFocusFrame(w), qPrintable(view->widget(page)->objectName() + QLatin1Char('.') +
                                                  w->objectName() + QStringLiteral(" shows no focus frame")));
            QVERIFY2(w->isVisible(), qPrintable(w->objectName()));
            met << w;
            QTest::keyClick(w, Qt::Key_Tab);
        }
        QVERIFY(met.size() > 5);
        QList<QWidget*> sorted = met;
        sortForReading(sorted);
        QCOMPARE(met, sorted);
    }
}

void tst_trainer::whatLooksMeasurableMeasures_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("stage");
    QTest::newRow("a knob's dot") << "frmLVPower" << "Shape2" << "vertical-hold";
    QTest::newRow("the picture tube on the video page") << "frmColor" << "Picture1" << "picture-tube";
    QTest::newRow("Screen on the video page") << "frmColor" << "Label9" << "picture-tube";
    QTest::newRow("a knob's caption") << "frmColor" << "Label7" << "tint-control";
}

void tst_trainer::whatLooksMeasurableMeasures()
{
    QFETCH(QString, page);
    QFETCH(QString, control);
    QFETCH(QString, stage);
    ProgramScope program;
    frmTrainer& t = openTrainer();
    click(t.cmdNew());
    click(t.optIsolationIn());
    MeasuringView* view = t.view();
    view->setCurrentWidget(view->page(page));
    auto* shown = view->page(page)->findChild<QWidget*>(control);
    QVERIFY(shown);
    QTest::mouseClick(shown, Qt::LeftButton, Qt::NoModifier, shown->rect().center());
    QCOMPARE(static_cast<int>(readings(t).size()), 1);
    QCOMPARE(t.exercise()->record().readings.back().stage, stage);
}

namespace {
// A set with the fault of `id` on the bench, isolated, its stage measured and named.
void stageNamed(frmTrainer& t, const char* id)
{
    const auto at = std::ranges::find_if(faults(), [id](const Fault& f) { return f.id == std::string_view(id); });
    QVERIFY(at != faults().end());
    newSet(t, static_cast<int>(at - faults().begin()), false);
    if (QTest::currentTestFailed())
        return;
    const QString stage = QLatin1String(at->stage);
    t.view()->focusStage(stage);
    QTest::keyClick(t.view()->control(stage), Qt::Key_Return);
    choose(t.cboStage(), stageIndex(stage));
    click(t.cmdStage());
    QCOMPARE(t.exercise()->step(), Exercise::Step::NamingPart);
}
} // namespace

// Discharged, the set stays unplugged: a setting waits for Plug in, which says so and takes a fresh
// discharge before the next part check.
void tst_trainer::unpluggedMeansUnplugged()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QVERIFY(!t.cmdDischarge()->isEnabled()); // no set, no part
    stageNamed(t, "vertical-linearity-misadjusted");
    if (QTest::currentTestFailed())
        return;
    QVERIFY(t.cmdDischarge()->isEnabled()); // the control's track is a part to check out of circuit
    QVERIFY(!t.cmdPlugIn()->isVisible());
    click(t.cmdDischarge());
    QVERIFY(!t.cmdDischarge()->isVisible());
    QVERIFY(t.cmdPlugIn()->isVisible());
    choose(t.cboPart(), static_cast<int>(t.exercise()->suspectParts().indexOf(QStringLiteral("setting"))));
    click(t.cmdCheck());
    QCOMPARE(lastReading(t), unpluggedRefusalText());
    click(t.cmdPlugIn());
    QVERIFY2(lastReading(t).startsWith(QStringLiteral("Plugged in again")), qPrintable(lastReading(t)));
    QVERIFY(t.cmdDischarge()->isVisible());
    choose(t.cboPart(), static_cast<int>(t.exercise()->suspectParts().indexOf(QStringLiteral("track"))));
    click(t.cmdCheck());
    QVERIFY2(lastReading(t).contains(QStringLiteral("discharge")), qPrintable(lastReading(t)));
    QCOMPARE(t.exercise()->record().safetySlips, 1); // a part checked before the fresh discharge
}

// A control's setting is judged with the set running and the picture in view: no discharge, no slip.
void tst_trainer::aControlIsCheckedRunning()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    stageNamed(t, "vertical-linearity-misadjusted");
    if (QTest::currentTestFailed())
        return;
    choose(t.cboPart(), static_cast<int>(t.exercise()->suspectParts().indexOf(QStringLiteral("setting"))));
    click(t.cmdCheck());
    QVERIFY2(lastReading(t).contains(QStringLiteral("set running, the picture in view: setting found misadjusted")),
             qPrintable(lastReading(t)));
    QVERIFY(!lastReading(t).contains(QStringLiteral("Refused")));
    QCOMPARE(t.exercise()->record().safetySlips, 0);
    click(t.cmdPart());
    QVERIFY2(t.result()->toPlainText().contains(QStringLiteral("0 safety slips")), qPrintable(t.result()->toPlainText()));
}

void tst_trainer::choosingTheFaultIsTheInstructors_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("instructor mode confirmed") << true;
    QTest::newRow("instructor mode declined") << false;
}

// The fault list is out of sight on the student's bench; instructor mode, confirmed, shows it, and the exercise
// on a fault chosen there is recorded as chosen in instructor mode.
void tst_trainer::choosingTheFaultIsTheInstructors()
{
    QFETCH(bool, confirmed);
    QTemporaryDir folder;
    Store store(folder.filePath(QStringLiteral("trainer.sqlite")));
    HistoryScope kept(store);
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QVERIFY(!t.cboFault()->isVisible());
    program.services.answer = confirmed;
    click(t.cmdInstructor());
    QCOMPARE(program.services.questions.size(), size_t(1));
    QVERIFY(program.services.questions.front().text.contains(QStringLiteral("instructor mode")));
    QCOMPARE(t.cboFault()->isVisible(), confirmed);
    if (!confirmed)
        return;
    choose(t.cboFault(), 2);
    click(t.cmdNew());
    QVERIFY(!t.cboFault()->isVisible()); // the student does not read the choice off the bench
    QCOMPARE(t.exercise()->record().faultId, QString::fromLatin1(faults()[1].id));
    choose(t.cboStage(), 0);
    click(t.cmdStage());
    if (t.exercise()->step() != Exercise::Step::Finished)
        click(t.cmdPart());
    QVERIFY(store.wait());
    QCOMPARE(store.exercises().back().chosen, Chosen::InInstructorMode);
    QVERIFY(toCsv(store.exercises()).contains(QStringLiteral("\"instructor mode\"")));
}

// A word said for one step is gone at the next: "Choose the faulty stage first." once a reading is taken,
// "Name the stage first" once the answer is given.
void tst_trainer::noWordOutlivesItsStep()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    click(t.cmdNew());
    click(t.optIsolationIn());
    click(t.cmdStage());
    QCOMPARE(t.lblResult()->text(), QStringLiteral("Choose the faulty stage first."));
    const QString stage = t.view()->stages().front();
    t.view()->focusStage(stage);
    QTest::keyClick(t.view()->control(stage), Qt::Key_Return);
    QVERIFY2(t.lblResult()->text().isEmpty(), qPrintable(t.lblResult()->text()));
    QCOMPARE(t.cboPart()->placeholderText(), QStringLiteral("Name the stage first"));
    const QString wrong = stages().at(stageIndex(QLatin1String(t.exercise()->fault().stage)) == 0 ? 1 : 0);
    if (namesFaultyStage(wrong, t.exercise()->fault()))
        return;
    choose(t.cboStage(), stageIndex(wrong));
    click(t.cmdStage());
    QCOMPARE(t.exercise()->step(), Exercise::Step::Finished);
    QVERIFY2(t.cboPart()->placeholderText().isEmpty(), qPrintable(t.cboPart()->placeholderText()));
}

// On a 1024 x 768 display the trainer opens at its design size: the set's screen, a scope with the working
// set's beside it and three readings are all in sight and of a size to read.
void tst_trainer::readableAt1024By768()
{
    ProgramScope program;
    program.services.display = QSizeF(1024 * 15, 768 * 15);
    frmTrainer& t = openTrainer();
    QVERIFY(t.window()->width() <= 1024 && t.window()->height() <= 768);
    click(t.cmdNew());
    click(t.optIsolationIn());
    QStringList scoped;
    for (const QString& stage : t.view()->stages()) {
        const std::optional<Reading> r = t.exercise()->set().measure(stage);
        if (r && r->shows.scope && r->working.scope)
            scoped << stage;
    }
    QVERIFY(scoped.size() >= 3);
    for (const QString& stage : scoped.mid(0, 3)) {
        t.view()->focusStage(stage);
        QTest::keyClick(t.view()->control(stage), Qt::Key_Return);
    }
    t.window()->grab().save(QDir::temp().filePath(QStringLiteral("trainer-1024x768.png")));
    // The newest reading whole in sight, and the one before it begun above it.
    ListBox* list = t.lstReadings();
    QVERIFY(list->viewport()->rect().contains(list->visualItemRect(list->item(2))));
    QVERIFY(list->viewport()->rect().intersects(list->visualItemRect(list->item(1))));
    QVERIFY(t.picScreen()->width() >= 180 && t.picScreen()->height() >= 135);
    // The scope and its reference beside it, each screen large enough to read a trace.
    InstrumentView* instrument = t.instrument();
    QVERIFY(instrument->width() >= 320);
    const QRectF main(0, 0, std::floor(instrument->width() * 0.62), instrument->height());
    const QRectF scope = scopeScreen(main, instrument->font());
    QVERIFY2(scope.width() >= 100 && scope.height() >= 80, qPrintable(QStringLiteral("%1x%2").arg(scope.width()).arg(scope.height())));
    const QRectF side(main.right() + 6, 0, instrument->width() - main.width() - 6, instrument->height());
    QVERIFY(scopeScreen(side, instrument->font()).width() >= 70);
    for (QWidget* w : {static_cast<QWidget*>(t.view()), static_cast<QWidget*>(list), static_cast<QWidget*>(instrument),
                       static_cast<QWidget*>(t.cmdPart()), static_cast<QWidget*>(t.cmdReturn())})
        QVERIFY2(t.window()->rect().contains(w->geometry()), qPrintable(w->objectName()));
}

// Tab follows the work: from the diagram's stages to the readings, then naming the stage, then the checks.
void tst_trainer::tabFollowsTheWork()
{
    ProgramScope program;
    frmTrainer& t = openTrainer();
    QVERIFY(QTest::qWaitForWindowActive(t.window()));
    click(t.cmdNew());
    QTest::keyClick(t.window(), Qt::Key_H, Qt::AltModifier); // the stage list, while a stage can be named
    QCOMPARE(t.window()->focusWidget(), static_cast<QWidget*>(t.cboStage()));
    stageNamed(t, faults().front().id);
    if (QTest::currentTestFailed())
        return;
    const QList<QWidget*> work{t.lstReadings(), t.cboPart(), t.cmdCheck(), t.cmdPart()};
    QList<QWidget*> met;
    t.view()->setCurrentIndex(0);
    t.view()->tabBar()->setFocus();
    for (int i = 0; i < 200 && met.size() < work.size(); ++i) {
        QTest::keyClick(t.window()->focusWidget(), Qt::Key_Tab);
        QWidget* now = t.window()->focusWidget();
        if (work.contains(now) && !met.contains(now))
            met << now;
        if (now == t.cmdReturn() || now == t.cmdNew())
            break; // the bench's buttons come after the work
    }
    QCOMPARE(met, work);
    QTest::keyClick(t.window(), Qt::Key_M, Qt::AltModifier);
    QCOMPARE(t.window()->focusWidget(), static_cast<QWidget*>(t.cboPart()));
    QTest::keyClick(t.window(), Qt::Key_E, Qt::AltModifier);
    QCOMPARE(t.window()->focusWidget(), static_cast<QWidget*>(t.lstReadings()));
    QVERIFY(hasFocusFrame(t.lstReadings()));
}

FW_TEST_MAIN(tst_trainer)
#include "tst_trainer.moc"
