// The subcommands of pmsect-cli. Each returns the process's exit status; errors are thrown as
// CommandError and reported by main as one line.
#pragma once

#include "cli/project_source.h"
#include "model/design_code.h"

#include <optional>
#include <stdexcept>
#include <string>

namespace pmsect::cli {

struct CommandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// An error whose message names the file it is about (a project, a load file, a file being
// written), as the readers and writers word them: main prints it without naming the command's
// project again.
struct FileError : CommandError {
    using CommandError::CommandError;
};

// Writes the default new project of the edition (318-05 when none is given), as JSON when file
// ends in .json.
int runNew(const std::string& file, std::optional<DesignCode> code);
// A project file to a JSON project or back, the direction chosen by the extensions; the edition
// goes with it.
int runConvert(const std::string& in, const std::string& out);
int runPoint(const ProjectSource& source, float c, float angle, bool json);
int runSummary(const ProjectSource& source, bool json);
int runCheck(const ProjectSource& source, bool json);

} // namespace pmsect::cli
