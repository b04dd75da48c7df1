// The single-point window's picture of one evaluation.
#include "drawing_test_sections.h"
#include "engine/strain_compat.h"
#include "project/design_code_choice.h"
#include "project/engine_inputs_of.h"
#include "results/recording_canvas.h"
#include "results/section_drawing.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace pmsect {
namespace {

using test::addBar;
using test::rectangleModel;

constexpr double kTol = 1e-4;
constexpr double kPicture = 2160; // square: the 12 x 18 section then scales at 100 per inch

// The compression zone of the unturned 12 x 18 rectangle at c = 5, beta1 = 0.85.
EvaluationDetail topStripDetail() {
    EvaluationDetail d;
    d.clippedCount = 4;
    d.clipped[0] = {-6, 4.75f};
    d.clipped[1] = {6, 4.75f};
    d.clipped[2] = {6, 9};
    d.clipped[3] = {-6, 9};
    d.compressionResultant = {0, 6.875f};
    d.tensionResultant = {36, 54}; // none: three times the extents, far outside
    d.loadPoint = {0, 0.5f};
    d.theta = 0;
    return d;
}

TEST(SinglePointDrawing, ZoneIsDrawnClosedAtTheScaleOfTheWholeSection) {
    const ProjectModel m = rectangleModel(12, 18);
    RecordingCanvas c(kPicture, kPicture);
    drawSection(topStripDetail(), m, c);
    EXPECT_EQ(c.primitives().front().kind, PrimitiveKind::Clear);

    // Spans 12 x 18 about the reference point: s = 2160 / 21.6 = 100.
    // By hand: zone point 1 (-6, 4.75) -> (1080 - 600, 1080 - 475) = (480, 605).
    const auto start = c.ofKind(PrimitiveKind::Point, kLightMagenta);
    ASSERT_EQ(start.size(), 1u);
    EXPECT_NEAR(start[0].x1, 480, kTol);
    EXPECT_NEAR(start[0].y1, 605, kTol);
    const auto edges = c.ofKind(PrimitiveKind::Line, kLightMagenta);
    ASSERT_EQ(edges.size(), 4u);
    EXPECT_NEAR(edges[0].x2, 1680, kTol);
    EXPECT_NEAR(edges[1].y2, 180, kTol);
    EXPECT_NEAR(edges[3].x2, 480, kTol);
    EXPECT_NEAR(edges[3].y2, 605, kTol);

    const auto axes = c.ofKind(PrimitiveKind::Line, kLightBlue);
    ASSERT_EQ(axes.size(), 2u);
    EXPECT_EQ(axes[0].y1, kPicture / 2);
    EXPECT_EQ(axes[1].x1, kPicture / 2);
}

TEST(SinglePointDrawing, MarkersForResultantsInsideOnly) {
    const ProjectModel m = rectangleModel(12, 18);
    RecordingCanvas c(kPicture, kPicture);
    drawSection(topStripDetail(), m, c);
    // The tension resultant is far outside; the compression resultant and the load point are
    // drawn, each as two lines of half-length d = W / 25 and a circle of radius d / 2.
    const auto circles = c.ofKind(PrimitiveKind::Circle, kLightCyan);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_NEAR(circles[0].x1, 1080, kTol);
    EXPECT_NEAR(circles[0].y1, 1080 - 687.5, kTol);
    EXPECT_NEAR(circles[0].radius, 2160 / 50.0, kTol);
    EXPECT_NEAR(circles[1].y1, 1080 - 50, kTol);
    const auto lines = c.ofKind(PrimitiveKind::Line, kLightCyan);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_NEAR(lines[0].x2 - lines[0].x1, 2 * 86.4, kTol);
    EXPECT_NEAR(lines[1].y2 - lines[1].y1, 2 * 86.4, kTol);
}

TEST(SinglePointDrawing, MarkersFarOutsideAreSkipped) {
    const ProjectModel m = rectangleModel(12, 18);
    EvaluationDetail d = topStripDetail();
    d.compressionResultant = {10.8f, 0}; // 2 x 10.8 x 100 = 2160: on the edge, skipped
    d.loadPoint = {0, -1e30f};
    RecordingCanvas c(kPicture, kPicture);
    drawSection(d, m, c);
    EXPECT_EQ(c.count(PrimitiveKind::Circle, kLightCyan), 0u);
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightCyan), 0u);
}

TEST(SinglePointDrawing, BarsAreDrawnFromCopiesAndTheModelIsUnchanged) {
    ProjectModel m = rectangleModel(12, 18, 3, -2); // reference point (3, -2)
    addBar(m, 3 - 4, -2 + 6, 8);
    addBar(m, 3 + 4, -2 - 6, 8);
    const auto barsBefore = m.bars;
    const auto pointsBefore = m.points;
    EvaluationDetail d = topStripDetail();
    d.clippedCount = 0; // a turned strip would reach beyond the outline and change the scale
    d.theta = -0.7f;
    RecordingCanvas c(kPicture, kPicture);
    drawSection(d, m, c);
    for (int i = 0; i <= kMaxBars; ++i) {
        EXPECT_EQ(m.bars[i].x, barsBefore[i].x);
        EXPECT_EQ(m.bars[i].y, barsBefore[i].y);
        EXPECT_EQ(m.bars[i].size, barsBefore[i].size);
    }
    for (int i = 0; i <= kMaxPoints; ++i) {
        EXPECT_EQ(m.points[i].x, pointsBefore[i].x);
        EXPECT_EQ(m.points[i].y, pointsBefore[i].y);
    }
    // Bars are placed relative to the reference point at the picture centre, unturned.
    const auto bars = c.ofKind(PrimitiveKind::Circle, kLightMagenta);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_NEAR(bars[0].x1, 1080 - 400, kTol);
    EXPECT_NEAR(bars[0].y1, 1080 - 600, kTol);
    EXPECT_NEAR(bars[0].radius, 50, kTol);
}

TEST(SinglePointDrawing, TurnedEvaluationIsDrawnBackInTheSectionFrame) {
    // Neutral axis at 90 degrees: the compressed side is the section's -x side, so the zone of
    // depth 0.85 x 5 = 4.25 in covers x from -6 to -1.75 over the full height.
    ProjectModel m = rectangleModel(12, 18);
    m.beta1 = stressBlockDepthFactorOf(m);
    NeutralAxisState state;
    state.c = 5;
    EvaluationDetail d;
    solveNeutralAxis(engineInputsOf(m), 90, state, &d);
    ASSERT_GE(d.clippedCount, 3);

    RecordingCanvas c(kPicture, kPicture);
    drawSection(d, m, c);
    const auto edges = c.ofKind(PrimitiveKind::Line, kLightMagenta);
    ASSERT_GE(edges.size(), 3u);
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
    for (const DrawPrimitive& e : edges) {
        minX = std::min(minX, e.x2);
        maxX = std::max(maxX, e.x2);
        minY = std::min(minY, e.y2);
        maxY = std::max(maxY, e.y2);
    }
    // 3.1415 turns a little short of a quarter turn: allow a few hundredths of an inch.
    EXPECT_NEAR(minX, 1080 - 600, 5);
    EXPECT_NEAR(maxX, 1080 - 175, 5);
    EXPECT_NEAR(minY, 1080 - 900, 5);
    EXPECT_NEAR(maxY, 1080 + 900, 5);
    // Without bars the compression resultant is the zone centroid (-3.875, 0).
    const auto circles = c.ofKind(PrimitiveKind::Circle, kLightCyan);
    ASSERT_GE(circles.size(), 1u);
    EXPECT_NEAR(circles[0].x1, 1080 - 387.5, 1);
    EXPECT_NEAR(circles[0].y1, 1080, 1);
}

TEST(SinglePointDrawing, NothingToScaleByDrawsTheAxesOnly) {
    ProjectModel m = rectangleModel(12, 18);
    m.numPoints = 0;
    EvaluationDetail d; // no zone, resultants at the reference point
    RecordingCanvas c(400, 300);
    drawSection(d, m, c);
    ASSERT_EQ(c.primitives().size(), 3u);
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightBlue), 2u);

    d.clippedCount = -5; // a damaged count draws no zone either
    RecordingCanvas c2(400, 300);
    drawSection(d, m, c2);
    EXPECT_EQ(c2.primitives().size(), 3u);
}

TEST(SinglePointDrawing, ZoneWithoutOutlineStillFitsThePicture) {
    ProjectModel m = rectangleModel(12, 18);
    m.numPoints = 0;
    RecordingCanvas c(kPicture, kPicture);
    drawSection(topStripDetail(), m, c);
    // Spans from the zone alone: 12 wide, 2 x 9 = 18 high, so the same scale of 100.
    const auto start = c.ofKind(PrimitiveKind::Point, kLightMagenta);
    ASSERT_EQ(start.size(), 1u);
    EXPECT_NEAR(start[0].x1, 480, kTol);
}

} // namespace
} // namespace pmsect
