#include "diagrams/frmPSLin.h"

using namespace fw;

frmPSLin::frmPSLin()
    : LVPowerPage(QStringLiteral("frmPSLin"), QT_TR_NOOP("Linear Power Supply"), QSize(9375, 6000))
{}

Design frmPSLin::design() const
{
    return {
        picture("Picture1", ":/assets/ps-linear.svg", 570, 645, 8220, 4095)
            .says(QT_TR_NOOP("Schematic of a linear power supply with two outputs")),
        command("cmdReturn", QT_TR_NOOP("Return"), 4440, 5400, 1095, 375).bold(9.75),
    };
}
