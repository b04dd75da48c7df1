// pmsect-cli on what a hostile run gave it in place of its files: pipes, folders, a load file of
// 257 MB, control bytes inside fields and keys, and a record cut short.
// Each run ends in time with exit 2 and one line that names the file once and shows every byte it
// quotes; the pipes are refused without waiting for a writer.
#include "corpus_paths.h"
#include "timed_cli.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace pmsect {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class HostileFiles : public ::testing::Test {
protected:
    void SetUp() override {
        fs::remove_all(scratch);
        fs::create_directories(scratch);
        ASSERT_EQ(robust::runCli({"new", project}).code, 0);
    }
    void TearDown() override { fs::remove_all(scratch); }

    std::string at(const char* name) const { return (scratch / name).string(); }
    static std::string hostile(const char* name) {
        return fs::weakly_canonical(robust::hostileInputs() / name).string();
    }
    // The run's exit status and everything it wrote to standard error.
    std::pair<int, std::string> run(const std::vector<std::string>& args) const {
        const robust::Outcome r = robust::runCli(args, at("errors.txt"));
        EXPECT_FALSE(r.timedOut) << args[0] << " " << args[1] << " still running";
        return {r.code, readAll(scratch / "errors.txt")};
    }

    fs::path scratch =
        fs::temp_directory_path() / ("pmsect_hostile_files_" + std::to_string(::getpid()));
    std::string project = at("p.rcs");
};

TEST_F(HostileFiles, EachIsRefusedInTimeWithOneLineNamingItsFileOnce) {
    const std::string pipe = at("pipe.csv");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(at("folder.csv"));
    fs::create_directory(at("folder.json"));
    const std::string huge = at("huge.csv");
    std::ofstream(huge) << "Pu,Mux,Muy\n";
    fs::resize_file(huge, 257u * 1024 * 1024); // sparse: no disk taken
    const struct {
        std::vector<std::string> args;
        std::string message; // after "pmsect-cli: "
    } cases[] = {
        {{"check", project, "--loads", pipe}, pipe + ": it is a pipe or a device, not a load file"},
        {{"design", project, "--loads", pipe},
         pipe + ": it is a pipe or a device, not a load file"},
        {{"check", project, "--loads", at("folder.csv")},
         at("folder.csv") + ": it is a folder, not a load file"},
        {{"design", project, "--loads", at("folder.csv")},
         at("folder.csv") + ": it is a folder, not a load file"},
        {{"check", project, "--loads", huge},
         huge + ": it holds 269484032 bytes; a load file may hold 256 MB at most"},
        {{"summary", at("folder.json")},
         at("folder.json") + ": it is a folder or a device, not a file"},
        {{"summary", at("none.json")}, at("none.json") + ": there is no such file"},
        {{"summary", hostile("nul_in_field.rcs")},
         hostile("nul_in_field.rcs") +
             ": Line 2 (record 2, table counts): field 1 \"4\\x00\" is not a finite number"},
        {{"summary", hostile("short_record.rcs")},
         hostile("short_record.rcs") +
             ": Line 1 (record 1, section type and bar layout): 1 field where 2 are expected"},
        {{"summary", hostile("nul_in_key.json")},
         hostile("nul_in_key.json") + ": /x\\x00y: is not a field of a project"},
        {{"check", project, "--loads", hostile("nul_in_load.csv")},
         hostile("nul_in_load.csv") + ": line 2, column 1: Pu \"-10\\x00\" is not a finite number"},
        {{"check", project, "--loads", hostile("escape_in_load.csv")},
         hostile("escape_in_load.csv") +
             ": line 2, column 1: Pu \"\\x1B[2J\\x1B[31m\" is not a finite number"},
    };
    for (const auto& c : cases) {
        const auto [code, errors] = run(c.args);
        EXPECT_EQ(code, 2) << c.args[0] << " " << c.args.back();
        EXPECT_EQ(errors, "pmsect-cli: " + c.message + "\n");
    }
}

} // namespace
} // namespace pmsect
