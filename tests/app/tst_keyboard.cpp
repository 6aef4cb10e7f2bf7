// The program worked from the keyboard alone: Tab to a control, Space or Enter to press it, arrows to move
// through an option group or a list, and the usual desktop keys (Ctrl+P to print, Ctrl+A and Ctrl+C to copy).

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmCodes.h"
#include "calculators/frmFormulas.h"
#include "calculators/frmFreq.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmConverg.h"
#include "diagrams/frmLVPower.h"
#include "diagrams/frmPSLin.h"
#include "diagrams/frmVHF.h"
#include "support/program.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

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
} // namespace

class tst_keyboard : public QObject
{
    Q_OBJECT
private slots:
    void tvDeadRoad_data();
    void tvDeadRoad();
    void pictureProblemRoad();
    void channelConverter();
    void colorCodeReader();
    void electronicFormulas();
    void ctrlPPrintsTheConvergenceScreen();
    void outputTextIsSelectedAndCopied();
};

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
    // Into the symptom group by Tab, then down it by arrow: each arrow chooses, as a click does.
    tabTo(frmOne::get().Option1()); // "TV Dead", at the top
    key(Qt::Key_Down);
    waitForScreen("frmSound"); // "Poor or no sound", just below
    press(frmSound::get().cmdReturn(), Qt::Key_Return, "frmOne");
    tabTo(frmOne::get().Option4()); // "Picture problems"
    key(Qt::Key_Space);
    waitForScreen("frmPicture");
    frmPicture& picture = frmPicture::get();
    tabTo(picture.Option(3));
    key(Qt::Key_Space);
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
    Module1::Main();
    waitForScreen("frmOne");
    press(frmOne::get().Option7(), Qt::Key_Space, "frmCodes");
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
    Module1::Main();
    waitForScreen("frmOne");
    press(frmOne::get().Option8(), Qt::Key_Space, "frmFormulas");
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
    Module1::Main();
    waitForScreen("frmOne");
    press(frmOne::get().Option7(), Qt::Key_Space, "frmCodes");
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
