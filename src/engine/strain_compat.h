// Strain compatibility at one neutral axis: the nominal strength Pn, Mn, the direction of the
// load line and phi for a neutral axis of any angle and depth.
#pragma once

#include "model/project_model.h"

#include <array>

namespace pmsect {

// The caller's variables of one evaluation. c may be raised to the minimum depth; the load
// angle is left as the caller had it when the axial force is practically zero.
struct NeutralAxisState {
    float c = 0;         // depth of the neutral axis below the extreme compression fibre, in
    float Pn = 0;        // kips, negative in compression
    float Mn = 0;        // kip-in, signed by its component about the rotated x axis
    float loadAngle = 0; // degrees
    float phi = 0;
};

inline constexpr int kMaxClippedPoints = 2 * kMaxPoints + 2;

// What the single-point window shows of one evaluation. Positions are in the frame turned by
// the neutral-axis angle, measured from the reference point.
struct EvaluationDetail {
    float tensionForce = 0;     // kips
    float compressionForce = 0; // kips
    float Ac = 0;               // concrete area in compression, bars deducted, in^2
    float grossCompArea = 0;    // stress-block area before the bars are deducted, in^2
    float Mnx = 0;              // kip-in about the section's own axes
    float Mny = 0;
    int clippedCount = 0;
    std::array<Point, kMaxClippedPoints> clipped{}; // 0-based
    float neutralAxisY = 0;
    Point compressionResultant{};
    Point tensionResultant{};
    Point loadPoint{};
    bool loadAngleWritten = false;
    float theta = 0; // radians, the turn applied to the section
};

// Evaluates the neutral axis at (state.c, angle in degrees) over the first pointCount outline
// points. Writes model.maxSteelStrain (when there are bars). The model's bars are not changed.
void solveNeutralAxis(ProjectModel& model, int pointCount, float angle, NeutralAxisState& state,
                      EvaluationDetail* detail = nullptr);

// The same over all numPoints outline points.
inline void solveNeutralAxis(ProjectModel& model, float angle, NeutralAxisState& state,
                             EvaluationDetail* detail = nullptr) {
    solveNeutralAxis(model, model.numPoints, angle, state, detail);
}

// Whether an evaluation that gives this Pn writes the load angle: not when the axial force is
// practically zero.
bool writesLoadAngle(float Pn);

// The number of evaluations this thread has made since it started, for the benchmarks.
long long evaluationCount();

} // namespace pmsect
