#include "diagrams/frmDiag.h"

#include "diagrams/frmConverg.h"
#include "runtime/placement.h"

using namespace fw;

frmDiag::frmDiag() : Form(QStringLiteral("frmDiag"), QT_TR_NOOP("Convergence Diagram"), QSize(11055, 6795)) {}

Design frmDiag::design() const
{
    return {
        command("cmdReturn", QT_TR_NOOP("Return"), 9720, 6000, 1095, 495),
        picture("Picture1", ":/assets/convergence-diagram.svg", 1680, 360, 7815, 5895)
            .says(QT_TR_NOOP("Purity and static convergence ring magnets on the picture tube neck")),
    };
}

void frmDiag::wire()
{
    connect(cmdReturn(), &CommandButton::Click, this, &frmDiag::cmdReturn_Click);
}

void frmDiag::Form_Load()
{
    place(*this);
}

void frmDiag::cmdReturn_Click()
{
    frmConverg::get().Show();
    Unload();
}
