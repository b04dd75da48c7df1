// phi, the axial cap and the concentric limits.
#include "engine/strength_reduction.h"

#include "engine/bar_table.h"

namespace pmsect {

void applyConfinement(ProjectModel& model, bool spiral) {
    model.phiCompression = spiral ? kPhiSpiral : kPhiTied;
    model.pnMaxFactor = spiral ? kPnMaxSpiral : kPnMaxTied;
}

float strengthReductionFactor(const ProjectModel& model, float netTensileStrain) {
    // The limits 0.002 and 0.005 are fixed; they do not follow fy/Es.
    if (netTensileStrain > 0.005f) {
        return model.phiTension;
    }
    if (netTensileStrain >= 0.002f) {
        return static_cast<float>(
            model.phiCompression +
            (static_cast<double>(netTensileStrain) - 0.002) *
                (static_cast<double>(model.phiTension) - model.phiCompression) / (0.005 - 0.002));
    }
    return model.phiCompression;
}

float cappedStrengthReductionFactor(const ProjectModel& model, float phi, float Pn) {
    const double cap = static_cast<double>(model.phiPnMax) / 1000.0;
    if (cap > static_cast<double>(phi) * Pn) {
        return static_cast<float>(cap / Pn);
    }
    return phi;
}

float totalSteelArea(ProjectModel& model) {
    float As = 0;
    for (const Bar& bar : modelBars(model)) {
        const auto size = findBarSize(bar.size);
        if (!size) {
            model.unmatchedBarSize = bar.size;
        }
        As = As + (size ? size->area : 0.0f);
    }
    return As;
}

void computeAxialLimits(ProjectModel& model) {
    const double As = totalSteelArea(model);
    const double fpc = model.fpc;
    const double Ag = model.grossArea;
    model.steelArea = static_cast<float>(As);
    model.Po = static_cast<float>(-(0.85 * fpc * (Ag - As) + As * model.fy));
    model.tenthFcAg = static_cast<float>(-0.10 * fpc * Ag);
    model.phiPnMax = static_cast<float>(static_cast<double>(model.pnMaxFactor) *
                                        model.phiCompression * model.Po);
    model.To = static_cast<float>(As * model.fy);
    model.phiTnMax = static_cast<float>(static_cast<double>(model.phiTension) * model.To);
}

} // namespace pmsect
