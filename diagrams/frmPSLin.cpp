#include "diagrams/frmPSLin.h"

using namespace fw;

frmPSLin::frmPSLin()
    : LVPowerPage(QStringLiteral("frmPSLin"), QStringLiteral("Linear Power Supply"), QSize(9375, 6000))
{}

Design frmPSLin::design() const
{
    return {
        picture("Picture1", ":/assets/ps-linear.svg", 570, 645, 8220, 4095)
            .says("Schematic of a linear power supply with two outputs"),
        command("cmdReturn", "Return", 4440, 5400, 1095, 375).bold(9.75),
    };
}
