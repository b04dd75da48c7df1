// Capacity by bracketing: bisection on the depth for an axial force, a scan and bisection on the
// neutral-axis angle for a moment direction, and bisection on the scale of a load's ray.
#include "engine/ray_capacity.h"

#include "engine/neutral_axis_frame.h"
#include "engine/strength_reduction.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <numbers>
#include <unordered_map>
#include <vector>

namespace pmsect {
namespace {

constexpr float kMinDepth = 0.001f;
constexpr int kAngleScanSteps = 144;
constexpr int kBisections = 40;
// Enough halvings to take the largest scale below the smallest a float can hold.
constexpr int kRayHalvings = 320;

struct Evaluation {
    float Pn = 0;
    float Mnx = 0;
    float Mny = 0;
    float phi = 0;
};

Evaluation evaluate(const EngineInputs& inputs, const NeutralAxisFrame& frame, float c) {
    NeutralAxisState state;
    state.c = c;
    SectionMoments moments;
    solveNeutralAxis(inputs, frame, state, moments);
    return {state.Pn, moments.Mnx, moments.Mny, state.phi};
}

// The depth search at one angle; axialForceAt(c) gives Pn at depth c.
template <class AxialForceAt> std::optional<float> depthSearch(float P, AxialForceAt axialForceAt) {
    float lo = kMinDepth;
    if (axialForceAt(lo) < P) {
        return std::nullopt; // more tension than the steel can give
    }
    // Pn falls as the neutral axis deepens; find a depth that gives at least P of compression.
    float hi = 1.0f;
    int doublings = 0;
    while (axialForceAt(hi) > P) {
        lo = hi;
        hi *= 2;
        if (++doublings > 60) {
            return std::nullopt; // more compression than the section can carry
        }
    }
    for (int i = 0; i < kBisections * 2; ++i) {
        const float mid = lo + (hi - lo) / 2;
        if (mid <= lo || mid >= hi) {
            break; // neighbouring floats: as close as single precision allows
        }
        if (axialForceAt(mid) > P) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return lo + (hi - lo) / 2;
}

bool sameBits(float a, float b) {
    return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
}

// The evaluations already made at one angle. An evaluation is a function of the inputs, the
// angle and the depth alone, so each is made once and its result reused. The depths form a tree: a
// depth search for one axial force takes the same first steps as one for a nearby force, and the
// scan comes back to the same angles for every scale of the ray, so a later search walks the tree
// and evaluates only where it leaves it.
class AngleMemo {
public:
    AngleMemo(const EngineInputs& inputs, const AxialLimits& limits, float angle)
        : inputs_(inputs), limits_(limits), angle_(angle) {}

    // The next depth search starts from the root.
    void restart() { cursor_ = -1; }

    // Pn at depth c, the next depth of the current search.
    float axialForce(float c) {
        for (int i = cursor_ < 0 ? firstRoot_ : nodes_[cursor_].firstChild; i >= 0;
             i = nodes_[i].nextSibling) {
            if (sameBits(nodes_[i].c, c)) {
                cursor_ = i;
                return nodes_[i].Pn;
            }
        }
        NeutralAxisState state;
        state.c = c;
        solveAxialForce(inputs_, frame(), state);
        const int index = static_cast<int>(nodes_.size());
        const auto head = [this]() -> int& {
            return cursor_ < 0 ? firstRoot_ : nodes_[static_cast<std::size_t>(cursor_)].firstChild;
        };
        nodes_.push_back({c, state.Pn, -1, head()});
        head() = index; // found again: push_back may have moved the nodes
        cursor_ = index;
        return state.Pn;
    }

    // The whole evaluation at depth c.
    Evaluation evaluation(float c) {
        for (const Whole& w : wholes_) {
            if (sameBits(w.c, c)) {
                return w.eval;
            }
        }
        const Evaluation e = evaluate(inputs_, frame(), c);
        wholes_.push_back({c, e});
        return e;
    }

private:
    struct Node {
        float c;
        float Pn;
        int firstChild;
        int nextSibling;
    };
    struct Whole {
        float c;
        Evaluation eval;
    };

    const NeutralAxisFrame& frame() {
        if (!frame_) {
            frame_ = std::make_unique<NeutralAxisFrame>();
            prepareNeutralAxisFrame(inputs_, limits_, angle_, *frame_);
        }
        return *frame_;
    }

    const EngineInputs& inputs_;
    const AxialLimits& limits_;
    float angle_;
    std::unique_ptr<NeutralAxisFrame> frame_;
    std::vector<Node> nodes_;
    int firstRoot_ = -1;
    int cursor_ = -1; // the node of the current search's last depth; -1 before its first
    std::vector<Whole> wholes_;
};

// The memos of every angle visited while one capacity is sought.
class EvaluationMemo {
public:
    explicit EvaluationMemo(const EngineInputs& inputs)
        : inputs_(inputs), limits_(axialLimits(inputs)) {}

    const AxialLimits& limits() const { return limits_; }

    AngleMemo& at(float angle) {
        auto& memo = byAngle_[std::bit_cast<std::uint32_t>(angle)];
        if (!memo) {
            memo = std::make_unique<AngleMemo>(inputs_, limits_, angle);
        }
        return *memo;
    }

private:
    const EngineInputs& inputs_;
    AxialLimits limits_;
    std::unordered_map<std::uint32_t, std::unique_ptr<AngleMemo>> byAngle_;
};

// Signed angle in degrees from the direction (dirY, dirX) to the moment (Mny, Mnx), in
// (-180, 180]; the sign tells on which side of the wanted direction the moment points.
double angleFrom(double dirX, double dirY, const Evaluation& e) {
    const double cross = dirY * e.Mnx - dirX * e.Mny;
    const double dot = dirY * e.Mny + dirX * e.Mnx;
    return std::atan2(cross, dot) * 180.0 / std::numbers::pi;
}

struct AngleSample {
    bool valid = false;
    float angle = 0;
    float c = 0;
    double miss = 0;
    Evaluation eval;
};

AngleSample sampleAt(EvaluationMemo& memo, float P, float angle, double dirX, double dirY) {
    AngleSample s;
    s.angle = angle;
    AngleMemo& at = memo.at(angle);
    at.restart();
    const auto c = depthSearch(P, [&](float depth) { return at.axialForce(depth); });
    if (!c) {
        return s;
    }
    s.c = *c;
    s.eval = at.evaluation(s.c);
    s.miss = angleFrom(dirX, dirY, s.eval);
    s.valid = std::isfinite(s.miss);
    return s;
}

} // namespace

namespace {

std::optional<SurfacePoint> capacityInDirection(EvaluationMemo& memo, float P, float Mx, float My) {
    const double norm = std::hypot(static_cast<double>(Mx), static_cast<double>(My));
    if (!(norm > 0) || !std::isfinite(norm)) {
        return std::nullopt;
    }
    const double dirX = Mx / norm;
    const double dirY = My / norm;

    std::vector<AngleSample> samples;
    samples.reserve(kAngleScanSteps + 1);
    for (int k = 0; k <= kAngleScanSteps; ++k) {
        samples.push_back(
            sampleAt(memo, P, static_cast<float>(k * 360.0 / kAngleScanSteps), dirX, dirY));
    }

    std::optional<SurfacePoint> best;
    double bestMoment = 0;
    for (int k = 0; k < kAngleScanSteps; ++k) {
        AngleSample a = samples[k];
        AngleSample b = samples[k + 1];
        // A root lies where the miss changes sign without wrapping round through 180 degrees.
        if (!a.valid || !b.valid || std::fabs(a.miss) >= 90 || std::fabs(b.miss) >= 90 ||
            (a.miss > 0) == (b.miss > 0)) {
            continue;
        }
        for (int i = 0; i < kBisections; ++i) {
            const float mid = a.angle + (b.angle - a.angle) / 2;
            if (mid <= a.angle || mid >= b.angle) {
                break;
            }
            const AngleSample m = sampleAt(memo, P, mid, dirX, dirY);
            if (!m.valid) {
                break;
            }
            if ((m.miss > 0) == (a.miss > 0)) {
                a = m;
            } else {
                b = m;
            }
        }
        const AngleSample& root = std::fabs(a.miss) <= std::fabs(b.miss) ? a : b;
        const double along = dirX * root.eval.Mnx + dirY * root.eval.Mny;
        if (std::fabs(root.miss) > 0.01 || along <= 0) {
            continue;
        }
        if (along > bestMoment) {
            bestMoment = along;
            best = SurfacePoint{root.angle,    root.c,        root.eval.Pn,
                                root.eval.Mnx, root.eval.Mny, root.eval.phi};
        }
    }
    return best;
}

} // namespace

std::optional<SurfacePoint> capacityInDirection(const EngineInputs& inputs, float P, float Mx,
                                                float My) {
    EvaluationMemo memo(inputs);
    return capacityInDirection(memo, P, Mx, My);
}

std::optional<RayCapacity> capacityOnLoadRay(const EngineInputs& inputs, float Pu, float Mux,
                                             float Muy) {
    const double moment = std::hypot(static_cast<double>(Mux), static_cast<double>(Muy));
    if (!(moment > 0) || !std::isfinite(moment) || !std::isfinite(Pu)) {
        return std::nullopt;
    }
    // Every scale looks at the same angles, and nearby scales at nearly the same depths.
    EvaluationMemo memo(inputs);
    // In double: a load near the top of single precision times a capacity overflows a float.
    const auto momentAlong = [&](const SurfacePoint& p) {
        return (static_cast<double>(Mux) * p.Mnx + static_cast<double>(Muy) * p.Mny) / moment;
    };
    const auto atScale = [&](double lambda) {
        return capacityInDirection(memo, static_cast<float>(lambda * Pu), Mux, Muy);
    };
    if (Pu == 0) {
        const auto point = atScale(0);
        if (!point) {
            return std::nullopt;
        }
        return RayCapacity{*point, static_cast<float>(momentAlong(*point) / moment)};
    }
    const double limit = Pu < 0 ? memo.limits().Po / 1000.0 : memo.limits().To / 1000.0;
    const double lambdaMax = limit / Pu;
    if (!(lambdaMax > 0)) {
        return std::nullopt;
    }
    auto inside = atScale(0);
    if (!inside) {
        return std::nullopt;
    }
    double lo = 0;
    double hi = lambdaMax;
    // Halving from the axial limit until the ray lies inside, then bisecting to 1E-7. A load
    // whose eccentricity is out of all proportion to the section meets the surface at a tiny
    // scale, so the halvings may run to the bottom of the range of a float.
    for (int i = 0; i < kRayHalvings; ++i) {
        const double mid = (lo + hi) / 2;
        const auto point = atScale(mid);
        const double along = point ? momentAlong(*point) : -1.0;
        if (point && along >= mid * moment) {
            lo = mid;
            inside = point;
        } else {
            hi = mid;
        }
        if (hi - lo <= 1e-7 * hi) {
            break;
        }
    }
    return RayCapacity{*inside, static_cast<float>(lo)};
}

} // namespace pmsect
