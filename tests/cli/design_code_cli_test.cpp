// pmsect-cli and the design code edition: new --code, the --code override of every computing
// command, and the "code" key of every JSON object.
#include "building/new_project.h"
#include "io/project_file.h"
#include "project/design_code_choice.h"
#include "project/project_summary.h"
#include "run_cli.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

namespace pmsect {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class DesignCodeCli : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("pmsect_cli_code_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) { return (dir / name).string(); }
};

TEST_F(DesignCodeCli, NewWritesTheEditionAndTheCommandsReportIt) {
    ASSERT_EQ(test::runCli("new " + path("a.rcs") + " --code 318-19").status, 0);
    ProjectModel m;
    ASSERT_TRUE(loadProjectFile(path("a.rcs"), m));
    EXPECT_EQ(m.designCode, DesignCode::Aci318_19);

    const std::string file = path("a.rcs");
    for (const std::string& args :
         {"summary " + file + " --json", "point " + file + " --c 5 --angle 0 --json",
          "curve " + file + " --angle 90 --json", "contour " + file + " --pn -100 --json",
          "surface " + file + " --sections 4 --json"}) {
        const test::CliOutput r = test::runCli(args);
        ASSERT_EQ(r.status, 0) << args;
        EXPECT_EQ(json::parse(r.text)["code"], "318-19") << args;
    }
    // Without --code the project is of 318-05, as it always was.
    ASSERT_EQ(test::runCli("new " + path("b.rcs")).status, 0);
    EXPECT_EQ(json::parse(test::runCli("summary " + path("b.rcs") + " --json").text)["code"],
              "318-05");
    // check --json keeps printing its array of loads.
    EXPECT_TRUE(json::parse(test::runCli("check " + path("b.rcs") + " --json").text).is_array());
}

TEST_F(DesignCodeCli, CodeOverridesTheProjectsEditionForOneRun) {
    ProjectModel m;
    resetToNewProject(m);
    m.loads.resize(1);
    m.loads[1][kPu] = -20;
    m.loads[1][kMux] = 60;
    ASSERT_TRUE(writeProjectFile(path("p.rcs"), m));
    const json as05 = json::parse(test::runCli("summary " + path("p.rcs") + " --json").text);
    const json as19 =
        json::parse(test::runCli("summary " + path("p.rcs") + " --json --code 318-19").text);
    EXPECT_EQ(as19["code"], "318-19");

    // The same computation in the engine under 318-19.
    applyDesignCode(m, DesignCode::Aci318_19);
    const SectionResults section = computeSectionSummary(m);
    ASSERT_TRUE(section.pureBending);
    const LoadResult r = storedLoadResult(section, m, 1).value();
    EXPECT_EQ(as19["loads"][0]["phiPn_kip"].get<float>(), r.phiPn);
    EXPECT_EQ(as19["loads"][0]["ratio"].get<float>(), r.ratio);
    EXPECT_EQ(as19["pureBending"][0]["phiMn_kipft"].get<float>(),
              static_cast<float>((*section.pureBending)[0].phiMn / 12.0));
    // +Mny of the default section has its steel in the transition: phi*Mn follows the edition's
    // phi (318-05 from 0.002, 318-19 from fy/Es), Mn does not change.
    const json& mny05 = as05["pureBending"][2];
    const json& mny19 = as19["pureBending"][2];
    EXPECT_EQ(mny19["Mn_kipft"], mny05["Mn_kipft"]);
    const double eps = mny05["maxSteelStrain"].get<double>();
    ASSERT_GT(eps, 0.0021);
    ASSERT_LT(eps, 0.005);
    const double phi05 = 0.65 + 0.25 * (eps - 0.002) / 0.003;
    const double phi19 = 0.65 + 0.25 * (eps - 60.0 / 29000.0) / 0.003;
    EXPECT_NEAR(mny19["phiMn_kipft"].get<double>() / mny05["phiMn_kipft"].get<double>(),
                phi19 / phi05, 1e-5);

    // The file itself is untouched, and the report names the edition used.
    ProjectModel reread;
    ASSERT_TRUE(loadProjectFile(path("p.rcs"), reread));
    EXPECT_EQ(reread.designCode, DesignCode::Aci318_05);
    EXPECT_NE(test::runCli("report " + path("p.rcs") + " --code 318-14")
                  .text.find("PMSECT ACI 318-14 Results"),
              std::string::npos);
}

TEST_F(DesignCodeCli, AnUnknownEditionIsAnError) {
    ASSERT_EQ(test::runCli("new " + path("c.rcs")).status, 0);
    EXPECT_EQ(test::runCli("summary " + path("c.rcs") + " --code 318-11").status, 2);
    EXPECT_EQ(test::runCli("new " + path("d.rcs") + " --code ACI318-19").status, 2);
    EXPECT_FALSE(fs::exists(path("d.rcs")));
}

} // namespace
} // namespace pmsect
