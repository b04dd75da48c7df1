// Strength combinations of service load cases: the basic combinations of ASCE 7-22 §2.3.1 and
// the seismic ones of §2.3.6, generated from the factor table, and the combinations the user adds.
//
// The rules, beside the factors themselves:
// - every case of a gravity kind (D, L, Lr, S, R) enters with its kind's factor, so that several
//   D cases add; each W and each E case is an alternative of its own (wind from one direction,
//   earthquake along one axis), taken in both senses;
// - a term whose kind has no case drops out or leaves its row out (TermPresence); a combination
//   equal to one generated before is not repeated;
// - Ev = 0.2 SDS D (§12.4.2.2) is folded into the factor on D;
// - cases of kind "other" enter only the user's combinations.
//
// Names are the formula, terms in the row's order: "1.2D + 1.0W + 1.0L + 0.5S", the negative sense
// of a lateral case written "0.9D - 1.0W". Where a lateral kind has more than one case the case is
// named in brackets: "0.9D - 1.0W[North]". Factors are written with one decimal at least and
// three at most ("1.26D" when SDS = 0.3).
#pragma once

#include "model/load_cases.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pmsect {

// The standard's factor table, "or" choices as rows of their own.
const std::vector<FactorRow>& standardFactorTable();

// The table the options say: their own when they hold one, else the standard's.
const std::vector<FactorRow>& factorTableOf(const CombinationOptions& options);

// The factor a term of the row enters with before Ev: the table's, or 0.5 on L where the options
// take the exception of ASCE 7-22 2.3.1 (Lo of 100 psf or less) in a row with W or E.
double termFactor(const FactorRow& row, const FactorTerm& term, const CombinationOptions& options);

struct LoadCombination {
    std::string name;
    double Pu = 0;  // kips, compression negative
    double Mux = 0; // kip-ft
    double Muy = 0;
    // The D part plus sustainedLiveFraction of the L part (Ev included in D).
    double PuSustained = 0;
    // Present when any case of the combination gives end moments or is a sway case: each end the
    // factored sum of the cases' (a case without end moments gives Mx or My at both ends), each
    // sway part the sum over sway cases of their whole end moment and over the others of the
    // sway part they give.
    std::optional<std::array<double, kEndMomentCount>> ends;
};

// "1.2", "1.0", "1.26": a factor as combination names write it.
std::string factorText(double factor);

// The generated combinations (standard or edited table) followed by the user's, in table order.
// A user combination naming a case the set does not hold is an error the readers refuse before;
// here its missing cases count as zero.
std::vector<LoadCombination> generateCombinations(const LoadCaseSet& set);

} // namespace pmsect
