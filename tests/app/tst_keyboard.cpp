// The program worked from the keyboard alone: Tab to a control, Space or Enter to press it, arrows to move
// through an option group or a list, and the usual desktop keys (Ctrl+P to print, Ctrl+A and Ctrl+C to copy).

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmCodes.h"
#include "calculators/frmFormulas.h"
#include "calculators/frmFreq.h"
#include "calculators/frmMarkings.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmConverg.h"
#include "diagrams/frmLVPower.h"
#include "diagrams/frmPSLin.h"
#include "diagrams/frmVHF.h"
#include "support/program.h"
#include "trainer/screens/frmTrainer.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <functional>

// What a row does before its keys are counted: the road a user took to the screen and the choices made on it.
using Setup = std::function<void()>;
Q_DECLARE_METATYPE(Setup)

using namespace fw;
using fw::test::ProgramScope;
using fw::test::settle;
using fw::test::shownScreens;

namespace {
QWidget* focused()
{
    return QApplication::focusWidget();
}

// Presses a key on whatever has the focus, as a keyboard user does, and lets the program answer.
void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = focused();
    QVERIFY2(target, "nothing has the keyboard focus");
    QTest::keyClick(target, k, modifiers);
    settle();
}

// Types characters into whatever has the focus.
void typeText(const char* text)
{
    QVERIFY2(focused(), "nothing has the keyboard focus");
    QTest::keyClicks(focused(), QString::fromLatin1(text));
}

// Presses Tab until the control has the focus; fails when Tab never reaches it.
void tabTo(QWidget* control)
{
    for (int i = 0; i < 80 && focused() != control; ++i) {
        key(Qt::Key_Tab);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY2(focused() == control,
             qPrintable(control->objectName() + QStringLiteral(" is never reached by Tab; the focus is on ") +
                        (focused() ? focused()->objectName() : QStringLiteral("nothing"))));
}

// Enter on a command button animates a press: the click comes a moment later.
void waitForScreen(const QString& name)
{
    QTRY_COMPARE(shownScreens(), QStringList{name});
    settle();
    // The screen the user sees takes the keyboard at once.
    QWidget* window = Registry::instance().activeScreen()->window();
    QTRY_VERIFY2(focused() && focused()->window() == window,
                 qPrintable(name + QStringLiteral(" has no keyboard focus")));
}

void press(QWidget* control, Qt::Key k, const QString& next)
{
    tabTo(control);
    if (QTest::currentTestFailed())
        return;
    key(k);
    waitForScreen(next);
}

bool sameGroup(const QWidget* a, const QWidget* b)
{
    return qobject_cast<const OptionButton*>(a) && qobject_cast<const OptionButton*>(b) &&
           a->parentWidget() == b->parentWidget();
}

// Chooses an option as a keyboard user does: Tab into its group, the arrows down to it, then Space. While the
// group has no choice the arrows only move the focus.
void pick(OptionButton* option)
{
    for (int i = 0; i < 80 && !sameGroup(focused(), option); ++i) {
        key(Qt::Key_Tab);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY2(sameGroup(focused(), option),
             qPrintable(option->objectName() + QStringLiteral("'s group is never reached")));
    for (int i = 0; i < 20 && focused() != option; ++i) {
        key(Qt::Key_Down);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY2(focused() == option,
             qPrintable(option->objectName() + QStringLiteral(" is never reached by arrow")));
    key(Qt::Key_Space);
}

// The screens with option groups, reached from the main menu by keyboard.
void toMenu()
{
    Module1::Main();
    waitForScreen("frmOne");
}

// A screen opened from the main menu by keyboard: its option picked, then the screen awaited.
void fromMenu(OptionButton* (frmOne::*option)(), const char* screen)
{
    toMenu();
    pick((frmOne::get().*option)());
    waitForScreen(screen);
}

void toColorProblems()
{
    fromMenu(&frmOne::Option5, "frmProblems");
}

void toFormulas()
{
    fromMenu(&frmOne::Option8, "frmFormulas");
}

// The option buttons that Tab (or Shift+Tab) stops on in one round of the active screen, from a control
// back to it.
QStringList optionStops(const QString& from, Qt::Key k)
{
    QWidget* start = Registry::instance().activeScreen()->control(from);
    start->setFocus(Qt::OtherFocusReason);
    QStringList stops;
    for (int i = 0; i < 100; ++i) {
        key(k);
        if (QTest::currentTestFailed() || focused() == start)
            return stops;
        if (qobject_cast<OptionButton*>(focused()))
            stops << focused()->objectName();
    }
    return stops << QStringLiteral("(never back on ") + from + QLatin1Char(')');
}

// The chosen option of the group that holds the focus, or "" for none.
QString chosenInFocusedGroup()
{
    const QWidget* here = focused();
    if (!qobject_cast<const OptionButton*>(here))
        return QStringLiteral("(the focus is not in a group)");
    for (OptionButton* option : here->parentWidget()->findChildren<OptionButton*>(Qt::FindDirectChildrenOnly))
        if (option->Value())
            return option->objectName();
    return {};
}
} // namespace

class tst_keyboard : public QObject
{
    Q_OBJECT
private slots:
    void tabEntersEachGroupOnce_data();
    void tabEntersEachGroupOnce();
    void tabLeavesTheGroupFromAnyOption_data();
    void tabLeavesTheGroupFromAnyOption();
    void arrowsInAGroup_data();
    void arrowsInAGroup();
    void tvDeadRoad_data();
    void tvDeadRoad();
    void pictureProblemRoad();
    void channelConverter();
    void colorCodeReader();
    void electronicFormulas();
    void componentMarkings();
    void ctrlPPrintsTheConvergenceScreen();
    void outputTextIsSelectedAndCopied();
};

void tst_keyboard::tabEntersEachGroupOnce_data()
{
    QTest::addColumn<Setup>("setUp");
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("stops");
    const int tab = Qt::Key_Tab;
    const int backtab = Qt::Key_Backtab;
    // Nothing chosen: the first option in reading order, whatever the design order.
    QTest::newRow("menu") << Setup(toMenu) << "cmdQuit" << tab << QStringList{"Option6", "Option1"};
    QTest::newRow("menu, Shift+Tab") << Setup(toMenu) << "cmdQuit" << backtab
                                     << QStringList{"Option1", "Option6"};
    // The menu clears its symptom when it comes back; the stop goes back to the top with it.
    QTest::newRow("menu after a symptom and Return") << Setup([] {
        fromMenu(&frmOne::Option4, "frmPicture");
        press(frmPicture::get().cmdReturn(), Qt::Key_Return, "frmOne");
    }) << "cmdQuit" << tab << QStringList{"Option6", "Option1"};
    QTest::newRow("sound: side by side")
        << Setup([] { fromMenu(&frmOne::Option2, "frmSound"); }) << "cmdReturn" << tab << QStringList{"opt1"};
    QTest::newRow("sound: the right-hand one clicked") << Setup([] {
        fromMenu(&frmOne::Option2, "frmSound");
        fw::test::click(frmSound::get().Opt2());
    }) << "cmdReturn" << tab << QStringList{"Opt2"};
    QTest::newRow("raster: its hidden flag is no stop")
        << Setup([] { fromMenu(&frmOne::Option3, "frmRaster"); }) << "cmdReturn" << tab
        << QStringList{"Option1"};
    QTest::newRow("raster: a symptom clicked") << Setup([] {
        fromMenu(&frmOne::Option3, "frmRaster");
        fw::test::click(frmRaster::get().Option3());
    }) << "cmdReturn" << backtab << QStringList{"Option3"};
    // The nested group is a group of its own, and a stop only while it can be seen.
    QTest::newRow("color problems") << Setup(toColorProblems) << "cmdReturn" << tab << QStringList{"Option1"};
    const Setup whichColorOpen = [] {
        toColorProblems();
        pick(frmProblems::get().Option(6));
    };
    QTest::newRow("color problems, which color open")
        << whichColorOpen << "cmdReturn" << tab << QStringList{"Option6", "Option7"};
    QTest::newRow("color problems, which color open, Shift+Tab")
        << whichColorOpen << "cmdReturn" << backtab << QStringList{"Option7", "Option6"};
    QTest::newRow("color problems, a color clicked") << Setup([] {
        toColorProblems();
        pick(frmProblems::get().Option(6));
        fw::test::click(frmProblems::get().Option(10));
    }) << "cmdReturn" << tab << QStringList{"Option6", "Option10"};
    QTest::newRow("color problems, a color chosen and moved by arrow") << Setup([] {
        toColorProblems();
        pick(frmProblems::get().Option(6));
        pick(frmProblems::get().Option(9));
        key(Qt::Key_Down);
    }) << "cmdReturn" << tab << QStringList{"Option6", "Option10"};
    // Another symptom clears the color in code and closes the group; opening it again starts at the top.
    QTest::newRow("color problems, a color cleared and the group opened again") << Setup([] {
        toColorProblems();
        pick(frmProblems::get().Option(6));
        pick(frmProblems::get().Option(11));
        pick(frmProblems::get().Option(2));
        QTRY_VERIFY(!Visible(frmProblems::get().Frame2()));
        fw::test::click(frmProblems::get().Option(6));
    }) << "cmdReturn" << tab << QStringList{"Option6", "Option7"};
    QTest::newRow("color problems, another symptom") << Setup([] {
        toColorProblems();
        pick(frmProblems::get().Option(6));
        pick(frmProblems::get().Option(11));
        pick(frmProblems::get().Option(2));
    }) << "cmdReturn" << backtab << QStringList{"Option2"};
    // The calculators: one group starts chosen, the other does not.
    QTest::newRow("formulas") << Setup(toFormulas) << "Command4" << tab << QStringList{"Option3", "Option1"};
    QTest::newRow("formulas, Shift+Tab")
        << Setup(toFormulas) << "Command4" << backtab << QStringList{"Option1", "Option3"};
    QTest::newRow("formulas, modes set in code") << Setup([] {
        toFormulas();
        frmFormulas::get().Option2()->setValue(true);
        frmFormulas::get().Option4()->setValue(true);
    }) << "Command4" << tab << QStringList{"Option4", "Option2"};
    QTest::newRow("formulas, a mode set and cleared in code") << Setup([] {
        toFormulas();
        frmFormulas::get().Option2()->setValue(true);
        frmFormulas::get().Option2()->setValue(false);
    }) << "Command4" << tab << QStringList{"Option3", "Option1"};
    QTest::newRow("color codes") << Setup([] { fromMenu(&frmOne::Option7, "frmCodes"); }) << "cmdReturn"
                                 << tab << QStringList{"Option1"};
    QTest::newRow("color codes, Capacitor clicked") << Setup([] {
        fromMenu(&frmOne::Option7, "frmCodes");
        fw::test::click(frmCodes::get().Option2());
    }) << "cmdReturn" << backtab << QStringList{"Option2"};
    QTest::newRow("component markings") << Setup([] { fromMenu(&frmOne::Option9, "frmMarkings"); })
                                        << "cmdReturn" << tab << QStringList{"Option2"};
    QTest::newRow("fault-finding trainer") << Setup([] { fromMenu(&frmOne::Option10, "frmTrainer"); })
                                           << "cmdReturn" << tab << QStringList{"optIsolationOut"};
}

// Tab and Shift+Tab stop once on each group that can be seen: on its chosen option, or on its first in
// reading order when none is chosen.
void tst_keyboard::tabEntersEachGroupOnce()
{
    QFETCH(Setup, setUp);
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QStringList, stops);
    ProgramScope program;
    setUp();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(optionStops(from, Qt::Key(key)), stops);
}

void tst_keyboard::tabLeavesTheGroupFromAnyOption_data()
{
    QTest::addColumn<Setup>("setUp");
    QTest::addColumn<QString>("inside");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("next");
    // Arrowed down the symptoms with nothing chosen: the stop is still TV Dead, above.
    const Setup menuArrowed = [] {
        toMenu();
        tabTo(frmOne::get().Option1());
        key(Qt::Key_Down);
        key(Qt::Key_Down);
    };
    QTest::newRow("menu, Tab") << menuArrowed << "Option3" << int(Qt::Key_Tab) << "cmdQuit";
    QTest::newRow("menu, Shift+Tab") << menuArrowed << "Option3" << int(Qt::Key_Backtab) << "Option6";
    const Setup colorArrowed = [] {
        toColorProblems();
        pick(frmProblems::get().Option(6));
        tabTo(frmProblems::get().Option(7));
        key(Qt::Key_Down);
    };
    QTest::newRow("which color, Tab") << colorArrowed << "Option8" << int(Qt::Key_Tab) << "Text3";
    QTest::newRow("which color, Shift+Tab") << colorArrowed << "Option8" << int(Qt::Key_Backtab) << "Option6";
    // The choice cleared in code while an option has the focus.
    QTest::newRow("formulas, cleared under the focus") << Setup([] {
        toFormulas();
        tabTo(frmFormulas::get().Option1());
        key(Qt::Key_Right);
        frmFormulas::get().Option2()->setValue(false);
    }) << "Option2" << int(Qt::Key_Backtab) << "Command2";
}

void tst_keyboard::tabLeavesTheGroupFromAnyOption()
{
    QFETCH(Setup, setUp);
    QFETCH(QString, inside);
    QFETCH(int, key);
    QFETCH(QString, next);
    ProgramScope program;
    setUp();
    if (QTest::currentTestFailed())
        return;
    QVERIFY(focused());
    QCOMPARE(focused()->objectName(), inside);
    ::key(Qt::Key(key));
    QVERIFY(focused());
    QCOMPARE(focused()->objectName(), next);
}

void tst_keyboard::arrowsInAGroup_data()
{
    QTest::addColumn<Setup>("setUp");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("chosen");
    const Setup symptoms = [] {
        toMenu();
        tabTo(frmOne::get().Option1());
    };
    const QList<int> none;
    // With nothing chosen the arrows look along the group; choosing a symptom would leave the menu.
    QTest::newRow("menu, Down") << symptoms << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}
                                << "Option4"
                                << "";
    QTest::newRow("menu, Up wraps round") << symptoms << QList<int>{Qt::Key_Up} << "Option5"
                                          << "";
    QTest::newRow("menu, Right and Left")
        << symptoms << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Left} << "Option2"
        << "";
    const Setup reactance = [] {
        toFormulas();
        tabTo(frmFormulas::get().Option1());
    };
    // From a chosen option they carry the choice.
    QTest::newRow("reactance, Right") << reactance << QList<int>{Qt::Key_Right} << "Option2"
                                      << "Option2";
    QTest::newRow("reactance, Down and Up") << reactance << QList<int>{Qt::Key_Down, Qt::Key_Up} << "Option1"
                                            << "Option1";
    QTest::newRow("reactance, Space keeps it") << reactance << QList<int>{Qt::Key_Space} << "Option1"
                                               << "Option1";
    const Setup series = [] {
        toFormulas();
        tabTo(frmFormulas::get().Option3());
    };
    QTest::newRow("series, Right") << series << QList<int>{Qt::Key_Right} << "Option4"
                                   << "";
    QTest::newRow("series, Right and Space")
        << series << QList<int>{Qt::Key_Right, Qt::Key_Space} << "Option4"
        << "Option4";
    QTest::newRow("series, Space then Right")
        << series << QList<int>{Qt::Key_Space, Qt::Key_Right} << "Option4"
        << "Option4";
    // The nested group wraps round within itself.
    QTest::newRow("which color, Up") << Setup([] {
        toColorProblems();
        pick(frmProblems::get().Option(6));
        tabTo(frmProblems::get().Option(7));
    }) << QList<int>{Qt::Key_Up} << "Option12"
                                     << "";
    QTest::newRow("color problems, Down from the chosen symptom") << Setup([] {
        toColorProblems();
        pick(frmProblems::get().Option(3));
    }) << QList<int>{Qt::Key_Down} << "Option4"
                                                                  << "Option4";
}

void tst_keyboard::arrowsInAGroup()
{
    QFETCH(Setup, setUp);
    QFETCH(QList<int>, keys);
    QFETCH(QString, focus);
    QFETCH(QString, chosen);
    ProgramScope program;
    setUp();
    if (QTest::currentTestFailed())
        return;
    const QStringList screens = shownScreens();
    for (int k : keys)
        key(Qt::Key(k));
    QVERIFY(focused());
    QCOMPARE(focused()->objectName(), focus);
    QCOMPARE(chosenInFocusedGroup(), chosen);
    QCOMPARE(shownScreens(), screens);
}

void tst_keyboard::tvDeadRoad_data()
{
    QTest::addColumn<int>("pressKey");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void tst_keyboard::tvDeadRoad()
{
    QFETCH(int, pressKey);
    const auto k = Qt::Key(pressKey);
    ProgramScope program;
    Module1::Main();
    waitForScreen("frmOne");
    press(frmOne::get().Option1(), Qt::Key_Space, "frmDead"); // an option is chosen by Space
    frmDead& dead = frmDead::get();
    tabTo(dead.Command1()); // "Initial checks complete"
    key(k);
    QTRY_VERIFY(Visible(dead.cmdContinue()));
    press(dead.cmdContinue(), k, "frmLVPower");
    frmLVPower& diagram = frmLVPower::get();
    press(diagram.Label12(), k, "frmPSLin"); // "Linear", a clickable box
    press(frmPSLin::get().control("cmdReturn"), k, "frmLVPower");
    press(diagram.cmdReturn(), k, "frmDead");
    press(dead.cmdReturn(), k, "frmOne");
    QVERIFY(program.services.messages.empty());
}

void tst_keyboard::pictureProblemRoad()
{
    ProgramScope program;
    Module1::Main();
    waitForScreen("frmOne");
    // Into the symptom group by Tab, down it by arrow, and Space chooses.
    tabTo(frmOne::get().Option1()); // "TV Dead", at the top
    key(Qt::Key_Down);
    QCOMPARE(focused(), frmOne::get().Option2()); // "Poor or no sound", just below
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    key(Qt::Key_Space);
    waitForScreen("frmSound");
    press(frmSound::get().cmdReturn(), Qt::Key_Return, "frmOne");
    pick(frmOne::get().Option4()); // "Picture problems"
    waitForScreen("frmPicture");
    frmPicture& picture = frmPicture::get();
    pick(picture.Option(3));
    QVERIFY(picture.Option(3)->Value());
    // Its list of problem areas, chosen by arrow: the first item, then the third.
    ComboBox* areas = nullptr;
    for (QWidget* w : picture.controls())
        if (auto* combo = qobject_cast<ComboBox*>(w); combo && combo->isVisible())
            areas = combo;
    QVERIFY(areas);
    tabTo(areas);
    key(Qt::Key_Down);
    QCOMPARE(areas->ListIndex(), 0);
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    QCOMPARE(areas->ListIndex(), 2);
    press(picture.cmdContinue(), Qt::Key_Return, "frmLVPower"); // horizontal oscillator
    QVERIFY(fw::test::paints(frmLVPower::get().control("Text10"), colors::red, 0.2));
    key(Qt::Key_Escape);
    waitForScreen("frmPicture");
}

void tst_keyboard::channelConverter()
{
    ProgramScope program;
    Module1::Main();
    frmVHF::get().Show();
    QTRY_VERIFY(focused() && focused()->window() == frmVHF::get().window());
    tabTo(frmVHF::get().cmdConvert());
    key(Qt::Key_Return);
    frmFreq& f = frmFreq::get();
    QTRY_VERIFY(f.isShown() && !frmVHF::get().isShown());
    QTRY_COMPARE(focused(), f.Text8()); // ready for the channel number
    typeText("2");
    key(Qt::Key_Return);
    QCOMPARE(f.Text1()->Text().isEmpty(), false);
    const QString video = f.Text1()->Text();
    tabTo(f.cmdClear());
    key(Qt::Key_Space);
    QVERIFY(f.Text1()->Text().isEmpty());
    QVERIFY(f.Text8()->Text().isEmpty());
    tabTo(f.Text8());
    typeText("2");
    key(Qt::Key_Return);
    QCOMPARE(f.Text1()->Text(), video);
    tabTo(f.cmdQuit()); // "Return - VHF"
    key(Qt::Key_Return);
    QTRY_VERIFY(frmVHF::get().isShown() && !f.isLoaded());
}

void tst_keyboard::colorCodeReader()
{
    ProgramScope program;
    fromMenu(&frmOne::Option7, "frmCodes");
    frmCodes& codes = frmCodes::get();
    for (auto color :
         {colorcode::Color::Red, colorcode::Color::Red, colorcode::Color::Orange, colorcode::Color::Gold}) {
        tabTo(codes.swatch(color));
        key(Qt::Key_Space);
    }
    tabTo(codes.cmdDone());
    key(Qt::Key_Return);
    QTRY_COMPARE(codes.Text13()->Text(), QStringLiteral("22 K"));
    QCOMPARE(codes.Text14()->Text(), QStringLiteral("5 %"));
    press(codes.cmdReturn(), Qt::Key_Return, "frmOne");
}

void tst_keyboard::electronicFormulas()
{
    ProgramScope program;
    fromMenu(&frmOne::Option8, "frmFormulas");
    frmFormulas& formulas = frmFormulas::get();
    tabTo(formulas.Text1());
    typeText("12");
    key(Qt::Key_Return);
    tabTo(formulas.Text2());
    typeText("2");
    key(Qt::Key_Return);
    QCOMPARE(formulas.Text3()->Text(), QStringLiteral("6"));
    // The inductive mode by arrow from the capacitive one.
    tabTo(formulas.Option1());
    key(Qt::Key_Down);
    QVERIFY(formulas.Option2()->Value());
    QCOMPARE(formulas.Label18()->Caption().contains(QLatin1String("Inductance")), true);
    tabTo(formulas.Command1()); // Ohm's law Clear
    key(Qt::Key_Space);
    QVERIFY(formulas.Text3()->Text().isEmpty());
}

// The markings screen from the keyboard alone: the band count by arrow, the colours by Tab and Space, a value
// typed, and Return.
void tst_keyboard::componentMarkings()
{
    ProgramScope program;
    fromMenu(&frmOne::Option9, "frmMarkings");
    frmMarkings& m = frmMarkings::get();
    pick(m.Option3());
    QVERIFY(m.Option3()->Value());
    for (auto color : {markings::Color::Yellow, markings::Color::Violet, markings::Color::Black,
                       markings::Color::Brown, markings::Color::Brown}) {
        tabTo(m.swatch(color));
        key(Qt::Key_Space);
    }
    QCOMPARE(m.lblValue()->text(), QStringLiteral("4.7 kΩ ±1 %"));
    tabTo(m.band(2)); // the third band chosen again
    key(Qt::Key_Space);
    tabTo(m.swatch(markings::Color::Red));
    key(Qt::Key_Space);
    QCOMPARE(m.lblValue()->text(), QStringLiteral("4.72 kΩ ±1 %"));
    tabTo(m.txtValue());
    typeText("2M2");
    QCOMPARE(m.lblValue()->text(), QStringLiteral("2.2 MΩ ±1 %"));
    press(m.cmdReturn(), Qt::Key_Return, "frmOne");
}

void tst_keyboard::ctrlPPrintsTheConvergenceScreen()
{
    ProgramScope program;
    Module1::Main();
    frmProblems::get().Show();
    frmConverg& converg = frmConverg::get();
    converg.Show();
    QTRY_VERIFY(focused() && focused()->window() == converg.window());
    key(Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(program.services.printed.size(), size_t(1));
    QCOMPARE(program.services.printed[0], converg.window()->grab().toImage());
    program.services.printFailure = QStringLiteral("No printer is set up.");
    key(Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(program.services.printed.size(), size_t(1));
    QCOMPARE(program.services.messages.size(), size_t(1));
    QCOMPARE(program.services.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(Registry::instance().activeScreen(), &converg);
    // Another screen has no such key.
    converg.Unload();
    settle();
    QTRY_COMPARE(Registry::instance().activeScreen(), &frmProblems::get());
    QTRY_VERIFY(focused() && focused()->window() == frmProblems::get().window());
    key(Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(program.services.messages.size(), size_t(1));
}

void tst_keyboard::outputTextIsSelectedAndCopied()
{
    ProgramScope program;
    fromMenu(&frmOne::Option7, "frmCodes");
    frmCodes& codes = frmCodes::get();
    for (auto color : {colorcode::Color::Yellow, colorcode::Color::Violet, colorcode::Color::Gold}) {
        tabTo(codes.swatch(color));
        key(Qt::Key_Space);
    }
    tabTo(codes.cmdDone());
    key(Qt::Key_Space);
    QCOMPARE(codes.Text13()->Text(), QStringLiteral("4.7 ohms"));
    QApplication::clipboard()->clear();
    tabTo(codes.Text13());
    key(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(codes.Text13()->selectedText(), QStringLiteral("4.7 ohms"));
    key(Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4.7 ohms"));
    QCOMPARE(codes.Text13()->Text(), QStringLiteral("4.7 ohms")); // read-only: nothing was typed over
    key(Qt::Key_X);
    QCOMPARE(codes.Text13()->Text(), QStringLiteral("4.7 ohms"));
}

FW_TEST_MAIN(tst_keyboard)
#include "tst_keyboard.moc"
