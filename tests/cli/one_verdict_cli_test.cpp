// The same project says the same verdict everywhere: the main window, the load table, the text
// and PDF reports and pmsect-cli summary and check name one governing load or combination, its
// ratio and how many fail, counting the factored loads and the combinations of the load cases
// together.
#include "engine/load_combinations.h"
#include "io/report_text.h"
#include "recording_platform.h"
#include "run_cli.h"
#include "ui/application.h"
#include "ui/calculation_report.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

namespace pmsect {
namespace {

const std::string kExample =
    std::string(PMSECT_TEST_DATA) + "/../../docs/examples/column-16x24-load-cases.project.json";

// The last line of a text, without its indent and a final full stop.
std::string lastLine(const std::string& text) {
    std::string line;
    std::istringstream in(text);
    for (std::string next; std::getline(in, next);) {
        if (!next.empty()) {
            line = next;
        }
    }
    line.erase(0, line.find_first_not_of(' '));
    if (!line.empty() && line.back() == '.') {
        line.pop_back();
    }
    return line;
}

// The example as it is, where its factored load governs, and with that load made small, where a
// combination governs.
TEST(OneVerdict, MainWindowLoadTableReportsAndCommandLineSayTheSame) {
    std::ifstream in(kExample);
    const std::string example{std::istreambuf_iterator<char>(in), {}};
    const std::string factored = R"("Pu": -600, "Mux": 250, "Muy": 40)";
    ASSERT_NE(example.find(factored), std::string::npos);
    std::string small = example;
    small.replace(small.find(factored), factored.size(), R"("Pu": -100, "Mux": 20, "Muy": 0)");
    const std::filesystem::path smallPath =
        std::filesystem::temp_directory_path() / "pmsect_one_verdict.project.json";
    std::ofstream(smallPath) << small;

    const struct {
        std::string path;
        const char* governing;
    } projects[] = {{kExample, "(load 1)"}, {smallPath.string(), "(combination "}};
    for (const auto& project : projects) {
        test::RecordingPlatform platform;
        Application app(platform);
        app.start();
        platform.openAnswers.push_back(project.path);
        app.mainWindow().openProject();
        platform.runTicks();
        ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
        ProjectModel& model = app.model();
        const std::size_t combinations = generateCombinations(model.loadCases).size();
        ASSERT_GT(combinations, 0u);
        ASSERT_EQ(model.loads.count(), 1);

        const std::string shown = lastLine(app.mainWindow().view().loadVerdict);
        // One factored load and every combination, the user's "Crane lift" among them.
        const std::string counted = std::to_string(1 + combinations) + " loads and combinations";
        EXPECT_NE(shown.find(counted), std::string::npos) << shown;
        EXPECT_NE(shown.find("; largest ratio "), std::string::npos) << shown;
        EXPECT_NE(shown.find(project.governing), std::string::npos) << shown;

        app.loads().activate();
        EXPECT_EQ(lastLine(app.loads().view().verdict), shown);
        EXPECT_EQ(verdictLine(checkedProjectLoads(model, app.data().section)), shown);
        EXPECT_EQ(lastLine(buildReport(model)), shown);
        EXPECT_EQ(lastLine(test::runCli("summary " + project.path).text), shown);
        EXPECT_EQ(lastLine(test::runCli("check " + project.path).text), shown);
        const auto json =
            nlohmann::json::parse(test::runCli("summary " + project.path + " --json").text);
        const std::string name = json["governing"]["name"];
        EXPECT_NE(shown.find(" " + name + ")"), std::string::npos) << name;
        EXPECT_EQ(json["failing"], shown.starts_with("All") ? 0 : 1) << shown;
    }
    std::filesystem::remove(smallPath);
}

} // namespace
} // namespace pmsect
