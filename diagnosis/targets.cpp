#include "diagnosis/targets.h"

#include "diagrams/frmConverg.h"
#include "diagrams/frmDegauss.h"

namespace diagnosis {

bool showTarget(Target target)
{
    switch (target) {
    case Target::Degauss:
        frmDegauss::get().Show();
        return true;
    case Target::Converg:
        frmConverg::get().Show();
        return true;
    case Target::Front:
    case Target::Color:
    case Target::LVPower:
        break;
    }
    return false;
}

} // namespace diagnosis
