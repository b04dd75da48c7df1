// Runs the built pmsect-cli with arguments and collects what it prints and its exit status.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace pmsect::test {

struct CliOutput {
    int status = -1; // the exit status, or -1 when the tool ended by a signal
    std::string text;
};

// Standard error is discarded unless keepErrors is set.
inline CliOutput runCli(const std::string& args, bool keepErrors = false) {
    const std::string command =
        std::string(PMSECT_CLI) + " " + args + (keepErrors ? " 2>&1" : " 2>/dev/null");
    CliOutput out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return out;
    }
    std::array<char, 4096> buf{};
    while (std::fgets(buf.data(), static_cast<int>(buf.size()), pipe)) {
        out.text += buf.data();
    }
    const int status = pclose(pipe);
    out.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

} // namespace pmsect::test
