#include "diagrams/frmDegauss.h"

#include "diagnosis/frmProblems.h"
#include "runtime/placement.h"

using namespace fw;

frmDegauss::frmDegauss()
    : Form(QStringLiteral("frmDegauss"), QT_TR_NOOP("Degaussing Procedures"), QSize(10065, 6645))
{}

Design frmDegauss::design() const
{
    return {
        command("cmdReturn", QT_TR_NOOP("Return"), 4560, 6000, 1095, 495),
        picture("Picture1", ":/assets/degaussing.svg", 1080, 480, 8055, 5295)
            .says(QT_TR_NOOP("Degaussing picture tubes: the set's own degaussing coil and a hand-held coil")),
    };
}

void frmDegauss::wire()
{
    connect(cmdReturn(), &CommandButton::Click, this, &frmDegauss::cmdReturn_Click);
}

void frmDegauss::Form_Load()
{
    place(*this);
}

void frmDegauss::cmdReturn_Click()
{
    frmProblems::get().Show();
    Unload();
}
