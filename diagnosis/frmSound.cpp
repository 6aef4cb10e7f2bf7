#include "diagnosis/frmSound.h"

#include "diagnosis/targets.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

using namespace fw;

frmSound::frmSound() : Form(QStringLiteral("frmSound"), QT_TR_NOOP("Sound Problems"), QSize(9975, 6090)) {}

Design frmSound::design() const
{
    return {
        command("cmdQuit", QT_TR_NOOP("Quit"), 7080, 5160, 1095, 495).bold(9.75),
        command("cmdReturn", QT_TR_NOOP("Return"), 4680, 5160, 1575, 495).bold(9.75),
        command("cmdContinue", QT_TR_NOOP("Continue"), 1800, 5160, 1815, 495).bold(9.75),
        // As wide as the left-hand list: at 3015 twips "Synchronous detectors" alone (201 pixels in bold
        // 13.5 pt) is wider than the list's page, which would need a scroll bar.
        listBox("List2", 6000, 2760, 3135, 1860)
            .says(QT_TR_NOOP("Picture circuits to check"))
            .items({QT_TR_NOOP("UHF tuner"), QT_TR_NOOP("VHF tuner"), QT_TR_NOOP("Remote tuning"),
                    QT_TR_NOOP("Video IF amplifiers"), QT_TR_NOOP("Synchronous detectors")})
            .bold(13.5)
            .hidden(),
        listBox("List1", 600, 2880, 3135, 1860)
            .says(QT_TR_NOOP("Sound circuits to check"))
            .items({QT_TR_NOOP("Sound IF detector"), QT_TR_NOOP("Sound IF amplifier"),
                    QT_TR_NOOP("Sound detector"), QT_TR_NOOP("Audio amplifier"), QT_TR_NOOP("Speakers")})
            .bold(13.5)
            .hidden(),
        frame("Frame1", QT_TR_NOOP("Symptom"), 240, 1200, 9015, 735).bold(9.75),
        option("Opt2", QT_TR_NOOP("Poor or no picture"), 5760, 360, 2655, 375).in("Frame1").bold(12),
        option("opt1", QT_TR_NOOP("Picture O.K."), 360, 360, 2055, 375).in("Frame1").bold(12),
        label("Label3", QT_TR_NOOP("Check the following:"), 6000, 2160, 3015, 375).bold(13.5).hidden(),
        label("Label2", QT_TR_NOOP("Check the following:"), 600, 2280, 3015, 375).bold(13.5).hidden(),
        label("Label1",
              QT_TR_NOOP(
                  "Your sound problem may be further diagnosed by checking one of the following symptoms:"),
              240, 240, 7215, 1215)
            .bold(13.5),
    };
}

void frmSound::wire()
{
    connect(opt1(), &OptionButton::Click, this, &frmSound::opt1_Click);
    connect(Opt2(), &OptionButton::Click, this, &frmSound::Opt2_Click);
    connect(cmdContinue(), &CommandButton::Click, this, &frmSound::cmdContinue_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmSound::cmdReturn_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmSound::cmdQuit_Click);
}

void frmSound::Form_Load()
{
    opt1()->setValue(false);
    Opt2()->setValue(false);
    place(*this, 1000);
}

void frmSound::opt1_Click()
{
    Label2()->show();
    List1()->show();
    Label3()->hide();
    List2()->hide();
}

void frmSound::Opt2_Click()
{
    Label3()->show();
    List2()->show();
    Label2()->hide();
    List1()->hide();
}

void frmSound::cmdContinue_Click()
{
    if (!opt1()->Value() && !Opt2()->Value())
        return;
    diagnosis::showTarget(diagnosis::Target::Front);
    Hide();
}

void frmSound::cmdReturn_Click()
{
    fw::showMainMenu();
    Unload();
}

void frmSound::cmdQuit_Click()
{
    services().End();
}
