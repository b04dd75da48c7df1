// Material values that follow from f'c and the unit weight.
#pragma once

#include <cstdint>

namespace pmsect {

// Ec = 33 wc^1.5 sqrt(f'c) in psi, rounded to the nearest integer with halves to even.
int32_t concreteModulus(float unitWt, float fpc);

// Depth factor of the equivalent stress block: 0.85 up to 4000 psi, 0.05 less per 1000 psi
// above, never below 0.65.
float stressBlockFactor(float fpc);

} // namespace pmsect
