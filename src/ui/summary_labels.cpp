// The summary label texts, their colours and the reasons for red.
#include "ui/summary_labels.h"

#include "building/steel_ratio_limits.h"
#include "format/number_format.h"
#include "project/design_code_choice.h"
#include "units/unit_conversion.h"

#include <cmath>

namespace pmsect {
namespace {

std::string forceText(const ProjectModel& model, float pounds) {
    return formatNumber(shownForceFromLb(model.units, pounds), "##,##0.00") + " " +
           model.units.forceLabel;
}

} // namespace

SummaryLabels summaryLabels(const ProjectModel& model, const SectionResults& section,
                            int strainCaptionColour) {
    const DisplayUnits& u = model.units;
    const AxialLimits& limits = section.limits;
    SummaryLabels out;
    out.As.text = "Area of Steel = " + formatNumber(shownArea(u, limits.steelArea), "##0.00") +
                  " " + u.areaLabel;
    // A section without area (a width or diameter typed as 0) has no finite ratio: any steel in
    // it is "infinite" reinforcement, and no steel is none.
    double ratio = static_cast<double>(limits.steelArea) / model.grossArea;
    std::string ratioText;
    if (std::isfinite(ratio)) {
        ratioText = formatNumber(ratio, "#0.00%");
    } else if (limits.steelArea == 0) {
        ratio = 0;
        ratioText = formatNumber(ratio, "#0.00%");
    } else {
        ratioText = "infinite";
    }
    out.percentRein.text = "% Reinforcement = " + ratioText;
    if (!(ratio >= kLeastSteelRatio && ratio <= kGreatestSteelRatio)) {
        out.percentRein.colour = kColourBrightRed;
        out.percentRein.reason = kReinforcementOutsideLimitsReason;
    }
    out.grossArea.text =
        "Gross Area = " + formatNumber(shownArea(u, model.grossArea), "##,##0.00") + " " +
        u.areaLabel;
    out.Po.text = "Po = " + forceText(model, limits.Po);
    out.phiPnMax.text = "phi*Pn(max) = " + forceText(model, limits.phiPnMax);
    out.To.text = "To = " + forceText(model, limits.To);
    out.phiTnMax.text = "phi*Tn(max) = " + forceText(model, limits.phiTnMax);

    for (const std::string& line : designWarnings(model)) {
        out.warnings.text += (out.warnings.text.empty() ? "" : "\n") + line;
    }
    out.warnings.colour = kColourBrightRed;

    LabelText* rows[4][3] = {{&out.posMnx, &out.posPhiMnx, &out.posStrainX},
                             {&out.negMnx, &out.negPhiMnx, &out.negStrainX},
                             {&out.posMny, &out.posPhiMny, &out.posStrainY},
                             {&out.negMny, &out.negPhiMny, &out.negStrainY}};
    if (!section.pureBending) {
        for (auto& row : rows) {
            for (LabelText* label : row) {
                label->text = kNoPureBendingText;
            }
        }
    } else {
        // Red marks a strain short of the edition's tension-controlled limit.
        const auto tensionControlledStrain = static_cast<float>(strainLimits(model).tension);
        for (std::size_t i = 0; i < 4; ++i) {
            const PureBendingResult& r = (*section.pureBending)[i];
            rows[i][0]->text = formatNumber(shownMomentFromKipIn(u, r.Mn), "###,##0.00");
            rows[i][1]->text = formatNumber(shownMomentFromKipIn(u, r.phiMn), "###,##0.00");
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

} // namespace pmsect
