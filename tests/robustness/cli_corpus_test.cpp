// pmsect-cli on every file of the fuzz seed corpus (valid projects of every kind, truncated and
// mangled ones, settings files) and on the inputs the fuzzers found, and with hostile arguments:
// each run ends by itself with exit 0, 1 or 2 within its time limit, never by a signal.
#include "corpus_paths.h"
#include "timed_cli.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pmsect {
namespace {

namespace fs = std::filesystem;
using robust::Outcome;
using robust::runCli;
using robust::timeLimit;

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
        for (const fs::path& folder : {seeds / "project_file", seeds / "settings_file",
                                       robust::foundInputs(), robust::hostileInputs()}) {
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
