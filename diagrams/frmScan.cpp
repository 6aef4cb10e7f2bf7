#include "diagrams/frmScan.h"

using namespace fw;

frmScan::frmScan()
    : LVPowerPage(QStringLiteral("frmScan"), QStringLiteral("Scan Derived Power Supply"), QSize(9705, 6480))
{}

Design frmScan::design() const
{
    return {
        picture("Picture1", ":/assets/ps-scan-derived.svg", 1065, 420, 7560, 4785)
            .says("Schematic of a scan derived power supply"),
        command("cmdReturn", "Return", 4440, 5640, 1215, 495).bold(9.75),
    };
}
