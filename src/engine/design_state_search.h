// The strain state at a design axial force: the neutral axis whose phi*Pn equals the force and
// whose moment points a given way. phi follows the state (ACI 318-19 21.2.2, 318-05 9.3.2), so
// the search is on phi*Pn itself, not on Pn at the force divided by some one phi: that would lie
// at a different design force in every direction.
#pragma once

#include "engine/ray_capacity.h"

#include <memory>
#include <optional>

namespace pmsect {

// A design state lies within this share of |Po| of its design axial force.
inline constexpr double kDesignForceShare = 0.001;

// Where a design axial force lies against the section's design limits.
enum class DesignForceReach {
    Within,            // between phi*Pn(max) and phi*Tn(max)
    BeyondCompression, // more compressive than phi*Pn(max)
    BeyondTension,     // more tensile than phi*Tn(max)
};

// Within kDesignForceShare of |Po| of a limit still counts as within. P in kips.
DesignForceReach designForceReach(const AxialLimits& limits, float P);

// The states at one design axial force P (kips), direction by direction. At each neutral-axis
// angle every depth whose phi*Pn is P counts: phi*Pn need not fall steadily as the axis deepens,
// since phi falls with it through the transition zone. The angles the scan looks at are the same
// for every direction, so that scan is made once. The inputs must outlive the search.
class DesignStateSearch {
public:
    DesignStateSearch(const EngineInputs& inputs, float P);
    ~DesignStateSearch();
    DesignStateSearch(const DesignStateSearch&) = delete;
    DesignStateSearch& operator=(const DesignStateSearch&) = delete;

    // The state whose phi*Pn is P and whose moment (Mny, Mnx) points the way of the vector
    // (My, Mx); where several do (a design surface that folds), the one with the smallest moment
    // that way, so that a load drawn inside the contour is a load the section carries. Nothing
    // when P lies beyond the design limits or no state points that way.
    std::optional<SurfacePoint> inDirection(float Mx, float My);

private:
    struct Samples;
    const EngineInputs& inputs_;
    AxialLimits limits_;
    float P_;
    std::unique_ptr<Samples> samples_;
};

} // namespace pmsect
