#pragma once

#include "diagrams/lvpowerpage.h"

// Reference page: the switching power supply and its opto-coupled regulator.
class frmPSSw : public LVPowerPage<frmPSSw>
{
public:
    frmPSSw();

protected:
    fw::Design design() const override;
};
