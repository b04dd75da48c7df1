// The section summary: limits, load checks and the four pure-bending strengths.
#include "engine/section_summary.h"

#include "engine/design_warnings.h"
#include "engine/load_check.h"
#include "engine/searches.h"
#include "engine/strength_reduction.h"
#include "format/number_format.h"

#include <cmath>

namespace pmsect {
namespace {

constexpr float kPureBendingStartDepth = 5.0f;
constexpr float kCurveStartDepth = 10.0f;

// The four pure-bending runs, in the order they are made, and where each is shown: a positive
// moment about y puts compression on +x, which the run at 270 degrees gives.
struct PureBendingRun {
    float angle;
    int shownAt;
    bool negated;
};
constexpr PureBendingRun kPureBendingRuns[4] = {
    {0, 0, false},   // +Mnx: compression on +y
    {180, 1, true},  // -Mnx: compression on -y
    {90, 3, true},   // -Mny: compression on -x
    {270, 2, false}, // +Mny: compression on +x
};

void computePureBending(ProjectModel& model) {
    float target = 0; // each run aims at the axial force the previous one reached
    for (const PureBendingRun& run : kPureBendingRuns) {
        NeutralAxisState state;
        state.c = kPureBendingStartDepth;
        searchForAxialLoad(model, target, run.angle, state);
        const float phiMn = static_cast<float>(static_cast<double>(state.phi) * state.Mn);
        PureBendingResult& shown = model.pureBending[static_cast<std::size_t>(run.shownAt)];
        shown.neutralAxisAngle = run.angle;
        shown.Mn = run.negated ? -state.Mn : state.Mn;
        shown.phiMn = run.negated ? -phiMn : phiMn;
        shown.maxSteelStrain = model.maxSteelStrain;
    }
    model.pureBendingValid = true;
}

std::string forceText(const ProjectModel& model, float pounds) {
    return formatNumber(pounds / 1000.0 * model.units.forceFactor, "##,##0.00") + " " +
           model.units.forceLabel;
}

} // namespace

void computeSectionSummary(ProjectModel& model) {
    if (!model.summaryEnabled) {
        return;
    }
    computeAxialLimits(model);
    for (int i = 1; i <= model.numLoads && i <= kMaxLoads; ++i) {
        checkLoadCombination(model, i);
    }
    if (model.numBars > 0) {
        computePureBending(model);
    }
    for (int i = 1; i <= kMaxCurveRows; ++i) {
        model.curveDepthGuess[static_cast<std::size_t>(i)] = kCurveStartDepth;
    }
}

void refreshSummary(ProjectModel& model) {
    const bool wasEnabled = model.summaryEnabled;
    model.summaryEnabled = true;
    computeSectionSummary(model);
    model.summaryEnabled = wasEnabled;
}

SummaryLabels summaryLabels(const ProjectModel& model, int strainCaptionColour) {
    const DisplayUnits& u = model.units;
    SummaryLabels out;
    out.As.text = "Area of Steel = " +
                  formatNumber(model.steelArea * static_cast<double>(u.areaFactor), "##0.00") +
                  " " + u.areaLabel;
    // A section without area (a width or diameter typed as 0) has no finite ratio: any steel in
    // it is "infinite" reinforcement, and no steel is none.
    double ratio = static_cast<double>(model.steelArea) / model.grossArea;
    std::string ratioText;
    if (std::isfinite(ratio)) {
        ratioText = formatNumber(ratio, "#0.00%");
    } else if (model.steelArea == 0) {
        ratio = 0;
        ratioText = formatNumber(ratio, "#0.00%");
    } else {
        ratioText = "infinite";
    }
    out.percentRein.text = "% Reinforcement = " + ratioText;
    if (!(ratio >= 0.01 && ratio <= 0.08)) {
        out.percentRein.colour = kColourBrightRed;
        out.percentRein.reason = kReinforcementOutsideLimitsReason;
    }
    out.grossArea.text =
        "Gross Area = " +
        formatNumber(model.grossArea * static_cast<double>(u.areaFactor), "##,##0.00") + " " +
        u.areaLabel;
    out.Po.text = "Po = " + forceText(model, model.Po);
    out.phiPnMax.text = "phi*Pn(max) = " + forceText(model, model.phiPnMax);
    out.To.text = "To = " + forceText(model, model.To);
    out.phiTnMax.text = "phi*Tn(max) = " + forceText(model, model.phiTnMax);

    for (const std::string& line : designWarnings(model)) {
        out.warnings.text += (out.warnings.text.empty() ? "" : "\n") + line;
    }
    out.warnings.colour = kColourBrightRed;

    out.pureBendingShown = model.pureBendingValid;
    if (model.pureBendingValid) {
        // Red marks a strain short of the edition's tension-controlled limit.
        const auto tensionControlledStrain = static_cast<float>(strainLimits(model).tension);
        LabelText* rows[4][3] = {{&out.posMnx, &out.posPhiMnx, &out.posStrainX},
                                 {&out.negMnx, &out.negPhiMnx, &out.negStrainX},
                                 {&out.posMny, &out.posPhiMny, &out.posStrainY},
                                 {&out.negMny, &out.negPhiMny, &out.negStrainY}};
        for (std::size_t i = 0; i < 4; ++i) {
            const PureBendingResult& r = model.pureBending[i];
            rows[i][0]->text = formatNumber(r.Mn / 12.0 * u.momentFactor, "###,##0.00");
            rows[i][1]->text = formatNumber(r.phiMn / 12.0 * u.momentFactor, "###,##0.00");
            rows[i][2]->text = formatNumber(r.maxSteelStrain, "0.0000");
            if (r.maxSteelStrain >= tensionControlledStrain) {
                rows[i][2]->colour = strainCaptionColour;
            } else {
                rows[i][2]->colour = kColourBrightRed;
                rows[i][2]->reason = strainBelowTensionLimitReason(tensionControlledStrain);
            }
        }
    }
    return out;
}

std::string strainBelowTensionLimitReason(double limit) {
    return "The steel strain is below the tension-controlled limit of " +
           formatNumber(limit, "0.0###");
}

std::string concreteModulusLabel(const ProjectModel& model) {
    return "Conc. Mod. of Elasticity = " +
           formatNumber(model.Ec * static_cast<double>(model.units.stressFactor), "##,###,###") +
           " " + model.units.stressLabel;
}

std::string steelModulusLabel(const ProjectModel& model) {
    return "Steel Mod. of Elasticity = " +
           formatNumber(model.Es * static_cast<double>(model.units.stressFactor), "###,###,###") +
           " " + model.units.stressLabel;
}

std::string beta1Label(const ProjectModel& model) {
    return "Beta1 = " + formatNumber(model.beta1, "0.00");
}

} // namespace pmsect
