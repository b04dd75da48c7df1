// The printed report: the section box on the first page, the text below it, and the pages that
// follow when the text does not fit.
#include "building/new_project.h"
#include "results/printed_page.h"
#include "results/recording_canvas.h"

#include <gtest/gtest.h>

namespace pmsect {
namespace {

constexpr const char* NL = "\r\n      ";

// n numbered lines "L1".."Ln", each after a report line break, and the final break.
std::string numberedReport(int n) {
    std::string text;
    for (int i = 1; i <= n; ++i) {
        text += NL + ("L" + std::to_string(i));
    }
    return text + NL;
}

TEST(PrintedPage, LinesSplitAtCrLfKeepingTheMargin) {
    const auto lines = reportLines(std::string("a") + NL + "b" + NL);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "      b");
    EXPECT_EQ(lines[2], "      ");
}

TEST(PrintedPage, TextContinuesOnFurtherPages) {
    // Page 1200 x 1500: the section box spans y = 150 to 150 + 500, so the text starts at 650.
    // With 12-unit lines the first page holds y = 650 .. 1488 (70 lines), the others y = 0 ..
    // 1488 (125 lines); 301 lines (a leading empty one and 300 numbered) take 70 + 125 + 106.
    const auto pages = layOutPrintedReport(numberedReport(300), 1200, 1500, 12);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_TRUE(pages[0].withSection);
    EXPECT_FALSE(pages[1].withSection);
    ASSERT_EQ(pages[0].lines.size(), 70u);
    ASSERT_EQ(pages[1].lines.size(), 125u);
    ASSERT_EQ(pages[2].lines.size(), 106u);
    EXPECT_EQ(pages[0].lines[0].y, 650);
    EXPECT_EQ(pages[0].lines[69].y, 650 + 69 * 12);
    EXPECT_EQ(pages[0].lines[69].text, "      L69");
    EXPECT_EQ(pages[1].lines[0].y, 0);
    EXPECT_EQ(pages[1].lines[0].text, "      L70");
    EXPECT_EQ(pages[2].lines.back().text, "      L300");
}

TEST(PrintedPage, NoEmptyPageAndAlwaysAnEnd) {
    // 70 lines fill the first page exactly; the final break and two blank lines are dropped.
    const auto full = layOutPrintedReport(numberedReport(69) + NL + NL, 1200, 1500, 12);
    ASSERT_EQ(full.size(), 1u);
    EXPECT_EQ(full[0].lines.back().text, "      L69");
    // No usable line height: one page. A line taller than the page: one line a page.
    EXPECT_EQ(layOutPrintedReport(numberedReport(5), 1200, 1500, 0).size(), 1u);
    const auto tall = layOutPrintedReport(numberedReport(3), 1200, 1500, 2000);
    ASSERT_EQ(tall.size(), 5u); // the first page keeps only the drawing
    EXPECT_TRUE(tall[0].lines.empty());
    EXPECT_EQ(tall[4].lines[0].text, "      L3");
}

TEST(PrintedPage, SectionOnTheFirstPageAndTextBelowIt) {
    ProjectModel m;
    resetToNewProject(m);
    // A 1200 x 600 page: box from y = 60 to 260, so 28 lines fit below it and 50 on a page after.
    RecordingCanvas canvas(1200, 600, 12);
    const std::string text =
        std::string(NL) + NL + "first" + NL + std::string(40, 'x') + NL + "last" + NL;
    std::vector<std::size_t> pageEnds;
    const std::string report = text + std::string(NL) + numberedReport(40);
    const int pages =
        printReportCopy(m, report, canvas, [&] { pageEnds.push_back(canvas.primitives().size()); });
    ASSERT_EQ(pages, 2);
    ASSERT_EQ(pageEnds.size(), 2u);

    // The section in its box: scale min(200 / 21.6, 400 / 14.4) = 9.259, centre (800, 160).
    const auto outline = canvas.ofKind(PrimitiveKind::Line, kLightMagenta);
    ASSERT_EQ(outline.size(), 4u);
    const double s = 200 / 21.6;
    EXPECT_NEAR(outline[0].x1, 800 + 6 * s, 1e-9); // from the last point (6, -9)
    EXPECT_NEAR(outline[0].y1, 160 + 9 * s, 1e-9);
    EXPECT_NEAR(outline[0].x2, 800 - 6 * s, 1e-9); // to the first (-6, -9)
    EXPECT_EQ(canvas.count(PrimitiveKind::Circle, kLightMagenta), 20u);

    const auto texts = canvas.ofKind(PrimitiveKind::Text);
    // Non-blank lines: "first", the x line, "last" and L1..L40.
    ASSERT_EQ(texts.size(), 43u);
    EXPECT_EQ(texts[0].text, "      first");
    EXPECT_EQ(texts[0].y1, 260 + 2 * 12);
    EXPECT_EQ(texts[0].x1, 0);
    EXPECT_EQ(texts[0].colour, kBlack);
    // Line 28 of the text (index 27) is the last of page one: L21 (lines 0-6 come first).
    std::size_t onFirstPage = 0;
    for (std::size_t i = 0; i < pageEnds[0]; ++i) {
        onFirstPage += canvas.primitives()[i].kind == PrimitiveKind::Text ? 1 : 0;
    }
    EXPECT_EQ(onFirstPage, 3u + 21u);
    EXPECT_EQ(texts[23].text, "      L21");
    EXPECT_EQ(texts[24].text, "      L22");
    EXPECT_EQ(texts[24].y1, 0);
}

} // namespace
} // namespace pmsect
