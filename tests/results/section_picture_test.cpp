// The main window's section picture, over the whole picture or in a box of it.
#include "drawing_test_sections.h"
#include "results/recording_canvas.h"
#include "results/section_drawing.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace pmsect {
namespace {

using test::addBar;
using test::addLoadPoint;
using test::rectangleModel;

constexpr double kTol = 1e-6;

struct Bounds {
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
};

Bounds lineBounds(const RecordingCanvas& c, int colour) {
    Bounds b;
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Line, colour)) {
        b.minX = std::min({b.minX, p.x1, p.x2});
        b.maxX = std::max({b.maxX, p.x1, p.x2});
        b.minY = std::min({b.minY, p.y1, p.y2});
        b.maxY = std::max({b.maxY, p.y1, p.y2});
    }
    return b;
}

TEST(SectionPicture, DefaultRectangleInASquarePictureIsScaledByItsDepth) {
    ProjectModel m = rectangleModel(12, 18);
    SectionResults checks;
    RecordingCanvas c(2160, 2160);
    drawSectionPicture(m, checks, c);

    // s = H / (1.2 x 18) = 2160 / 21.6 = 100 picture units per inch.
    const auto map = sectionPictureMapping(m, PictureBox{0, 0, 2160, 2160});
    ASSERT_TRUE(map);
    EXPECT_NEAR(map->scale, 100.0, kTol);

    const Bounds outline = lineBounds(c, kLightMagenta);
    EXPECT_NEAR((outline.maxX - outline.minX) / c.width(), 12.0 / 21.6, kTol);
    EXPECT_NEAR(outline.maxY - outline.minY, 1800.0, kTol);
    // By hand: corner (6, 9) -> (1080 + 6 x 100, 1080 - 9 x 100) = (1680, 180).
    EXPECT_NEAR(outline.maxX, 1680.0, kTol);
    EXPECT_NEAR(outline.minY, 180.0, kTol);
    EXPECT_EQ(c.primitives().front().kind, PrimitiveKind::Clear);
}

TEST(SectionPicture, OutlineStartsAtTheLastPointAndClosesItself) {
    ProjectModel m = rectangleModel(12, 18);
    SectionResults checks;
    RecordingCanvas c(2160, 2160);
    drawSectionPicture(m, checks, c);
    const auto points = c.ofKind(PrimitiveKind::Point, kLightMagenta);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_NEAR(points[0].x1, 480.0, kTol); // point 4 = (-6, 9)
    EXPECT_NEAR(points[0].y1, 180.0, kTol);
    const auto lines = c.ofKind(PrimitiveKind::Line, kLightMagenta);
    ASSERT_EQ(lines.size(), 4u);
    for (const DrawPrimitive& l : lines) {
        EXPECT_TRUE(l.continuation);
    }
    // First edge: from point 4 to point 1 = (-6, -9) -> (480, 1980).
    EXPECT_NEAR(lines[0].x2, 480.0, kTol);
    EXPECT_NEAR(lines[0].y2, 1980.0, kTol);
    EXPECT_NEAR(lines[3].x2, points[0].x1, kTol);
    EXPECT_NEAR(lines[3].y2, points[0].y1, kTol);
}

TEST(SectionPicture, AxesAndCentroidalAxes) {
    ProjectModel m = rectangleModel(12, 18);
    SectionResults checks;
    RecordingCanvas c(2160, 2160);
    drawSectionPicture(m, checks, c);
    const auto axes = c.ofKind(PrimitiveKind::Line, kLightBlue);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_NEAR(axes[0].x1, 0, kTol);
    EXPECT_NEAR(axes[0].x2, 2160, kTol);
    EXPECT_NEAR(axes[0].y1, 1080, kTol);
    EXPECT_NEAR(axes[1].x1, 1080, kTol);
    EXPECT_NEAR(axes[1].y2, 2160, kTol);
    const auto centroidal = c.ofKind(PrimitiveKind::Line, kLightCyan);
    ASSERT_EQ(centroidal.size(), 2u);
    EXPECT_NEAR(centroidal[0].x1, 216, kTol);
    EXPECT_NEAR(centroidal[0].x2, 1944, kTol);
    EXPECT_NEAR(centroidal[1].y1, 216, kTol);
    EXPECT_NEAR(centroidal[1].y2, 1944, kTol);
}

TEST(SectionPicture, OffCentreSectionIsCentredWithItsAxesOffCentre) {
    // 12 x 18 with its box centred on (8, 10): corners from (2, 1) to (14, 19).
    ProjectModel m = rectangleModel(12, 18, 8, 10);
    SectionResults checks;
    m.refX = 9; // a reference point away from the box centre
    m.refY = 11;
    RecordingCanvas c(2160, 2160);
    drawSectionPicture(m, checks, c);
    const Bounds outline = lineBounds(c, kLightMagenta);
    EXPECT_NEAR(outline.minX, 480, kTol);
    EXPECT_NEAR(outline.maxX, 1680, kTol);
    EXPECT_NEAR(outline.minY, 180, kTol);
    EXPECT_NEAR(outline.maxY, 1980, kTol);
    // Global axes through the section origin: x0 = 1080 - 8 x 100, y0 = 1080 + 10 x 100.
    const auto axes = c.ofKind(PrimitiveKind::Line, kLightBlue);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_NEAR(axes[0].y1, 2080, kTol);
    EXPECT_NEAR(axes[1].x1, 280, kTol);
    // Centroidal axes through the reference point: (1080 + 100, 1080 - 100).
    const auto centroidal = c.ofKind(PrimitiveKind::Line, kLightCyan);
    ASSERT_EQ(centroidal.size(), 2u);
    EXPECT_NEAR(centroidal[0].y1, 980, kTol);
    EXPECT_NEAR(centroidal[1].x1, 1180, kTol);
}

TEST(SectionPicture, BarsAreCirclesOfTheirNominalRadius) {
    ProjectModel m = rectangleModel(12, 18);
    SectionResults checks;
    addBar(m, -4, 6, 8);
    addBar(m, 4, -6, 4);
    RecordingCanvas c(2160, 2160);
    drawSectionPicture(m, checks, c);
    const auto bars = c.ofKind(PrimitiveKind::Circle, kLightMagenta);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_NEAR(bars[0].x1, 680, kTol);
    EXPECT_NEAR(bars[0].y1, 480, kTol);
    EXPECT_NEAR(bars[0].radius, 50, kTol); // #8: 1 in diameter
    EXPECT_NEAR(bars[1].x1, 1480, kTol);
    EXPECT_NEAR(bars[1].y1, 1680, kTol);
    EXPECT_NEAR(bars[1].radius, 25, kTol);
}

TEST(SectionPicture, NoBarsDrawNoCircles) {
    ProjectModel m = rectangleModel(12, 18);
    SectionResults checks;
    m.bars[1] = {1, 1, 8}; // beyond the count: ignored
    RecordingCanvas c(2160, 2160);
    drawSectionPicture(m, checks, c);
    EXPECT_EQ(c.count(PrimitiveKind::Circle), 0u);
}

TEST(SectionPicture, LoadPointInsideGetsAMarkerAndOneOutsideNothing) {
    ProjectModel m = rectangleModel(12, 18);
    SectionResults checks;
    addLoadPoint(m, checks, 6, 90);      // just above the centre
    addLoadPoint(m, checks, 25, 0);      // 2500 units to the right: outside
    addLoadPoint(m, checks, 10000, 180); // pure bending
    RecordingCanvas c(2160, 2160);
    drawSectionPicture(m, checks, c);
    const auto circles = c.ofKind(PrimitiveKind::Circle, kYellow);
    ASSERT_EQ(circles.size(), 1u);
    // 90 deg with the program's 3.1415: cos is 4.6e-5, so x = 0.00028 in.
    EXPECT_NEAR(circles[0].x1, 1080.0, 0.05);
    EXPECT_NEAR(circles[0].y1, 480.0, 1e-3);
    EXPECT_EQ(circles[0].radius, 40);
    const auto lines = c.ofKind(PrimitiveKind::Line, kYellow);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(lines[0].y2 - lines[0].y1, 140.0, kTol);
    EXPECT_NEAR(lines[1].x2 - lines[1].x1, 140.0, kTol);
}

TEST(SectionPicture, LoadMarkerSizesFollowTheStyle) {
    ProjectModel m = rectangleModel(12, 18);
    SectionResults checks;
    addLoadPoint(m, checks, 0, 0);
    RecordingCanvas c(216, 216);
    drawSectionPicture(m, checks, c, SectionDrawingStyle{3, 5});
    const auto circles = c.ofKind(PrimitiveKind::Circle, kYellow);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].radius, 3);
    EXPECT_NEAR(c.ofKind(PrimitiveKind::Line, kYellow)[0].y2, 108 + 5, kTol);
}

TEST(SectionPicture, TwoPointOutlineStillDrawsItsLines) {
    ProjectModel m = rectangleModel(12, 18);
    SectionResults checks;
    m.numPoints = 2;
    RecordingCanvas c(2160, 2160);
    drawSectionPicture(m, checks, c);
    EXPECT_EQ(c.count(PrimitiveKind::Point, kLightMagenta), 1u);
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightMagenta), 2u);
}

TEST(SectionPicture, NothingToScaleByDrawsTheAxesOnly) {
    for (int variant = 0; variant < 3; ++variant) {
        ProjectModel m = rectangleModel(12, 18);
        SectionResults checks;
        addBar(m, 0, 0, 8);
        addLoadPoint(m, checks, 1, 0);
        if (variant == 0) {
            m.numPoints = 0;
        } else if (variant == 1) {
            m.extentX = 0;
            m.extentY = 0;
        } else {
            m.extentX = -12;
            m.extentY = std::nanf("");
        }
        RecordingCanvas c(400, 300);
        drawSectionPicture(m, checks, c);
        ASSERT_EQ(c.primitives().size(), 3u) << variant; // clear and the two axes
        const auto axes = c.ofKind(PrimitiveKind::Line, kLightBlue);
        ASSERT_EQ(axes.size(), 2u);
        EXPECT_EQ(axes[0].y1, 150);
        EXPECT_EQ(axes[1].x1, 200);
    }
}

TEST(SectionPicture, SectionWithoutDepthIsScaledByItsWidth) {
    ProjectModel m = rectangleModel(12, 0);
    SectionResults checks;
    RecordingCanvas c(2160, 2160);
    drawSectionPicture(m, checks, c);
    const auto map = sectionPictureMapping(m, PictureBox{0, 0, 2160, 2160});
    ASSERT_TRUE(map);
    EXPECT_NEAR(map->scale, 2160 / 14.4, kTol);
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightMagenta), 4u);
}

TEST(SectionInABox, DrawingFitsTheBoxWithoutClearingThePage) {
    ProjectModel m = rectangleModel(12, 18);
    SectionResults checks;
    RecordingCanvas page(3000, 6000);
    drawSectionInBox(m, checks, page, PictureBox{1500, 600, 1000, 2000});
    EXPECT_EQ(page.count(PrimitiveKind::Clear), 0u);
    // s = min(2000 / 21.6, 1000 / 14.4) = 69.44; box centre (2000, 1600).
    const Bounds outline = lineBounds(page, kLightMagenta);
    EXPECT_NEAR(outline.maxX, 2000 + 6 * 1000 / 14.4, 1e-6);
    EXPECT_NEAR(outline.minY, 1600 - 9 * 1000 / 14.4, 1e-6);
    const auto axes = page.ofKind(PrimitiveKind::Line, kLightBlue);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0].x1, 1500);
    EXPECT_EQ(axes[0].x2, 2500);
    EXPECT_EQ(axes[1].y1, 600);
    EXPECT_EQ(axes[1].y2, 2600);
    const auto centroidal = page.ofKind(PrimitiveKind::Line, kLightCyan);
    ASSERT_EQ(centroidal.size(), 2u);
    EXPECT_NEAR(centroidal[0].x1, 1600, kTol);
    EXPECT_NEAR(centroidal[0].x2, 2400, kTol);
}

} // namespace
} // namespace pmsect
