// The colour code reader, driven from the main menu as a user drives it.

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmCodes.h"
#include "support/program.h"

#include <QApplication>
#include <QTest>

using namespace fw;
using colorcode::Color;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
frmCodes& openCodes()
{
    Module1::Main();
    click(frmOne::get().Option7());
    return frmCodes::get();
}

void clickBands(frmCodes& codes, const QString& bands)
{
    for (const QString& name : bands.split(u' ', Qt::SkipEmptyParts)) {
        int index = 0;
        while (index < colorcode::kColors &&
               name != QLatin1String(colorcode::swatches()[static_cast<std::size_t>(index)].name))
            ++index;
        QVERIFY2(index < colorcode::kColors, qPrintable(name));
        click(codes.swatch(static_cast<Color>(index)));
    }
}

QStringList outputs(frmCodes& codes)
{
    return {codes.Text13()->Text(), codes.Text14()->Text(), codes.Text15()->Text()};
}
} // namespace

class tst_codes : public QObject
{
    Q_OBJECT
private slots:
    void opensFromTheMenuWhichUnloads();
    void returnBuildsAFreshMenu();
    void swatchesAreSolidBlocksInARow();
    void looksAsDesigned();
    void doneShowsTheReadout_data();
    void doneShowsTheReadout();
    void everyClickBeeps();
    void wrongDigitColourShowsErrorAndStartsAgain_data();
    void wrongDigitColourShowsErrorAndStartsAgain();
    void clicksPastTheFifthBandOnlyBeep();
    void secondDoneAtOnce();
    void toleranceSurvivesReturn();
    void noVoltageBandEmptiesTheVoltageBox_data();
    void noVoltageBandEmptiesTheVoltageBox();
    void swatchesWorkFromTheKeyboard();
};

void tst_codes::opensFromTheMenuWhichUnloads()
{
    ProgramScope program;
    program.services.display = QSizeF(1280 * 15, 1024 * 15);
    frmCodes& codes = openCodes();
    QCOMPARE(shownScreens(), QStringList{"frmCodes"});
    QVERIFY(!frmOne::get().isLoaded());
    QCOMPARE(codes.window()->windowTitle(), QStringLiteral("Color Codes"));
    QCOMPARE(codes.Top(), 300.0);
    QCOMPARE(codes.Left(), (1280 * 15 - 9465) / 2.0);
    QCOMPARE(codes.window()->size(), QSize(631, 500));
    QVERIFY(codes.Option1()->Value());
    QVERIFY(!codes.Option2()->Value());
    QCOMPARE(outputs(codes), QStringList({"", "", ""}));
}

void tst_codes::returnBuildsAFreshMenu()
{
    ProgramScope program;
    program.services.display = QSizeF(1280 * 15, 1024 * 15);
    frmCodes& codes = openCodes();
    click(codes.cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!codes.isLoaded());
    frmOne& menu = frmOne::get();
    QCOMPARE(menu.window()->size(), QSize(1280, 1024));
    QCOMPARE(menu.window()->pos(), QPoint(0, 0));
    for (int i = 1; i <= 8; ++i)
        QVERIFY2(!menu.control<OptionButton>(QStringLiteral("Option%1").arg(i))->Value(),
                 qPrintable(QString::number(i)));
    click(menu.Option7()); // and it opens again
    QCOMPARE(shownScreens(), QStringList{"frmCodes"});
}

void tst_codes::swatchesAreSolidBlocksInARow()
{
    ProgramScope program;
    frmCodes& codes = openCodes();
    for (int i = 0; i < colorcode::kColors; ++i) {
        const colorcode::Swatch& s = colorcode::swatches()[static_cast<std::size_t>(i)];
        QWidget* box = codes.swatch(static_cast<Color>(i));
        QCOMPARE(box->objectName(), QStringLiteral("Text%1").arg(i + 1));
        QCOMPARE(box->geometry(), QRect(toPixels(960 + 600 * i), 64, 33, 35));
        QVERIFY2(fw::test::paints(box, QColor(s.rgb.red, s.rgb.green, s.rgb.blue), 1.0), s.name);
        QCOMPARE(box->accessibleName(), QString::fromLatin1(s.name));
    }
}

void tst_codes::looksAsDesigned()
{
    ProgramScope program;
    frmCodes& codes = openCodes();
    for (OptionButton* option : {codes.Option1(), codes.Option2()}) {
        QVERIFY(fw::test::paints(option, colors::black, 0.5));
        QCOMPARE(ForeColor(option), colors::white);
    }
    QCOMPARE(codes.Option1()->Caption(), QStringLiteral("Resistor"));
    QCOMPARE(codes.Option2()->Caption(), QStringLiteral("Capacitor"));
    QCOMPARE(codes.control<Label>("Label5")->text(), QStringLiteral("Select"));
    QCOMPARE(
        codes.Label4()->text(),
        QStringLiteral("Click the color code boxes in sequence. Upon completion, click done for valuse."));
    // The instruction fits on its one line.
    QVERIFY(codes.Label4()->sizeHint().width() <= codes.Label4()->width());
    QCOMPARE(codes.control<Label>("Label1")->text(), QStringLiteral("Value"));
    QCOMPARE(codes.control<Label>("Label2")->text(), QStringLiteral("Tolerance"));
    QCOMPARE(codes.control<Label>("Label3")->text(), QStringLiteral("Voltage Rating"));
    for (TextBox* box : {codes.Text13(), codes.Text14(), codes.Text15()}) {
        QVERIFY(box->font().bold());
        QCOMPARE(box->font().pixelSize(), 13); // 9.75 pt
        QVERIFY(box->isReadOnly());
    }
    // The arrows run from "Select" to each option, without touching either.
    const QRect select = codes.control<Label>("Label5")->geometry();
    const Line* left = codes.control<Line>("Line1");
    const Line* right = codes.control<Line>("Line4");
    QVERIFY(left->from().x() < select.left() && left->from().x() > select.left() - 10);
    QVERIFY(left->to().x() > codes.Option1()->geometry().right() &&
            left->to().x() < codes.Option1()->geometry().right() + 10);
    QVERIFY(right->from().x() > select.right() && right->from().x() < select.right() + 10);
    QVERIFY(right->to().x() < codes.Option2()->geometry().left() &&
            right->to().x() > codes.Option2()->geometry().left() - 10);
    PictureBox* picture = codes.Picture1();
    QCOMPARE(picture->picture(), QStringLiteral(":/assets/resistor.svg"));
    QCOMPARE(picture->pictureSize(), picture->size());
    QVERIFY(fw::test::paints(picture, colors::white, 0.5)); // drawn, on its white ground
}

void tst_codes::doneShowsTheReadout_data()
{
    QTest::addColumn<bool>("capacitor");
    QTest::addColumn<bool>("switchFirst"); // choose the other part after the bands, before Done
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("22 K") << false << false << "red red orange gold" << QStringList{"22 K", "5 %", ""};
    QTest::newRow("10 Meg") << false << false << "brown black blue silver"
                            << QStringList{"10 Meg", "10 %", ""};
    QTest::newRow("4.7 ohms") << false << false << "yellow violet gold" << QStringList{"4.7 ohms", "20%", ""};
    QTest::newRow("0.001 mfd, 200 volts")
        << true << false << "brown black red gold red" << QStringList{"0.001 mfd", "5 %", "200 volts"};
    QTest::newRow("never-set tolerance")
        << true << false << "brown black brown" << QStringList{"100 pf", " %", ""};
    QTest::newRow("green read as a capacitor after choosing")
        << false << true << "brown black brown green" << QStringList{"100 pf", "5 %", ""};
    QTest::newRow("green read as a resistor after choosing")
        << true << true << "brown black brown green" << QStringList{"100 ohms", "0.5 %", ""};
}

void tst_codes::doneShowsTheReadout()
{
    QFETCH(bool, capacitor);
    QFETCH(bool, switchFirst);
    QFETCH(QString, bands);
    QFETCH(QStringList, expected);
    ProgramScope program;
    frmCodes& codes = openCodes();
    OptionButton* chosen = capacitor ? codes.Option2() : codes.Option1();
    OptionButton* other = capacitor ? codes.Option1() : codes.Option2();
    click(chosen);
    clickBands(codes, bands);
    if (switchFirst)
        click(other);
    click(codes.cmdDone());
    QCOMPARE(outputs(codes), expected);
}

void tst_codes::everyClickBeeps()
{
    ProgramScope program;
    frmCodes& codes = openCodes();
    clickBands(codes, "gold red silver brown black red gold red white black");
    QCOMPARE(program.services.beeps, 10);
    click(codes.cmdDone());
    click(codes.Option2());
    QCOMPARE(program.services.beeps, 10); // only the swatches beep
}

void tst_codes::wrongDigitColourShowsErrorAndStartsAgain_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("message");
    QTest::newRow("gold as band 1") << "gold"
                                    << "Not a 1st color code";
    QTest::newRow("silver as band 1") << "silver"
                                      << "Not a 1st color code";
    QTest::newRow("gold as band 2") << "red gold"
                                    << "Not a 2nd color code";
    QTest::newRow("silver as band 2") << "red silver"
                                      << "Not a 2nd color code";
}

void tst_codes::wrongDigitColourShowsErrorAndStartsAgain()
{
    QFETCH(QString, bands);
    QFETCH(QString, message);
    ProgramScope program;
    frmCodes& codes = openCodes();
    clickBands(codes, bands);
    QCOMPARE(program.services.messages.size(), std::size_t(1));
    QCOMPARE(program.services.messages[0].text, message);
    QCOMPARE(program.services.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(outputs(codes), QStringList({"", "", ""}));
    clickBands(codes, "yellow violet orange"); // the next click is band 1 again
    click(codes.cmdDone());
    QCOMPARE(codes.Text13()->Text(), QStringLiteral("47 K"));
    QCOMPARE(program.services.messages.size(), std::size_t(1));
}

void tst_codes::clicksPastTheFifthBandOnlyBeep()
{
    ProgramScope program;
    frmCodes& codes = openCodes();
    click(codes.Option2());
    clickBands(codes, "red red orange gold red");
    for (int i = 0; i < 995; ++i) // the sixth click to the thousandth
        click(codes.swatch(i % 2 ? Color::Gold : Color::White));
    QCOMPARE(program.services.beeps, 1000);
    QVERIFY(program.services.messages.empty());
    click(codes.cmdDone());
    QCOMPARE(outputs(codes), QStringList({"0.022 mfd", "5 %", "200 volts"}));
}

void tst_codes::secondDoneAtOnce()
{
    ProgramScope program;
    frmCodes& codes = openCodes();
    clickBands(codes, "red red orange gold");
    click(codes.cmdDone());
    click(codes.cmdDone());
    QCOMPARE(outputs(codes), QStringList({"0 ohms", "20%", ""}));
    click(codes.Option2());
    click(codes.cmdDone());
    QCOMPARE(outputs(codes), QStringList({"0 pf", "0 %", ""}));
}

// The tolerance belongs to the screen, not to its controls; the other bands start afresh, and a voltage band
// goes with the part it was entered for.
void tst_codes::toleranceSurvivesReturn()
{
    ProgramScope program;
    frmCodes& codes = openCodes();
    click(codes.Option2());
    clickBands(codes, "brown black red gold red");
    click(codes.cmdReturn());
    click(frmOne::get().Option7());
    QVERIFY(codes.Option1()->Value());
    QCOMPARE(outputs(codes), QStringList({"", "", ""}));
    click(codes.Option2());
    clickBands(codes, "brown black brown"); // band 1 again, not band 6
    click(codes.cmdDone());
    QCOMPARE(outputs(codes), QStringList({"100 pf", "5 %", ""}));
    // Done cleared the tolerance, and that too outlasts Return.
    click(codes.cmdReturn());
    click(frmOne::get().Option7());
    click(codes.Option2());
    clickBands(codes, "brown black brown");
    click(codes.cmdDone());
    QCOMPARE(outputs(codes), QStringList({"100 pf", "0 %", ""}));
}

// Whatever came before, a capacitor read without a voltage band shows no voltage rating.
void tst_codes::noVoltageBandEmptiesTheVoltageBox_data()
{
    QTest::addColumn<QString>("before");
    QTest::newRow("a capacitor read with one") << "capacitor brown black red gold red done";
    QTest::newRow("a resistor read with a fifth band") << "brown black red gold red done";
    QTest::newRow("a capacitor left with Return before Done") << "capacitor brown black red gold red return";
    QTest::newRow("a capacitor left with Escape before Done") << "capacitor brown black red gold red escape";
    QTest::newRow("a capacitor left after a sixth band") << "capacitor brown black red gold red red return";
    QTest::newRow("left twice") << "capacitor brown black red gold red return capacitor red red return";
}

void tst_codes::noVoltageBandEmptiesTheVoltageBox()
{
    QFETCH(QString, before);
    ProgramScope program;
    frmCodes& codes = openCodes();
    const QStringList steps = (before + QStringLiteral(" capacitor yellow violet red done")).split(u' ');
    for (const QString& step : steps) {
        if (step == QLatin1String("capacitor")) {
            click(codes.Option2());
        } else if (step == QLatin1String("done")) {
            click(codes.cmdDone());
        } else if (step == QLatin1String("return") || step == QLatin1String("escape")) {
            if (step == QLatin1String("return")) {
                click(codes.cmdReturn());
            } else {
                QVERIFY(QTest::qWaitForWindowActive(codes.window()));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            }
            fw::test::settle();
            QCOMPARE(shownScreens(), QStringList{"frmOne"});
            click(frmOne::get().Option7());
        } else {
            clickBands(codes, step);
        }
    }
    QCOMPARE(codes.Text13()->Text(), QStringLiteral("0.0047 mfd"));
    QCOMPARE(codes.Text15()->Text(), QString());
}

void tst_codes::swatchesWorkFromTheKeyboard()
{
    ProgramScope program;
    frmCodes& codes = openCodes();
    for (Color band : {Color::Red, Color::Red, Color::Orange}) {
        codes.swatch(band)->setFocus();
        QTest::keyClick(codes.swatch(band), Qt::Key_Space);
    }
    click(codes.cmdDone());
    QCOMPARE(codes.Text13()->Text(), QStringLiteral("22 K"));
    QCOMPARE(program.services.beeps, 3);
}

FW_TEST_MAIN(tst_codes)
#include "tst_codes.moc"
