// The capacity on a load's line by converging root-finding: the neutral-axis depth that puts the
// section's state on the plane through the load's line (a bracketed secant search at each
// angle), inside a bracketed secant search on the neutral-axis angle that turns the state's
// moment onto the load's. A few dozen evaluations where stepping and halving take hundreds, and
// converged to single precision rather than to a step's tolerance.
#pragma once

#include "engine/engine_inputs.h"

#include <optional>

namespace pmsect {

// The capacity: the point of the ray that lies on the surface, and the phi of its state.
struct LoadLineCapacity {
    // The point as a multiple of the load: Pn / P, or for a load without axial force the moment
    // along the load's direction over the load's moment.
    double lambda = 0;
    float Pn = 0;  // kips
    float Mnx = 0; // kip-in about the section's axes
    float Mny = 0;
    float phi = 0;
};

// How far the search goes: the converging searches alone, or after them a scan of every
// crossing of the load's plane at angles a few degrees apart, refined where the surface folds
// (tens of thousands of evaluations, for the few loads the converging searches miss).
enum class LoadLineScan { ConvergingOnly, EveryCrossing };

// The state on the nominal failure surface that lies on the ray from the origin through the
// load (P kips, Mx, My kip-in); with P = 0 only the direction of (Mx, My) counts. Nothing when
// the searches cannot bracket or settle their roots.
std::optional<LoadLineCapacity>
searchCapacityOnLoadLine(const EngineInputs& inputs, float P, float Mx, float My,
                         LoadLineScan scan = LoadLineScan::ConvergingOnly);

} // namespace pmsect
