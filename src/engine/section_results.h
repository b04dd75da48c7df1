// What the section summary returns besides the load checks: the axial limits and the four
// pure-bending strengths. The caller keeps it beside the project (the desktop with its other
// results, a command line run beside its model); the labels, the reports and the drawings take
// it as an argument.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "model/pure_bending.h"

#include <array>
#include <optional>
#include <string>

namespace pmsect {

struct SectionResults {
    AxialLimits limits;
    // +Mnx, -Mnx, +Mny, -Mny as shown; nothing until a summary of a section with bars has run.
    std::optional<std::array<PureBendingResult, 4>> pureBending;
};

// The name of the first value that is NaN or infinite ("Po", "pureBending[2].Mn"), or nothing
// when all are finite.
std::optional<std::string> firstNonFiniteValue(const SectionResults& results);

} // namespace pmsect
