#include "diagnosis/targets.h"

namespace diagnosis {

bool showTarget(Target target)
{
    switch (target) {
    case Target::Front:
    case Target::Color:
    case Target::LVPower:
    case Target::Degauss:
    case Target::Converg:
        break;
    }
    return false;
}

} // namespace diagnosis
