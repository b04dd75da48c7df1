// The section summary and the label texts made from it.
#include "building/bar_layout.h"
#include "building/section_generators.h"
#include "project/project_summary.h"
#include "strip_integration.h"
#include "test_sections.h"
#include "ui/main_window_texts.h"
#include "ui/summary_labels.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace pmsect {
namespace {

TEST(SectionSummary, DefaultSectionLabels) {
    ProjectModel m = test::defaultRectangle();
    const SectionResults section = computeSectionSummary(m);
    const SummaryLabels l = summaryLabels(m, section);
    EXPECT_EQ(l.grossArea.text, "Gross Area = 216.00 in^2");
    EXPECT_EQ(l.As.text, "Area of Steel = 6.20 in^2");
    EXPECT_EQ(l.percentRein.text, "% Reinforcement = 2.87%");
    EXPECT_EQ(l.percentRein.colour, kColourBlack);
    // Po = -(2550 (216 - 6.2) + 60000 * 6.2) lb = -906.99 kips.
    EXPECT_EQ(l.Po.text, "Po = -906.99 k");
    EXPECT_EQ(l.phiPnMax.text, "phi*Pn(max) = -471.63 k");
    EXPECT_EQ(l.To.text, "To = 372.00 k");
    EXPECT_EQ(l.phiTnMax.text, "phi*Tn(max) = 334.80 k");
    EXPECT_EQ(concreteModulusLabel(m), "Conc. Mod. of Elasticity = 3,155,924 psi");
    EXPECT_EQ(steelModulusLabel(m), "Steel Mod. of Elasticity = 29,000,000 psi");
    EXPECT_EQ(beta1Label(m), "Beta1 = 0.85");
    ASSERT_TRUE(section.pureBending);
    EXPECT_EQ(l.negMnx.text.front(), '-');
    EXPECT_GT((*section.pureBending)[0].Mn, 1.3 * (*section.pureBending)[2].Mn); // deeper about x
}

// A round column as the program lays it: the outline and bars of its generators.
ProjectModel roundColumn(int bars, float firstBarAngle) {
    ProjectModel m = test::emptyModel();
    chooseRoundSection(m, 24);
    m.barLayout = kCircular;
    m.totBars = static_cast<int16_t>(bars);
    m.longBarSize = 8;
    m.firstBarAngle = firstBarAngle;
    rebuildBars(m);
    applyRoundPolygonArea(m);
    computeSectionSummary(m);
    return m;
}

TEST(SectionSummary, MirroredSectionsShowTheSameStrengthInBothSenses) {
    // Every section here is its own mirror image about x and about y, so each of the four
    // pure-bending strengths and its phi-reduced value must read the same, but for the sign, in
    // every shown digit; a round one also reads the same about x and about y.
    struct Case {
        const char* name;
        ProjectModel model;
        bool quarterSymmetric;
    };
    const Case cases[] = {
        {"12 x 18 with bar sets", test::defaultRectangle(), false},
        {"20 x 20 with 12 #9 on its perimeter", test::tiedColumn20WithItsLoad(), true},
        {"round, 12 bars from 0 degrees", roundColumn(12, 0), true},
        {"round, 8 bars from 22.5 degrees", roundColumn(8, 22.5f), true},
    };
    const auto unsigned_ = [](std::string text) {
        std::erase(text, '-');
        return text;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProjectModel model = c.model;
        const SectionResults section = computeSectionSummary(model);
        ASSERT_TRUE(section.pureBending);
        const std::array<PureBendingResult, 4>& bending = *section.pureBending;
        const SummaryLabels l = summaryLabels(model, section);
        EXPECT_EQ(unsigned_(l.posMnx.text), unsigned_(l.negMnx.text));
        EXPECT_EQ(unsigned_(l.posPhiMnx.text), unsigned_(l.negPhiMnx.text));
        EXPECT_EQ(unsigned_(l.posMny.text), unsigned_(l.negMny.text));
        EXPECT_EQ(unsigned_(l.posPhiMny.text), unsigned_(l.negPhiMny.text));
        if (c.quarterSymmetric) {
            EXPECT_EQ(l.posMnx.text, l.posMny.text);
            EXPECT_EQ(l.posPhiMnx.text, l.posPhiMny.text);
        }
        for (const auto& [pos, neg] : {std::pair{0, 1}, std::pair{2, 3}}) {
            EXPECT_NEAR(bending[pos].Mn, -bending[neg].Mn, 1e-5 * bending[pos].Mn);
        }
    }
}

TEST(SectionSummary, PureBendingMatchesStripIntegrationAndItsSenses) {
    ProjectModel m = test::oneFaceRectangle();
    const SectionResults section = computeSectionSummary(m);
    ASSERT_TRUE(section.pureBending);
    // Bars near the bottom face only: compression on top (+Mnx) is far stronger than the reverse.
    const PureBendingResult& pos = (*section.pureBending)[0];
    const PureBendingResult& neg = (*section.pureBending)[1];
    EXPECT_GT(pos.Mn, 0);
    EXPECT_LT(neg.Mn, 0);
    EXPECT_GT(pos.Mn, 3 * -neg.Mn);
    // Independent: the depth with no axial force by strip integration, and its moment.
    double lo = 0.01, hi = 18;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        (test::stripIntegration(m, 0, mid, 2000).Pn > 0 ? lo : hi) = mid;
    }
    const auto ref = test::stripIntegration(m, 0, (lo + hi) / 2);
    EXPECT_NEAR(pos.Mn, ref.Mnx, 5e-4 * ref.Mnx);
}

TEST(SectionSummary, MnyLabelsFollowTheSideInCompression) {
    // Bars at +x only: compression on +x (a positive Mny) leaves the bars little lever arm.
    ProjectModel m = test::emptyModel();
    test::setOutline(m, {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}});
    for (float y : {-6.f, -2.f, 2.f, 6.f}) {
        test::addBar(m, 4, y, 9);
    }
    test::finish(m, false);
    const SectionResults section = computeSectionSummary(m);
    ASSERT_TRUE(section.pureBending);
    const auto& posMny = (*section.pureBending)[2];
    const auto& negMny = (*section.pureBending)[3];
    EXPECT_FLOAT_EQ(posMny.neutralAxisAngle, 270);
    EXPECT_FLOAT_EQ(negMny.neutralAxisAngle, 90);
    EXPECT_GT(posMny.Mn, 0);
    EXPECT_LT(negMny.Mn, 0);
    // Compression on -x puts the bars (at +x) far from it: the larger strength.
    EXPECT_GT(-negMny.Mn, 3 * posMny.Mn);
    const auto ref = test::stripIntegration(m, 270, 2.0);
    EXPECT_GT(ref.Mny, 0); // the run at 270 compresses +x: a positive moment about y
}

TEST(SectionSummary, NumbersItselfAndColoursLowStrainsRed) {
    ProjectModel m = test::defaultRectangle();
    const std::uint64_t earlier = computeSectionSummary(m).revision;
    // Heavy steel in a small section: pure bending is not tension controlled.
    for (int i = 1; i <= m.numBars; ++i) {
        m.bars[i].size = 11;
    }
    const SectionResults section = computeSectionSummary(m);
    EXPECT_GT(section.revision, earlier); // the curve searches start afresh
    const SummaryLabels l = summaryLabels(m, section, 9);
    EXPECT_EQ(l.percentRein.colour, kColourBrightRed); // 31.2 in^2 of 216 is over 8 %
    ASSERT_TRUE(section.pureBending);
    const float strain = (*section.pureBending)[0].maxSteelStrain;
    EXPECT_EQ(l.posStrainX.colour, strain >= 0.005f ? 9 : kColourBrightRed);
    EXPECT_LT(strain, 0.005f);
    EXPECT_EQ(l.posStrainX.colour, kColourBrightRed);
    // Each red value says why it is red; the black ones say nothing.
    EXPECT_EQ(l.percentRein.reason, kReinforcementOutsideLimitsReason);
    EXPECT_EQ(l.posStrainX.reason,
              "The steel strain is below the tension-controlled limit of 0.005");
    EXPECT_TRUE(l.posMnx.reason.empty());

    ProjectModel plainModel = test::defaultRectangle();
    const SummaryLabels plain = summaryLabels(plainModel, computeSectionSummary(plainModel));
    EXPECT_TRUE(plain.percentRein.reason.empty());
}

TEST(SectionSummary, TooLittleSteelIsRedForTheSameReasonAsTooMuch) {
    ProjectModel m = test::defaultRectangle();
    m.numBars = 8;
    for (int i = 1; i <= m.numBars; ++i) {
        m.bars[i].size = 3; // 8 x 0.11 in^2 of 216 in^2 is 0.41 %
    }
    const SectionResults section = computeSectionSummary(m);
    const SummaryLabels l = summaryLabels(m, section);
    EXPECT_EQ(l.percentRein.text, "% Reinforcement = 0.41%");
    EXPECT_EQ(l.percentRein.colour, kColourBrightRed);
    EXPECT_EQ(l.percentRein.reason, kReinforcementOutsideLimitsReason);
}

TEST(SectionSummary, NoBarsHasNoPureBendingResultsAndUnitsOnlyChangeTheTexts) {
    ProjectModel m = test::defaultRectangle();
    m.numBars = 0;
    const SectionResults section = computeSectionSummary(m);
    EXPECT_EQ(section.limits.To, 0);
    EXPECT_FALSE(section.pureBending);
    EXPECT_EQ(summaryLabels(m, section).posMnx.text, kNoPureBendingText);

    ProjectModel us = test::defaultRectangle();
    ProjectModel si = test::defaultRectangle();
    si.units.forceFactor = 4.45f;
    si.units.forceLabel = "kN";
    const SectionResults siSection = computeSectionSummary(si);
    EXPECT_EQ(siSection.limits.Po, computeSectionSummary(us).limits.Po);
    EXPECT_EQ(summaryLabels(si, siSection).Po.text, "Po = -4,036.11 kN");
}

// Each row keeps its own load's check, field by field, as the engine gives it for that load on
// its own: a deferred summary leaves every row without one, the next summary fills each again.
TEST(SectionSummary, EachRowKeepsTheCheckOfItsOwnLoad) {
    ProjectModel m = test::defaultRectangle();
    const std::vector<LoadInput> loads = {{-300, 120, 80}, {50, 10, -5}, {0, 150, 0}};
    m.loads.clear();
    SectionResults section;
    for (const LoadInput& load : loads) {
        appendCheckedLoad(m, section, {load, {}, {}});
    }
    section = computeSectionSummary(m, LoadChecks::Deferred);
    for (std::size_t k = 1; k <= loads.size(); ++k) {
        EXPECT_FALSE(storedLoadResult(section, m, k)) << "load " << k;
    }
    section = computeSectionSummary(m);
    const EngineInputs inputs = engineInputsOf(m);
    for (std::size_t k = 1; k <= loads.size(); ++k) {
        const CheckedLoad alone = checkLoadCombination(inputs, axialLimits(inputs), loads[k - 1]);
        const std::optional<LoadResult> kept = storedLoadResult(section, m, k);
        ASSERT_TRUE(kept) << "load " << k;
        const LoadResult& a = alone.result;
        EXPECT_EQ(std::vector({kept->eccentricity, kept->angle, kept->phiPn, kept->phiMnx,
                               kept->phiMny, kept->ratio}),
                  std::vector({a.eccentricity, a.angle, a.phiPn, a.phiMnx, a.phiMny, a.ratio}))
            << "load " << k;
        EXPECT_EQ(kept->capacityFound, a.capacityFound) << "load " << k;
        EXPECT_EQ(storedLoadCheck(section, m, k).load.Mux, loads[k - 1].Mux) << "load " << k;
    }
}

// The loads changed without a summary (a row deleted, one added): a row whose load is not the
// one checked reads as not checked, never as its neighbour's check, and so does a row past the
// checks kept.
TEST(SectionSummary, ARowWhoseLoadChangedSinceTheSummaryHasNoCheck) {
    ProjectModel m = test::defaultRectangle();
    m.loads.clear();
    SectionResults section;
    for (const LoadInput& load : {LoadInput{-300, 120, 80}, {50, 10, -5}, {0, 150, 0}}) {
        appendCheckedLoad(m, section, {load, {}, {}});
    }
    section = computeSectionSummary(m);
    const std::optional<LoadResult> first = storedLoadResult(section, m, 1);
    const LoadRow third = m.loads[3];
    m.loads.resize(2);
    m.loads[2] = third; // row 2 deleted, row 3 moved up
    m.loads.append(LoadRow{});
    m.loads.append(LoadRow{});
    EXPECT_EQ(storedLoadResult(section, m, 1)->ratio, first.value().ratio);
    for (std::size_t k = 2; k <= 4; ++k) {
        EXPECT_FALSE(storedLoadResult(section, m, k)) << "load " << k;
        EXPECT_EQ(storedLoadCheck(section, m, k).result.ratio, 0) << "load " << k;
    }
}

} // namespace
} // namespace pmsect
