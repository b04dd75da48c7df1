// The load check: worked cases, and the capacity on the load's ray against strip integration.
#include "engine/load_check.h"
#include "project/design_code_choice.h"
#include "strip_integration.h"
#include "test_sections.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <tuple>

namespace pmsect {
namespace {

void setLoad(ProjectModel& m, int row, float Pu, float Mux, float Muy) {
    m.loads.resize(std::max<int>(m.loads.count(), row));
    m.loads[row][kPu] = Pu;
    m.loads[row][kMux] = Mux;
    m.loads[row][kMuy] = Muy;
}

TEST(LoadCheck, MomentDirectionCoversTheFullCircle) {
    EXPECT_NEAR(momentDirection(1, 1), 45, 0.01);
    EXPECT_NEAR(momentDirection(1, -1), 135, 0.01);
    EXPECT_NEAR(momentDirection(-1, -1), 225, 0.01);
    EXPECT_NEAR(momentDirection(-1, 1), 315, 0.01);
    EXPECT_NEAR(momentDirection(30, 40), 36.87, 0.01);
}

TEST(LoadCheck, UniaxialCompressionLoad) {
    ProjectModel m = test::defaultRectangle();
    setLoad(m, 1, -100, 50, 0);
    const LoadResult r = test::checkLoadRow(m, 1);
    EXPECT_NEAR(r.eccentricity, 6, 1e-5);
    EXPECT_FLOAT_EQ(r.angle, 90);
    EXPECT_TRUE(r.capacityFound);
    EXPECT_LT(r.phiPn, -100); // well inside
    EXPECT_FLOAT_EQ(r.ratio, -100 / r.phiPn);
    EXPECT_EQ(r.phiMny, 0);
    // The capacity lies on the load line: phiMnx / phiPn = Mux / Pu.
    EXPECT_NEAR(r.phiMnx / r.phiPn, 50.0 / -100, 1e-3);
}

TEST(LoadCheck, ZeroLoadTensionLoadAndConcentricLoad) {
    ProjectModel m = test::defaultRectangle();
    setLoad(m, 1, 0, 0, 0);
    setLoad(m, 2, 50, 20, 0);
    setLoad(m, 3, -300, 0, 0);
    std::array<LoadResult, 4> r{};
    for (int i = 1; i <= 3; ++i) {
        r[static_cast<std::size_t>(i)] = test::checkLoadRow(m, i);
    }
    EXPECT_FLOAT_EQ(r[1].eccentricity, 10000);
    EXPECT_FLOAT_EQ(r[1].angle, 180);
    EXPECT_EQ(r[1].phiPn, 0);
    EXPECT_EQ(r[1].phiMnx, 0);
    EXPECT_EQ(r[1].ratio, 0);

    EXPECT_NEAR(r[2].eccentricity, -4.8, 1e-5);
    EXPECT_GT(r[2].phiPn, 50);
    EXPECT_NEAR(r[2].ratio, 50 / r[2].phiPn, 1e-6);

    // A concentric load is checked against phi*Pn(max) itself.
    EXPECT_FLOAT_EQ(r[3].angle, 0);
    const float phiPnMax = computeSectionSummary(m).limits.phiPnMax;
    EXPECT_NEAR(r[3].phiPn, phiPnMax / 1000, 1e-3);
    EXPECT_NEAR(r[3].ratio, -300 / (phiPnMax / 1000), 1e-5);
}

TEST(LoadCheck, PureBendingKeepsTheThreeToFourSplit) {
    ProjectModel m = test::defaultRectangle();
    setLoad(m, 1, 0, 30, 40);
    const LoadResult r = test::checkLoadRow(m, 1);
    EXPECT_FLOAT_EQ(r.eccentricity, 10000);
    EXPECT_NEAR(r.angle, 36.87, 0.01);
    EXPECT_EQ(r.phiPn, 0);
    EXPECT_NEAR(r.phiMnx / r.phiMny, 0.75, 1e-3);
    EXPECT_NEAR(r.ratio, 30 / r.phiMnx, 1e-5);
}

// A point of the nominal surface worked out by strip integration, its phi, and a load that is
// `factor` times it: the check ratio must be factor / phi.
struct KnownPoint {
    double Pn, Mnx, Mny, phi;
};

KnownPoint surfacePoint(const ProjectModel& m, double angle, double c) {
    const auto r = test::stripIntegration(m, angle, c);
    const double phi = cappedStrengthReductionFactor(
        axialLimits(engineInputsOf(m)).phiPnMax, test::phiOf(m, static_cast<float>(r.maxStrain)),
        static_cast<float>(r.Pn));
    return {r.Pn, r.Mnx, r.Mny, phi};
}

void expectRatioOnRay(const char* name, ProjectModel m, const KnownPoint& p, double factor) {
    setLoad(m, 1, static_cast<float>(factor * p.Pn), static_cast<float>(factor * p.Mnx / 12),
            static_cast<float>(factor * p.Mny / 12));
    const LoadResult r = test::checkLoadRow(m, 1);
    ASSERT_TRUE(r.capacityFound) << name;
    const double expected = factor / p.phi;
    // 1.5 % covers the stepping searches' own tolerances and the strip integration.
    EXPECT_NEAR(r.ratio, expected, 0.015 * expected)
        << name << " factor " << factor << " Pn " << p.Pn;
    if (p.Pn != 0) {
        EXPECT_NEAR(r.phiPn / p.Pn, p.phi, 0.02 * p.phi) << name;
    }
}

TEST(LoadCheck, CapacityOnTheLoadRayOfUnsymmetricSections) {
    const std::pair<const char*, ProjectModel> sections[] = {
        {"L", test::lSection()}, {"T", test::tSection()}, {"one face", test::oneFaceRectangle()}};
    for (auto [name, m] : sections) {
        for (auto [angle, c] : {std::pair{0.0, 6.0},
                                {37.0, 9.0},
                                {135.0, 4.0},
                                {200.0, 14.0},
                                {290.0, 3.0},
                                {90.0, 30.0}}) {
            const KnownPoint p = surfacePoint(m, angle, c);
            for (double factor : {0.5, 1.0, 4.8, 5.8}) {
                expectRatioOnRay(name, m, p, factor);
            }
        }
    }
}

// The pure-bending capacity in a moment direction by brute force: every neutral-axis angle in
// half-degree steps, each at the depth of zero axial force; where the moment's direction passes
// the wanted one, the moment is interpolated. Where the contour folds over itself the outermost
// crossing is the capacity.
KnownPoint outermostPureBending(const ProjectModel& m, double directionDeg) {
    const double dir = directionDeg * 3.14159265358979 / 180;
    struct Sample {
        double miss, along, strain;
    };
    std::vector<Sample> samples;
    // A little past a full turn each way: with 3.1415 for pi, 0 and 360 degrees differ slightly.
    for (double a = -1; a <= 361; a += 0.5) {
        double lo = 0.01, hi = 200;
        for (int i = 0; i < 40; ++i) {
            const double mid = (lo + hi) / 2;
            (test::stripIntegration(m, a, mid, 300).Pn > 0 ? lo : hi) = mid;
        }
        const auto r = test::stripIntegration(m, a, (lo + hi) / 2, 1000);
        const double miss = std::atan2(r.Mnx * std::cos(dir) - r.Mny * std::sin(dir),
                                       r.Mny * std::cos(dir) + r.Mnx * std::sin(dir));
        samples.push_back({miss, r.Mny * std::cos(dir) + r.Mnx * std::sin(dir), r.maxStrain});
    }
    KnownPoint best{0, 0, 0, 0};
    double bestAlong = 0;
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        const Sample& a = samples[i];
        const Sample& b = samples[i + 1];
        const bool crosses = (a.miss <= 0 && b.miss >= 0) || (a.miss >= 0 && b.miss <= 0);
        if (!crosses || std::fabs(a.miss) > 0.5 || std::fabs(b.miss) > 0.5) {
            continue;
        }
        const double t = a.miss == b.miss ? 0.0 : a.miss / (a.miss - b.miss);
        const double along = a.along + t * (b.along - a.along);
        if (along > bestAlong) {
            bestAlong = along;
            const double strain = t < 0.5 ? a.strain : b.strain;
            best = {0, along * std::sin(dir), along * std::cos(dir),
                    test::phiOf(m, static_cast<float>(strain))};
        }
    }
    return best;
}

TEST(LoadCheck, PureBendingOfUnsymmetricSectionsFollowsTheLoadDirection) {
    const std::pair<const char*, ProjectModel> sections[] = {
        {"L", test::lSection()}, {"T", test::tSection()}, {"one face", test::oneFaceRectangle()}};
    for (auto [name, m] : sections) {
        for (double direction : {0.0, 90.0, 160.0, 250.0}) {
            const KnownPoint p = outermostPureBending(m, direction);
            ASSERT_GT(p.phi, 0) << name << " " << direction;
            for (double factor : {0.5, 3.0}) {
                expectRatioOnRay(name, m, p, factor);
            }
        }
    }
}

// A load whose moment is out of all proportion to its axial force meets the surface next to pure
// bending, at a scale far below one: the capacity is the pure-bending moment, the ratio the load's
// moment over it, and nothing overflows on the way.
TEST(LoadCheck, LoadsWithHugeEccentricitiesMeetThePureBendingCapacity) {
    const std::pair<const char*, ProjectModel> sections[] = {
        {"rectangle", test::defaultRectangle()}, {"L", test::lSection()}};
    for (auto [name, m] : sections) {
        const KnownPoint bending = outermostPureBending(m, 270);
        const double phiMn = bending.phi * std::fabs(bending.Mnx) / 12;
        for (const float Mux : {-7e7f, -7e10f, -7.37e34f}) {
            for (const float Pu : {0.07f, -0.07f}) {
                ProjectModel checked = m;
                setLoad(checked, 1, Pu, Mux, 0);
                const LoadResult r = test::checkLoadRow(checked, 1);
                const std::string context =
                    std::string(name) + " Pu " + std::to_string(Pu) + " Mux " + std::to_string(Mux);
                ASSERT_TRUE(r.capacityFound) << context;
                for (const float v :
                     {r.eccentricity, r.angle, r.phiPn, r.phiMnx, r.phiMny, r.ratio}) {
                    EXPECT_TRUE(std::isfinite(v)) << context;
                }
                EXPECT_NEAR(-r.phiMnx, phiMn, 0.01 * phiMn) << context;
                EXPECT_NEAR(r.ratio, -Mux / phiMn, 0.01 * (-Mux / phiMn)) << context;
                EXPECT_LT(std::fabs(r.phiPn), 1e-6 * phiMn) << context;
            }
        }
    }
}

// A moment so large that its eccentricity (and its value in kip-in) leaves single precision: no
// capacity is claimed for it, and what is shown is never infinite. With no axial force at all
// the same moment has the pure-bending capacity and a ratio that is merely huge.
TEST(LoadCheck, EccentricitiesBeyondSinglePrecisionClaimNoCapacity) {
    for (const auto& [Pu, Mux, Muy] :
         {std::tuple{1e-30f, -3e38f, 0.0f}, {-1e-30f, -3e38f, 3e38f}, {0.0f, 3e38f, 0.0f}}) {
        ProjectModel m = test::defaultRectangle();
        setLoad(m, 1, Pu, Mux, Muy);
        const LoadResult r = test::checkLoadRow(m, 1);
        EXPECT_EQ(r.capacityFound, Pu == 0) << Pu << " " << Mux << " " << Muy;
        for (const float v : {r.phiPn, r.phiMnx, r.phiMny, r.ratio}) {
            EXPECT_TRUE(std::isfinite(v));
        }
    }
}

TEST(LoadCheck, SectionWithoutBarsSaysNoCapacityRatherThanARatio) {
    ProjectModel m = test::emptyModel();
    test::setOutline(m, {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}});
    setLoad(m, 1, 10, 5, 5); // tension on plain concrete
    const LoadResult r = test::checkLoadRow(m, 1);
    EXPECT_FALSE(r.capacityFound);
    EXPECT_EQ(r.ratio, 0);
}

} // namespace
} // namespace pmsect
