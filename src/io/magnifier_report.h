// The moment magnifier's steps for one load as the reports write them: a few lines per axis,
// each step with the clause it comes from, in the project's display units.
#pragma once

#include "engine/codes/moment_magnifier_rules.h"
#include "engine/moment_magnifier.h"
#include "model/project_model.h"

#include <string>
#include <vector>

namespace pmsect {

std::vector<std::string> magnifierReportLines(const LoadMagnification& magnification,
                                              const MomentMagnifierRules& rules,
                                              const DisplayUnits& units);

} // namespace pmsect
