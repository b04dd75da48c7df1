// The one verdict over everything a project checks: its factored loads and the strength
// combinations of its load cases, together. The main window, the load table, the text and PDF
// reports and the command line all say it in the one sentence written here, so that no two places
// count differently.
#pragma once

#include "engine/governing_load.h"
#include "engine/load_combinations.h"
#include "engine/section_results.h"
#include "model/project_model.h"

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace pmsect {

// "All 12 loads pass; largest ratio 0.945 (load 3)", "1 load passes; ...", "1 of 1 load fails;
// ...", "3 of 11 loads and combinations fail;
// largest ratio 1.204 (combination 1.2D + 1.6L)", "All 10 combinations pass; ...". The verdict
// is over the loads first, then the combinations (the last `combinations` of verdict.count);
// governing names the governing one ("load 3", "combination 1.4D").
std::string verdictSentence(const LoadVerdict& verdict, std::size_t combinations,
                            const std::string& governing);

// The combinations of the project's load cases checked against its section as it stands.
struct CheckedCombinations {
    std::vector<LoadCombination> combinations;
    std::vector<CheckedLoad> checks; // one per combination
};
CheckedCombinations checkedCombinations(const ProjectModel& model);

struct ProjectVerdict {
    LoadVerdict verdict; // over the checked loads, then the combinations
    std::size_t combinations = 0;
    std::size_t unchecked = 0; // factored loads whose checks were stopped, left out
    std::string governing;     // "load 3" or "combination 1.4D"; empty when none governs
    std::string sentence() const { return verdictSentence(verdict, combinations, governing); }
};

// The loads as section keeps their rows' last checks (rows without one are left out and counted
// in unchecked), then the combinations given.
ProjectVerdict projectVerdict(const ProjectModel& model, const SectionResults& section,
                              const CheckedCombinations& combinations);
// The same with the combinations checked now.
ProjectVerdict projectVerdict(const ProjectModel& model, const SectionResults& section);

} // namespace pmsect
