// Control points against hand computations: a 12 x 20 in rectangle with two layers of bars in
// closed form, and the program's round (20-sided) section by strip integration of its outline;
// strains by the ACI 318 assumptions (0.003 at the extreme fibre, 0.85 f'c over beta1 c, bars
// elastic-perfectly-plastic, the concrete a bar displaces left out), phi by ACI 318-05 9.3.2.
#include "building/new_project.h"
#include "building/section_generators.h"
#include "engine/control_points.h"
#include "engine/curve_test_models.h"
#include "engine/interaction_curve.h"
#include "format/number_format.h"
#include "model/model_fields.h"
#include "project/design_code_choice.h"
#include "project/project_summary.h"
#include "results/control_point_table.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace pmsect {
namespace {

constexpr double kFc = 3.0;  // ksi, the new project's f'c
constexpr double kFy = 60.0; // ksi
constexpr double kEs = 29000.0;
constexpr double kBeta1 = 0.85;
constexpr double kBar8 = 0.79; // in^2, #8

struct HandBar {
    double x;
    double y;
};

struct HandSection {
    double top = 0; // y of the extreme compression fibre
    // The width of the concrete at height y.
    std::function<double(double)> width;
    std::vector<HandBar> bars;
};

struct HandPoint {
    double P = 0; // kips, compression negative
    double M = 0; // kip-in about the reference point (0, 0), compression at the top positive
    double epsT = 0;
};

// The stress block integrated in thin strips; each bar by its strain.
HandPoint handAt(const HandSection& s, double c) {
    HandPoint out;
    const double a = kBeta1 * c;
    constexpr int kStrips = 4000;
    const double dy = a / kStrips;
    for (int k = 0; k < kStrips; ++k) {
        const double y = s.top - (k + 0.5) * dy;
        const double force = 0.85 * kFc * s.width(y) * dy; // compression
        out.P -= force;
        out.M += force * y;
    }
    double deepest = 0;
    for (const HandBar& b : s.bars) {
        const double d = s.top - b.y;
        deepest = std::max(deepest, d);
        const double eps = 0.003 * (d - c) / c; // tension positive
        double F = kBar8 * std::clamp(kEs * eps, -kFy, kFy);
        if (d < a) {
            F += kBar8 * 0.85 * kFc; // the concrete the bar takes the place of
        }
        out.P += F;
        out.M -= F * b.y;
    }
    out.epsT = 0.003 * (deepest - c) / c;
    return out;
}

double handPhi(double epsT) {
    return std::clamp(0.65 + (epsT - 0.002) * 0.25 / 0.003, 0.65, 0.90);
}

// The depth giving the axial force P: P grows (towards tension) as c shrinks.
double handDepthFor(const HandSection& s, double P) {
    double lo = 0.01;
    double hi = 200;
    for (int i = 0; i < 200; ++i) {
        const double mid = (lo + hi) / 2;
        (handAt(s, mid).P > P ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

double dtOf(const HandSection& s) {
    double deepest = 0;
    for (const HandBar& b : s.bars) {
        deepest = std::max(deepest, s.top - b.y);
    }
    return deepest;
}

void placeBars(ProjectModel& m, const std::vector<HandBar>& bars) {
    m.barLayout = kPlacedBars;
    m.numBars = 0;
    for (const HandBar& b : bars) {
        m.bars[static_cast<std::size_t>(++m.numBars)] = {static_cast<float>(b.x),
                                                         static_cast<float>(b.y), 8};
    }
}

struct Case {
    ProjectModel model;
    HandSection hand;
    SectionResults section; // of the model's last summary
};

Case rectangleCase() {
    Case k{test::newProjectModel(), {}, {}};
    chooseRectangularSection(k.model, 12, 20);
    k.hand.top = 10;
    k.hand.width = [](double y) { return std::fabs(y) <= 10 ? 12.0 : 0.0; };
    k.hand.bars = {{-4, 7.5}, {0, 7.5}, {4, 7.5}, {-4, -7.5}, {0, -7.5}, {4, -7.5}};
    placeBars(k.model, k.hand.bars);
    k.section = computeSectionSummary(k.model);
    return k;
}

// The width of a convex outline at height y, from where its edges cross that height.
double polygonWidth(const std::vector<Point>& pts, double y) {
    double lo = 1e30;
    double hi = -1e30;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const Point p = pts[i];
        const Point q = pts[(i + 1) % pts.size()];
        if ((p.y - y) * (q.y - y) <= 0 && p.y != q.y) {
            const double x = p.x + (y - p.y) * (q.x - p.x) / (q.y - p.y);
            lo = std::min(lo, x);
            hi = std::max(hi, x);
        }
    }
    return hi > lo ? hi - lo : 0.0;
}

Case roundCase() {
    Case k{test::newProjectModel(), {}, {}};
    chooseRoundSection(k.model, 20);
    applyRoundPolygonArea(k.model);
    const auto outline = outlinePoints(k.model);
    std::vector<Point> pts(outline.begin(), outline.end());
    k.hand.top = -1e30;
    for (const Point& p : pts) {
        k.hand.top = std::max(k.hand.top, static_cast<double>(p.y));
    }
    k.hand.width = [pts](double y) { return polygonWidth(pts, y); };
    for (int i = 0; i < 8; ++i) {
        const double t = i * 2 * M_PI / 8;
        // The bars as the model stores them, single precision.
        k.hand.bars.push_back(
            {static_cast<float>(7.5 * std::cos(t)), static_cast<float>(7.5 * std::sin(t))});
    }
    placeBars(k.model, k.hand.bars);
    k.section = computeSectionSummary(k.model);
    return k;
}

const ControlPoint& pointOf(const ControlPoints& points, ControlPointKind kind) {
    return points[static_cast<std::size_t>(kind)];
}

// Each strain-defined point: the depth from the strain, then Pn, Mn and phi by hand.
void expectStrainPoints(const Case& k, const ControlPoints& points) {
    const double dt = dtOf(k.hand);
    const double ety = kFy / kEs;
    const struct {
        ControlPointKind kind;
        double epsT;
    } cases[] = {{ControlPointKind::Fs0, 0.0},
                 {ControlPointKind::FsHalfFy, 0.5 * ety},
                 {ControlPointKind::Balanced, ety},
                 {ControlPointKind::TensionControlled, 0.005}};
    for (const auto& e : cases) {
        SCOPED_TRACE(std::string(controlPointName(e.kind)));
        const ControlPoint& p = pointOf(points, e.kind);
        ASSERT_TRUE(p.found);
        const double c = 0.003 * dt / (0.003 + e.epsT);
        const HandPoint h = handAt(k.hand, c);
        ASSERT_TRUE(p.c && p.epsT && p.Mn);
        EXPECT_NEAR(*p.c, c, 1e-4 * c);
        EXPECT_NEAR(*p.epsT, e.epsT, 2e-6);
        // Single-precision sums against double strips: a thousandth and a few hundredths of a kip.
        EXPECT_NEAR(p.Pn, h.P, 1e-3 * std::fabs(h.P) + 0.05);
        EXPECT_NEAR(*p.Mn, h.M, 1e-3 * std::fabs(h.M));
        EXPECT_NEAR(p.phi, handPhi(h.epsT), 1e-4);
        EXPECT_NEAR(p.phiMn, p.phi * *p.Mn, 1e-3 * std::fabs(h.M));
    }
}

void expectConcentricAndSearchedPoints(const Case& k, const ControlPoints& points) {
    const double As = kBar8 * static_cast<double>(k.hand.bars.size());
    const double Ag = k.model.grossArea;
    const double Po = -(0.85 * kFc * (Ag - As) + kFy * As);
    const ControlPoint& po = pointOf(points, ControlPointKind::Compression);
    EXPECT_FALSE(po.c || po.epsT);
    EXPECT_NEAR(po.Pn, Po, 1e-4 * std::fabs(Po));
    EXPECT_NEAR(po.phiPn, 0.65 * Po, 1e-4 * std::fabs(Po));

    const ControlPoint& to = pointOf(points, ControlPointKind::Tension);
    EXPECT_NEAR(to.Pn, kFy * As, 1e-3);
    EXPECT_NEAR(to.phiPn, 0.9 * kFy * As, 1e-3);

    // The cap: 0.80 * 0.65 * Po, its nominal load, and the moment where the cap meets the curve.
    const ControlPoint& cap = pointOf(points, ControlPointKind::PhiPnMax);
    ASSERT_TRUE(cap.found);
    EXPECT_FALSE(cap.c || cap.epsT || cap.Mn);
    EXPECT_NEAR(cap.phiPn, 0.8 * 0.65 * Po, 1e-4 * std::fabs(Po));
    EXPECT_NEAR(cap.Pn, 0.8 * Po, 1e-4 * std::fabs(Po));
    const HandPoint corner = handAt(k.hand, handDepthFor(k.hand, 0.8 * Po));
    EXPECT_NEAR(cap.phiMn, 0.65 * corner.M, 2e-3 * 0.65 * corner.M);

    const ControlPoint& pb = pointOf(points, ControlPointKind::PureBending);
    ASSERT_TRUE(pb.found && pb.Mn && pb.c);
    const double c0 = handDepthFor(k.hand, 0.0);
    const HandPoint bending = handAt(k.hand, c0);
    EXPECT_NEAR(pb.Pn, 0.0, 1e-3);
    EXPECT_NEAR(*pb.c, c0, 2e-3 * c0);
    EXPECT_NEAR(*pb.Mn, bending.M, 2e-3 * bending.M);
    EXPECT_NEAR(pb.phi, handPhi(bending.epsT), 1e-3);
}

TEST(ControlPoints, RectangleAgreesWithTheClosedFormHandComputation) {
    const Case k = rectangleCase();
    const ControlPoints points = test::controlPointsOf(k.model, k.section, 90);
    expectStrainPoints(k, points);
    expectConcentricAndSearchedPoints(k, points);
    // A worked figure to read beside the table: fs = 0 puts c at dt = 17.5 in, where
    // Cc = 0.85*3*12*0.85*17.5 = 455.18 k and the top bars yield (eps' = 0.00257 > 0.00207).
    const ControlPoint& fs0 = pointOf(points, ControlPointKind::Fs0);
    EXPECT_NEAR(fs0.Pn, -(455.175 + 3 * 0.79 * (60 - 2.55)), 0.05);
}

TEST(ControlPoints, RoundSectionAgreesWithStripIntegrationOfItsOutline) {
    const Case k = roundCase();
    const ControlPoints points = test::controlPointsOf(k.model, k.section, 90);
    expectStrainPoints(k, points);
    expectConcentricAndSearchedPoints(k, points);
}

TEST(ControlPoints, TheTensionControlledLimitFollowsTheEdition) {
    Case k = rectangleCase();
    applyDesignCode(k.model, DesignCode::Aci318_19);
    k.section = computeSectionSummary(k.model);
    const ControlPoints points = test::controlPointsOf(k.model, k.section, 90);
    const double ety = 60000.0 / 29000000.0;
    EXPECT_NEAR(*pointOf(points, ControlPointKind::TensionControlled).epsT, ety + 0.003, 2e-6);
    // Balanced stays at the yield strain whatever the edition.
    EXPECT_NEAR(*pointOf(points, ControlPointKind::Balanced).epsT, ety, 2e-6);
    EXPECT_NEAR(pointOf(points, ControlPointKind::TensionControlled).phi, 0.90, 1e-5);
}

TEST(ControlPoints, LieOnTheCurveOfTheirDirectionForAnUnsymmetricSection) {
    ProjectModel m = test::lShapedModel();
    const SectionResults section = computeSectionSummary(m);
    const ProjectModel before = m;
    const ControlPoints points = test::controlPointsOf(m, section, 30);
    // The model is left as it was.
    EXPECT_EQ(robust::firstDifference(m, before), "");
    CurveDepthMemo memo;
    const CurveTable curve = test::curveOf(m, section, 30, memo);
    // Every strain point between two rows of the curve lies on the segment joining them.
    for (ControlPointKind kind : {ControlPointKind::Fs0, ControlPointKind::FsHalfFy,
                                  ControlPointKind::Balanced, ControlPointKind::PureBending}) {
        SCOPED_TRACE(std::string(controlPointName(kind)));
        const ControlPoint& p = pointOf(points, kind);
        ASSERT_TRUE(p.found);
        bool bracketed = false;
        for (int i = 1; i < curve.count; ++i) {
            const double p1 = curve.col1(i);
            const double p2 = curve.col1(i + 1);
            if (p1 <= p.Pn && p.Pn <= p2 && p2 > p1) {
                const double t = (p.Pn - p1) / (p2 - p1);
                const double M = curve.col2(i) + t * (curve.col2(i + 1) - curve.col2(i));
                // The curve between its rows is a chord of a convex curve: a few percent.
                EXPECT_NEAR(*p.Mn, M, 0.05 * M);
                bracketed = true;
            }
        }
        EXPECT_TRUE(bracketed);
    }
}

TEST(ControlPoints, ASectionWithoutBarsHasOnlyItsConcentricPoints) {
    Case k = rectangleCase();
    k.model.numBars = 0;
    k.section = computeSectionSummary(k.model);
    const ControlPoints points = test::controlPointsOf(k.model, k.section, 90);
    EXPECT_TRUE(pointOf(points, ControlPointKind::Compression).found);
    EXPECT_FALSE(pointOf(points, ControlPointKind::Balanced).found);
    const auto lines = controlPointTableLines(points, k.model.units);
    ASSERT_EQ(lines.size(), 2u + kControlPointCount);
    EXPECT_NE(lines[2 + static_cast<int>(ControlPointKind::Balanced)].find("not found"),
              std::string::npos);
}

TEST(ControlPointTable, ShowsTheDisplayUnits) {
    const Case k = rectangleCase();
    ProjectModel m = k.model;
    m.units.forceFactor = 4.448222f;
    m.units.forceLabel = "kN";
    m.units.momentFactor = 1.355818f;
    m.units.momentLabel = "kN-m";
    const ControlPoints points = test::controlPointsOf(m, k.section, 90);
    const auto lines = controlPointTableLines(points, m.units);
    EXPECT_NE(lines[1].find("(kN)"), std::string::npos);
    EXPECT_NE(lines[1].find("(kN-m)"), std::string::npos);
    // Pure compression: Po in kN, one decimal.
    const double Po = pointOf(points, ControlPointKind::Compression).Pn * 4.448222;
    const std::string expected = formatNumber(Po, "#,##0.0");
    EXPECT_NE(lines[2].find(expected), std::string::npos) << lines[2] << " / " << expected;
}

} // namespace
} // namespace pmsect
