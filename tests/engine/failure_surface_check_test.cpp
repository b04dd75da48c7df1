// Every searched point of a curve lies on the failure surface: an independent search over the
// strain-compatibility solution (bisection on the depth for the point's Pn at each neutral-axis
// angle of a scan, then bisection on the angle for the curve's moment direction) gives the same
// moment within 1 % of the curve's largest moment.
#include "engine/curve_test_models.h"
#include "engine/interaction_curve.h"
#include "engine/strain_compat.h"
#include "project/engine_inputs_of.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>

namespace pmsect {
namespace {

struct Moment {
    double Mnx = 0;
    double Mny = 0;
};

double wrap180(double deg) {
    deg = std::fmod(deg, 360.0);
    if (deg > 180) {
        deg -= 360;
    }
    if (deg <= -180) {
        deg += 360;
    }
    return deg;
}

// The moment at axial force P with the neutral axis at naAngle: Pn grows more compressive with
// the depth, so the depth is bisected between a sliver and a fully compressed section.
std::optional<Moment> momentAtAxialForce(ProjectModel& m, double naAngle, double P) {
    const auto solve = [&](double c, EvaluationDetail& d) {
        NeutralAxisState s;
        s.c = static_cast<float>(c);
        solveNeutralAxis(engineInputsOf(m), static_cast<float>(naAngle), s, &d);
        return static_cast<double>(s.Pn);
    };
    EvaluationDetail d;
    double lo = 0.001; // Pn(lo) >= P
    double hi = 1000;  // Pn(hi) <= P
    if (solve(lo, d) < P || solve(hi, d) > P) {
        return std::nullopt;
    }
    for (int it = 0; it < 40; ++it) {
        const double mid = (lo + hi) / 2;
        (solve(mid, d) >= P ? lo : hi) = mid;
    }
    solve((lo + hi) / 2, d);
    return Moment{d.Mnx, d.Mny};
}

// Miss of the moment direction (tan = Mnx/Mny) from the target, in (-180, 180].
std::optional<double> directionMiss(ProjectModel& m, double naAngle, double P, double target,
                                    double* magnitude = nullptr) {
    const auto mo = momentAtAxialForce(m, naAngle, P);
    if (!mo) {
        return std::nullopt;
    }
    if (magnitude) {
        *magnitude = std::hypot(mo->Mnx, mo->Mny);
    }
    return wrap180(std::atan2(mo->Mnx, mo->Mny) * 180.0 / std::numbers::pi - target);
}

// The strength at axial force P in moment direction target (degrees).
std::optional<double> surfaceMoment(ProjectModel& m, double P, double target) {
    constexpr double kStep = 3;
    // One step past a full turn each way, so that a crossing at 0 is bracketed.
    std::optional<double> prev = directionMiss(m, -kStep, P, target);
    for (double a = 0; a <= 360 + kStep; a += kStep) {
        const std::optional<double> cur = directionMiss(m, a, P, target);
        if (prev && cur && std::fabs(*prev) < 90 && std::fabs(*cur) < 90 &&
            (*prev <= 0) != (*cur <= 0)) {
            double lo = a - kStep;
            double hi = a;
            const bool risingAtLo = *prev <= 0;
            for (int it = 0; it < 25; ++it) {
                const double mid = (lo + hi) / 2;
                const std::optional<double> miss = directionMiss(m, mid, P, target);
                if (!miss) {
                    return std::nullopt;
                }
                ((*miss <= 0) == risingAtLo ? lo : hi) = mid;
            }
            double magnitude = 0;
            directionMiss(m, (lo + hi) / 2, P, target, &magnitude);
            return magnitude;
        }
        prev = cur;
    }
    return std::nullopt;
}

void expectOnSurface(ProjectModel& m, float theta) {
    const SectionResults section = computeSectionSummary(m);
    CurveDepthMemo memo;
    const CurveTable t = test::curveOf(m, section, theta, memo);
    double largest = 0;
    for (int i = 1; i <= t.count; ++i) {
        largest = std::max(largest, std::fabs(static_cast<double>(t.col2(i))));
    }
    ASSERT_GT(largest, 0);
    int checked = 0;
    // Rows 1 and count are the squash and tension ends, placed with Mn = 0 by definition.
    for (int i = 2; i < t.count; ++i) {
        if (!t.isFound(i)) {
            continue;
        }
        const double Mn = t.col2(i);
        // A negative moment is the strength in the opposite direction.
        const std::optional<double> expected =
            Mn >= 0 ? surfaceMoment(m, t.col1(i), theta) : surfaceMoment(m, t.col1(i), theta + 180);
        ASSERT_TRUE(expected.has_value()) << "theta " << theta << " row " << i;
        EXPECT_NEAR(std::fabs(Mn), *expected, 0.01 * largest)
            << "theta " << theta << " row " << i << " Pn " << t.col1(i);
        ++checked;
    }
    EXPECT_GE(checked, t.count - 6) << "theta " << theta;
}

TEST(FailureSurfaceCheck, NewProjectSectionCurvesLieOnTheSurface) {
    ProjectModel m = test::newProjectModel();
    for (float theta : {90.0f, 0.0f, 37.0f, 200.0f}) {
        expectOnSurface(m, theta);
    }
}

TEST(FailureSurfaceCheck, LShapedSectionCurvesLieOnTheSurface) {
    ProjectModel m = test::lShapedModel();
    // The reference point is the centroid of the L: 8.78 in from each outer face (gross
    // centroid 8.8 in, moved a little by the bars).
    ASSERT_NEAR(m.refX, 8.8, 0.1);
    ASSERT_NEAR(m.refY, 8.8, 0.1);
    for (float theta : {0.0f, 45.0f, 135.0f, 300.0f}) {
        expectOnSurface(m, theta);
    }
}

} // namespace
} // namespace pmsect
