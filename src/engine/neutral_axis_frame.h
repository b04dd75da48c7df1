// One neutral-axis angle made ready for any number of depths. The searches move only the depth
// at a fixed angle, so the section is turned, and its bars looked up, once per angle instead of
// once per evaluation; and the steps of a search, which look at only part of an evaluation, can
// leave out the rest.
#pragma once

#include "engine/compression_zone.h"
#include "engine/strain_compat.h"
#include "model/project_model.h"

#include <array>
#include <optional>

namespace pmsect {

// Valid for the model as it was when prepared: its outline, reference point and bars. Like
// RotatedSection, only the first barCount entries of the per-bar arrays are ever set or read.
struct NeutralAxisFrame {
    float angle = 0; // degrees
    float theta = 0; // radians, the turn applied to the section
    RotatedSection section;
    // The last bar whose number is missing from the bar table; every evaluation records it.
    std::optional<float> unmatchedBarSize;
    // Each bar in double precision as the strain, the force and the moments take them: its
    // distance below the top of the turned section, its area and its turned position.
    std::array<double, kMaxBars> barDepth;
    std::array<double, kMaxBars> barArea;
    std::array<double, kMaxBars> barX;
    std::array<double, kMaxBars> barY;
    // cos and sin of theta as the section was turned; the moments about the section's own axes
    // turn back by the same.
    double cosTheta = 1;
    double sinTheta = 0;
};

// Turns the first pointCount outline points and all bars by the neutral-axis angle (degrees).
void prepareNeutralAxisFrame(const ProjectModel& model, int pointCount, float angle,
                             NeutralAxisFrame& frame);

// The evaluation of solveNeutralAxis at state.c in a prepared frame, with the same results and
// the same writes to the model.
void solveNeutralAxis(ProjectModel& model, const NeutralAxisFrame& frame, NeutralAxisState& state,
                      EvaluationDetail* detail = nullptr);

// The same evaluation made again for results a search hands back; not counted as an evaluation.
void remeasureNeutralAxis(ProjectModel& model, const NeutralAxisFrame& frame,
                          NeutralAxisState& state);

// The moments about the section's own axes, as EvaluationDetail gives them.
struct SectionMoments {
    float Mnx = 0; // kip-in
    float Mny = 0;
};

// The evaluation giving Pn, phi and the section-axis moments; state.Mn and state.loadAngle are
// left as they were.
void solveNeutralAxis(ProjectModel& model, const NeutralAxisFrame& frame, NeutralAxisState& state,
                      SectionMoments& moments);

// Parts of the evaluation, each digit for digit what the full one gives, with the same writes to
// the model. solveAxialForce sets state.c (raised to the minimum depth) and state.Pn;
// solveAxialForceAndMoment also state.Mn. The rest of the state is left as it was.
void solveAxialForce(ProjectModel& model, const NeutralAxisFrame& frame, NeutralAxisState& state);
void solveAxialForceAndMoment(ProjectModel& model, const NeutralAxisFrame& frame,
                              NeutralAxisState& state);

} // namespace pmsect
