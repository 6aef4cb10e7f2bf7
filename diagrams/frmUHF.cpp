#include "diagrams/frmUHF.h"

#include "diagrams/frmFront.h"
#include "diagrams/tuners.h"
#include "runtime/placement.h"

using namespace fw;

namespace {
constexpr int kLineWidth = 3;
constexpr int kAxis = 2760; // the middle of the column of blocks
} // namespace

frmUHF::frmUHF() : Form(QStringLiteral("frmUHF"), QT_TR_NOOP("UHF Tuner"), QSize(9405, 6570)) {}

Design frmUHF::design() const
{
    Design d{
        command("cmdReturn", QT_TR_NOOP("Return"), 5520, 1800, 1215, 495).bold(9.75),
        command("Command1", QT_TR_NOOP("Go to channel/frequency convertor"), 4320, 600, 3615, 495).bold(9.75),
        textArea("Text3", QT_TR_NOOP("Oscillator"), 2040, 4320, 1455, 615).bold(8.25).readOnly(),
        textArea("Text2", QT_TR_NOOP("Mixer"), 2040, 2940, 1455, 615).bold(8.25).readOnly(),
        textArea("Text1", QT_TR_NOOP("RF Amplifier"), 2040, 1560, 1455, 615).bold(8.25).readOnly(),
        label("Label2", QT_TR_NOOP("AFT and remote tuning"), 4560, 4560, 2055, 255).fore(colors::blue),
        label("Label1", QT_TR_NOOP("45.75 mhz picture IF & 41.25 mhz sound IF"), 4680, 3000, 1935, 495)
            .fore(colors::blue),
    };
    int number = 0;
    tuners::addAntenna(d, number, kAxis, 840, 480, kLineWidth);
    d.push_back(line(QStringLiteral("Line%1").arg(++number), kAxis, 840, kAxis, 1560).width(kLineWidth));
    tuners::addArrow(d, number, kAxis, 2175, kAxis, 2940, kLineWidth); // RF amplifier down into the mixer
    tuners::addArrow(d, number, kAxis, 4320, kAxis, 3555, kLineWidth); // oscillator up into the mixer
    tuners::addArrow(d, number, 3495, 3240, 4560, 3240, kLineWidth);   // mixer out: the IF
    tuners::addArrow(d, number, 4440, 4680, 3495, 4680, kLineWidth);   // into the oscillator
    return d;
}

void frmUHF::wire()
{
    connect(Command1(), &CommandButton::Click, this, &frmUHF::Command1_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmUHF::cmdReturn_Click);
}

void frmUHF::Form_Load()
{
    place(*this);
}

void frmUHF::Command1_Click()
{
    tuners::showConverter();
    Unload();
}

// The front end diagram is built anew and reads its highlights again from the symptom screens.
void frmUHF::cmdReturn_Click()
{
    frmFront::get().Show();
    Unload();
}
