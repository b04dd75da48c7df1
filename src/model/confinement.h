// How the longitudinal bars are confined: by ties or by a spiral. The design code's phi and its
// cap on design compression follow from it.
#pragma once

#include <cstdint>

namespace pmsect {

enum class Confinement : int16_t { Tied, Spiral };

} // namespace pmsect
