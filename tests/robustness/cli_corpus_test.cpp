// pmsect-cli on every file of the fuzz seed corpus (valid projects of every kind, truncated and
// mangled ones, settings files) and on the inputs the fuzzers found, and with hostile arguments:
// each run ends by itself with exit 0, 1 or 2 within its time limit, never by a signal.
#include "corpus_paths.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace pmsect {
namespace {

namespace fs = std::filesystem;

// Two seconds per run; a slower build (sanitizers) may stretch it.
std::chrono::milliseconds timeLimit() {
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

// Runs the tool with args, its output thrown away, killing it at the time limit.
Outcome runCli(const std::vector<std::string>& args) {
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
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
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

std::string describe(const std::vector<std::string>& args) {
    std::string text = "pmsect-cli";
    for (const std::string& a : args) {
        text += " " + a;
    }
    return text;
}

void expectOrderlyEnd(const std::vector<std::string>& args) {
    const Outcome r = runCli(args);
    EXPECT_FALSE(r.timedOut) << describe(args) << ": still running after " << timeLimit().count()
                             << " ms";
    if (r.timedOut) {
        return;
    }
    EXPECT_TRUE(r.exited) << describe(args) << ": ended by signal " << r.signal;
    EXPECT_TRUE(r.code == 0 || r.code == 1 || r.code == 2) << describe(args) << ": exit " << r.code;
}

class CliCorpus : public ::testing::Test {
protected:
    void SetUp() override {
        scratch = fs::temp_directory_path() / ("pmsect_cli_corpus_" + std::to_string(::getpid()));
        fs::create_directories(scratch);
    }
    void TearDown() override { fs::remove_all(scratch); }

    static std::vector<std::string> corpusFiles() {
        std::vector<std::string> files;
        const fs::path seeds = robust::fuzzCorpus();
        for (const fs::path& folder :
             {seeds / "project_file", seeds / "settings_file", robust::foundInputs()}) {
            for (const auto& entry : fs::directory_iterator(folder)) {
                files.push_back(entry.path().string());
            }
        }
        files.push_back(PMSECT_TEST_DATA); // a folder, not a file
        files.push_back("/nonexistent/project.rcs");
        std::sort(files.begin(), files.end());
        return files;
    }
    std::string out(const char* name) const { return (scratch / name).string(); }

    fs::path scratch;
};

TEST_F(CliCorpus, EverySubcommandOnEveryCorpusFileEndsInTime) {
    const auto files = corpusFiles();
    ASSERT_GT(files.size(), 80u);
    for (const std::string& f : files) {
        expectOrderlyEnd({"point", f, "--c", "5", "--angle", "30", "--json"});
        expectOrderlyEnd({"summary", f});
        expectOrderlyEnd({"summary", f, "--json"});
        expectOrderlyEnd({"check", f, "--json"});
        expectOrderlyEnd({"curve", f, "--angle", "45", "--csv"});
        expectOrderlyEnd({"contour", f, "--pn", "-100", "--json"});
        expectOrderlyEnd({"surface", f, "--sections", "8", "--csv"});
        expectOrderlyEnd({"report", f, "--length", "mm", "--force", "kN"});
        expectOrderlyEnd({"plot", f, "--curve", "90", "--svg", out("c.svg")});
        expectOrderlyEnd({"plot", f, "--contour", "-50", "--svg", out("b.svg")});
        expectOrderlyEnd(
            {"plot", f, "--surface", "8", "--view", "30", "20", "--svg", out("s.svg")});
    }
}

TEST_F(CliCorpus, HostileArgumentsOnAValidProject) {
    const std::string f = out("x.rcs");
    ASSERT_EQ(runCli({"new", f}).code, 0);
    for (const char* number : {"nan", "inf", "-inf", "1e39", "-1e39", "3.4e38", "-3.4e38", "0",
                               "-0", "1e-45", "", "abc", "1,000", "0x10"}) {
        const std::string n = number;
        expectOrderlyEnd({"point", f, "--c", n, "--angle", "30"});
        expectOrderlyEnd({"point", f, "--c", "5", "--angle", n});
        expectOrderlyEnd({"curve", f, "--angle", n});
        expectOrderlyEnd({"contour", f, "--pn", n});
        expectOrderlyEnd({"surface", f, "--sections", n});
        expectOrderlyEnd({"plot", f, "--surface", n, "--svg", out("s.svg")});
        expectOrderlyEnd({"plot", f, "--curve", "90", "--view", n, n, "--svg", out("c.svg")});
        expectOrderlyEnd({"report", f, "--length", n});
    }
    for (const char* sections : {"1e9", "-8", "32767", "100000"}) {
        expectOrderlyEnd({"surface", f, "--sections", sections});
    }
    // Writing where nothing can be written.
    expectOrderlyEnd({"new", f + "/inside-a-file.rcs"});
    expectOrderlyEnd({"new", "/nonexistent/folder/x.rcs"});
    expectOrderlyEnd({"plot", f, "--curve", "90", "--svg", f + "/inside-a-file.svg"});
    expectOrderlyEnd({});
    expectOrderlyEnd({"nosuchcommand"});
    expectOrderlyEnd({"summary"});
    expectOrderlyEnd({"summary", std::string(5000, 'a')});
}

} // namespace
} // namespace pmsect
