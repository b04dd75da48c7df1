// The plain-text report, composed line by line from the model in the current display units.
#include "io/report_text.h"

#include "engine/load_check.h"
#include "format/number_format.h"
#include "io/magnifier_report.h"
#include "project/design_code_choice.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "project/project_verdict.h"
#include "units/unit_conversion.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace pmsect {
namespace {

constexpr std::string_view NL = kReportLineBreak;
constexpr std::string_view kOutlineRule = "--------------------------";
constexpr std::string_view kBarRule = "----------------------------------";
constexpr std::string_view kCoordinatePattern = "##,##0.00";
constexpr std::string_view kForcePattern = "##,##0.00";
constexpr std::string_view kMomentPattern = "###,##0.00";

std::string unitInParentheses(const std::string& label) {
    return "(" + label + ")";
}

void appendMaterials(std::string& r, const ProjectModel& m) {
    const DisplayUnits& u = m.units;
    r += "f'c = ";
    r += formatNumber(shownStress(u, m.fpc), "###,#00");
    r += " " + u.stressLabel + "        fy  = ";
    r += formatNumber(shownStress(u, m.fy), "###,##0");
    r += " " + u.stressLabel;
    r += NL;
    for (const std::string& warning : designWarnings(m)) {
        r += warning;
        r += NL;
    }

    r += NL;
    r += "Confinement Steel:";
    r += NL;
    r += isSpiral(m) ? "Spirals are used:  Size = #" : "Ties are used:  Size = #";
    r += formatNumber(m.tieBarSize, "0");
    r += NL;
    r += NL;
}

void appendOutline(std::string& r, const ProjectModel& m) {
    const DisplayUnits& u = m.units;
    r += "Geometry:";
    r += NL;
    r += "  Point  X-Coor    Y-Coor  ";
    r += NL;
    r += AddSpace(unitInParentheses(u.lengthLabel), 15);
    r += AddSpace(unitInParentheses(u.lengthLabel), 10);
    r += NL;
    r += kOutlineRule;
    r += NL;
    int i = 0;
    for (const Point& p : outlinePoints(m)) {
        r += AddSpace(std::to_string(++i), 5);
        r += AddSpace(formatNumber(shownLength(u, p.x), kCoordinatePattern), 10);
        r += AddSpace(formatNumber(shownLength(u, p.y), kCoordinatePattern), 10);
        r += NL;
    }
    r += kOutlineRule;
    r += NL;
    r += NL;
}

void appendBars(std::string& r, const ProjectModel& m) {
    const DisplayUnits& u = m.units;
    r += "Rebar:";
    r += NL;
    r += "Bar Num  X-Coor    Y-Coor    Size";
    r += NL;
    r += AddSpace(unitInParentheses(u.lengthLabel), 15);
    r += AddSpace(unitInParentheses(u.lengthLabel), 10);
    r += NL;
    r += kBarRule;
    r += NL;
    int i = 0;
    for (const Bar& b : modelBars(m)) {
        r += AddSpace(std::to_string(++i), 5);
        r += AddSpace(formatNumber(shownLength(u, b.x), kCoordinatePattern), 10);
        r += AddSpace(formatNumber(shownLength(u, b.y), kCoordinatePattern), 10);
        r += AddSpace("  #" + formatNumber(b.size, "##"), 8);
        r += NL;
    }
    r += kBarRule;
    r += NL;
    r += NL;
    r += NL;
}

// An axial limit held in lb, in the display force unit with its label.
std::string limitText(const ProjectModel& m, float pounds) {
    return formatNumber(shownForceFromLb(m.units, pounds), kForcePattern) + " " +
           m.units.forceLabel;
}

void appendLimits(std::string& r, const ProjectModel& m, const AxialLimits& limits) {
    const DisplayUnits& u = m.units;
    r += "COMPUTED RESULTS:";
    r += NL;
    r += NL;
    r += "Gross Area = " + formatNumber(shownArea(u, m.grossArea), "##,##0.00") + " " + u.areaLabel;
    r += ";   Area of Steel = " + formatNumber(shownArea(u, limits.steelArea), "##0.00") + " " +
         u.areaLabel;
    r += ";   % Reinforcement = ";
    // An outline without area (fewer than three points) has no ratio to show.
    r += m.grossArea > 0
             ? formatNumber(static_cast<double>(limits.steelArea) / m.grossArea, "#0.00%")
             : std::string("n/a");
    r += NL;
    r += "Po = " + AddSpace(limitText(m, limits.Po), 15);
    r += ";   phi*Pn(max) = " + AddSpace(limitText(m, limits.phiPnMax), 15);
    r += NL;
    r += "To = " + AddSpace(limitText(m, limits.To), 15);
    r += ";   phi*Tn(max) = " + AddSpace(limitText(m, limits.phiTnMax), 15);
    r += NL;
}

// A pure-bending moment, held in kip-in, in the display moment unit with its label.
std::string bendingText(const ProjectModel& m, float kipInches) {
    return formatNumber(shownMomentFromKipIn(m.units, kipInches), kMomentPattern) + " " +
           m.units.momentLabel;
}

void appendPureBending(std::string& r, const ProjectModel& m, const SectionResults& section) {
    r += NL;
    r += "Pure Bending:";
    if (m.numBars <= 0 || !section.pureBending) {
        // The summary finds no pure-bending strength without bars.
        r += NL;
        r += "   No reinforcement: pure-bending strengths not computed";
        r += NL;
        return;
    }
    struct Labels {
        std::string_view nominal;
        std::string_view design;
    };
    // In the order the model holds them: +Mnx, -Mnx, +Mny, -Mny, each signed as shown.
    constexpr Labels kLabels[4] = {{"   +Mnx = ", ";    +pMnx = "},
                                   {"   -Mnx = ", ";     -pMnx = "},
                                   {"   +Mny = ", ";    +pMny = "},
                                   {"   -Mny = ", ";     -pMny = "}};
    for (std::size_t k = 0; k < 4; ++k) {
        const PureBendingResult& run = (*section.pureBending)[k];
        r += NL;
        r += kLabels[k].nominal;
        r += bendingText(m, run.Mn);
        r += kLabels[k].design;
        r += bendingText(m, run.phiMn);
        r += NL;
        r += "   +Max. Strain = " + formatNumber(run.maxSteelStrain, "0.0000") + ";  " +
             StrainOK(run.maxSteelStrain, strainLimits(m));
        r += NL;
    }
}

void appendLoadCombination(std::string& r, const ProjectModel& m, const SectionResults& section,
                           int i, const std::optional<LoadMagnification>& magnification,
                           const MomentMagnifierRules& rules) {
    const DisplayUnits& u = m.units;
    const CheckedLoad check = storedLoadCheck(section, m, static_cast<std::size_t>(i));
    const LoadInput& load = check.load;
    const LoadResult& result = check.result;
    const bool found = result.capacityFound;
    const std::string rule = "   " + std::string(56, '-');
    const auto force = [&](float kips) {
        return AddSpace(formatNumber(shownForce(u, kips), kForcePattern), 15);
    };
    const auto moment = [&](float kipFeet) {
        return AddSpace(formatNumber(shownMoment(u, kipFeet), kForcePattern), 15);
    };

    r += NL;
    r += "Load #" + AddSpace(std::to_string(i), 4) + AddSpace("Axial", 17) + AddSpace("Mx", 15) +
         AddSpace("My", 15);
    r += NL;
    r += AddSpace(unitInParentheses(u.forceLabel), 27) +
         AddSpace(unitInParentheses(u.momentLabel), 15) +
         AddSpace(unitInParentheses(u.momentLabel), 15);
    r += NL;
    r += rule;
    r += NL;
    // A slender member's load is checked on its magnified moments, below its first-order ones.
    const bool stable = magnification && !magnification->noStableMagnifier();
    r += (magnification ? "   1st ord.:" : "   Demand  :") + force(load.Pu) + moment(load.Mux) +
         moment(load.Muy);
    r += NL;
    if (stable) {
        r += "   Mc      :" + force(load.Pu) + moment(static_cast<float>(*magnification->x.Mc)) +
             moment(static_cast<float>(*magnification->y.Mc));
        r += NL;
    }
    // A capacity the check could not establish is not shown as zeros, nor judged by a ratio.
    if (found) {
        r += "   Capacity:" + force(result.phiPn) + moment(result.phiMnx) + moment(result.phiMny);
    } else {
        r += "   Capacity:  not found on this load line";
    }
    r += NL;
    r += rule;
    r += NL;
    r += "   eccentricty = " + formatNumber(shownLength(u, result.eccentricity), "###0.00") + " " +
         u.lengthLabel + ";     Angle = " + formatNumber(result.angle, "##0.00") + " deg";
    r += NL;
    r += "   Design Ratio = ";
    if (!found) {
        r += "capacity not found... NO GOOD!";
    } else {
        const float ratio = result.ratio;
        r += formatNumber(ratio, "#0.000");
        r += ratio <= 1.0f ? "... Okay" : "... NO GOOD!";
    }
    r += NL;
    if (magnification) {
        r += "   Moment magnifier, on (Pu, Mcx, Mcy):";
        r += NL;
        for (const std::string& line : magnifierReportLines(*magnification, rules, u)) {
            r += line;
            r += NL;
        }
    }
}

// The combinations of the load cases, one line each: demand and design ratio.
void appendCombinations(std::string& r, const ProjectModel& m, const CheckedCombinations& c) {
    const DisplayUnits& u = m.units;
    std::size_t width = 11; // "Combination"
    for (const LoadCombination& combination : c.combinations) {
        width = std::max(width, combination.name.size());
    }
    const auto value = [&](double internal, Quantity q) {
        const std::string text =
            formatNumber(shown(u, q, static_cast<float>(internal)), kForcePattern);
        return std::string(text.size() < 13 ? 13 - text.size() : 0, ' ') + text;
    };
    const auto head = [](std::string_view text) {
        return std::string(text.size() < 13 ? 13 - text.size() : 0, ' ') + std::string(text);
    };
    r += NL;
    r += NL;
    r += "Combinations of the load cases:";
    r += NL;
    r += "   " + AddSpace("Combination", static_cast<int>(width)) + head("Axial") + head("Mx") +
         head("My") + "   Design Ratio";
    r += NL;
    r += "   " + std::string(width, ' ') + head(unitInParentheses(u.forceLabel)) +
         head(unitInParentheses(u.momentLabel)) + head(unitInParentheses(u.momentLabel));
    for (std::size_t k = 0; k < c.combinations.size(); ++k) {
        const LoadCombination& combination = c.combinations[k];
        const CheckedLoad& check = c.checks[k];
        r += NL;
        r += "   " + AddSpace(combination.name, static_cast<int>(width)) +
             value(combination.Pu, Quantity::Force) + value(combination.Mux, Quantity::Moment) +
             value(combination.Muy, Quantity::Moment) + "   ";
        if (!check.result.capacityFound) {
            r += "capacity not found... NO GOOD!";
        } else {
            const float ratio = check.result.ratio;
            r += formatNumber(ratio, "#0.000") + (ratio <= 1.0f ? "... Okay" : "... NO GOOD!");
        }
    }
}

void appendLoadCheck(std::string& r, const ProjectModel& m, const SectionResults& section) {
    const int n = m.loads.count();
    const CheckedCombinations combinations = checkedCombinations(m);
    if (n == 0 && combinations.combinations.empty()) {
        return;
    }
    r += NL;
    r += NL;
    r += "Load Check:";
    const EngineInputs inputs = engineInputsOf(m);
    for (int i = 1; i <= n; ++i) {
        const auto magnification =
            magnificationOf(inputs, loadInputOf(m.loads[static_cast<std::size_t>(i)]));
        appendLoadCombination(r, m, section, i, magnification, inputs.code->momentMagnifier());
    }
    if (!combinations.combinations.empty()) {
        appendCombinations(r, m, combinations);
    }
    r += NL;
    r += NL;
    r += projectVerdict(m, section, combinations).sentence() + ".";
}

} // namespace

std::string AddSpace(std::string_view text, int width) {
    std::string out(text);
    if (width > 0 && out.size() < static_cast<std::size_t>(width)) {
        out.append(static_cast<std::size_t>(width) - out.size(), ' ');
    }
    return out;
}

std::string StrainOK(float strain, const StrainLimits& limits) {
    if (strain >= static_cast<float>(limits.tension)) {
        return "Tension Controlled";
    }
    if (strain <= static_cast<float>(limits.compression)) {
        return "Compression Controlled";
    }
    return "Between Tension & Compression Controlled";
}

std::string composeReport(const ProjectModel& model, const SectionResults& section) {
    std::string r;
    for (int k = 0; k < 4; ++k) {
        r += NL;
    }
    r += "PMSECT ACI " + std::string(designCodeName(model.designCode)) + " Results";
    r += NL;
    r += NL;
    r += "INPUT DATA:";
    r += NL;
    appendMaterials(r, model);
    appendOutline(r, model);
    appendBars(r, model);
    appendLimits(r, model, section.limits);
    appendPureBending(r, model, section);
    appendLoadCheck(r, model, section);
    return r;
}

std::string buildReport(ProjectModel& model) {
    const SectionResults section = computeSectionSummary(model);
    return composeReport(model, section);
}

} // namespace pmsect
