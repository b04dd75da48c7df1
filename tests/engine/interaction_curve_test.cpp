// The Pn-Mn curve's levels, its depth memory and the biaxial contour, against hand values for
// the new-project section (12 x 18 in, 20 #5, f'c 3000 psi, fy 60 ksi) and the summary's own
// pure-bending strengths.
#include "engine/curve_test_models.h"
#include "engine/interaction_curve.h"
#include "engine/searches.h"
#include "engine/strain_compat.h"
#include "project/engine_inputs_of.h"

#include <cmath>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace pmsect {
namespace {

// By hand: Po = 0.85*3000*(216 - 20*0.31) + 60000*6.2 lb, To = 60000*6.2 lb, D = -0.1*3000*216.
constexpr double kP0 = -906.990;
constexpr double kT0 = 372.0;
constexpr double kD = -64.8;

// The search reaches a level within 1 % (at least 0.01 kips).
void expectLevel(const CurveTable& t, int row, double level) {
    EXPECT_NEAR(t.col1(row), level, std::max(std::fabs(level) / 100.0, 0.01) + 1e-3)
        << "row " << row;
}

struct Recorder : ProgressSink {
    std::vector<std::pair<ProgressQuantity, float>> lines;
    void report(ProgressQuantity quantity, float value) override {
        lines.emplace_back(quantity, value);
    }
    int count(ProgressQuantity quantity) const {
        int n = 0;
        for (const auto& l : lines) {
            n += l.first == quantity ? 1 : 0;
        }
        return n;
    }
};

TEST(InteractionCurve, LevelsOfTheNewProjectSection) {
    ProjectModel m = test::newProjectModel();
    const SectionResults section = computeSectionSummary(m);
    ASSERT_NEAR(section.limits.Po / 1000.0, kP0, 0.001);
    ASSERT_NEAR(section.limits.To / 1000.0, kT0, 0.001);
    ASSERT_NEAR(section.limits.curveLevel / 1000.0, kD, 0.001);
    ASSERT_TRUE(section.pureBending);
    CurveDepthMemo memo;
    const CurveTable t = test::curveOf(m, section, 90, memo);

    // Compression levels m/20 * P0 down to the last one not above D: 19/20 .. 2/20 (1/20 * P0
    // = -45.3 lies above D = -64.8): 18 levels.
    ASSERT_EQ(t.count, 1 + 18 + 5 + 4 + 1);
    EXPECT_FLOAT_EQ(t.col1(1), static_cast<float>(0.99 * kP0));
    EXPECT_EQ(t.col2(1), 0.0f);
    EXPECT_NEAR(t.phi(1) * t.col1(1), section.limits.phiPnMax / 1000.0, 1e-4);
    for (int level = 19, row = 2; level >= 2; --level, ++row) {
        expectLevel(t, row, level / 20.0 * kP0);
    }
    const double transition[] = {kD, 0.75 * kD, 0.5 * kD, 0.25 * kD, 0};
    for (int k = 0; k < 5; ++k) {
        expectLevel(t, 20 + k, transition[k]);
    }
    const double tension[] = {0, 0.25 * kT0, 0.5 * kT0, 0.75 * kT0};
    for (int k = 0; k < 4; ++k) {
        expectLevel(t, 25 + k, tension[k]);
    }
    // Pure bending twice: the end of the transition band and the start of the tension band.
    EXPECT_NEAR(t.col2(24), t.col2(25), 0.01 * t.col2(24));
    // Second method: the summary's own +Mnx (compression on +y) is the curve at 90 degrees.
    EXPECT_NEAR(t.col2(24), (*section.pureBending)[0].Mn, 0.01 * (*section.pureBending)[0].Mn);
    EXPECT_FLOAT_EQ(t.col1(29), static_cast<float>(0.99 * kT0));
    EXPECT_EQ(t.col2(29), 0.0f);
    EXPECT_EQ(t.phi(29), m.phiTension);
    for (int i = 1; i <= t.count; ++i) {
        EXPECT_TRUE(t.isFound(i)) << i;
    }
}

TEST(InteractionCurve, ProgressReportsTheDirectionThenEveryPoint) {
    ProjectModel m = test::newProjectModel();
    const SectionResults section = computeSectionSummary(m);
    Recorder r;
    CurveDepthMemo memo;
    const CurveTable t = test::curveOf(m, section, 90, memo, &r);
    ASSERT_EQ(r.lines.size(), 1u + 2u * 29u);
    EXPECT_EQ(r.lines[0], std::make_pair(ProgressQuantity::Direction, 90.0f));
    EXPECT_EQ(r.count(ProgressQuantity::Direction), 1);
    for (int i = 1; i <= t.count; ++i) {
        const auto at = static_cast<std::size_t>(2 * i - 1);
        EXPECT_EQ(r.lines[at], std::make_pair(ProgressQuantity::AxialForce, t.col1(i))) << i;
        EXPECT_EQ(r.lines[at + 1], std::make_pair(ProgressQuantity::Moment, t.col2(i))) << i;
    }
    EXPECT_FLOAT_EQ(r.lines[1].second, static_cast<float>(0.99 * kP0));
    EXPECT_FLOAT_EQ(r.lines[r.lines.size() - 2].second, static_cast<float>(0.99 * kT0));
}

TEST(InteractionCurve, DepthWrittenBackIsTheSolutionDepth) {
    ProjectModel m = test::newProjectModel();
    const SectionResults section = computeSectionSummary(m);
    CurveDepthMemo memo;
    const CurveTable t = test::curveOf(m, section, 90, memo);
    // The section is symmetric about y, so at 90 degrees the neutral axis stays at angle 0
    // (where the axial force is practically zero the load angle is undefined: skipped).
    for (int i = 2; i < t.count; ++i) {
        if (std::fabs(t.col1(i)) < 0.01f) {
            continue;
        }
        NeutralAxisState s;
        s.c = memo.depthsFor(section.revision)[static_cast<std::size_t>(i)];
        solveNeutralAxis(engineInputsOf(m), 0.0f, s);
        EXPECT_EQ(s.Pn, t.col1(i)) << i;
        EXPECT_EQ(s.Mn, t.col2(i)) << i;
    }
}

TEST(InteractionCurve, DepthMemoryCarriesOverUntilTheNextSummary) {
    ProjectModel m = test::newProjectModel();
    SectionResults section = computeSectionSummary(m);
    CurveDepthMemo memo;
    for (int i = 1; i <= kMaxCurveRows; ++i) {
        ASSERT_EQ(memo.depthsFor(section.revision)[static_cast<std::size_t>(i)], 10.0f);
    }
    long long e = evaluationCount();
    const CurveTable first = test::curveOf(m, section, 0, memo);
    const long long fresh = evaluationCount() - e;

    e = evaluationCount();
    test::curveOf(m, section, 0, memo);
    EXPECT_LT(evaluationCount() - e, fresh); // started from the depths just found

    test::curveOf(m, section, 90, memo); // another direction in between
    e = evaluationCount();
    test::curveOf(m, section, 0, memo);
    EXPECT_NE(evaluationCount() - e, fresh);

    // The results put back after a later summary, as an undone change does, find the depths as
    // they were; a summary itself starts every level again at 10 in.
    const SectionResults before = section;
    const CurveDepthMemo::Depths found = memo.depthsFor(section.revision);
    section = computeSectionSummary(m);
    EXPECT_NE(section.revision, before.revision);
    section = before;
    EXPECT_EQ(memo.depthsFor(section.revision), found);
    section = computeSectionSummary(m);
    for (int i = 1; i <= kMaxCurveRows; ++i) {
        ASSERT_EQ(memo.depthsFor(section.revision)[static_cast<std::size_t>(i)], 10.0f);
    }
    e = evaluationCount();
    const CurveTable second = test::curveOf(m, section, 0, memo);
    EXPECT_EQ(evaluationCount() - e, fresh);
    EXPECT_EQ(second.pts, first.pts);

    // A memo of its own (the command line's) starts at 10 in too.
    CurveDepthMemo own;
    EXPECT_EQ(test::curveOf(m, section, 0, own).pts, first.pts);
}

TEST(InteractionCurve, SectionWithoutAreaStaysBoundedAndFinite) {
    ProjectModel m = test::newProjectModel();
    m.numPoints = 0;
    m.numBars = 0;
    const SectionResults section =
        computeSectionSummary(m); // Po = To = 0: the level steps are zero
    CurveDepthMemo memo;
    const CurveTable t = test::curveOf(m, section, 90, memo);
    EXPECT_LE(t.count, kMaxCurveRows);
    EXPECT_GE(t.count, 3);
    for (int i = 1; i <= t.count; ++i) {
        for (float v : t.pts[static_cast<std::size_t>(i)]) {
            EXPECT_TRUE(std::isfinite(v)) << i;
        }
    }
}

TEST(InteractionCurve, TableNeverPassesFortyRows) {
    ProjectModel m = test::newProjectModel();
    SectionResults section = computeSectionSummary(m);
    section.limits.curveLevel =
        500000; // a D above To would let the compression band run on to 500 kips
    CurveDepthMemo memo;
    const CurveTable t = test::curveOf(m, section, 90, memo);
    EXPECT_EQ(t.count, kMaxCurveRows);
    EXPECT_EQ(t.phi(t.count), m.phiTension);
    EXPECT_FLOAT_EQ(t.col1(t.count), static_cast<float>(0.99 * kT0));
}

TEST(ContourAtLoad, LoadBeyondSquashOrTensionIsReplaced) {
    ProjectModel m = test::newProjectModel();
    const SectionResults section = computeSectionSummary(m);
    Contour r = test::contourOf(m, section, -1124); // beyond Po
    EXPECT_TRUE(r.rewritten);
    EXPECT_FLOAT_EQ(r.Pn, static_cast<float>(0.99 * kP0));

    r = test::contourOf(m, section, 449.6f); // beyond To
    EXPECT_TRUE(r.rewritten);
    EXPECT_FLOAT_EQ(r.Pn, static_cast<float>(0.99 * kT0));

    r = test::contourOf(m, section, std::nanf("")); // no number: pure bending
    EXPECT_TRUE(r.rewritten);
    EXPECT_EQ(r.Pn, 0.0f);

    r = test::contourOf(m, section, -67.44f);
    EXPECT_FALSE(r.rewritten);
    EXPECT_EQ(r.Pn, -67.44f);
}

TEST(ContourAtLoad, NoReducedPointBetweenTheDesignCapAndSquash) {
    ProjectModel m = test::newProjectModel();
    const SectionResults section = computeSectionSummary(m);
    const CurveTable beyond = test::contourOf(m, section, -700).table; // phi*Pn(max) = -471.6 kips
    const CurveTable within = test::contourOf(m, section, -300).table; // Po = -907 kips
    for (int i = 1; i <= kContourPoints; ++i) {
        EXPECT_EQ(beyond.phi(i), 0.0f) << i;
        EXPECT_GT(within.phi(i), 0.0f) << i;
    }
}

TEST(ContourAtLoad, ComponentsAtPureBendingMatchTheSummary) {
    ProjectModel m = test::newProjectModel();
    const SectionResults section = computeSectionSummary(m);
    ASSERT_TRUE(section.pureBending);
    const std::array<PureBendingResult, 4>& bending = *section.pureBending;
    Recorder r;
    const CurveTable t = test::contourOf(m, section, 0, &r).table;
    EXPECT_EQ(t.count, 0);
    const double Mnx = bending[0].Mn;
    const double Mny = bending[2].Mn;
    // Direction 0 (row 1) is +Mny, 90 (row 11) +Mnx, 180 (row 21) -Mny, 270 (row 31) -Mnx.
    EXPECT_NEAR(t.col2(1), -Mny, 0.01 * Mny);
    EXPECT_NEAR(t.col1(1), 0, 0.01 * Mny);
    EXPECT_NEAR(t.col1(11), -Mnx, 0.01 * Mnx);
    EXPECT_NEAR(t.col2(11), 0, 0.01 * Mnx);
    EXPECT_NEAR(t.col2(21), std::fabs(bending[3].Mn), 0.01 * Mny);
    EXPECT_NEAR(t.col1(31), std::fabs(bending[1].Mn), 0.01 * Mnx);

    // The load first, then each direction before its search and its moment after it.
    ASSERT_EQ(r.lines.size(), 1u + 2u * kContourPoints);
    EXPECT_EQ(r.lines[0], std::make_pair(ProgressQuantity::AxialForce, 0.0f));
    EXPECT_EQ(r.count(ProgressQuantity::AxialForce), 1);
    for (int k = 0; k < kContourPoints; ++k) {
        const auto at = static_cast<std::size_t>(1 + 2 * k);
        EXPECT_EQ(r.lines[at], std::make_pair(ProgressQuantity::Direction, 9.0f * k));
        EXPECT_EQ(r.lines[at + 1].first, ProgressQuantity::Moment);
    }
}

} // namespace
} // namespace pmsect
