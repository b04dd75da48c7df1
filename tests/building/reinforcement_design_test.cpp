// Design mode: which arrangements are admissible, their rank, the same answer at any number of
// threads, and the chosen arrangement checked against an independent computation of every
// load's capacity (strip integration on the load's ray), with the next lighter one failing.
#include "building/new_project.h"
#include "building/reinforcement_design.h"
#include "engine/bar_table.h"
#include "engine/section_summary.h"
#include "engine/strength_reduction.h"
#include "engine/strip_integration.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace pmsect {
namespace {

ProjectModel defaultProject() {
    ProjectModel m;
    resetToNewProject(m);
    return m;
}

double smallestClear(const std::vector<Bar>& bars) {
    double smallest = 1e9;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        for (std::size_t j = i + 1; j < bars.size(); ++j) {
            const double centres = std::hypot(static_cast<double>(bars[i].x) - bars[j].x,
                                              static_cast<double>(bars[i].y) - bars[j].y);
            smallest = std::min(smallest, centres - barDiameter(bars[i].size));
        }
    }
    return smallest;
}

TEST(ReinforcementDesign, TheSpacingIsOneAndAHalfDiametersAndAtLeastOneAndAHalfInches) {
    ProjectModel m = defaultProject();
    EXPECT_FLOAT_EQ(designClearSpacing(m, 5), 1.5f);           // 1.5 x 0.625 = 0.94
    EXPECT_FLOAT_EQ(designClearSpacing(m, 11), 1.5f * 1.375f); // 2.06
    m.clearSpacing = 2.5f;
    EXPECT_FLOAT_EQ(designClearSpacing(m, 8), 2.5f); // the project's own is larger
}

TEST(ReinforcementDesign, AdmissibleArrangementsKeepTheirSpacingAndSteelLimits) {
    const ProjectModel m = defaultProject();
    const DesignOptions options;
    const std::vector<Arrangement> all = admissibleArrangements(m, options);
    ASSERT_GT(all.size(), 20u);
    for (const Arrangement& a : all) {
        SCOPED_TRACE(testing::Message() << a.barSets << " x " << a.barsPerSet << " #" << a.barSize);
        EXPECT_GE(a.barSize, 5);
        EXPECT_LE(a.barSize, 11);
        EXPECT_GE(a.barSets, 2);
        EXPECT_GE(a.barsPerSet, 2);
        ASSERT_EQ(a.totalBars(), a.barSets * a.barsPerSet);
        EXPECT_GE(smallestClear(a.bars), a.clearSpacing - 1e-4);
        EXPECT_NEAR(a.steelArea, a.totalBars() * Barea(static_cast<float>(a.barSize)), 1e-4);
        EXPECT_GE(a.steelRatio, 0.01);
        EXPECT_LE(a.steelRatio, 0.08);
        // Every bar inside the ties of the 12 x 18 section: 1.5 in cover and #3 ties.
        const double db = barDiameter(static_cast<float>(a.barSize));
        for (const Bar& b : a.bars) {
            EXPECT_LE(std::abs(b.x), 6 - 1.875 - db / 2 + 1e-4);
            EXPECT_LE(std::abs(b.y), 9 - 1.875 - db / 2 + 1e-4);
        }
    }
    // The default's own two sets of ten #5 are squeezed by the rounding of the bars per row: at
    // a 1.5 in spacing five fit, 1.906 in apart, only 1.28 in clear.
    const auto has = [&](int sets, int perSet, int size) {
        return std::any_of(all.begin(), all.end(), [&](const Arrangement& a) {
            return a.barSets == sets && a.barsPerSet == perSet && a.barSize == size;
        });
    };
    EXPECT_FALSE(has(2, 10, 5));
    EXPECT_TRUE(has(2, 4, 5));
    EXPECT_TRUE(has(4, 2, 5));
    // Two sets of two #5 hold 1.24 in^2, 0.57 %: below the least steel.
    EXPECT_FALSE(has(2, 2, 5));

    // The options' limits move with them.
    DesignOptions narrow;
    narrow.minBarSize = 8;
    narrow.maxBarSize = 8;
    narrow.minSteelRatio = 0.02;
    narrow.maxSteelRatio = 0.03;
    for (const Arrangement& a : admissibleArrangements(m, narrow)) {
        EXPECT_EQ(a.barSize, 8);
        EXPECT_GE(a.steelRatio, 0.02);
        EXPECT_LE(a.steelRatio, 0.03);
    }
}

TEST(ReinforcementDesign, RankedByAreaThenBarsThenSizeThenSets) {
    const std::vector<Arrangement> all = admissibleArrangements(defaultProject(), DesignOptions{});
    for (std::size_t i = 1; i < all.size(); ++i) {
        const Arrangement& a = all[i - 1];
        const Arrangement& b = all[i];
        EXPECT_LE(std::make_tuple(a.steelArea, a.totalBars(), a.barSize, a.barSets),
                  std::make_tuple(b.steelArea, b.totalBars(), b.barSize, b.barSets));
    }
}

TEST(ReinforcementDesign, CircularLayoutsStartAtFourTiedAndSixSpiralBars) {
    ProjectModel m = defaultProject();
    m.barLayout = kCircular;
    for (const bool spiral : {false, true}) {
        applyConfinement(m, spiral);
        const std::vector<Arrangement> all = admissibleArrangements(m, DesignOptions{});
        ASSERT_FALSE(all.empty());
        for (const Arrangement& a : all) {
            EXPECT_GE(a.barCount, spiral ? 6 : 4);
            EXPECT_EQ(a.barSets, 0);
            EXPECT_GE(smallestClear(a.bars), a.clearSpacing - 1e-4);
        }
    }
    // A placed-bars project has nothing to design.
    m.barLayout = kPlacedBars;
    EXPECT_TRUE(admissibleArrangements(m, DesignOptions{}).empty());
}

// Loads on the 12 x 18 section bent about x: compression with moment, bending, and tension.
std::vector<LoadInput> uniaxialLoads() {
    return {{-300, 60, 0}, {-150, 95, 0}, {-40, 110, 0}, {0, 100, 0}, {20, -70, 0}, {-200, -80, 0}};
}

// The design capacity on a uniaxial load's ray by strip integration, independent of the
// engine's searches: bisection on the neutral-axis depth until the nominal point lies on the ray,
// then phi from the strain (capped as the engine caps it). The ratio is the load over it.
double independentRatio(const ProjectModel& m, const LoadInput& load) {
    const double P = load.Pu;
    const double M = load.Mux * 12.0;
    const double angle = M >= 0 ? 0 : 180;
    // Along the ray's direction the cross product changes sign once as c grows.
    const auto side = [&](double c) {
        const auto r = test::stripIntegration(m, angle, c, 1000);
        return r.Pn * std::abs(M) - P * std::abs(r.Mnx);
    };
    double lo = 0.05;
    double hi = 400;
    const bool loPositive = side(lo) > 0;
    for (int i = 0; i < 60; ++i) {
        const double mid = (lo + hi) / 2;
        ((side(mid) > 0) == loPositive ? lo : hi) = mid;
    }
    const auto r = test::stripIntegration(m, angle, (lo + hi) / 2, 4000);
    const double phi = cappedStrengthReductionFactor(
        m, strengthReductionFactor(m, static_cast<float>(r.maxStrain)), static_cast<float>(r.Pn));
    return std::hypot(P, M) / (phi * std::hypot(r.Pn, r.Mnx));
}

double largestIndependentRatio(ProjectModel m, const Arrangement& a,
                               const std::vector<LoadInput>& loads) {
    applyArrangement(m, a);
    computeAxialLimits(m);
    double largest = 0;
    for (const LoadInput& load : loads) {
        largest = std::max(largest, independentRatio(m, load));
    }
    return largest;
}

TEST(ReinforcementDesign, TheBestCarriesEveryLoadAndTheNextLighterDoesNot) {
    const ProjectModel m = defaultProject();
    const std::vector<LoadInput> loads = uniaxialLoads();
    const DesignResult result = designReinforcement(m, loads, DesignOptions{});
    ASSERT_TRUE(result.best);
    const DesignCandidate& best = result.candidates[*result.best];
    EXPECT_TRUE(best.pass);
    EXPECT_LE(best.maxRatio, 1.0f);
    // Everything ranked before the best fails, each at a load that was checked.
    for (std::size_t i = 0; i < *result.best; ++i) {
        EXPECT_FALSE(result.candidates[i].pass);
        EXPECT_GE(result.candidates[i].firstFailingLoad, 1);
        EXPECT_LE(result.candidates[i].firstFailingLoad, static_cast<int>(loads.size()));
    }
    ASSERT_GT(*result.best, 0u) << "the loads must be heavy enough to rule out the lightest";

    // The independent computation agrees within its own tolerance (1.5 %, as the load-check
    // tests allow for the searches' steps).
    const double bestRatio = largestIndependentRatio(m, best.arrangement, loads);
    EXPECT_NEAR(bestRatio, best.maxRatio, 0.015);
    EXPECT_LE(bestRatio, 1.015);
    // The lighter one just before it fails in the independent computation too.
    const Arrangement& lighter = result.candidates[*result.best - 1].arrangement;
    EXPECT_GT(largestIndependentRatio(m, lighter, loads), 0.985);

    // What the desktop shows after Apply: the summary of the laid project checks every load.
    ProjectModel applied = m;
    applyArrangement(applied, best.arrangement);
    applied.numLoads = static_cast<int16_t>(loads.size());
    for (std::size_t i = 0; i < loads.size(); ++i) {
        LoadRow& row = applied.loads[i + 1];
        row[kPu] = loads[i].Pu;
        row[kMux] = loads[i].Mux;
        row[kMuy] = loads[i].Muy;
    }
    computeSectionSummary(applied);
    float largest = 0;
    for (int i = 1; i <= applied.numLoads; ++i) {
        EXPECT_TRUE(applied.loadStatus[i].capacityFound);
        largest = std::max(largest, applied.loads[i][kRatio]);
    }
    EXPECT_EQ(largest, best.maxRatio);
}

TEST(ReinforcementDesign, TheSameAnswerAtAnyNumberOfThreads) {
    ProjectModel m = defaultProject();
    const std::vector<LoadInput> loads = {{-250, 70, 30}, {-80, 90, -20}, {10, 40, 35}};
    DesignOptions options;
    options.threads = 1;
    const DesignResult one = designReinforcement(m, loads, options);
    for (const unsigned threads : {2u, 3u, 7u}) {
        options.threads = threads;
        const DesignResult many = designReinforcement(m, loads, options);
        ASSERT_EQ(many.candidates.size(), one.candidates.size());
        EXPECT_EQ(many.best, one.best);
        for (std::size_t i = 0; i < one.candidates.size(); ++i) {
            const DesignCandidate& a = one.candidates[i];
            const DesignCandidate& b = many.candidates[i];
            EXPECT_EQ(a.pass, b.pass);
            EXPECT_EQ(a.maxRatio, b.maxRatio);
            EXPECT_EQ(a.governingLoad, b.governingLoad);
            EXPECT_EQ(a.firstFailingLoad, b.firstFailingLoad);
            EXPECT_EQ(a.arrangement.barSets, b.arrangement.barSets);
            EXPECT_EQ(a.arrangement.barsPerSet, b.arrangement.barsPerSet);
            EXPECT_EQ(a.arrangement.barSize, b.arrangement.barSize);
        }
    }
}

TEST(ReinforcementDesign, ProgressCountsEveryCandidateOnTheCallingThread) {
    const ProjectModel m = defaultProject();
    std::size_t last = 0;
    std::size_t total = 0;
    std::size_t calls = 0;
    DesignOptions options;
    options.threads = 2;
    const DesignResult r = designReinforcement(m, std::vector<LoadInput>{{-100, 50, 0}}, options,
                                               [&](std::size_t done, std::size_t all) {
                                                   EXPECT_GE(done, last);
                                                   last = done;
                                                   total = all;
                                                   ++calls;
                                               });
    EXPECT_EQ(total, r.candidates.size());
    EXPECT_EQ(last, r.candidates.size());
    EXPECT_GT(calls, 0u);
}

} // namespace
} // namespace pmsect
