// The subcommands of pmsect-cli. Each returns the process's exit status; errors are thrown as
// CommandError and reported by main as one line.
#pragma once

#include <stdexcept>
#include <string>

namespace pmsect::cli {

struct CommandError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

int runNew(const std::string& file);
int runPoint(const std::string& file, float c, float angle, bool json);
int runSummary(const std::string& file, bool json);
int runCheck(const std::string& file, bool json);

} // namespace pmsect::cli
