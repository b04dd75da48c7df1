// Worked values of the bar layout generators, the order of the bars table, and the
// mended faults: the 100-bar capacity, rows where fewer than two bars fit, unknown bar sizes.
#include "building/bar_layout.h"
#include "building/section_generators.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace pmsect {
namespace {

constexpr double kTol = 1e-5;

// The default project's section and bar sets, without the summary.
ProjectModel defaultModel() {
    ProjectModel m;
    chooseRectangularSection(m, 12, 18);
    m.clearCover = 1.5f;
    m.clearSpacing = 1.0f;
    m.tieBarSize = 3;
    m.longBarSize = 5;
    m.numBarSets = 2;
    m.barSets[1] = {10, 5};
    m.barSets[2] = {10, 5};
    m.barLayout = kBarSets;
    m.barSetsAlongY = false;
    setBarSetOutline(m);
    return m;
}

const Bar& bar(const ProjectModel& m, int i) {
    return m.bars[static_cast<std::size_t>(i)];
}

void expectBar(const ProjectModel& m, int i, double x, double y, float size = 5) {
    SCOPED_TRACE("bar " + std::to_string(i));
    EXPECT_NEAR(bar(m, i).x, x, kTol);
    EXPECT_NEAR(bar(m, i).y, y, kTol);
    EXPECT_EQ(bar(m, i).size, size);
}

void expectAllFinite(const ProjectModel& m) {
    ASSERT_GE(m.numBars, 0);
    ASSERT_LE(m.numBars, kMaxBars);
    for (int i = 1; i <= m.numBars; ++i) {
        EXPECT_TRUE(std::isfinite(bar(m, i).x) && std::isfinite(bar(m, i).y)) << "bar " << i;
    }
}

TEST(BarLayout, DefaultProjectTwentyBarsInOrder) {
    ProjectModel m = defaultModel();
    EXPECT_EQ(m.barSetWidth, 12);
    EXPECT_EQ(m.barSetHeight, 18);
    const BarLayoutResult r = rebuildBars(m);
    EXPECT_TRUE(r.generated);
    EXPECT_EQ(r.requested, 20);
    EXPECT_EQ(r.placed, 20);
    EXPECT_FALSE(r.cutAtCapacity);
    EXPECT_FALSE(r.spacingTooSmall);
    EXPECT_FALSE(r.unknownBarSize);
    ASSERT_EQ(m.numBars, 20);

    const double full[] = {-3.8125, -2.2875, -0.7625, 0.7625, 2.2875, 3.8125};
    const double last[] = {-3.8125, -7.625 / 2 + 7.625 / 3, 7.625 / 2 - 7.625 / 3, 3.8125};
    EXPECT_NEAR(last[1], -1.2708, 1e-4);
    // Set 1: a full layer on the top face, then the last four bars one layer lower.
    for (int k = 0; k < 6; ++k) {
        expectBar(m, 1 + k, full[k], 6.8125);
    }
    for (int k = 0; k < 4; ++k) {
        expectBar(m, 7 + k, last[k], 5.1875);
    }
    // Set 2 mirrors it on the bottom face.
    for (int k = 0; k < 6; ++k) {
        expectBar(m, 11 + k, full[k], -6.8125);
    }
    for (int k = 0; k < 4; ++k) {
        expectBar(m, 17 + k, last[k], -5.1875);
    }
}

TEST(BarLayout, DefaultProjectGapsFromTheCoordinates) {
    // Cross-check the meaning of the formulas on the bars themselves: the outer bars touch the
    // inside faces of the ties, the rounded-up row leaves 0.9 in between bars (below the 1.0 in
    // asked for), and layers are one clear spacing apart.
    ProjectModel m = defaultModel();
    rebuildBars(m);
    const double db = 0.625;
    const double tieInsideX = 6 - 1.5 - 0.375;
    const double tieInsideY = 9 - 1.5 - 0.375;
    EXPECT_NEAR(bar(m, 6).x + db / 2, tieInsideX, kTol);
    EXPECT_NEAR(bar(m, 1).x - db / 2, -tieInsideX, kTol);
    EXPECT_NEAR(bar(m, 1).y + db / 2, tieInsideY, kTol);
    EXPECT_NEAR(bar(m, 11).y - db / 2, -tieInsideY, kTol);
    for (int i = 1; i < 6; ++i) {
        const double clearGap = bar(m, i + 1).x - bar(m, i).x - db;
        EXPECT_NEAR(clearGap, 0.9, 1e-5);
        EXPECT_LT(clearGap, m.clearSpacing);
    }
    for (int i = 7; i < 10; ++i) {
        EXPECT_GT(bar(m, i + 1).x - bar(m, i).x - db, m.clearSpacing); // the wider last layer
    }
    EXPECT_NEAR(bar(m, 1).y - bar(m, 7).y - db, m.clearSpacing, kTol);
    // No two bars overlap.
    for (int i = 1; i <= m.numBars; ++i) {
        for (int j = i + 1; j <= m.numBars; ++j) {
            EXPECT_GE(std::hypot(bar(m, i).x - bar(m, j).x, bar(m, i).y - bar(m, j).y), db);
        }
    }
}

TEST(BarLayout, RowsParallelToY) {
    ProjectModel m = defaultModel();
    m.barSetsAlongY = true;
    rebuildBars(m);
    // Along y: L = Hi = 14.25, p = round(13.625/1.625 + 1) = round(9.38) = 9; 10 bars give a
    // full layer of 9 on the right face and one bar on the axis one layer in.
    ASSERT_EQ(m.numBars, 20);
    const double step = (14.25 - 0.625) / 8;
    for (int k = 0; k < 9; ++k) {
        expectBar(m, 1 + k, 3.8125, -6.8125 + k * step);
    }
    expectBar(m, 10, 3.8125 - 1.625, 0);
    for (int k = 0; k < 9; ++k) {
        expectBar(m, 11 + k, -3.8125, -6.8125 + k * step);
    }
    expectBar(m, 20, -3.8125 + 1.625, 0);
}

TEST(BarLayout, ThreeSetsMiddleHalfwayBetweenInnermostRows) {
    ProjectModel m = defaultModel();
    m.numBarSets = 3;
    m.barSets[1] = {4, 5};  // one layer at the top, y = 6.8125
    m.barSets[2] = {2, 5};  // the middle set
    m.barSets[3] = {10, 5}; // two layers at the bottom, the inner one at y = -5.1875
    const BarLayoutResult r = rebuildBars(m);
    ASSERT_EQ(m.numBars, 16);
    EXPECT_EQ(r.requested, 16);
    // Order: set 1, set 3, set 2.
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(bar(m, i).y, 6.8125, kTol);
    }
    for (int i = 5; i <= 10; ++i) {
        EXPECT_NEAR(bar(m, i).y, -6.8125, kTol);
    }
    for (int i = 11; i <= 14; ++i) {
        EXPECT_NEAR(bar(m, i).y, -5.1875, kTol);
    }
    const double middle = (6.8125 + -5.1875) / 2; // 0.8125, not 0 (halfway between the faces)
    expectBar(m, 15, -3.8125, middle);
    expectBar(m, 16, 3.8125, middle);
}

TEST(BarLayout, FourSetsSpreadEvenlyAndUseTheirOwnSizes) {
    ProjectModel m = defaultModel();
    m.numBarSets = 4;
    m.barSets[1] = {2, 5};
    m.barSets[2] = {3, 8};
    m.barSets[3] = {2, 4};
    m.barSets[4] = {2, 5};
    rebuildBars(m);
    ASSERT_EQ(m.numBars, 9);
    // vT = 6.8125, vB = -6.8125, delta = 13.625 / 3.
    const double delta = 13.625 / 3;
    // Set 2 of #8 bars: its own span Wi - 1.0.
    expectBar(m, 5, -(8.25 - 1.0) / 2, 6.8125 - delta, 8);
    expectBar(m, 6, 0, 6.8125 - delta, 8);
    expectBar(m, 7, (8.25 - 1.0) / 2, 6.8125 - delta, 8);
    expectBar(m, 8, -(8.25 - 0.5) / 2, 6.8125 - 2 * delta, 4);
    expectBar(m, 9, (8.25 - 0.5) / 2, 6.8125 - 2 * delta, 4);
}

TEST(BarLayout, OneSetGoesToTheNegativeFace) {
    ProjectModel m = defaultModel();
    m.numBarSets = 1;
    m.barSets[1] = {3, 5};
    m.barSets[2] = {50, 18}; // rows beyond numBarSets do not count
    rebuildBars(m);
    ASSERT_EQ(m.numBars, 3);
    expectBar(m, 1, -3.8125, -6.8125);
    expectBar(m, 2, 0, -6.8125);
    expectBar(m, 3, 3.8125, -6.8125);

    m.barSetsAlongY = true; // the left face
    rebuildBars(m);
    ASSERT_EQ(m.numBars, 3);
    expectBar(m, 1, -3.8125, -6.8125);
    expectBar(m, 2, -3.8125, 0);
    expectBar(m, 3, -3.8125, 6.8125);
}

TEST(BarLayout, SingleBarsSitOnTheAxis) {
    ProjectModel m = defaultModel();
    m.barSets[1] = {1, 5};
    m.barSets[2] = {7, 5}; // a full layer of 6, then a last layer of 1
    rebuildBars(m);
    ASSERT_EQ(m.numBars, 8);
    expectBar(m, 1, 0, 6.8125);
    for (int k = 0; k < 6; ++k) {
        EXPECT_NEAR(bar(m, 2 + k).y, -6.8125, kTol);
    }
    expectBar(m, 8, 0, -5.1875);
}

TEST(BarLayout, FractionalCountsRoundHalvesToEven) {
    EXPECT_EQ(barCountFromValue(7.5), 8);
    EXPECT_EQ(barCountFromValue(6.5), 6);
    EXPECT_EQ(barCountFromValue(2.5), 2);

    ProjectModel m = defaultModel();
    m.barLayout = kCircular;
    m.totBars = barCountFromValue(7.5);
    rebuildBars(m);
    EXPECT_EQ(m.numBars, 8);
    m.totBars = barCountFromValue(6.5);
    rebuildBars(m);
    EXPECT_EQ(m.numBars, 6);

    // A bar set's count is a real too: 7.5 lays 8 bars, 6.5 lays 6.
    m = defaultModel();
    m.numBarSets = 1;
    m.barSets[1] = {7.5f, 5};
    rebuildBars(m);
    EXPECT_EQ(m.numBars, 8);
    m.barSets[1] = {6.5f, 5};
    rebuildBars(m);
    EXPECT_EQ(m.numBars, 6);
}

TEST(BarLayout, BarsPerRowRoundHalvesToEvenNotTruncated) {
    // Wi - db = 4.0625 = 2.5 pitches of 1.625: p = round(3.5) = 4, so four bars share one row.
    ProjectModel m = defaultModel();
    m.numBarSets = 1;
    m.barSetWidth = 8.4375f;
    m.barSets[1] = {4, 5};
    rebuildBars(m);
    ASSERT_EQ(m.numBars, 4);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(bar(m, i).y, -6.8125, kTol);
    }
    // Wi - db = 2.4375 = 1.5 pitches: p = round(2.5) = 2, so a third bar starts a new layer.
    m.barSetWidth = 6.8125f;
    m.barSets[1] = {3, 5};
    rebuildBars(m);
    ASSERT_EQ(m.numBars, 3);
    expectBar(m, 1, -1.21875, -6.8125);
    expectBar(m, 2, 1.21875, -6.8125);
    expectBar(m, 3, 0, -6.8125 + 1.625);
}

TEST(BarLayout, CircleOnTheDefaultRectangleStandsEvenly) {
    ProjectModel m = defaultModel();
    m.barLayout = kCircular;
    m.totBars = 6;
    m.firstBarAngle = 0;
    const BarLayoutResult r = rebuildBars(m);
    EXPECT_EQ(r.requested, 6);
    ASSERT_EQ(m.numBars, 6);
    const double R = 6 - 1.5 - 0.375 - 0.3125;
    EXPECT_DOUBLE_EQ(R, 3.8125);
    expectBar(m, 1, 3.8125, 0);
    // Six bars 60 degrees apart: each one the mirror image of another about both axes.
    expectBar(m, 2, R / 2, R * std::sqrt(3.0) / 2);
    expectBar(m, 4, -R, 0);
    for (int i = 1; i <= 6; ++i) {
        EXPECT_NEAR(std::hypot(bar(m, i).x, bar(m, i).y), R, kTol);
        EXPECT_EQ(bar(m, i).size, 5);
        const Bar& mirror = bar(m, (i == 1 ? 1 : 8 - i));
        EXPECT_NEAR(bar(m, i).x, mirror.x, 1e-6);
        EXPECT_NEAR(bar(m, i).y, -mirror.y, 1e-6);
    }
}

TEST(BarLayout, CircleFirstAngleAndOtherSections) {
    ProjectModel m = defaultModel();
    m.barLayout = kCircular;
    m.totBars = 4;
    m.firstBarAngle = 90;
    m.longBarSize = 8;
    rebuildBars(m);
    ASSERT_EQ(m.numBars, 4);
    const double R = 6 - 1.5 - 0.375 - 0.5;
    expectBar(m, 1, 0, R, 8);
    expectBar(m, 2, -R, 0, 8);
    expectBar(m, 3, 0, -R, 8);

    chooseRoundSection(m, 16);
    rebuildBars(m);
    EXPECT_NEAR(std::hypot(bar(m, 1).x, bar(m, 1).y), 8 - 1.5 - 0.375 - 0.5, kTol);

    // Arbitrary: the circle through the farthest outline point about the origin.
    chooseRectangularSection(m, 6, 8); // farthest corner at distance 5
    chooseArbitrarySection(m);
    rebuildBars(m);
    EXPECT_NEAR(std::hypot(bar(m, 1).x, bar(m, 1).y), 5 - 1.5 - 0.375 - 0.5, kTol);
}

TEST(BarLayout, CircleWithNoBars) {
    ProjectModel m = defaultModel();
    rebuildBars(m);
    m.barLayout = kCircular;
    m.totBars = 0;
    BarLayoutResult r = rebuildBars(m);
    EXPECT_EQ(m.numBars, 0);
    EXPECT_EQ(r.requested, 0);
    m.totBars = -3;
    r = rebuildBars(m);
    EXPECT_EQ(m.numBars, 0);
    EXPECT_FALSE(r.cutAtCapacity);
}

TEST(BarLayout, ArbitraryBarsAreLeftAlone) {
    ProjectModel m = defaultModel();
    rebuildBars(m);
    m.barLayout = kPlacedBars;
    m.barSets[1] = {3, 8};
    const BarLayoutResult r = rebuildBars(m);
    EXPECT_FALSE(r.generated);
    EXPECT_EQ(m.numBars, 20);
    expectBar(m, 1, -3.8125, 6.8125);
}

TEST(BarLayout, RoundSectionBarSetOutline) {
    ProjectModel m = defaultModel();
    chooseRoundSection(m, 16);
    setBarSetOutline(m);
    EXPECT_NEAR(m.barSetWidth, 0.7071 * 12.25 + 3.75, 1e-5);
    EXPECT_NEAR(m.barSetWidth, 12.412, 1e-3);
    EXPECT_EQ(m.barSetHeight, m.barSetWidth);
    rebuildBars(m);
    // The inner square's side is about 8.662 in: the outer bars touch its faces.
    const double inner = m.barSetWidth - 2 * (1.5 + 0.375);
    EXPECT_NEAR(inner, 8.662, 1e-3);
    EXPECT_NEAR(bar(m, 1).y + 0.3125, inner / 2, kTol);

    // An arbitrary section keeps what the bar-set editor set.
    chooseArbitrarySection(m);
    m.barSetWidth = 20;
    m.barSetHeight = 30;
    setBarSetOutline(m);
    EXPECT_EQ(m.barSetWidth, 20);
    EXPECT_EQ(m.barSetHeight, 30);
}

TEST(BarLayoutCapacity, SixSetsOfTwentyStopAtOneHundredInOrder) {
    ProjectModel m = defaultModel();
    chooseRectangularSection(m, 40, 60);
    setBarSetOutline(m);
    m.numBarSets = 6;
    for (int j = 1; j <= 6; ++j) {
        m.barSets[static_cast<std::size_t>(j)] = {20, 5};
    }
    const BarLayoutResult r = rebuildBars(m);
    EXPECT_EQ(r.requested, 120);
    EXPECT_EQ(r.placed, 100);
    EXPECT_TRUE(r.cutAtCapacity);
    EXPECT_EQ(m.numBars, 100);
    expectAllFinite(m);

    // The bars that fit lie where the full layout puts them. Every set of 20 #5 bars fits one
    // row (Wi = 36.25, p = round(35.625/1.625 + 1) = 23), so the face sets sit at
    // +-(Hi - db)/2 = +-27.8125 and the four middle sets are spaced 55.625/5 = 11.125 apart.
    // Order: set 1, set 6, then sets 2, 3, 4; set 5 does not fit.
    const double rowY[] = {27.8125, -27.8125, 16.6875, 5.5625, -5.5625};
    for (int set = 0; set < 5; ++set) {
        for (int k = 0; k < 20; ++k) {
            expectBar(m, 1 + 20 * set + k, -17.8125 + k * 35.625 / 19, rowY[set]);
        }
    }

    // Set 5 does not move the others: with a single bar it lays the same first 100.
    ProjectModel ref = m;
    ref.barSets[5] = {1, 5};
    const BarLayoutResult rr = rebuildBars(ref);
    EXPECT_EQ(rr.requested, 101);
    for (int i = 1; i <= 100; ++i) {
        EXPECT_EQ(bar(m, i).x, bar(ref, i).x) << i;
        EXPECT_EQ(bar(m, i).y, bar(ref, i).y) << i;
    }
}

TEST(BarLayoutCapacity, HugeCountsAreCutQuickly) {
    ProjectModel m = defaultModel();
    m.barSets[1] = {1e9f, 5};
    m.barSets[2] = {3e38f, 5};
    BarLayoutResult r = rebuildBars(m);
    EXPECT_EQ(r.placed, 100);
    EXPECT_TRUE(r.cutAtCapacity);
    EXPECT_GT(r.requested, 1000000000);
    expectAllFinite(m);
    // Set 1's layers step inwards from the top face.
    expectBar(m, 1, -3.8125, 6.8125);
    expectBar(m, 7, -3.8125, 6.8125 - 1.625);

    m.barLayout = kCircular;
    m.totBars = 150;
    r = rebuildBars(m);
    EXPECT_EQ(r.requested, 150);
    EXPECT_EQ(m.numBars, 100);
    EXPECT_TRUE(r.cutAtCapacity);
    const double t2 = 2 * std::numbers::pi / 150;
    expectBar(m, 2, 3.8125 * std::cos(t2), 3.8125 * std::sin(t2));
}

TEST(BarLayoutCapacity, FewerThanTwoBarsFitInARow) {
    // barSetWidth 3: Wi = -0.75, p = round(-1.375/1.625 + 1) = 0. Three bars would divide by
    // zero; they are laid one per layer on the axis, stepping inwards from the face.
    ProjectModel m = defaultModel();
    m.barSetWidth = 3;
    m.numBarSets = 2;
    m.barSets[1] = {3, 5};
    m.barSets[2] = {1, 5};
    BarLayoutResult r = rebuildBars(m);
    EXPECT_TRUE(r.spacingTooSmall);
    ASSERT_EQ(m.numBars, 4);
    expectBar(m, 1, 0, 6.8125);
    expectBar(m, 2, 0, 6.8125 - 1.625);
    expectBar(m, 3, 0, 6.8125 - 3.25);
    expectBar(m, 4, 0, -6.8125);

    // p = 1 (barSetWidth 4: Wi = 0.25) lays the same way by the rules themselves.
    m.barSetWidth = 4;
    ProjectModel same = m;
    r = rebuildBars(same);
    EXPECT_TRUE(r.spacingTooSmall);
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(bar(same, i).x, 0);
    }

    // A negative rectangle makes p negative; still nothing divides and nothing is lost.
    m.barSetWidth = -50;
    m.barSetHeight = -50;
    r = rebuildBars(m);
    EXPECT_EQ(m.numBars, 4);
    expectAllFinite(m);
}

TEST(BarLayoutCapacity, UnknownBarSizeGivesFiniteBars) {
    ProjectModel m = defaultModel();
    m.barSets[1] = {4, 12}; // diameter -1: with s = 1 the pitch db + s is 0
    BarLayoutResult r = rebuildBars(m);
    EXPECT_TRUE(r.unknownBarSize);
    ASSERT_EQ(m.numBars, 14);
    expectAllFinite(m);
    // All four in one row, end centres at +-(Wi + 1)/2 on v = (Hi + 1)/2 (diameter -1 as such).
    expectBar(m, 1, -(8.25 + 1) / 2, (14.25 + 1) / 2, 12);
    expectBar(m, 4, (8.25 + 1) / 2, (14.25 + 1) / 2, 12);

    m.clearSpacing = 0.5f; // pitch -0.5
    r = rebuildBars(m);
    expectAllFinite(m);
    m.clearSpacing = 2.5f;
    r = rebuildBars(m);
    expectAllFinite(m);

    m.tieBarSize = 2;
    r = rebuildBars(m);
    EXPECT_TRUE(r.unknownBarSize);
    expectAllFinite(m);

    m.barLayout = kCircular;
    m.longBarSize = 13;
    m.tieBarSize = 3;
    r = rebuildBars(m);
    EXPECT_TRUE(r.unknownBarSize);
    EXPECT_EQ(m.numBars, 6);
    EXPECT_NEAR(std::hypot(bar(m, 1).x, bar(m, 1).y), 6 - 1.5 - 0.375 + 0.5, kTol);
}

TEST(BarLayoutCapacity, ExtremeInputsNeverCrash) {
    const float values[] = {0.0f, -1.0f, 1e-30f, 1e30f, -1e30f, 3e38f, -3e38f};
    for (float w : values) {
        for (float count : values) {
            for (bool alongY : {false, true}) {
                ProjectModel m = defaultModel();
                m.barSetWidth = w;
                m.barSetHeight = -w;
                m.barSetsAlongY = alongY;
                m.numBarSets = 3;
                m.barSets[1] = {count, 5};
                m.barSets[2] = {count, 12};
                m.barSets[3] = {-count, 18};
                const BarLayoutResult r = rebuildBars(m);
                EXPECT_LE(m.numBars, kMaxBars);
                EXPECT_EQ(r.placed, m.numBars);
            }
        }
    }
    ProjectModel m = defaultModel();
    m.numBarSets = 0;
    rebuildBars(m);
    EXPECT_EQ(m.numBars, 0);
    m.numBarSets = 500; // more than the table holds: the 20 rows are used
    for (int j = 1; j <= kMaxBarSets; ++j) {
        m.barSets[static_cast<std::size_t>(j)] = {1, 5};
    }
    const BarLayoutResult r = rebuildBars(m);
    EXPECT_EQ(m.numBars, 20);
    EXPECT_EQ(r.requested, 20);
}

} // namespace
} // namespace pmsect
