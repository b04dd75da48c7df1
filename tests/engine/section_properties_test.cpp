// Bar table, material constants, polygon measuring, phi and the axial limits.
#include "engine/bar_table.h"
#include "engine/codes/aci318.h"
#include "engine/polygon_properties.h"
#include "project/design_code_choice.h"
#include "test_sections.h"

#include <gtest/gtest.h>

namespace pmsect {
namespace {

TEST(BarTable, LooksUpAreasAndDiametersAndRefusesMissingSizes) {
    EXPECT_FLOAT_EQ(Barea(5), 0.31f);
    EXPECT_FLOAT_EQ(Barea(14), 2.25f);
    EXPECT_FLOAT_EQ(Barea(12), 0.0f);
    EXPECT_EQ(unmatchedBarSizeMessage(12), "Unable to match Bar Size 12 in rountine Barea");
    EXPECT_FLOAT_EQ(barDiameter(18), 2.25f);
    EXPECT_FLOAT_EQ(barDiameter(2), -1.0f);
    // A bar number's diameter is its number in eighths of an inch up to #8.
    for (int n = 3; n <= 8; ++n) {
        EXPECT_FLOAT_EQ(barDiameter(static_cast<float>(n)), n / 8.0f);
    }
}

TEST(Materials, ConcreteModulusAndStressBlockFactorInEveryEdition) {
    for (const DesignCode code : kDesignCodes) {
        const DesignCodeRules& aci = aci318Rules(code);
        EXPECT_EQ(aci.concreteModulus(145, 3000), 3155924);
        EXPECT_EQ(aci.concreteModulus(145, 4000), 3644147);
        EXPECT_FLOAT_EQ(aci.stressBlock(4000).depthFactor, 0.85f);
        EXPECT_FLOAT_EQ(aci.stressBlock(5000).depthFactor, 0.80f);
        EXPECT_FLOAT_EQ(aci.stressBlock(8000).depthFactor, 0.65f);
        EXPECT_FLOAT_EQ(aci.stressBlock(10000).depthFactor, 0.65f);
        EXPECT_NEAR(aci.stressBlock(6500).depthFactor, 0.725f, 1e-6f);
    }
}

TEST(PolygonProperties, RectangleEitherOrientation) {
    const Point cw[] = {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}};
    const Point ccw[] = {{-6, -9}, {6, -9}, {6, 9}, {-6, 9}};
    for (const auto& poly : {std::span<const Point>(cw), std::span<const Point>(ccw)}) {
        const auto p = polygonProperties(poly, {});
        EXPECT_FLOAT_EQ(p.grossArea, 216);
        EXPECT_FLOAT_EQ(p.netArea, 216);
        EXPECT_NEAR(p.centroidX, 0, 1e-5);
        EXPECT_NEAR(p.centroidY, 0, 1e-5);
    }
    // A repeated closing point changes nothing.
    const Point closed[] = {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}, {-6, -9}};
    EXPECT_FLOAT_EQ(polygonProperties(closed, {}).grossArea, 216);
}

TEST(PolygonProperties, BarsInsideAreDeductedAndMoveTheCentroidAway) {
    const Point poly[] = {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}};
    const Bar bars[] = {{2, 5, 8}, {4, 5, 8}, {2, 7, 8}, {4, 7, 8}};
    const auto p = polygonProperties(poly, bars);
    EXPECT_FLOAT_EQ(p.grossArea, 216);
    EXPECT_NEAR(p.netArea, 212.84, 1e-4);
    // Hand calculation: first moments of the net area about the centre are -3.16 * (3, 6).
    EXPECT_NEAR(p.centroidX, -3.16 * 3 / 212.84, 1e-5);
    EXPECT_NEAR(p.centroidY, -3.16 * 6 / 212.84, 1e-5);
}

TEST(PolygonProperties, BarsOnTheExtremeLevelsAreNotDeducted) {
    const Point poly[] = {{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    const Bar onBottom[] = {{5, 0, 8}};
    const Bar onTop[] = {{5, 10, 8}};
    EXPECT_FLOAT_EQ(polygonProperties(poly, onBottom).netArea, 100);
    EXPECT_FLOAT_EQ(polygonProperties(poly, onTop).netArea, 100);
}

TEST(PolygonProperties, DegeneratePolygonHasNoAreaAndItsCornerAsCentroid) {
    const Point line[] = {{1, 2}, {3, 2}, {5, 2}};
    const auto p = polygonProperties(line, {});
    EXPECT_EQ(p.grossArea, 0);
    EXPECT_FLOAT_EQ(p.centroidX, 1);
    EXPECT_FLOAT_EQ(p.centroidY, 2);
}

TEST(PolygonProperties, LShapeAgreesWithCompositeAreas) {
    const Point poly[] = {{0, 0}, {0, 24}, {8, 24}, {8, 8}, {24, 8}, {24, 0}};
    const auto p = polygonProperties(poly, {});
    // Leg 8 x 24 at (4, 12) plus foot 16 x 8 at (16, 4).
    EXPECT_FLOAT_EQ(p.grossArea, 320);
    EXPECT_NEAR(p.centroidX, (192 * 4 + 128 * 16) / 320.0, 1e-4);
    EXPECT_NEAR(p.centroidY, (192 * 12 + 128 * 4) / 320.0, 1e-4);
}

TEST(StrengthReduction, PhiBetweenTheStrainLimitsAndTheCap) {
    ProjectModel m;
    applyConfinement(m, Confinement::Tied);
    EXPECT_NEAR(test::phiOf(m, 0.0035f), 0.775f, 1e-6);
    EXPECT_FLOAT_EQ(test::phiOf(m, 0.006f), 0.90f);
    EXPECT_FLOAT_EQ(test::phiOf(m, -0.001f), 0.65f);
    EXPECT_FLOAT_EQ(test::phiOf(m, 0.002f), 0.65f);
    EXPECT_NEAR(test::phiOf(m, 0.005f), 0.90f, 1e-6);
    applyConfinement(m, Confinement::Spiral);
    EXPECT_NEAR(test::phiOf(m, 0.0035f), 0.80f, 1e-6);

    const float phiPnMax = -286416; // lb
    EXPECT_NEAR(cappedStrengthReductionFactor(phiPnMax, 0.65f, -600), 0.47736f, 1e-6);
    EXPECT_NEAR(-600 * cappedStrengthReductionFactor(phiPnMax, 0.65f, -600), -286.416, 1e-3);
    EXPECT_FLOAT_EQ(cappedStrengthReductionFactor(phiPnMax, 0.65f, -300), 0.65f); // below the cap
    EXPECT_FLOAT_EQ(cappedStrengthReductionFactor(phiPnMax, 0.90f, 50), 0.90f);
}

TEST(StrengthReduction, AxialLimitsOfTheDefaultSection) {
    ProjectModel m = test::defaultRectangle();
    const AxialLimits limits = computeSectionSummary(m).limits;
    const double As = 20 * 0.31;
    EXPECT_NEAR(limits.steelArea, As, 1e-5);
    const double Po = -(2550 * (216 - As) + 60000 * As);
    EXPECT_NEAR(limits.Po, Po, 0.5); // single precision of a value near 1e6 lb
    EXPECT_NEAR(limits.phiPnMax, 0.52 * Po, 0.5);
    EXPECT_NEAR(limits.To, As * 60000, 0.5);
    EXPECT_NEAR(limits.phiTnMax, 0.9 * As * 60000, 0.5);
    EXPECT_NEAR(limits.curveLevel, -0.1 * 3000 * 216, 0.01);

    ProjectModel plain = test::emptyModel();
    test::setOutline(plain, {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}});
    const AxialLimits plainLimits = axialLimits(engineInputsOf(plain));
    EXPECT_EQ(plainLimits.To, 0);
    EXPECT_EQ(plainLimits.phiTnMax, 0);
}

} // namespace
} // namespace pmsect
