// The three-dimensional failure surface Pn-Mnx-Mny: one interaction curve per bending
// direction, evenly spaced over the full circle, and the extents of all its points.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "engine/curve_depth_memo.h"
#include "engine/curve_rows.h"
#include "engine/engine_inputs.h"
#include "engine/progress_sink.h"

#include <array>
#include <cstdint>

namespace pmsect {

inline constexpr int kMinSurfaceSections = 4;
inline constexpr int kMaxSurfaceSections = 32;

// Largest and smallest Mn (kip-in) and Pn (kips) over the found points; they start at 0, so
// they always include it.
struct SurfaceExtents {
    float MnMax = 0;
    float MnMin = 0;
    float PnMax = 0;
    float PnMin = 0;
};

// Direction j (1..sections) and row i (1..rowCount) hold point i of the curve of bending
// direction (j - 1)*360/sections + 90 degrees, with the columns of a CurveTable: 0 = phi,
// 1 = Pn, 2 = Mn. Index 0 of directions and rows is unused.
struct SurfaceData {
    std::array<std::array<std::array<float, 3>, kMaxCurveRows + 1>, kMaxSurfaceSections + 1> pts{};
    std::array<std::array<bool, kMaxCurveRows + 1>, kMaxSurfaceSections + 1> found{};
    int16_t sections = 0;
    int16_t rowCount = 0; // every direction has the same levels
    // The bending direction of each direction's curve, degrees (index 1..sections).
    std::array<float, kMaxSurfaceSections + 1> bendingDirection{};
    SurfaceExtents extents;
    // The axial limits the surface was computed with, for the drawings of it.
    AxialLimits limits;

    float phi(int j, int i) const { return cell(j, i)[0]; }
    float Pn(int j, int i) const { return cell(j, i)[1]; }
    float Mn(int j, int i) const { return cell(j, i)[2]; }
    bool isFound(int j, int i) const {
        return found[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)];
    }

private:
    const std::array<float, 3>& cell(int j, int i) const {
        return pts[static_cast<std::size_t>(j)][static_cast<std::size_t>(i)];
    }
};

// The number of directions for a typed count: nearest whole number (halves to even), then
// limited to 4..32.
int16_t surfaceSectionCount(float N);

// The surface of the curves (computeCurve, at the levels of `limits`) of surfaceSectionCount(N)
// directions. Each direction starts from the depths the one before left in `depths`.
SurfaceData computeSurface(const EngineInputs& inputs, const AxialLimits& limits, float N,
                           CurveDepthMemo::Depths& depths, ProgressSink* sink = nullptr);

} // namespace pmsect
