// The check of many load combinations against one section, spread over several threads: each
// load's result depends on the inputs and the load alone.
#pragma once

#include "engine/engine_inputs.h"
#include "engine/load_check.h"

#include <span>
#include <vector>

namespace pmsect {

// threads: 0 for every core, and never more than the machine's. The results come in the order
// of loads and do not depend on threads.
std::vector<CheckedLoad> checkLoads(const EngineInputs& inputs, std::span<const LoadInput> loads,
                                    unsigned threads);

} // namespace pmsect
