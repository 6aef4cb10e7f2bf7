#include "diagrams/frmLVPower.h"

#include "diagnosis/frmDead.h"
#include "diagnosis/frmPicture.h"
#include "diagnosis/frmRaster.h"
#include "diagrams/frmNotes.h"
#include "diagrams/frmPSLin.h"
#include "diagrams/frmPSSw.h"
#include "diagrams/frmScan.h"
#include "diagrams/frmSync.h"
#include "diagrams/lvpowerareas.h"
#include "diagrams/parts.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

using namespace fw;
using diagrams::block;
using diagrams::blueLabel;
using diagrams::blueLine;

namespace {
// The came-from flags of the picture and raster problems screens. Naming a screen that is not loaded
// creates it hidden, with its reset values.
std::int16_t pictureProblemCode()
{
    return static_cast<std::int16_t>(frmPicture::get().code());
}

lvpower::RasterSymptom rasterSymptom()
{
    frmRaster& raster = frmRaster::get();
    return {.fromRaster = raster.Option5()->Value(),
            .noRaster = raster.Option1()->Value(),
            .horizontalLine = raster.Option2()->Value(),
            .verticalLine = raster.Option3()->Value(),
            .pincushion = raster.Option4()->Value()};
}

// A light cyan box that opens a reference page.
Ctl pageBox(const QString& name, const QString& caption, int left, int top, int width, int height)
{
    return label(name, caption, left, top, width, height).back(colors::lightCyan).bordered();
}

} // namespace

frmLVPower::frmLVPower()
    : Form(QStringLiteral("frmLVPower"), QT_TR_NOOP("Low voltage Power Supply and Deflection Circuits"),
           QSize(11580, 7785))
{}

Design frmLVPower::design() const
{
    return table();
}

Design frmLVPower::table()
{
    return {
        frame("Frame1", QT_TR_NOOP("Legend"), 0, 2160, 1935, 1935).bold(9.75),
        label("Label17", QT_TR_NOOP("Problem areas"), 720, 360, 1095, 375).in("Frame1").bold(8.25),
        label("Label16", "", 120, 360, 375, 375)
            .says(QT_TR_NOOP("Colour of problem areas"))
            .in("Frame1")
            .back(colors::red)
            .bordered(),
        label("Label14", "", 120, 1080, 375, 375)
            .says(QT_TR_NOOP("Colour of clickable boxes"))
            .in("Frame1")
            .back(colors::lightCyan)
            .bordered(),
        label("Label15", QT_TR_NOOP("Click these boxes for additional information."), 600, 960, 1215, 855)
            .in("Frame1")
            .bold(8.25),
        picture("Picture3", ":/assets/lv-vertical-yoke.svg", 7080, 480, 1335, 1815)
            .says(QT_TR_NOOP("Vertical deflection yoke")),
        command("cmdQuit", QT_TR_NOOP("Quit"), 9240, 6480, 1335, 495).bold(9.75),
        command("cmdReturn", QT_TR_NOOP("Return"), 7440, 6480, 1335, 495).bold(9.75),
        block("Text17", QT_TR_NOOP("Voltage regulator"), 3840, 6360, 1095, 615),
        block("Text16", QT_TR_NOOP("Low voltage power supply"), 2280, 6360, 1215, 615),
        block("Text15", QT_TR_NOOP("AC Wall plug"), 1080, 6360, 855, 615),
        block("Text14", QT_TR_NOOP("High voltage hold-down"), 5400, 5520, 1215, 615),
        textBox("Text13", QT_TR_NOOP("Damper"), 7560, 5520, 855, 615)
            .bold(8.25)
            .fore(colors::black)
            .back(colors::white)
            .readOnly(),
        block("Text12", QT_TR_NOOP("High voltage regulator"), 9000, 5520, 1335, 615),
        block("Text11", QT_TR_NOOP("Horizontal AFC"), 1800, 4200, 855, 615),
        block("Text10", QT_TR_NOOP("Horizontal oscillator"), 3600, 4200, 1095, 615),
        block("Text9", QT_TR_NOOP("Horizontal Drive"), 5400, 4200, 975, 615),
        block("Text8", QT_TR_NOOP("Horizontal output amplifier"), 7080, 4200, 1575, 615),
        block("Text7", QT_TR_NOOP("Pin cushion circuit"), 5400, 2880, 1215, 495),
        picture("Picture2", ":/assets/lv-horizontal-yoke.svg", 7200, 2640, 1335, 975)
            .says(QT_TR_NOOP("Horizontal deflection yoke")),
        block("Text6", QT_TR_NOOP("High voltage tripler"), 9240, 2880, 1215, 615),
        picture("Picture1", ":/assets/lv-picture-tube.svg", 8640, 360, 2295, 1815)
            .says(QT_TR_NOOP("Color picture tube with its electron guns, yoke and high voltage anode")),
        block("Text5", QT_TR_NOOP("2nd Vertical deflection amplifier"), 5640, 960, 1215, 735),
        block("Text4", QT_TR_NOOP("1st Vertical deflection amplifier"), 4200, 960, 1215, 735),
        block("Text3", QT_TR_NOOP("Vertical deflection oscillator"), 2880, 960, 1095, 735),
        block("Text2", QT_TR_NOOP("Sync seperator"), 1680, 1080, 975, 495).back(colors::lightCyan),
        block("Text1", QT_TR_NOOP("Noise cancelling amplifier"), 360, 960, 1095, 735),
        pageBox("Label13", QT_TR_NOOP("Switching"), 2280, 5880, 1455, 375).bold(9.75),
        pageBox("Label12", QT_TR_NOOP("Linear"), 2280, 5400, 1455, 375).bold(9.75),
        blueLabel("Label11", QT_TR_NOOP("Horizontal Hold"), 4200, 5280, 855, 375),
        blueLabel("Label10", QT_TR_NOOP("Phase"), 5280, 3840, 735, 255),
        blueLabel("Label9", QT_TR_NOOP("Vertical Size"), 4920, 2160, 735, 375),
        blueLabel("Label8", QT_TR_NOOP("Vertical Linearity"), 3960, 2160, 855, 495),
        blueLabel("Label7", QT_TR_NOOP("Vertical Hold"), 2640, 2160, 855, 495),
        blueLabel("Label6", QT_TR_NOOP("Noise level"), 840, 1680, 855, 495),
        knob("Shape6", 4200, 4920).says(QT_TR_NOOP("Horizontal Hold knob")),
        knob("Shape5", 5400, 3480).says(QT_TR_NOOP("Phase knob")),
        knob("Shape4", 5040, 1800).says(QT_TR_NOOP("Vertical Size knob")),
        knob("Shape3", 4200, 1800).says(QT_TR_NOOP("Vertical Linearity knob")),
        knob("Shape2", 2880, 1800).says(QT_TR_NOOP("Vertical Hold knob")),
        knob("Shape1", 480, 1800).says(QT_TR_NOOP("Noise level knob")),
        label("Label5", QT_TR_NOOP("To all circuits"), 5400, 6480, 855, 495).bold(8.25).fore(colors::darkRed),
        pageBox("Label4", QT_TR_NOOP("Scan derived Power Supply"), 9480, 4560, 1455, 495).bold(8.25),
        // Two lines of bold 8.25 pt need a little more than 375 twips once the descender of "Voltage" is
        // drawn at twice the scale; the line up from the tripler meets the caption's new foot.
        label("Label3", QT_TR_NOOP("High Voltage"), 9960, 2280, 975, 420).bold(8.25),
        label("Label2", QT_TR_NOOP("Focus"), 9120, 2280, 735, 255).bold(8.25),
        label("Label1", QT_TR_NOOP("From video amplifier"), 360, 120, 1095, 495)
            .bold(8.25)
            .fore(colors::darkRed),
        // The video input feeds the noise canceller and the sync separator; the canceller feeds the
        // separator.
        line("Line1", 900, 615, 900, 960),
        line("Line2", 1455, 360, 1950, 360),
        line("Line3", 1950, 360, 1950, 1080),
        line("Line4", 1455, 1320, 1680, 1320),
        // Vertical chain: separator, oscillator, two amplifiers, the yoke and the tube.
        line("Line5", 2655, 1320, 2880, 1320),
        line("Line6", 3975, 1320, 4200, 1320),
        line("Line7", 5415, 1320, 5640, 1320),
        line("Line8", 6855, 1320, 7080, 1320),
        line("Line9", 8190, 1320, 8640, 1320),
        // Horizontal chain: separator down to the AFC, the AFC loop, oscillator, drive and output.
        line("Line10", 2205, 1575, 2205, 4200),
        line("Line11", 2655, 4395, 3600, 4395),
        line("Line12", 2655, 4620, 3600, 4620),
        line("Line13", 4695, 4500, 5400, 4500),
        line("Line14", 6375, 4500, 7080, 4500),
        // Pin cushion correction into the output amplifier.
        line("Line15", 6420, 3375, 6420, 3990),
        line("Line16", 6420, 3990, 7320, 3990),
        line("Line17", 7320, 3990, 7320, 4200),
        // The output amplifier drives the horizontal yoke, which sits on the tube.
        line("Line18", 7815, 3570, 7815, 4200),
        line("Line19", 8430, 3105, 8880, 3105),
        line("Line20", 8880, 3105, 8880, 2010),
        // ... the tripler, the scan-derived supply, the damper, the hold-down and the HV regulator.
        line("Line21", 8400, 4200, 8400, 3900),
        line("Line22", 8400, 3900, 9840, 3900),
        line("Line23", 9840, 3900, 9840, 3495),
        line("Line24", 8655, 4680, 9480, 4680),
        line("Line25", 7980, 4815, 7980, 5520),
        line("Line26", 7200, 4815, 7200, 5820),
        line("Line27", 7200, 5820, 6615, 5820),
        line("Line28", 8550, 4815, 8550, 5820),
        line("Line29", 8550, 5820, 9000, 5820),
        // The hold-down stops the horizontal oscillator.
        line("Line30", 4590, 4815, 4590, 5010),
        line("Line31", 4590, 5010, 5700, 5010),
        line("Line32", 5700, 5010, 5700, 5520),
        // The tripler's focus and high voltage outputs.
        line("Line33", 9480, 2880, 9480, 2535),
        line("Line34", 10200, 2880, 10200, 2700),
        // Power along the bottom: wall plug, supply, regulator, to all circuits.
        line("Line35", 1935, 6660, 2280, 6660),
        line("Line36", 3495, 6660, 3840, 6660),
        line("Line37", 4935, 6660, 5355, 6660),
        // The knobs and the blocks they adjust.
        blueLine("Line38", 600, 1800, 600, 1695),
        blueLine("Line39", 3000, 1800, 3000, 1695),
        blueLine("Line40", 4320, 1800, 4320, 1695),
        blueLine("Line41", 5160, 1800, 5160, 1695),
        blueLine("Line42", 5520, 3480, 5520, 3375),
        blueLine("Line43", 4320, 4920, 4320, 4815),
    };
}

QColor frmLVPower::backColor() const
{
    return colors::white;
}

void frmLVPower::wire()
{
    connect(cmdReturn(), &CommandButton::Click, this, &frmLVPower::cmdReturn_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmLVPower::cmdQuit_Click);
    connect(Label12(), &Label::Click, this, &frmLVPower::Label12_Click);
    connect(Label13(), &Label::Click, this, &frmLVPower::Label13_Click);
    connect(Label4(), &Label::Click, this, &frmLVPower::Label4_Click);
    connect(Text2(), &TextArea::Click, this, &frmLVPower::Text2_Click);
    frmNotes::offerOn(*this);
}

void frmLVPower::Form_Load()
{
    fitDrawing();
    m_origin = kNone;
    m_pictureCode = pictureProblemCode();
    if (const lvpower::RasterSymptom raster = rasterSymptom(); raster.fromRaster) {
        m_origin = kFromRaster;
        highlightAll(lvpower::rasterAreas(raster));
    }
    place(*this, 0);
    if (frmDead::get().optReturn()->Value()) {
        m_origin = kFromDead;
        highlightAll(lvpower::tvDeadAreas());
    }
    highlightAll(lvpower::pictureAreas(m_pictureCode));
}

// How the drawing behaves beyond its design table:
// - the narrowest blocks are barely wider than "Horizontal": a thinner margin keeps their words whole, and
//   a word is never split across lines;
// - the connections run across the empty margins of the picture boxes up to the drawings, so the boxes
//   paint no background of their own until they are highlighted;
// - a block takes the keyboard only for its note, which the runtime gives a drawing's noted boxes; the four
//   boxes that open a page take it always (Enter or Space opens it), and show a pointing hand.
void frmLVPower::fitDrawing()
{
    for (QWidget* control : controls()) {
        if (auto* block = qobject_cast<TextArea*>(control)) {
            block->document()->setDocumentMargin(1);
            block->setWordWrapMode(QTextOption::WordWrap);
            block->setFocusPolicy(Qt::NoFocus);
            block->viewport()->setCursor(Qt::ArrowCursor);
        } else if (auto* box = qobject_cast<TextBox*>(control)) {
            box->setFocusPolicy(Qt::NoFocus);
            box->setCursor(Qt::ArrowCursor);
        } else if (qobject_cast<PictureBox*>(control)) {
            control->setAutoFillBackground(false);
        }
    }
    for (QWidget* page : std::initializer_list<QWidget*>{Label12(), Label13(), Label4(), Text2()}) {
        page->setFocusPolicy(Qt::StrongFocus);
        page->setCursor(Qt::PointingHandCursor);
    }
    Text2()->viewport()->setCursor(Qt::PointingHandCursor);
}

// Highlights are only ever added; a new load starts from the design colours.
void frmLVPower::highlightAll(const QStringList& names)
{
    for (const QString& name : names)
        highlight(control(name));
}

void frmLVPower::cmdReturn_Click()
{
    if (m_pictureCode != 0)
        m_origin = kFromPicture;
    switch (m_origin) {
    case kFromDead:
        Hide();
        frmDead::get().Show(); // as it was left, in the isolated-areas view
        break;
    case kFromPicture:
        frmPicture::get().Show();
        break;
    case kFromRaster:
        frmRaster::get().Show();
        break;
    default:
        // Nothing led here that Return could go back to: the main menu is the way home.
        fw::showMainMenu();
        break;
    }
    frmDead::get().optReturn()->setValue(false);
    Unload();
}

void frmLVPower::cmdQuit_Click()
{
    services().End();
}

void frmLVPower::Label12_Click()
{
    frmPSLin::get().Show();
    Unload();
}

void frmLVPower::Label13_Click()
{
    frmPSSw::get().Show();
    Unload();
}

void frmLVPower::Label4_Click()
{
    frmScan::get().Show();
    Unload();
}

void frmLVPower::Text2_Click()
{
    frmSync::get().Show();
    Unload();
}
