// The electronic formulas screen, driven as a user drives it: click into a box, type, press Enter, read the
// boxes.

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmFormulas.h"
#include "support/program.h"

#include <QTest>

using namespace fw;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
const QStringList kBoxes{"Text1", "Text2",  "Text3",  "Text4",  "Text5",  "Text6",  "Text7",  "Text8",
                         "Text9", "Text10", "Text11", "Text12", "Text13", "Text14", "Text15", "Text16"};

// Opens the screen from the main menu.
frmFormulas& open()
{
    Module1::Main();
    click(frmOne::get().Option8());
    return frmFormulas::get();
}

// One step of a user: "Text1<12" types 12 over what Text1 shows and presses Enter, "Text1~12" types it
// without Enter, "!Option2" clicks.
void act(const QString& step)
{
    frmFormulas& screen = frmFormulas::get();
    if (step.startsWith(u'!')) {
        click(screen.control(step.mid(1)));
        return;
    }
    const qsizetype at = std::max(step.indexOf(u'<'), step.indexOf(u'~'));
    QVERIFY2(at > 0, qPrintable(step));
    auto* box = screen.control<TextBox>(step.left(at));
    click(box);
    box->selectAll();
    const QString text = step.mid(at + 1);
    if (text.isEmpty() && !box->text().isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
    if (step.at(at) == u'<')
        QTest::keyClick(box, Qt::Key_Return);
}

void act(const QStringList& steps)
{
    for (const QString& step : steps) {
        act(step);
        if (QTest::currentTestFailed())
            return;
    }
}

QString box(const QString& name)
{
    return frmFormulas::get().control<TextBox>(name)->Text();
}

// Every box's text by name.
QMap<QString, QString> boxes()
{
    QMap<QString, QString> texts;
    for (const QString& name : kBoxes)
        texts.insert(name, box(name));
    return texts;
}

// "Text3=6": the box shows exactly that.
void expectBoxes(const QStringList& expected)
{
    for (const QString& item : expected) {
        const qsizetype at = item.indexOf(u'=');
        QCOMPARE(box(item.left(at)), item.mid(at + 1));
    }
}

QStringList messages(const RecordingServices& services)
{
    QStringList list;
    for (const RecordingServices::Message& message : services.messages)
        list << message.title + u'|' + message.text;
    return list;
}

QWidget* focused()
{
    return frmFormulas::get().window()->focusWidget();
}

// Pixels of a control painted in a clearly red hue (small text is drawn anti-aliased, so its pixels are
// blends of dark red and the background rather than the exact colour).
int reddishPixels(QWidget* control)
{
    const QImage image = control->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            count += pixel.red() - std::max(pixel.green(), pixel.blue()) > 60;
        }
    return count;
}

// The control Tab moves to from `control`.
QWidget* nextTabStop(QWidget* control)
{
    QWidget* next = control->nextInFocusChain();
    while (next != control && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

// Makes a locale the user's for the scope's life.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_previous); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale m_previous;
};
} // namespace

class tst_frmformulas : public QObject
{
    Q_OBJECT
private slots:
    void opensFromTheMenuAndReturnsToAFreshOne();
    void returnForgetsEverything();
    void placedCentredNearTheTop();
    void framesAndLegend();
    void workedValues_data();
    void workedValues();
    void refusedEntries_data();
    void refusedEntries();
    void refusedEntryShowsWhatTheCalculationHolds_data();
    void refusedEntryShowsWhatTheCalculationHolds();
    void quantityBeforeAKindAsksForOne();
    void clearEmptiesOnlyItsGroup_data();
    void clearEmptiesOnlyItsGroup();
    void changingTheModeChangesOnlyTheLabel();
    void countDownMovesTheFocus();
    void clearKeepsTheKind();
    void germanLocale();
};

void tst_frmformulas::opensFromTheMenuAndReturnsToAFreshOne()
{
    ProgramScope program;
    frmFormulas& screen = open();
    QCOMPARE(shownScreens(), QStringList{"frmFormulas"});
    QVERIFY(!frmOne::get().isLoaded()); // the menu is unloaded, not hidden
    QCOMPARE(screen.window()->windowTitle(), QStringLiteral("Electronic Formulas"));
    click(screen.Command4());
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!screen.isLoaded());
    QCOMPARE(frmOne::get().window()->size(), (program.services.display / 15).toSize());
    QVERIFY(!frmOne::get().Option8()->Value());
    click(frmOne::get().Option8());
    QCOMPARE(shownScreens(), QStringList{"frmFormulas"});
}

void tst_frmformulas::returnForgetsEverything()
{
    ProgramScope program;
    frmFormulas& screen = open();
    act({"Text1<12", "Text2<2", "Text7<100", "!Option2", "Text11<10", "!Option4", "Text14<3", "Text15<10"});
    QCOMPARE(box("Text3"), QStringLiteral("6"));
    click(screen.Command4());
    click(frmOne::get().Option8());
    for (const QString& name : kBoxes)
        QVERIFY2(box(name).isEmpty(), qPrintable(name));
    QVERIFY(screen.Option1()->Value());
    QCOMPARE(screen.Label18()->Caption(), QStringLiteral("Capacitance (pfd)"));
    QVERIFY(!screen.Option3()->Value() && !screen.Option4()->Value());
    // No stored value survived: one more value in each group computes nothing.
    act({"Text2<2", "Text8<10", "Text12<1"});
    expectBoxes({"Text1=", "Text3=", "Text7=", "Text9=", "Text10=", "Text11=", "Text13="});
    act("Text15<10");
    QCOMPARE(messages(program.services), QStringList{"Error|Enter the total quantity first"});
}

void tst_frmformulas::placedCentredNearTheTop()
{
    ProgramScope program;
    program.services.display = QSizeF(1920 * 15, 1080 * 15);
    frmFormulas& screen = open();
    QCOMPARE(screen.Top(), 100.0);
    QCOMPARE(screen.Left(), 1920 * 15 / 2.0 - 11640 / 2.0);
    QCOMPARE(screen.window()->size(), QSize(776, 480));
    QCOMPARE(screen.window()->pos(), QPoint(572, 7));
}

void tst_frmformulas::framesAndLegend()
{
    ProgramScope program;
    frmFormulas& screen = open();
    const QStringList frames{"Ohm's Law", "Power", "Frequency", "Reactance",
                             "Parallel Resistors & Series Capacitors"};
    for (int i = 0; i < frames.size(); ++i) {
        auto* frame = screen.control<Frame>(QStringLiteral("Frame%1").arg(i + 1));
        QCOMPARE(frame->Caption(), frames[i]);
        QVERIFY2(reddishPixels(frame) > 10, qPrintable(frames[i]));
    }
    // The members' texts keep the default colour.
    for (const char* member : {"Label1", "Label15", "Label18", "Label22", "Option1", "Command5"})
        QCOMPARE(reddishPixels(screen.control(member)), 0);
    // The Clear button of each group follows its boxes in the tab order.
    QCOMPARE(nextTabStop(screen.Text3()), screen.Command1());
    QCOMPARE(nextTabStop(screen.Command1()), screen.Text4());
    QCOMPARE(nextTabStop(screen.Text10()), screen.Command2());
    QCOMPARE(nextTabStop(screen.Command2()), screen.Option1());
    QCOMPARE(nextTabStop(screen.Command3()), screen.Command4());
    QCOMPARE(nextTabStop(screen.Text16()), screen.Command5());
    QCOMPARE(screen.Text11()->parentWidget(), screen.control<Frame>("Frame4"));
    QCOMPARE(screen.Text16()->geometry(), QRect(16, 136, 145, 25));
    QStringList legend;
    for (const char* name : {"Label12", "Label13", "Label14", "Label17"})
        legend << screen.control<Label>(name)->Caption();
    QCOMPARE(legend, (QStringList{"Pfd. - Picofarad -  Capacitance", "Mhy. - Microhenry - Inductance",
                                  "Mhz. - Megahertz - Frequency", "Mtrs. - Meters - Wavelength"}));
    QVERIFY(screen.Option1()->Value());
    QVERIFY(!screen.Option2()->Value());
    QCOMPARE(screen.Label18()->Caption(), QStringLiteral("Capacitance (pfd)"));
    QVERIFY(!screen.Option3()->Value() && !screen.Option4()->Value());
}

void tst_frmformulas::workedValues_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("ohm: V and I give R") << QStringList{"Text1<12", "Text2<2"} << QStringList{"Text3=6"};
    QTest::newRow("ohm: V and R give I") << QStringList{"Text1<12", "Text3<4"} << QStringList{"Text2=3"};
    QTest::newRow("ohm: I and R give V") << QStringList{"Text2<2", "Text3<6"} << QStringList{"Text1=12"};
    QTest::newRow("ohm: fifteen digits")
        << QStringList{"Text1<10", "Text2<3"} << QStringList{"Text3=3.33333333333333"};
    QTest::newRow("ohm: order of entry does not matter")
        << QStringList{"Text2<3", "Text1<10"} << QStringList{"Text3=3.33333333333333"};
    QTest::newRow("power: V and I give P") << QStringList{"Text4<12", "Text5<2"} << QStringList{"Text6=24"};
    QTest::newRow("power: V and P give I") << QStringList{"Text4<12", "Text6<24"} << QStringList{"Text5=2"};
    QTest::newRow("power: I and P give V") << QStringList{"Text5<2", "Text6<24"} << QStringList{"Text4=12"};
    QTest::newRow("power: a computed value is stored")
        << QStringList{"Text5<2", "Text6<24", "Text6<48"} << QStringList{"Text6=24", "Text4=12"};
    QTest::newRow("a single value computes nothing")
        << QStringList{"Text1<12"} << QStringList{"Text1=12", "Text2=", "Text3="};
    QTest::newRow("zero is not given") << QStringList{"Text1<12", "Text2<0"} << QStringList{"Text3="};
    QTest::newRow("zero is not given, the next pair computes")
        << QStringList{"Text1<12", "Text2<0", "Text3<4"} << QStringList{"Text2=3"};
    QTest::newRow("typing without Enter stores nothing")
        << QStringList{"Text1<12", "Text2~2"} << QStringList{"Text2=2", "Text3="};
    QTest::newRow("typed, not entered, is not used")
        << QStringList{"Text1<12", "Text2~2", "Text3<4"} << QStringList{"Text2=3", "Text3=4"};
    QTest::newRow("first rule wins: a new R is replaced by V / I")
        << QStringList{"Text1<12", "Text2<2", "Text3<4"} << QStringList{"Text1=12", "Text2=2", "Text3=6"};
    QTest::newRow("resonance 1: C and L")
        << QStringList{"Text7<100", "Text8<10"} << QStringList{"Text9=5.035", "Text10=59.58"};
    QTest::newRow("resonance 1: no leading zero")
        << QStringList{"Text7<1000", "Text8<1000"} << QStringList{"Text9=.159", "Text10=1884.00"};
    QTest::newRow("resonance 2: F and C")
        << QStringList{"Text9<5", "Text7<100"} << QStringList{"Text8=10.132", "Text10=60.00"};
    QTest::newRow("resonance 3: W and C")
        << QStringList{"Text10<60", "Text7<100"} << QStringList{"Text8=10.132", "Text9=5.000"};
    QTest::newRow("resonance 4: L and F")
        << QStringList{"Text8<10", "Text9<5"} << QStringList{"Text7=101.320", "Text10=60.00"};
    QTest::newRow("resonance 5: W and L")
        << QStringList{"Text10<60", "Text8<10"} << QStringList{"Text7=101.320", "Text9=5.000"};
    QTest::newRow("resonance: F and W alone compute nothing")
        << QStringList{"Text9<5", "Text10<60"} << QStringList{"Text7=", "Text8="};
    QTest::newRow("resonance: rule 1 wins once L and C are given")
        << QStringList{"Text7<100", "Text8<10", "Text9<7"} << QStringList{"Text9=5.035", "Text10=59.58"};
    QTest::newRow("capacitive 1: K and F")
        << QStringList{"Text11<1000", "Text12<1"} << QStringList{"Text13=159.2"};
    QTest::newRow("capacitive 2: K and X")
        << QStringList{"Text11<1000", "Text13<159.2"} << QStringList{"Text12=1.000"};
    QTest::newRow("capacitive 3: F and X")
        << QStringList{"Text12<1", "Text13<159.2"} << QStringList{"Text11=1000.2"};
    QTest::newRow("capacitive 3, then a new F uses the computed K")
        << QStringList{"Text12<1", "Text13<159.2", "Text12<2"} << QStringList{"Text11=1000.2", "Text13=79.6"};
    QTest::newRow("inductive 1: K and F")
        << QStringList{"!Option2", "Text11<10", "Text12<1"} << QStringList{"Text13=62.8"};
    QTest::newRow("inductive 2: K and X")
        << QStringList{"!Option2", "Text11<10", "Text13<62.8"} << QStringList{"Text12=1.000"};
    QTest::newRow("inductive 3: F and X")
        << QStringList{"!Option2", "Text12<1", "Text13<62.8"} << QStringList{"Text11=10.0"};
    QTest::newRow("mode read at the entry: K taken as µH")
        << QStringList{"Text11<1000", "!Option2", "Text12<1"} << QStringList{"Text13=6280.0"};
    QTest::newRow("resistors 100, 100: count down")
        << QStringList{"!Option3", "Text14<2", "Text15<100"} << QStringList{"Text14=1", "Text15=", "Text16="};
    QTest::newRow("resistors 100, 100: total")
        << QStringList{"!Option3", "Text14<2", "Text15<100", "Text15<100"}
        << QStringList{"Text14=", "Text15=", "Text16=50.0000 Ohms"};
    QTest::newRow("resistors 100, 200, 300")
        << QStringList{"!Option3", "Text14<3", "Text15<100", "Text15<200", "Text15<300"}
        << QStringList{"Text16=54.5455 Ohms"};
    QTest::newRow("resistors 1000, 2200, 4700")
        << QStringList{"!Option3", "Text14<3", "Text15<1000", "Text15<2200", "Text15<4700"}
        << QStringList{"Text16=599.7680 Ohms"};
    QTest::newRow("capacitors 10, 10")
        << QStringList{"!Option4", "Text14<2", "Text15<10", "Text15<10"} << QStringList{"Text16=5.0000 MFD"};
    QTest::newRow("capacitors 1, 1") << QStringList{"!Option4", "Text14<2", "Text15<1", "Text15<1"}
                                     << QStringList{"Text16=.5000 MFD"};
    QTest::newRow("a quantity of 2.5 is 2")
        << QStringList{"!Option3", "Text14<2.5", "Text15<100", "Text15<100"}
        << QStringList{"Text16=50.0000 Ohms"};
    QTest::newRow("the suffix in force at the total")
        << QStringList{"!Option3", "Text14<2", "Text15<10", "!Option4", "Text15<10"}
        << QStringList{"Text16=5.0000 MFD"};
    QTest::newRow("a new quantity while counting restarts the count")
        << QStringList{"!Option3", "Text14<3", "Text15<300", "Text14<2", "Text15<300"}
        << QStringList{"Text14=1", "Text16="};
    QTest::newRow("with a total shown, Enter in the value box does nothing")
        << QStringList{"!Option3", "Text14<2", "Text15<100", "Text15<100", "Text15<5"}
        << QStringList{"Text14=", "Text15=5", "Text16=50.0000 Ohms"};
}

void tst_frmformulas::workedValues()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, expected);
    ProgramScope program;
    open();
    act(steps);
    expectBoxes(expected);
    QCOMPARE(messages(program.services), QStringList{});
}

void tst_frmformulas::refusedEntries_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QStringList>("after"); // proves what was stored
    QTest::addColumn<QStringList>("expected");
    const QString number = QStringLiteral("Error|Please enter a number");
    QTest::newRow("ohm: letters") << QStringList{"Text1<12"} << "Text1<abc" << number
                                  << QStringList{"Text2<2"} << QStringList{"Text3=6"};
    QTest::newRow("ohm: empty box") << QStringList{"Text1<12", "Text2<2"} << "Text2<" << number
                                    << QStringList{"Text1<24"} << QStringList{"Text3=12"};
    QTest::newRow("power: a comma under a point locale") << QStringList{"Text4<12"} << "Text5<2,5" << number
                                                         << QStringList{"Text5<2"} << QStringList{"Text6=24"};
    QTest::newRow("resonance: letters for C") << QStringList{"Text8<10"} << "Text7<pf" << number
                                              << QStringList{"Text9<5"} << QStringList{"Text7=101.320"};
    QTest::newRow("resonance: empty wavelength")
        << QStringList{"Text7<100", "Text10<60"} << "Text10<" << number << QStringList{"Text8<0"}
        << QStringList{"Text8=10.132", "Text9=5.000"};
    QTest::newRow("reactance: letters for K") << QStringList{"Text12<1"} << "Text11<x" << number
                                              << QStringList{"Text13<159.2"} << QStringList{"Text11=1000.2"};
    QTest::newRow("reactance: empty reactance") << QStringList{"Text11<1000"} << "Text13<" << number
                                                << QStringList{"Text12<1"} << QStringList{"Text13=159.2"};
    QTest::newRow("resonance: negative L x C")
        << QStringList{"Text8<-10"} << "Text7<100"
        << "Error|Inductance and capacitance must both be positive" << QStringList{"Text9<5"}
        << QStringList{"Text7=-101.320", "Text10=60.00"};
    QTest::newRow("power too large") << QStringList{"Text4<1e308"} << "Text5<10"
                                     << "Error|The result is too large" << QStringList{"Text6<6"}
                                     << QStringList{"Text5=6E-308"};
    QTest::newRow("ohms too large") << QStringList{"Text1<1e308"} << "Text2<1e-10"
                                    << "Error|The result is too large" << QStringList{"Text3<4"}
                                    << QStringList{"Text2=2.5E+307"};
    const QString howMany = QStringLiteral("Error|Enter how many values, from 1 to 32767");
    const QString first = QStringLiteral("Error|Enter the total quantity first");
    QTest::newRow("quantity 0") << QStringList{"!Option3"} << "Text14<0" << howMany << QStringList{}
                                << QStringList{"Text14="};
    QTest::newRow("quantity -3") << QStringList{"!Option3"} << "Text14<-3" << howMany << QStringList{}
                                 << QStringList{"Text14="};
    QTest::newRow("quantity abc") << QStringList{"!Option3"} << "Text14<abc" << howMany << QStringList{}
                                  << QStringList{"Text14="};
    QTest::newRow("quantity 40000") << QStringList{"!Option4"} << "Text14<40000" << howMany << QStringList{}
                                    << QStringList{"Text14="};
    QTest::newRow("quantity refused, the earlier one stands")
        << QStringList{"!Option3", "Text14<2"} << "Text14<0" << howMany
        << QStringList{"Text15<100", "Text15<100"} << QStringList{"Text16=50.0000 Ohms"};
    const QString positive = QStringLiteral("Error|Enter a value greater than zero");
    const QStringList counting{"!Option3", "Text14<2"};
    const QStringList twoMore{"Text15<100", "Text15<100"};
    QTest::newRow("value empty") << counting << "Text15<" << positive << twoMore
                                 << QStringList{"Text16=50.0000 Ohms"};
    QTest::newRow("value abc") << counting << "Text15<abc" << positive << twoMore
                               << QStringList{"Text16=50.0000 Ohms"};
    QTest::newRow("value 0") << counting << "Text15<0" << positive << twoMore
                             << QStringList{"Text16=50.0000 Ohms"};
    QTest::newRow("value -5") << counting << "Text15<-5" << positive << twoMore
                              << QStringList{"Text16=50.0000 Ohms"};
    QTest::newRow("value with no quantity")
        << QStringList{"!Option3"} << "Text15<100" << first << QStringList{"Text14<1", "Text15<100"}
        << QStringList{"Text16=100.0000 Ohms"};
    QTest::newRow("value after a total was cleared: no count below 0")
        << QStringList{"!Option3", "Text14<1", "Text15<100", "!Command5"} << "Text15<100" << first
        << QStringList{} << QStringList{"Text14=", "Text16="};
    QTest::newRow("value whose reciprocal is too large")
        << counting << "Text15<1e-320"
        << "Error|The result is too large" << twoMore << QStringList{"Text16=50.0000 Ohms"};
}

// A refused entry shows one message and changes nothing: its box shows again what it showed, the value
// the calculation holds. What follows proves that nothing was stored.
void tst_frmformulas::refusedEntries()
{
    QFETCH(QStringList, before);
    QFETCH(QString, refused);
    QFETCH(QString, message);
    QFETCH(QStringList, after);
    QFETCH(QStringList, expected);
    ProgramScope program;
    open();
    act(before);
    QCOMPARE(messages(program.services), QStringList{});
    QMap<QString, QString> shown = boxes();
    act(refused);
    QCOMPARE(messages(program.services), QStringList{message});
    const QString typedInto = refused.left(refused.indexOf(u'<'));
    QCOMPARE(boxes(), shown);
    QCOMPARE(focused(), frmFormulas::get().control(typedInto)); // where the user typed, not moved on
    act(after);
    expectBoxes(expected);
    QCOMPARE(program.services.messages.size(), std::size_t(1));
}

void tst_frmformulas::refusedEntryShowsWhatTheCalculationHolds_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("refused");
    QTest::addColumn<QString>("held"); // what the box shows afterwards
    QTest::newRow("letters over a number never entered") << QStringList{"Text1~7"} << "Text1<abc"
                                                         << "";
    QTest::newRow("letters over a computed frequency") << QStringList{"Text7<100", "Text8<10"} << "Text9<x"
                                                       << "5.035";
    QTest::newRow("letters over an entered wavelength") << QStringList{"Text10<60"} << "Text10<m"
                                                        << "60";
    QTest::newRow("negative L x C over an entered C")
        << QStringList{"Text7<100", "Text8<10", "Text7~abc"} << "Text7<-100"
        << "100";
    QTest::newRow("too large after Clear") << QStringList{"Text5<2", "!cmdClear", "Text4<1e308"} << "Text5<10"
                                           << "";
    QTest::newRow("a quantity of 0 while counting")
        << QStringList{"!Option3", "Text14<3", "Text15<100"} << "Text14<0"
        << "2";
    QTest::newRow("a value of 0 while counting")
        << QStringList{"!Option3", "Text14<3", "Text15<100"} << "Text15<0"
        << "";
}

void tst_frmformulas::refusedEntryShowsWhatTheCalculationHolds()
{
    QFETCH(QStringList, before);
    QFETCH(QString, refused);
    QFETCH(QString, held);
    ProgramScope program;
    open();
    act(before);
    act(refused);
    QCOMPARE(program.services.messages.size(), std::size_t(1));
    QCOMPARE(box(refused.left(refused.indexOf(u'<'))), held);
}

void tst_frmformulas::quantityBeforeAKindAsksForOne()
{
    ProgramScope program;
    frmFormulas& screen = open();
    act("Text14~3");
    // The box is emptied and the message shown; the key itself is still typed.
    QCOMPARE(messages(program.services),
             QStringList{"Select component|Please select either Resistor or Capacitor"});
    QCOMPARE(box("Text14"), QStringLiteral("3"));
    QTest::keyClick(screen.Text14(), Qt::Key_Return);
    QCOMPARE(program.services.messages.size(), std::size_t(2));
    QCOMPARE(box("Text14"), QString()); // and no count is taken from the emptied box
    QCOMPARE(focused(), screen.Text14());
    act("Text15<100");
    QCOMPARE(messages(program.services).last(), QStringLiteral("Error|Enter the total quantity first"));
    // Once a kind is chosen, the quantity is taken.
    act({"!Option3", "Text14<1", "Text15<100"});
    QCOMPARE(box("Text16"), QStringLiteral("100.0000 Ohms"));
    QCOMPARE(program.services.messages.size(), std::size_t(3));
}

void tst_frmformulas::clearEmptiesOnlyItsGroup_data()
{
    QTest::addColumn<QString>("clear");
    QTest::addColumn<QStringList>("group");
    QTest::addColumn<QStringList>("proof"); // one more value in the group: computes nothing after Clear
    QTest::addColumn<QStringList>("stillEmpty");
    QTest::newRow("Ohm's law") << "Command1" << QStringList{"Text1", "Text2", "Text3"}
                               << QStringList{"Text2<2"} << QStringList{"Text1", "Text3"};
    QTest::newRow("power") << "cmdClear" << QStringList{"Text4", "Text5", "Text6"} << QStringList{"Text5<2"}
                           << QStringList{"Text4", "Text6"};
    QTest::newRow("frequency") << "Command2" << QStringList{"Text7", "Text8", "Text9", "Text10"}
                               << QStringList{"Text8<10"} << QStringList{"Text7", "Text9", "Text10"};
    QTest::newRow("reactance") << "Command3" << QStringList{"Text11", "Text12", "Text13"}
                               << QStringList{"Text12<1"} << QStringList{"Text11", "Text13"};
    QTest::newRow("parallel/series") << "Command5" << QStringList{"Text14", "Text15", "Text16"}
                                     << QStringList{} << QStringList{"Text14", "Text15", "Text16"};
}

void tst_frmformulas::clearEmptiesOnlyItsGroup()
{
    QFETCH(QString, clear);
    QFETCH(QStringList, group);
    QFETCH(QStringList, proof);
    QFETCH(QStringList, stillEmpty);
    ProgramScope program;
    frmFormulas& screen = open();
    act({"Text1<12", "Text2<2", "Text4<12", "Text5<2", "Text7<100", "Text8<10", "Text11<1000", "Text12<1",
         "!Option3", "Text14<2", "Text15<100", "Text15<100"});
    QMap<QString, QString> shown = boxes();
    QWidget* focus = focused();
    screen.control(clear)->setFocusPolicy(Qt::NoFocus); // so that the click itself cannot move the focus
    click(screen.control(clear));
    QCOMPARE(focused(), focus);
    for (const QString& name : group)
        shown[name] = QString();
    QCOMPARE(boxes(), shown);
    act(proof);
    for (const QString& name : stillEmpty)
        QVERIFY2(box(name).isEmpty(), qPrintable(name));
    QCOMPARE(messages(program.services), QStringList{});
}

void tst_frmformulas::changingTheModeChangesOnlyTheLabel()
{
    ProgramScope program;
    frmFormulas& screen = open();
    act({"Text11<1000", "Text12<1"});
    const QMap<QString, QString> shown = boxes();
    act("!Option2");
    QCOMPARE(screen.Label18()->Caption(), QStringLiteral("Inductance (mhy)"));
    QCOMPARE(boxes(), shown);
    act("!Option1");
    QCOMPARE(screen.Label18()->Caption(), QStringLiteral("Capacitance (pfd)"));
    act({"!Option2", "!Command3"});
    QVERIFY(screen.Option2()->Value()); // Clear keeps the mode and its label
    QCOMPARE(screen.Label18()->Caption(), QStringLiteral("Inductance (mhy)"));
}

void tst_frmformulas::countDownMovesTheFocus()
{
    ProgramScope program;
    frmFormulas& screen = open();
    act({"!Option3", "Text14<2"});
    QCOMPARE(focused(), screen.Text15());
    QTest::keyClicks(screen.Text15(), "100");
    QTest::keyClick(screen.Text15(), Qt::Key_Return);
    QCOMPARE(focused(), screen.Text15());
    QCOMPARE(box("Text15"), QString());
    QTest::keyClicks(screen.Text15(), "100");
    QTest::keyClick(screen.Text15(), Qt::Key_Return);
    QCOMPARE(focused(), screen.Command5());
    // With a total on show, any key in the quantity box sends the user to Clear (the key itself is still
    // typed), and Clear starts afresh.
    act("Text14~4");
    QCOMPARE(focused(), screen.Command5());
    expectBoxes({"Text14=4", "Text16=50.0000 Ohms"});
    act("Text15<7");
    expectBoxes({"Text14=4", "Text15=7", "Text16=50.0000 Ohms"});
    click(screen.Command5());
    expectBoxes({"Text14=", "Text15=", "Text16="});
    QCOMPARE(messages(program.services), QStringList{});
}

void tst_frmformulas::clearKeepsTheKind()
{
    ProgramScope program;
    frmFormulas& screen = open();
    act({"!Option4", "Text14<2", "Text15<10", "Text15<10", "!Command5"});
    QVERIFY(screen.Option4()->Value());
    act({"Text14<2", "Text15<1", "Text15<1"});
    QCOMPARE(box("Text16"), QStringLiteral(".5000 MFD"));
    QCOMPARE(messages(program.services), QStringList{});
}

void tst_frmformulas::germanLocale()
{
    LocaleScope german(QLocale(QLocale::German, QLocale::Germany));
    ProgramScope program;
    open();
    act({"Text1<10", "Text2<3", "Text4<2,5", "Text5<2", "Text7<1000", "Text8<1000", "Text11<1000", "Text12<1",
         "!Option4", "Text14<2,5", "Text15<1", "Text15<1"});
    expectBoxes({"Text3=3,33333333333333", "Text6=5", "Text9=,159", "Text10=1884,00", "Text13=159,2",
                 "Text16=,5000 MFD"});
    act({"!Command1", "Text2<0,5", "Text3<3"});
    QCOMPARE(box("Text1"), QStringLiteral("1,5"));
    QCOMPARE(messages(program.services), QStringList{});
}

FW_TEST_MAIN(tst_frmformulas)
#include "tst_frmformulas.moc"
