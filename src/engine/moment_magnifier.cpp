// The steps of the moment magnifier, in the order the code gives them: slenderness, stiffness and
// critical load, the sway magnifier and the sway-magnified end moments, Cm, the minimum moment
// and the magnification along the length.
#include "engine/moment_magnifier.h"

#include "format/number_format.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pmsect {
namespace {

struct AxisLoad {
    double top = 0; // kip-ft, moment-diagram sign
    double bot = 0;
    double topSway = 0;
    double botSway = 0;
};

struct EndPair {
    double M1 = 0; // the smaller end moment, in its sign
    double M2 = 0; // the larger
};

EndPair endPair(double top, double bot) {
    return std::fabs(top) >= std::fabs(bot) ? EndPair{bot, top} : EndPair{top, bot};
}

// M1/M2 positive in single curvature (the same sign at both ends); equal ends without any moment
// count as single curvature, the case of a load with no moment.
double singleCurvatureRatio(const EndPair& e) {
    return e.M2 != 0 ? e.M1 / e.M2 : 1.0;
}

std::string text(double value, const char* pattern = "#,##0.00") {
    return formatNumber(value, pattern);
}

std::string cited(std::string_view clause) {
    return clause.empty() ? std::string() : " (" + std::string(clause) + ")";
}

double effectiveStiffness(const SlendernessData& data, const SlenderSection& section,
                          const AxisSection& axis, const MomentMagnifierRules& rules, double beta) {
    if (data.stiffness == StiffnessChoice::Given) {
        return data.givenEI;
    }
    const double EcIg = section.Ec * axis.Ig / 1000;
    const double EsIse = section.Es * axis.Ise / 1000;
    return rules.effectiveStiffness(data.stiffness == StiffnessChoice::WithBars, EcIg, EsIse, beta);
}

// Pc = pi^2 EI / (k lu)^2, kips for EI in kip-in^2 and k lu in inches; 0 without a length.
double criticalLoad(double EI, double kl) {
    return kl > 0 ? std::numbers::pi * std::numbers::pi * EI / (kl * kl) : 0;
}

// The sway magnifier the project's storey gives: delta_s itself, else from Q while that stays
// within its limit, else from the storey's sums. Nothing, with a warning, when none serves.
std::optional<double> swayMagnifier(const AxisMember& m, const MomentMagnifierRules& rules,
                                    AxisMagnification& out) {
    const std::string clause = cited(rules.clauses().deltaS);
    if (m.deltaS) {
        return std::max(1.0, static_cast<double>(*m.deltaS));
    }
    if (m.Q) {
        const double fromQ = rules.swayMagnifierFromQ(*m.Q);
        if (fromQ <= rules.swayMagnifierFromQLimit()) {
            return fromQ;
        }
        if (!m.sumPu || !m.sumPc) {
            out.warnings.push_back("delta_s from Q = " + text(*m.Q, "0.000") + " exceeds " +
                                   text(rules.swayMagnifierFromQLimit(), "0.0") +
                                   ": the storey's sum Pu and sum Pc must give it" + clause);
            return std::nullopt;
        }
    }
    if (m.sumPu && m.sumPc) {
        const auto fromStorey = rules.swayMagnifierFromStorey(*m.sumPu, *m.sumPc);
        if (!fromStorey) {
            out.warnings.push_back("sum Pu reaches " + text(rules.stiffnessReduction(), "0.00") +
                                   " sum Pc: the storey is unstable" + clause);
        }
        return fromStorey;
    }
    out.warnings.push_back("a sway storey needs its sum Pu and sum Pc, Q or delta_s" + clause);
    return std::nullopt;
}

AxisMagnification magnifyAxis(const AxisMember& member, const SlendernessData& data,
                              const SlenderSection& section, const AxisSection& axis,
                              const MomentMagnifierRules& rules, double P, double betaDns,
                              const AxisLoad& load) {
    const MagnifierClauses& clauses = rules.clauses();
    AxisMagnification out;
    const double luOverR = axis.r > 0 ? member.lu / axis.r : 0;
    out.kluOverR = (member.sway ? member.kSway : member.k) * luOverR;
    const EndPair firstOrder = endPair(load.top, load.bot);
    out.limit = member.sway
                    ? rules.swayLimit()
                    : rules.bracedLimit(rules.endMomentRatio(singleCurvatureRatio(firstOrder)));
    out.slender = out.kluOverR > out.limit;

    out.EI = effectiveStiffness(data, section, axis, rules, betaDns);
    out.Pc = criticalLoad(out.EI, member.k * member.lu);
    out.M2min = rules.minimumMoment(P, axis.h) / 12;
    out.M2 = firstOrder.M2;
    if (!out.slender) {
        out.Mc = out.M2;
        return out;
    }
    if (const auto limit = rules.methodSlendernessLimit(); limit && out.kluOverR > *limit) {
        out.warnings.push_back("k lu / r = " + text(out.kluOverR, "0.0") + " exceeds " +
                               text(*limit, "0") + ": the moment magnifier method does not apply" +
                               cited(clauses.methodLimit));
    }

    EndPair ends = firstOrder;
    if (member.sway) {
        out.deltaS = swayMagnifier(member, rules, out);
        if (!out.deltaS) {
            out.noStableMagnifier = true;
            return out;
        }
        ends = endPair(load.top - load.topSway + *out.deltaS * load.topSway,
                       load.bot - load.botSway + *out.deltaS * load.botSway);
        out.M2 = ends.M2;
    }
    out.governs = MagnifierGoverns::M2;
    double M2 = ends.M2;
    if (member.sway && !rules.magnifiesSwayColumnAlongLength(luOverR, P, section.fpc, section.Ag)) {
        out.Mc = M2;
    } else {
        out.Cm = rules.factorCm(rules.endMomentRatio(singleCurvatureRatio(ends)));
        if (std::fabs(M2) < out.M2min) {
            // The minimum moment, with Cm = 1.0 as the code allows.
            M2 = M2 < 0 ? -out.M2min : out.M2min;
            out.Cm = 1.0;
            out.governs = MagnifierGoverns::M2min;
        }
        const double phiK = rules.stiffnessReduction();
        if (!(P < phiK * out.Pc)) {
            out.noStableMagnifier = true;
            out.warnings.push_back("Pu = " + text(P) + " k reaches " + text(phiK, "0.00") +
                                   " Pc = " + text(phiK * out.Pc) +
                                   " k: no stable moment magnifier" + cited(clauses.deltaNs));
            return out;
        }
        out.deltaNs = std::max(1.0, *out.Cm / (1 - P / (phiK * out.Pc)));
        out.Mc = *out.deltaNs * M2;
    }
    const double firstOrderMoment = std::max(std::fabs(firstOrder.M2), out.M2min);
    if (const auto limit = rules.secondOrderLimit();
        limit && std::fabs(*out.Mc) > *limit * firstOrderMoment) {
        out.warnings.push_back("Mc = " + text(std::fabs(*out.Mc)) + " ft-k exceeds " +
                               text(*limit, "0.0") + " times the first-order moment " +
                               text(firstOrderMoment) + " ft-k" + cited(clauses.secondOrderLimit));
    }
    return out;
}

// beta_dns of the load: its sustained share of Pu where it gives one, else the project's.
double sustainedShare(float Pu, const LoadEndMoments& ends, double projectShare) {
    if (!ends.PuSustained || !(Pu < 0)) {
        return projectShare;
    }
    return std::clamp(static_cast<double>(*ends.PuSustained) / Pu, 0.0, 1.0);
}

AxisLoad axisLoad(float Mu, const LoadEndMoments& ends, std::size_t top, std::size_t bot) {
    const EndMoments& m = ends.moments;
    return {m[top].value_or(Mu), m[bot].value_or(Mu), m[top + 4].value_or(0.0f),
            m[bot + 4].value_or(0.0f)};
}

} // namespace

std::string_view magnifierGovernsName(MagnifierGoverns governs) {
    switch (governs) {
    case MagnifierGoverns::NotSlender:
        return "notSlender";
    case MagnifierGoverns::M2:
        return "M2";
    case MagnifierGoverns::M2min:
        return "M2min";
    }
    return "notSlender";
}

double storeyCriticalLoad(const MemberSlenderness& member, const MomentMagnifierRules& rules,
                          bool aboutX) {
    const AxisMember& axis = aboutX ? member.member.x : member.member.y;
    const AxisSection& section = aboutX ? member.section.x : member.section.y;
    const double EI =
        effectiveStiffness(member.member, member.section, section, rules, axis.betaDs);
    return criticalLoad(EI, axis.kSway * axis.lu);
}

LoadMagnification magnifyLoad(const MemberSlenderness& member, const MomentMagnifierRules& rules,
                              float Pu, float Mux, float Muy, const LoadEndMoments& ends) {
    // Compression drives the magnifier; a tension load is not magnified.
    const double P = Pu < 0 ? -static_cast<double>(Pu) : 0.0;
    const double betaDns = sustainedShare(Pu, ends, member.member.betaDns);
    const SlendernessData& data = member.member;
    return {magnifyAxis(data.x, data, member.section, member.section.x, rules, P, betaDns,
                        axisLoad(Mux, ends, kMxTop, kMxBot)),
            magnifyAxis(data.y, data, member.section, member.section.y, rules, P, betaDns,
                        axisLoad(Muy, ends, kMyTop, kMyBot))};
}

} // namespace pmsect
