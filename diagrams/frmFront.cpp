#include "diagrams/frmFront.h"

#include "diagnosis/frmPicture.h"
#include "diagnosis/frmProblems.h"
#include "diagnosis/frmSound.h"
#include "diagrams/frmNotes.h"
#include "diagrams/frmUHF.h"
#include "diagrams/frmVHF.h"
#include "diagrams/parts.h"
#include "runtime/placement.h"
#include "runtime/services.h"

#include <vector>

using namespace fw;

namespace {
struct Marks
{
    int key; // an origin or a picture problem code
    QStringList controls;
};

// The problem areas of each way in. A box turns white on red, the loudspeaker picture red, the AGC control
// circle red; highlights of the origin and of the picture problem code add up.
const std::vector<Marks>& byOrigin()
{
    static const std::vector<Marks> table{
        {frmFront::SoundPoorPicture, {"Text1", "Text2", "Text4", "Text5"}},
        {frmFront::SoundPictureOK, {"Text9", "Text10", "Text11", "Text8", "Picture1"}},
    };
    return table;
}

const std::vector<Marks>& byPictureCode()
{
    static const std::vector<Marks> table{
        {1, {"Text4"}},   // "1st video amplifier"
        {5, {"Shape3"}},  // "Excessive AGC"
        {6, {"Shape3"}},  // "Insufficient AGC"
        {8, {"Shape3"}},  // "Adjust AGC control", picture torn horizontally
        {12, {"Shape3"}}, // "Adjust AGC control", picture rolls vertically
        {15, {"Shape3"}}, // "Adjust AGC control", both
        {18, {"Text6"}},  // "Adjust sound trap in video detector circuit"
    };
    return table;
}

const QStringList* marksFor(const std::vector<Marks>& table, int key)
{
    for (const Marks& row : table)
        if (row.key == key)
            return &row.controls;
    return nullptr;
}

constexpr int kBoxHigh = 615; // a block of two lines
} // namespace

frmFront::frmFront() : Form(QStringLiteral("frmFront"), QT_TR_NOOP("TV Front End"), QSize(11010, 6450)) {}

Design frmFront::design() const
{
    return table();
}

Design frmFront::table()
{
    const auto box = diagrams::block;
    const auto blue = [](const char* name, const char* text, int left, int top, int width, int height) {
        return label(name, text, left, top, width, height).fore(colors::blue);
    };
    Design d{
        frame("Frame1", QT_TR_NOOP("Legend"), 0, 4080, 1695, 2055),
        label("Label9", QT_TR_NOOP("Click these boxes for additional information"), 600, 360, 1005, 855)
            .in("Frame1"),
        label("Label8", QT_TR_NOOP("Problem areas"), 600, 1440, 1005, 495).in("Frame1"),
        label("Shape5", "", 240, 420, 255, 255)
            .says(QT_TR_NOOP("Colour of clickable boxes"))
            .in("Frame1")
            .back(colors::lightCyan)
            .bordered(),
        label("Shape4", "", 240, 1440, 255, 255)
            .says(QT_TR_NOOP("Colour of problem areas"))
            .in("Frame1")
            .back(colors::red)
            .bordered(),
        command("cmdQuit", QT_TR_NOOP("Quit"), 6360, 4920, 1215, 495).bold(9.75),
        command("cmdReturn", QT_TR_NOOP("Return"), 3120, 4920, 1215, 495).bold(9.75),
        box("Text14", QT_TR_NOOP("Blanking amplifier"), 7800, 3240, 1215, 495),
        box("Text13", QT_TR_NOOP("AGC & Noise gate"), 5520, 3240, 1215, 495),
        box("Text12", QT_TR_NOOP("Delayed AGC"), 1800, 3360, 1095, 495),
        picture("Picture1", ":/assets/loudspeaker.svg", 9960, 600, 855, 855).says(QT_TR_NOOP("Loudspeaker")),
        box("Text11", QT_TR_NOOP("Audio amplifier"), 8640, 720, 975, kBoxHigh),
        box("Text10", QT_TR_NOOP("Sound detector"), 7440, 720, 975, kBoxHigh),
        box("Text9", QT_TR_NOOP("Sound IF amplifier"), 6000, 720, 1095, kBoxHigh),
        box("Text8", QT_TR_NOOP("Sound IF detector"), 4560, 720, 1095, kBoxHigh),
        box("Text7", QT_TR_NOOP("Video amplifier"), 7680, 1800, 1095, 495),
        box("Text6", QT_TR_NOOP("Video detector"), 5760, 1800, 1095, 495),
        box("Text5", QT_TR_NOOP("2nd & 3rd video amplifiers"), 4080, 1680, 1455, 735),
        box("Text4", QT_TR_NOOP("1st Video amplifier & SAW filter"), 2400, 1680, 1335, 735),
        box("Text3", QT_TR_NOOP("Automatic frequency tuner"), 2400, 720, 1455, kBoxHigh),
        box("Text2", QT_TR_NOOP("VHF \nTuner\n"), 360, 1680, 1095, kBoxHigh).back(colors::lightCyan),
        box("Text1", QT_TR_NOOP("UHF \nTuner\n"), 1080, 720, 975, kBoxHigh).back(colors::lightCyan),
        blue("Label7", QT_TR_NOOP("To Sync seperator"), 9300, 2640, 1695, 255),
        blue("Label6", QT_TR_NOOP("To 2nd video amplifier"), 9300, 1920, 1695, 255),
        blue("Label5", QT_TR_NOOP("Volume"), 8400, 1500, 600, 255),
        blue("Label4", QT_TR_NOOP("AGC"), 6300, 4080, 495, 255),
        blue("Label3", QT_TR_NOOP("Delay"), 2520, 4200, 615, 255),
        knob("Shape3", 6015, 4080, 210).says(QT_TR_NOOP("AGC knob")),
        knob("Shape2", 2235, 4200, 210).says(QT_TR_NOOP("Delay knob")),
        knob("Shape1", 9015, 1500, 210).says(QT_TR_NOOP("Volume knob")),
        blue("Label2", QT_TR_NOOP("Speaker"), 9960, 1470, 855, 255).centred(),
        blue("Label1", QT_TR_NOOP("Antennas"), 720, 240, 840, 255).centred(),
    };

    // Each connection is a run of straight segments through the points given; each antenna a triangle
    // standing on its point, from which the lead runs down.
    struct Run
    {
        std::vector<QPoint> points;
        bool isBlue = false;
    };
    const Run runs[] = {
        {{{300, 120}, {660, 120}, {480, 480}, {300, 120}}},         // antenna for VHF
        {{{1620, 120}, {1980, 120}, {1800, 480}, {1620, 120}}},     // antenna for UHF
        {{{480, 480}, {480, 1680}}},                                // antenna, VHF Tuner
        {{{1800, 480}, {1800, 720}}},                               // antenna, UHF Tuner
        {{{1260, 1335}, {1260, 1680}}},                             // UHF Tuner, VHF Tuner
        {{{2055, 1020}, {2400, 1020}}},                             // UHF Tuner, automatic frequency tuner
        {{{1455, 1800}, {2160, 1800}, {2160, 1200}, {2400, 1200}}}, // VHF Tuner, automatic frequency tuner
        {{{1455, 2100}, {2400, 2100}}},                             // VHF Tuner, 1st video amplifier
        {{{3735, 2040}, {4080, 2040}}},                             // 1st video, 2nd & 3rd video amplifiers
        {{{3855, 1200}, {4320, 1200}, {4320, 1680}}}, // automatic frequency tuner, 2nd & 3rd video amplifiers
        {{{4800, 1680}, {4800, 1335}}},               // 2nd & 3rd video amplifiers, sound IF detector
        {{{5655, 1020}, {6000, 1020}}},               // sound IF detector, sound IF amplifier
        {{{7095, 1020}, {7440, 1020}}},               // sound IF amplifier, sound detector
        {{{8415, 1020}, {8640, 1020}}},               // sound detector, audio amplifier
        {{{9615, 1020}, {9960, 1020}}},               // audio amplifier, loudspeaker
        {{{5535, 2040}, {5760, 2040}}},               // 2nd & 3rd video amplifiers, video detector
        {{{6855, 2040}, {7680, 2040}}},               // video detector, video amplifier
        {{{8520, 2295}, {8520, 3240}}},               // video amplifier, blanking amplifier
        {{{7920, 2295}, {7920, 2880}, {6360, 2880}, {6360, 3240}}}, // video amplifier, AGC & noise gate
        {{{3240, 2415}, {3240, 3480}, {5520, 3480}}},               // 1st video amplifier, AGC & noise gate
        {{{4560, 2415}, {4560, 3720}, {2895, 3720}}},               // 2nd & 3rd video amplifiers, delayed AGC
        {{{1800, 3600}, {900, 3600}, {900, 2295}}},                 // delayed AGC, VHF Tuner
        {{{6120, 3735}, {6120, 4080}}, true},                       // AGC & noise gate, AGC control
        {{{9120, 1335}, {9120, 1500}}, true},                       // audio amplifier, volume control
        {{{2340, 3855}, {2340, 4200}}, true},                       // delayed AGC, delay control
        {{{8775, 2040}, {9240, 2040}}, true},               // video amplifier, "To 2nd video amplifier"
        {{{8700, 2295}, {8700, 2760}, {9240, 2760}}, true}, // video amplifier, "To Sync seperator"
    };
    int number = 0;
    for (const Run& run : runs) {
        for (std::size_t i = 1; i < run.points.size(); ++i) {
            const QPoint from = run.points[i - 1];
            const QPoint to = run.points[i];
            Ctl segment = line(QStringLiteral("Line%1").arg(++number), from.x(), from.y(), to.x(), to.y());
            if (run.isBlue)
                segment.fore(colors::blue);
            d.push_back(segment);
        }
    }
    return d;
}

void frmFront::wire()
{
    connect(Text1(), &TextArea::Click, this, &frmFront::Text1_Click);
    connect(Text2(), &TextArea::Click, this, &frmFront::Text2_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmFront::cmdReturn_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmFront::cmdQuit_Click);
    frmNotes::offerOn(*this);
    for (TextArea* tuner : {Text1(), Text2()})
        tuner->viewport()->setCursor(Qt::PointingHandCursor);
}

void frmFront::Form_Load()
{
    m_pictureCode = static_cast<std::int16_t>(frmPicture::get().code());
    place(*this);
    frmSound& sound = frmSound::get();
    m_origin = sound.Opt2()->Value() ? SoundPoorPicture : sound.opt1()->Value() ? SoundPictureOK : None;

    for (const QStringList* marks :
         {marksFor(byOrigin(), m_origin), marksFor(byPictureCode(), m_pictureCode)})
        if (marks)
            for (const QString& name : *marks)
                highlight(control(name));
}

void frmFront::Text1_Click()
{
    frmUHF::get().Show();
    Unload();
}

void frmFront::Text2_Click()
{
    frmVHF::get().Show();
    Unload();
}

void frmFront::cmdReturn_Click()
{
    if (m_pictureCode != 0)
        m_origin = Picture;
    switch (m_origin) {
    case SoundPoorPicture:
    case SoundPictureOK:
        frmSound::get().Show();
        break;
    case Picture:
        frmPicture::get().Show();
        break;
    default:
        frmProblems::get().Show();
        break;
    }
    Unload();
}

void frmFront::cmdQuit_Click()
{
    services().End();
}
