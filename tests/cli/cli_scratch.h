// A folder of files for one command-line test, its own: ctest runs tests side by side, so a folder
// shared by name would be emptied under another test's feet.
#pragma once

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace pmsect::test {

struct CliScratch {
    std::filesystem::path dir;
    CliScratch() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = std::filesystem::temp_directory_path() /
              ("pmsect_cli_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::create_directories(dir);
    }
    ~CliScratch() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    CliScratch(const CliScratch&) = delete;
    CliScratch& operator=(const CliScratch&) = delete;
    // The file written, by its path.
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(dir / name) << text;
        return (dir / name).string();
    }
};

} // namespace pmsect::test
