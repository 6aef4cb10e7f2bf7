#include "diagnosis/targets.h"

#include "diagrams/frmColor.h"
#include "diagrams/frmFront.h"
#include "diagrams/frmLVPower.h"

namespace diagnosis {

bool showTarget(Target target)
{
    switch (target) {
    case Target::Front:
        frmFront::get().Show();
        return true;
    case Target::Color:
        frmColor::get().Show();
        return true;
    case Target::LVPower:
        frmLVPower::get().Show();
        return true;
    case Target::Degauss:
    case Target::Converg:
        break;
    }
    return false;
}

} // namespace diagnosis
