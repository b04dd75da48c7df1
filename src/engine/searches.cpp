// The stepping searches over the neutral axis: reverse and halve the step on overshoot.
#include "engine/searches.h"

#include <cmath>
#include <limits>

namespace pmsect {
namespace {

constexpr float kMinDepth = 0.001f;
// Stands for an infinite eccentricity when the axial force is exactly zero.
constexpr float kInfiniteEccentricity = 1.0e30f;

void stepDepth(NeutralAxisState& state, float step) {
    state.c = static_cast<float>(static_cast<double>(state.c) + step);
    if (state.c < kMinDepth) {
        state.c = kMinDepth;
    }
}

// Step rule of the angle searches: d is the previous miss, dNew the new one.
float nextAngleStep(float step, float d, float dNew) {
    if ((d <= 0 || dNew <= 0) && (d >= 0 || dNew >= 0)) {
        return -step / 2;
    }
    if (d < 0 && dNew < 0 && std::fabs(dNew) > std::fabs(d)) {
        return -step;
    }
    if (d > 0 && dNew > 0 && dNew > d) {
        return -step;
    }
    return step;
}

} // namespace

float eccentricityOf(const NeutralAxisState& state) {
    if (state.Pn == 0) {
        if (state.Mn == 0) {
            return 0;
        }
        return state.Mn > 0 ? -kInfiniteEccentricity : kInfiniteEccentricity;
    }
    return static_cast<float>(-static_cast<double>(state.Mn) / state.Pn);
}

bool searchForEccentricity(ProjectModel& model, float& targetE, float angle,
                           NeutralAxisState& state) {
    const float eT = targetE;
    const float tol = std::fabs(eT) / 1000.0f;
    solveNeutralAxis(model, angle, state);
    float e = eccentricityOf(state);
    float s = 1.0f;
    if (eT < 0 && e < eT) {
        s = -1.0f;
    }
    if (eT > 0 && 0 < e && e < eT) {
        s = -s;
    }
    int steps = 0;
    while (std::fabs(static_cast<double>(eT) - e) > tol) {
        if (++steps > kMaxDepthSteps) {
            targetE = e;
            return false;
        }
        stepDepth(state, s);
        solveNeutralAxis(model, angle, state);
        e = eccentricityOf(state);
        if (eT <= 0) {
            if (s <= 0) {
                if (e < 0 && e > eT) {
                    s = -s / 2;
                }
            } else {
                if (e < eT) {
                    s = -s / 2;
                }
                if (e > 0) {
                    s = -s / 2;
                }
            }
        } else {
            if (s > 0) {
                if (0 < e && e < eT) {
                    s = -s / 2;
                }
            } else {
                if (e > eT) {
                    s = -s / 2;
                }
                if (e < 0) {
                    s = -s / 2;
                }
            }
        }
    }
    targetE = e;
    return true;
}

bool searchForAxialLoad(ProjectModel& model, float& targetP, float angle, NeutralAxisState& state) {
    const float squash = static_cast<float>(model.Po / 1000.0);
    const float tension = static_cast<float>(model.To / 1000.0);
    if (targetP < squash) {
        targetP = squash;
        state.Mn = 0;
        return true;
    }
    if (targetP > tension) {
        targetP = tension;
        state.Mn = 0;
        return true;
    }
    const float P = targetP;
    const float tol = std::max(std::fabs(P) / 100.0f, 0.01f);
    solveNeutralAxis(model, angle, state);
    // A deeper neutral axis gives more compression, so a positive step moves Pn down.
    float s = state.c / 2;
    if (state.Pn < P) {
        s = -s;
    }
    int steps = 0;
    bool reached = true;
    while (std::fabs(static_cast<double>(P) - state.Pn) > tol) {
        if (++steps > kMaxDepthSteps) {
            reached = false;
            break;
        }
        stepDepth(state, s);
        solveNeutralAxis(model, angle, state);
        if (s > 0 && state.Pn < P) {
            s = -s / 2;
        }
        if (s < 0 && state.Pn > P) {
            s = -s / 2;
        }
    }
    targetP = state.Pn;
    return reached;
}

bool eccentricityWithinDrift(float asked, float reached) {
    return std::isfinite(reached) && std::fabs(static_cast<double>(reached) - asked) <=
                                         std::fabs(static_cast<double>(asked)) / 100.0;
}

AngleSearchOutcome searchForEccentricityAndAngle(ProjectModel& model, float& targetE,
                                                 float& targetAngle, NeutralAxisState& state) {
    AngleSearchOutcome out;
    const float beta = targetAngle;
    float alpha = static_cast<float>(static_cast<double>(beta) - 90.0);
    bool eReached = searchForEccentricity(model, targetE, alpha, state);
    float d = static_cast<float>(static_cast<double>(beta) - state.loadAngle);
    float s = d / 4;
    for (int trial = 1;; ++trial) {
        if (std::fabs(d) <= 0.001f) {
            targetAngle = state.loadAngle;
            out.converged = eReached;
            break;
        }
        if (trial >= kMaxAngleTrials) {
            break;
        }
        alpha = static_cast<float>(static_cast<double>(alpha) + s);
        eReached = searchForEccentricity(model, targetE, alpha, state);
        const float dNew = static_cast<float>(static_cast<double>(beta) - state.loadAngle);
        s = nextAngleStep(s, d, dNew);
        d = dNew;
    }
    out.neutralAxisAngle = alpha;
    out.angleMiss = d;
    return out;
}

AngleSearchOutcome searchForAxialLoadAndAngle(ProjectModel& model, float& targetP,
                                              float targetAngle, NeutralAxisState& state) {
    AngleSearchOutcome out;
    const float P0 = targetP;
    const float beta = targetAngle;
    float alpha = static_cast<float>(static_cast<double>(beta) - 90.0);
    bool pReached = searchForAxialLoad(model, targetP, alpha, state);
    float d = static_cast<float>(static_cast<double>(beta) - state.loadAngle);
    float s = d / 6;
    int k = 1;
    while (!(std::fabs(d) <= 0.1f || k >= kMaxAngleTrials)) {
        ++k;
        targetP = P0;
        alpha = static_cast<float>(static_cast<double>(alpha) + s);
        pReached = searchForAxialLoad(model, targetP, alpha, state);
        const float dNew = static_cast<float>(static_cast<double>(beta) - state.loadAngle);
        s = nextAngleStep(s, d, dNew);
        d = dNew;
    }
    out.converged = pReached && std::fabs(d) <= 0.1f;
    out.neutralAxisAngle = alpha;
    out.angleMiss = d;
    return out;
}

} // namespace pmsect
