// The reset to a new project: defaults, outline, bars and summary.
#include "building/new_project.h"
#include "project/design_code_choice.h"

#include <gtest/gtest.h>

namespace pmsect {
namespace {

// A model changed in every group the reset covers.
ProjectModel changedModel() {
    ProjectModel m;
    m.fpc = 6000;
    m.unitWt = 110;
    m.Ec = 1;
    m.fy = 40000;
    m.Es = 30000000;
    m.beta1 = 0.7f;
    applyConfinement(m, Confinement::Spiral);
    m.sectionType = kArbitrary;
    m.rectB = 3;
    m.rectH = 4;
    m.circDiam = 30;
    m.numPoints = 3;
    m.grossArea = 1;
    m.refX = 2;
    m.refY = 3;
    m.barLayout = kPlacedBars;
    m.longBarSize = 8;
    m.tieBarSize = 4;
    m.clearCover = 3;
    m.clearSpacing = 2;
    m.totBars = 12;
    m.firstBarAngle = 45;
    m.numBarSets = 5;
    m.barSets[1] = {2, 9};
    m.barSetsAlongY = true;
    m.numBars = 3;
    m.loads.resize(7);
    m.projectFileName = "C:\\old.rcs";
    m.units.lengthFactor = 2.54f;
    m.units.lengthLabel = "cm";
    m.units.stressFactor = 0.00689476f;
    m.units.stressLabel = "MPa";
    return m;
}

TEST(NewProject, SetsTheDefaults) {
    ProjectModel m = changedModel();
    resetToNewProject(m);

    EXPECT_EQ(m.fpc, 3000);
    EXPECT_EQ(m.unitWt, 145);
    EXPECT_EQ(m.Ec, 3155924);
    EXPECT_EQ(m.fy, 60000);
    EXPECT_EQ(m.Es, 29000000);
    EXPECT_EQ(m.beta1, 0.85f);
    EXPECT_EQ(m.phiCompression, 0.65f);
    EXPECT_EQ(m.pnMaxFactor, 0.80f);
    EXPECT_EQ(m.phiTension, 0.90f);

    EXPECT_EQ(m.sectionType, kRectangular);
    EXPECT_EQ(m.rectB, 12);
    EXPECT_EQ(m.rectH, 18);
    EXPECT_EQ(m.circDiam, 16);
    ASSERT_EQ(m.numPoints, 4);
    EXPECT_EQ(m.points[1].x, -6);
    EXPECT_EQ(m.points[1].y, -9);
    EXPECT_EQ(m.points[3].x, 6);
    EXPECT_EQ(m.points[3].y, 9);
    EXPECT_EQ(m.grossArea, 216);
    EXPECT_EQ(m.refX, 0);
    EXPECT_EQ(m.refY, 0);
    EXPECT_EQ(m.extentX, 12);
    EXPECT_EQ(m.extentY, 18);

    EXPECT_EQ(m.barLayout, kBarSets);
    EXPECT_EQ(m.clearCover, 1.5f);
    EXPECT_EQ(m.clearSpacing, 1.0f);
    EXPECT_EQ(m.longBarSize, 5);
    EXPECT_EQ(m.tieBarSize, 3);
    EXPECT_EQ(m.totBars, 6);
    EXPECT_EQ(m.firstBarAngle, 0);
    ASSERT_EQ(m.numBarSets, 2);
    EXPECT_EQ(m.barSets[1].count, 10);
    EXPECT_EQ(m.barSets[1].size, 5);
    EXPECT_EQ(m.barSets[2].count, 10);
    EXPECT_EQ(m.barSets[2].size, 5);
    EXPECT_FALSE(m.barSetsAlongY);
    EXPECT_EQ(m.barSetWidth, 12);
    EXPECT_EQ(m.barSetHeight, 18);
    ASSERT_EQ(m.numBars, 20);
    EXPECT_NEAR(m.bars[1].x, -3.8125, 1e-5);
    EXPECT_NEAR(m.bars[1].y, 6.8125, 1e-5);
    EXPECT_NEAR(m.bars[20].x, 3.8125, 1e-5);
    EXPECT_NEAR(m.bars[20].y, -5.1875, 1e-5);

    EXPECT_EQ(m.loads.count(), 0);
    EXPECT_TRUE(m.projectFileName.empty());
}

TEST(NewProject, ComputesTheSummary) {
    ProjectModel m = changedModel();
    const SectionResults section = resetToNewProject(m);
    const AxialLimits& limits = section.limits;
    // 20 #5 bars of 0.31 in^2.
    EXPECT_NEAR(limits.steelArea, 6.2, 1e-4);
    // Po = -(0.85 f'c (Ag - As) + fy As) in lb, negative in compression.
    EXPECT_NEAR(limits.Po, -(0.85 * 3000 * (216 - 6.2) + 60000 * 6.2), 2.0);
    EXPECT_LT(limits.phiPnMax, 0);
    EXPECT_GT(limits.To, 0);
    EXPECT_TRUE(section.pureBending);
}

TEST(NewProject, KeepsTheDisplayUnits) {
    ProjectModel m = changedModel();
    resetToNewProject(m);
    EXPECT_EQ(m.units.lengthFactor, 2.54f);
    EXPECT_EQ(m.units.lengthLabel, "cm");
    EXPECT_EQ(m.units.stressFactor, 0.00689476f);
    EXPECT_EQ(m.units.stressLabel, "MPa");
}

} // namespace
} // namespace pmsect
