// Nominal capacity found by bracketing rather than stepping: the moment capacity in a given
// moment direction at a given axial force, and the point where a load's ray meets the failure
// surface. Slower than the stepping searches, but it cannot run away or chase a wrong target,
// so the load check falls back on it whenever a stepping search misses its own targets.
#pragma once

#include "engine/engine_inputs.h"

#include <optional>

namespace pmsect {

struct SurfacePoint {
    float neutralAxisAngle = 0; // degrees
    float c = 0;                // in
    float Pn = 0;               // kips
    float Mnx = 0;              // kip-in about the section's axes
    float Mny = 0;
    float phi = 0;
};

// The state at axial force P (kips) whose moment (Mny, Mnx) points the way of the vector
// (My, Mx). Where the states fold over one another, the outermost is the capacity: every state
// the section can reach carries its load. Nothing when none is found.
std::optional<SurfacePoint> capacityInDirection(const EngineInputs& inputs, float P, float Mx,
                                                float My);

// Where the ray through the load (Pu kips, Mux, Muy kip-in) meets the nominal failure surface:
// the state whose (Pn, Mnx, Mny) is lambda times the load, lambda > 0. Nothing when the ray
// cannot be followed (a section that carries no moment at zero load, for instance).
struct RayCapacity {
    SurfacePoint point;
    float lambda = 0; // capacity = lambda * load
};
std::optional<RayCapacity> capacityOnLoadRay(const EngineInputs& inputs, float Pu, float Mux,
                                             float Muy);

} // namespace pmsect
