// One neutral axis: worked values, and agreement with strip integration.
#include "engine/strain_compat.h"
#include "project/design_code_choice.h"
#include "project/engine_inputs_of.h"
#include "strip_integration.h"
#include "test_sections.h"

#include <cstring>
#include <gtest/gtest.h>

namespace pmsect {
namespace {

ProjectModel plainRectangle() {
    ProjectModel m = test::emptyModel();
    test::setOutline(m, {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}});
    m.grossArea = 216;
    return m;
}

TEST(SolveNeutralAxis, WorkedValueOfAPlainRectangle) {
    ProjectModel m = plainRectangle();
    NeutralAxisState s;
    s.c = 5;
    EvaluationDetail d;
    solveNeutralAxis(engineInputsOf(m), 0, s, &d);
    // Ac = 12 * 0.85 * 5 = 51 in^2 at 6.875 in above the centre.
    EXPECT_NEAR(s.Pn, -0.85 * 3000 * 51 / 1000, 1e-3);
    EXPECT_NEAR(s.Mn, 130.05 * 6.875, 1e-2);
    EXPECT_FLOAT_EQ(s.loadAngle, 90);
    EXPECT_FLOAT_EQ(d.Ac, 51);
    EXPECT_FLOAT_EQ(d.grossCompArea, 51);
    EXPECT_NEAR(d.Mnx, 894.09, 1e-2);
    EXPECT_NEAR(d.Mny, 0, 1e-3);
    EXPECT_NEAR(d.loadPoint.y, 6.875, 1e-4);
}

TEST(SolveNeutralAxis, YieldedBarGivesExactlyAreaTimesFy) {
    ProjectModel m = plainRectangle();
    test::addBar(m, 0, -8, 8);
    NeutralAxisState s;
    s.c = 3;
    EvaluationDetail d;
    solveNeutralAxis(engineInputsOf(m), 0, s, &d);
    EXPECT_FLOAT_EQ(d.tensionForce, 0.79f * 60);
    EXPECT_GT(s.netTensileStrain, 60000.0f / 29000000.0f);
}

TEST(SolveNeutralAxis, MinimumDepthIsWrittenBackAndLoadAngleKeptAtZeroForce) {
    // A sliver 0.3 in wide: the block of the minimum depth carries under 0.001 kips.
    ProjectModel m = test::emptyModel();
    test::setOutline(m, {{-0.15f, -9}, {-0.15f, 9}, {0.15f, 9}, {0.15f, -9}});
    NeutralAxisState s;
    s.c = 0;
    s.loadAngle = 123;
    solveNeutralAxis(engineInputsOf(m), 0, s);
    EXPECT_FLOAT_EQ(s.c, 0.001f);
    // Without bars the tiny block carries practically nothing, so the angle is left alone.
    ASSERT_LT(std::fabs(s.Pn), 0.001f);
    EXPECT_FLOAT_EQ(s.loadAngle, 123);
}

TEST(SolveNeutralAxis, BarsAreUntouchedByAnyEvaluation) {
    ProjectModel m = test::lSection();
    const auto before = m.bars;
    NeutralAxisState s;
    for (int angle = 0; angle < 360; angle += 13) {
        s.c = 7;
        EvaluationDetail d;
        solveNeutralAxis(engineInputsOf(m), static_cast<float>(angle), s, &d);
    }
    EXPECT_EQ(std::memcmp(before.data(), m.bars.data(), sizeof before), 0);
}

TEST(SolveNeutralAxis, AgreesWithStripIntegrationOnSeveralSections) {
    const std::pair<const char*, ProjectModel> sections[] = {
        {"default", test::defaultRectangle()},
        {"L", test::lSection()},
        {"T", test::tSection()},
        {"one face", test::oneFaceRectangle()}};
    for (auto [name, section] : sections) {
        ProjectModel m = section;
        const double squash = computeSectionSummary(m).limits.Po / 1000;
        for (int angle = 0; angle < 360; angle += 30) {
            for (float c : {0.5f, 2.0f, 5.0f, 9.0f, 14.0f, 22.0f, 60.0f}) {
                NeutralAxisState s;
                s.c = c;
                EvaluationDetail d;
                solveNeutralAxis(engineInputsOf(m), static_cast<float>(angle), s, &d);
                const auto ref = test::stripIntegration(m, angle, c);
                // Strip integration is good to about 3e-4 of the squash load here: strips that
                // straddle a corner of the outline carry its jump in width.
                const double tolF = 3e-4 * std::fabs(squash) + 0.05;
                const double tolM = tolF * 10;
                EXPECT_NEAR(s.Pn, ref.Pn, tolF) << name << " " << angle << " " << c;
                EXPECT_NEAR(d.Mnx, ref.Mnx, tolM) << name << " " << angle << " " << c;
                EXPECT_NEAR(d.Mny, ref.Mny, tolM) << name << " " << angle << " " << c;
                EXPECT_NEAR(s.netTensileStrain, ref.maxStrain, 1e-5);
                // The signed resultant agrees with the components.
                EXPECT_NEAR(std::fabs(s.Mn), std::hypot(d.Mnx, d.Mny),
                            1e-3 * std::fabs(s.Mn) + 1e-3);
            }
        }
    }
}

// A section without bars has no tension steel: it is compression-controlled whatever was
// evaluated before it (a section with bars in deep tension, 0.90 under ACI 318-05).
TEST(SolveNeutralAxis, WithoutBarsPhiIsTheCompressionControlledOne) {
    ProjectModel withBars = plainRectangle();
    test::addBar(withBars, 0, -8, 8);
    const ProjectModel plain = plainRectangle();
    for (const float c : {0.5f, 5.0f, 12.0f}) { // not deep enough for the cap
        const StrainCompatibility tension = evaluateNeutralAxis(engineInputsOf(withBars), 0, 0.5f);
        EXPECT_FLOAT_EQ(tension.phi, 0.90f);
        const StrainCompatibility r = evaluateNeutralAxis(engineInputsOf(plain), 0, c);
        EXPECT_EQ(r.netTensileStrain, 0) << c;
        EXPECT_FLOAT_EQ(r.phi, 0.65f) << c;
    }
}

} // namespace
} // namespace pmsect
