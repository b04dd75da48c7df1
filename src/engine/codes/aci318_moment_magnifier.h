// The moment magnifier method of ACI 318-05 (10.10 to 10.13), 318-14 and 318-19 (6.2.5, 6.6.4).
#pragma once

#include "engine/codes/moment_magnifier_rules.h"
#include "model/design_code.h"

namespace pmsect {

// The rules of one edition; they live as long as the program.
const MomentMagnifierRules& aci318MomentMagnifier(DesignCode edition);

} // namespace pmsect
