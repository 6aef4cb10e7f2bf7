#include "diagnosis/targets.h"

#include "diagrams/frmColor.h"
#include "diagrams/frmConverg.h"
#include "diagrams/frmDegauss.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmLVPower.h"

namespace diagnosis {

void showTarget(Target target)
{
    switch (target) {
    case Target::Front:
        frmFront::get().Show();
        break;
    case Target::Color:
        frmColor::get().Show();
        break;
    case Target::LVPower:
        frmLVPower::get().Show();
        break;
    case Target::Degauss:
        frmDegauss::get().Show();
        break;
    case Target::Converg:
        frmConverg::get().Show();
        break;
    }
}

} // namespace diagnosis
