// Each step of the magnifier in words, with its clause.
#include "io/magnifier_report.h"

#include "format/number_format.h"
#include "units/unit_conversion.h"

namespace pmsect {
namespace {

std::string cite(std::string_view clause) {
    return clause.empty() ? std::string() : " (" + std::string(clause) + ")";
}

void appendAxis(std::vector<std::string>& out, const char* name, const AxisMagnification& a,
                const MomentMagnifierRules& rules, const DisplayUnits& u) {
    const MagnifierClauses& c = rules.clauses();
    const auto moment = [&](double kipFeet) {
        return formatNumber(shownMoment(u, kipFeet), "##,##0.00") + " " + u.momentLabel;
    };
    const std::string indent = "      ";
    out.push_back(std::string("   ") + name + ": k lu/r = " + formatNumber(a.kluOverR, "0.0") +
                  (a.slender ? " > " : " <= ") + formatNumber(a.limit, "0.0") +
                  cite(c.neglectLimit) + ", r" + cite(c.radiusOfGyration) +
                  (a.slender ? ": slender" : ": slenderness neglected, Mc = M2 = " + moment(a.M2)));
    if (!a.slender) {
        return;
    }
    out.push_back(indent + "EI = " + formatNumber(shownStiffness(u, a.EI), "#,##0") + " " +
                  u.forceLabel + "-" + u.lengthLabel + "^2" + cite(c.stiffness) +
                  "; Pc = " + formatNumber(shownForce(u, a.Pc), "##,##0.00") + " " + u.forceLabel +
                  cite(c.criticalLoad));
    if (a.deltaS) {
        out.push_back(indent + "delta_s = " + formatNumber(*a.deltaS, "0.000") + cite(c.deltaS) +
                      "; M2 = M2ns + delta_s M2s = " + moment(a.M2) + cite(c.swayEndMoments));
    }
    if (a.Cm) {
        std::string line = indent + "Cm = " + formatNumber(*a.Cm, "0.000") + cite(c.factorCm);
        if (a.deltaNs) {
            line += "; delta_ns = " + formatNumber(*a.deltaNs, "0.000") + cite(c.deltaNs);
        }
        out.push_back(line);
        out.push_back(indent + "M2 = " + moment(a.M2) + "; M2,min = " + moment(a.M2min) +
                      cite(c.minimumMoment) + ": " + std::string(magnifierGovernsName(a.governs)) +
                      " governs");
    } else if (a.deltaS && !a.noStableMagnifier) {
        out.push_back(indent + "not magnified along its length" + cite(c.alongLength));
    }
    if (a.Mc) {
        out.push_back(indent + "Mc = " + moment(*a.Mc));
    }
    for (const std::string& warning : a.warnings) {
        out.push_back(indent + "Warning: " + warning);
    }
}

} // namespace

std::vector<std::string> magnifierReportLines(const LoadMagnification& m,
                                              const MomentMagnifierRules& rules,
                                              const DisplayUnits& units) {
    std::vector<std::string> out;
    appendAxis(out, "About x", m.x, rules, units);
    appendAxis(out, "About y", m.y, rules, units);
    return out;
}

} // namespace pmsect
