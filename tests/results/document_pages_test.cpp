// Page breaking of a document: tables that run over pages never split a row and repeat their
// heading, a heading stays with what follows it, a figure moves whole, nothing on a page lies
// over anything else, and every page carries the header and "Page N of M".
#include "results/document_pages.h"
#include "results/recording_canvas.h"

#include <cmath>
#include <gtest/gtest.h>

namespace pmsect {
namespace {

// Letter with 3/4 in margins in points, an 8 pt fixed-pitch font.
constexpr PageMetrics kLetter{504, 684, 9.3, 4.8};

Document tableDocument(int rows) {
    Document d;
    d.header = {{"Tower B", "PMSECT"}, {"Engineer: J. E.", "ACI 318-19"}};
    d.heading("4. LOAD CHECKS");
    DocumentTable t;
    t.heading = {"Load  Pu", "      (k)"};
    for (int i = 1; i <= rows; ++i) {
        t.rows.push_back("row " + std::to_string(i));
    }
    d.table(std::move(t));
    d.line("verdict");
    return d;
}

// The body's texts of a page: not the header's lines nor the page number.
std::vector<PlacedText> bodyTexts(const DocumentPage& page, const PageMetrics& m) {
    std::vector<PlacedText> out;
    for (const PlacedText& t : page.texts) {
        if (t.y > page.rules.front() && t.y + m.lineHeight <= page.rules.back() + 1e-9) {
            out.push_back(t);
        }
    }
    return out;
}

// Every text, rule and figure of the page lies apart from every other and within the page.
void expectNothingOverlaps(const DocumentPage& page, const PageMetrics& m) {
    struct Band {
        double top, bottom, left, right;
    };
    std::vector<Band> bands;
    for (const PlacedText& t : page.texts) {
        if (!t.text.empty()) {
            bands.push_back({t.y, t.y + m.lineHeight, t.x,
                             t.x + m.charWidth * static_cast<double>(t.text.size())});
        }
    }
    for (const PlacedFigure& f : page.figures) {
        bands.push_back({f.box.top, f.box.top + f.box.height, 0, m.width});
    }
    for (std::size_t i = 0; i < bands.size(); ++i) {
        EXPECT_GE(bands[i].top, -1e-9);
        EXPECT_LE(bands[i].bottom, m.height + 1e-9);
        EXPECT_LE(bands[i].right, m.width + 1e-9);
        for (std::size_t j = i + 1; j < bands.size(); ++j) {
            const bool apart = bands[i].bottom <= bands[j].top + 1e-9 ||
                               bands[j].bottom <= bands[i].top + 1e-9 ||
                               bands[i].right <= bands[j].left || bands[j].right <= bands[i].left;
            EXPECT_TRUE(apart) << "item " << i << " over item " << j;
        }
        for (const double rule : page.rules) {
            EXPECT_FALSE(bands[i].top < rule - 1e-9 && bands[i].bottom > rule + 1e-9)
                << "item " << i << " over a rule";
        }
    }
}

TEST(DocumentPages, ALongTableBreaksBetweenRowsUnderItsHeadingAgain) {
    // Page heights from one that holds a few rows to Letter; row counts either side of a page.
    for (const double height : {120.0, 300.0, kLetter.height}) {
        for (const int rows : {1, 40, 69, 70, 1000}) {
            SCOPED_TRACE(std::to_string(rows) + " rows on pages " + std::to_string(height));
            PageMetrics m = kLetter;
            m.height = height;
            const Document d = tableDocument(rows);
            const auto pages = layOutDocument(d, m);
            int next = 1;
            for (std::size_t p = 0; p < pages.size(); ++p) {
                const DocumentPage& page = pages[p];
                expectNothingOverlaps(page, m);
                // The header's two lines, left and right, and the page number.
                EXPECT_EQ(page.texts[page.texts.size() - 5].text, "Tower B");
                EXPECT_EQ(page.texts.back().text, pageNumberText(p + 1, pages.size()));
                const auto body = bodyTexts(page, m);
                bool sawRow = false;
                for (std::size_t k = 0; k < body.size(); ++k) {
                    if (body[k].text.rfind("row ", 0) != 0) {
                        continue;
                    }
                    // The rows follow on in order, the first of each page under the heading.
                    EXPECT_EQ(body[k].text, "row " + std::to_string(next));
                    if (!sawRow) {
                        ASSERT_GE(k, 2u);
                        EXPECT_EQ(body[k - 2].text, "Load  Pu");
                        EXPECT_EQ(body[k - 1].text, "      (k)");
                    }
                    sawRow = true;
                    ++next;
                }
            }
            EXPECT_EQ(next, rows + 1); // every row once
            EXPECT_EQ(bodyTexts(pages.back(), m).back().text, "verdict");
        }
    }
    // 1000 rows at 9.3 pt under a two-line header: a page's body holds (684 - 5 lines of header
    // and footer) / 9.3 = 68 lines, 66 rows under the table's heading; the first page 64 after
    // the section heading and its gap: 64 + 14 x 66 = 988, so 16 pages.
    const auto letter = layOutDocument(tableDocument(1000), kLetter);
    EXPECT_EQ(letter.size(), 16u);
}

TEST(DocumentPages, AHeadingGoesOverWithWhatFollowsIt) {
    Document d;
    d.header = {{"T", "P"}};
    for (int i = 0; i < 64; ++i) {
        d.line("filler");
    }
    d.heading("3. STRENGTH");
    d.figure({"a figure", 0.4, {}});
    const auto pages = layOutDocument(d, kLetter);
    ASSERT_EQ(pages.size(), 2u);
    for (const PlacedText& t : pages[0].texts) {
        EXPECT_NE(t.text, "3. STRENGTH");
    }
    ASSERT_EQ(pages[1].figures.size(), 1u);
    const auto body = bodyTexts(pages[1], kLetter);
    EXPECT_EQ(body[0].text, "3. STRENGTH");
    EXPECT_EQ(body[1].text, "a figure");
    expectNothingOverlaps(pages[1], kLetter);
}

// A paragraph wraps at the page's width; a line only when it is wider, under its own indent and
// three spaces more. Either way every word is kept, in order.
TEST(DocumentPages, ParagraphsAndOverWideLinesWrapAtThePageWidthAndKeepEveryWord) {
    const auto width = static_cast<std::size_t>(kLetter.width / kLetter.charWidth); // 105
    std::string text;
    for (int i = 0; i < 300; ++i) {
        text += "word" + std::to_string(i) + " ";
    }
    const struct {
        bool paragraph;
        std::string text;
        std::size_t lines;  // on the pages
        std::string second; // how the second line starts
    } cases[] = {
        {true, text, 22, "word"},
        {false, "   " + text.substr(0, 150), 2, "      word"},
        {false, "  short line", 1, ""},
    };
    for (const auto& c : cases) {
        Document d;
        c.paragraph ? d.paragraph(c.text) : d.line(c.text);
        std::vector<std::string> placed;
        for (const DocumentPage& page : layOutDocument(d, kLetter)) {
            for (const PlacedText& t : bodyTexts(page, kLetter)) {
                EXPECT_LE(t.text.size(), width);
                placed.push_back(t.text);
            }
        }
        ASSERT_EQ(placed.size(), c.lines) << c.text.substr(0, 20);
        if (c.lines > 1) {
            EXPECT_EQ(placed[1].rfind(c.second, 0), 0u) << placed[1];
        } else {
            EXPECT_EQ(placed[0], c.text);
        }
        std::string joined;
        for (const std::string& line : placed) {
            joined += line.substr(line.find_first_not_of(' ')) + " ";
        }
        const std::string words = c.text.substr(c.text.find_first_not_of(' '));
        EXPECT_EQ(joined.substr(0, words.size()), words);
    }
}

TEST(DocumentPages, AFigureIsDrawnInsideItsBoxUnderItsTitle) {
    Document d;
    d.header = {{"T", "P"}};
    d.line("before");
    d.figure({"Section", 0.3, [](Canvas& c) {
                  c.line(0, 0, c.width(), c.height(), kLightMagenta);
                  c.text(0, 0, "in the figure", kBlack);
              }});
    const auto pages = layOutDocument(d, kLetter);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].figures.size(), 1u);
    const PlacedBox box = pages[0].figures[0].box;
    // The body: the page less the header's line and the rule's gaps (2 lines) and the footer's.
    EXPECT_NEAR(box.height, 0.3 * (kLetter.height - 4 * kLetter.lineHeight), 1e-9);
    RecordingCanvas page(kLetter.width, kLetter.height, kLetter.lineHeight);
    drawDocumentPage(d, pages[0], page);
    const auto lines = page.ofKind(PrimitiveKind::Line, kLightMagenta);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0].y1, box.top);
    EXPECT_DOUBLE_EQ(lines[0].y2, box.top + box.height);
    EXPECT_DOUBLE_EQ(lines[0].x2, box.width);
    // The title's line ends where the box starts.
    for (const DrawPrimitive& t : page.ofKind(PrimitiveKind::Text)) {
        if (t.text == "Section") {
            EXPECT_LE(t.y1 + kLetter.lineHeight, box.top + 1e-9);
        }
    }
    expectNothingOverlaps(pages[0], kLetter);
}

TEST(DocumentPages, MetricsThatAreNotUsableStillGiveOnePage) {
    for (const double bad : {0.0, -1.0, std::nan("")}) {
        PageMetrics m = kLetter;
        m.lineHeight = bad;
        const auto pages = layOutDocument(tableDocument(50), m);
        EXPECT_EQ(pages.size(), 1u);
    }
}

} // namespace
} // namespace pmsect
