#include "diagrams/frmCtube.h"

#include "diagrams/frmBTube.h"
#include "diagrams/frmColor.h"
#include "runtime/placement.h"

using namespace fw;

frmCtube::frmCtube()
    : Form(QStringLiteral("frmCtube"), QT_TR_NOOP("Color TV Tube Base Diagram"), QSize(10410, 6780))
{}

Design frmCtube::design() const
{
    return {
        command("cmdReturn", QT_TR_NOOP("Return"), 5880, 6000, 1575, 495),
        command("Command1", QT_TR_NOOP("Go to BW Tube Base Diagram"), 2040, 6000, 3375, 495),
        textBox("Text1", QT_TR_NOOP("Color TV Tube Base Diagram"), 2760, 240, 5175, 555)
            .bold(18)
            .centred()
            .readOnly(),
        picture("Picture1", ":/assets/color-tube-bases.svg", 480, 840, 9015, 4935)
            .says(QT_TR_NOOP("Color picture tube base diagrams, seen from the pin side")),
    };
}

void frmCtube::wire()
{
    connect(Command1(), &CommandButton::Click, this, &frmCtube::Command1_Click);
    connect(cmdReturn(), &CommandButton::Click, this, &frmCtube::cmdReturn_Click);
}

void frmCtube::Form_Load()
{
    place(*this);
}

void frmCtube::Command1_Click()
{
    frmBTube::get().Show();
    Unload();
}

// Always back to the video and color diagram, whichever way the page was reached.
void frmCtube::cmdReturn_Click()
{
    frmColor::get().Show();
    Unload();
}
