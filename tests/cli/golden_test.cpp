// Every result of pmsect-cli on the golden projects, digit for digit. The arithmetic is single
// precision in a fixed order, so any change of a digit is a change of behaviour: regenerate with
// tools/update-golden.sh only on purpose.
#include "run_cli.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace pmsect {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// The command that made each kind of golden file.
const std::pair<const char*, const char*> kGoldenKinds[] = {
    {".summary.json", "summary {} --json"},
    {".point.json", "point {} --c 7.5 --angle 30 --json"},
    {".curve90.json", "curve {} --angle 90 --json"},
    {".curve30.json", "curve {} --angle 30 --json"},
    {".contour-100.json", "contour {} --pn -100 --json"},
    {".contour20.json", "contour {} --pn 20 --json"},
    {".surface32.json", "surface {} --sections 32 --json"},
};

TEST(Golden, EveryProjectGivesExactlyItsStoredResults) {
    const fs::path dir = fs::path(PMSECT_TEST_DATA) / "golden";
    int compared = 0;
    for (const auto& entry : fs::directory_iterator(dir)) {
        if (entry.path().extension() != ".rcs") {
            continue;
        }
        const std::string stem = (dir / entry.path().stem()).string();
        for (auto [suffix, pattern] : kGoldenKinds) {
            const fs::path golden = stem + suffix;
            if (!fs::exists(golden)) {
                continue;
            }
            std::string args = pattern;
            args.replace(args.find("{}"), 2, entry.path().string());
            EXPECT_EQ(test::runCli(args).text, contents(golden)) << golden;
            ++compared;
        }
    }
    EXPECT_GE(compared, 12); // six projects, at least summary and point each
}

} // namespace
} // namespace pmsect
