// The strength reduction factor phi of a state, the cap on design compression, and the
// section's axial limits, each asked of the inputs' design code.
#pragma once

#include "engine/engine_inputs.h"

namespace pmsect {

// The sum of the bar areas, in^2, in the bars' order.
float totalSteelArea(const SectionGeometry& section);

// Po, phi*Pn(max), To, phi*Tn(max) and the curve's first level (lb), and the steel area.
AxialLimits axialLimits(const EngineInputs& inputs);

// phi for a net tensile strain (positive in tension).
inline float strengthReductionFactor(const EngineInputs& inputs, float netTensileStrain) {
    return inputs.code->strengthReductionFactor(inputs.materials, inputs.confinement,
                                                netTensileStrain);
}

inline StrainLimits strainLimits(const EngineInputs& inputs) {
    return inputs.code->strainLimits(inputs.materials);
}

// The factor after the cap: a solution whose design compression would exceed phi*Pn(max) (lb)
// gets the phi that brings phi*Pn to exactly phi*Pn(max). Pn in kips.
float cappedStrengthReductionFactor(float phiPnMax, float phi, float Pn);

} // namespace pmsect
