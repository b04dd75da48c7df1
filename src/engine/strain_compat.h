// Strain compatibility at one neutral axis: the nominal strength Pn, Mn, the direction of the
// load line and phi for a neutral axis of any angle and depth, under the inputs' design code.
// An evaluation reads its inputs and writes only its caller's variables.
#pragma once

#include "engine/engine_inputs.h"
#include "engine/neutral_axis_state.h"

namespace pmsect {

// Evaluates the neutral axis at (state.c, angle in degrees).
void solveNeutralAxis(const EngineInputs& inputs, float angle, NeutralAxisState& state,
                      EvaluationDetail* detail = nullptr);

// One evaluation as a value: the neutral axis in, the strength out.
struct StrainCompatibility {
    float c = 0;   // in, the depth evaluated (raised to the minimum depth)
    float Pn = 0;  // kips, negative in compression
    float Mnx = 0; // kip-in about the section's own axes
    float Mny = 0;
    float netTensileStrain = 0; // of the extreme tension bar; 0 without bars
    float phi = 0;
};
StrainCompatibility evaluateNeutralAxis(const EngineInputs& inputs, float angle, float c);

// Whether an evaluation that gives this Pn writes the load angle: not when the axial force is
// practically zero.
bool writesLoadAngle(float Pn);

// The number of evaluations this thread has made since it started, for the benchmarks.
long long evaluationCount();

} // namespace pmsect
