// ACI 318 in its editions 318-05, 318-14 and 318-19: the one place where the strength method's
// numbers are written. The method is the same in all three; phi and its strain limits differ.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "model/design_code.h"

#include <cstdint>

namespace pmsect {

// The largest yield strength a column design may be based on, psi (318-05 9.4, 318-19 Table
// 20.2.2.4a).
inline constexpr int32_t kMaxDesignYield = 80000;

inline constexpr const char* kHighYieldWarning =
    "Warning: fy above 80,000 psi (551.6 MPa); ACI 318 does not let a column design rely on it";

// The rules of one edition; they live as long as the program.
const DesignCodeRules& aci318Rules(DesignCode edition);

} // namespace pmsect
