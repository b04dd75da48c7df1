// The assumptions of the strength method in words, each with the clause of the edition in force
// that states it, and how a load is checked.
#pragma once

#include "model/design_code.h"

#include <string>
#include <vector>

namespace pmsect {

struct MethodClause {
    std::string clause; // "22.2.2.1"
    std::string text;   // the assumption in words
};

std::vector<MethodClause> methodClauses(DesignCode code);

// The clause giving Ec and the one giving Es, for the materials' lines.
std::string concreteModulusClause(DesignCode code);
std::string steelModulusClause(DesignCode code);
std::string stressBlockFactorClause(DesignCode code);

} // namespace pmsect
