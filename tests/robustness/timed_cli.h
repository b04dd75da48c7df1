// pmsect-cli run from a robustness test with a time limit: a run that hangs is killed and reported,
// never left to stop the whole suite.
#pragma once

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace pmsect::robust {

// Two seconds per run; a slower build (sanitizers) may stretch it.
inline std::chrono::milliseconds timeLimit() {
    const char* scale = std::getenv("PMSECT_CLI_TIME_SCALE");
    const double factor = scale ? std::atof(scale) : 1.0;
    return std::chrono::milliseconds(static_cast<long>(2000 * (factor > 0 ? factor : 1.0)));
}

struct Outcome {
    bool exited = false;
    int code = -1;
    int signal = 0;
    bool timedOut = false;
    std::chrono::milliseconds took{0};
};

// Runs the tool with args, killing it at the time limit. Its output is thrown away; what it writes
// to standard error goes to errorsPath when one is given.
inline Outcome runCli(const std::vector<std::string>& args, const std::string& errorsPath = {}) {
    std::vector<std::string> all{PMSECT_CLI};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2,
                                     errorsPath.empty() ? "/dev/null" : errorsPath.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&pid, PMSECT_CLI, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    Outcome out;
    if (spawned != 0) {
        ADD_FAILURE() << "cannot start " << PMSECT_CLI;
        return out;
    }
    const auto limit = timeLimit();
    int status = 0;
    while (true) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        out.took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        if (done == pid) {
            break;
        }
        if (out.took > limit) {
            out.timedOut = true;
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return out;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    out.exited = WIFEXITED(status);
    out.code = out.exited ? WEXITSTATUS(status) : -1;
    out.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return out;
}

} // namespace pmsect::robust
