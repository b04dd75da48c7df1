// Turning the section once for a neutral-axis angle and keeping what every depth shares.
#include "engine/neutral_axis_frame.h"

#include "engine/shortened_pi.h"
#include "engine/strength_reduction.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pmsect {

namespace {

// cos and sin of the turn by -angle degrees. A whole number of quarter turns is made exactly:
// turned through the program's pi, 90, 180 and 270 degrees would tilt the neutral axis by up to
// 0.008 degrees, and the mirrored strengths of a symmetric section would differ in the shown
// digits.
struct Turn {
    double cosT;
    double sinT;
};
Turn turnFor(float angle, float theta) {
    const float quarters = angle / 90.0f;
    if (std::isfinite(quarters) && quarters == std::round(quarters) &&
        std::fabs(quarters) < 1.0e6f) {
        constexpr std::array<Turn, 4> kQuarterTurns = {{{1, 0}, {0, -1}, {-1, 0}, {0, 1}}};
        const long q = std::lround(quarters) % 4;
        return kQuarterTurns[static_cast<std::size_t>(q < 0 ? q + 4 : q)];
    }
    return {std::cos(static_cast<double>(theta)), std::sin(static_cast<double>(theta))};
}

// Turns the section; returns the steel area, summed in the bars' order on the way.
float turnSection(const EngineInputs& inputs, float angle, NeutralAxisFrame& frame) {
    frame.angle = angle;
    frame.theta = static_cast<float>(-static_cast<double>(angle) / 180.0 * kShortPi);
    const Turn exact = turnFor(angle, frame.theta);
    // The moments about the section's own axes turn back by the same.
    frame.cosMinusTheta = exact.cosT;
    frame.sinMinusTheta = -exact.sinT;
    // rotateSection, with the frame's own arrays filled on the way.
    const SectionTurn turn(inputs.section.reference, exact.cosT, exact.sinT);
    RotatedSection& s = frame.section;
    rotateOutline(inputs.section.outline, turn, s);
    const double top = s.ymax;
    const std::vector<SectionBar>& bars = inputs.section.bars;
    s.barCount = std::min<int>(static_cast<int>(bars.size()), kMaxBars);
    const int barCount = s.barCount;
    float steelArea = 0;
    for (int i = 0; i < barCount; ++i) {
        const SectionBar& bar = bars[static_cast<std::size_t>(i)];
        steelArea = steelArea + bar.area;
        const Point p = turn(bar.x, bar.y);
        s.bars[i] = {p.x, p.y, bar.area};
        frame.barDepth[i] = top - p.y;
        frame.barArea[i] = bar.area;
        frame.barX[i] = p.x;
        frame.barY[i] = p.y;
    }

    frame.block = inputs.code->stressBlock(inputs.materials.fpc);
    frame.steel = inputs.code->steelLaw(inputs.materials);
    return steelArea;
}

} // namespace

void prepareNeutralAxisFrame(const EngineInputs& inputs, const AxialLimits& limits, float angle,
                             NeutralAxisFrame& frame) {
    turnSection(inputs, angle, frame);
    frame.phiPnMax = limits.phiPnMax;
}

void prepareNeutralAxisFrame(const EngineInputs& inputs, float angle, NeutralAxisFrame& frame) {
    const float steelArea = turnSection(inputs, angle, frame);
    // The limits of strength_reduction.h's axialLimits, from the same sum.
    frame.phiPnMax =
        inputs.code
            ->axialLimits(inputs.materials, inputs.confinement, inputs.section.grossArea, steelArea)
            .phiPnMax;
}

} // namespace pmsect
