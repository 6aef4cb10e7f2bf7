#include "diagnosis/targets.h"

#include "diagrams/frmFront.h"

namespace diagnosis {

bool showTarget(Target target)
{
    switch (target) {
    case Target::Front:
        frmFront::get().Show();
        return true;
    case Target::Color:
    case Target::LVPower:
    case Target::Degauss:
    case Target::Converg:
        break;
    }
    return false;
}

} // namespace diagnosis
