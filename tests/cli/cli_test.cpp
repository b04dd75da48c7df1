// pmsect-cli run as a user would: exit codes, JSON keys and values against the engine.
#include "building/new_project.h"
#include "engine/codes/aci318.h"
#include "engine/strain_compat.h"
#include "io/project_file.h"
#include "project/design_code_choice.h"
#include "project/engine_inputs_of.h"
#include "run_cli.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

namespace pmsect {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class CliTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("pmsect_cli_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) { return (dir / name).string(); }
};

TEST_F(CliTest, NewThenSummaryOfTheDefaultProject) {
    ASSERT_EQ(test::runCli("new " + path("x.rcs")).status, 0);
    const test::CliOutput r = test::runCli("summary " + path("x.rcs") + " --json");
    ASSERT_EQ(r.status, 0);
    const json j = json::parse(r.text);
    EXPECT_FLOAT_EQ(j["grossArea_in2"].get<float>(), 216);
    EXPECT_NEAR(j["steelArea_in2"].get<double>(), 6.2, 1e-5);
    EXPECT_NEAR(j["Po_kip"].get<double>(), -(2550 * (216 - 6.2) + 60000 * 6.2) / 1000, 1e-3);
    EXPECT_NEAR(j["phiPnMax_kip"].get<double>(), 0.52 * j["Po_kip"].get<double>(), 1e-3);
    ASSERT_EQ(j["pureBending"].size(), 4u);
    const double angles[] = {0, 180, 270, 90};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(j["pureBending"][i]["angle_deg"].get<double>(), angles[i]);
    }
    EXPECT_GT(j["pureBending"][0]["Mn_kipft"].get<double>(), 0);
    EXPECT_LT(j["pureBending"][1]["Mn_kipft"].get<double>(), 0);
    EXPECT_TRUE(j["loads"].empty());
}

// The warnings list appears only when it holds something: a sound project's summary keeps its
// keys, and one with fy above 80,000 psi carries the warning.
TEST_F(CliTest, SummaryWarnsOfAYieldStrengthAboveTheCodeLimit) {
    ASSERT_EQ(test::runCli("new " + path("sound.rcs")).status, 0);
    const json sound = json::parse(test::runCli("summary " + path("sound.rcs") + " --json").text);
    EXPECT_FALSE(sound.contains("warnings"));

    ProjectModel m;
    ASSERT_TRUE(loadProjectFile(path("sound.rcs"), m));
    m.fy = 90000;
    ASSERT_TRUE(writeProjectFile(path("high.rcs"), m));
    const test::CliOutput r = test::runCli("summary " + path("high.rcs") + " --json");
    ASSERT_EQ(r.status, 0);
    const json high = json::parse(r.text);
    ASSERT_TRUE(high.contains("warnings"));
    EXPECT_EQ(high["warnings"], json::array({kHighYieldWarning}));
    // The warning changes nothing computed: To = fy As with twenty #5 bars.
    EXPECT_NEAR(high["To_kip"].get<double>(), 90 * 6.2, 1e-3);
}

TEST_F(CliTest, PointAgreesWithTheEngineToTheLastDigit) {
    ASSERT_EQ(test::runCli("new " + path("x.rcs")).status, 0);
    const test::CliOutput r = test::runCli("point " + path("x.rcs") + " --c 0 --angle 30 --json");
    ASSERT_EQ(r.status, 0);
    const json j = json::parse(r.text);
    ProjectModel m;
    ASSERT_TRUE(loadProjectFile(path("x.rcs"), m));
    NeutralAxisState s;
    s.c = 0;
    EvaluationDetail d;
    solveNeutralAxis(engineInputsOf(m), 30, s, &d);
    EXPECT_EQ(j["c_in"].get<float>(), 0.001f); // raised to the minimum depth
    EXPECT_EQ(j["Pn_kip"].get<float>(), s.Pn);
    EXPECT_EQ(j["Mn_kipin"].get<float>(), s.Mn);
    EXPECT_EQ(j["Mnx_kipin"].get<float>(), d.Mnx);
    EXPECT_EQ(j["tensForce_kip"].get<float>(), d.tensionForce);
    for (const char* key : {"loadAngle_deg", "phi", "Mny_kipin", "Ac_in2", "grossCompArea_in2",
                            "compForce_kip", "maxSteelStrain"}) {
        EXPECT_TRUE(j.contains(key)) << key;
    }
}

TEST_F(CliTest, CheckExitsOneWhenALoadFailsAndErrorsExitTwo) {
    ProjectModel m;
    resetToNewProject(m);
    m.loads.resize(2);
    m.loads[1][kPu] = -100;
    m.loads[1][kMux] = 50;
    m.loads[2][kPu] = -400;
    m.loads[2][kMux] = 250; // beyond the section
    ASSERT_TRUE(writeProjectFile(path("loads.rcs"), m));
    const test::CliOutput r = test::runCli("check " + path("loads.rcs") + " --json");
    EXPECT_EQ(r.status, 1);
    const json j = json::parse(r.text);
    ASSERT_EQ(j.size(), 2u);
    EXPECT_LT(j[0]["ratio"].get<double>(), 1);
    EXPECT_GT(j[1]["ratio"].get<double>(), 1);
    m.loads.resize(1);
    ASSERT_TRUE(writeProjectFile(path("ok.rcs"), m));
    EXPECT_EQ(test::runCli("check " + path("ok.rcs")).status, 0);

    EXPECT_EQ(test::runCli("summary " + path("missing.rcs")).status, 2);
    EXPECT_EQ(test::runCli("point " + path("ok.rcs") + " --c abc --angle 0").status, 2);
    EXPECT_EQ(test::runCli("frobnicate").status, 2);
    std::ofstream(path("bad.rcs")) << "1,1\r\n4,0,1\r\n";
    EXPECT_EQ(test::runCli("summary " + path("bad.rcs")).status, 2);
}

TEST_F(CliTest, HandWrittenFileWithAnUnknownBarSizeStillRuns) {
    std::ofstream(path("hand.rcs")) << "1,3\n4,4,1,1\n145,4000,60000,3644147,29000000\n"
                                       "12,12,16\n1.5,1,12,12\n#TRUE#,#FALSE#,#FALSE#\n"
                                       "#FALSE#,#FALSE#,#TRUE#\n#TRUE#,#FALSE#\n6,0\n"
                                       "0,#TRUE#,#FALSE#\n2,0\n-6,-6\n-6,6\n6,6\n6,-6\n"
                                       "-4,-4,8\n4,-4,8\n4,4,12\n-4,4,8\n2,8\n-50,20,10\n";
    const test::CliOutput r = test::runCli("summary " + path("hand.rcs") + " --json");
    ASSERT_EQ(r.status, 0);
    const json j = json::parse(r.text);
    EXPECT_NEAR(j["steelArea_in2"].get<double>(), 3 * 0.79, 1e-5); // #12 counts nothing
    ASSERT_EQ(j["loads"].size(), 1u);
    EXPECT_TRUE(j["loads"][0]["capacityFound"].get<bool>());
    // Each command that computes with the file names the size once, however often it evaluates.
    const std::string warning = "warning: Unable to match Bar Size 12";
    for (const std::string& command : {"summary " + path("hand.rcs"), "check " + path("hand.rcs"),
                                       "point " + path("hand.rcs") + " --c 5 --angle 0",
                                       "convert " + path("hand.rcs") + " " + path("hand.json")}) {
        const std::string text = test::runCli(command, true).text;
        const auto first = text.find(warning);
        EXPECT_NE(first, std::string::npos) << command << "\n" << text;
        EXPECT_EQ(text.find(warning, first + 1), std::string::npos) << command << "\n" << text;
    }
}

} // namespace
} // namespace pmsect
