// The design contour direction by direction, each point from the engine's design-state search.
#include "engine/design_contour.h"

#include "engine/shortened_pi.h"
#include "engine/strength_reduction.h"

#include <cmath>

namespace pmsect {

DesignContour computeDesignContour(const EngineInputs& inputs, float P, int count) {
    DesignContour contour;
    contour.reach = designForceReach(axialLimits(inputs), P);
    if (contour.reach != DesignForceReach::Within || count <= 0) {
        return contour;
    }
    DesignStateSearch search(inputs, P);
    for (int k = 1; k <= count && k <= kMaxCurveRows; ++k) {
        const double a = 360.0 / count * (k - 1) * kShortPi / 180.0;
        const auto state =
            search.inDirection(static_cast<float>(std::sin(a)), static_cast<float>(std::cos(a)));
        if (!state) {
            continue;
        }
        DesignContourPoint& p = contour.points[static_cast<std::size_t>(k)];
        p.found = true;
        p.phi = state->phi;
        p.Pn = state->Pn;
        p.phiPn = static_cast<float>(static_cast<double>(state->phi) * state->Pn);
        p.phiM1 = static_cast<float>(-static_cast<double>(state->phi) * state->Mnx);
        p.phiM2 = static_cast<float>(-static_cast<double>(state->phi) * state->Mny);
    }
    return contour;
}

} // namespace pmsect
