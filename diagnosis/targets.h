#pragma once

#include "diagnosis/problemcodes.h"

namespace diagnosis {

// Shows the screen a problem code leads to (creating it, so that its Form_Load reads the code).
void showTarget(Target target);

} // namespace diagnosis
