// Strength combinations of the load cases as the loads they are checked as.
#pragma once

#include "engine/load_check.h"
#include "engine/load_combinations.h"

#include <vector>

namespace pmsect {

// The single-precision values the load table would store, with each combination's sustained
// axial force and, where its cases give them, its end moments and sway parts.
std::vector<LoadInput> combinationLoads(const std::vector<LoadCombination>& combinations);

} // namespace pmsect
