// The report window: rebuilt on activation, saved under a name it keeps, the calculation printed
// copy by copy through a page sink and saved as PDF, the header and the paper remembered, hidden
// by Exit.
#include "building/new_project.h"
#include "project/project_summary.h"
#include "recording_platform.h"
#include "results/recording_canvas.h"
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
    RecordingSink(double width, double height) : canvas(width, height, 9.3) {}
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
    SectionResults section;
    test::RecordingPlatform platform;
    ReportPresenter report{model, section, platform};
    std::filesystem::path dir;
};

TEST_F(ReportPresenterTest, CaptionsAndFont) {
    const ReportView& v = report.view();
    EXPECT_EQ(v.caption, "PMSECT Output");
    EXPECT_EQ(v.saveCaption, "Print&File");
    EXPECT_EQ(v.printCaption, "&Print");
    EXPECT_EQ(v.savePdfCaption, "Save PDF...");
    EXPECT_EQ(v.paper, PaperSize::Letter);
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
    EXPECT_NEAR(computeSectionSummary(model).limits.Po / 1000, po, 0.01);
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

TEST_F(ReportPresenterTest, EachCopyPrintsTheCalculationsPagesAndTheTextStaysAsItWas) {
    report.open();
    const std::string before = report.view().text;
    report.setToday([] { return std::string("2026-12-08"); });
    report.setTitle("Tower B");
    // Letter less its margins, in points.
    RecordingSink sink(504, 684);
    platform.printCopies = 2;
    const int pages = report.onPrint(sink);
    ASSERT_GT(pages, 2);
    EXPECT_EQ(pages % 2, 0);
    EXPECT_EQ(sink.begun, 1);
    EXPECT_EQ(sink.finished, 1);
    EXPECT_EQ(sink.pagesEnded, pages);
    const int perCopy = pages / 2;
    std::vector<std::string> numbers;
    for (const DrawPrimitive& t : sink.canvas.ofKind(PrimitiveKind::Text)) {
        if (t.text.rfind("Page ", 0) == 0) {
            numbers.push_back(t.text);
        }
    }
    ASSERT_EQ(numbers.size(), static_cast<std::size_t>(pages));
    EXPECT_EQ(numbers.front(), "Page 1 of " + std::to_string(perCopy));
    EXPECT_EQ(numbers[static_cast<std::size_t>(perCopy)], numbers.front()); // the second copy
    // Each page is headed by the title at its top left.
    std::size_t titled = 0;
    for (const DrawPrimitive& t : sink.canvas.ofKind(PrimitiveKind::Text)) {
        titled += t.y1 == 0 && t.x1 == 0 && t.text == "Tower B" ? 1 : 0;
    }
    EXPECT_EQ(titled, static_cast<std::size_t>(pages));
    // The text window and the saved file know nothing of the calculation's pages.
    report.activate();
    EXPECT_EQ(report.view().text, before);
    const std::string saved = (dir / "out.txt").string();
    platform.saveAnswers.push_back(saved);
    ASSERT_TRUE(report.onSaveFile());
    EXPECT_EQ(fileText(saved), before + "\r\n");
}

TEST_F(ReportPresenterTest, SavePdfWritesTheCalculationOnThePaperChosen) {
    report.open();
    report.setTitle("Tower B");
    report.setPaper(PaperSize::A4);
    std::optional<PaperSize> asked;
    std::string title;
    report.setPdfMaker([&](const Document& d, PaperSize paper) -> std::optional<std::string> {
        asked = paper;
        title = d.header.at(0).left;
        return std::string("%PDF-1.4 pages");
    });
    platform.saveAnswers.push_back((dir / "calc").string());
    EXPECT_TRUE(report.onSavePdf());
    EXPECT_EQ(platform.dialogRequests.back().filters,
              "PDF documents (*.pdf) | *.pdf | All files (*.*) | *.*");
    EXPECT_EQ(asked, PaperSize::A4);
    EXPECT_EQ(title, "Tower B");
    EXPECT_EQ(fileText((dir / "calc.pdf").string()), "%PDF-1.4 pages");

    // A writer that fails says so and leaves the file as it was.
    report.setPdfMaker([](const Document&, PaperSize) { return std::optional<std::string>(); });
    platform.saveAnswers.push_back((dir / "calc.pdf").string());
    platform.answers.push_back(true);
    EXPECT_FALSE(report.onSavePdf());
    EXPECT_EQ(platform.messages.back(),
              "The PDF could not be made: " + (dir / "calc.pdf").string());
    EXPECT_EQ(fileText((dir / "calc.pdf").string()), "%PDF-1.4 pages");
}

TEST_F(ReportPresenterTest, TitleAndEngineerAreRememberedInTheSettingsFile) {
    report.keepHeaderIn(dir.string());
    EXPECT_EQ(report.view().txtTitle, "");
    report.setTitle("Tower B");
    report.setEngineer("J. Engineer");
    ProjectModel other;
    ReportPresenter next(other, section, platform);
    next.keepHeaderIn(dir.string());
    EXPECT_EQ(next.view().txtTitle, "Tower B");
    EXPECT_EQ(next.view().txtEngineer, "J. Engineer");
    EXPECT_EQ(next.calculationHeader().title, "Tower B");
    EXPECT_EQ(next.view().paper, PaperSize::Letter);
    // The settings' other fields are untouched: a first write leaves them zero.
    std::string bytes = fileText((dir / "rcprefs.dat").string());
    EXPECT_EQ(bytes.substr(0, 49), std::string(49, '\0'));

    // A4 is remembered at its own offset, 1 there, and read back by the next window.
    next.setPaper(PaperSize::A4);
    bytes = fileText((dir / "rcprefs.dat").string());
    EXPECT_EQ(bytes.substr(kOffsetPaper, 2), std::string("\1\0", 2));
    EXPECT_EQ(bytes.substr(0, kOffsetPaper), std::string(kOffsetPaper, '\0'));
    ReportPresenter third(other, section, platform);
    third.keepHeaderIn(dir.string());
    EXPECT_EQ(third.view().paper, PaperSize::A4);
    EXPECT_EQ(third.view().txtEngineer, "J. Engineer");
}

TEST_F(ReportPresenterTest, ExitHides) {
    report.open();
    report.onExit();
    EXPECT_FALSE(report.view().visible);
}

} // namespace
} // namespace pmsect
