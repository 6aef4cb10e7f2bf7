#include "diagrams/frmColor.h"

#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagrams/frmCtube.h"
#include "diagrams/frmNotes.h"
#include "diagrams/parts.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

#include <algorithm>
#include <span>

using namespace fw;
using diagrams::blueLabel;
using diagrams::blueLine;

namespace {
// What one problem code marks on the diagram: one or two boxes or knobs, by design name.
struct Marks
{
    int code;
    const char* controls[2];
};

// By picture problem code (frmPicture.txtA).
const Marks kPictureMarks[] = {
    {2, {"Text3"}},             // 3rd video amplifier & brightness control
    {3, {"Text1"}},             // comb filter & 2nd video amplifier
    {4, {"Text2"}},             // delay line
    {17, {"Text15", "Shape3"}}, // colour killer circuit and its control
    {20, {"Shape1"}},           // contrast too low
    {21, {"Shape2"}},           // brightness too high
    {22, {"Text3"}},            // insufficient retrace blanking
};

// By colour problem code (frmProblems.txtB). Codes 11, 12 and 17 open other screens and mark nothing.
const Marks kColorMarks[] = {
    {1, {"Shape4"}},           // Adjust color control
    {2, {"Shape3"}},           // Adjust color killer circuit
    {3, {"Shape5"}},           // Adjust ACC control
    {4, {"Text13", "Shape5"}}, // ACC circuit
    {5, {"Text12", "Text14"}}, // 1st or 2nd chroma amplifiers
    {6, {"Text15", "Shape3"}}, // Color killer circuit
    {7, {"Text9"}},            // 3.58 mhz oscillator
    {8, {"Text10"}},           // Phase detector & oscillator control
    {9, {"Text8"}},            // Phase shift network
    {10, {"Text4"}},           // Color demodulators
    {13, {"Shape4"}},          // Color control advanced too high
    {14, {"Shape3"}},          // Adjust color killer control
    {15, {"Text15"}},          // Color killer circuit, on its own
    {16, {"Text10"}},          // Phase detector circuit
    {18, {"Text9"}},           // 3.58 mhz oscillator
    {19, {"Text11"}},          // Burst gate
    {20, {"Text10"}},          // Phase detector & oscillator control
    {21, {"Shape6"}},          // Adjust tint control
    // One colour missing or flooding the screen: its driver, or its gun in the picture tube.
    {22, {"Text5", "Picture1"}}, // Red amplifier/driver
    {23, {"Text6", "Picture1"}}, // Green amplifier/driver
    {24, {"Text7", "Picture1"}}, // Blue amplifier/driver
    {25, {"Text4", "Text5"}},  // R-Y demodulator
    {26, {"Text4", "Text6"}},  // G-Y demodulator
    {27, {"Text4", "Text7"}},  // B-Y demodulator
};

// Highlights are only ever added: a fresh load starts from the design colours.
void mark(Screen& screen, std::span<const Marks> table, int code)
{
    const auto row = std::ranges::find(table, code, &Marks::code);
    if (row == table.end())
        return;
    for (const char* name : row->controls)
        if (name)
            highlight(screen.control(name));
}

// Four lines of blanks set "Color demodulators" down from the top of the tall box.
QString demodulatorsText()
{
    return QStringList{QString(17, QLatin1Char(' ')),
                       QString(19, QLatin1Char(' ')),
                       QString(12, QLatin1Char(' ')),
                       QString(10, QLatin1Char(' ')),
                       QCoreApplication::translate("frmColor", "Color demodulators").replace(u' ', u'\n'),
                       QString()}
        .join(QLatin1Char('\n'));
}

// The boxes' words are set a little smaller than the labels', so that "amplifier" and "1st chroma" fit the
// narrowest boxes whole.
Ctl box(const char* name, const QString& text, int left, int top, int width, int height)
{
    return diagrams::block(name, text, left, top, width, height).bold(7.5);
}
} // namespace

frmColor::frmColor()
    : Form(QStringLiteral("frmColor"), QT_TR_NOOP("Video and Color Circuits"), QSize(11580, 7080))
{}

// Wires run box edge to box edge at the boxes' middles: the luminance path at 1207, the sync chain at
// 4560, the drivers at 3727, 4687 and 5647; the bus left of the drivers stands at 7560.
Design frmColor::design() const
{
    return table();
}

Design frmColor::table()
{
    return {
        textBox("Text16", "", 3360, 240, 975, 285).says(QT_TR_NOOP("Problem code")).bold(8.25).readOnly(),
        command("cmdQuit", QT_TR_NOOP("Quit"), 3840, 6120, 1335, 495).bold(8.25),
        command("cmdReturn", QT_TR_NOOP("Return"), 1680, 6120, 1455, 495).bold(8.25),
        picture("Picture1", ":/assets/color-tube.svg", 9000, 3840, 2415, 1935)
            .says(QT_TR_NOOP("Color picture tube"))
            .bordered()
            .back(colors::white),

        box("Text15", QT_TR_NOOP("Color killer"), 4200, 3120, 855, 495),
        box("Text14", QT_TR_NOOP("2nd chroma amplifier"), 4440, 2160, 1215, 495),
        box("Text13", QT_TR_NOOP("ACC"), 2640, 3120, 975, 495),
        box("Text12", QT_TR_NOOP("1st chroma amplifier"), 2640, 2160, 975, 495),
        box("Text11", QT_TR_NOOP("Burst gate"), 720, 4200, 735, 735),
        box("Text10", QT_TR_NOOP("Phase detector and oscillator control"), 1920, 4200, 1215, 855),
        box("Text9", QT_TR_NOOP("3.58 mhz oscillator"), 3480, 4200, 975, 735),
        box("Text8", QT_TR_NOOP("Phase shift network"), 4920, 4200, 855, 735),
        box("Text7", QT_TR_NOOP("Blue video driver"), 7800, 5280, 735, 735),
        box("Text6", QT_TR_NOOP("Green video driver"), 7800, 4320, 735, 735),
        box("Text5", QT_TR_NOOP("Red video driver"), 7800, 3360, 735, 735),
        box("Text4", demodulatorsText(), 6120, 3480, 1215, 2295),
        box("Text3", QT_TR_NOOP("3rd video amplifier and brightness limiter"), 5760, 840, 1575, 735),
        textBox("Text2", QT_TR_NOOP("Delay line"), 4320, 840, 975, 735).bold(8.25).readOnly(),
        box("Text1", QT_TR_NOOP("Comb filter & 2nd video amplifier"), 2760, 840, 975, 735),

        // Knob stubs: from a box's bottom edge down to the top of its knob.
        blueLine("Line42", 9247, 5775, 9247, 5880), // picture tube - Screen
        blueLine("Line41", 4207, 4935, 4207, 5040), // 3.58 mhz oscillator - Tint
        blueLine("Line40", 3367, 3615, 3367, 3720), // ACC - ACC
        blueLine("Line39", 4927, 3615, 4927, 3660), // Color killer - Color killer
        blueLine("Line38", 4927, 2655, 4927, 2760), // 2nd chroma amplifier - Color
        blueLine("Line37", 5887, 1575, 5887, 1680), // 3rd video amplifier - Brightness
        blueLine("Line36", 3487, 1575, 3487, 1680), // comb filter - Contrast

        blueLabel("Label10", QT_TR_NOOP("Click for base diagrams"), 9360, 3480, 2100, 255),
        blueLabel("Label9", QT_TR_NOOP("Screen"), 9435, 5880, 855, 255),
        blueLabel("Label8", QT_TR_NOOP("RGB Drive"), 8115, 6120, 975, 255),
        blueLabel("Label7", QT_TR_NOOP("Tint"), 4395, 5040, 615, 255),
        blueLabel("Label6", QT_TR_NOOP("ACC"), 3555, 3720, 615, 255),
        blueLabel("Label5", QT_TR_NOOP("Color killer"), 5115, 3660, 975, 255),
        blueLabel("Label4", QT_TR_NOOP("Color"), 5115, 2760, 735, 255),
        blueLabel("Label3", QT_TR_NOOP("Brightness"), 6075, 1680, 1095, 255),
        blueLabel("Label2", QT_TR_NOOP("Contrast"), 3675, 1680, 975, 255),

        knob("Shape8", 7800, 6120).says(QT_TR_NOOP("RGB Drive knob")),
        knob("Shape7", 9120, 5880).says(QT_TR_NOOP("Screen knob")),
        knob("Shape6", 4080, 5040).says(QT_TR_NOOP("Tint knob")),
        knob("Shape5", 3240, 3720).says(QT_TR_NOOP("ACC knob")),
        knob("Shape4", 4800, 2760).says(QT_TR_NOOP("Color knob")),
        knob("Shape3", 4800, 3600 + (375 - 255) / 2)
            .says(QT_TR_NOOP("Color killer knob")), // a 255 x 375 frame: its circle sits in the middle
        knob("Shape2", 5760, 1680).says(QT_TR_NOOP("Brightness knob")),
        knob("Shape1", 3360, 1680).says(QT_TR_NOOP("Contrast knob")),

        line("Line35", 4200, 3367, 3615, 3367), // Color killer - ACC
        line("Line34", 4560, 2655, 4560, 3120), // 2nd chroma amplifier - Color killer
        line("Line33", 3840, 5400, 3840, 4935), // ... up to the bottom of the oscillator
        line("Line32", 2760, 5055, 2760, 5400), // phase detector, below both boxes ...
        line("Line31", 2760, 5400, 3840, 5400),
        line("Line30", 1680, 3960, 1680, 4560), // ... down to the burst gate - phase detector link
        line("Line29", 3000, 3960, 1680, 3960),
        line("Line28", 3000, 3615, 3000, 3960), // ACC, inside the path round the left ...
        line("Line27", 480, 3840, 480, 4560),
        line("Line26", 2760, 3840, 480, 3840),
        line("Line25", 2760, 3615, 2760, 3840), // ACC, round the left ...
        line("Line24", 480, 4560, 720, 4560),   // ... into the burst gate's left side
        line("Line23", 3000, 2655, 3000, 3120), // 1st chroma amplifier - ACC
        line("Line22", 5655, 2407, 6720, 2407), // 2nd chroma amplifier ...
        line("Line21", 6720, 2407, 6720, 3480), // ... down into the demodulators
        line("Line20", 3615, 2407, 4440, 2407), // 1st - 2nd chroma amplifier
        line("Line19", 3000, 1575, 3000, 2160), // comb filter - 1st chroma amplifier
        line("Line18", 5775, 4560, 6120, 4560), // phase shift network - demodulators
        line("Line17", 4455, 4560, 4920, 4560), // oscillator - phase shift network
        line("Line16", 3135, 4560, 3480, 4560), // phase detector - oscillator
        line("Line15", 1455, 4560, 1920, 4560), // burst gate - phase detector
        line("Line14", 8535, 5647, 9000, 5647), // blue driver - picture tube
        line("Line13", 8535, 4687, 9000, 4687), // green driver - picture tube
        line("Line12", 8760, 3960, 9000, 3960), // red driver - picture tube
        line("Line11", 8535, 3960, 8760, 3960),
        line("Line10", 7335, 1207, 7560, 1207),    // 3rd video amplifier - bus
        line("Line9", 7560, 1207, 7560, 3727),     // the bus
        line("Line8", 7335, 4200, 7560, 4200),     // demodulators - bus
        line("Line7", 7560, 5647, 7800, 5647),     // bus - blue driver
        line("Line6", 7560, 4687, 7800, 4687),     // bus - green driver
        line("Line5", 7560, 3727, 7800, 3727),     // bus - red driver
        line("Line4", 7560, 3727, 7560, 5647),     // the bus, on down the drivers
        line("Line3", 5295, 1207, 5760, 1207),     // delay line - 3rd video amplifier
        line("Line2", 3735, 1207, 4320, 1207),     // comb filter - delay line
        blueLine("Line1", 1500, 1207, 2760, 1207), // from the video amplifier into the comb filter

        blueLabel("Label1", QT_TR_NOOP("From video amplifier"), 600, 960, 1305, 720),
    };
}

QWidget* frmColor::Text(int number)
{
    return control(QStringLiteral("Text%1").arg(number));
}

fw::Shape* frmColor::Shape(int number)
{
    return control<fw::Shape>(QStringLiteral("Shape%1").arg(number));
}

fw::Line* frmColor::Line(int number)
{
    return control<fw::Line>(QStringLiteral("Line%1").arg(number));
}

fw::Label* frmColor::Label(int number)
{
    return control<fw::Label>(QStringLiteral("Label%1").arg(number));
}

void frmColor::wire()
{
    // The picture tube is the one thing here that opens a page: it looks and acts like it.
    Picture1()->setCursor(Qt::PointingHandCursor);
    Picture1()->setFocusPolicy(Qt::StrongFocus);
    connect(Picture1(), &PictureBox::Click, this, &frmColor::Picture1_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmColor::cmdReturn_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmColor::cmdQuit_Click);
    frmNotes::offerOn(*this);
}

void frmColor::Form_Load()
{
    place(*this);
    frmPicture& picture = frmPicture::get();
    QString pictureCode;
    if (picture.code() > 0) {
        pictureCode = picture.txtA()->Text();
        mark(*this, kPictureMarks, picture.code());
    }
    mark(*this, kColorMarks, frmProblems::get().code());
    Text16()->setText(pictureCode);
}

void frmColor::Picture1_Click()
{
    Hide();
    frmCtube::get().Show();
}

// The picture problem code is asked first. Neither code set is no flow's doing: the main menu then comes
// back rather than leaving no screen on the display.
void frmColor::cmdReturn_Click()
{
    if (frmPicture::get().code() != 0)
        frmPicture::get().Show();
    else if (frmProblems::get().code() != 0)
        frmProblems::get().Show();
    else
        fw::showMainMenu();
    Unload();
}

void frmColor::cmdQuit_Click()
{
    services().End();
}
