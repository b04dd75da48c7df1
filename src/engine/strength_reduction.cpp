// phi, the axial cap and the concentric limits.
#include "engine/strength_reduction.h"

namespace pmsect {

float totalSteelArea(const SectionGeometry& section) {
    float As = 0;
    for (const SectionBar& bar : section.bars) {
        As = As + bar.area;
    }
    return As;
}

AxialLimits axialLimits(const EngineInputs& inputs) {
    return inputs.code->axialLimits(inputs.materials, inputs.confinement, inputs.section.grossArea,
                                    totalSteelArea(inputs.section));
}

float cappedStrengthReductionFactor(float phiPnMax, float phi, float Pn) {
    const double cap = static_cast<double>(phiPnMax) / 1000.0;
    if (cap > static_cast<double>(phi) * Pn) {
        return static_cast<float>(cap / Pn);
    }
    return phi;
}

} // namespace pmsect
