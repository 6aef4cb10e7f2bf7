#include "diagrams/frmSync.h"

using namespace fw;

frmSync::frmSync() : LVPowerPage(QStringLiteral("frmSync"), QT_TR_NOOP("Sync Seperator"), QSize(9585, 7170))
{}

Design frmSync::design() const
{
    return {
        picture("Picture1", ":/assets/sync-separator.svg", 600, 270, 8370, 5820)
            .says(QT_TR_NOOP(
                "Block diagram of the sync separator feeding the vertical and horizontal deflection")),
        command("cmdReturn", QT_TR_NOOP("Return"), 4200, 6360, 1335, 495).bold(9.75),
    };
}
