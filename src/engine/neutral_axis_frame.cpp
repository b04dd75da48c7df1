// Turning the section once for a neutral-axis angle and keeping what every depth shares.
#include "engine/neutral_axis_frame.h"

#include "engine/shortened_pi.h"
#include "engine/strength_reduction.h"

#include <algorithm>
#include <cmath>

namespace pmsect {

namespace {

// Turns the section; returns the steel area, summed in the bars' order on the way.
float turnSection(const EngineInputs& inputs, float angle, NeutralAxisFrame& frame,
                  bool sectionAxes) {
    frame.angle = angle;
    frame.theta = static_cast<float>(-static_cast<double>(angle) / 180.0 * kShortPi);
    // rotateSection, with the frame's own arrays filled on the way.
    const SectionTurn turn(inputs.section.reference, frame.theta);
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

    frame.hasSectionAxes = sectionAxes;
    if (sectionAxes) {
        const double minusTheta = -static_cast<double>(frame.theta);
        frame.sinMinusTheta = std::sin(minusTheta);
        frame.cosMinusTheta = std::cos(minusTheta);
    }
    frame.block = inputs.code->stressBlock(inputs.materials.fpc);
    frame.steel = inputs.code->steelLaw(inputs.materials);
    return steelArea;
}

} // namespace

void prepareNeutralAxisFrame(const EngineInputs& inputs, const AxialLimits& limits, float angle,
                             NeutralAxisFrame& frame, bool sectionAxes) {
    turnSection(inputs, angle, frame, sectionAxes);
    frame.phiPnMax = limits.phiPnMax;
}

void prepareNeutralAxisFrame(const EngineInputs& inputs, float angle, NeutralAxisFrame& frame,
                             bool sectionAxes) {
    const float steelArea = turnSection(inputs, angle, frame, sectionAxes);
    // The limits of strength_reduction.h's axialLimits, from the same sum.
    frame.phiPnMax =
        inputs.code
            ->axialLimits(inputs.materials, inputs.confinement, inputs.section.grossArea, steelArea)
            .phiPnMax;
}

} // namespace pmsect
