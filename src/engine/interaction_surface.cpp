// The surface direction by direction, each direction a complete interaction curve.
#include "engine/interaction_surface.h"

#include "engine/interaction_curve.h"
#include "format/number_format.h"

#include <algorithm>

namespace pmsect {
namespace {

void widen(SurfaceExtents& e, float Pn, float Mn) {
    if (Mn > e.MnMax) {
        e.MnMax = Mn;
    }
    if (Mn < e.MnMin) {
        e.MnMin = Mn;
    }
    if (Pn > e.PnMax) {
        e.PnMax = Pn;
    }
    if (Pn < e.PnMin) {
        e.PnMin = Pn;
    }
}

} // namespace

int16_t surfaceSectionCount(float N) {
    const int16_t n = roundHalfEven16(N);
    return std::clamp<int16_t>(n, kMinSurfaceSections, kMaxSurfaceSections);
}

SurfaceData computeSurface(const EngineInputs& inputs, const AxialLimits& limits, float N,
                           CurveDepthMemo::Depths& depths, ProgressSink* sink) {
    SurfaceData surface;
    surface.limits = limits;
    const int16_t n = surfaceSectionCount(N);
    const float step = static_cast<float>(360.0 / n);
    // The factor keeps the last direction despite the single-precision accumulation.
    const double end = (360.0 - 360.0 / n) * 1.01;

    int j = 0;
    for (float a = 0; a <= end && j < kMaxSurfaceSections;
         a = static_cast<float>(static_cast<double>(a) + step)) {
        const float direction = static_cast<float>(static_cast<double>(a) + 90.0);
        const CurveTable curve = computeCurve(inputs, limits, direction, depths, sink);
        ++j;
        const auto dir = static_cast<std::size_t>(j);
        surface.bendingDirection[dir] = direction;
        for (int i = 1; i <= curve.count; ++i) {
            const auto row = static_cast<std::size_t>(i);
            surface.pts[dir][row] = curve.pts[row];
            surface.found[dir][row] = curve.found[row];
            // A point off its direction would widen the scale for nothing drawn.
            if (curve.found[row]) {
                widen(surface.extents, curve.col1(i), curve.col2(i));
            }
        }
        surface.rowCount = std::max(surface.rowCount, curve.count);
    }
    surface.sections = static_cast<int16_t>(j);
    return surface;
}

} // namespace pmsect
