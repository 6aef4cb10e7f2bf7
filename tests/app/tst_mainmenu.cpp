// The main menu and the TV Dead screen, driven as a user drives them.

#include "app/frmOne.h"
#include "app/module1.h"
#include "app/screens.h"
#include "diagnosis/frmDead.h"
#include "support/program.h"

#include <QTest>

using namespace fw;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::shownScreens;

class tst_mainmenu : public QObject
{
    Q_OBJECT
private slots:
    void startsOnTheFullScreenMainMenu();
    void titleIsLargeDarkRedSerif();
    void tvDeadHidesTheMenu();
    void returnClearsTheSymptoms();
    void toggleSwitchesViews_data();
    void toggleSwitchesViews();
    void freshTvDeadStartsInTheChecklist();
    void continueRaisesTheFlag();
    void placement_data();
    void placement();
    void everyScreenFitsTheSmallestDisplay();
    void quitEndsEvenWithHiddenScreens();
    void readingListsDoesNothing();
};

void tst_mainmenu::startsOnTheFullScreenMainMenu()
{
    ProgramScope program;
    program.services.display = QSizeF(1280 * 15, 1024 * 15);
    Module1::Main();
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QWidget* menu = frmOne::get().window();
    QCOMPARE(menu->windowTitle(), QStringLiteral("Fernwick"));
    QCOMPARE(menu->size(), QSize(1280, 1024));
    QCOMPARE(menu->pos(), QPoint(0, 0));
    // The design layout is not stretched with the window.
    QCOMPARE(frmOne::get().cmdQuit()->geometry(), QRect(392, 480, 65, 25));
    for (const char* name : {"Option1", "Option2", "Option3", "Option4", "Option5"})
        QVERIFY(!frmOne::get().control<OptionButton>(name)->Value());
}

void tst_mainmenu::titleIsLargeDarkRedSerif()
{
    ProgramScope program;
    Module1::Main();
    auto* title = frmOne::get().control<Label>("lblOne");
    QCOMPARE(title->text(), QStringLiteral("Fernwick"));
    QVERIFY(title->font().bold());
    QVERIFY(title->font().italic());
    QCOMPARE(title->font().pixelSize(), 96); // 72 pt
    QCOMPARE(QFontInfo(title->font()).styleHint(), QFont::Serif);
    // The letters are painted in dark red: find it among the pixels.
    QVERIFY(fw::test::paints(title, colors::darkRed, 0.02));
    auto* picture = frmOne::get().control<PictureBox>("pctTV");
    QVERIFY(!picture->pictureSize().isEmpty());
    QVERIFY(picture->pictureSize().width() <= picture->width());
}

void tst_mainmenu::tvDeadHidesTheMenu()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option1());
    QCOMPARE(shownScreens(), QStringList{"frmDead"});
    QVERIFY(frmOne::get().isLoaded()); // hidden, not unloaded
    QCOMPARE(frmDead::get().window()->windowTitle(), QStringLiteral("TV Dead"));
}

void tst_mainmenu::returnClearsTheSymptoms()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option1());
    QVERIFY(frmOne::get().Option1()->Value()); // still selected while hidden
    click(frmDead::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!frmDead::get().isLoaded() || !frmDead::get().isShown());
    QVERIFY(!frmOne::get().Option1()->Value());
    click(frmOne::get().Option1()); // and it opens again
    QCOMPARE(shownScreens(), QStringList{"frmDead"});
}

void tst_mainmenu::toggleSwitchesViews_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<bool>("areas");
    QTest::newRow("none: checklist") << 0 << false;
    QTest::newRow("once: isolated areas") << 1 << true;
    QTest::newRow("twice: back to the checklist") << 2 << false;
    QTest::newRow("five times: isolated areas") << 5 << true;
}

void tst_mainmenu::toggleSwitchesViews()
{
    QFETCH(int, presses);
    QFETCH(bool, areas);
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option1());
    frmDead& dead = frmDead::get();
    for (int i = 0; i < presses; ++i)
        click(dead.Command1());
    QCOMPARE(dead.Command1()->text(),
             areas ? QStringLiteral("Return to initial checks") : QStringLiteral("Initial checks complete"));
    QCOMPARE(dead.List1()->isVisible(), !areas);
    QCOMPARE(dead.Label2()->isVisible(), !areas);
    QCOMPARE(dead.List2()->isVisible(), areas);
    QCOMPARE(dead.Label3()->isVisible(), areas);
    QCOMPARE(dead.cmdContinue()->isVisible(), areas);
    if (areas) {
        QCOMPARE(dead.List2()->count(), 6);
        QCOMPARE(dead.List2()->item(5)->text(), QStringLiteral("High voltage hold-down circuit"));
        QCOMPARE(fw::test::paintedAt(dead.Label3(), QPoint(2, 2)), colors::pink);
    } else {
        QCOMPARE(dead.List1()->item(3)->text(),
                 QStringLiteral("4. Open back cover and check fuse. (TV unplugged!)"));
    }
}

void tst_mainmenu::freshTvDeadStartsInTheChecklist()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option1());
    click(frmDead::get().Command1());
    click(frmDead::get().cmdReturn());
    click(frmOne::get().Option1());
    QCOMPARE(frmDead::get().Command1()->text(), QStringLiteral("Initial checks complete"));
    QVERIFY(frmDead::get().List1()->isVisible());
    QVERIFY(!frmDead::get().cmdContinue()->isVisible());
    QVERIFY(!frmDead::get().optReturn()->Value());
}

void tst_mainmenu::continueRaisesTheFlag()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option1());
    QVERIFY(!frmDead::get().optReturn()->Value());
    QVERIFY(!frmDead::get().optReturn()->isVisible());
    click(frmDead::get().Command1());
    click(frmDead::get().cmdContinue());
    QVERIFY(frmDead::get().optReturn()->Value());
}

void tst_mainmenu::placement_data()
{
    QTest::addColumn<QSizeF>("display");
    QTest::addColumn<QPoint>("deadAt");
    // frmDead's client area is 9240 x 6480 twips, 616 x 432 pixels.
    QTest::newRow("1024 x 768") << QSizeF(15360, 11520) << QPoint(204, 168);
    QTest::newRow("1920 x 1080") << QSizeF(28800, 16200) << QPoint(652, 324);
    QTest::newRow("smaller than the screen") << QSizeF(7500, 6000) << QPoint(-58, -16);
}

void tst_mainmenu::placement()
{
    QFETCH(QSizeF, display);
    QFETCH(QPoint, deadAt);
    ProgramScope program;
    program.services.display = display;
    Module1::Main();
    QCOMPARE(frmOne::get().window()->size(), (display / 15).toSize());
    click(frmOne::get().Option1());
    QCOMPARE(frmDead::get().Top(), (display.height() - 6480) / 2);
    QCOMPARE(frmDead::get().Left(), (display.width() - 9240) / 2);
    QCOMPARE(frmDead::get().window()->pos(), deadAt);
}

// Each screen but the menu (which the window manager maximises) lies wholly on a 1024 x 768 display, with
// room for a window manager's frame as thick as common desktops draw it.
void tst_mainmenu::everyScreenFitsTheSmallestDisplay()
{
    ProgramScope program;
    const QRect display(0, 0, 1024, 768);
    const QMargins frame(8, 40, 8, 8);
    for (Screen* screen : nameEveryScreen()) {
        if (screen->name() == QLatin1String("frmOne"))
            continue;
        // The window manager puts the frame's corner where the screen places itself.
        const QRect framed(QPoint(int(screen->Left() / 15), int(screen->Top() / 15)),
                           screen->window()->size().grownBy(frame));
        QVERIFY2(display.contains(framed), qPrintable(screen->name() + QStringLiteral(" at %1,%2 %3x%4")
                                                                           .arg(framed.x())
                                                                           .arg(framed.y())
                                                                           .arg(framed.width())
                                                                           .arg(framed.height())));
    }
}

void tst_mainmenu::quitEndsEvenWithHiddenScreens()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option1());
    click(frmDead::get().cmdQuit());
    QCOMPARE(program.services.ends, 1);
    ProgramScope again;
    Module1::Main();
    click(frmOne::get().cmdQuit());
    QCOMPARE(again.services.ends, 1);
}

void tst_mainmenu::readingListsDoesNothing()
{
    ProgramScope program;
    Module1::Main();
    click(frmOne::get().Option1());
    frmDead& dead = frmDead::get();
    QTest::mouseClick(dead.List1()->viewport(), Qt::LeftButton, {}, QPoint(20, 8));
    QCOMPARE(shownScreens(), QStringList{"frmDead"});
    QCOMPARE(dead.Command1()->text(), QStringLiteral("Initial checks complete"));
}

FW_TEST_MAIN(tst_mainmenu)
#include "tst_mainmenu.moc"
