// What the section summary returns: the axial limits, the four pure-bending strengths and the
// last check of each load. The caller keeps it beside the project (the desktop with its other
// results, a command line run beside its model); the labels, the reports and the drawings take
// it as an argument.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "engine/load_check.h"
#include "engine/load_result.h"
#include "model/pure_bending.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pmsect {

// The last check of one load table row and the load it checked. A pending check has not run yet
// (it runs in the background, or was stopped): it counts neither as passing nor as failing.
struct StoredLoadCheck {
    LoadInput load;
    LoadResult result;
    bool pending = true;
};

struct SectionResults {
    // Which summary these are: every summary run in the process has its own number, so that the
    // curve searches and the background checks can tell a later summary from the one they began
    // under.
    std::uint64_t revision = 0;
    AxialLimits limits;
    // +Mnx, -Mnx, +Mny, -Mny as shown; nothing until a summary of a section with bars has run.
    std::optional<std::array<PureBendingResult, 4>> pureBending;
    // Rows 1..n of the load table as the summary, or the background checks since, left them.
    std::vector<StoredLoadCheck> loads;
    // A bar number of the section that the bar table does not hold: the bar counted no area. The
    // command that ran the summary reports it.
    std::optional<float> unmatchedBarSize;
};

// The name of the first value that is NaN or infinite ("Po", "pureBending[2].Mn",
// "loads[3].ratio"), or nothing when all are finite.
std::optional<std::string> firstNonFiniteValue(const SectionResults& results);

} // namespace pmsect
