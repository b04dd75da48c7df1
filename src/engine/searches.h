// Neutral-axis searches: the depth that gives a required eccentricity or axial force at a fixed
// angle, and the angle that makes the load line point in a required direction. All four step,
// reverse and halve; none uses derivatives. Every loop is bounded, and each search says whether
// it reached its target.
#pragma once

#include "engine/engine_inputs.h"
#include "engine/neutral_axis_state.h"

#include <optional>

namespace pmsect {

inline constexpr int kMaxDepthSteps = 200;
inline constexpr int kMaxAngleTrials = 720;

// e = -Mn/Pn in inches; positive under compression with Mn positive. A zero Pn gives an
// eccentricity so large that it stands for an infinite one.
float eccentricityOf(const NeutralAxisState& state);

// Moves state.c at the neutral-axis angle until e is within |target|/1000 of the target.
// The target is replaced by the e reached. True when the tolerance was met.
bool searchForEccentricity(const EngineInputs& inputs, float& targetE, float angle,
                           NeutralAxisState& state);

// Moves state.c at the neutral-axis angle until Pn is within the tolerance (kips) of the
// target; without one, within 1 % of the target (at least 0.01 kips). A target beyond Po or To
// is clamped to it with Mn = 0 and no evaluation. The target is replaced by the Pn reached.
// True when the tolerance was met or the target was clamped.
bool searchForAxialLoad(const EngineInputs& inputs, float& targetP, float angle,
                        NeutralAxisState& state, std::optional<float> tolerance = std::nullopt);

struct AngleSearchOutcome {
    bool converged = false;     // the load angle came within the search's tolerance
    float neutralAxisAngle = 0; // degrees
    float angleMiss = 0;        // target angle less the load angle of the last trial
};

// Each run of the eccentricity search inside the angle search aims at the e the previous run
// reached, so the e drifts by a few of its 1/1000 tolerances over the trials. A result within
// 1/100 of the e asked for still lies on that load line; beyond it, it belongs to another. An
// infinite e (a moment too large to divide by its load) is never reached.
bool eccentricityWithinDrift(float asked, float reached);

// Turns the neutral axis until the load line of the eccentricity search points at the target
// angle (within 0.001 degree). On success the target angle is replaced by the angle reached.
AngleSearchOutcome searchForEccentricityAndAngle(const EngineInputs& inputs, float& targetE,
                                                 float& targetAngle, NeutralAxisState& state);

// Turns the neutral axis until the load line of the axial-force search points at the target
// angle (within 0.1 degree), at most 720 trials; each trial searches the axial force with the
// tolerance given (see searchForAxialLoad). targetP ends as the Pn of the last search.
AngleSearchOutcome searchForAxialLoadAndAngle(const EngineInputs& inputs, float& targetP,
                                              float targetAngle, NeutralAxisState& state,
                                              std::optional<float> tolerance = std::nullopt);

} // namespace pmsect
