// Design capacity of one factored load combination on its own load line, and its check ratio.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "engine/engine_inputs.h"
#include "engine/load_result.h"
#include "engine/moment_magnifier.h"
#include "model/load_end_moments.h"

#include <optional>

namespace pmsect {

// One combination in the program's units and signs: Pu in kips (compression negative), Mux and
// Muy in kip-ft, each the single-precision value the load table would store.
struct LoadInput {
    float Pu = 0;
    float Mux = 0;
    float Muy = 0;
    LoadEndMoments ends{}; // for a slender member
};

// A load and what its check gives. A load on a slender member is checked on its magnified
// moments Mcx and Mcy: the result is theirs, while the load keeps its own moments; a load with no
// stable magnifier has no capacity.
struct CheckedLoad {
    LoadInput load;
    LoadResult result;
    std::optional<LoadMagnification> magnification;
};

// limits: axialLimits(inputs). The result depends on the inputs and the load alone.
CheckedLoad checkLoadCombination(const EngineInputs& inputs, const AxialLimits& limits,
                                 const LoadInput& load);

// The load's magnification on the inputs' slender member; nothing without slenderness data.
std::optional<LoadMagnification> magnificationOf(const EngineInputs& inputs, const LoadInput& load);

// Direction of the moment vector (Muy, Mux) in degrees, 0 to 360.
float momentDirection(float Mux, float Muy);

} // namespace pmsect
