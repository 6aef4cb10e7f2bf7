#include "diagrams/frmPSSw.h"

using namespace fw;

frmPSSw::frmPSSw()
    : LVPowerPage(QStringLiteral("frmPSSw"), QT_TR_NOOP("Switching Type Power Supply"), QSize(9495, 6030))
{}

Design frmPSSw::design() const
{
    return {
        picture("Picture1", ":/assets/ps-switching.svg", 1200, 435, 7095, 4650)
            .says(QT_TR_NOOP("Schematic of a switching type power supply")),
        command("cmdReturn", QT_TR_NOOP("Return"), 4560, 5520, 1335, 375).bold(9.75),
    };
}
