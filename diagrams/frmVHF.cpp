#include "diagrams/frmVHF.h"

#include "diagrams/frmFront.h"
#include "diagrams/tuners.h"
#include "runtime/placement.h"

using namespace fw;

namespace {
constexpr int kLineWidth = 3;
} // namespace

frmVHF::frmVHF() : Form(QStringLiteral("frmVHF"), QString(), QSize(9945, 6150)) {}

Design frmVHF::design() const
{
    Design d{
        command("cmdReturn", QT_TR_NOOP("Return"), 5760, 1920, 1215, 495).bold(9.75),
        command("cmdConvert", QT_TR_NOOP("Go to channel/frequency convertor"), 5040, 720, 3615, 495)
            .bold(9.75),
        textArea("Text4", QT_TR_NOOP("Oscillator"), 2280, 4800, 1455, 615).bold(8.25).readOnly(),
        textArea("Text3", QT_TR_NOOP("Mixer"), 2400, 3600, 1215, 615).bold(8.25).readOnly(),
        textArea("Text2", QT_TR_NOOP("RF Amplifier"), 2280, 2400, 1455, 615).bold(8.25).readOnly(),
        textArea("Text1", QT_TR_NOOP("Balun"), 2400, 1200, 1215, 615).bold(8.25).readOnly(),
        label("Label3", QT_TR_NOOP("AFT &remote tuning"), 5040, 5160, 1935, 255).fore(colors::blue),
        label("Label2", QT_TR_NOOP("45.75 mhz picture IF & 41.25 mhz sound IF"), 5160, 3600, 1935, 495)
            .fore(colors::blue),
    };
    int number = 0;
    tuners::addAntenna(d, number, 3000, 840, 480, kLineWidth);
    for (const auto& [from, to] : {std::pair{840, 1200}, {1815, 2400}, {3015, 3600}, {4215, 4800}})
        d.push_back(line(QStringLiteral("Line%1").arg(++number), 3000, from, 3000, to).width(kLineWidth));
    tuners::addArrow(d, number, 3615, 3870, 5040, 3870, kLineWidth); // mixer out: the IF
    tuners::addArrow(d, number, 4920, 5280, 3735, 5280, kLineWidth); // into the oscillator
    d.push_back(label("Label1", QT_TR_NOOP("VHF Antenna"), 1200, 480, 1455, 255));
    return d;
}

void frmVHF::wire()
{
    connect(cmdConvert(), &CommandButton::Click, this, &frmVHF::cmdConvert_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmVHF::cmdReturn_Click);
}

void frmVHF::Form_Load()
{
    place(*this);
}

void frmVHF::cmdConvert_Click()
{
    tuners::showConverter();
    Unload();
}

// The front end diagram is built anew and reads its highlights again from the symptom screens.
void frmVHF::cmdReturn_Click()
{
    frmFront::get().Show();
    Unload();
}
