// The forms runtime: how screens load, show, hide and unload, and how controls behave.

#include "runtime/screen.h"
#include "support/program.h"

#include <QApplication>
#include <QTest>

using namespace fw;
using fw::test::click;
using fw::test::ProgramScope;

namespace {

class frmFirst : public Form<frmFirst>
{
public:
    frmFirst() : Form(QStringLiteral("frmFirst"), QStringLiteral("First"), QSize(6000, 4500)) {}
    int loads = 0;
    int activations = 0;
    int ownVariable = 0; // survives Unload
    int clicks = 0;
    QString seenAfterReload;

    FW_CONTROL(TextBox, Text1)
    FW_CONTROL(CommandButton, cmdSelf)
    FW_CONTROL(OptionButton, OptA)
    FW_CONTROL(OptionButton, OptB)
    FW_CONTROL(OptionButton, OptC)
    FW_CONTROL(OptionButton, OptLoose)
    FW_CONTROL(Frame, Frame1)
    FW_CONTROL(Label, Label1)
    FW_CONTROL(Line, Line1)

protected:
    Design design() const override
    {
        return {
            textBox("Text1", "design text", 150, 150, 1500, 300),
            command("cmdSelf", "Reload", 150, 600, 1500, 450),
            frame("Frame1", "Group & more", 150, 1200, 3000, 1500).fore(colors::darkRed),
            option("OptA", "A", 150, 300, 1200, 300).in("Frame1"),
            option("OptB", "B", 150, 700, 1200, 300).in("Frame1"),
            option("OptC", "C", 3300, 1200, 1200, 300),
            option("OptLoose", "Loose", 3300, 1600, 1200, 300),
            label("Label1", "hidden", 3300, 2000, 1200, 300).hidden(),
            line("Line1", 0, 3000, 3000, 3000),
        };
    }
    void wire() override
    {
        connect(cmdSelf(), &CommandButton::Click, this, [this] {
            // A handler that unloads its own screen and names it again at once.
            Text1()->setText(QStringLiteral("changed"));
            Unload();
            seenAfterReload = Text1()->Text();
            Show();
        });
        connect(OptA(), &OptionButton::Click, this, [this] { ++clicks; });
    }
    void Form_Load() override { ++loads; }
    void Form_Activate() override { ++activations; }
};

class frmSecond : public Form<frmSecond>
{
public:
    frmSecond() : Form(QStringLiteral("frmSecond"), QStringLiteral("Second"), QSize(3000, 3000)) {}
    int activations = 0;

protected:
    Design design() const override { return {command("cmdOk", "OK", 150, 150, 1200, 450)}; }
    void Form_Activate() override { ++activations; }
};

} // namespace

class tst_forms : public QObject
{
    Q_OBJECT
private slots:
    void referenceLoadsHiddenAndRunsFormLoadOnce();
    void unloadForgetsControlsButKeepsVariables();
    void handlerUnloadingItsOwnScreenGetsFreshControls();
    void formActivateRunsOnEveryReturn();
    void optionGroupsFollowTheirContainer();
    void optionValueCanBeClearedInCode();
    void clickSelectsAndRunsTheHandlerOnce();
    void arrowKeysMoveTheChoiceWithinTheGroup();
    void designTableBecomesWidgetsInTwips();
    void closeBoxEndsTheProgram();
    void frameCaptionIsLiteralAndItsOwnColour();
};

void tst_forms::referenceLoadsHiddenAndRunsFormLoadOnce()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    QVERIFY(!first.isLoaded());
    QCOMPARE(first.Text1()->Text(), QStringLiteral("design text"));
    QVERIFY(first.isLoaded());
    QVERIFY(!first.isShown());
    QCOMPARE(first.loads, 1);
    first.OptA();
    first.Show();
    QCOMPARE(first.loads, 1);
    QVERIFY(first.window()->isVisible());
    QCOMPARE(first.window()->objectName(), QStringLiteral("frmFirst"));
    QCOMPARE(first.window()->windowTitle(), QStringLiteral("First"));
    QVERIFY(!first.window()->windowIcon().isNull());
}

void tst_forms::unloadForgetsControlsButKeepsVariables()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    first.Show();
    first.Text1()->setText(QStringLiteral("typed"));
    first.OptA()->setValue(true);
    first.ownVariable = 42;
    first.Unload();
    QVERIFY(!first.isLoaded());
    QVERIFY(fw::test::shownScreens().isEmpty());
    QCOMPARE(first.Text1()->Text(), QStringLiteral("design text"));
    QVERIFY(!first.OptA()->Value());
    QCOMPARE(first.ownVariable, 42);
    QCOMPARE(first.loads, 2);
    QVERIFY(!first.isShown()); // named again, but loaded hidden
}

void tst_forms::handlerUnloadingItsOwnScreenGetsFreshControls()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    first.Show();
    QPointer<QWidget> oldWindow = first.window();
    click(first.cmdSelf());
    QCOMPARE(first.seenAfterReload, QStringLiteral("design text"));
    QCOMPARE(first.loads, 2);
    QVERIFY(first.isShown());
    QVERIFY(first.window() != oldWindow.data());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(oldWindow.isNull());
    QCOMPARE(first.Text1()->Text(), QStringLiteral("design text"));
}

void tst_forms::formActivateRunsOnEveryReturn()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    frmSecond& second = frmSecond::get();
    first.Show();
    QCOMPARE(first.activations, 1);
    first.Show(); // already the active screen
    QCOMPARE(first.activations, 1);

    second.Show(); // covers the first
    QCOMPARE(second.activations, 1);
    second.Hide(); // uncovers it
    QCOMPARE(first.activations, 2);

    first.Hide();
    second.Show();
    first.Show();
    QCOMPARE(first.activations, 3);
    second.Unload(); // not on top: nothing is uncovered
    QCOMPARE(first.activations, 3);
    QCOMPARE(fw::test::shownScreens(), QStringList{QStringLiteral("frmFirst")});
}

void tst_forms::optionGroupsFollowTheirContainer()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    first.Show();
    click(first.OptA());
    click(first.OptC());
    QVERIFY(first.OptA()->Value()); // another container: untouched
    QVERIFY(first.OptC()->Value());
    click(first.OptB());
    QVERIFY(!first.OptA()->Value());
    QVERIFY(first.OptB()->Value());
    click(first.OptLoose());
    QVERIFY(!first.OptC()->Value());
    QVERIFY(first.OptB()->Value());
}

void tst_forms::optionValueCanBeClearedInCode()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    first.Show();
    click(first.OptA());
    first.OptA()->setValue(false);
    QVERIFY(!first.OptA()->Value());
    QVERIFY(!first.OptB()->Value());
    first.OptB()->setValue(true);
    first.OptA()->setValue(true);
    QVERIFY(!first.OptB()->Value());
    QCOMPARE(first.clicks, 1); // setting a value in code runs no handler
}

void tst_forms::clickSelectsAndRunsTheHandlerOnce()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    first.Show();
    click(first.OptA());
    QCOMPARE(first.clicks, 1);
    click(first.OptA()); // a selected option stays selected
    QVERIFY(first.OptA()->Value());
    QCOMPARE(first.clicks, 1);
    first.OptA()->setFocus();
    QTest::keyClick(first.OptA(), Qt::Key_Space);
    QVERIFY(first.OptA()->Value());
}

void tst_forms::arrowKeysMoveTheChoiceWithinTheGroup()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    first.Show();
    click(first.OptA());
    QTest::keyClick(first.OptA(), Qt::Key_Down);
    QVERIFY(first.OptB()->Value());
    QVERIFY(!first.OptA()->Value());
    QTest::keyClick(first.OptB(), Qt::Key_Down); // wraps round within the frame
    QVERIFY(first.OptA()->Value());
    QVERIFY(!first.OptC()->Value());
    QCOMPARE(first.clicks, 2);
}

void tst_forms::designTableBecomesWidgetsInTwips()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    QCOMPARE(first.window()->size(), QSize(400, 300));
    QCOMPARE(first.cmdSelf()->geometry(), QRect(10, 40, 100, 30));
    QCOMPARE(first.OptB()->parentWidget(), first.Frame1());
    QCOMPARE(first.OptB()->geometry().topLeft(), QPoint(10, 47));
    QVERIFY(!Visible(first.Label1()));
    QVERIFY(Visible(first.cmdSelf()));
    QCOMPARE(first.Line1()->from(), QPoint(0, 200));
    QCOMPARE(first.Line1()->to(), QPoint(200, 200));
    // Tab order follows the design order.
    QCOMPARE(first.Text1()->nextInFocusChain(), first.cmdSelf());
}

void tst_forms::closeBoxEndsTheProgram()
{
    ProgramScope program;
    frmFirst::get().Show();
    frmFirst::get().window()->close();
    QCOMPARE(program.services.ends, 1);
    QVERIFY(frmFirst::get().isShown());
}

void tst_forms::frameCaptionIsLiteralAndItsOwnColour()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    QCOMPARE(first.Frame1()->Caption(), QStringLiteral("Group & more"));
    QCOMPARE(first.Frame1()->title(), QStringLiteral("Group && more")); // shown with its '&', no shortcut
    QCOMPARE(ForeColor(first.Frame1()), colors::darkRed);
    // Its members keep the window's text colour.
    QCOMPARE(ForeColor(first.OptA()), ForeColor(first.window()));
    QCOMPARE(ForeColor(first.OptC()), ForeColor(first.window()));
}

FW_TEST_MAIN(tst_forms)
#include "tst_forms.moc"
