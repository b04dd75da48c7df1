// The printed report: the header block on every page, the text and the pages that follow when it
// does not fit, and the figures after it.
#include "building/new_project.h"
#include "results/printed_page.h"
#include "results/recording_canvas.h"

#include <algorithm>
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

const PrintedHeader kHeader{"Tower B", "J. Engineer", "2026-12-08", "/p/tower.rcs"};

// Two figures that mark the box they are given.
PrintedFigures markingFigures() {
    PrintedFigures f;
    f.diagramCaption = "Pn-Mn interaction diagram at 90 deg";
    f.diagram = [](Canvas& c) { c.line(0, 0, c.width(), c.height(), kDarkYellow); };
    f.controlPoints = {"table head", "A row"};
    f.surface = [](Canvas& c) { c.line(0, c.height(), c.width(), 0, kLightGreen); };
    return f;
}

TEST(PrintedPage, LinesSplitAtCrLfKeepingTheMargin) {
    const auto lines = reportLines(std::string("a") + NL + "b" + NL);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "a");
    EXPECT_EQ(lines[1], "      b");
    EXPECT_EQ(lines[2], "      ");
}

TEST(PrintedPage, HeaderLines) {
    const auto lines = printedHeaderLines(kHeader);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Project:  Tower B");
    EXPECT_EQ(lines[1], "Engineer: J. Engineer");
    EXPECT_EQ(lines[2], "Date:     2026-12-08    File: /p/tower.rcs");
    EXPECT_EQ(printedHeaderLines({"", "", "d", ""})[2], "Date:     d    File: (not saved)");
}

TEST(PrintedPage, EveryPageStartsWithTheHeaderAndTextContinues) {
    // Page 1200 x 1500, 12-unit lines: the header takes 4 lines (48), so a page holds lines at
    // y = 48 .. 1488, 121 of them. 301 lines (a leading empty one and 300 numbered) take 121 +
    // 121 + 59; the section figure (a line's gap, 1.5 lines and 420) then fits under them on the
    // third page.
    const auto pages = layOutPrintedReport(numberedReport(300), kHeader, {}, 1200, 1500, 12);
    ASSERT_EQ(pages.size(), 3u);
    for (const PrintedPage& page : pages) {
        ASSERT_GE(page.lines.size(), 3u);
        EXPECT_EQ(page.lines[0].text, "Project:  Tower B");
        EXPECT_EQ(page.lines[2].y, 24);
    }
    EXPECT_EQ(pages[0].lines[3].y, 48);
    EXPECT_EQ(pages[0].lines.back().text, "      L120");
    EXPECT_EQ(pages[0].lines.back().y, 48 + 120 * 12);
    EXPECT_EQ(pages[1].lines[3].text, "      L121");
    EXPECT_EQ(pages[1].lines[3].y, 48);
    EXPECT_TRUE(pages[0].pictures.empty());
    ASSERT_EQ(pages[2].pictures.size(), 1u);
    EXPECT_EQ(pages[2].pictures[0].figure, PrintedFigure::Section);
    EXPECT_EQ(pages[2].lines[3 + 59].text, "Section");
    // A line's gap, the caption and its gap, then the box.
    EXPECT_EQ(pages[2].lines[3 + 59].y, 48 + 60 * 12);
    EXPECT_EQ(pages[2].pictures[0].box.top, 48 + (60 + 1.5) * 12);
    EXPECT_DOUBLE_EQ(pages[2].pictures[0].box.height, 0.28 * 1500);
}

TEST(PrintedPage, FiguresFollowTheTextInOrderWithTheTableUnderTheDiagram) {
    // A short text: the section and the diagram fit under it, the 3D view takes a new page.
    const auto pages =
        layOutPrintedReport(numberedReport(5), kHeader, markingFigures(), 1200, 1500, 12);
    ASSERT_EQ(pages.size(), 2u);
    ASSERT_EQ(pages[0].pictures.size(), 2u);
    EXPECT_EQ(pages[0].pictures[0].figure, PrintedFigure::Section);
    EXPECT_EQ(pages[0].pictures[1].figure, PrintedFigure::Diagram);
    const PictureBox diagram = pages[0].pictures[1].box;
    EXPECT_GT(diagram.top, pages[0].pictures[0].box.top + pages[0].pictures[0].box.height);
    EXPECT_EQ(diagram.width, 1200);
    // The table right under the diagram, its caption right above.
    const auto& lines = pages[0].lines;
    const auto at = [&](const std::string& text) {
        return std::find_if(lines.begin(), lines.end(),
                            [&](const PrintedLine& l) { return l.text == text; });
    };
    ASSERT_NE(at("table head"), lines.end());
    EXPECT_EQ(at("table head")->y, diagram.top + diagram.height);
    EXPECT_EQ(at("A row")->y, diagram.top + diagram.height + 12);
    EXPECT_EQ(at("Pn-Mn interaction diagram at 90 deg")->y, diagram.top - 18);
    ASSERT_EQ(pages[1].pictures.size(), 1u);
    EXPECT_EQ(pages[1].pictures[0].figure, PrintedFigure::Surface);
    EXPECT_EQ(pages[1].lines[3].text, "Failure surface");

    // Without the results' figures only the section follows the text.
    const auto plain = layOutPrintedReport(numberedReport(5), kHeader, {}, 1200, 1500, 12);
    ASSERT_EQ(plain.size(), 1u);
    ASSERT_EQ(plain[0].pictures.size(), 1u);
}

TEST(PrintedPage, NoEmptyPageAndAlwaysAnEnd) {
    // No usable line height: one page. A line taller than the page: one line a page, each page
    // still starting with the header.
    EXPECT_EQ(layOutPrintedReport(numberedReport(5), kHeader, {}, 1200, 1500, 0).size(), 1u);
    const auto tall = layOutPrintedReport(numberedReport(3), kHeader, {}, 1200, 1500, 2000);
    ASSERT_EQ(tall.size(), 5u); // the leading empty line, L1..L3 and the section
    EXPECT_EQ(tall[3].lines.back().text, "      L3");
    // Trailing blank lines are dropped: the section follows L2 directly.
    const auto trimmed =
        layOutPrintedReport(numberedReport(2) + NL + NL, kHeader, {}, 1200, 1500, 12);
    ASSERT_EQ(trimmed.size(), 1u);
    EXPECT_EQ(trimmed[0].lines[3 + 3].text, "Section");
}

TEST(PrintedPage, DrawsTheTextTheRuleAndEachFigureInItsBox) {
    ProjectModel m;
    resetToNewProject(m);
    RecordingCanvas canvas(1200, 1500, 12);
    const std::string report = std::string(NL) + "first" + NL + "last" + NL;
    std::vector<std::size_t> pageEnds;
    const PrintedFigures figures = markingFigures();
    const int pages = printReportCopy(m, report, kHeader, figures, canvas,
                                      [&] { pageEnds.push_back(canvas.primitives().size()); });
    ASSERT_EQ(pages, 2);
    ASSERT_EQ(pageEnds.size(), 2u);
    const auto texts = canvas.ofKind(PrimitiveKind::Text);
    EXPECT_EQ(texts[0].text, "Project:  Tower B");
    EXPECT_EQ(texts[3].text, "      first");
    EXPECT_EQ(texts[3].y1, 48 + 12);
    EXPECT_EQ(texts[3].colour, kBlack);
    // The rule under the header on both pages.
    EXPECT_EQ(canvas.count(PrimitiveKind::Line, kBlack), 2u);
    // The section outline (4 sides) and its 20 bars.
    EXPECT_EQ(canvas.count(PrimitiveKind::Line, kLightMagenta), 4u);
    EXPECT_EQ(canvas.count(PrimitiveKind::Circle, kLightMagenta), 20u);
    // Each figure drawn once, inside its box, not clearing the page.
    const auto diagonal = canvas.ofKind(PrimitiveKind::Line, kDarkYellow);
    ASSERT_EQ(diagonal.size(), 1u);
    const auto layout = layOutPrintedReport(report, kHeader, figures, 1200, 1500, 12);
    const PictureBox box = layout[0].pictures[1].box;
    EXPECT_EQ(diagonal[0].x1, box.left);
    EXPECT_EQ(diagonal[0].y1, box.top);
    EXPECT_EQ(diagonal[0].y2, box.top + box.height);
    EXPECT_EQ(canvas.count(PrimitiveKind::Line, kLightGreen), 1u);
    EXPECT_EQ(canvas.count(PrimitiveKind::Clear), 0u);
}

} // namespace
} // namespace pmsect
