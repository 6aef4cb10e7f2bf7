// Whole roads through the program: a symptom to its diagram, a page and back, and a tour of every screen
// that must leave nothing behind.

#include "app/frmOne.h"
#include "app/module1.h"
#include "calculators/frmCodes.h"
#include "calculators/frmFreq.h"
#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmRaster.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmBTube.h"
#include "diagrams/frmColor.h"
#include "diagrams/frmConverg.h"
#include "diagrams/frmCtube.h"
#include "diagrams/frmDegauss.h"
#include "diagrams/frmDiag.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmHelp.h"
#include "diagrams/frmLVPower.h"
#include "diagrams/frmUHF.h"
#include "diagrams/frmVHF.h"
#include "support/program.h"

#include <QApplication>
#include <QTest>

using namespace fw;
using fw::test::choose;
using fw::test::click;
using fw::test::paintedRed;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
// The boxes, pictures and knobs of the low-voltage diagram that are painted red.
QStringList redOnLowVoltage()
{
    QStringList red;
    frmLVPower& diagram = frmLVPower::get();
    QStringList candidates{"Picture1", "Picture2", "Picture3"};
    for (int i = 1; i <= 17; ++i)
        candidates << QStringLiteral("Text%1").arg(i);
    for (int i = 1; i <= 6; ++i)
        candidates << QStringLiteral("Shape%1").arg(i);
    for (const QString& name : candidates)
        if (paintedRed(diagram.control(name)))
            red << name;
    red.sort();
    return red;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}
} // namespace

class tst_roads : public QObject
{
    Q_OBJECT
private slots:
    void pictureCodesOnTheLowVoltageDiagram_data();
    void pictureCodesOnTheLowVoltageDiagram();
    void rasterSymptomsOnTheLowVoltageDiagram_data();
    void rasterSymptomsOnTheLowVoltageDiagram();
    void rasterAgainWithAnotherSymptom();
    void colorTubePagesAndBack();
    void tunerPagesAndTheConverter();
    void everyScreenTouredLeavesNothingBehind();
};

void tst_roads::pictureCodesOnTheLowVoltageDiagram_data()
{
    QTest::addColumn<int>("symptom");
    QTest::addColumn<int>("item");
    QTest::addColumn<QStringList>("red");
    QTest::newRow("7 horizontal hold") << 3 << 0 << QStringList{"Shape6"};
    QTest::newRow("9 horizontal oscillator") << 3 << 2 << QStringList{"Text10"};
    QTest::newRow("10 sync seperator") << 3 << 3 << QStringList{"Text2"};
    QTest::newRow("11 vertical hold") << 4 << 0 << QStringList{"Shape2"};
    QTest::newRow("13 vertical oscillator") << 4 << 2 << QStringList{"Text3"};
    QTest::newRow("14 sync seperator") << 4 << 3 << QStringList{"Text2"};
    QTest::newRow("16 sync seperator") << 5 << 1 << QStringList{"Text2"};
    QTest::newRow("19 power supply filter") << 8 << -1 << QStringList{"Text16"};
    QTest::newRow("23 vertical linearity") << 10 << 0 << QStringList{"Shape3"};
    QTest::newRow("24 vertical oscillator") << 10 << 1 << QStringList{"Text3"};
    QTest::newRow("25 vertical amplifiers") << 10 << 2 << QStringList{"Text4", "Text5"};
    QTest::newRow("26 vertical size") << 11 << 0 << QStringList{"Shape4"};
    QTest::newRow("27 vertical oscillator") << 11 << 1 << QStringList{"Text3"};
    QTest::newRow("28 vertical amplifiers") << 11 << 2 << QStringList{"Text4", "Text5"};
}

void tst_roads::pictureCodesOnTheLowVoltageDiagram()
{
    QFETCH(int, symptom);
    QFETCH(int, item);
    QFETCH(QStringList, red);
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option4());
    frmPicture& picture = frmPicture::get();
    click(picture.Option(symptom));
    if (item >= 0) {
        for (QWidget* w : picture.controls())
            if (auto* combo = qobject_cast<ComboBox*>(w); combo && combo->isVisible())
                choose(combo, item);
    }
    click(picture.cmdContinue());
    const QString code = picture.txtA()->Text();
    QCOMPARE(shownScreens(), QStringList{"frmLVPower"});
    QCOMPARE(redOnLowVoltage(), sorted(red));
    QVERIFY(!frmRaster::get().isShown()); // read for its flag, never shown
    QVERIFY(!frmDead::get().isShown());

    click(frmLVPower::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmPicture"});
    QVERIFY(picture.Option(symptom)->Value());
    QCOMPARE(picture.txtA()->Text(), code);
}

void tst_roads::rasterSymptomsOnTheLowVoltageDiagram_data()
{
    QTest::addColumn<int>("symptom");
    QTest::addColumn<QStringList>("red");
    const QStringList noRaster{"Text6",  "Text8",  "Text9",  "Text10",  "Text11",
                               "Text12", "Text13", "Text14", "Picture1"};
    QTest::newRow("No raster at all") << 1 << noRaster;
    QTest::newRow("Horizontal line only") << 2 << QStringList{"Text3", "Text4", "Text5", "Picture3"};
    QTest::newRow("Vertical line only") << 3 << noRaster;
    QTest::newRow("Pincushion distortion") << 4 << QStringList{"Text7"};
}

void tst_roads::rasterSymptomsOnTheLowVoltageDiagram()
{
    QFETCH(int, symptom);
    QFETCH(QStringList, red);
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option3());
    frmRaster& raster = frmRaster::get();
    auto* option = raster.control<OptionButton>(QStringLiteral("Option%1").arg(symptom));
    click(option);
    click(raster.cmdContinue());
    QCOMPARE(shownScreens(), QStringList{"frmLVPower"});
    QCOMPARE(redOnLowVoltage(), sorted(red));
    QVERIFY(fw::test::paints(frmLVPower::get().Text2(), colors::lightCyan,
                             0.5)); // "Sync seperator" stays clickable
    click(frmLVPower::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmRaster"});
    QVERIFY(option->Value());
    QVERIFY(raster.Option5()->Value());
}

void tst_roads::rasterAgainWithAnotherSymptom()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option3());
    frmRaster& raster = frmRaster::get();
    click(raster.Option4());
    click(raster.cmdContinue());
    click(frmLVPower::get().Label13()); // "Switching", and back: the highlights are rebuilt
    click(Registry::instance().activeScreen()->control("cmdReturn"));
    QCOMPARE(redOnLowVoltage(), QStringList{"Text7"});
    click(frmLVPower::get().cmdReturn());
    click(raster.Option2());
    click(raster.cmdContinue());
    QCOMPARE(redOnLowVoltage(), sorted({"Text3", "Text4", "Text5", "Picture3"}));
}

void tst_roads::colorTubePagesAndBack()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option4());
    click(frmPicture::get().Option(6)); // "Colored snow in picture": code 17, the color diagram
    click(frmPicture::get().cmdContinue());
    frmColor& color = frmColor::get();
    QCOMPARE(shownScreens(), QStringList{"frmColor"});
    const QImage before = color.window()->grab().toImage();
    click(color.Picture1());
    QCOMPARE(shownScreens(), QStringList{"frmCtube"});
    QVERIFY(color.isLoaded()); // hidden behind its page, not unloaded
    click(frmCtube::get().Command1());
    QCOMPARE(shownScreens(), QStringList{"frmBTube"});
    click(frmBTube::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmCtube"});
    click(frmCtube::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmColor"});
    QCOMPARE(color.window()->grab().toImage(), before);
    click(color.cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmPicture"});
}

void tst_roads::tunerPagesAndTheConverter()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option2());
    click(frmSound::get().Opt2()); // poor picture too: the tuners are suspects
    click(frmSound::get().cmdContinue());
    QVERIFY(paintedRed(frmFront::get().Text2()));
    click(frmFront::get().Text2()); // the VHF tuner
    QCOMPARE(shownScreens(), QStringList{"frmVHF"});
    click(frmVHF::get().cmdConvert());
    QCOMPARE(shownScreens(), QStringList{"frmFreq"});
    QVERIFY(frmFreq::get().Text8()->hasFocus() ||
            frmFreq::get().window()->focusWidget() == frmFreq::get().Text8());
    click(frmFreq::get().Command1()); // "Return - UHF", though the VHF page led here
    QCOMPARE(shownScreens(), QStringList{"frmUHF"});
    QVERIFY(!frmFreq::get().isLoaded());
    click(frmUHF::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmFront"});
    QVERIFY(paintedRed(frmFront::get().Text1()));
    QVERIFY(paintedRed(frmFront::get().Text2()));
    click(frmFront::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmSound"});
    QVERIFY(frmSound::get().Opt2()->Value());
}

namespace {
// Clicks the named control of the active screen.
void press(const QString& name)
{
    Screen* active = Registry::instance().activeScreen();
    QVERIFY2(active, qPrintable(name));
    QWidget* control = active->window()->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(active->name() + QLatin1Char('.') + name));
    click(control);
}

// One tour: every road of the navigation and every reference page, back to the main menu each time.
void tour()
{
    const QList<QStringList> roads{
        // TV Dead, the diagram, its four pages, and back.
        {"Option1", "Command1", "cmdContinue", "Label12", "cmdReturn", "Label13", "cmdReturn", "Label4",
         "cmdReturn", "Text2", "cmdReturn", "cmdReturn", "cmdReturn"},
        // Sound, the front end, both tuner pages and the converter.
        {"Option2", "Opt2", "cmdContinue", "Text2", "cmdConvert", "cmdQuit", "cmdReturn", "Text1", "Command1",
         "Command1", "cmdReturn", "cmdReturn", "cmdReturn"},
        {"Option2", "opt1", "cmdContinue", "cmdReturn", "cmdReturn"},
        // Raster, the diagram, and back.
        {"Option3", "Option2", "cmdContinue", "cmdReturn", "cmdReturn"},
        // Picture problems: a fixed line to the front end, then the color diagram and its tube pages.
        {"Option4", "Option2", "cmdContinue", "cmdReturn", "Option6", "cmdContinue", "Picture1", "Command1",
         "cmdReturn", "cmdReturn", "cmdReturn", "Option8", "cmdContinue", "cmdReturn", "cmdReturn"},
        // Color problems: degaussing, convergence and its diagram, the color diagram.
        {"Option5", "Option2", "cmdContinue", "cmdReturn", "Option4", "cmdContinue", "cmdDiagram",
         "cmdReturn", "cmdReturn", "Option6", "cmdContinue", "cmdReturn", "cmdReturn"},
        // The utilities.
        {"Option6", "Command1"},
        {"Option7", "cmdReturn"},
        {"Option8", "Command4"},
        {"Option9", "cmdReturn"},
        {"Option10", "cmdNew", "cmdReturn"},
    };
    for (const QStringList& road : roads) {
        for (const QString& step : road) {
            press(step);
            fw::test::settle();
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(Registry::instance().activeScreen()->name(), QStringLiteral("frmOne"));
    }
}
} // namespace

void tst_roads::everyScreenTouredLeavesNothingBehind()
{
    ProgramScope program;
    Module1::Main();
    tour();
    const qsizetype afterFirst = QApplication::allWidgets().size();
    const qsizetype screensAfterFirst = Registry::instance().loadedScreens().size();
    for (int i = 1; i < 200 && !QTest::currentTestFailed(); ++i)
        tour();
    QCOMPARE(QApplication::allWidgets().size(), afterFirst);
    QCOMPARE(Registry::instance().loadedScreens().size(), size_t(screensAfterFirst));
    QVERIFY(program.services.messages.empty());
}

FW_TEST_MAIN(tst_roads)
#include "tst_roads.moc"
