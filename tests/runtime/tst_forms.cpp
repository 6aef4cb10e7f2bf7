// The forms runtime: how screens load, show, hide and unload, and how controls behave.

#include "runtime/screen.h"
#include "support/program.h"

#include <QAccessible>
#include <QApplication>
#include <QStyleFactory>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>

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
    FW_CONTROL(TextArea, Block1)

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
            textArea("Block1", "Horizontal output amplifier", 4500, 150, 1200, 900).readOnly(),
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

// Controls of every kind that a design colours.
class frmPainted : public Form<frmPainted>
{
public:
    frmPainted() : Form(QStringLiteral("frmPainted"), QStringLiteral("Painted"), QSize(6000, 3000)) {}

protected:
    Design design() const override
    {
        return {
            label("Label1", "label", 150, 150, 1500, 450).back(colors::black).fore(colors::white),
            option("Option1", "option", 150, 750, 1500, 450).back(colors::black).fore(colors::white),
            textBox("Text1", "text", 150, 1350, 1500, 450).back(colors::black).fore(colors::white),
            picture("Picture1", "", 150, 1950, 1500, 450).back(colors::black),
            frame("Frame1", "frame", 3000, 150, 2700, 1500).back(colors::black).fore(colors::white),
        };
    }
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

// One group of options on the window, listed out of reading order, between two buttons.
class frmGroup : public Form<frmGroup>
{
public:
    frmGroup() : Form(QStringLiteral("frmGroup"), QStringLiteral("Group"), QSize(6000, 3000)) {}

    FW_CONTROL(CommandButton, cmdFirst)
    FW_CONTROL(CommandButton, cmdLast)

protected:
    Design design() const override
    {
        return {
            command("cmdFirst", "First", 150, 150, 1200, 450),
            option("OptBottom", "Bottom", 150, 1800, 1500, 300),
            option("OptTop", "Top", 150, 900, 1500, 300),
            option("OptMiddle", "Middle", 150, 1350, 1500, 300),
            command("cmdLast", "Last", 150, 2400, 1200, 450),
        };
    }
};

// What a row does to the group before Tab goes round.
using GroupChange = std::function<void(frmGroup&)>;

} // namespace

Q_DECLARE_METATYPE(GroupChange)

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
    void groupIsOneTabStop_data();
    void groupIsOneTabStop();
    void designTableBecomesWidgetsInTwips();
    void designColoursArePainted_data();
    void designColoursArePainted();
    void closeBoxEndsTheProgram();
    void everyControlHasAnAccessibleName();
    void problemAreaIsMarkedBeyondColour();
    void escapePressesTheOnlyWayBack_data();
    void escapePressesTheOnlyWayBack();
    void clickableBoxesAreReachableByKeyboard();
    void frameCaptionIsLiteralAndItsOwnColour();
    void framesLookAsFusionDrawsThem();
};

void tst_forms::referenceLoadsHiddenAndRunsFormLoadOnce()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    QVERIFY(!first.isLoaded());
    QCOMPARE(first.Text1()->Text(), QStringLiteral("design text"));
    QVERIFY(first.isLoaded());
    QVERIFY(!first.isShown());
    QVERIFY(!first.window()->windowHandle()); // its native window waits for Show, with its final geometry
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
    QVERIFY(oldWindow && !oldWindow->windowHandle()); // gone from the display at once: no native window
    first.window()->grab();                           // the screen shown in its place is drawn
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

void tst_forms::groupIsOneTabStop_data()
{
    QTest::addColumn<GroupChange>("change");
    QTest::addColumn<QString>("stop");
    const auto option = [](frmGroup& g, const char* name) {
        return g.control<OptionButton>(QLatin1String(name));
    };
    QTest::newRow("none chosen: the top one") << GroupChange([](frmGroup&) {}) << "OptTop";
    QTest::newRow("chosen") << GroupChange([=](frmGroup& g) { option(g, "OptMiddle")->setValue(true); })
                            << "OptMiddle";
    QTest::newRow("chosen, then cleared") << GroupChange([=](frmGroup& g) {
        option(g, "OptBottom")->setValue(true);
        option(g, "OptBottom")->setValue(false);
    }) << "OptTop";
    QTest::newRow("top one hidden") << GroupChange([=](frmGroup& g) { option(g, "OptTop")->hide(); })
                                    << "OptMiddle";
    QTest::newRow("top one hidden and shown again") << GroupChange([=](frmGroup& g) {
        option(g, "OptTop")->hide();
        option(g, "OptTop")->show();
    }) << "OptTop";
    QTest::newRow("top one disabled")
        << GroupChange([=](frmGroup& g) { option(g, "OptTop")->setEnabled(false); }) << "OptMiddle";
    QTest::newRow("chosen one hidden") << GroupChange([=](frmGroup& g) {
        option(g, "OptBottom")->setValue(true);
        option(g, "OptBottom")->hide();
    }) << "OptTop";
    QTest::newRow("moved above the others")
        << GroupChange([=](frmGroup& g) { option(g, "OptBottom")->move(10, 5); }) << "OptBottom";
    QTest::newRow("all disabled") << GroupChange([=](frmGroup& g) {
        for (const char* name : {"OptTop", "OptMiddle", "OptBottom"})
            option(g, name)->setEnabled(false);
    }) << "";
}

// Tab stops once on the group, going either way round.
void tst_forms::groupIsOneTabStop()
{
    QFETCH(GroupChange, change);
    QFETCH(QString, stop);
    ProgramScope program;
    frmGroup& group = frmGroup::get();
    group.Show();
    QVERIFY(QTest::qWaitForWindowActive(group.window()));
    change(group);
    const QStringList expected =
        stop.isEmpty() ? QStringList{"cmdLast", "cmdFirst"} : QStringList{stop, "cmdLast", "cmdFirst"};
    for (const bool forward : {true, false}) {
        group.cmdFirst()->setFocus();
        QStringList round;
        for (int i = 0; i < 6 && (round.isEmpty() || round.last() != QLatin1String("cmdFirst")); ++i) {
            QWidget* focused = QApplication::focusWidget();
            QVERIFY(focused);
            QTest::keyClick(focused, forward ? Qt::Key_Tab : Qt::Key_Backtab);
            round << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString());
        }
        QStringList want = expected;
        if (!forward)
            std::reverse(want.begin(), want.end() - 1);
        QCOMPARE(round, want);
    }
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

void tst_forms::designColoursArePainted_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("label") << "Label1";
    QTest::newRow("option button") << "Option1";
    QTest::newRow("text box") << "Text1";
    QTest::newRow("picture") << "Picture1";
    QTest::newRow("frame") << "Frame1";
}

void tst_forms::designColoursArePainted()
{
    QFETCH(QString, name);
    ProgramScope program;
    frmPainted& screen = frmPainted::get();
    screen.Show();
    QWidget* control = screen.control(name);
    QCOMPARE(BackColor(control), colors::black);
    QVERIFY2(fw::test::paints(control, colors::black, 0.5), "the back colour is not what is painted");
    if (name != QLatin1String("Picture1")) {
        QCOMPARE(ForeColor(control), colors::white);
        // The text is antialiased: look for near-white among the black.
        const QImage image = control->grab().toImage();
        int light = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                light += image.pixelColor(x, y).lightness() > 200 ? 1 : 0;
        QVERIFY2(light >= 5, "the text is not painted in its colour");
    }
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

void tst_forms::everyControlHasAnAccessibleName()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    QCOMPARE(first.cmdSelf()->accessibleName(), QStringLiteral("Reload"));
    QCOMPARE(first.Line1()->accessibleName(), QStringLiteral("Line1")); // nothing better to say
    for (QWidget* w : first.controls()) {
        QAccessibleInterface* told = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(told && !told->text(QAccessible::Name).isEmpty(), qPrintable(w->objectName()));
    }
}

void tst_forms::problemAreaIsMarkedBeyondColour()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    first.Show();
    TextArea* box = first.Block1();
    highlight(box);
    QCOMPARE(box->accessibleDescription(), QStringLiteral("problem area"));
    QCOMPARE(BackColor(box), colors::red);
    QCOMPARE(ForeColor(box), colors::white);
    // The heavier outline is painted in black round the box, red inside.
    QVERIFY(fw::test::outlined(box));
    QCOMPARE(fw::test::paintedAt(box, box->rect().center()), colors::red);
}

namespace {
class frmWays : public Form<frmWays>
{
public:
    frmWays() : Form(QStringLiteral("frmWays"), QStringLiteral("Ways"), QSize(3000, 3000)) {}
    QStringList captions{"Return"};
    QStringList pressed;

protected:
    Design design() const override
    {
        Design d;
        for (int i = 0; i < captions.size(); ++i)
            d.push_back(
                command(QStringLiteral("Command%1").arg(i), captions[i], 150, 150 + 500 * i, 1200, 450));
        return d;
    }
    void wire() override
    {
        for (QWidget* w : controls())
            if (auto* button = qobject_cast<CommandButton*>(w))
                connect(button, &CommandButton::Click, this,
                        [this, button] { pressed << button->Caption(); });
    }
};
} // namespace

void tst_forms::escapePressesTheOnlyWayBack_data()
{
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("pressed");
    QTest::newRow("one Return") << QStringList{"Continue", "Return"} << QStringList{"Return"};
    QTest::newRow("one Close") << QStringList{"Close"} << QStringList{"Close"};
    QTest::newRow("two ways back: neither") << QStringList{"Return - VHF", "Return - UHF"} << QStringList{};
    QTest::newRow("no way back") << QStringList{"Done"} << QStringList{};
}

void tst_forms::escapePressesTheOnlyWayBack()
{
    QFETCH(QStringList, captions);
    QFETCH(QStringList, pressed);
    ProgramScope program;
    frmWays& ways = frmWays::get();
    ways.captions = captions;
    ways.Show();
    QVERIFY(QTest::qWaitForWindowActive(ways.window()));
    QWidget* focus = ways.controls().constFirst();
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Escape);
    QCOMPARE(ways.pressed, pressed);
}

void tst_forms::clickableBoxesAreReachableByKeyboard()
{
    ProgramScope program;
    frmFirst& first = frmFirst::get();
    first.Show();
    Label* box = first.Label1();
    QCOMPARE(box->focusPolicy(), Qt::NoFocus);
    int clicks = 0;
    connect(box, &Label::Click, box, [&clicks] { ++clicks; });
    QCOMPARE(box->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Space);
    QCOMPARE(clicks, 2);
}

// The program's style draws a frame's border itself; it must look exactly as Fusion's, with a caption or
// without.
void tst_forms::framesLookAsFusionDrawsThem()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    for (const QString& caption : {QStringLiteral("Major Symptom"), QString()}) {
        Frame ours;
        Frame theirs;
        for (Frame* frame : {&ours, &theirs}) {
            frame->setCaption(caption);
            frame->resize(200, 160);
        }
        theirs.setStyle(fusion.get());
        QCOMPARE(ours.grab().toImage(), theirs.grab().toImage());
    }
}

FW_TEST_MAIN(tst_forms)
#include "tst_forms.moc"
