// One neutral-axis angle made ready for any number of depths. The searches move only the depth
// at a fixed angle, so the section is turned once per angle instead of once per evaluation; and
// the steps of a search, which look at only part of an evaluation, can leave out the rest.
#pragma once

#include "engine/compression_zone.h"
#include "engine/engine_inputs.h"
#include "engine/neutral_axis_state.h"

#include <array>

namespace pmsect {

// Valid for the inputs it was prepared from. Like RotatedSection, only the first barCount
// entries of the per-bar arrays are ever set or read.
struct NeutralAxisFrame {
    float angle = 0; // degrees
    float theta = 0; // radians, the turn applied to the section
    RotatedSection section;
    // Each bar in double precision as the strain, the force and the moments take them: its
    // distance below the top of the turned section, its area and its turned position.
    std::array<double, kMaxBars> barDepth;
    std::array<double, kMaxBars> barArea;
    std::array<double, kMaxBars> barX;
    std::array<double, kMaxBars> barY;
    // sin and cos of -theta as the section was turned, for the moments about its own axes.
    double sinMinusTheta = 0;
    double cosMinusTheta = 0;
    // What every depth shares of the design code's laws and of the section's limits.
    StressBlock block{};
    SteelLaw steel{};
    float phiPnMax = 0; // lb
};

// Turns the outline and the bars by the neutral-axis angle (degrees). limits: the inputs' axial
// limits, when the caller has them already.
void prepareNeutralAxisFrame(const EngineInputs& inputs, const AxialLimits& limits, float angle,
                             NeutralAxisFrame& frame);
void prepareNeutralAxisFrame(const EngineInputs& inputs, float angle, NeutralAxisFrame& frame);

// The evaluation of solveNeutralAxis at state.c in a frame prepared from the same inputs.
void solveNeutralAxis(const EngineInputs& inputs, const NeutralAxisFrame& frame,
                      NeutralAxisState& state, EvaluationDetail* detail = nullptr);

// The same evaluation made again for results a search hands back; not counted as an evaluation.
void remeasureNeutralAxis(const EngineInputs& inputs, const NeutralAxisFrame& frame,
                          NeutralAxisState& state);

// The moments about the section's own axes, as EvaluationDetail gives them.
struct SectionMoments {
    float Mnx = 0; // kip-in
    float Mny = 0;
};

// The evaluation giving Pn, phi, the strain and the section-axis moments; state.Mn and
// state.loadAngle are left as they were.
void solveNeutralAxis(const EngineInputs& inputs, const NeutralAxisFrame& frame,
                      NeutralAxisState& state, SectionMoments& moments);

// Parts of the evaluation, each digit for digit what the full one gives. solveAxialForce sets
// state.c (raised to the minimum depth), state.Pn and the strain; solveAxialForceAndMoment also
// state.Mn. The rest of the state is left as it was.
void solveAxialForce(const EngineInputs& inputs, const NeutralAxisFrame& frame,
                     NeutralAxisState& state);
void solveAxialForceAndMoment(const EngineInputs& inputs, const NeutralAxisFrame& frame,
                              NeutralAxisState& state);

} // namespace pmsect
