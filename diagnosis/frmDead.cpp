#include "diagnosis/frmDead.h"

#include "diagrams/frmLVPower.h"
#include "runtime/mainmenu.h"
#include "runtime/placement.h"
#include "runtime/services.h"

using namespace fw;

namespace {
const char* const kChecklistCaption = QT_TRANSLATE_NOOP("frmDead", "Initial checks complete");
const char* const kAreasCaption = QT_TRANSLATE_NOOP("frmDead", "Return to initial checks");
} // namespace

frmDead::frmDead() : Form(QStringLiteral("frmDead"), QT_TR_NOOP("TV Dead"), QSize(9240, 6480)) {}

Design frmDead::design() const
{
    return {
        option("optReturn", "Option2", 360, 600, 1335, 255).says(QT_TR_NOOP("No step chosen")).hidden(),
        command("cmdQuit", QT_TR_NOOP("Quit"), 7560, 4560, 975, 495),
        command("cmdReturn", QT_TR_NOOP("Return"), 720, 5160, 1215, 495),
        command("cmdContinue", QT_TR_NOOP("Continue"), 720, 4200, 1215, 495).hidden(),
        listBox("List2", 2400, 3840, 4575, 2220)
            .says(QT_TR_NOOP("Problem areas"))
            .items({QT_TR_NOOP("Low voltage power supply"), QT_TR_NOOP("Voltage regulator"),
                    QT_TR_NOOP("Horizontal driver"), QT_TR_NOOP("Horizontal output"), QT_TR_NOOP("Damper"),
                    QT_TR_NOOP("High voltage hold-down circuit")})
            .bold(13.5)
            .hidden(),
        command("Command1", kChecklistCaption, 2640, 2760, 4335, 375),
        listBox("List1", 2160, 1320, 5055, 1260)
            .says(QT_TR_NOOP("Initial Checks"))
            .items({QT_TR_NOOP("1. Check to see if TV is plugged in."),
                    QT_TR_NOOP("2. Verify voltage at wall socket with voltmeter."),
                    QT_TR_NOOP("3. Power switch on?"),
                    QT_TR_NOOP("4. Open back cover and check fuse. (TV unplugged!)"),
                    QT_TR_NOOP("5. Turn on TV and check voltage at chassis.")})
            .size(9.75),
        label("Label3", QT_TR_NOOP("You have isolated the problem to one of the following areas:"), 480, 3360,
              8400, 360)
            .bold(13.5)
            .back(colors::pink)
            .hidden(),
        label("Label2", QT_TR_NOOP("Initial Checks"), 2160, 960, 2055, 255).bold(12),
        label("Label1", QT_TR_NOOP("TV Dead"), 3960, 120, 2055, 555).bold(24).fore(colors::darkRed).centred(),
    };
}

void frmDead::wire()
{
    connect(Command1(), &CommandButton::Click, this, &frmDead::Command1_Click);
    connect(cmdContinue(), &CommandButton::Click, this, &frmDead::cmdContinue_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmDead::cmdReturn_Click);
    connect(cmdQuit(), &CommandButton::Click, this, &frmDead::cmdQuit_Click);
}

void frmDead::Form_Load()
{
    fw::centre(*this);
}

// The button's caption tells which view is showing.
void frmDead::Command1_Click()
{
    const bool toAreas = Command1()->Caption() == tr(kChecklistCaption);
    List1()->setVisible(!toAreas);
    List2()->setVisible(toAreas);
    Label2()->setVisible(!toAreas);
    Command1()->setCaption(toAreas ? tr(kAreasCaption) : tr(kChecklistCaption));
    Label3()->setVisible(toAreas);
    cmdContinue()->setVisible(toAreas);
}

void frmDead::cmdContinue_Click()
{
    optReturn()->setValue(true);
    Hide();
    frmLVPower::get().Show();
}

void frmDead::cmdReturn_Click()
{
    Unload();
    fw::showMainMenu();
}

void frmDead::cmdQuit_Click()
{
    services().End();
}
