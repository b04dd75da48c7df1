// The biaxial contour lies at its own axial load: every point within 0.1 % of |Po| of the load,
// and its moment that of an independent strain-compatibility solution at that load. The
// independent contour turns the neutral axis in half-degree steps, bisects the depth of each
// for the load with a strip integration of the stress block (none of the engine's clipping), and
// takes the outermost moment where the moment's direction passes each contour direction.
#include "engine/curve_test_models.h"
#include "engine/strip_integration.h"
#include "engine/test_sections.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>
#include <vector>

namespace pmsect {
namespace {

struct Sample {
    double direction; // radians, tan = Mnx/Mny
    double Mnx;
    double Mny;
};

constexpr int kStrips = 600;

// Moments around the full turn of the neutral axis at axial force P (kips).
std::vector<Sample> independentContour(const ProjectModel& m, double P) {
    std::vector<Sample> samples;
    for (double angle = -1; angle <= 361; angle += 0.5) {
        // Pn grows more compressive with the depth: from a sliver (all steel in tension) to a
        // depth that compresses the whole section. The depths span eight decades, so the
        // bisection halves their logarithm.
        double lo = 1e-4, hi = 1e4;
        for (int i = 0; i < 40; ++i) {
            const double mid = std::sqrt(lo * hi);
            (test::stripIntegration(m, angle, mid, kStrips).Pn > P ? lo : hi) = mid;
        }
        const test::StripResult r = test::stripIntegration(m, angle, std::sqrt(lo * hi), kStrips);
        samples.push_back({std::atan2(r.Mnx, r.Mny), r.Mnx, r.Mny});
    }
    return samples;
}

// The moments along the direction (radians) at each place where the samples' moment direction
// passes it: one where the contour goes round the origin, none or two where it lies beside it.
std::vector<double> crossingsAlong(const std::vector<Sample>& samples, double dir) {
    const auto miss = [dir](const Sample& s) {
        return std::remainder(s.direction - dir, 2 * std::numbers::pi);
    };
    const auto along = [dir](const Sample& s) {
        return s.Mny * std::cos(dir) + s.Mnx * std::sin(dir);
    };
    std::vector<double> found;
    // The first and last samples overlap the turn; a crossing counts once.
    for (std::size_t i = 0; i + 1 < samples.size(); ++i) {
        const double a = miss(samples[i]), b = miss(samples[i + 1]);
        // Opposite directions give a jump of the miss through +-pi, not a crossing.
        if (a == 0 || !((a < 0 && b >= 0) || (a > 0 && b <= 0)) || std::fabs(a - b) > 1) {
            continue;
        }
        const double t = a / (a - b);
        const double value = along(samples[i]) + t * (along(samples[i + 1]) - along(samples[i]));
        if (value >= 0 && (found.empty() || std::fabs(value - found.back()) > 1e-6)) {
            found.push_back(value);
        }
    }
    return found;
}

void expectContourAtLoad(const std::string& name, ProjectModel m, double P) {
    const std::string context = name + " at " + std::to_string(P) + " k";
    const SectionResults section = computeSectionSummary(m);
    const double squash = std::fabs(section.limits.Po / 1000.0);
    const Contour load = test::contourOf(m, section, static_cast<float>(P));
    const CurveTable& table = load.table;
    ASSERT_FALSE(load.rewritten) << context;
    ASSERT_FLOAT_EQ(load.Pn, static_cast<float>(P)) << context;

    const std::vector<Sample> independent = independentContour(m, P);
    double largest = 0;
    for (const Sample& s : independent) {
        largest = std::max(largest, std::hypot(s.Mnx, s.Mny));
    }
    ASSERT_GT(largest, 0) << context;
    const double degree = std::numbers::pi / 180;
    for (int k = 1; k <= kContourPoints; ++k) {
        const double direction = 9.0 * (k - 1);
        const std::string where = context + ", direction " + std::to_string(direction);
        // Where the contour goes round the origin, every direction has its point.
        if (crossingsAlong(independent, direction * degree).size() == 1) {
            EXPECT_TRUE(table.isFound(k)) << where;
        }
        if (!table.isFound(k)) {
            continue;
        }
        EXPECT_NEAR(table.reachedPn[static_cast<std::size_t>(k)], P, 0.001 * squash) << where;
        // The point drawn, (-column 1, -column 2) = (Mnx, Mny), lies on the independent contour.
        const double Mnx = -table.col1(k), Mny = -table.col2(k);
        const std::vector<double> along = crossingsAlong(independent, std::atan2(Mnx, Mny));
        ASSERT_FALSE(along.empty()) << where;
        double miss = largest;
        for (double value : along) {
            miss = std::min(miss, std::fabs(value - std::hypot(Mnx, Mny)));
        }
        EXPECT_LE(miss, 0.01 * largest) << where << ", Mnx " << Mnx << ", Mny " << Mny;
    }
}

// The L (unsymmetric about both axes) from the squash side to tension, and the rectangle with
// its steel along one face at the tension load where the drifting target once gave a moment a
// quarter above the capacity.
TEST(ContourAtLoad, PointsLieOnTheIndependentContourAtTheLoad) {
    ProjectModel l = test::lSection();
    const SectionResults lSection = computeSectionSummary(l);
    const double lSquash = lSection.limits.Po / 1000.0;
    const double lTension = lSection.limits.To / 1000.0;
    for (double P : {0.75 * lSquash, 0.4 * lSquash, 0.0, 0.4 * lTension}) {
        expectContourAtLoad("L", l, P);
    }
    ProjectModel oneFace = test::oneFaceRectangle();
    const SectionResults oneFaceSection = computeSectionSummary(oneFace);
    for (double P : {0.75 * oneFaceSection.limits.Po / 1000.0, 66.0}) {
        expectContourAtLoad("one face", oneFace, P);
    }
}

} // namespace
} // namespace pmsect
