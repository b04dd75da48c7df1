// Design mode: which arrangements are admissible (perimeters and circles), their rank, how Apply
// writes them, a candidate's strength by hand, the same answer at any number of threads, and the
// chosen arrangement checked against an independent computation of every load's capacity (strip
// integration on the load's ray), with the next lighter one failing.
#include "building/bar_layout.h"
#include "building/new_project.h"
#include "building/reinforcement_design.h"
#include "building/section_generators.h"
#include "engine/bar_table.h"
#include "engine/strip_integration.h"
#include "engine/test_sections.h"
#include "project/design_code_choice.h"
#include "project/project_summary.h"

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

// A section of the given type whose bars are now laid by `layout`, which design replaces.
ProjectModel sectionProject(SectionType type, float b, float h, BarLayout layout, bool spiral) {
    ProjectModel m = defaultProject();
    if (type == kRound) {
        chooseRoundSection(m, b);
        applyRoundPolygonArea(m);
    } else {
        chooseRectangularSection(m, b, h);
    }
    applyConfinement(m, spiral ? Confinement::Spiral : Confinement::Tied);
    m.barLayout = layout;
    setBarSetOutline(m);
    rebuildBars(m);
    return m;
}

int barsAt(const Arrangement& a, double x, double y) {
    return static_cast<int>(std::count_if(a.bars.begin(), a.bars.end(), [&](const Bar& b) {
        return std::abs(b.x - x) < 1e-4 && std::abs(b.y - y) < 1e-4;
    }));
}

TEST(ReinforcementDesign, CandidatesArePerimetersSymmetricAboutBothAxesOrBarsOnOneCircle) {
    const struct {
        SectionType type;
        float b, h;
        BarLayout layout;
        bool spiral;
    } cases[] = {{kRectangular, 12, 18, kBarSets, false},
                 {kRectangular, 20, 20, kPlacedBars, false},
                 {kRectangular, 16, 30, kCircular, true},
                 {kRound, 24, 24, kBarSets, false},
                 {kRound, 24, 24, kPlacedBars, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.b << " x " << c.h << " layout " << c.layout);
        const ProjectModel m = sectionProject(c.type, c.b, c.h, c.layout, c.spiral);
        const std::vector<Arrangement> all = admissibleArrangements(m, DesignOptions{});
        ASSERT_GT(all.size(), 10u);
        int fewest = kMaxBars;
        for (const Arrangement& a : all) {
            SCOPED_TRACE(arrangementText(a));
            ASSERT_EQ(a.circular(), c.type == kRound);
            ASSERT_EQ(a.totalBars(), static_cast<int>(a.bars.size()));
            fewest = std::min(fewest, a.totalBars());
            // Centres against the #3 ties under 1.5 in of cover: on the faces, mirrored about
            // both axes, or on one circle.
            const double db = barDiameter(static_cast<float>(a.barSize));
            const double hx = c.b / 2.0 - 1.875 - db / 2;
            const double hy = c.h / 2.0 - 1.875 - db / 2;
            for (const Bar& bar : a.bars) {
                EXPECT_EQ(bar.size, a.barSize);
                if (a.circular()) {
                    EXPECT_NEAR(std::hypot(bar.x, bar.y), hx, 1e-4);
                    continue;
                }
                EXPECT_TRUE(std::abs(std::abs(bar.y) - hy) < 1e-4 ||
                            std::abs(std::abs(bar.x) - hx) < 1e-4);
                EXPECT_EQ(barsAt(a, -bar.x, bar.y) + barsAt(a, bar.x, -bar.y), 2);
            }
            if (!a.circular()) {
                EXPECT_EQ(a.totalBars(), 2 * (a.barsPerXFace + a.barsPerYFace - 2));
                EXPECT_EQ(barsAt(a, hx, hy) + barsAt(a, -hx, -hy), 2); // the corners
            }
            EXPECT_GE(smallestClear(a.bars), std::max(1.5, 1.5 * db) - 1e-4);
            EXPECT_GE(a.steelRatio, 0.01);
            EXPECT_LE(a.steelRatio, 0.04);
        }
        EXPECT_EQ(fewest, c.type == kRectangular ? 4 : c.spiral ? 6 : 4);
        for (std::size_t i = 1; i < all.size(); ++i) {
            const Arrangement& p = all[i - 1];
            const Arrangement& q = all[i];
            EXPECT_LE(std::make_tuple(p.steelArea, p.totalBars(), p.barSize, p.barsPerXFace),
                      std::make_tuple(q.steelArea, q.totalBars(), q.barSize, q.barsPerXFace));
        }
    }
    // Counted by hand for #9 (1.125 in, 1.00 in^2) in 20 x 20: the end centres 15.125 in apart,
    // a pitch of 1.125 + 1.6875 in, so 2 to 6 bars a face; 1 to 4 % of 400 in^2 is 4 to 16 bars,
    // so nx + ny <= 10: the 25 pairs but (5, 6), (6, 5) and (6, 6).
    const auto square =
        admissibleArrangements(sectionProject(kRectangular, 20, 20, kBarSets, false), {});
    EXPECT_EQ(std::count_if(square.begin(), square.end(),
                            [](const Arrangement& a) { return a.barSize == 9; }),
              22);
    ProjectModel drawn = defaultProject();
    chooseArbitrarySection(drawn);
    EXPECT_TRUE(designRefusal(drawn));
    EXPECT_TRUE(admissibleArrangements(drawn, DesignOptions{}).empty());
}

TEST(ReinforcementDesign, ApplyWritesBarSetsWhereTheyLayThePerimeterAndPlacedBarsOtherwise) {
    const struct {
        float h;
        int nx, ny;
        BarLayout written;
    } cases[] = {{20, 4, 4, kBarSets},
                 {20, 2, 6, kBarSets},
                 {200, 2, 22, kPlacedBars}}; // 22 rows: more than a project's 20 bar sets
    for (const auto& c : cases) {
        ProjectModel m = sectionProject(kRectangular, 20, c.h, kPlacedBars, false);
        Arrangement a;
        a.barSize = 8;
        a.barsPerXFace = c.nx;
        a.barsPerYFace = c.ny;
        a.clearSpacing = designClearSpacing(m, a.barSize);
        applyArrangement(m, a);
        EXPECT_EQ(m.barLayout, c.written);
        a.bars.assign(modelBars(m).begin(), modelBars(m).end());
        // The rows equally spaced between the corner bars, 7.625 in from the centre in x.
        const double hy = c.h / 2 - 2.375;
        for (int j = 0; j < c.ny; ++j) {
            EXPECT_EQ(barsAt(a, 7.625, -hy + 2 * hy * j / (c.ny - 1)), 1) << j;
        }
        EXPECT_EQ(a.totalBars(), m.numBars);
    }
}

// Nominal strength of 12 #9 (4 per face each way) in a 20 x 20 in section, f'c 5,000 psi,
// fy 60,000 psi, by hand: Po = 0.85 f'c (Ag - As) + fy As (ACI 318-05 10.3.6), and pure bending
// by strain compatibility over the four rows of bars with the rectangular block of depth
// beta1 c = 0.80 c (ACI 318-05 10.2.7), the bars in the block displacing its concrete; c is found
// by bisection on the sum of forces (the method of Wight and MacGregor, Reinforced Concrete:
// Mechanics and Design, 6th ed., section 11-4).
double handMn() {
    const double fc = 5, fy = 60, Es = 29000, hy = 10 - 1.875 - 1.125 / 2;
    const double rows[][2] = {{hy, 4}, {hy / 3, 2}, {-hy / 3, 2}, {-hy, 4}}; // y, bars of 1 in^2
    double lo = 0.5, hi = 20, force = 0, moment = 0;
    for (int i = 0; i < 100; ++i) {
        const double c = (lo + hi) / 2;
        const double a = 0.80 * c;
        force = 0.85 * fc * 20 * a;
        moment = force * (10 - a / 2);
        for (const auto& row : rows) {
            const double depth = 10 - row[0];
            const double stress =
                std::clamp(Es * 0.003 * (c - depth) / c, -fy, fy) - (depth < a ? 0.85 * fc : 0);
            force += row[1] * stress;
            moment += row[1] * stress * row[0];
        }
        (force > 0 ? hi : lo) = c;
    }
    return moment;
}

TEST(ReinforcementDesign, ACandidatesStrengthAgreesWithAHandComputationInBothSenses) {
    ProjectModel m = sectionProject(kRectangular, 20, 20, kPlacedBars, false);
    m.fpc = 5000;
    m.beta1 = stressBlockDepthFactorOf(m);
    const auto all = admissibleArrangements(m, DesignOptions{});
    const auto twelve = std::find_if(all.begin(), all.end(), [](const Arrangement& a) {
        return a.barSize == 9 && a.barsPerXFace == 4 && a.barsPerYFace == 4;
    });
    ASSERT_NE(twelve, all.end());
    applyArrangement(m, *twelve);
    const SectionResults section = computeSectionSummary(m);
    EXPECT_NEAR(-section.limits.Po / 1000, 0.85 * 5 * 388 + 60 * 12, 0.2); // 2,369 k
    // Symmetric about both axes: one hand moment for both senses about both axes, within the
    // engine's search tolerance.
    ASSERT_TRUE(section.pureBending);
    const std::array<PureBendingResult, 4>& bending = *section.pureBending;
    const double hand = handMn();
    for (const PureBendingResult& p : bending) {
        EXPECT_NEAR(std::abs(p.Mn), hand, 2e-4 * hand);
    }
    EXPECT_NEAR(bending[0].Mn, -bending[1].Mn, 1e-4 * hand);
    EXPECT_NEAR(bending[2].Mn, -bending[3].Mn, 1e-4 * hand);
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
        axialLimits(engineInputsOf(m)).phiPnMax, test::phiOf(m, static_cast<float>(r.maxStrain)),
        static_cast<float>(r.Pn));
    return std::hypot(P, M) / (phi * std::hypot(r.Pn, r.Mnx));
}

double largestIndependentRatio(ProjectModel m, const Arrangement& a,
                               const std::vector<LoadInput>& loads) {
    applyArrangement(m, a);
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
    applied.loads.resize(loads.size());
    for (std::size_t i = 0; i < loads.size(); ++i) {
        LoadRow& row = applied.loads[i + 1];
        row[kPu] = loads[i].Pu;
        row[kMux] = loads[i].Mux;
        row[kMuy] = loads[i].Muy;
    }
    const SectionResults section = computeSectionSummary(applied);
    float largest = 0;
    for (std::size_t i = 1; i <= loads.size(); ++i) {
        const LoadResult r = storedLoadResult(section, applied, i).value();
        EXPECT_TRUE(r.capacityFound);
        largest = std::max(largest, r.ratio);
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
            EXPECT_EQ(arrangementText(a.arrangement), arrangementText(b.arrangement));
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
