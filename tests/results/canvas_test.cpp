// The drawing surface: palette, current point and the refusal of non-finite coordinates.
#include "results/recording_canvas.h"
#include "results/svg_canvas.h"

#include <gtest/gtest.h>
#include <limits>

namespace pmsect {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(Palette, ColoursNamedByTheDrawings) {
    EXPECT_EQ(paletteRgb(0), (Rgb{0, 0, 0}));
    EXPECT_EQ(paletteRgb(9), (Rgb{0, 0, 255}));
    EXPECT_EQ(paletteRgb(10), (Rgb{0, 255, 0}));
    EXPECT_EQ(paletteRgb(11), (Rgb{0, 255, 255}));
    EXPECT_EQ(paletteRgb(12), (Rgb{255, 0, 0}));
    EXPECT_EQ(paletteRgb(13), (Rgb{255, 0, 255}));
    EXPECT_EQ(paletteRgb(14), (Rgb{255, 255, 0}));
    EXPECT_EQ(paletteRgb(15), (Rgb{255, 255, 255}));
    EXPECT_EQ(paletteRgb(6), (Rgb{128, 128, 0}));
    EXPECT_EQ(paletteRgb(16 + 9), paletteRgb(9));
}

TEST(RecordingCanvas, ContinuationLinesStartAtTheCurrentPoint) {
    RecordingCanvas c(100, 50);
    EXPECT_EQ(c.width(), 100);
    EXPECT_EQ(c.height(), 50);
    c.point(10, 20, 13);
    c.lineTo(30, 20, 13);
    c.lineTo(30, 40, 13);
    const auto lines = c.ofKind(PrimitiveKind::Line);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].continuation);
    EXPECT_EQ(lines[0].x1, 10);
    EXPECT_EQ(lines[0].y1, 20);
    EXPECT_EQ(lines[1].x1, 30);
    EXPECT_EQ(lines[1].y1, 20);
    EXPECT_EQ(lines[1].y2, 40);
    EXPECT_EQ(c.count(PrimitiveKind::Point, 13), 1u);
}

TEST(RecordingCanvas, ClearPutsTheCurrentPointAtTheOrigin) {
    RecordingCanvas c(100, 50);
    c.moveTo(70, 70);
    c.clear();
    c.lineTo(5, 5, 9);
    const auto lines = c.ofKind(PrimitiveKind::Line, 9);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x1, 0);
    EXPECT_EQ(lines[0].y1, 0);
    EXPECT_EQ(c.count(PrimitiveKind::Clear), 1u);
}

TEST(RecordingCanvas, NonFiniteCoordinatesDrawNothing) {
    RecordingCanvas c(100, 50);
    c.line(0, 0, kNaN, 1, 9);
    c.line(kInf, 0, 1, 1, 9);
    c.point(kNaN, kNaN, 9);
    c.circle(5, kInf, 3, 9);
    c.circle(5, 5, kNaN, 9);
    c.circle(5, 5, -1, 9);
    c.text(kNaN, 0, "x", 9);
    // A path through a bad point does not bridge the gap with a stray segment.
    c.moveTo(10, 10);
    c.lineTo(kNaN, 10, 9);
    c.lineTo(20, 10, 9);
    EXPECT_EQ(c.count(PrimitiveKind::Line), 0u);
    EXPECT_EQ(c.count(PrimitiveKind::Point), 0u);
    EXPECT_EQ(c.count(PrimitiveKind::Circle), 0u);
    EXPECT_EQ(c.count(PrimitiveKind::Text), 0u);
    // ...but carries on from there.
    c.lineTo(20, 30, 9);
    ASSERT_EQ(c.count(PrimitiveKind::Line), 1u);
    EXPECT_EQ(c.ofKind(PrimitiveKind::Line)[0].y1, 10);
}

TEST(SvgCanvas, WritesElementsInPaletteColours) {
    SvgCanvas c(200, 100);
    c.line(0, 50, 200, 50, 9);
    c.circle(100, 50, 12.5, 14);
    c.point(1, 2, 13);
    c.text(3, 4, "Pn < 0 & \"x\"", 11);
    const std::string doc = c.document();
    EXPECT_NE(doc.find("<svg"), std::string::npos);
    EXPECT_NE(doc.find("width=\"200\" height=\"100\""), std::string::npos);
    EXPECT_NE(doc.find("<line x1=\"0\" y1=\"50\" x2=\"200\" y2=\"50\" stroke=\"#0000ff\"/>"),
              std::string::npos);
    EXPECT_NE(doc.find("<circle cx=\"100\" cy=\"50\" r=\"12.5\" fill=\"none\" stroke=\"#ffff00\""),
              std::string::npos);
    EXPECT_NE(doc.find("Pn &lt; 0 &amp; &quot;x&quot;"), std::string::npos);
    EXPECT_NE(doc.find("#00ffff"), std::string::npos);
    EXPECT_NE(doc.find("#ff00ff"), std::string::npos);
}

TEST(SvgCanvas, PaleColoursStayVisibleOnWhite) {
    SvgCanvas white(10, 10, SvgBackground::White);
    white.line(0, 0, 1, 1, 14);
    white.line(0, 0, 1, 1, 11);
    const std::string doc = white.document();
    EXPECT_NE(doc.find("fill=\"#ffffff\""), std::string::npos); // the background
    EXPECT_EQ(doc.find("#ffff00"), std::string::npos);
    EXPECT_NE(doc.find("#808000"), std::string::npos);
    EXPECT_NE(doc.find("#008080"), std::string::npos);

    SvgCanvas black(10, 10, SvgBackground::Black);
    black.text(0, 0, "t", 0);
    EXPECT_NE(black.document().find("fill=\"#ffffff\" font-family"), std::string::npos);
}

TEST(SvgCanvas, ClearDropsEverythingAndNothingNonFiniteIsWritten) {
    SvgCanvas c(10, 10);
    c.line(0, 0, 5, 5, 9);
    c.clear();
    c.line(0, 0, kNaN, 5, 9);
    c.circle(kInf, 0, 1, 9);
    c.line(-0.0001, 1e20, 2.25, 3, 9);
    const std::string doc = c.document();
    EXPECT_EQ(doc.find("x2=\"5\""), std::string::npos);
    EXPECT_EQ(doc.find("nan"), std::string::npos);
    EXPECT_EQ(doc.find("inf"), std::string::npos);
    EXPECT_EQ(doc.find("<circle"), std::string::npos);
    EXPECT_NE(doc.find("x1=\"0\" y1=\"100000000000000000000\" x2=\"2.25\""), std::string::npos);
}

} // namespace
} // namespace pmsect
