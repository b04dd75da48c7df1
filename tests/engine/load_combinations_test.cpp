// The generated strength combinations against ASCE 7-22 §2.3.1 (combinations 1 to 5) and §2.3.6
// (6 and 7), written out by hand for a case set with D, L, Lr, S, W and E.
#include "engine/load_combinations.h"

#include <gtest/gtest.h>
#include <map>

namespace pmsect {
namespace {

using enum LoadKind;

LoadCaseSet caseSet() {
    LoadCaseSet set;
    set.cases = {{"Dead", D, -100, 10, 2},     {"Live", L, -50, 8, 1},
                 {"Roof", Lr, -10, 1, 0},      {"Snow", S, -20, 2, 0.5f},
                 {"Wind", W, -5, 40, 0, true}, {"Quake", E, -8, 0, 30, true}};
    return set;
}

struct Expected {
    const char* name;
    std::map<LoadKind, double> factors;
};

// Pu, Mux, Muy of a combination from its hand-typed factors.
std::array<double, 3> factored(const LoadCaseSet& set, const std::map<LoadKind, double>& f) {
    std::array<double, 3> sum{};
    for (const LoadCase& c : set.cases) {
        const double k = f.contains(c.kind) ? f.at(c.kind) : 0;
        sum[0] += k * c.P;
        sum[1] += k * c.Mx;
        sum[2] += k * c.My;
    }
    return sum;
}

void expectCombinations(const LoadCaseSet& set, const std::vector<Expected>& expected) {
    const std::vector<LoadCombination> got = generateCombinations(set);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].name);
        EXPECT_EQ(got[i].name, expected[i].name);
        const auto sum = factored(set, expected[i].factors);
        EXPECT_NEAR(got[i].Pu, sum[0], 1e-9);
        EXPECT_NEAR(got[i].Mux, sum[1], 1e-9);
        EXPECT_NEAR(got[i].Muy, sum[2], 1e-9);
    }
}

TEST(LoadCombinations, BasicAndSeismicCombinationsOfAsce7) {
    // No R case: the "or R" choices drop out. Typed from §2.3.1 and §2.3.6, SDS = 0 (Ev = 0).
    expectCombinations(caseSet(),
                       {{"1.4D", {{D, 1.4}}},
                        {"1.2D + 1.6L + 0.5Lr", {{D, 1.2}, {L, 1.6}, {Lr, 0.5}}},
                        {"1.2D + 1.6L + 0.5S", {{D, 1.2}, {L, 1.6}, {S, 0.5}}},
                        {"1.2D + 1.6Lr + 1.0L", {{D, 1.2}, {Lr, 1.6}, {L, 1.0}}},
                        {"1.2D + 1.6Lr + 0.5W", {{D, 1.2}, {Lr, 1.6}, {W, 0.5}}},
                        {"1.2D + 1.6Lr - 0.5W", {{D, 1.2}, {Lr, 1.6}, {W, -0.5}}},
                        {"1.2D + 1.6S + 1.0L", {{D, 1.2}, {S, 1.6}, {L, 1.0}}},
                        {"1.2D + 1.6S + 0.5W", {{D, 1.2}, {S, 1.6}, {W, 0.5}}},
                        {"1.2D + 1.6S - 0.5W", {{D, 1.2}, {S, 1.6}, {W, -0.5}}},
                        {"1.2D + 1.0W + 1.0L + 0.5Lr", {{D, 1.2}, {W, 1}, {L, 1}, {Lr, 0.5}}},
                        {"1.2D - 1.0W + 1.0L + 0.5Lr", {{D, 1.2}, {W, -1}, {L, 1}, {Lr, 0.5}}},
                        {"1.2D + 1.0W + 1.0L + 0.5S", {{D, 1.2}, {W, 1}, {L, 1}, {S, 0.5}}},
                        {"1.2D - 1.0W + 1.0L + 0.5S", {{D, 1.2}, {W, -1}, {L, 1}, {S, 0.5}}},
                        {"0.9D + 1.0W", {{D, 0.9}, {W, 1}}},
                        {"0.9D - 1.0W", {{D, 0.9}, {W, -1}}},
                        {"1.2D + 1.0E + 1.0L + 0.2S", {{D, 1.2}, {E, 1}, {L, 1}, {S, 0.2}}},
                        {"1.2D - 1.0E + 1.0L + 0.2S", {{D, 1.2}, {E, -1}, {L, 1}, {S, 0.2}}},
                        {"0.9D + 1.0E", {{D, 0.9}, {E, 1}}},
                        {"0.9D - 1.0E", {{D, 0.9}, {E, -1}}}});
}

TEST(LoadCombinations, HalfLiveAndVerticalSeismicOptions) {
    // Exception 1 of §2.3.1 (combinations 3 and 4) and of §2.3.6 (6): 0.5L; combination 2 keeps
    // 1.6L. SDS = 0.5: Ev = 0.1D, so 1.3D in combination 6 and 0.8D in 7.
    LoadCaseSet set = caseSet();
    set.cases.erase(set.cases.begin() + 2); // no Lr
    set.options.halfLive = true;
    set.options.SDS = 0.5;
    expectCombinations(set, {{"1.4D", {{D, 1.4}}},
                             {"1.2D + 1.6L + 0.5S", {{D, 1.2}, {L, 1.6}, {S, 0.5}}},
                             {"1.2D + 1.6S + 0.5L", {{D, 1.2}, {S, 1.6}, {L, 0.5}}},
                             {"1.2D + 1.6S + 0.5W", {{D, 1.2}, {S, 1.6}, {W, 0.5}}},
                             {"1.2D + 1.6S - 0.5W", {{D, 1.2}, {S, 1.6}, {W, -0.5}}},
                             {"1.2D + 1.0W + 0.5L + 0.5S", {{D, 1.2}, {W, 1}, {L, 0.5}, {S, 0.5}}},
                             {"1.2D - 1.0W + 0.5L + 0.5S", {{D, 1.2}, {W, -1}, {L, 0.5}, {S, 0.5}}},
                             {"0.9D + 1.0W", {{D, 0.9}, {W, 1}}},
                             {"0.9D - 1.0W", {{D, 0.9}, {W, -1}}},
                             {"1.3D + 1.0E + 0.5L + 0.2S", {{D, 1.3}, {E, 1}, {L, 0.5}, {S, 0.2}}},
                             {"1.3D - 1.0E + 0.5L + 0.2S", {{D, 1.3}, {E, -1}, {L, 0.5}, {S, 0.2}}},
                             {"0.8D + 1.0E", {{D, 0.8}, {E, 1}}},
                             {"0.8D - 1.0E", {{D, 0.8}, {E, -1}}}});
}

TEST(LoadCombinations, AbsentKindsSeveralCasesAndUserCombinations) {
    LoadCaseSet set;
    // Two D cases add; gravity alone gives combinations 1 and 2 once each, "or" choices merged.
    set.cases = {{"Self", D, -60, 1, 0}, {"Finishes", D, -40, 2, 0}, {"Floor", L, -30, 3, 0}};
    expectCombinations(set, {{"1.4D", {{D, 1.4}}}, {"1.2D + 1.6L", {{D, 1.2}, {L, 1.6}}}});

    // Two wind cases: each its own alternative, in both senses, named in brackets.
    set.cases.push_back({"North", W, 0, 10, 0, true});
    set.cases.push_back({"East", W, 0, 0, 20, true});
    set.cases.push_back({"Crane", Other, -7, 0, 0});
    set.options.userCombinations = {{"Crane lift", {{"Self", 1.2}, {"Crane", 1.6}}}};
    const auto all = generateCombinations(set);
    std::vector<std::string> names;
    for (const auto& c : all) {
        names.push_back(c.name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{
                  "1.4D", "1.2D + 1.6L", "1.2D + 1.0W[North] + 1.0L", "1.2D - 1.0W[North] + 1.0L",
                  "1.2D + 1.0W[East] + 1.0L", "1.2D - 1.0W[East] + 1.0L", "0.9D + 1.0W[North]",
                  "0.9D - 1.0W[North]", "0.9D + 1.0W[East]", "0.9D - 1.0W[East]", "Crane lift"}));
    EXPECT_DOUBLE_EQ(all[0].Pu, 1.4 * -100);
    EXPECT_DOUBLE_EQ(all.back().Pu, 1.2 * -60 + 1.6 * -7); // "other" only here
    EXPECT_DOUBLE_EQ(all[4].Muy, 20);
}

TEST(LoadCombinations, SustainedAxialForceAndEndMoments) {
    LoadCaseSet set = caseSet();
    set.options.sustainedLiveFraction = 0.25;
    set.options.SDS = 1.0;
    set.cases[0].ends[kMxTop] = 12; // dead load: 12 at the top, -6 at the bottom
    set.cases[0].ends[kMxBot] = -6;
    const auto all = generateCombinations(set);
    const auto named = [&](const std::string& n) {
        return *std::find_if(all.begin(), all.end(), [&](auto& c) { return c.name == n; });
    };
    // D part plus a quarter of the factored L: 1.2(-100) + 0.25(1.6)(-50) = -140.
    EXPECT_DOUBLE_EQ(named("1.2D + 1.6L + 0.5S").PuSustained, -140);
    // 1.4D + 0.2(1.0)D = 1.4D (the Ev folded into D): -140 + 0.25 (-50) = -152.5.
    EXPECT_DOUBLE_EQ(named("1.4D + 1.0E + 1.0L + 0.2S").PuSustained, -152.5);
    EXPECT_DOUBLE_EQ(named("0.7D - 1.0E").PuSustained, -70);

    // 0.9D + 1.0W: the wind case is sway and gives no end moments, so its Mx stands at both
    // ends, all of it sway; the dead load's ends are its own, not sway.
    const auto w = named("0.9D + 1.0W");
    ASSERT_TRUE(w.ends);
    EXPECT_DOUBLE_EQ((*w.ends)[kMxTop], 0.9 * 12 + 40);
    EXPECT_DOUBLE_EQ((*w.ends)[kMxBot], 0.9 * -6 + 40);
    EXPECT_DOUBLE_EQ((*w.ends)[kMxTopSway], 40);
    EXPECT_DOUBLE_EQ((*w.ends)[kMyBot], 0.9 * 2);
    EXPECT_DOUBLE_EQ((*w.ends)[kMyBotSway], 0);
    set.cases[0].ends = {};
    EXPECT_FALSE(generateCombinations(set)[0].ends); // 1.4D: no case gives end moments
}

TEST(LoadCombinations, FactorTexts) {
    for (const auto& [factor, text] :
         std::vector<std::pair<double, std::string>>{{1.2, "1.2"},
                                                     {1.0, "1.0"},
                                                     {1.26, "1.26"},
                                                     {1.3000000000000003, "1.3"},
                                                     {0.125, "0.125"}}) {
        EXPECT_EQ(factorText(factor), text);
    }
}

} // namespace
} // namespace pmsect
