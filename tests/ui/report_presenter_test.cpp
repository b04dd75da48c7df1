// The report window: rebuilt on activation, saved under a name it keeps, printed copy by copy
// through a page sink with its header and figures, the header remembered, hidden by Exit.
#include "building/new_project.h"
#include "recording_platform.h"
#include "results/recording_canvas.h"
#include "ui/report_figures.h"
#include "ui/report_presenter.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

namespace pmsect {
namespace {

// Counts what the presenter asks of the printer and keeps the drawing.
class RecordingSink : public ReportPageSink {
public:
    RecordingSink(double width, double height) : canvas(width, height, 12) {}
    bool begin() override {
        ++begun;
        return opens;
    }
    Canvas& page() override { return canvas; }
    void endPage() override { ++pagesEnded; }
    void finish() override { ++finished; }

    RecordingCanvas canvas;
    bool opens = true;
    int begun = 0;
    int pagesEnded = 0;
    int finished = 0;
};

// The report's lines with something on them, counted without the printing code.
std::size_t nonBlankLines(const std::string& text) {
    std::size_t count = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        auto end = text.find("\r\n", start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string line = text.substr(start, end - start);
        count += line.find_first_not_of(' ') != std::string::npos ? 1 : 0;
        start = end + 2;
    }
    return count;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReportPresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        resetToNewProject(model);
        dir = std::filesystem::temp_directory_path() /
              ("pmsect_report_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    ProjectModel model;
    test::RecordingPlatform platform;
    ReportPresenter report{model, platform};
    std::filesystem::path dir;
};

TEST_F(ReportPresenterTest, CaptionsAndFont) {
    const ReportView& v = report.view();
    EXPECT_EQ(v.caption, "PMSECT Output");
    EXPECT_EQ(v.saveCaption, "Print&File");
    EXPECT_EQ(v.printCaption, "&Print");
    EXPECT_EQ(v.exitCaption, "&Exit");
    EXPECT_EQ(v.fontName, "Lucida Console");
    EXPECT_FALSE(v.visible);
}

TEST_F(ReportPresenterTest, EveryActivationRebuildsFromTheModel) {
    report.open();
    EXPECT_TRUE(report.view().visible);
    // New project: f'c 3000 psi, eight blanks, fy 60000 psi.
    EXPECT_NE(report.view().text.find("f'c = 3,000 psi        fy  = 60,000 psi"),
              std::string::npos);

    model.fpc = 4000;
    EXPECT_EQ(report.view().text.find("4,000"), std::string::npos); // not yet active again
    report.activate();
    EXPECT_NE(report.view().text.find("f'c = 4,000 psi"), std::string::npos);
    // The rebuild recomputed the limits for the new strength: Po = -(3400 (216 - As) + 60000 As)
    // with As = 20 #5 bars of 0.31 in2 = 6.2 in2: -(713,320 + 372,000) lb = -1,085.32 k.
    EXPECT_EQ(model.numBars, 20);
    const double po = -(0.85 * 4000 * (216 - 6.2) + 60000 * 6.2) / 1000;
    EXPECT_NEAR(model.Po / 1000, po, 0.01);
    EXPECT_NE(report.view().text.find("Po = -1,085.32 k"), std::string::npos) << report.view().text;
}

TEST_F(ReportPresenterTest, SaveKeepsTheReportNameAcrossSaves) {
    report.open();
    const std::string chosen = (dir / "column").string();
    platform.saveAnswers.push_back(chosen);
    EXPECT_TRUE(report.onSaveFile());
    const std::string saved = chosen + ".txt";
    EXPECT_EQ(report.reportFileName(), saved);
    EXPECT_EQ(fileText(saved), report.view().text + "\r\n");
    EXPECT_TRUE(model.projectFileName.empty()); // the project keeps its own name

    // The second save starts from the first one's name; a Yes overwrites it.
    model.fy = 75000;
    report.activate();
    platform.saveAnswers.push_back(saved);
    platform.answers.push_back(true);
    EXPECT_TRUE(report.onSaveFile());
    ASSERT_EQ(platform.dialogRequests.size(), 2u);
    EXPECT_EQ(platform.dialogRequests[1].fileName, saved);
    EXPECT_EQ(platform.dialogRequests[1].selectedFilter, 2);
    EXPECT_NE(fileText(saved).find("fy  = 75,000 psi"), std::string::npos);
    EXPECT_TRUE(platform.messages.empty());

    // A No forgets the name, so the next dialog starts empty.
    platform.saveAnswers.push_back(saved);
    platform.answers.push_back(false);
    EXPECT_FALSE(report.onSaveFile());
    EXPECT_EQ(platform.messages, std::vector<std::string>{"No file saved"});
    EXPECT_TRUE(report.reportFileName().empty());
}

TEST_F(ReportPresenterTest, CancelledPrintDialogPrintsNothing) {
    report.open();
    RecordingSink sink(5000, 8000);
    platform.printCopies.reset();
    EXPECT_EQ(report.onPrint(sink), 0);
    EXPECT_EQ(sink.begun, 0);
    EXPECT_TRUE(sink.canvas.primitives().empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ReportPresenterTest, PrinterThatCannotOpenPrintsNothingAndSaysNothing) {
    report.open();
    RecordingSink sink(5000, 8000);
    sink.opens = false;
    platform.printCopies = 1;
    EXPECT_EQ(report.onPrint(sink), 0);
    EXPECT_EQ(sink.begun, 1);
    EXPECT_EQ(sink.finished, 0);
    EXPECT_TRUE(sink.canvas.primitives().empty());
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ReportPresenterTest, EachCopyPrintsTheHeaderTheSectionAndEveryLine) {
    report.open();
    report.setToday([] { return std::string("2026-12-08"); });
    report.setTitle("Tower B");
    // 12 units a line on a page 8000 high: the whole report and the section fit on one page.
    RecordingSink sink(5000, 8000);
    platform.printCopies = 2;
    EXPECT_EQ(report.onPrint(sink), 2);
    EXPECT_EQ(sink.begun, 1);
    EXPECT_EQ(sink.finished, 1);
    EXPECT_EQ(sink.pagesEnded, 2); // one page per copy, each one ended
    // The three header lines, the report's lines and the section's caption, on each copy.
    EXPECT_EQ(sink.canvas.count(PrimitiveKind::Text),
              2 * (3 + nonBlankLines(report.view().text) + 1));
    const auto texts = sink.canvas.ofKind(PrimitiveKind::Text);
    EXPECT_EQ(texts[0].text, "Project:  Tower B");
    EXPECT_EQ(texts[2].text, "Date:     2026-12-08    File: (not saved)");
    // Outline (4 sides) and the 20 bars in light magenta, once per copy.
    EXPECT_EQ(sink.canvas.count(PrimitiveKind::Line, kLightMagenta), 2u * 4u);
    EXPECT_EQ(sink.canvas.count(PrimitiveKind::Circle, kLightMagenta), 2u * 20u);
}

TEST_F(ReportPresenterTest, LongReportEndsEveryPageOfEveryCopy) {
    report.open();
    // A page 600 high holds 46 lines under the header: the report needs more pages.
    RecordingSink sink(1200, 600);
    platform.printCopies = 3;
    const int pages = report.onPrint(sink);
    ASSERT_GT(pages, 3);
    EXPECT_EQ(pages % 3, 0);
    EXPECT_EQ(sink.pagesEnded, pages);
    // The section once per copy, after the text.
    EXPECT_EQ(sink.canvas.count(PrimitiveKind::Line, kLightMagenta), 3u * 4u);
}

TEST_F(ReportPresenterTest, TheFiguresFollowTheTextAndTheSavedReportStaysAsItWas) {
    report.open();
    const std::string before = report.view().text;
    int made = 0;
    report.setFigureSource([&made] {
        ++made;
        PrintedFigures f;
        f.diagramCaption = "diagram";
        f.diagram = [](Canvas& c) { c.line(0, 0, 1, 1, kDarkYellow); };
        f.controlPoints = {"row"};
        f.surface = [](Canvas& c) { c.line(0, 0, 1, 1, kLightGreen); };
        return f;
    });
    RecordingSink sink(5000, 8000);
    platform.printCopies = 2;
    report.onPrint(sink);
    EXPECT_EQ(made, 1); // made once for all the copies
    EXPECT_EQ(sink.canvas.count(PrimitiveKind::Line, kDarkYellow), 2u);
    EXPECT_EQ(sink.canvas.count(PrimitiveKind::Line, kLightGreen), 2u);
    // The text window and the saved file know nothing of the header or the figures.
    EXPECT_EQ(report.view().text, before);
    const std::string saved = (dir / "out.txt").string();
    platform.saveAnswers.push_back(saved);
    ASSERT_TRUE(report.onSaveFile());
    EXPECT_EQ(fileText(saved).find("Project:"), std::string::npos);
}

TEST_F(ReportPresenterTest, TitleAndEngineerAreRememberedInTheSettingsFile) {
    report.keepHeaderIn(dir.string());
    EXPECT_EQ(report.view().txtTitle, "");
    report.setTitle("Tower B");
    report.setEngineer("J. Engineer");
    ProjectModel other;
    ReportPresenter next(other, platform);
    next.keepHeaderIn(dir.string());
    EXPECT_EQ(next.view().txtTitle, "Tower B");
    EXPECT_EQ(next.view().txtEngineer, "J. Engineer");
    EXPECT_EQ(next.printedHeader().title, "Tower B");
    // The settings' other fields are untouched: a first write leaves them zero.
    const std::string bytes = fileText((dir / "rcprefs.dat").string());
    EXPECT_EQ(bytes.substr(0, 49), std::string(49, '\0'));
}

TEST_F(ReportPresenterTest, ExitHides) {
    report.open();
    report.onExit();
    EXPECT_FALSE(report.view().visible);
}

TEST(ReportFigures, StaleResultsAreComputedOnACopyAndCurrentOnesAreUsed) {
    ProjectModel model;
    resetToNewProject(model);
    auto data = std::make_unique<ResultsData>();
    // Nothing computed yet: the curve at the window's angle and the surface are made afresh.
    const PrintedFigures fresh = reportFigures(model, *data, {30, 45, 30, 8});
    EXPECT_EQ(fresh.diagramCaption, "Pn-Mn interaction diagram at 30 deg, ACI 318-05");
    EXPECT_EQ(fresh.controlPoints.size(), 2u + kControlPointCount);
    RecordingCanvas diagram(600, 400);
    fresh.diagram(diagram);
    EXPECT_GT(diagram.count(PrimitiveKind::Line, kDarkYellow), 10u);
    RecordingCanvas surface(600, 400);
    fresh.surface(surface);
    EXPECT_GT(surface.count(PrimitiveKind::Line, kDarkYellow), 100u);

    // A current curve is printed as the window holds it, at its own angle.
    data->curvesStale = false;
    data->curve.count = 2;
    data->curve.pts[1] = {0.65f, -100, 0};
    data->curve.pts[2] = {0.65f, -50, 600};
    data->curve.found[1] = data->curve.found[2] = true;
    data->curveAngle = 90;
    const PrintedFigures held = reportFigures(model, *data, {30, 45, 30, 8});
    EXPECT_EQ(held.diagramCaption, "Pn-Mn interaction diagram at 90 deg, ACI 318-05");
    RecordingCanvas one(600, 400);
    held.diagram(one);
    // One nominal segment in the plot and the legend's sample.
    EXPECT_EQ(one.count(PrimitiveKind::Line, kDarkYellow), 2u);
}

} // namespace
} // namespace pmsect
