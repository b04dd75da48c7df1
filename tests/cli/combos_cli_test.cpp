// pmsect-cli combos and the combinations in check: the printed combinations, and each checked by
// name exactly as a load of the same values checked alone.
#include "cli_scratch.h"
#include "engine/load_check.h"
#include "engine/strength_reduction.h"
#include "io/project_formats.h"
#include "project/engine_inputs_of.h"
#include "run_cli.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace pmsect {
namespace {

using nlohmann::json;
using test::runCli;

using Scratch = test::CliScratch;

constexpr const char* kProject = R"({
  "rectB": 16, "rectH": 24, "longBarSize": 8,
  "barSets": [{"count": 4, "size": 8}, {"count": 2, "size": 8}, {"count": 4, "size": 8}],
  "loads": [{"Pu": -600, "Mux": 250, "Muy": 40}],
  "loadCases": [{"name": "Dead", "kind": "D", "P": -300, "Mx": 60, "My": 10},
                {"name": "Wind", "kind": "W", "P": -20, "Mx": 120, "My": 0, "MxBot": -100}],
  "combinationOptions": {"sustainedLiveFraction": 0.5}
})";

TEST(CombosCli, PrintsTheCombinationsAndChecksEachByName) {
    Scratch s;
    const std::string project = s.write("p.json", kProject);
    const auto printed = runCli("combos " + project + " --json");
    ASSERT_EQ(printed.status, 0);
    const json out = json::parse(printed.text);
    EXPECT_EQ(out["code"], "318-05");
    // 1.4D; 1.2D + 1.0W (both senses; no L); 0.9D + 1.0W (both senses).
    const std::vector<std::tuple<std::string, double, double>> expected = {
        {"1.4D", -420, 84},
        {"1.2D + 1.0W", -380, 192},
        {"1.2D - 1.0W", -340, -48},
        {"0.9D + 1.0W", -290, 174},
        {"0.9D - 1.0W", -250, -66}};
    ASSERT_EQ(out["combinations"].size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const json& c = out["combinations"][i];
        EXPECT_EQ(c["name"], std::get<0>(expected[i]));
        EXPECT_DOUBLE_EQ(c["Pu"].get<double>(), std::get<1>(expected[i]));
        EXPECT_DOUBLE_EQ(c["Mux"].get<double>(), std::get<2>(expected[i]));
    }
    EXPECT_DOUBLE_EQ(out["combinations"][3]["PuSustained"].get<double>(), -270);
    EXPECT_DOUBLE_EQ(out["combinations"][3]["MuxBot"].get<double>(), 0.9 * 60 - 100);
    EXPECT_DOUBLE_EQ(out["combinations"][3]["MuxBotSway"].get<double>(), -100);
    EXPECT_FALSE(out["combinations"][0].contains("MuxTop"));

    // check: the project's load, then each combination by name with the ratio it has alone.
    const auto checked = runCli("check " + project + " --json");
    const json rows = json::parse(checked.text);
    ASSERT_EQ(rows.size(), 1 + expected.size());
    EXPECT_EQ(checked.status, 1); // the project's own load fails
    ProjectModel model;
    ASSERT_TRUE(loadAnyProject(project, model));
    const EngineInputs inputs = engineInputsOf(model);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const json& row = rows[i + 1];
        EXPECT_EQ(row["name"], std::get<0>(expected[i]));
        const LoadInput load{static_cast<float>(std::get<1>(expected[i])),
                             static_cast<float>(std::get<2>(expected[i])),
                             static_cast<float>(i < 3 ? (i == 0 ? 14 : 12) : 9)};
        EXPECT_FLOAT_EQ(row["ratio"].get<float>(),
                        checkLoadCombination(inputs, axialLimits(inputs), load).result.ratio);
    }

    // A case file in place of the project's cases, and the combinations after a load file's loads.
    const std::string cases = s.write("c.csv", "case,kind,P,Mx,My\nSelf,D,-100,0,0\n");
    const std::string loads = s.write("l.csv", "id,Pu,Mux,Muy\nA,-10,1,1\n");
    const auto withFiles =
        runCli("check " + project + " --loads " + loads + " --cases " + cases + " --json");
    const json file = json::parse(withFiles.text);
    ASSERT_EQ(file["loads"].size(), 2u);
    EXPECT_EQ(file["loads"][0]["id"], "A");
    EXPECT_EQ(file["loads"][1]["id"], "1.4D");
    EXPECT_DOUBLE_EQ(file["loads"][1]["Pu_kip"].get<double>(), -140);
    EXPECT_NE(runCli("combos " + project + " --cases " + s.write("bad.csv", "case,P\n"), true)
                  .text.find("the header has no column kind"),
              std::string::npos);
}

} // namespace
} // namespace pmsect
