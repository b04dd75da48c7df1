// Turning the section once for a neutral-axis angle and keeping what every depth shares.
#include "engine/neutral_axis_frame.h"

#include "engine/bar_table.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <span>

namespace pmsect {
namespace {

constexpr double kPi = 3.1415; // the program's own value of pi for degrees and radians

// The bars' areas from the bar table, and the last bar number missing from it.
struct BarAreas {
    int count = -1;
    std::array<float, kMaxBars> sizes;
    std::array<float, kMaxBars> areas;
    std::optional<float> unmatched;
};

bool sameBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// Looked up again only when the bar numbers change: an evaluation on its own turns the section
// anew each time, and comparing the numbers costs less than looking them up.
const BarAreas& barAreasOf(std::span<const Bar> bars) {
    thread_local BarAreas last;
    const int count = static_cast<int>(bars.size());
    bool same = count == last.count;
    for (int i = 0; same && i < count; ++i) {
        same = sameBits(bars[i].size, last.sizes[i]);
    }
    if (!same) {
        last.count = count;
        last.unmatched.reset();
        for (int i = 0; i < count; ++i) {
            const BarSize* size = barSizeOf(bars[i].size);
            if (!size) {
                last.unmatched = bars[i].size;
            }
            last.sizes[i] = bars[i].size;
            last.areas[i] = size ? size->area : 0.0f;
        }
    }
    return last;
}

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

} // namespace

void prepareNeutralAxisFrame(const ProjectModel& model, int pointCount, float angle,
                             NeutralAxisFrame& frame) {
    frame.angle = angle;
    frame.theta = static_cast<float>(-static_cast<double>(angle) / 180.0 * kPi);
    frame.unmatchedBarSize.reset();
    // rotateSection, with the frame's own arrays filled on the way.
    const Turn exact = turnFor(angle, frame.theta);
    frame.cosTheta = exact.cosT;
    frame.sinTheta = exact.sinT;
    const SectionTurn turn(model, exact.cosT, exact.sinT);
    RotatedSection& s = frame.section;
    rotateOutline(model, pointCount, turn, s);
    const double top = s.ymax;
    const auto bars = modelBars(model);
    s.barCount = static_cast<int>(bars.size());
    const int barCount = s.barCount;
    const BarAreas& areas = barAreasOf(bars);
    frame.unmatchedBarSize = areas.unmatched;
    for (int i = 0; i < barCount; ++i) {
        const Point p = turn(bars[i].x, bars[i].y);
        const float area = areas.areas[i];
        s.bars[i] = {p.x, p.y, area};
        frame.barDepth[i] = top - p.y;
        frame.barArea[i] = area;
        frame.barX[i] = p.x;
        frame.barY[i] = p.y;
    }
}

} // namespace pmsect
