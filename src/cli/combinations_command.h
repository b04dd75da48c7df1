// The strength combinations of a project's load cases on the command line: `combos` prints them,
// and `check` checks them beside the factored loads, each by its name.
#pragma once

#include "cli/project_source.h"
#include "cli/results_commands.h"
#include "engine/load_batch.h"
#include "engine/load_combinations.h"
#include "project/project_verdict.h"

#include <string>
#include <vector>

namespace pmsect::cli {

// The combinations of the project's cases, or of a case file's in their place (casesPath not
// empty; the project's options and user combinations stay, and a user combination naming a case
// the file lacks is a FileError).
std::vector<LoadCombination> projectCombinations(const ProjectModel& model,
                                                 const std::string& casesPath);

int runCombos(const ProjectSource& source, const std::string& casesPath, OutputFormat format);

// check: the project's loads, then its combinations; exit 1 when any fails.
int runCheckWithCombinations(const ProjectSource& source, const std::string& casesPath, bool json);

// The text tables of the project's loads and of the combinations checked, and the verdict over
// both, as check and summary print them.
void printChecksWithCombinations(const ProjectModel& model, const SectionResults& section,
                                 const CheckedCombinations& checked);

} // namespace pmsect::cli
