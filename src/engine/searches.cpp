// The stepping searches over the neutral axis: reverse and halve the step on overshoot.
#include "engine/searches.h"

#include "engine/neutral_axis_frame.h"
#include "engine/strain_compat.h"
#include "engine/strength_reduction.h"
#include "engine/trial_cycle.h"

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

// The steps of a depth search at one angle. Only the depth moves, so the section is turned once;
// each step works out only what the search steers by, and the state the search hands back is
// measured in full once it has stopped, which gives the same digits as measuring every step.
class DepthSteps {
public:
    DepthSteps(const EngineInputs& inputs, float angle) : inputs_(inputs) {
        prepareNeutralAxisFrame(inputs, angle, frame_);
    }
    DepthSteps(const EngineInputs& inputs, const AxialLimits& limits, float angle)
        : inputs_(inputs) {
        prepareNeutralAxisFrame(inputs, limits, angle, frame_);
    }

    void axialForce(NeutralAxisState& state) {
        solveAxialForce(inputs_, frame_, state);
        note(state);
    }

    void axialForceAndMoment(NeutralAxisState& state) {
        solveAxialForceAndMoment(inputs_, frame_, state);
        note(state);
    }

    // Mn, phi and the load angle as the full evaluation of every step would have left them: the
    // load angle is that of the last step whose Pn writes it, or the caller's when none did.
    void finish(NeutralAxisState& state) {
        if (angleWritten_ && angleDepth_ != state.c) {
            NeutralAxisState earlier = state;
            earlier.c = angleDepth_;
            remeasureNeutralAxis(inputs_, frame_, earlier);
            state.loadAngle = earlier.loadAngle;
        }
        remeasureNeutralAxis(inputs_, frame_, state);
    }

private:
    void note(const NeutralAxisState& state) {
        if (writesLoadAngle(state.Pn)) {
            angleWritten_ = true;
            angleDepth_ = state.c;
        }
    }

    const EngineInputs& inputs_;
    NeutralAxisFrame frame_;
    bool angleWritten_ = false;
    float angleDepth_ = 0;
};

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

bool searchForEccentricity(const EngineInputs& inputs, float& targetE, float angle,
                           NeutralAxisState& state) {
    const float eT = targetE;
    const float tol = std::fabs(eT) / 1000.0f;
    DepthSteps steps(inputs, angle);
    steps.axialForceAndMoment(state);
    float e = eccentricityOf(state);
    float s = 1.0f;
    if (eT < 0 && e < eT) {
        s = -1.0f;
    }
    if (eT > 0 && 0 < e && e < eT) {
        s = -s;
    }
    int stepCount = 0;
    while (std::fabs(static_cast<double>(eT) - e) > tol) {
        if (++stepCount > kMaxDepthSteps) {
            steps.finish(state);
            targetE = e;
            return false;
        }
        stepDepth(state, s);
        steps.axialForceAndMoment(state);
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
    steps.finish(state);
    targetE = e;
    return true;
}

namespace {

bool searchForAxialLoad(const EngineInputs& inputs, const AxialLimits& limits, float& targetP,
                        float angle, NeutralAxisState& state, std::optional<float> tolerance) {
    const float squash = static_cast<float>(limits.Po / 1000.0);
    const float tension = static_cast<float>(limits.To / 1000.0);
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
    const float tol = tolerance.value_or(std::max(std::fabs(P) / 100.0f, 0.01f));
    DepthSteps steps(inputs, limits, angle);
    steps.axialForce(state);
    // A deeper neutral axis gives more compression, so a positive step moves Pn down.
    float s = state.c / 2;
    if (state.Pn < P) {
        s = -s;
    }
    int stepCount = 0;
    bool reached = true;
    while (std::fabs(static_cast<double>(P) - state.Pn) > tol) {
        if (++stepCount > kMaxDepthSteps) {
            reached = false;
            break;
        }
        stepDepth(state, s);
        steps.axialForce(state);
        if (s > 0 && state.Pn < P) {
            s = -s / 2;
        }
        if (s < 0 && state.Pn > P) {
            s = -s / 2;
        }
    }
    steps.finish(state);
    targetP = state.Pn;
    return reached;
}

} // namespace

bool searchForAxialLoad(const EngineInputs& inputs, float& targetP, float angle,
                        NeutralAxisState& state, std::optional<float> tolerance) {
    return searchForAxialLoad(inputs, axialLimits(inputs), targetP, angle, state, tolerance);
}

bool eccentricityWithinDrift(float asked, float reached) {
    return std::isfinite(asked) && std::isfinite(reached) &&
           std::fabs(static_cast<double>(reached) - asked) <=
               std::fabs(static_cast<double>(asked)) / 100.0;
}

AngleSearchOutcome searchForEccentricityAndAngle(const EngineInputs& inputs, float& targetE,
                                                 float& targetAngle, NeutralAxisState& state) {
    AngleSearchOutcome out;
    const float beta = targetAngle;
    float alpha = static_cast<float>(static_cast<double>(beta) - 90.0);
    bool eReached = searchForEccentricity(inputs, targetE, alpha, state);
    float d = static_cast<float>(static_cast<double>(beta) - state.loadAngle);
    float s = d / 4;
    TrialCycle cycle;
    for (int trial = 1;; ++trial) {
        if (std::fabs(d) <= 0.001f) {
            targetAngle = state.loadAngle;
            out.converged = eReached;
            break;
        }
        if (trial >= kMaxAngleTrials) {
            break;
        }
        if (const AngleTrial* last =
                cycle.record(trial, {alpha, s, d, targetE, state, eReached}, kMaxAngleTrials)) {
            // Caught in a cycle: the bound would stop it on this trial.
            alpha = last->alpha;
            d = last->miss;
            targetE = last->target;
            state = last->state;
            break;
        }
        alpha = static_cast<float>(static_cast<double>(alpha) + s);
        eReached = searchForEccentricity(inputs, targetE, alpha, state);
        const float dNew = static_cast<float>(static_cast<double>(beta) - state.loadAngle);
        s = nextAngleStep(s, d, dNew);
        d = dNew;
    }
    out.neutralAxisAngle = alpha;
    out.angleMiss = d;
    return out;
}

AngleSearchOutcome searchForAxialLoadAndAngle(const EngineInputs& inputs, float& targetP,
                                              float targetAngle, NeutralAxisState& state,
                                              std::optional<float> tolerance) {
    AngleSearchOutcome out;
    const AxialLimits limits = axialLimits(inputs);
    const float P0 = targetP;
    const float beta = targetAngle;
    float alpha = static_cast<float>(static_cast<double>(beta) - 90.0);
    bool pReached = searchForAxialLoad(inputs, limits, targetP, alpha, state, tolerance);
    float d = static_cast<float>(static_cast<double>(beta) - state.loadAngle);
    float s = d / 6;
    int k = 1;
    TrialCycle cycle;
    while (!(std::fabs(d) <= 0.1f || k >= kMaxAngleTrials)) {
        if (const AngleTrial* last =
                cycle.record(k, {alpha, s, d, targetP, state, pReached}, kMaxAngleTrials)) {
            // Caught in a cycle: the bound would stop it on this trial.
            alpha = last->alpha;
            d = last->miss;
            targetP = last->target;
            state = last->state;
            pReached = last->reached;
            break;
        }
        ++k;
        targetP = P0;
        alpha = static_cast<float>(static_cast<double>(alpha) + s);
        pReached = searchForAxialLoad(inputs, limits, targetP, alpha, state, tolerance);
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
