#include "diagrams/frmScan.h"

using namespace fw;

frmScan::frmScan()
    : LVPowerPage(QStringLiteral("frmScan"), QT_TR_NOOP("Scan Derived Power Supply"), QSize(9705, 6480))
{}

Design frmScan::design() const
{
    return {
        picture("Picture1", ":/assets/ps-scan-derived.svg", 1065, 420, 7560, 4785)
            .says(QT_TR_NOOP("Schematic of a scan derived power supply")),
        command("cmdReturn", QT_TR_NOOP("Return"), 4440, 5640, 1215, 495).bold(9.75),
    };
}
