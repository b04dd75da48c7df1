// Searches on the neutral axis's angle and depth: Newton's method from a start on the plane
// through the load's line; where its derivatives mislead (the states bend where a bar yields),
// false position on the depth inside false position on the angle; and for the few loads both
// miss, a scan of every crossing of that plane.
#include "engine/load_line_search.h"

#include "engine/neutral_axis_frame.h"
#include "engine/strain_compat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>
#include <vector>

namespace pmsect {
namespace {

constexpr float kMinDepth = 0.001f;
// Far deeper than any section: the whole section is in the block and every bar has yielded.
constexpr float kMaxDepth = 1.0e6f;
constexpr int kMaxWidenings = 64;
constexpr int kMaxRefinements = 100;
constexpr int kMaxSteps = 30;
constexpr int kMaxStepHalvings = 8;
// Brackets narrower than these are settled: a few units in the last place of a float.
constexpr double kRelativeDepthWidth = 3e-7;
constexpr double kAngleWidth = 1e-5; // degrees
// The steps through the angles near the state found, for other states on the same ray.
constexpr double kNearbyStep = 0.01; // degrees
constexpr int kNearbySteps = 15;
// The scan of every crossing: its steps over a whole turn of the neutral axis, the parts a step
// is split into where the surface folds, the finest step, and how far apart (natural log of the
// ratio) the depths of one branch of crossings may lie at neighbouring angles.
constexpr int kScanSteps = 180;
constexpr int kScanSplits = 4;
constexpr float kFinestScan = 0.04f; // degrees
constexpr double kAlikeDepths = 0.25;
// The depths about the last that a fold's crossing is followed among.
constexpr int kNearDepthCount = 17;
// The differences that make Newton's derivatives: small beside its steps, large beside rounding.
constexpr float kAngleDifference = 0.01f; // degrees
constexpr double kRelativeDepthDifference = 1e-4;
// The largest turn (degrees) and change of depth (factor) of one step.
constexpr double kMaxTurn = 30;
constexpr double kMaxDepthFactor = 4;
// A state off the load's line by this share of its distance from the origin is on it: the
// rounding of a single-precision evaluation. Beyond the second share it is no answer.
constexpr double kSettledMiss = 1e-7;
constexpr double kAcceptedMiss = 1e-5;
// The depths of the search for a start, as shares of the section's height.
constexpr std::array<float, 12> kStartDepths{1 / 1000.0f, 1 / 200.0f, 1 / 50.0f, 1 / 16.0f,
                                             1 / 8.0f,    1 / 4.0f,   1 / 2.0f,  1.0f,
                                             2.0f,        4.0f,       8.0f,      16.0f};
constexpr double kDegreesPerRadian = 180 / std::numbers::pi;
// The depths of the scan, closer: a fold holds crossings a few tenths of an inch apart.
constexpr int kScanDepthCount = 200;
const std::array<float, kScanDepthCount> kScanDepths = [] {
    std::array<float, kScanDepthCount> depths{};
    for (int i = 0; i < kScanDepthCount; ++i) {
        // From a thousandth of the height to sixteen times it, in equal ratios.
        depths[static_cast<std::size_t>(i)] =
            static_cast<float>(std::pow(16000.0, i / (kScanDepthCount - 1.0)) / 1000.0);
    }
    return depths;
}();

// The load's line in the space of (P, Mx / length, My / length), where a length of the section
// makes moments weigh as much as forces: its direction d, e1 square to it in the plane of d and
// the P axis, and e2 square to both.
struct LoadLine {
    double length = 1; // in
    double ux = 0;     // the load's moment direction, (Mx, My)
    double uy = 0;
    double dP = 0; // d: P and the moment along u of the load, over its norm
    double dM = 0;
    double norm = 0; // of the load in this space
};

// One evaluation, placed against the load's line.
struct LineState {
    float angle = 0;
    float c = 0;
    float phi = 0;
    double along = 0;    // along d
    double offPlane = 0; // along e1: positive on the side of shallower neutral axes
    double sideways = 0; // along e2

    double miss() const {
        return std::hypot(offPlane, sideways) / std::hypot(along, offPlane, sideways);
    }
    // The angle of the state from the line about e1, degrees: beyond a right angle the state lies
    // on the far side of the origin.
    double turn() const { return std::atan2(sideways, along) * kDegreesPerRadian; }
};

// One neutral-axis angle, turned once for all its depths.
class AngleSlice {
public:
    AngleSlice(const EngineInputs& inputs, const LoadLine& line, float angle)
        : inputs_(inputs), line_(line), angle_(angle) {
        prepareNeutralAxisFrame(inputs, angle, frame_);
    }

    LineState at(float c) {
        NeutralAxisState state;
        state.c = c;
        SectionMoments m;
        solveNeutralAxis(inputs_, frame_, state, m);
        const LoadLine& l = line_;
        const double alongU = (m.Mnx * l.ux + m.Mny * l.uy) / l.length;
        return {angle_,
                state.c,
                state.phi,
                state.Pn * l.dP + alongU * l.dM,
                state.Pn * l.dM - alongU * l.dP,
                (m.Mnx * l.uy - m.Mny * l.ux) / l.length};
    }

    float height() const { return frame_.section.ymax - frame_.section.ymin; }

private:
    const EngineInputs& inputs_;
    const LoadLine& line_;
    float angle_;
    NeutralAxisFrame frame_;
};

bool signsDiffer(double a, double b) {
    return (a > 0) != (b > 0);
}

// False position with the Illinois halving between a and b, whose values have opposite signs,
// until the bracket is no wider than `width` or holds no float between its ends; x(s) is the
// float a sample was taken at. The end nearer the root; nothing when an evaluation fails.
template <class Evaluate, class Position, class Value>
std::optional<LineState> falsePosition(LineState a, LineState b, Evaluate evaluate, Position x,
                                       Value value, double width) {
    double fa = value(a);
    double fb = value(b);
    for (int i = 0; i < kMaxRefinements && fb != 0; ++i) {
        const double lo = std::min(x(a), x(b));
        const double hi = std::max(x(a), x(b));
        if (hi - lo <= width) {
            break;
        }
        float next = static_cast<float>(x(b) - fb * (x(b) - static_cast<double>(x(a))) / (fb - fa));
        if (!(next > lo && next < hi)) {
            next = static_cast<float>(lo + (hi - lo) / 2);
            if (!(next > lo && next < hi)) {
                break; // neighbouring floats
            }
        }
        const std::optional<LineState> m = evaluate(next);
        if (!m) {
            return std::nullopt;
        }
        if (signsDiffer(value(*m), fb)) {
            a = b;
            fa = fb;
        } else {
            fa /= 2;
        }
        b = *m;
        fb = value(*m);
    }
    return std::fabs(value(a)) < std::fabs(value(b)) ? a : b;
}

// The depth at which the state at this angle lies on the plane of d and e2, from `start` by steps
// of firstFactor growing to doublings. A deeper neutral axis takes the state towards
// compression, across that plane once.
std::optional<LineState> depthOnPlane(AngleSlice& slice, float start, double firstFactor) {
    LineState a = slice.at(start);
    double factor = firstFactor;
    for (int i = 0; a.offPlane != 0; ++i, factor = std::min(factor * factor, 2.0)) {
        const bool deeper = a.offPlane > 0;
        if (i >= kMaxWidenings || (deeper && a.c >= kMaxDepth) || (!deeper && a.c <= kMinDepth)) {
            return std::nullopt;
        }
        const double c = deeper ? a.c * factor : a.c / factor;
        const LineState b =
            slice.at(static_cast<float>(std::clamp<double>(c, kMinDepth, kMaxDepth)));
        if (signsDiffer(b.offPlane, a.offPlane) || b.offPlane == 0) {
            return falsePosition(
                a, b, [&](float depth) { return std::optional<LineState>(slice.at(depth)); },
                [](const LineState& s) { return s.c; },
                [](const LineState& s) { return s.offPlane; },
                kRelativeDepthWidth * std::max(a.c, b.c));
        }
        a = b;
    }
    return a;
}

// A neutral axis may cross the plane more than once: on either side of the origin, and near the
// squash load of an unsymmetric section, whose own moment lies off the axis. The crossings on
// the load's side among the depths (shares of the section's height), refined.
std::vector<LineState> crossingsOnPlane(AngleSlice& slice,
                                        std::span<const float> depths = kStartDepths) {
    std::vector<LineState> found;
    LineState last = slice.at(slice.height() * depths[0]);
    for (std::size_t i = 1; i < depths.size(); ++i) {
        const LineState next = slice.at(slice.height() * depths[i]);
        if (signsDiffer(next.offPlane, last.offPlane) && std::max(last.along, next.along) > 0) {
            const std::optional<LineState> x = falsePosition(
                last, next, [&](float depth) { return std::optional<LineState>(slice.at(depth)); },
                [](const LineState& s) { return s.c; },
                [](const LineState& s) { return s.offPlane; },
                kRelativeDepthWidth * std::max(last.c, next.c));
            if (x && x->along > 0) {
                found.push_back(*x);
            }
        }
        last = next;
    }
    return found;
}

// The outermost crossing is the start.
std::optional<LineState> startOnPlane(AngleSlice& slice) {
    const std::vector<LineState> crossings = crossingsOnPlane(slice);
    const auto outermost =
        std::max_element(crossings.begin(), crossings.end(),
                         [](const LineState& a, const LineState& b) { return a.along < b.along; });
    if (outermost == crossings.end()) {
        return std::nullopt;
    }
    return *outermost;
}

LineState evaluate(const EngineInputs& inputs, const LoadLine& line, float angle, float c) {
    AngleSlice slice(inputs, line, angle);
    return slice.at(c);
}

// Newton's method on (angle, depth) for the parts along e1 and e2, the derivatives from
// differences, each step halved until the state comes nearer the line. The nearest state found.
LineState newtonOnLine(const EngineInputs& inputs, const LoadLine& line, LineState x) {
    for (int i = 0; i < kMaxSteps && x.miss() > kSettledMiss; ++i) {
        const float turned = x.angle + kAngleDifference;
        const float deeper = static_cast<float>(x.c * (1 + kRelativeDepthDifference));
        const LineState xa = evaluate(inputs, line, turned, x.c);
        const LineState xc = evaluate(inputs, line, x.angle, deeper);
        const double da = static_cast<double>(turned) - x.angle;
        const double dc = static_cast<double>(deeper) - x.c;
        const double j11 = (xa.offPlane - x.offPlane) / da;
        const double j12 = (xc.offPlane - x.offPlane) / dc;
        const double j21 = (xa.sideways - x.sideways) / da;
        const double j22 = (xc.sideways - x.sideways) / dc;
        const double det = j11 * j22 - j12 * j21;
        if (!(std::fabs(det) > 0) || !std::isfinite(det)) {
            break;
        }
        double stepA = -(j22 * x.offPlane - j12 * x.sideways) / det;
        double stepC = -(j11 * x.sideways - j21 * x.offPlane) / det;
        // Shortened as a whole, so that the step keeps its direction.
        double scale = std::min(1.0, kMaxTurn / std::fabs(stepA));
        if (stepC > 0) {
            scale = std::min(scale, (kMaxDepthFactor - 1) * x.c / stepC);
        } else if (stepC < 0) {
            scale = std::min(scale, (1 - 1 / kMaxDepthFactor) * x.c / -stepC);
        }
        stepA *= scale;
        stepC *= scale;
        bool nearer = false;
        for (int k = 0; k < kMaxStepHalvings && !nearer; ++k, stepA /= 2, stepC /= 2) {
            const LineState trial =
                evaluate(inputs, line, static_cast<float>(x.angle + stepA),
                         static_cast<float>(std::clamp<double>(x.c + stepC, kMinDepth, kMaxDepth)));
            if (trial.miss() < x.miss()) {
                x = trial;
                nearer = true;
            }
        }
        if (!nearer) {
            break; // at the rounding of the evaluations
        }
    }
    return x;
}

bool bracketsTheLine(const LineState& a, const LineState& b) {
    return std::fabs(a.turn()) < 90 && std::fabs(b.turn()) < 90 &&
           signsDiffer(a.sideways, b.sideways);
}

// At each angle the depth on the plane; on the angle, secant steps until the line is bracketed,
// then false position, each depth searched from the last.
std::optional<LineState> bracketedOnLine(const EngineInputs& inputs, const LoadLine& line,
                                         float start) {
    float lastDepth = 0;
    const auto onPlane = [&](float angle) {
        AngleSlice slice(inputs, line, angle);
        // Near the squash load and near pure tension the crossing followed may vanish a
        // fraction of a degree away, or pass to the far side of the origin: the depths are then
        // searched afresh.
        auto s = lastDepth > 0 ? depthOnPlane(slice, lastDepth, 1.05) : std::nullopt;
        if (!s || !(s->along > 0)) {
            s = startOnPlane(slice);
        }
        if (s) {
            lastDepth = s->c;
        }
        return s;
    };
    std::optional<LineState> a = onPlane(start);
    double step = a ? -std::clamp(a->turn(), -kMaxTurn, kMaxTurn) : 0;
    for (int i = 0; a && i < kMaxSteps; ++i) {
        const std::optional<LineState> b = onPlane(static_cast<float>(a->angle + step));
        if (!b || std::fabs(b->turn()) >= 90) {
            // No state on the load's side there: half the step, from the last state.
            lastDepth = a->c;
            step /= 2;
            continue;
        }
        if (b->sideways == 0) {
            return b;
        }
        if (bracketsTheLine(*a, *b)) {
            return falsePosition(
                *a, *b, onPlane, [](const LineState& s) { return s.angle; },
                [](const LineState& s) { return s.sideways; }, kAngleWidth);
        }
        // The moment turns with the neutral axis, at times far more slowly, and near the squash
        // load of an unsymmetric section against it: the secant either way, a doubled step
        // where the secant has no slope.
        const double slope = (b->turn() - a->turn()) / (static_cast<double>(b->angle) - a->angle);
        const bool secant = slope != 0 && std::isfinite(slope);
        const double doubled = std::copysign(2 * std::fabs(step), -b->turn());
        step = std::clamp(secant ? -b->turn() / slope : doubled, -kMaxTurn, kMaxTurn);
        a = b;
    }
    return std::nullopt;
}

bool onTheLine(const std::optional<LineState>& x) {
    return x && x->along > 0 && x->miss() <= kAcceptedMiss;
}

bool alikeDepths(const LineState& a, const LineState& b) {
    return std::fabs(std::log(a.c / b.c)) <= kAlikeDepths;
}

// Whether the crossings at two angles pair off by depth, one branch each.
bool sameBranches(const std::vector<LineState>& a, const std::vector<LineState>& b) {
    const auto partnered = [](const std::vector<LineState>& from,
                              const std::vector<LineState>& to) {
        return std::all_of(from.begin(), from.end(), [&](const LineState& x) {
            return std::any_of(to.begin(), to.end(),
                               [&](const LineState& y) { return alikeDepths(x, y); });
        });
    };
    return a.size() == b.size() && partnered(a, b) && partnered(b, a);
}

// The crossing at this angle nearest in depth to `depth`, among depths alike to it: a fold's
// crossings lie close together, and a search that widens its steps would pass them by.
std::optional<LineState> nearestCrossing(AngleSlice& slice, float depth) {
    std::array<float, kNearDepthCount> shares{};
    for (int i = 0; i < kNearDepthCount; ++i) {
        const double t = 2.0 * i / (kNearDepthCount - 1) - 1; // -1 .. 1
        shares[static_cast<std::size_t>(i)] =
            static_cast<float>(depth * std::exp(t * kAlikeDepths) / slice.height());
    }
    std::optional<LineState> nearest;
    for (const LineState& x : crossingsOnPlane(slice, shares)) {
        if (!nearest ||
            std::fabs(std::log(x.c / depth)) < std::fabs(std::log(nearest->c / depth))) {
            nearest = x;
        }
    }
    return nearest;
}

// The line settled between two crossings of neighbouring angles that bracket it, each depth
// the crossing nearest the last; nothing when the state settled is off the line.
std::optional<LineState> settledBetween(const EngineInputs& inputs, const LoadLine& line,
                                        const LineState& a, const LineState& b) {
    float depth = a.c;
    const auto onPlane = [&](float angle) {
        AngleSlice slice(inputs, line, angle);
        auto x = nearestCrossing(slice, depth);
        if (x) {
            depth = x->c;
        }
        return x;
    };
    const std::optional<LineState> x = falsePosition(
        a, b, onPlane, [](const LineState& s) { return s.angle; },
        [](const LineState& s) { return s.sideways; }, kAngleWidth);
    return onTheLine(x) ? x : std::nullopt;
}

// Between two angles: every pair of crossings that brackets the line is settled, the outermost
// state on the line kept. Where a branch of crossings is born or dies, or a bracket does not
// settle (the depth followed jumps to another branch), the interval is split, so that the fold
// is followed.
void scanBetween(const EngineInputs& inputs, const LoadLine& line, float from, float to,
                 const std::vector<LineState>& atFrom, const std::vector<LineState>& atTo,
                 std::optional<LineState>& best) {
    const bool finest = to - from <= kFinestScan;
    bool split = !sameBranches(atFrom, atTo);
    for (const LineState& a : atFrom) {
        for (const LineState& b : atTo) {
            if ((split && !finest) || !bracketsTheLine(a, b) || !alikeDepths(a, b)) {
                continue;
            }
            const std::optional<LineState> x = settledBetween(inputs, line, a, b);
            if (!x) {
                split = true;
            } else if (!best || x->along > best->along) {
                best = x;
            }
        }
    }
    if (!split || finest) {
        return;
    }
    std::vector<LineState> previous = atFrom;
    float previousAngle = from;
    for (int j = 1; j <= kScanSplits; ++j) {
        const float angle = j == kScanSplits ? to : from + (to - from) * j / kScanSplits;
        AngleSlice slice(inputs, line, angle);
        std::vector<LineState> next =
            j == kScanSplits ? atTo : crossingsOnPlane(slice, kScanDepths);
        scanBetween(inputs, line, previousAngle, angle, previous, next, best);
        previous = std::move(next);
        previousAngle = angle;
    }
}

// Near the squash load and near pure tension the states of every angle crowd round a point off
// the load's line, and the outermost crossing of the plane, which the searches above follow, may
// never meet the line: every crossing of angles a few degrees apart is followed instead.
std::optional<LineState> scannedOnLine(const EngineInputs& inputs, const LoadLine& line,
                                       float start) {
    std::optional<LineState> best;
    std::vector<LineState> last;
    float lastAngle = start;
    for (int k = 0; k <= kScanSteps; ++k) {
        const float angle = start + static_cast<float>(k * 360.0 / kScanSteps);
        AngleSlice slice(inputs, line, angle);
        std::vector<LineState> here = crossingsOnPlane(slice, kScanDepths);
        if (k > 0) {
            scanBetween(inputs, line, lastAngle, angle, last, here, best);
        }
        last = std::move(here);
        lastAngle = angle;
    }
    return best;
}

// The moment's direction need not turn steadily with the neutral axis: states a tenth of a
// degree apart can lie on the same ray, the surface folded between them, and only the outermost
// is on the surface. The angles near the state found are stepped through on either side, and
// the line's crossings among them settled; the outermost state on the line.
LineState outermostNearby(const EngineInputs& inputs, const LoadLine& line,
                          const LineState& found) {
    LineState best = found;
    for (const double side : {-1.0, 1.0}) {
        float lastDepth = found.c;
        const auto onPlane = [&](float angle) {
            AngleSlice slice(inputs, line, angle);
            auto s = depthOnPlane(slice, lastDepth, 1.05);
            if (s) {
                lastDepth = s->c;
            }
            return s;
        };
        std::optional<LineState> last;
        for (int j = 1; j <= kNearbySteps; ++j) {
            const std::optional<LineState> here =
                onPlane(static_cast<float>(found.angle + side * j * kNearbyStep));
            if (!here) {
                break;
            }
            if (last && bracketsTheLine(*last, *here)) {
                const float resume = lastDepth;
                const std::optional<LineState> x = falsePosition(
                    *last, *here, onPlane, [](const LineState& s) { return s.angle; },
                    [](const LineState& s) { return s.sideways; }, kAngleWidth);
                if (onTheLine(x) && x->along > best.along) {
                    best = *x;
                }
                lastDepth = resume;
            }
            last = here;
        }
    }
    return best;
}

} // namespace

std::optional<LoadLineCapacity> searchCapacityOnLoadLine(const EngineInputs& inputs, float P,
                                                         float Mx, float My, LoadLineScan scan) {
    const double moment = std::hypot(static_cast<double>(Mx), static_cast<double>(My));
    if (!(moment > 0) || !std::isfinite(moment) || !std::isfinite(P)) {
        return std::nullopt;
    }
    LoadLine line;
    line.ux = Mx / moment;
    line.uy = My / moment;
    // The first guess: the neutral axis square to the load's moment, as in a symmetric section;
    // the length that weighs moments against forces is half the height of the section so turned.
    const float square = static_cast<float>(std::atan2(line.ux, line.uy) * kDegreesPerRadian - 90);
    AngleSlice first(inputs, line, square);
    line.length = std::max(first.height() / 2.0, 1.0);
    line.norm = std::hypot(static_cast<double>(P), moment / line.length);
    line.dP = P / line.norm;
    line.dM = moment / line.length / line.norm;

    // Where a start lies on the far side of the origin, the neutral axis turned over.
    std::optional<LineState> found;
    for (const float start : {square, square + 180.0f}) {
        AngleSlice slice(inputs, line, start);
        const std::optional<LineState> onPlane = startOnPlane(slice);
        found = newtonOnLine(inputs, line, onPlane ? *onPlane : slice.at(slice.height() / 2));
        if (onTheLine(found)) {
            break;
        }
    }
    for (const float start : {square, square + 180.0f}) {
        if (onTheLine(found)) {
            break;
        }
        found = bracketedOnLine(inputs, line, start);
    }
    if (!onTheLine(found) && scan == LoadLineScan::EveryCrossing) {
        found = scannedOnLine(inputs, line, square);
    }
    if (!onTheLine(found)) {
        return std::nullopt;
    }
    found = outermostNearby(inputs, line, *found);
    const double lambda = found->along / line.norm;
    if (!(lambda > 0) || !std::isfinite(lambda)) {
        return std::nullopt;
    }
    LoadLineCapacity capacity;
    capacity.lambda = lambda;
    capacity.phi = found->phi;
    capacity.Pn = static_cast<float>(lambda * P);
    capacity.Mnx = static_cast<float>(lambda * Mx);
    capacity.Mny = static_cast<float>(lambda * My);
    return capacity;
}

} // namespace pmsect
