// The interaction data that outlives every window: the last Pn-Mn curve, the last biaxial
// contour and the last failure surface. Each computation overwrites its own table.
#pragma once

#include "results/interaction_curve.h"
#include "results/interaction_surface.h"

namespace pmsect {

struct ResultsData {
    CurveTable curve;   // the Pn-Mn curve; curve.count is its point count
    CurveTable contour; // the biaxial contour, always kContourPoints rows
    SurfaceData surface;
};

} // namespace pmsect
