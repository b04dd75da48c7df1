// phi, the axial cap and the concentric limits.
#include "engine/strength_reduction.h"

#include "engine/bar_table.h"

namespace pmsect {

void applyConfinement(ProjectModel& model, bool spiral) {
    const float spiralPhi =
        model.designCode == DesignCode::Aci318_05 ? kPhiSpiral : kPhiSpiralSince2014;
    model.phiCompression = spiral ? spiralPhi : kPhiTied;
    model.pnMaxFactor = spiral ? kPnMaxSpiral : kPnMaxTied;
}

void applyDesignCode(ProjectModel& model, DesignCode code) {
    const bool spiral = isSpiral(model);
    model.designCode = code;
    applyConfinement(model, spiral);
}

StrainLimits strainLimits(const ProjectModel& model) {
    // 318-05 fixes the limits at 0.002 and 0.005 whatever the steel; later editions start the
    // transition at the yield strain of the steel in use.
    const double yieldStrain = static_cast<double>(model.fy) / model.Es;
    switch (model.designCode) {
    case DesignCode::Aci318_05:
        return {0.002, 0.005};
    case DesignCode::Aci318_14:
        return {yieldStrain, 0.005};
    case DesignCode::Aci318_19:
        return {yieldStrain, yieldStrain + 0.003};
    }
    return {0.002, 0.005};
}

float strengthReductionFactor(const ProjectModel& model, float netTensileStrain) {
    const StrainLimits limits = strainLimits(model);
    if (netTensileStrain > static_cast<float>(limits.tension)) {
        return model.phiTension;
    }
    if (netTensileStrain >= static_cast<float>(limits.compression)) {
        return static_cast<float>(
            model.phiCompression +
            (static_cast<double>(netTensileStrain) - limits.compression) *
                (static_cast<double>(model.phiTension) - model.phiCompression) /
                (limits.tension - limits.compression));
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
