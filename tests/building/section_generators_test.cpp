// Worked values of the section generators.
#include "building/section_generators.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace pmsect {
namespace {

TEST(SectionGenerators, DefaultRectangleRunsClockwiseFromLowerLeft) {
    ProjectModel m;
    m.refX = 5;
    m.refY = -5;
    m.sectionType = kRound;
    chooseRectangularSection(m, 12, 18);
    EXPECT_EQ(m.sectionType, kRectangular);
    EXPECT_EQ(m.rectB, 12);
    EXPECT_EQ(m.rectH, 18);
    ASSERT_EQ(m.numPoints, 4);
    EXPECT_EQ(m.points[1].x, -6);
    EXPECT_EQ(m.points[1].y, -9);
    EXPECT_EQ(m.points[2].x, -6);
    EXPECT_EQ(m.points[2].y, 9);
    EXPECT_EQ(m.points[3].x, 6);
    EXPECT_EQ(m.points[3].y, 9);
    EXPECT_EQ(m.points[4].x, 6);
    EXPECT_EQ(m.points[4].y, -9);
    EXPECT_EQ(m.grossArea, 216);
    EXPECT_EQ(m.extentX, 12);
    EXPECT_EQ(m.extentY, 18);
    EXPECT_EQ(m.midX, 0);
    EXPECT_EQ(m.midY, 0);
    EXPECT_EQ(m.refX, 0);
    EXPECT_EQ(m.refY, 0);
}

TEST(SectionGenerators, TypedDepthOfZeroKeepsADrawingScale) {
    ProjectModel m;
    chooseRectangularSection(m, 12, 18);
    m.refX = 1.5f; // a typed dimension leaves the reference point alone
    enterRectangleDimension(m, 12, 0, DimensionTyped::Depth);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(m.points[static_cast<std::size_t>(i)].y, 0);
    }
    EXPECT_EQ(m.grossArea, 0);
    EXPECT_EQ(m.extentY, 1);
    EXPECT_EQ(m.extentX, 12);
    EXPECT_EQ(m.rectH, 0);
    EXPECT_EQ(m.refX, 1.5f);
}

TEST(SectionGenerators, NegativeWidthMirrorsThePointsAndOnlyItsExtentBecomesOne) {
    ProjectModel m;
    enterRectangleDimension(m, -6, 18, DimensionTyped::Width);
    EXPECT_EQ(m.points[1].x, 3);
    EXPECT_EQ(m.points[1].y, -9);
    EXPECT_EQ(m.points[3].x, -3);
    EXPECT_EQ(m.points[3].y, 9);
    EXPECT_EQ(m.grossArea, -108);
    EXPECT_EQ(m.extentX, 1);
    EXPECT_EQ(m.extentY, 18);

    // The other box's negative value is taken over, but only the typed extent is guarded.
    enterRectangleDimension(m, 10, -4, DimensionTyped::Width);
    EXPECT_EQ(m.extentX, 10);
    EXPECT_EQ(m.extentY, -4);
    EXPECT_EQ(m.grossArea, -40);
}

TEST(SectionGenerators, RoundSectionIsAnInscribedPolygonWithinATenthPercentOfTheCircle) {
    ProjectModel m;
    m.numBars = 0;
    m.refX = 2;
    chooseRoundSection(m, 16);
    EXPECT_EQ(m.sectionType, kRound);
    EXPECT_EQ(m.circDiam, 16);
    EXPECT_EQ(m.refX, 0);
    EXPECT_EQ(m.refY, 0);
    EXPECT_EQ(m.extentX, 16);
    EXPECT_EQ(m.extentY, 16);
    ASSERT_EQ(m.numPoints, 96);
    EXPECT_EQ(m.points[1].x, 8);
    EXPECT_EQ(m.points[1].y, 0);
    // A quarter round lies on the y axis, so the outline is as symmetric as the circle.
    EXPECT_NEAR(m.points[25].x, 0, 1e-6);
    EXPECT_NEAR(m.points[25].y, 8, 1e-6);
    for (int i = 1; i <= 96; ++i) {
        const Point& p = m.points[static_cast<std::size_t>(i)];
        EXPECT_NEAR(std::hypot(p.x, p.y), 8, 1e-5) << "point " << i;
    }

    applyRoundPolygonArea(m);
    // Independent: the area of a regular 96-gon inscribed in a circle of radius 8, and the
    // circle's own pi D^2 / 4 = 201.06 in^2, which a hand check compares it with.
    const double polygonArea = 0.5 * 96 * 64 * std::sin(2 * std::numbers::pi / 96);
    const double circleArea = std::acos(-1.0) * 256 / 4;
    EXPECT_NEAR(m.grossArea, polygonArea, 1e-3);
    EXPECT_LT(std::fabs(m.grossArea - circleArea), 0.001 * circleArea);
    const float chosenArea = m.grossArea;

    // A typed diameter gives the same polygon and the same area: the one the engine integrates.
    const Point quarter = m.points[25];
    m.refX = 0.25f;
    enterDiameter(m, 16);
    EXPECT_EQ(m.grossArea, chosenArea);
    EXPECT_EQ(m.points[25].x, quarter.x);
    EXPECT_EQ(m.points[25].y, quarter.y);
    EXPECT_EQ(m.refX, 0.25f);
    EXPECT_EQ(m.sectionType, kRound);
}

TEST(SectionGenerators, TypedDiameterOfZeroOrLessKeepsADrawingScale) {
    ProjectModel m;
    enterDiameter(m, 0);
    EXPECT_EQ(m.extentX, 1);
    EXPECT_EQ(m.extentY, 1);
    EXPECT_EQ(m.grossArea, 0);
    enterDiameter(m, -2);
    EXPECT_EQ(m.extentX, 1);
    // The mirrored polygon of radius 1: its area stays positive.
    EXPECT_NEAR(m.grossArea, 0.5 * 96 * std::sin(2 * std::numbers::pi / 96), 1e-5);
    EXPECT_EQ(m.points[1].x, -1);
}

TEST(SectionGenerators, ArbitraryKeepsTheCirclePoints) {
    ProjectModel m;
    chooseRoundSection(m, 16);
    const auto before = m.points;
    chooseArbitrarySection(m);
    EXPECT_EQ(m.sectionType, kArbitrary);
    EXPECT_EQ(m.numPoints, 96);
    for (int i = 1; i <= 96; ++i) {
        EXPECT_EQ(m.points[static_cast<std::size_t>(i)].x, before[static_cast<std::size_t>(i)].x);
        EXPECT_EQ(m.points[static_cast<std::size_t>(i)].y, before[static_cast<std::size_t>(i)].y);
    }
}

TEST(SectionGenerators, EditedOutlineGetsBoxCentreAndCentroid) {
    // An L shape off the origin: a 6 x 2 foot and a 2 x 4 leg.
    ProjectModel m;
    m.numBars = 0;
    m.numPoints = 6;
    const Point shape[] = {{0, 0}, {6, 0}, {6, 2}, {2, 2}, {2, 6}, {0, 6}};
    for (int i = 0; i < 6; ++i) {
        m.points[static_cast<std::size_t>(i + 1)] = shape[i];
    }
    applyEditedOutline(m);
    EXPECT_EQ(m.extentX, 6);
    EXPECT_EQ(m.extentY, 6);
    EXPECT_EQ(m.midX, 3);
    EXPECT_EQ(m.midY, 3);
    EXPECT_NEAR(m.grossArea, 20, 1e-5);
    // Centroid by parts: (12*(3,1) + 8*(1,4)) / 20.
    EXPECT_NEAR(m.refX, 2.2, 1e-5);
    EXPECT_NEAR(m.refY, 2.2, 1e-5);
    EXPECT_EQ(m.points[5].x, 2); // the points do not move
    EXPECT_EQ(m.points[5].y, 6);
}

TEST(SectionGenerators, EditedOutlineTakesTheNetCentroidWithTheBars) {
    ProjectModel m;
    chooseRectangularSection(m, 12, 18);
    m.numBars = 1;
    m.bars[1] = {0, 4, 8}; // one #8 bar, 0.79 in^2, above the centre
    applyEditedOutline(m);
    EXPECT_EQ(m.grossArea, 216);
    EXPECT_NEAR(m.refX, 0, 1e-5);
    EXPECT_NEAR(m.refY, -0.79 * 4 / (216 - 0.79), 1e-4);
}

} // namespace
} // namespace pmsect
