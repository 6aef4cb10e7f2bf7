#include "diagrams/frmBTube.h"

#include "diagrams/frmCtube.h"
#include "runtime/placement.h"

using namespace fw;

frmBTube::frmBTube()
    : Form(QStringLiteral("frmBTube"), QT_TR_NOOP("Black & White TV Tube Base Diagram"), QSize(10200, 6750))
{}

Design frmBTube::design() const
{
    return {
        command("cmdReturn", QT_TR_NOOP("Return"), 4680, 5520, 1095, 495),
        picture("Picture1", ":/assets/bw-tube-bases.svg", 960, 720, 7935, 4575)
            .says(QT_TR_NOOP("Black and white picture tube base diagrams, seen from the pin side")),
    };
}

void frmBTube::wire()
{
    connect(cmdReturn(), &CommandButton::Click, this, &frmBTube::cmdReturn_Click);
}

void frmBTube::Form_Load()
{
    place(*this);
}

void frmBTube::cmdReturn_Click()
{
    frmCtube::get().Show();
    Unload();
}
