// The stepping searches: clamping, tolerances, convergence, and bounded loops.
#include "engine/searches.h"
#include "engine/strain_compat.h"
#include "project/engine_inputs_of.h"
#include "test_sections.h"

#include <cmath>
#include <gtest/gtest.h>

namespace pmsect {
namespace {

TEST(SearchForAxialLoad, ClampsBeyondTheLimitsButSearchesAtThem) {
    ProjectModel m = test::defaultRectangle();
    const AxialLimits limits = computeSectionSummary(m).limits;
    NeutralAxisState s;
    s.c = 5;
    s.phi = -1;
    float target = limits.Po / 1000 - 1;
    EXPECT_TRUE(searchForAxialLoad(engineInputsOf(m), target, 0, s));
    EXPECT_FLOAT_EQ(target, limits.Po / 1000);
    EXPECT_EQ(s.Mn, 0);
    EXPECT_EQ(s.phi, -1); // no evaluation was made
    EXPECT_FLOAT_EQ(s.c, 5);

    target = limits.To / 1000 + 1;
    searchForAxialLoad(engineInputsOf(m), target, 0, s);
    EXPECT_FLOAT_EQ(target, limits.To / 1000);

    // The squash load itself is searched, not clamped: it cannot be reached exactly, but the
    // search stays bounded and lands within 1 %.
    target = static_cast<float>(limits.Po / 1000.0);
    s.c = 5;
    searchForAxialLoad(engineInputsOf(m), target, 0, s);
    EXPECT_NE(s.phi, -1);
    EXPECT_NEAR(target, limits.Po / 1000, std::fabs(limits.Po / 1000) / 100);
}

TEST(SearchForAxialLoad, PureBendingWithinTheMinimumTolerance) {
    ProjectModel m = test::defaultRectangle();
    NeutralAxisState s;
    s.c = 5;
    float target = 0;
    EXPECT_TRUE(searchForAxialLoad(engineInputsOf(m), target, 0, s));
    EXPECT_LE(std::fabs(target), 0.01f);
    EXPECT_GT(s.Mn, 0);
    EXPECT_FLOAT_EQ(target, s.Pn);
}

TEST(SearchForEccentricity, StepsDownWhenTheStartIsTooDeepAndReachesTheTarget) {
    ProjectModel m = test::defaultRectangle();
    NeutralAxisState s;
    s.c = 4;
    float target = 3;
    EXPECT_TRUE(searchForEccentricity(engineInputsOf(m), target, 0, s));
    EXPECT_NEAR(target, 3, 0.003);
    EXPECT_NEAR(-s.Mn / s.Pn, target, 1e-5);
    EXPECT_GT(s.c, 4); // a small e under compression needs a deep neutral axis
}

TEST(SearchForEccentricity, UnreachableTargetEndsAfterBoundedSteps) {
    ProjectModel m = test::defaultRectangle();
    NeutralAxisState s;
    s.c = 4;
    float target = 0; // tolerance 0: never met exactly
    const long long before = evaluationCount();
    searchForEccentricity(engineInputsOf(m), target, 0, s);
    EXPECT_LE(evaluationCount() - before, kMaxDepthSteps + 1);
}

TEST(AngleSearches, DoublySymmetricSectionConvergesAtOnce) {
    ProjectModel m = test::defaultRectangle();
    NeutralAxisState s;
    s.c = 4;
    float e = 6;
    float angle = 90;
    const AngleSearchOutcome a = searchForEccentricityAndAngle(engineInputsOf(m), e, angle, s);
    EXPECT_TRUE(a.converged);
    EXPECT_FLOAT_EQ(a.neutralAxisAngle, 0);
    EXPECT_FLOAT_EQ(angle, 90);

    s.c = 10;
    float P = -100;
    const AngleSearchOutcome b = searchForAxialLoadAndAngle(engineInputsOf(m), P, 90, s);
    EXPECT_TRUE(b.converged);
    EXPECT_FLOAT_EQ(b.neutralAxisAngle, 0);
    EXPECT_NEAR(P, -100, 1);
}

TEST(AngleSearches, BiaxialDirectionIsReached) {
    ProjectModel m = test::defaultRectangle();
    NeutralAxisState s;
    s.c = 10;
    float P = -150;
    const AngleSearchOutcome r = searchForAxialLoadAndAngle(engineInputsOf(m), P, 30, s);
    EXPECT_TRUE(r.converged);
    EXPECT_LE(std::fabs(r.angleMiss), 0.1f);
    EXPECT_NEAR(s.loadAngle, 30, 0.1);
    // The moment components point the way asked: tan(30) = Mx/My.
    NeutralAxisState again = s;
    EvaluationDetail d;
    solveNeutralAxis(engineInputsOf(m), r.neutralAxisAngle, again, &d);
    EXPECT_NEAR(std::atan2(d.Mnx, d.Mny) * 180 / 3.14159265, 30, 0.2);
}

} // namespace
} // namespace pmsect
