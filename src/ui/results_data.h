// The results that outlive every window: the last section summary's axial limits and
// pure-bending strengths, the last Pn-Mn curve, the last biaxial contour and the last failure
// surface, and whether they still belong to the project. The engine
// returns each as a value; the wait window keeps it here, in the record the Application holds for
// the whole run, each computation replacing its own table.
#pragma once

#include "engine/control_points.h"
#include "engine/curve_depth_memo.h"
#include "engine/interaction_curve.h"
#include "engine/interaction_surface.h"
#include "engine/section_results.h"

namespace pmsect {

struct ResultsData {
    SectionResults section;        // the summary the windows show
    CurveTable curve;              // the Pn-Mn curve; curve.count is its point count
    float curveAngle = 90;         // its bending direction, degrees
    ControlPoints controlPoints{}; // its control points
    CurveTable contour;            // the biaxial contour, always kContourPoints rows
    float contourPn = 0;           // its axial force, kips
    SurfaceData surface;
    // The curves' and the surface's starting depths, restarted after each summary of the project.
    CurveDepthMemo curveDepths;
    // A change of the project leaves the curve (or contour) and the surface to be computed again
    // when the results window next shows them.
    bool curvesStale = true;
    bool surfaceStale = true;
    void markStale() { curvesStale = surfaceStale = true; }
};

} // namespace pmsect
