// The surface's directions, its extents and reduced points, and the 3D scene's moment scale,
// projection and fit.
#include "curve_test_models.h"
#include "results/interaction_curve.h"
#include "results/interaction_surface.h"
#include "results/scene_3d.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace pmsect {
namespace {

struct AngleRecorder : ProgressSink {
    std::vector<std::string> angles;
    void show(ProgressLine line, const std::string& text) override {
        if (line == ProgressLine::Angle) {
            angles.push_back(text);
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
    AngleRecorder r;
    SurfaceData s;
    CurveDepthMemo memo;
    computeSurface(m, 4, s, memo, &r);
    ASSERT_EQ(s.sections, 4);
    ASSERT_EQ(s.rowCount, 29);
    EXPECT_EQ(r.angles, (std::vector<std::string>{"Angle = 90.00", "Angle = 180.00",
                                                  "Angle = 270.00", "Angle = 360.00"}));
    // Directions 90, 180, 270, 360 of bending: +Mnx, -Mny, -Mnx, +Mny of the summary.
    const int shownAt[] = {0, 3, 1, 2};
    for (int j = 1; j <= 4; ++j) {
        const double expected =
            std::fabs(m.pureBending[static_cast<std::size_t>(shownAt[j - 1])].Mn);
        EXPECT_NEAR(s.Mn(j, kPureBendingRow), expected, 0.01 * expected) << j;
    }
}

TEST(InteractionSurface, ThirtyTwoSectionsAreElevenAndAQuarterDegreesApart) {
    ProjectModel m = test::newProjectModel();
    AngleRecorder r;
    SurfaceData s;
    CurveDepthMemo memo;
    computeSurface(m, 32, s, memo, &r);
    ASSERT_EQ(s.sections, 32);
    ASSERT_EQ(r.angles.size(), 32u);
    for (int j = 0; j < 32; ++j) {
        char expected[32];
        std::snprintf(expected, sizeof expected, "Angle = %.2f", 90 + 11.25 * j);
        EXPECT_EQ(r.angles[static_cast<std::size_t>(j)], expected);
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
    EXPECT_FLOAT_EQ(s.extents.PnMin, static_cast<float>(0.99 * m.Po / 1000.0));

    // The reduced surface never rises above phi*Pn(max), and its top sits on it.
    const float cap = static_cast<float>(m.phiPnMax / 1000.0);
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
    m.Po = 1000;
    m.To = 1000;
    for (int n = 4; n <= 32; ++n) {
        SurfaceData s;
        CurveDepthMemo memo;
        computeSurface(m, static_cast<float>(n), s, memo);
        EXPECT_EQ(s.sections, n);
    }
}

TEST(MomentScale, FromExtentsAndFromPoints) {
    SurfaceData s;
    s.sections = 2;
    s.rowCount = 2;
    s.pts[1][1] = {0.6f, -300, 100};
    s.pts[1][2] = {0.9f, -100, 50};  // every found Pn compressive: pMax stays 0
    s.pts[2][1] = {0.6f, -500, 400}; // not found: left out of the points' scale
    s.found[1][1] = s.found[1][2] = true;
    const MomentScale p = momentScaleFromPoints(s);
    EXPECT_EQ(p.mMax, 100);
    EXPECT_EQ(p.pMin, -300);
    EXPECT_EQ(p.pMax, 0);
    EXPECT_DOUBLE_EQ(p.k, 1.5 * 300 / 200);

    const MomentScale e = momentScaleFromExtents({200, 0, 0, -600});
    EXPECT_DOUBLE_EQ(e.k, 1.5 * 600 / 400);
    // No moment or no axial range: a neutral scale instead of a division by zero.
    EXPECT_EQ(momentScaleFromExtents({0, 0, 50, -600}).k, 1.0);
    EXPECT_EQ(momentScaleFromExtents({100, 0, 0, 0}).k, 1.0);
    EXPECT_EQ(momentScaleFromPoints(SurfaceData{}).k, 1.0);
}

TEST(Scene3D, ProjectionAtZeroAnglesIsTheXYPlane) {
    const ModelPoint p{3, -7, 11};
    const Projected q = projectPoint(p, 0, 0);
    EXPECT_DOUBLE_EQ(q.u, 3);
    EXPECT_DOUBLE_EQ(q.w, -7);
    // Turned a quarter horizontally the view looks along X: u = Z.
    const double quarter = 90 * 3.1415 / 180;
    EXPECT_NEAR(projectPoint(p, quarter, 0).u, 11, 1e-3);
    // Looking straight down (v = 90): w = -Z at h = 0.
    EXPECT_NEAR(projectPoint(p, 0, quarter).w, -11, 1e-3);
}

TEST(Scene3D, FitTakesTheSmallerScaleOverSurfaceAndAxes) {
    SurfaceData s;
    s.sections = 2;
    s.rowCount = 2;
    s.pts[1][1] = {1, -300, 0};
    s.pts[1][2] = {1, 100, 200};
    s.found[1][1] = s.found[1][2] = true;
    s.extents = {200, 0, 100, -300};
    const Scene3D scene(s, 0, 0, 600, 400, MomentScaleSource::Extents);
    // k = 1.5*400/(2*200) = 1.5. The moment axis spans u = -300..300, the Pn axis
    // w = 1.1*(-300)..1.1*100 = -330..110: candidates 400/(1.2*440) and 600/(1.2*600), the
    // smaller is 400/528, so that the taller extent fits.
    EXPECT_DOUBLE_EQ(scene.k(), 1.5);
    const double scale = 400.0 / 528.0;
    EXPECT_DOUBLE_EQ(scene.screenScale(), scale);
    const ScreenPoint top = scene.toScreen({0, -330, 0});
    const ScreenPoint right = scene.toScreen({300, 110, 0});
    EXPECT_NEAR(top.x, 300, 1e-9);
    EXPECT_NEAR(right.x, 300 + scale * 300, 1e-9);
    EXPECT_NEAR(top.y, 200 - scale * 220, 1e-9); // compression towards the top
    EXPECT_NEAR(right.y, 200 + scale * 220, 1e-9);
    // Within a margin of a twelfth of the height on either side.
    EXPECT_NEAR(top.y, 400.0 / 12, 1e-9);
}

TEST(Scene3D, EmptySurfaceHasAFiniteScale) {
    const SurfaceData s;
    for (auto source : {MomentScaleSource::Extents, MomentScaleSource::Points}) {
        const Scene3D scene(s, 45, 30, 600, 400, source);
        EXPECT_FALSE(scene.hasSurface());
        EXPECT_TRUE(std::isfinite(scene.screenScale()));
        EXPECT_GT(scene.screenScale(), 0);
        EXPECT_GT(scene.momentAxisHalf(), 0); // unit axes, so that they still show
        const ScreenPoint p = scene.toScreen({1, 1, 1});
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
}

} // namespace
} // namespace pmsect
