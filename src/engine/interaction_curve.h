// The two-dimensional interaction data: the nominal Pn-Mn curve of one bending direction with
// phi at every point, and the biaxial moment contour at one axial load. Both fill a CurveTable.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "engine/curve_depth_memo.h"
#include "engine/curve_rows.h"
#include "engine/design_contour.h"
#include "engine/engine_inputs.h"
#include "engine/progress_sink.h"

#include <array>
#include <cstdint>

namespace pmsect {

// Rows 1..40 (row 0 unused). Curve: column 0 = phi, 1 = Pn (kips), 2 = Mn (kip-in).
// Contour: column 0 = phi (0 where no phi-reduced point exists), 1 and 2 = the moment
// components (kip-in). A row whose search ended off its direction keeps its place, so that
// rows stay aligned between directions, but has found = false and is not drawn.
struct CurveTable {
    std::array<std::array<float, 3>, kMaxCurveRows + 1> pts{};
    std::array<bool, kMaxCurveRows + 1> found{};
    // Contour only: the axial force (kips) each direction's search reached, and the design
    // contour at the same load (column 0 is phi of the nominal state, which lies at another
    // design force in every direction).
    std::array<float, kMaxCurveRows + 1> reachedPn{};
    DesignContour design;
    int16_t count = 0; // points of a Pn-Mn curve; 0 for a contour
    // The axial limits the curve or contour was computed with, for the drawings of it.
    AxialLimits limits;

    float phi(int row) const { return pts[static_cast<std::size_t>(row)][0]; }
    float col1(int row) const { return pts[static_cast<std::size_t>(row)][1]; }
    float col2(int row) const { return pts[static_cast<std::size_t>(row)][2]; }
    bool isFound(int row) const { return found[static_cast<std::size_t>(row)]; }
};

inline constexpr int kContourPoints = 40;

// A contour point lies within this share of |Po| of the contour's axial load; one that the
// search could not bring that close is not found.
inline constexpr double kContourLoadShare = 0.001;

// A search result is kept when it converged or when its load line still points within this
// many degrees of the direction asked for.
inline constexpr float kFoundAngleTolerance = 1.0f;

// The curve at direction thetaDeg (degrees, tan = Mnx/Mny, not normalised) of the inputs, under
// their design code, at the levels of `limits` (the summary's, so that the curve's levels are
// those of the summary shown beside it): from the squash end (0.99 Po) through the compression
// levels, the band below 0.1 f'c Ag and pure bending (twice) to 0.75 To, closed by the tension
// end (0.99 To). Each searched point starts from its row's depth in `depths` and writes the
// depth it ended at back there. The table never grows past 40 rows; its last point has the
// phi of the tension end.
CurveTable computeCurve(const EngineInputs& inputs, const AxialLimits& limits, float thetaDeg,
                        CurveDepthMemo::Depths& depths, ProgressSink* sink = nullptr);

struct Contour {
    CurveTable table;       // rows 1..kContourPoints; table.count stays 0
    float Pn = 0;           // kips, the axial load the contour is at
    bool rewritten = false; // the load asked for lay beyond Po or To (or was no number) and
                            // was replaced by 99 % of that limit (0 for no number)
};

// The contour at the axial load P (kips) against the summary's `limits`: 40 directions
// 9 degrees apart from 0, each search starting at a depth of 4 in and aiming at that load itself,
// to within kContourLoadShare of |Po|. Gives rows 1..40 with the axial force each reached and the
// design contour at that load (in the same directions).
Contour computeContour(const EngineInputs& inputs, const AxialLimits& limits, float P,
                       ProgressSink* sink = nullptr);

} // namespace pmsect
