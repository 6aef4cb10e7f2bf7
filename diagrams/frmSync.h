#pragma once

#include "diagrams/lvpowerpage.h"

// Reference page: the sync separator and the vertical and horizontal sync paths.
class frmSync : public LVPowerPage<frmSync>
{
public:
    frmSync();

protected:
    fw::Design design() const override;
};
