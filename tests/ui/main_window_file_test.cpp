// The File menu: New, Save As, Save and Open, with the title and the messages they give.
#include "format/number_format.h"
#include "io/project_formats.h"
#include "io/project_json.h"
#include "main_window_fixture.h"
#include "ui/summary_labels.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace pmsect::test {
namespace {

namespace fs = std::filesystem;

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class MainWindowFile : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        dir = fs::temp_directory_path() /
              ("pmsect_main_file_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string title(const std::string& name) {
        return "PMSECT: R.C. Section Axial & Flexural Strength Analysis - " + name;
    }

    fs::path dir;
};

// The fields a project file carries, compared one by one.
void expectSameProject(const ProjectModel& a, const ProjectModel& b) {
    EXPECT_EQ(a.fpc, b.fpc);
    EXPECT_EQ(a.unitWt, b.unitWt);
    EXPECT_EQ(a.fy, b.fy);
    EXPECT_EQ(a.Ec, b.Ec);
    EXPECT_EQ(a.sectionType, b.sectionType);
    EXPECT_EQ(a.barLayout, b.barLayout);
    EXPECT_EQ(a.rectB, b.rectB);
    EXPECT_EQ(a.rectH, b.rectH);
    EXPECT_EQ(a.circDiam, b.circDiam);
    EXPECT_EQ(a.clearCover, b.clearCover);
    EXPECT_EQ(a.clearSpacing, b.clearSpacing);
    EXPECT_EQ(a.phiCompression, b.phiCompression);
    EXPECT_EQ(a.totBars, b.totBars);
    EXPECT_EQ(a.firstBarAngle, b.firstBarAngle);
    EXPECT_EQ(a.longBarSize, b.longBarSize);
    EXPECT_EQ(a.tieBarSize, b.tieBarSize);
    EXPECT_EQ(a.grossArea, b.grossArea);
    ASSERT_EQ(a.numPoints, b.numPoints);
    for (int i = 1; i <= a.numPoints; ++i) {
        EXPECT_EQ(a.points[i].x, b.points[i].x);
        EXPECT_EQ(a.points[i].y, b.points[i].y);
    }
    ASSERT_EQ(a.numBars, b.numBars);
    for (int i = 1; i <= a.numBars; ++i) {
        EXPECT_EQ(a.bars[i].x, b.bars[i].x);
        EXPECT_EQ(a.bars[i].y, b.bars[i].y);
        EXPECT_EQ(a.bars[i].size, b.bars[i].size);
    }
    ASSERT_EQ(a.numBarSets, b.numBarSets);
    EXPECT_EQ(a.loads.count(), b.loads.count());
}

TEST_F(MainWindowFile, NewSaveAsOpenGivesTheSameModel) {
    type(MainInput::Fpc, "5000");
    main.newProject();
    EXPECT_EQ(view().title, title("Untitled"));
    EXPECT_EQ(box(MainInput::Fpc).text, "3000");
    EXPECT_EQ(model.fpc, 3000.0f);
    const ProjectModel saved = model;
    const float savedPo = app.data().section.limits.Po;

    const std::string name = (dir / "column").string();
    platform.saveAnswers.push_back("  " + name + "  ");
    main.saveProjectAs();
    const std::string file = name + ".rcs";
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(fs::exists(file));
    EXPECT_EQ(model.projectFileName, file);
    EXPECT_EQ(view().title, title(file));
    ASSERT_EQ(platform.dialogRequests.size(), 1u);
    EXPECT_EQ(
        platform.dialogRequests[0].filters,
        "All files (*.*) | *.* | Conc. files (*.rcs) | *.rcs | JSON projects (*.json) | *.json");
    EXPECT_EQ(platform.dialogRequests[0].selectedFilter, 2);

    // Change the project, then open the saved file again.
    main.onOption(MainOption::Circle);
    type(MainInput::Fpc, "6000");
    main.onOption(MainOption::Spiral);
    platform.openAnswers.push_back(file);
    main.openProject();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.dialogRequests.back().filters,
              "All Files (*.*)|*.* |Projects (*.rcs *.json)|*.rcs;*.json|Conc. Files (*.rcs)|*.rcs"
              "|JSON Projects (*.json)|*.json");
    EXPECT_EQ(platform.dialogRequests.back().selectedFilter, 2);
    expectSameProject(model, saved);
    EXPECT_EQ(app.data().section.limits.Po, savedPo);
    EXPECT_EQ(app.wait().view().lines[0], "Loading file " + file);
    EXPECT_EQ(view().title, title(file));
    EXPECT_EQ(box(MainInput::Fpc).text, "3000");
    EXPECT_EQ(view().barLayoutOption, kBarSets);
    EXPECT_FALSE(view().spiralSelected || view().spiralEnabled);
    EXPECT_FALSE(box(MainInput::BarCount).enabled);
    EXPECT_TRUE(app.summaryEnabled());
    EXPECT_EQ(app.pointer().busyCount(), 0);
}

TEST_F(MainWindowFile, JsonProjectsOpenAndANameEndingInJsonSavesJson) {
    // The example of the format: a 20 in round column, 8 #9 on a spiral, f'c 5000 psi.
    platform.openAnswers.push_back(PMSECT_TEST_DATA
                                   "/../../docs/examples/round-spiral.project.json");
    main.openProject();
    ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
    EXPECT_EQ(box(MainInput::Diameter).text, "20");
    EXPECT_TRUE(view().spiralSelected);
    // Save As a .json name (any letter case) writes JSON, and Save keeps to it; .rcs stays text.
    const std::string file = (dir / "column.JSON").string();
    platform.saveAnswers.push_back(file);
    main.saveProjectAs();
    type(MainInput::Fpc, "6000");
    main.saveProject();
    ProjectModel reread;
    ASSERT_TRUE(readJsonProject(readAll(file), file, reread));
    EXPECT_EQ(reread.fpc, 6000);
    EXPECT_EQ(reread.totBars, 8);
    platform.saveAnswers.push_back((dir / "column").string());
    main.saveProjectAs();
    EXPECT_FALSE(readJsonProject(readAll(dir / "column.rcs"), "column.rcs", reread));
}

// A typed diameter of 24 in: the gross area and Po shown are those of the outline the engine
// integrates, and the same after Save and Open. That outline's area lies within 0.1 % of
// pi * 24^2 / 4 = 452.39 in^2, and is that of a regular 96-gon inscribed in the circle.
TEST_F(MainWindowFile, ATypedDiameterShowsTheSameGrossAreaAfterSaveAndOpen) {
    main.onOption(MainOption::Round);
    type(MainInput::Diameter, "24");
    const double polygon = 0.5 * 96 * 144 * std::sin(2 * 3.14159 / 96);
    const double circle = std::acos(-1.0) * 24 * 24 / 4;
    EXPECT_NEAR(model.grossArea, polygon, 1e-3);
    EXPECT_LT(std::fabs(model.grossArea - circle), 0.001 * circle);
    const std::string area = view().summary.grossArea.text;
    const std::string po = view().summary.Po.text;
    EXPECT_EQ(area, "Gross Area = " + formatNumber(polygon, "##,##0.00") + " in^2");

    const std::string file = (dir / "round.rcs").string();
    platform.saveAnswers.push_back(file);
    main.saveProjectAs();
    type(MainInput::Diameter, "30");
    platform.openAnswers.push_back(file);
    main.openProject();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(view().summary.grossArea.text, area);
    EXPECT_EQ(view().summary.Po.text, po);
}

TEST_F(MainWindowFile, PeriodOnlyInTheFolderStillGetsTheExtension) {
    const fs::path folder = dir / "v1.2";
    fs::create_directories(folder);
    platform.saveAnswers.push_back((folder / "column").string());
    main.saveProjectAs();
    EXPECT_TRUE(fs::exists(folder / "column.rcs"));
    EXPECT_EQ(model.projectFileName, (folder / "column.rcs").string());
}

TEST_F(MainWindowFile, RefusedOverwriteKeepsTheFileAndForgetsTheName) {
    const std::string file = (dir / "old.rcs").string();
    { std::ofstream(file) << "keep me"; }
    const std::string titleBefore = view().title;
    platform.saveAnswers.push_back(file);
    platform.answers.push_back(false);
    main.saveProjectAs();
    EXPECT_EQ(platform.questions,
              std::vector<std::string>{"FILE EXISTS!|Do you wish to overwrite " + file + "?"});
    EXPECT_EQ(platform.messages, std::vector<std::string>{"No file saved"});
    EXPECT_EQ(readAll(file), "keep me");
    EXPECT_TRUE(model.projectFileName.empty());
    EXPECT_EQ(view().title, titleBefore);

    // Save now asks for a name again; this time the answer is Yes.
    platform.saveAnswers.push_back(file);
    platform.answers.push_back(true);
    main.saveProject();
    EXPECT_EQ(platform.dialogRequests.size(), 2u);
    EXPECT_EQ(platform.dialogRequests[1].fileName, ""); // the remembered name was dropped
    EXPECT_EQ(readAll(file).rfind("1,1\r\n4,20,2,0\r\n", 0), 0u);
    EXPECT_EQ(model.projectFileName, file);
}

TEST_F(MainWindowFile, CancelledSaveAsSavesNothing) {
    main.saveProjectAs();
    EXPECT_EQ(platform.messages, std::vector<std::string>{"No file saved"});
    EXPECT_TRUE(model.projectFileName.empty());
}

TEST_F(MainWindowFile, FailedSaveKeepsTheOldFile) {
    const std::string file = (dir / "p.rcs").string();
    platform.saveAnswers.push_back(file);
    main.saveProjectAs();
    const std::string good = readAll(file);
    // A project the writer refuses (a count outside its table) leaves the file as it was.
    model.numBarSets = kMaxBarSets + 1;
    main.saveProject();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind("The project could not be saved: ", 0), 0u);
    EXPECT_EQ(readAll(file), good);
    // Through Save As the same failure is "No file saved" and the project keeps its file.
    platform.saveAnswers.push_back((dir / "q").string());
    main.saveProjectAs();
    EXPECT_EQ(platform.messages.back(), "No file saved");
    EXPECT_FALSE(fs::exists(dir / "q.rcs"));
    EXPECT_EQ(model.projectFileName, file);
    EXPECT_EQ(view().title, title(file));
}

TEST_F(MainWindowFile, FailedOpenLeavesTheModelAsItWas) {
    type(MainInput::Fpc, "4500");
    const ProjectModel before = model;
    const float PoBefore = app.data().section.limits.Po;
    const std::string titleBefore = view().title;
    const std::string file = (dir / "broken.rcs").string();
    { std::ofstream(file) << "1,1\r\n4,20,2\r\n"; }
    platform.openAnswers.push_back(file);
    main.openProject();
    // The reason names the line at fault and why.
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Could not open " + file +
                                       ": Line 2 (record 2, table counts): 3 fields where 4 "
                                       "are expected"});
    expectSameProject(model, before);
    EXPECT_EQ(app.data().section.limits.Po, PoBefore);
    EXPECT_EQ(model.projectFileName, before.projectFileName);
    EXPECT_EQ(view().title, titleBefore);
    EXPECT_EQ(box(MainInput::Fpc).text, "4500");
    EXPECT_EQ(app.wait().view().caption, "Loading file " + file);
    EXPECT_FALSE(app.wait().view().shown);
    EXPECT_EQ(app.pointer().busyCount(), 0);
}

TEST_F(MainWindowFile, CancelledOpenLoadsNothing) {
    const ProjectModel before = model;
    const float PoBefore = app.data().section.limits.Po;
    main.openProject();
    EXPECT_TRUE(platform.messages.empty());
    expectSameProject(model, before);
    EXPECT_EQ(app.data().section.limits.Po, PoBefore);
}

// The results the desktop keeps for an opened project are those the project's reader computes
// on its own, and the main window shows them.
TEST_F(MainWindowFile, AnOpenedProjectShowsTheResultsItsReaderComputes) {
    for (const char* name : {"l_shape.rcs", "round_circle.rcs", "forty_loads.rcs"}) {
        SCOPED_TRACE(name);
        const std::string file = std::string(PMSECT_TEST_DATA) + "/golden/" + name;
        platform.openAnswers.push_back(file);
        main.openProject();
        ASSERT_TRUE(platform.messages.empty());
        ProjectModel read;
        SectionResults section;
        ASSERT_TRUE(loadAnyProject(file, read, LoadChecks::Now, &section));
        const AxialLimits& kept = app.data().section.limits;
        EXPECT_EQ(kept.Po, section.limits.Po);
        EXPECT_EQ(kept.phiPnMax, section.limits.phiPnMax);
        EXPECT_EQ(kept.To, section.limits.To);
        EXPECT_EQ(kept.phiTnMax, section.limits.phiTnMax);
        ASSERT_TRUE(app.data().section.pureBending && section.pureBending);
        for (std::size_t i = 0; i < 4; ++i) {
            EXPECT_EQ((*app.data().section.pureBending)[i].phiMn, (*section.pureBending)[i].phiMn);
        }
        EXPECT_EQ(view().summary.Po.text, summaryLabels(read, section).Po.text);
        EXPECT_EQ(view().summary.negPhiMny.text, summaryLabels(read, section).negPhiMny.text);
    }
}

} // namespace
} // namespace pmsect::test
