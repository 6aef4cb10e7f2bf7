#pragma once

#include "diagrams/lvpowerpage.h"

// Reference page: the scan-derived supply: the flyback transformer's outputs.
class frmScan : public LVPowerPage<frmScan>
{
public:
    frmScan();

protected:
    fw::Design design() const override;
};
