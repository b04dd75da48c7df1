// The surface's directions, its extents and reduced points.
#include "engine/curve_test_models.h"
#include "engine/interaction_curve.h"
#include "engine/interaction_surface.h"
#include "results/scene_3d.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace pmsect {
namespace {

struct AngleRecorder : ProgressSink {
    std::vector<float> angles;
    void report(ProgressQuantity quantity, float value) override {
        if (quantity == ProgressQuantity::Direction) {
            angles.push_back(value);
        }
    }
};

// Pure-bending row of the new-project curves: the levels are fixed, row 24 is Pn = 0.
constexpr int kPureBendingRow = 24;

TEST(InteractionSurface, SectionCountIsRoundedAndLimited) {
    EXPECT_EQ(surfaceSectionCount(8.5f), 8);
    EXPECT_EQ(surfaceSectionCount(9.5f), 10);
    EXPECT_EQ(surfaceSectionCount(8.4f), 8);
    EXPECT_EQ(surfaceSectionCount(40), 32);
    EXPECT_EQ(surfaceSectionCount(2), 4);
    EXPECT_EQ(surfaceSectionCount(-7), 4);
}

TEST(InteractionSurface, FourSectionsAreTheFourAxisDirections) {
    ProjectModel m = test::newProjectModel();
    const SectionResults section = computeSectionSummary(m);
    ASSERT_TRUE(section.pureBending);
    AngleRecorder r;
    CurveDepthMemo memo;
    const SurfaceData s = test::surfaceOf(m, section, 4, memo, &r);
    ASSERT_EQ(s.sections, 4);
    ASSERT_EQ(s.rowCount, 29);
    EXPECT_EQ(r.angles, (std::vector<float>{90, 180, 270, 360}));
    // Directions 90, 180, 270, 360 of bending: +Mnx, -Mny, -Mnx, +Mny of the summary.
    const int shownAt[] = {0, 3, 1, 2};
    for (int j = 1; j <= 4; ++j) {
        const double expected =
            std::fabs((*section.pureBending)[static_cast<std::size_t>(shownAt[j - 1])].Mn);
        EXPECT_NEAR(s.Mn(j, kPureBendingRow), expected, 0.01 * expected) << j;
    }
}

TEST(InteractionSurface, ThirtyTwoSectionsAreElevenAndAQuarterDegreesApart) {
    ProjectModel m = test::newProjectModel();
    const SectionResults section = computeSectionSummary(m);
    AngleRecorder r;
    CurveDepthMemo memo;
    const SurfaceData s = test::surfaceOf(m, section, 32, memo, &r);
    ASSERT_EQ(s.sections, 32);
    ASSERT_EQ(r.angles.size(), 32u);
    for (int j = 0; j < 32; ++j) {
        // 11.25 is exact in binary: the single-precision steps add up without rounding.
        EXPECT_EQ(r.angles[static_cast<std::size_t>(j)], 90 + 11.25f * j);
        EXPECT_EQ(s.bendingDirection[static_cast<std::size_t>(j + 1)], 90 + 11.25f * j);
    }
    // Extents: strictly the widest found values, and 0 always inside.
    float mnMax = 0, mnMin = 0, pnMax = 0, pnMin = 0;
    for (int j = 1; j <= s.sections; ++j) {
        for (int i = 1; i <= s.rowCount; ++i) {
            if (s.isFound(j, i)) {
                mnMax = std::max(mnMax, s.Mn(j, i));
                mnMin = std::min(mnMin, s.Mn(j, i));
                pnMax = std::max(pnMax, s.Pn(j, i));
                pnMin = std::min(pnMin, s.Pn(j, i));
            }
        }
    }
    EXPECT_EQ(s.extents.MnMax, mnMax);
    EXPECT_EQ(s.extents.MnMin, mnMin);
    EXPECT_EQ(s.extents.PnMax, pnMax);
    EXPECT_EQ(s.extents.PnMin, pnMin);
    EXPECT_LE(s.extents.MnMin, 0.0f);
    EXPECT_FLOAT_EQ(s.extents.PnMin, static_cast<float>(0.99 * section.limits.Po / 1000.0));

    // The reduced surface never rises above phi*Pn(max), and its top sits on it.
    const float cap = static_cast<float>(section.limits.phiPnMax / 1000.0);
    const MomentScale k = momentScaleFromExtents(s.extents);
    for (int j = 1; j <= s.sections; ++j) {
        for (int i = 1; i <= s.rowCount; ++i) {
            EXPECT_GE(reducedPoint(s, j, i, k.k, cap).Y, cap);
        }
        EXPECT_NEAR(reducedPoint(s, j, 1, k.k, cap).Y, cap, 1e-3);
    }
}

TEST(InteractionSurface, CountsEveryDirectionForEveryWholeCount) {
    ProjectModel m = test::newProjectModel();
    // Axial limits that every level lies beyond: each search is clamped without evaluating,
    // so only the counting of directions costs anything.
    SectionResults section = computeSectionSummary(m);
    section.limits.Po = 1000;
    section.limits.To = 1000;
    for (int n = 4; n <= 32; ++n) {
        CurveDepthMemo memo;
        EXPECT_EQ(test::surfaceOf(m, section, static_cast<float>(n), memo).sections, n);
    }
}

} // namespace
} // namespace pmsect
