#include "diagnosis/targets.h"

#include "diagrams/frmColor.h"

namespace diagnosis {

bool showTarget(Target target)
{
    switch (target) {
    case Target::Color:
        frmColor::get().Show();
        return true;
    case Target::Front:
    case Target::LVPower:
    case Target::Degauss:
    case Target::Converg:
        break;
    }
    return false;
}

} // namespace diagnosis
