// The materials of a section as the strength computation takes them, in the program's units.
#pragma once

#include <cstdint>

namespace pmsect {

struct Materials {
    float fpc = 3000;      // concrete compressive strength f'c, psi
    float unitWt = 145;    // concrete unit weight wc, lb/ft^3
    int32_t fy = 60000;    // steel yield strength, psi
    int32_t Es = 29000000; // steel modulus, psi
    int32_t Ec = 3155924;  // concrete modulus, psi (shown; the strength does not use it)
};

} // namespace pmsect
