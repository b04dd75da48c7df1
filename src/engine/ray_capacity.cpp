// Capacity by bracketing: bisection on the depth for an axial force, a scan and bisection on the
// neutral-axis angle for a moment direction, and bisection on the scale of a load's ray.
#include "engine/ray_capacity.h"

#include <cmath>
#include <limits>
#include <vector>

namespace pmsect {
namespace {

constexpr float kMinDepth = 0.001f;
constexpr int kAngleScanSteps = 144;
constexpr int kBisections = 40;

struct Evaluation {
    float Pn = 0;
    float Mnx = 0;
    float Mny = 0;
    float phi = 0;
};

Evaluation evaluate(ProjectModel& model, float angle, float c) {
    NeutralAxisState state;
    state.c = c;
    EvaluationDetail detail;
    solveNeutralAxis(model, angle, state, &detail);
    return {state.Pn, detail.Mnx, detail.Mny, state.phi};
}

// Signed angle in degrees from the direction (dirY, dirX) to the moment (Mny, Mnx), in
// (-180, 180]; the sign tells on which side of the wanted direction the moment points.
double angleFrom(double dirX, double dirY, const Evaluation& e) {
    const double cross = dirY * e.Mnx - dirX * e.Mny;
    const double dot = dirY * e.Mny + dirX * e.Mnx;
    return std::atan2(cross, dot) * 180.0 / 3.14159265358979323846;
}

struct AngleSample {
    bool valid = false;
    float angle = 0;
    float c = 0;
    double miss = 0;
    Evaluation eval;
};

AngleSample sampleAt(ProjectModel& model, float P, float angle, double dirX, double dirY) {
    AngleSample s;
    s.angle = angle;
    const auto c = depthForAxialForce(model, angle, P);
    if (!c) {
        return s;
    }
    s.c = *c;
    s.eval = evaluate(model, angle, s.c);
    s.miss = angleFrom(dirX, dirY, s.eval);
    s.valid = std::isfinite(s.miss);
    return s;
}

} // namespace

std::optional<float> depthForAxialForce(ProjectModel& model, float angle, float P) {
    float lo = kMinDepth;
    if (evaluate(model, angle, lo).Pn < P) {
        return std::nullopt; // more tension than the steel can give
    }
    // Pn falls as the neutral axis deepens; find a depth that gives at least P of compression.
    float hi = 1.0f;
    int doublings = 0;
    while (evaluate(model, angle, hi).Pn > P) {
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
        if (evaluate(model, angle, mid).Pn > P) {
            lo = mid;
        } else {
            hi = mid;
        }
    }
    return lo + (hi - lo) / 2;
}

std::optional<SurfacePoint> capacityInDirection(ProjectModel& model, float P, float Mx, float My) {
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
            sampleAt(model, P, static_cast<float>(k * 360.0 / kAngleScanSteps), dirX, dirY));
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
            const AngleSample m = sampleAt(model, P, mid, dirX, dirY);
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

std::optional<RayCapacity> capacityOnLoadRay(ProjectModel& model, float Pu, float Mux, float Muy) {
    const double moment = std::hypot(static_cast<double>(Mux), static_cast<double>(Muy));
    if (!(moment > 0) || !std::isfinite(moment) || !std::isfinite(Pu)) {
        return std::nullopt;
    }
    const auto atScale = [&](double lambda) {
        return capacityInDirection(model, static_cast<float>(lambda * Pu), Mux, Muy);
    };
    if (Pu == 0) {
        const auto point = atScale(0);
        if (!point) {
            return std::nullopt;
        }
        const double along = (Mux * point->Mnx + Muy * point->Mny) / moment;
        return RayCapacity{*point, static_cast<float>(along / moment)};
    }
    const double limit = Pu < 0 ? model.Po / 1000.0 : model.To / 1000.0;
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
    for (int i = 0; i < kBisections; ++i) {
        const double mid = (lo + hi) / 2;
        const auto point = atScale(mid);
        const double along = point ? (Mux * point->Mnx + Muy * point->Mny) / moment : -1.0;
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
