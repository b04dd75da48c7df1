// A design code that is not ACI 318, defined here alone: a limiting strain of 0.0035, a stress
// block of 0.80 f'c over 0.80 c, phi 0.75 to 0.95 between net tensile strains of 0.002 and
// 0.006, and a cap of 0.80 phi Po. An evaluation, a section summary, a curve and a load check
// run through it and agree with the hand computation written out below.
#include "engine/codes/aci318_moment_magnifier.h"
#include "engine/codes/design_code_rules.h"
#include "engine/interaction_curve.h"
#include "engine/section_summary.h"
#include "engine/strain_compat.h"
#include "engine/strength_reduction.h"
#include "model/project_model.h"

#include <cmath>
#include <gtest/gtest.h>

namespace pmsect {
namespace {

class TestCode final : public DesignCodeRules {
public:
    std::string_view name() const override { return "TEST-1"; }
    StressBlock stressBlock(float) const override { return {0.0035, 0.80, 0.80f}; }
    int32_t concreteModulus(float, float fpc) const override {
        return static_cast<int32_t>(5000 * std::sqrt(fpc));
    }
    SteelLaw steelLaw(const Materials& m) const override {
        return {static_cast<double>(m.Es), static_cast<double>(m.fy)};
    }
    StrengthFactors strengthFactors(Confinement) const override { return {0.75f, 0.95f, 0.80f}; }
    StrainLimits strainLimits(const Materials&) const override { return {0.002, 0.006}; }
    float strengthReductionFactor(const Materials& m, Confinement c, float eps) const override {
        const StrainLimits l = strainLimits(m);
        const StrengthFactors f = strengthFactors(c);
        const double t = std::clamp((eps - l.compression) / (l.tension - l.compression), 0.0, 1.0);
        return static_cast<float>(f.phiCompression + t * (f.phiTension - f.phiCompression));
    }
    AxialLimits axialLimits(const Materials& m, Confinement c, float Ag, float As) const override {
        const StrengthFactors f = strengthFactors(c);
        AxialLimits out;
        out.steelArea = As;
        out.Po = static_cast<float>(-(0.80 * m.fpc * (Ag - As) + m.fy * As));
        out.phiPnMax = f.pnMaxFactor * f.phiCompression * out.Po;
        out.To = static_cast<float>(m.fy * As);
        out.phiTnMax = f.phiTension * out.To;
        out.curveLevel = static_cast<float>(-0.10 * m.fpc * Ag);
        return out;
    }
    std::vector<std::string> warnings(const Materials&) const override { return {}; }
    // Slender members are outside this test: the code borrows ACI 318-19's magnifier.
    const MomentMagnifierRules& momentMagnifier() const override {
        return aci318MomentMagnifier(DesignCode::Aci318_19);
    }
};

const TestCode kTestCode;

// 12 x 20 in, f'c = 4000 psi, three #8 bars (2.37 in^2) at d = 17.5 in below the top face, none
// elsewhere; Grade 60.
EngineInputs testSection() {
    EngineInputs in;
    in.section.outline = {{-6, -10}, {-6, 10}, {6, 10}, {6, -10}};
    for (const float x : {-4.0f, 0.0f, 4.0f}) {
        in.section.bars.push_back({x, -7.5f, 0.79f, 1.0f});
    }
    in.section.grossArea = 240;
    in.section.extentX = 12;
    in.section.extentY = 20;
    in.materials = {4000, 145, 60000, 29000000, 0};
    in.code = &kTestCode;
    return in;
}

// By hand, pure bending with the top in compression. The steel yields (checked below), so
// T = 2.37 * 60 = 142.2 kips; C = 0.80 * 4 * 12 * a gives a = 142.2 / 38.4 = 3.703125 in and
// c = a / 0.80 = 4.62890625 in. The bars' strain is 0.0035 (17.5 - c) / c = 0.0097320, beyond
// eps_y = 0.0020690 and beyond 0.006: phi = 0.95. Mn = T (d - a/2) = 142.2 * 15.6484375
// = 2225.2178 kip-in, phi Mn = 2113.9569 kip-in.
constexpr double kC = 4.62890625;
constexpr double kStrain = 0.0035 * (17.5 - kC) / kC;
constexpr double kMn = 142.2 * (17.5 - 3.703125 / 2);
constexpr double kPhi = 0.95;
// Po = -(0.80 * 4000 * (240 - 2.37) + 60000 * 2.37) = -902,616 lb; phi Pn(max) = 0.80 * 0.75 Po
// = -541,569.6 lb; To = 142,200 lb, phi Tn(max) = 135,090 lb; the curve's level -96,000 lb.
constexpr double kPo = -902616;

TEST(AnotherDesignCode, OneEvaluationUsesItsStrainBlockAndPhi) {
    const StrainCompatibility r = evaluateNeutralAxis(testSection(), 0, static_cast<float>(kC));
    EXPECT_NEAR(r.Pn, 0, 1e-3);
    EXPECT_NEAR(r.Mnx, kMn, 1e-3 * kMn);
    EXPECT_NEAR(r.Mny, 0, 1e-3);
    EXPECT_NEAR(r.netTensileStrain, kStrain, 1e-6);
    EXPECT_FLOAT_EQ(r.phi, static_cast<float>(kPhi));
}

TEST(AnotherDesignCode, SummaryLoadCheckAndCurveFollowIt) {
    const EngineInputs in = testSection();
    // Mux = 100 kip-ft bends the top into compression: ratio 1200 / phi Mn. A concentric
    // compression of 300 kips against phi Pn(max): 300 / 541.5696.
    const LoadInput loads[] = {{0, 100, 0}, {-300, 0, 0}};
    const SectionSummary s = computeSectionSummary(in, loads);
    EXPECT_FLOAT_EQ(s.limits.Po, static_cast<float>(kPo));
    EXPECT_FLOAT_EQ(s.limits.phiPnMax, static_cast<float>(0.80 * 0.75 * kPo));
    EXPECT_FLOAT_EQ(s.limits.To, 142200);
    EXPECT_FLOAT_EQ(s.limits.phiTnMax, 135090);
    EXPECT_FLOAT_EQ(s.limits.curveLevel, -96000);
    ASSERT_TRUE(s.pureBending);
    const PureBendingResult& top = (*s.pureBending)[0];
    EXPECT_NEAR(top.Mn, kMn, 1e-3 * kMn);
    EXPECT_NEAR(top.phiMn, kPhi * kMn, 1e-3 * kMn);
    EXPECT_NEAR(top.maxSteelStrain, kStrain, 1e-5);
    ASSERT_EQ(s.loads.size(), 2u);
    EXPECT_TRUE(s.loads[0].result.capacityFound);
    EXPECT_NEAR(s.loads[0].result.ratio, 1200 / (kPhi * kMn), 2e-3);
    EXPECT_NEAR(s.loads[1].result.ratio, 300 / (0.80 * 0.75 * -kPo / 1000), 1e-5);

    // The curve bending the top into compression: its squash end carries phi Pn(max), its
    // tension end the tension-controlled 0.95, and its point at Pn = 0 the moment above.
    CurveDepthMemo::Depths depths;
    depths.fill(10.0f);
    const CurveTable table = computeCurve(in, s.limits, 90, depths);
    ASSERT_GT(table.count, 3);
    const auto& squash = table.pts[1];
    EXPECT_NEAR(squash[0] * squash[1], 0.80 * 0.75 * kPo / 1000, 1e-3);
    EXPECT_FLOAT_EQ(table.pts[static_cast<std::size_t>(table.count)][0], 0.95f);
    bool sawPureBending = false;
    for (int row = 1; row <= table.count; ++row) {
        const auto& p = table.pts[static_cast<std::size_t>(row)];
        if (std::fabs(p[1]) < 0.05 && std::fabs(p[2]) > 0) {
            sawPureBending = true;
            EXPECT_NEAR(std::fabs(p[2]), kMn, 2e-3 * kMn) << row;
            EXPECT_FLOAT_EQ(p[0], static_cast<float>(kPhi)) << row;
        }
    }
    EXPECT_TRUE(sawPureBending);
}

} // namespace
} // namespace pmsect
