// The low-voltage power and deflection diagram and its four reference pages, driven as a user drives them.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmDead.h"
#include "diagrams/frmLVPower.h"
#include "diagrams/lvpowerareas.h"
#include "support/program.h"

#include <QLineF>
#include <QTest>

#include <algorithm>
#include <numeric>
#include <set>

using namespace fw;
using fw::test::click;
using fw::test::paintedAt;
using fw::test::paints;
using fw::test::ProgramScope;
using fw::test::shownScreens;

namespace {
const QStringList kTvDeadAreas{"Text13", "Text14", "Text15", "Text16", "Text17", "Text8", "Text9"};

// The drawings' own sizes in pixels: the connections run up to them, not to their boxes.
const QHash<QString, QSize> kDrawingSizes{
    {"Picture1", QSize(144, 110)}, {"Picture2", QSize(82, 62)}, {"Picture3", QSize(74, 107)}};

void toTvDeadDiagram()
{
    Module1::Main();
    click(frmOne::get().Option1());
    click(frmDead::get().Command1());
    click(frmDead::get().cmdContinue());
}

// The diagram's own controls (not the legend's) that are painted as problem areas, sorted by name.
QStringList redAreas()
{
    QWidget* window = frmLVPower::get().window();
    QStringList names;
    for (QWidget* control : frmLVPower::get().controls()) {
        if (control->parentWidget() != window || qobject_cast<Line*>(control))
            continue;
        if (paints(control, colors::red, 0.3))
            names << control->objectName();
    }
    names.sort();
    return names;
}

// A box marked as a problem area: painted red, with white lettering.
// Red inside a heavier black outline, with white lettering.
bool paintedAsProblemBox(QWidget* box)
{
    return fw::test::outlined(box) && paintedAt(box, QPoint(5, box->height() - 5)) == colors::red &&
           paints(box, colors::red, 0.5) && paints(box, colors::white, 0.005);
}

Screen* screenNamed(const QString& name)
{
    for (Screen* screen : Registry::instance().screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

// The drawing in window pixels: its lines, and every other control as a rectangle (a picture by its
// drawing, which sits in the box's top-left corner).
struct Drawing
{
    QList<Line*> lines;
    QHash<QString, QRect> blocks;
};

Drawing drawing()
{
    QWidget* window = frmLVPower::get().window();
    Drawing d;
    for (QWidget* control : frmLVPower::get().controls()) {
        if (auto* line = qobject_cast<Line*>(control)) {
            d.lines << line;
            continue;
        }
        QRect r(control->mapTo(window, QPoint(0, 0)), control->size());
        if (kDrawingSizes.contains(control->objectName()))
            r.setSize(kDrawingSizes.value(control->objectName()));
        d.blocks.insert(control->objectName(), r);
    }
    return d;
}

constexpr int kTolerance = 3; // pixels

// A line's end touches a block when it lies on the block's edge, give or take the tolerance.
bool touches(QPoint end, const QRect& block)
{
    return block.adjusted(-kTolerance, -kTolerance, kTolerance, kTolerance).contains(end) &&
           !block.adjusted(kTolerance, kTolerance, -kTolerance, -kTolerance).contains(end);
}

double distanceToSegment(QPointF p, const QLineF& segment)
{
    const QPointF d = segment.p2() - segment.p1();
    const double length2 = QPointF::dotProduct(d, d);
    const double t =
        length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(p - segment.p1(), d) / length2, 0.0, 1.0);
    return QLineF(p, segment.p1() + t * d).length();
}

QLineF segmentOf(const Line* line)
{
    return QLineF(line->from(), line->to());
}

// One connection: a run of lines joined end to other line, and the blocks its ends touch.
struct Run
{
    QList<Line*> lines;
    std::set<QString> blocks;
};

QList<Run> runs(const Drawing& d)
{
    const qsizetype n = d.lines.size();
    std::vector<qsizetype> parent(n);
    std::iota(parent.begin(), parent.end(), 0);
    auto find = [&](qsizetype i) {
        while (parent[i] != i)
            i = parent[i] = parent[parent[i]];
        return i;
    };
    for (qsizetype a = 0; a < n; ++a)
        for (qsizetype b = 0; b < n; ++b)
            for (QPoint end : {d.lines[a]->from(), d.lines[a]->to()})
                if (a != b && distanceToSegment(end, segmentOf(d.lines[b])) <= 1.0)
                    parent[find(a)] = find(b);
    QHash<qsizetype, Run> byRoot;
    for (qsizetype i = 0; i < n; ++i) {
        Run& run = byRoot[find(i)];
        run.lines << d.lines[i];
        for (QPoint end : {d.lines[i]->from(), d.lines[i]->to()})
            for (auto it = d.blocks.begin(); it != d.blocks.end(); ++it)
                if (touches(end, it.value()))
                    run.blocks.insert(it.key());
    }
    return byRoot.values();
}
} // namespace

class tst_lvpower : public QObject
{
    Q_OBJECT
private slots:
    void captionSizeAndPlacement_data();
    void captionSizeAndPlacement();
    void designColoursAsPainted_data();
    void designColoursAsPainted();
    void picturesHoldTheirDrawings_data();
    void picturesHoldTheirDrawings();
    void tvDeadMarksSevenBoxes();
    void returnToTvDeadThenContinueAgain();
    void openedWithoutFlags();
    void boxesRefuseTyping();
    void tableAreasPaintTheirHighlight_data();
    void tableAreasPaintTheirHighlight();
    void pagesOpenAndReturnWithTheSameHighlights_data();
    void pagesOpenAndReturnWithTheSameHighlights();
    void keyboardOpensPages_data();
    void keyboardOpensPages();
    void connections_data();
    void connections();
    void linesJoinCleanly();
    void quitEndsTheProgram();
};

void tst_lvpower::captionSizeAndPlacement_data()
{
    QTest::addColumn<QSizeF>("display");
    QTest::addColumn<QPoint>("at");
    // The client area is 11580 x 7785 twips, 772 x 519 pixels; the top edge is 0 whatever the display.
    QTest::newRow("1024 x 768") << QSizeF(15360, 11520) << QPoint(126, 0);
    QTest::newRow("1920 x 1080") << QSizeF(28800, 16200) << QPoint(574, 0);
    QTest::newRow("narrower than the diagram") << QSizeF(9600, 7200) << QPoint(-66, 0);
}

void tst_lvpower::captionSizeAndPlacement()
{
    QFETCH(QSizeF, display);
    QFETCH(QPoint, at);
    ProgramScope program;
    program.services.display = display;
    toTvDeadDiagram();
    frmLVPower& diagram = frmLVPower::get();
    QCOMPARE(diagram.window()->windowTitle(),
             QStringLiteral("Low voltage Power Supply and Deflection Circuits"));
    QCOMPARE(diagram.window()->size(), QSize(772, 519));
    QCOMPARE(diagram.Top(), 0.0);
    QCOMPARE(diagram.Left(), (display.width() - 11580) / 2);
    QCOMPARE(diagram.window()->pos(), at);
}

void tst_lvpower::designColoursAsPainted_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<double>("share");
    QTest::newRow("white window") << QString() << colors::white << 0.5;
    QTest::newRow("plain box white") << "Text1" << colors::white << 0.6;
    QTest::newRow("plain box black text") << "Text1" << colors::black << 0.01;
    QTest::newRow("Sync seperator light cyan") << "Text2" << colors::lightCyan << 0.6;
    QTest::newRow("Linear light cyan") << "Label12" << colors::lightCyan << 0.6;
    QTest::newRow("Switching light cyan") << "Label13" << colors::lightCyan << 0.6;
    QTest::newRow("Scan derived light cyan") << "Label4" << colors::lightCyan << 0.6;
    QTest::newRow("legend red swatch") << "Label16" << colors::red << 0.6;
    QTest::newRow("legend light cyan swatch") << "Label14" << colors::lightCyan << 0.6;
    for (const char* knob : {"Shape1", "Shape2", "Shape3", "Shape4", "Shape5", "Shape6"})
        QTest::addRow("%s blue knob", knob) << knob << colors::blue << 0.5;
    for (const char* caption : {"Label6", "Label7", "Label8", "Label9", "Label10", "Label11"})
        QTest::addRow("%s blue caption", caption) << caption << colors::blue << 0.01;
    for (const char* stub : {"Line38", "Line39", "Line40", "Line41", "Line42", "Line43"})
        QTest::addRow("%s blue stub", stub) << stub << colors::blue << 0.2;
    QTest::newRow("From video amplifier dark red") << "Label1" << colors::darkRed << 0.02;
    QTest::newRow("To all circuits dark red") << "Label5" << colors::darkRed << 0.02;
    QTest::newRow("Focus black") << "Label2" << colors::black << 0.02;
    QTest::newRow("a connection black") << "Line10" << colors::black << 0.2;
}

void tst_lvpower::designColoursAsPainted()
{
    QFETCH(QString, control);
    QFETCH(QColor, colour);
    QFETCH(double, share);
    ProgramScope program;
    frmLVPower::get().Show(); // no flags: the design colours
    QWidget* window = frmLVPower::get().window();
    QWidget* widget = control.isEmpty() ? window : window->findChild<QWidget*>(control);
    QVERIFY(widget);
    QVERIFY2(paints(widget, colour, share), qPrintable(control));
}

void tst_lvpower::picturesHoldTheirDrawings_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("resource");
    QTest::newRow("picture tube") << "Picture1"
                                  << ":/assets/lv-picture-tube.svg";
    QTest::newRow("horizontal yoke") << "Picture2"
                                     << ":/assets/lv-horizontal-yoke.svg";
    QTest::newRow("vertical yoke") << "Picture3"
                                   << ":/assets/lv-vertical-yoke.svg";
}

// Each drawing fits its box, which leaves a margin of background to turn red.
void tst_lvpower::picturesHoldTheirDrawings()
{
    QFETCH(QString, box);
    QFETCH(QString, resource);
    ProgramScope program;
    frmLVPower::get().Show();
    auto* picture = frmLVPower::get().control<PictureBox>(box);
    QCOMPARE(picture->picture(), resource);
    const QSize drawing = kDrawingSizes.value(box);
    QVERIFY(picture->width() > drawing.width());
    QVERIFY(picture->height() > drawing.height());
}

void tst_lvpower::tvDeadMarksSevenBoxes()
{
    ProgramScope program;
    toTvDeadDiagram();
    QCOMPARE(shownScreens(), QStringList{"frmLVPower"});
    frmLVPower& diagram = frmLVPower::get();
    QCOMPARE(diagram.origin(), frmLVPower::kFromDead);
    QCOMPARE(redAreas(), kTvDeadAreas);
    for (const QString& name : kTvDeadAreas)
        QVERIFY2(paintedAsProblemBox(diagram.control(name)), qPrintable(name));
    // The clickable boxes keep their light cyan, the knobs their blue.
    QVERIFY(paints(diagram.Text2(), colors::lightCyan, 0.6));
    QVERIFY(paints(diagram.control("Shape6"), colors::blue, 0.5));
}

void tst_lvpower::returnToTvDeadThenContinueAgain()
{
    ProgramScope program;
    toTvDeadDiagram();
    click(frmLVPower::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmDead"});
    QVERIFY(!frmLVPower::get().isLoaded());
    frmDead& dead = frmDead::get();
    QVERIFY(!dead.optReturn()->Value());
    // The isolated-areas view, as it was left.
    QCOMPARE(dead.Command1()->Caption(), QStringLiteral("Return to initial checks"));
    QVERIFY(dead.List2()->isVisible());
    QVERIFY(!dead.List1()->isVisible());
    click(dead.cmdContinue());
    QCOMPARE(shownScreens(), QStringList{"frmLVPower"});
    QCOMPARE(redAreas(), kTvDeadAreas);
    for (const QString& name : kTvDeadAreas)
        QVERIFY2(paintedAsProblemBox(frmLVPower::get().control(name)), qPrintable(name));
}

void tst_lvpower::openedWithoutFlags()
{
    ProgramScope program;
    QVERIFY(!frmDead::get().isLoaded());
    frmLVPower::get().Show();
    // Reading the TV Dead flag created that screen, hidden.
    QVERIFY(frmDead::get().isLoaded());
    QVERIFY(!frmDead::get().isShown());
    QCOMPARE(shownScreens(), QStringList{"frmLVPower"});
    QCOMPARE(frmLVPower::get().origin(), frmLVPower::kNone);
    QCOMPARE(frmLVPower::get().pictureCode(), 0);
    QCOMPARE(redAreas(), QStringList());
    // Nothing to go back to: Return goes home.
    click(frmLVPower::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmOne"});
    QVERIFY(!frmLVPower::get().isLoaded());
    QVERIFY(!frmDead::get().isShown());
}

void tst_lvpower::boxesRefuseTyping()
{
    ProgramScope program;
    toTvDeadDiagram();
    for (QWidget* control : frmLVPower::get().controls()) {
        QString before;
        if (auto* area = qobject_cast<TextArea*>(control))
            before = area->Text();
        else if (auto* box = qobject_cast<TextBox*>(control))
            before = box->Text();
        else
            continue;
        fw::test::type(control, QStringLiteral("xyz"));
        const QString after = qobject_cast<TextArea*>(control) ? static_cast<TextArea*>(control)->Text()
                                                               : static_cast<TextBox*>(control)->Text();
        QVERIFY2(after == before, qPrintable(control->objectName()));
    }
    QCOMPARE(shownScreens(), QStringList{"frmLVPower"});
}

void tst_lvpower::tableAreasPaintTheirHighlight_data()
{
    QTest::addColumn<QString>("area");
    QStringList names = lvpower::tvDeadAreas();
    for (int code = 0; code <= 28; ++code)
        names += lvpower::pictureAreas(code);
    lvpower::RasterSymptom raster;
    raster.fromRaster = true;
    for (bool lvpower::RasterSymptom::*symptom :
         {&lvpower::RasterSymptom::noRaster, &lvpower::RasterSymptom::horizontalLine,
          &lvpower::RasterSymptom::pincushion}) {
        lvpower::RasterSymptom one = raster;
        one.*symptom = true;
        names += lvpower::rasterAreas(one);
    }
    names.removeDuplicates();
    names.sort();
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name;
}

// Every name the tables give is a control of the diagram whose highlight can be seen.
void tst_lvpower::tableAreasPaintTheirHighlight()
{
    QFETCH(QString, area);
    ProgramScope program;
    frmLVPower::get().Show();
    QWidget* control = frmLVPower::get().window()->findChild<QWidget*>(area);
    QVERIFY(control);
    QVERIFY(!paints(control, colors::red, 0.3));
    highlight(control);
    if (qobject_cast<Shape*>(control)) {
        QVERIFY(paints(control, colors::red, 0.3));
        QVERIFY(!paints(control, colors::blue, 0.05));
    } else if (qobject_cast<PictureBox*>(control)) {
        QCOMPARE(paintedAt(control, QPoint(control->width() - 5, control->height() - 5)), colors::red);
        QVERIFY(fw::test::outlined(control));
    } else {
        QVERIFY(qobject_cast<TextArea*>(control) || qobject_cast<TextBox*>(control));
        QVERIFY(paintedAsProblemBox(control));
    }
}

void tst_lvpower::pagesOpenAndReturnWithTheSameHighlights_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client"); // twips
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("pictureSize");  // pixels
    QTest::addColumn<QRect>("returnButton"); // twips
    QTest::newRow("Linear") << "Label12"
                            << "frmPSLin"
                            << "Linear Power Supply" << QSize(9375, 6000) << ":/assets/ps-linear.svg"
                            << QSize(548, 273) << QRect(4440, 5400, 1095, 375);
    QTest::newRow("Switching") << "Label13"
                               << "frmPSSw"
                               << "Switching Type Power Supply" << QSize(9495, 6030)
                               << ":/assets/ps-switching.svg" << QSize(473, 310)
                               << QRect(4560, 5520, 1335, 375);
    QTest::newRow("Scan derived") << "Label4"
                                  << "frmScan"
                                  << "Scan Derived Power Supply" << QSize(9705, 6480)
                                  << ":/assets/ps-scan-derived.svg" << QSize(504, 319)
                                  << QRect(4440, 5640, 1215, 495);
    QTest::newRow("Sync seperator") << "Text2"
                                    << "frmSync"
                                    << "Sync Seperator" << QSize(9585, 7170) << ":/assets/sync-separator.svg"
                                    << QSize(558, 388) << QRect(4200, 6360, 1335, 495);
}

void tst_lvpower::pagesOpenAndReturnWithTheSameHighlights()
{
    QFETCH(QString, box);
    QFETCH(QString, page);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(QString, resource);
    QFETCH(QSize, pictureSize);
    QFETCH(QRect, returnButton);
    ProgramScope program;
    toTvDeadDiagram();
    // A user clicks a text box on its viewport, the part that shows the text.
    QWidget* target = frmLVPower::get().control(box);
    if (auto* area = qobject_cast<TextArea*>(target))
        target = area->viewport();
    click(target);
    QCOMPARE(shownScreens(), QStringList{page});
    QVERIFY(!frmLVPower::get().isLoaded());

    Screen* screen = screenNamed(page);
    QVERIFY(screen);
    QCOMPARE(screen->window()->windowTitle(), caption);
    QCOMPARE(screen->window()->size(), client / 15);
    QCOMPARE(screen->Top(), 300.0);
    QCOMPARE(screen->Left(), program.services.display.width() / 2 - client.width() / 2.0);
    auto* picture = screen->control<PictureBox>("Picture1");
    auto* back = screen->control<CommandButton>("cmdReturn");
    QCOMPARE(back->Caption(), QStringLiteral("Return"));
    QCOMPARE(back->geometry(), QRect(returnButton.topLeft() / 15, returnButton.size() / 15));
    QCOMPARE(picture->picture(), resource);
    QCOMPARE(picture->size(), pictureSize);
    QVERIFY(QRect(QPoint(0, 0), client / 15).contains(picture->geometry()));
    QVERIFY(picture->geometry().bottom() < back->geometry().top());

    click(back);
    QCOMPARE(shownScreens(), QStringList{"frmLVPower"});
    QVERIFY(!screen->isLoaded());
    QCOMPARE(redAreas(), kTvDeadAreas);
    // And the diagram still knows where it came from.
    click(frmLVPower::get().cmdReturn());
    QCOMPARE(shownScreens(), QStringList{"frmDead"});
}

void tst_lvpower::keyboardOpensPages_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("page");
    QTest::newRow("Linear") << "Label12"
                            << "frmPSLin";
    QTest::newRow("Switching") << "Label13"
                               << "frmPSSw";
    QTest::newRow("Scan derived") << "Label4"
                                  << "frmScan";
    QTest::newRow("Sync seperator") << "Text2"
                                    << "frmSync";
}

// Tab reaches the box; Enter opens its page, where on a plain block it opens nothing.
void tst_lvpower::keyboardOpensPages()
{
    QFETCH(QString, box);
    QFETCH(QString, page);
    ProgramScope program;
    toTvDeadDiagram();
    QWidget* window = frmLVPower::get().window();
    QWidget* target = frmLVPower::get().control(box);
    frmLVPower::get().cmdQuit()->setFocus();
    for (int presses = 0; presses < 60 && window->focusWidget() != target; ++presses) {
        QWidget* focused = window->focusWidget();
        QVERIFY(focused);
        if (qobject_cast<TextArea*>(focused) && focused != frmLVPower::get().Text2()) {
            QTest::keyClick(focused, Qt::Key_Return);
            QCOMPARE(shownScreens(), QStringList{"frmLVPower"});
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(window->focusWidget(), target);
    QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(shownScreens(), QStringList{page});
}

void tst_lvpower::connections_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<int>("count");
    QTest::addColumn<QColor>("colour");
    const QColor black = colors::black;
    const QColor blue = colors::blue;
    QTest::newRow("video in - noise canceller") << "Label1"
                                                << "Text1" << 1 << black;
    QTest::newRow("video in - sync seperator") << "Label1"
                                               << "Text2" << 1 << black;
    QTest::newRow("noise canceller - sync seperator") << "Text1"
                                                      << "Text2" << 1 << black;
    QTest::newRow("sync seperator - vertical oscillator") << "Text2"
                                                          << "Text3" << 1 << black;
    QTest::newRow("vertical oscillator - 1st amplifier") << "Text3"
                                                         << "Text4" << 1 << black;
    QTest::newRow("1st - 2nd vertical amplifier") << "Text4"
                                                  << "Text5" << 1 << black;
    QTest::newRow("2nd vertical amplifier - vertical yoke") << "Text5"
                                                            << "Picture3" << 1 << black;
    QTest::newRow("vertical yoke - tube") << "Picture3"
                                          << "Picture1" << 1 << black;
    QTest::newRow("sync seperator - horizontal AFC") << "Text2"
                                                     << "Text11" << 1 << black;
    QTest::newRow("AFC loop: two lines") << "Text11"
                                         << "Text10" << 2 << black;
    QTest::newRow("horizontal oscillator - drive") << "Text10"
                                                   << "Text9" << 1 << black;
    QTest::newRow("drive - output") << "Text9"
                                    << "Text8" << 1 << black;
    QTest::newRow("pin cushion - output") << "Text7"
                                          << "Text8" << 1 << black;
    QTest::newRow("output - horizontal yoke") << "Text8"
                                              << "Picture2" << 1 << black;
    QTest::newRow("horizontal yoke - tube") << "Picture2"
                                            << "Picture1" << 1 << black;
    QTest::newRow("output - tripler") << "Text8"
                                      << "Text6" << 1 << black;
    QTest::newRow("output - scan derived supply") << "Text8"
                                                  << "Label4" << 1 << black;
    QTest::newRow("output - damper") << "Text8"
                                     << "Text13" << 1 << black;
    QTest::newRow("output - hold-down") << "Text8"
                                        << "Text14" << 1 << black;
    QTest::newRow("output - HV regulator") << "Text8"
                                           << "Text12" << 1 << black;
    QTest::newRow("horizontal oscillator - hold-down") << "Text10"
                                                       << "Text14" << 1 << black;
    QTest::newRow("tripler - Focus") << "Text6"
                                     << "Label2" << 1 << black;
    QTest::newRow("tripler - High Voltage") << "Text6"
                                            << "Label3" << 1 << black;
    QTest::newRow("wall plug - supply") << "Text15"
                                        << "Text16" << 1 << black;
    QTest::newRow("supply - regulator") << "Text16"
                                        << "Text17" << 1 << black;
    QTest::newRow("regulator - to all circuits") << "Text17"
                                                 << "Label5" << 1 << black;
    QTest::newRow("Noise level knob") << "Shape1"
                                      << "Text1" << 1 << blue;
    QTest::newRow("Vertical Hold knob") << "Shape2"
                                        << "Text3" << 1 << blue;
    QTest::newRow("Vertical Linearity knob") << "Shape3"
                                             << "Text4" << 1 << blue;
    QTest::newRow("Vertical Size knob") << "Shape4"
                                        << "Text4" << 1 << blue;
    QTest::newRow("Phase knob") << "Shape5"
                                << "Text7" << 1 << blue;
    QTest::newRow("Horizontal Hold knob") << "Shape6"
                                          << "Text10" << 1 << blue;
}

void tst_lvpower::connections()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(int, count);
    QFETCH(QColor, colour);
    ProgramScope program;
    frmLVPower::get().Show();
    int found = 0;
    for (const Run& run : runs(drawing())) {
        if (!run.blocks.contains(from) || !run.blocks.contains(to))
            continue;
        ++found;
        for (const Line* line : run.lines) {
            QCOMPARE(line->BorderColor(), colour);
            QCOMPARE(line->BorderWidth(), 2);
        }
    }
    QCOMPARE(found, count);
}

// Each run of lines joins exactly two blocks, no line crosses a block or another line, and there is no run
// the connection list does not name.
void tst_lvpower::linesJoinCleanly()
{
    ProgramScope program;
    frmLVPower::get().Show();
    const Drawing d = drawing();
    QCOMPARE(d.lines.size(), 43);
    for (int i = 1; i <= 43; ++i)
        QVERIFY2(frmLVPower::get().window()->findChild<Line*>(QStringLiteral("Line%1").arg(i)),
                 qPrintable(QString::number(i)));

    const QList<Run> all = runs(d);
    QCOMPARE(all.size(), 33); // the 32 listed connections, the AFC loop counted twice
    for (const Run& run : all) {
        QStringList names;
        for (const QString& block : run.blocks)
            names << block;
        QVERIFY2(run.blocks.size() == 2,
                 qPrintable(run.lines.first()->objectName() + QLatin1String(": ") + names.join(',')));
    }

    for (const Line* line : d.lines) {
        const QLineF segment = segmentOf(line);
        const int steps = std::max(1, qCeil(segment.length()));
        for (auto it = d.blocks.begin(); it != d.blocks.end(); ++it) {
            const QRect inside = it.value().adjusted(kTolerance, kTolerance, -kTolerance, -kTolerance);
            for (int s = 0; s <= steps; ++s) {
                const QPoint p = segment.pointAt(double(s) / steps).toPoint();
                QVERIFY2(!inside.contains(p),
                         qPrintable(line->objectName() + QLatin1String(" crosses ") + it.key()));
            }
        }
        for (const Line* other : d.lines) {
            if (other == line)
                continue;
            QPointF at;
            if (segment.intersects(segmentOf(other), &at) != QLineF::BoundedIntersection)
                continue;
            // Lines may only meet where one of them ends.
            const bool atAnEnd =
                QLineF(at, line->from()).length() <= 1.5 || QLineF(at, line->to()).length() <= 1.5 ||
                QLineF(at, other->from()).length() <= 1.5 || QLineF(at, other->to()).length() <= 1.5;
            QVERIFY2(atAnEnd,
                     qPrintable(line->objectName() + QLatin1String(" crosses ") + other->objectName()));
        }
    }
}

void tst_lvpower::quitEndsTheProgram()
{
    ProgramScope program;
    toTvDeadDiagram();
    click(frmLVPower::get().cmdQuit());
    QCOMPARE(program.services.ends, 1);
}

FW_TEST_MAIN(tst_lvpower)
#include "tst_lvpower.moc"
