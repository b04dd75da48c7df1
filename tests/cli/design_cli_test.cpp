// pmsect-cli design as a user runs it: the JSON of the ranked arrangements, --out (as .rcs or
// .json), the same answer at any --threads, the notes above 4 % and the exit statuses.
#include "building/new_project.h"
#include "building/reinforcement_design.h"
#include "building/section_generators.h"
#include "io/project_file.h"
#include "io/project_formats.h"
#include "project/project_summary.h"
#include "run_cli.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>
#include <string>

namespace pmsect {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

class DesignCli : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("pmsect_cli_design_" + std::to_string(::getpid()));
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    std::string path(const char* name) { return (dir / name).string(); }

    // The default project with loads that only some arrangements carry.
    std::string projectWithLoads(const char* name) {
        ProjectModel m;
        resetToNewProject(m);
        const float loads[][3] = {{-300, 60, 0}, {-150, 95, 10}, {-40, 110, -20}, {20, -70, 0}};
        m.loads.resize(4);
        for (int i = 0; i < 4; ++i) {
            for (int c = 0; c < 3; ++c) {
                m.loads[static_cast<std::size_t>(i + 1)][c + 1] = loads[i][c];
            }
        }
        EXPECT_TRUE(writeProjectFile(path(name), m));
        return path(name);
    }
};

std::string readAll(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(DesignCli, JsonListsTheRankedCandidatesAndTheBest) {
    const std::string file = projectWithLoads("p.rcs");
    const test::CliOutput r = test::runCli("design " + file + " --json");
    ASSERT_EQ(r.status, 0);
    const json j = json::parse(r.text);
    EXPECT_EQ(j["code"], "318-05");
    EXPECT_EQ(j["layout"], "perimeter");
    const json& candidates = j["candidates"];
    ASSERT_GT(candidates.size(), 5u);
    std::size_t firstPassing = candidates.size();
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const json& c = candidates[i];
        for (const char* key : {"barSize", "barCount", "barsPerXFace", "barsPerYFace",
                                "steelArea_in2", "rho", "pass", "bars"}) {
            EXPECT_TRUE(c.contains(key)) << key;
        }
        EXPECT_EQ(c["bars"].size(), c["barCount"].get<std::size_t>());
        EXPECT_EQ(c["barCount"].get<int>(),
                  2 * (c["barsPerXFace"].get<int>() + c["barsPerYFace"].get<int>() - 2));
        EXPECT_LE(c["rho"].get<double>(), 0.04);
        EXPECT_NEAR(c["rho"].get<double>(), c["steelArea_in2"].get<double>() / 216, 1e-6);
        if (i > 0) {
            EXPECT_GE(c["steelArea_in2"].get<double>(),
                      candidates[i - 1]["steelArea_in2"].get<double>());
        }
        if (c["pass"].get<bool>()) {
            firstPassing = std::min(firstPassing, i);
            EXPECT_LE(c["maxRatio"].get<double>(), 1.0);
            EXPECT_GE(c["governingLoad"].get<int>(), 1);
        } else {
            EXPECT_GE(c["firstFailingLoad"].get<int>(), 1);
            EXPECT_LE(c["firstFailingLoad"].get<int>(), 4);
        }
    }
    ASSERT_LT(firstPassing, candidates.size());
    EXPECT_GT(firstPassing, 0u);
    EXPECT_EQ(j["best"], candidates[firstPassing]);

    // Any number of threads gives the same text.
    EXPECT_EQ(test::runCli("design " + file + " --json --threads 1").text, r.text);
    EXPECT_EQ(test::runCli("design " + file + " --json --threads 3").text, r.text);
}

TEST_F(DesignCli, OutWritesTheProjectAsTheDesktopLaysIt) {
    const std::string file = projectWithLoads("p.rcs");
    const test::CliOutput r = test::runCli("design " + file + " --json --out " + path("d.rcs"));
    ASSERT_EQ(r.status, 0);
    const json best = json::parse(r.text)["best"];
    // Named .json, the same project is written as JSON.
    ASSERT_EQ(test::runCli("design " + file + " --out " + path("d.json")).status, 0);
    ProjectModel asJson;
    ASSERT_TRUE(loadAnyProject(path("d.json"), asJson));

    ProjectModel project;
    ASSERT_TRUE(loadProjectFile(file, project));
    const DesignResult result =
        designReinforcement(project, projectLoads(project), DesignOptions{});
    ASSERT_TRUE(result.best);
    ProjectModel desktop = project;
    applyArrangement(desktop, result.candidates[*result.best].arrangement);
    ASSERT_TRUE(writeProjectFile(path("desktop.rcs"), desktop));
    EXPECT_EQ(readAll(path("d.rcs")), readAll(path("desktop.rcs")));

    // Read back, the designed project carries every load, with the largest ratio reported.
    ProjectModel designed;
    SectionResults section;
    ASSERT_TRUE(loadProjectFile(path("d.rcs"), designed, LoadChecks::Now, &section));
    EXPECT_EQ(projectFileText(asJson), projectFileText(designed));
    EXPECT_EQ(designed.numBars, best["barCount"].get<int>());
    EXPECT_EQ(designed.clearSpacing, best["clearSpacing_in"].get<float>());
    float largest = 0;
    for (int i = 1; i <= designed.loads.count(); ++i) {
        const LoadResult r =
            storedLoadResult(section, designed, static_cast<std::size_t>(i)).value();
        EXPECT_TRUE(r.capacityFound);
        largest = std::max(largest, r.ratio);
    }
    EXPECT_EQ(largest, best["maxRatio"].get<float>());
}

TEST_F(DesignCli, ALoadFileTakesThePlaceOfTheProjectsLoadsAndNamesThemByTheirIds) {
    const std::string file = projectWithLoads("p.rcs");
    // The project's own four loads, in another column order and with ids.
    std::ofstream(path("loads.csv")) << "Muy;id;Pu;Mux\n0;C1;-300;60\n10;C2;-150;95\n\n"
                                        "-20;C3;-40;110\n0;C4;20;-70\n";
    const json own = json::parse(test::runCli("design " + file + " --json").text);
    const test::CliOutput r =
        test::runCli("design " + file + " --json --loads " + path("loads.csv"));
    ASSERT_EQ(r.status, 0);
    const json fromFile = json::parse(r.text);
    ASSERT_EQ(fromFile["candidates"].size(), own["candidates"].size());
    for (std::size_t i = 0; i < own["candidates"].size(); ++i) {
        const json& a = own["candidates"][i];
        const json& b = fromFile["candidates"][i];
        EXPECT_EQ(a["pass"], b["pass"]);
        if (a["pass"].get<bool>()) {
            EXPECT_EQ(a["maxRatio"], b["maxRatio"]);
            EXPECT_EQ("C" + std::to_string(a["governingLoad"].get<int>()), b["governingLoad"]);
        } else {
            EXPECT_EQ("C" + std::to_string(a["firstFailingLoad"].get<int>()),
                      b["firstFailingLoad"]);
        }
    }

    std::ofstream(path("bad.csv")) << "Pu,Mux,Muy\n-100,fifty,0\n";
    const test::CliOutput bad =
        test::runCli("design " + file + " --json --loads " + path("bad.csv"), true);
    EXPECT_EQ(bad.status, 2);
    EXPECT_NE(bad.text.find("line 2, column 2"), std::string::npos) << bad.text;
    EXPECT_EQ(bad.text.find("candidates"), std::string::npos);
}

TEST_F(DesignCli, ExitStatuses) {
    const std::string file = projectWithLoads("p.rcs");
    // Nothing of #5 bars within 1-1.2 % carries these loads.
    const test::CliOutput none =
        test::runCli("design " + file + " --sizes 5-5 --rho 1-1.2 --out " + path("x.rcs"), true);
    EXPECT_EQ(none.status, 1);
    EXPECT_NE(none.text.find("fails even the heaviest"), std::string::npos) << none.text;
    EXPECT_NE(none.text.find("the section must grow or the steel band widen"), std::string::npos);
    EXPECT_FALSE(fs::exists(path("x.rcs")));
    // Above 4 % each row notes the splices.
    const test::CliOutput heavy = test::runCli("design " + file + " --sizes 8-8 --rho 4-8");
    EXPECT_NE(heavy.text.find("lap splices double the steel at a splice"), std::string::npos);

    EXPECT_EQ(test::runCli("design " + file + " --sizes 11-5").status, 2);
    EXPECT_EQ(test::runCli("design " + file + " --sizes five").status, 2);
    EXPECT_EQ(test::runCli("design " + file + " --rho 1-120").status, 2);
    EXPECT_EQ(test::runCli("design " + file + " --rho 1-9").status, 2);
    EXPECT_EQ(test::runCli("design " + file + " --threads 0").status, 2);
    EXPECT_EQ(test::runCli("design " + path("missing.rcs")).status, 2);

    ProjectModel drawn;
    resetToNewProject(drawn);
    chooseArbitrarySection(drawn);
    ASSERT_TRUE(writeProjectFile(path("drawn.rcs"), drawn));
    EXPECT_EQ(test::runCli("design " + path("drawn.rcs")).status, 2);
}

} // namespace
} // namespace pmsect
