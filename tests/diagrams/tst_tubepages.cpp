// The picture tube, convergence and degaussing pages, driven as a user drives them: how they are reached
// from the color problems screen and left again, what the convergence screen shows, and its printout.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmProblems.h"
#include "diagrams/frmBTube.h"
#include "diagrams/frmConverg.h"
#include "diagrams/frmCtube.h"
#include "diagrams/frmDegauss.h"
#include "diagrams/frmDiag.h"
#include "support/program.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

using namespace fw;
using fw::test::click;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
frmProblems& openProblems()
{
    Module1::Main();
    click(frmOne::get().Option5());
    return frmProblems::get();
}

// From the color problems screen, the symptom whose single problem area opens the convergence screen.
frmConverg& openConvergence()
{
    frmProblems& problems = openProblems();
    click(problems.Option(4)); // "B and W picture outlined in color"
    click(problems.cmdContinue());
    return frmConverg::get();
}

Screen& page(const QString& name)
{
    if (name == QLatin1String("frmConverg"))
        return frmConverg::get();
    if (name == QLatin1String("frmDiag"))
        return frmDiag::get();
    if (name == QLatin1String("frmCtube"))
        return frmCtube::get();
    if (name == QLatin1String("frmBTube"))
        return frmBTube::get();
    return frmDegauss::get();
}

QStringList lines(ListBox* list)
{
    QStringList all;
    for (int i = 0; i < list->ListCount(); ++i)
        all << list->List(i);
    return all;
}

bool fits(QWidget* control, const QString& text, int room)
{
    return control->fontMetrics().horizontalAdvance(text) <= room;
}
} // namespace

class tst_tubepages : public QObject
{
    Q_OBJECT
private slots:
    void colorProblemOpensItsPage_data();
    void colorProblemOpensItsPage();
    void pagesArePlacedWithTheirPictures_data();
    void pagesArePlacedWithTheirPictures();

    void convergenceLines();
    void convergenceLinesAllShowWithoutScrolling();
    void convergenceDiagramAndBack();
    void tubeBasesAlternate();
    void titlesFitTheirBoxes();

    void printHandsOverTheScreenAsItStands();
    void printFailureIsToldAndTheScreenStays();
};

void tst_tubepages::colorProblemOpensItsPage_data()
{
    QTest::addColumn<int>("symptom");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("opened");
    QTest::newRow("Areas predominantly one color: degaussing") << 2 << "Text1"
                                                               << "11"
                                                               << "frmDegauss";
    QTest::newRow("B and W picture outlined in color: convergence") << 4 << "Text2"
                                                                    << "17"
                                                                    << "frmConverg";
}

// The page opens in place of the color problems screen, and its Return brings that screen back as it was
// left: the symptom, its problem area and the code.
void tst_tubepages::colorProblemOpensItsPage()
{
    QFETCH(int, symptom);
    QFETCH(QString, area);
    QFETCH(QString, code);
    QFETCH(QString, opened);
    ProgramScope program;
    frmProblems& problems = openProblems();
    click(problems.Option(symptom));
    click(problems.cmdContinue());
    QCOMPARE(shownScreens(), QStringList{opened});
    QVERIFY(problems.isLoaded());
    QCOMPARE(problems.txtB()->Text(), code);

    Screen& target = page(opened);
    click(target.control(QStringLiteral("cmdReturn")));
    QCOMPARE(shownScreens(), QStringList{"frmProblems"});
    QCOMPARE(Registry::instance().activeScreen(), &problems);
    QVERIFY(!target.isLoaded());
    QVERIFY(problems.Option(symptom)->Value());
    QVERIFY(problems.control(area)->isVisible());
    QCOMPARE(problems.txtB()->Text(), code);
    QVERIFY(program.services.messages.empty());

    click(problems.cmdContinue()); // and again: the page is built afresh
    QCOMPARE(shownScreens(), QStringList{opened});
}

void tst_tubepages::pagesArePlacedWithTheirPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("picture"); // empty: none
    QTest::newRow("convergence") << "frmConverg"
                                 << "Convergence"
                                 << "";
    QTest::newRow("convergence diagram") << "frmDiag"
                                         << "Convergence Diagram"
                                         << ":/assets/convergence-diagram.svg";
    QTest::newRow("color tube bases") << "frmCtube"
                                      << "Color TV Tube Base Diagram"
                                      << ":/assets/color-tube-bases.svg";
    QTest::newRow("black and white tube bases") << "frmBTube"
                                                << "Black & White TV Tube Base Diagram"
                                                << ":/assets/bw-tube-bases.svg";
    QTest::newRow("degaussing") << "frmDegauss"
                                << "Degaussing Procedures"
                                << ":/assets/degaussing.svg";
}

// Each page sits 300 twips from the top, centred across; its picture is the whole drawing, not clipped.
void tst_tubepages::pagesArePlacedWithTheirPictures()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, picture);
    ProgramScope program;
    program.services.display = QSizeF(1280 * 15, 1024 * 15);
    Screen& screen = page(name);
    screen.Show();
    QCOMPARE(screen.window()->windowTitle(), caption);
    QCOMPARE(screen.Top(), 300.0);
    QCOMPARE(screen.Left(), (1280 * 15 - screen.Width()) / 2);
    if (picture.isEmpty())
        return;
    auto* box = screen.control<PictureBox>(QStringLiteral("Picture1"));
    QCOMPARE(box->picture(), picture);
    const QSize drawn = box->pictureSize();
    QVERIFY(!drawn.isEmpty());
    QVERIFY2(box->contentsRect().width() >= drawn.width() && box->contentsRect().height() >= drawn.height(),
             "the picture is larger than its box");
    QVERIFY(!test::paints(box, BackColor(box), 0.9)); // the drawing is painted, not an empty box
}

// Fifteen numbered steps in order; the three continuation lines keep the blanks that put them under
// their step's text.
void tst_tubepages::convergenceLines()
{
    ProgramScope program;
    frmConverg& converg = openConvergence();
    const QStringList all = lines(converg.List1());
    QCOMPARE(all.size(), 18);
    int step = 0;
    for (int row = 0; row < all.size(); ++row) {
        const QString& line = all[row];
        if (line.front().isDigit()) {
            QVERIFY2(line.startsWith(QString::number(++step) + QLatin1Char('.')), qPrintable(line));
            continue;
        }
        const qsizetype blanks = line.indexOf(QRegularExpression(QStringLiteral("\\S")));
        QCOMPARE(blanks, row == 5 ? 5 : 6);
    }
    QCOMPARE(step, 15);
    QCOMPARE(all[4],
             QStringLiteral("5.  Slide the deflection yoke forward until you get a pute red raster."));
    QCOMPARE(all[11], QStringLiteral("10. Green gun is centered and will not move.  You must"));
}

// The whole procedure can be read, and printed, without scrolling: every row lies inside the list's
// viewport, in full width, and the list has nothing to scroll.
void tst_tubepages::convergenceLinesAllShowWithoutScrolling()
{
    ProgramScope program;
    ListBox* list = openConvergence().List1();
    QTRY_VERIFY(list->visualItemRect(list->item(0)).isValid());
    QVERIFY(list->font().bold());
    const QRect viewport = list->viewport()->rect();
    for (int row = 0; row < list->count(); ++row) {
        const QRect rect = list->visualItemRect(list->item(row));
        QVERIFY2(viewport.contains(rect),
                 qPrintable(QStringLiteral("row %1 is outside the list").arg(row + 1)));
        QVERIFY2(fits(list, list->List(row), viewport.width()), qPrintable(list->List(row)));
    }
    QCOMPARE(list->verticalScrollBar()->maximum(), 0);
    QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
}

void tst_tubepages::convergenceDiagramAndBack()
{
    ProgramScope program;
    frmConverg& converg = openConvergence();
    const QStringList before = lines(converg.List1());
    click(converg.cmdDiagram());
    QCOMPARE(shownScreens(), QStringList{"frmDiag"});
    QVERIFY(!converg.isLoaded());
    click(frmDiag::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmConverg"});
    QVERIFY(!frmDiag::get().isLoaded());
    QCOMPARE(lines(converg.List1()), before);
    QVERIFY(converg.List1()->isVisible());

    click(converg.cmdReturn()); // still on its way back to the color problems screen
    QCOMPARE(shownScreens(), QStringList{"frmProblems"});
    QVERIFY(!converg.isLoaded());
}

// The two tube base pages replace each other; each is built anew when it comes back.
void tst_tubepages::tubeBasesAlternate()
{
    ProgramScope program;
    frmCtube& color = frmCtube::get();
    color.Show();
    click(color.Command1());
    QCOMPARE(shownScreens(), QStringList{"frmBTube"});
    QVERIFY(!color.isLoaded());
    click(frmBTube::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmCtube"});
    QVERIFY(!frmBTube::get().isLoaded());
    QCOMPARE(color.Text1()->Text(), QStringLiteral("Color TV Tube Base Diagram"));
    click(color.Command1());
    QCOMPARE(shownScreens(), QStringList{"frmBTube"});

    click(frmBTube::get().cmdReturn());
    click(color.cmdReturn());
    QVERIFY(!color.isLoaded());
}

// The two titles are shown whole, in their 18 point bold, and the tube page's cannot be edited.
void tst_tubepages::titlesFitTheirBoxes()
{
    ProgramScope program;
    Label* heading = openConvergence().Label1();
    QCOMPARE(heading->font().pixelSize(), 24);
    QVERIFY(heading->font().bold());
    QVERIFY(fits(heading, heading->text(), heading->contentsRect().width()));
    QVERIFY(test::paints(heading, colors::darkBlue, 0.01));

    frmCtube& color = frmCtube::get();
    color.Show();
    TextBox* title = color.Text1();
    QCOMPARE(title->font().pixelSize(), 24);
    QVERIFY(title->font().bold());
    QVERIFY(title->isReadOnly());
    QVERIFY(title->alignment() & Qt::AlignHCenter);
    QVERIFY(fits(title, title->Text(), title->contentsRect().width() - 8)); // less the text box's margins
}

// The printout is the convergence screen's own image, as it stands: printing twice hands over the same
// image twice, and the screen is left as it was.
void tst_tubepages::printHandsOverTheScreenAsItStands()
{
    ProgramScope program;
    frmConverg& converg = openConvergence();
    const QStringList before = lines(converg.List1());
    click(converg.cmdPrint());
    click(converg.cmdPrint());
    QCOMPARE(program.services.printed.size(), size_t(2));
    const QImage& first = program.services.printed[0];
    QCOMPARE(first, program.services.printed[1]);
    QCOMPARE(first, converg.window()->grab().toImage());
    QVERIFY(program.services.messages.empty());
    QCOMPARE(shownScreens(), QStringList{"frmConverg"});
    QCOMPARE(lines(converg.List1()), before);
}

void tst_tubepages::printFailureIsToldAndTheScreenStays()
{
    ProgramScope program;
    const QString reason = QStringLiteral("The instructions could not be printed: no printer is set up.");
    program.services.printFailure = reason;
    frmConverg& converg = openConvergence();
    const QStringList before = lines(converg.List1());
    click(converg.cmdPrint());
    QCOMPARE(program.services.messages.size(), size_t(1));
    QCOMPARE(program.services.messages[0].title, QStringLiteral("Error"));
    QCOMPARE(program.services.messages[0].text, reason);
    QVERIFY(program.services.printed.empty());
    QCOMPARE(shownScreens(), QStringList{"frmConverg"});
    QCOMPARE(Registry::instance().activeScreen(), &converg);
    QVERIFY(frmProblems::get().isLoaded()); // still waiting underneath for the Return
    click(converg.cmdPrint());              // and printing can be tried again
    QCOMPARE(program.services.messages.size(), size_t(2));
    QCOMPARE(lines(converg.List1()), before);
}

FW_TEST_MAIN(tst_tubepages)
#include "tst_tubepages.moc"
