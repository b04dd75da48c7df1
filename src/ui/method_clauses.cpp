// Clause numbers: ACI 318-05 keeps the strength assumptions in 10.2, phi in 9.3.2 with the strain
// limits of 10.3.3 and 10.3.4, and the axial cap in 10.3.6; the reorganised 318-14 and 318-19
// keep them in 22.2 (assumptions), 20.2.2 (steel), 21.2.2 (phi by the net tensile strain) and
// 22.4.2 (axial strength), and the moduli in 19.2.2.1 and 20.2.2.2.
#include "ui/method_clauses.h"

namespace pmsect {
namespace {

bool since2014(DesignCode code) {
    return code != DesignCode::Aci318_05;
}

} // namespace

std::vector<MethodClause> methodClauses(DesignCode code) {
    const bool modern = since2014(code);
    std::string phiText =
        "The strength reduction factor phi follows the net tensile strain eps_t in the extreme "
        "tension steel: the compression-controlled value (0.65 with ties, ";
    phiText += modern ? "0.75" : "0.70";
    phiText += " with a spiral) up to ";
    switch (code) {
    case DesignCode::Aci318_05:
        phiText += "0.002, 0.90 from 0.005, linear between (9.3.2, 10.3.3, 10.3.4)";
        break;
    case DesignCode::Aci318_14:
        phiText += "eps_ty = fy/Es, 0.90 from 0.005, linear between";
        break;
    case DesignCode::Aci318_19:
        phiText += "eps_ty = fy/Es, 0.90 from eps_ty + 0.003, linear between";
        break;
    }
    phiText += ".";
    return {
        {modern ? "22.2.1.2" : "10.2.2",
         "Strains in the steel and the concrete are proportional to the distance from the neutral "
         "axis."},
        {modern ? "22.2.2.1" : "10.2.3",
         "The concrete strain at the extreme compression fibre is 0.003."},
        {modern ? "20.2.2" : "10.2.4",
         "The steel is elastic-perfectly-plastic: fs = Es eps_s, at most fy in tension or "
         "compression."},
        {modern ? "22.2.2.2" : "10.2.5", "The tensile strength of the concrete is neglected."},
        {modern ? "22.2.2.4.1" : "10.2.7.1",
         "The concrete stress is 0.85 f'c uniform over a depth a = beta1 c from the extreme "
         "compression fibre, bounded by the section's outline; the bars' area is deducted from "
         "the block."},
        {modern ? "22.2.2.4.3" : "10.2.7.3",
         "beta1 = 0.85 up to f'c = 4,000 psi, 0.05 less per 1,000 psi above, not below 0.65."},
        {modern ? "21.2.2" : "9.3.2", phiText},
        {modern ? "22.4.2" : "10.3.6",
         "Po = 0.85 f'c (Ag - Ast) + fy Ast; the design axial strength is capped at phi*Pn(max) "
         "= 0.80 phi Po with ties, 0.85 phi Po with a spiral."},
    };
}

std::string concreteModulusClause(DesignCode code) {
    return since2014(code) ? "19.2.2.1" : "8.5.1";
}

std::string steelModulusClause(DesignCode code) {
    return since2014(code) ? "20.2.2.2" : "8.5.2";
}

std::string stressBlockFactorClause(DesignCode code) {
    return since2014(code) ? "22.2.2.4.3" : "10.2.7.3";
}

} // namespace pmsect
