#pragma once

#include "diagrams/lvpowerpage.h"

// Reference page: the linear power supply: transformer, bridge, regulated and unregulated B+.
class frmPSLin : public LVPowerPage<frmPSLin>
{
public:
    frmPSLin();

protected:
    fw::Design design() const override;
};
