#include "diagrams/frmPSSw.h"

using namespace fw;

frmPSSw::frmPSSw()
    : LVPowerPage(QStringLiteral("frmPSSw"), QStringLiteral("Switching Type Power Supply"), QSize(9495, 6030))
{}

Design frmPSSw::design() const
{
    return {
        picture("Picture1", ":/assets/ps-switching.svg", 1200, 435, 7095, 4650)
            .says("Schematic of a switching type power supply"),
        command("cmdReturn", "Return", 4560, 5520, 1335, 375).bold(9.75),
    };
}
