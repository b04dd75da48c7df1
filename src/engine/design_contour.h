// The design (phi-reduced) biaxial contour at a factored axial load: in every direction the
// strain state whose phi*Pn is the load, drawn at its phi*Mnx, phi*Mny. A load lies inside it
// exactly when the section carries it, which phi times the nominal contour at Pn = P does not
// show: each of its points lies at a different design axial force.
#pragma once

#include "engine/curve_rows.h"
#include "engine/design_state_search.h"
#include "engine/engine_inputs.h"

#include <array>

namespace pmsect {

// One direction of the design contour. Moments with the signs of the nominal contour's columns:
// phiM1 = -phi*Mnx, phiM2 = -phi*Mny (kip-in).
struct DesignContourPoint {
    bool found = false;
    float phi = 0;
    float Pn = 0;    // the nominal axial force of the state, kips
    float phiPn = 0; // within kDesignForceShare of |Po| of the load
    float phiM1 = 0;
    float phiM2 = 0;
};

struct DesignContour {
    DesignForceReach reach = DesignForceReach::Within;
    std::array<DesignContourPoint, kMaxCurveRows + 1> points{}; // rows 1..count, as the contour
};

// The design contour at P (kips) in `count` directions 360/count degrees apart from 0, the
// directions of the nominal contour's rows.
DesignContour computeDesignContour(const EngineInputs& inputs, float P, int count);

} // namespace pmsect
