// check --loads: the project's section against every load of a load file.
#pragma once

#include "cli/project_source.h"
#include "cli/results_commands.h"

#include <string>

namespace pmsect::cli {

// threads: 0 for every core. The combinations of the project's load cases (or of the case file
// casesPath, when not empty) follow the file's loads, their names as ids. Exit status 1 when any
// load fails; a refused load file prints its line and column, exit 2, and no result.
int runCheckLoadFile(const ProjectSource& source, const std::string& loadsPath,
                     const std::string& casesPath, OutputFormat format, unsigned threads);

} // namespace pmsect::cli
