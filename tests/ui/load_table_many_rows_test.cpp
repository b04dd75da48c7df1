// A load table of 10,000 rows as a user walks it: the import shows the summary at once and the
// ratios as the background checks them, then Sort by Ratio, Failing Only, an edit and the export.
// The ratios are compared with the engine's own check of the same loads on one thread.
#include "engine/load_batch.h"
#include "format/number_format.h"
#include "io/project_formats.h"
#include "project/engine_inputs_of.h"
#include "results_windows_fixture.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace pmsect::test {
namespace {

constexpr int kRows = 10'000;

// Every seventh load bends the default 12 x 18 section far past its strength (phi*Mnx is some
// 80 ft-k); the others lie well inside it.
std::string manyLoads() {
    std::string text = "id,Pu,Mux,Muy\n";
    for (int k = 1; k <= kRows; ++k) {
        const int mux = k % 7 == 0 ? 400 : k % 37;
        text += std::to_string(k) + "," + std::to_string(-(k % 150)) + "," + std::to_string(mux) +
                "," + std::to_string(k % 11) + "\n";
    }
    return text;
}

class LoadTableManyRows : public ResultsWindowsTest {
protected:
    // The 10,000 loads imported into the load table, their checks under way.
    void importManyLoads() {
        std::filesystem::create_directories(dir);
        const std::string file = (dir / "many.csv").string();
        std::ofstream(file, std::ios::binary) << manyLoads();
        loads.show();
        loads.activate();
        platform.openAnswers.push_back(file);
        loads.importLoads();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("pmsect_many_rows_" + std::to_string(::getpid()));
};

TEST_F(LoadTableManyRows, ImportCheckSortFilterEditAndExport) {
    importManyLoads();
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
    // The summary is there before the checks: the rows wait for theirs.
    ASSERT_EQ(loads.view().rows.size(), static_cast<std::size_t>(kRows));
    EXPECT_LT(app.data().section.limits.Po, 0.0f); // the squash load, compression negative
    EXPECT_TRUE(loads.view().checks.running());
    EXPECT_EQ(loads.cellText(kRows - 1, kRatio), kCheckRunningText);
    EXPECT_EQ(loads.view().verdict.rfind("Checking the loads: ", 0), 0u) << loads.view().verdict;

    platform.runTicks();
    EXPECT_FALSE(loads.view().checks.running());
    // Every 97th row against the engine's check of the same load on one thread.
    std::vector<LoadInput> sample;
    for (int k = 1; k <= kRows; k += 97) {
        const LoadRow& row = model.loads[static_cast<std::size_t>(k)];
        sample.push_back({row[kPu], row[kMux], row[kMuy]});
    }
    const std::vector<CheckedLoad> expected = checkLoads(engineInputsOf(model), sample, 1);
    for (std::size_t i = 0; i < sample.size(); ++i) {
        const auto k = 1 + 97 * i;
        ASSERT_TRUE(lastCheck(k)) << "load " << k;
        ASSERT_EQ(lastCheck(k)->ratio, expected[i].result.ratio) << "load " << k;
    }
    int failing = 0;
    for (int k = 1; k <= kRows; ++k) {
        const LoadResult r = lastCheck(k).value();
        failing += !r.capacityFound || r.ratio > 1.0f;
    }
    EXPECT_GE(failing, kRows / 7);
    EXPECT_EQ(
        loads.view().verdict.rfind(formatNumber(failing, "###,##0") + " of 10,000 loads fail", 0),
        0u)
        << loads.view().verdict;
    EXPECT_EQ(main.view().loadVerdict, loads.view().verdict); // the main window says the same

    loads.setSortedByRatio(true);
    for (int r = 1; r < kRows; r += 499) {
        const auto above = lastCheck(loads.view().shown[static_cast<std::size_t>(r - 1)] + 1);
        const auto below = lastCheck(loads.view().shown[static_cast<std::size_t>(r)] + 1);
        ASSERT_GE(above.value().ratio, below.value().ratio) << "shown row " << r;
    }
    const std::string first = loads.cellText(0, 0);
    EXPECT_NE(loads.view().verdict.find("(load " + first + ")"), std::string::npos);

    loads.setFailingOnly(true);
    ASSERT_EQ(loads.view().shown.size(), static_cast<std::size_t>(failing));
    for (int r = 0; r < failing; r += 101) {
        EXPECT_TRUE(loads.cellFails(r, kRatio) || loads.cellText(r, kRatio) == "not found") << r;
    }

    // The worst load made light: one fewer fails once it is checked again.
    for (const int field : {kPu, kMux, kMuy}) {
        ASSERT_TRUE(loads.editCell(0, field, "-1"));
    }
    ASSERT_TRUE(loads.update());
    platform.runTicks();
    EXPECT_EQ(loads.view().shown.size(), static_cast<std::size_t>(failing - 1));
    const auto edited = static_cast<std::size_t>(std::stoi(first));
    EXPECT_LT(lastCheck(edited).value().ratio, 0.1f);

    platform.saveAnswers.push_back((dir / "out.csv").string());
    loads.exportLoads();
    std::ifstream exported(dir / "out.csv");
    std::string line;
    std::size_t lines = 0;
    while (std::getline(exported, line)) {
        ++lines;
        if (line.rfind(first + ",", 0) == 0) {
            EXPECT_EQ(line.rfind(first + ",-1,-1,-1,", 0), 0u) << line;
        }
    }
    EXPECT_EQ(lines, static_cast<std::size_t>(kRows) + 1); // and the header
}

TEST_F(LoadTableManyRows, StoppedChecksLeaveTheRowsNotCheckedAndSaySo) {
    std::string rows;
    for (int k = 1; k <= 600; ++k) { // past the 500 the summary checks itself
        rows += "-" + std::to_string(k % 150) + "\t10\t1\n";
    }
    loads.show();
    loads.activate();
    ASSERT_TRUE(loads.paste(rows));
    ASSERT_TRUE(loads.update());
    ASSERT_TRUE(loads.view().checks.running());
    // Stopped before a row was handed over: none has a result, and none counts as passing.
    loads.stopChecks();
    platform.runTicks();
    EXPECT_FALSE(app.loadCheckProgress().running());
    EXPECT_EQ(loads.cellText(0, kRatio), kNotCheckedText);
    EXPECT_EQ(loads.cellText(0, kPhiPn), "");
    EXPECT_EQ(loads.view().verdict, "None of the 600 loads was checked.");
    EXPECT_EQ(main.view().loadVerdict, loads.view().verdict);
}

// Opening a project of 10,000 loads: the wait window is up only while the file is read, the
// summary shows at once, and the loads are checked in the background to the verdict they had.
TEST_F(LoadTableManyRows, OpeningAProjectOfManyLoadsChecksThemInTheBackground) {
    importManyLoads();
    platform.runTicks();
    const std::string verdict = main.view().loadVerdict;
    ASSERT_EQ(verdict.find(" of 10,000 loads fail"), verdict.find(' ')) << verdict;
    const std::string project = (dir / "many.project.json").string();
    ASSERT_TRUE(writeAnyProject(project, model));
    loads.done();

    main.newProject();
    platform.openAnswers.push_back(project);
    main.openProject();
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
    EXPECT_LT(app.data().section.limits.Po, 0.0f); // the summary is there
    EXPECT_TRUE(app.loadCheckProgress().running());
    EXPECT_FALSE(lastCheck(kRows));
    EXPECT_EQ(main.view().loadVerdict.rfind("Checking the loads: ", 0), 0u);
    platform.runTicks();
    EXPECT_TRUE(lastCheck(kRows));
    EXPECT_EQ(main.view().loadVerdict, verdict);
}

} // namespace
} // namespace pmsect::test
