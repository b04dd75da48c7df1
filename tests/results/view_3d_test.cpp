// The 3D view as recorded primitives: colours and their order, gaps at points not found, load
// colours, the fit inside the picture and nothing but axes without a surface; and the 3D scene's
// moment scale, projection and fit.
#include "drawing_test_sections.h"
#include "engine/curve_test_models.h"
#include "io/project_file.h"
#include "results/plot_drawing.h"
#include "results/recording_canvas.h"
#include "results/scene_3d.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>

namespace pmsect {
namespace {

bool allFinite(const RecordingCanvas& c) {
    return std::all_of(c.primitives().begin(), c.primitives().end(), [](const DrawPrimitive& p) {
        return std::isfinite(p.x1) && std::isfinite(p.y1) && std::isfinite(p.x2) &&
               std::isfinite(p.y2) && std::isfinite(p.radius);
    });
}

// Every primitive's colour belongs to an element no earlier than the one before it.
void expectElementOrder(const RecordingCanvas& c, const std::map<int, int>& elementOf) {
    int last = -1;
    for (const DrawPrimitive& p : c.primitives()) {
        if (p.kind == PrimitiveKind::Clear) {
            continue;
        }
        ASSERT_TRUE(elementOf.count(p.colour)) << "colour " << p.colour;
        EXPECT_GE(elementOf.at(p.colour), last) << "colour " << p.colour;
        last = std::max(last, elementOf.at(p.colour));
    }
}

bool hasLine(const RecordingCanvas& c, int colour, double x1, double y1, double x2, double y2) {
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Line, colour)) {
        if (std::fabs(p.x1 - x1) < 1e-3 && std::fabs(p.y1 - y1) < 1e-3 &&
            std::fabs(p.x2 - x2) < 1e-3 && std::fabs(p.y2 - y2) < 1e-3) {
            return true;
        }
    }
    return false;
}

// Four directions, three rows: squash, a bending point and the tension end.
SurfaceData smallSurface() {
    SurfaceData s;
    s.sections = 4;
    s.rowCount = 3;
    for (std::size_t j = 1; j <= 4; ++j) {
        s.pts[j][1] = {0.6f, -300, 0};
        s.pts[j][2] = {0.7f, -100, 200};
        s.pts[j][3] = {0.9f, 100, 0};
        s.found[j][1] = s.found[j][2] = s.found[j][3] = true;
    }
    s.extents = {200, 0, 100, -300};
    return s;
}

void addLoad(ProjectModel& m, SectionResults& checks, float Pu, float Mux, float phiPn,
             float phiMnx, float ratio, bool found) {
    LoadResult r;
    r.phiPn = phiPn;
    r.phiMnx = phiMnx;
    r.ratio = ratio;
    r.capacityFound = found;
    appendCheckedLoad(m, checks, {{Pu, Mux, 0}, r, {}});
}

TEST(View3D, ElementsInOrderAndRingsClosed) {
    RecordingCanvas c(600, 400);
    ProjectModel m = test::rectangleModel(12, 18);
    SectionResults checks;
    test::addBar(m, 4, 7, 8);
    test::addBar(m, -4, -7, 8);
    addLoad(m, checks, -100, 10, -150, 15, 1.0f, true);
    addLoad(m, checks, -250, 30, -120, 12, 1.5f, true);
    SurfaceData s = smallSurface();
    s.limits.phiPnMax = -150000;
    drawView3D(c, s, m, checks, 45, 30, {}, MomentScaleSource::Extents);
    EXPECT_TRUE(allFinite(c));
    expectElementOrder(c, {{kLightBlue, 0},
                           {kLightCyan, 1},
                           {kDarkYellow, 2},
                           {kLightGreen, 3},
                           {kYellow, 4},
                           {kLightRed, 4},
                           {kLightMagenta, 5}});
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightBlue), 2u);
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightCyan), 1u);
    // Three closed rings of four segments and four polylines of two.
    EXPECT_EQ(c.count(PrimitiveKind::Line, kDarkYellow), 3u * 4u + 4u * 2u);
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightGreen), 3u * 4u + 4u * 2u);
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightMagenta), 4u);
    EXPECT_EQ(c.count(PrimitiveKind::Circle, kLightMagenta), 2u);

    SurfaceData gap = s;
    gap.found[2][2] = false; // two segments of ring 2 and two of direction 2 go
    RecordingCanvas g(600, 400);
    drawView3D(g, gap, m, checks, 45, 30, {true, false, false, false}, MomentScaleSource::Points);
    EXPECT_EQ(g.count(PrimitiveKind::Line, kDarkYellow), 3u * 4u + 4u * 2u - 4u);
    EXPECT_EQ(g.count(PrimitiveKind::Line, kLightGreen), 0u);
}

TEST(View3D, LoadColoursAndCapacityLines) {
    ProjectModel m = test::rectangleModel(12, 18);
    SectionResults checks;
    const SurfaceData s = smallSurface();
    const View3DOptions loadsOnly{false, false, true, false};

    RecordingCanvas c(600, 400);
    addLoad(m, checks, -100, 10, -150, 15, 1.0f, true); // exactly at capacity: yellow
    // The view frames the loads with the surface.
    const Scene3D scene(s, 0, 0, 600, 400, MomentScaleSource::Extents, &m, &checks);
    drawView3D(c, s, m, checks, 0, 0, loadsOnly, MomentScaleSource::Extents);
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightRed) + c.count(PrimitiveKind::Circle, kLightRed),
              0u);
    EXPECT_EQ(c.count(PrimitiveKind::Line, kYellow), 4u); // cross and the load line
    EXPECT_EQ(c.count(PrimitiveKind::Circle, kYellow), 1u);
    const ScreenPoint o = scene.toScreen({0, 0, 0});
    const ScreenPoint cap = scene.toScreen({15 * 12 * scene.k(), -150, 0});
    EXPECT_TRUE(hasLine(c, kYellow, o.x, o.y, cap.x, cap.y));
    // The X arm of the cross is horizontal at these angles: 2 * 600/50 long.
    const ScreenPoint L = scene.toScreen({10 * 12 * scene.k(), -100, 0});
    EXPECT_TRUE(hasLine(c, kYellow, L.x - 12, L.y, L.x + 12, L.y));

    m.loads.resize(0);
    addLoad(m, checks, -100, 10, -50, 5, 1.5f, true); // beyond capacity
    RecordingCanvas c2(600, 400);
    drawView3D(c2, s, m, checks, 0, 0, loadsOnly, MomentScaleSource::Extents);
    const Scene3D scene2(s, 0, 0, 600, 400, MomentScaleSource::Extents, &m, &checks);
    EXPECT_EQ(c2.count(PrimitiveKind::Line, kLightRed), 4u); // cross and capacity -> load
    EXPECT_EQ(c2.count(PrimitiveKind::Circle, kLightRed), 1u);
    EXPECT_EQ(c2.count(PrimitiveKind::Line, kYellow), 1u);
    EXPECT_EQ(c2.count(PrimitiveKind::Circle, kYellow), 1u);
    const ScreenPoint cap2 = scene2.toScreen({5 * 12 * scene2.k(), -50, 0});
    const ScreenPoint L2 = scene2.toScreen({10 * 12 * scene2.k(), -100, 0});
    EXPECT_TRUE(hasLine(c2, kLightRed, cap2.x, cap2.y, L2.x, L2.y));

    m.loads.resize(0);
    addLoad(m, checks, -100, 10, -150, 15, 0.5f, false); // capacity not established
    RecordingCanvas c3(600, 400);
    drawView3D(c3, s, m, checks, 0, 0, loadsOnly, MomentScaleSource::Extents);
    EXPECT_EQ(c3.count(PrimitiveKind::Line, kLightRed), 3u);
    EXPECT_EQ(c3.count(PrimitiveKind::Circle, kLightRed), 1u);
    EXPECT_EQ(c3.count(PrimitiveKind::Line, kYellow) + c3.count(PrimitiveKind::Circle, kYellow),
              0u);
}

TEST(View3D, SectionLiesInThePnZeroPlaneInProportion) {
    RecordingCanvas c(600, 400);
    const ProjectModel m = test::rectangleModel(12, 18);
    SectionResults checks;
    const SurfaceData s = smallSurface();
    drawView3D(c, s, m, checks, 0, 0, {false, false, false, true}, MomentScaleSource::Extents);
    const Scene3D scene(s, 0, 0, 600, 400, MomentScaleSource::Extents);
    // Seen edge-on: every outline point at the height of Pn = 0, 12 in across at
    // 2/3*200*k/18 model units per inch.
    const double y0 = scene.toScreen({0, 0, 0}).y;
    double xmin = 1e9, xmax = -1e9;
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Line, kLightMagenta)) {
        EXPECT_NEAR(p.y1, y0, 1e-9);
        xmin = std::min({xmin, p.x1, p.x2});
        xmax = std::max({xmax, p.x1, p.x2});
    }
    EXPECT_NEAR(xmax - xmin, 12 * (2.0 / 3.0 * 200 * scene.k() / 18) * scene.screenScale(), 1e-6);
}

// Every point a drawing puts down, with the start of each text.
void expectInside(const RecordingCanvas& c) {
    for (const DrawPrimitive& p : c.primitives()) {
        if (p.kind == PrimitiveKind::Clear) {
            continue;
        }
        ASSERT_GE(p.x1, 0);
        ASSERT_LE(p.x1, c.width());
        ASSERT_GE(p.y1, 0);
        ASSERT_LE(p.y1, c.height());
        if (p.kind == PrimitiveKind::Text) {
            // The whole text, not only where it starts: the axis titles carry their units.
            ASSERT_LE(p.x1 + c.textWidth(p.text), c.width() + 1e-9) << p.text;
        }
        if (p.kind == PrimitiveKind::Line) {
            ASSERT_GE(p.x2, 0);
            ASSERT_LE(p.x2, c.width());
            ASSERT_GE(p.y2, 0);
            ASSERT_LE(p.y2, c.height());
        }
    }
}

// The surface, the axes and the loads fit at every view angle and number of sections, in a
// wide picture and a tall one.
TEST(View3D, EverythingStaysInsideThePictureAtEveryAngle) {
    ProjectModel m;
    SectionResults section;
    ASSERT_TRUE(loadProjectFile(std::string(PMSECT_TEST_DATA) + "/golden/forty_loads.rcs", m,
                                LoadChecks::Now, &section));
    for (float sections : {4.0f, 8.0f, 32.0f}) {
        CurveDepthMemo memo;
        const auto s = std::make_unique<SurfaceData>(test::surfaceOf(m, section, sections, memo));
        for (auto [w, h] : {std::pair{600.0, 400.0}, std::pair{300.0, 500.0}}) {
            for (int H = 0; H <= 360; H += 15) {
                for (int V = -90; V <= 90; V += 15) {
                    SCOPED_TRACE(testing::Message() << sections << " sections, " << H << "/" << V
                                                    << " in " << w << "x" << h);
                    RecordingCanvas c(w, h);
                    drawView3D(c, *s, m, section, H, V, {}, MomentScaleSource::Extents);
                    expectInside(c);
                    RecordingCanvas large(w, h);
                    drawView3D(large, *s, m, section, H, V, {}, MomentScaleSource::Points);
                    expectInside(large);
                }
            }
        }
    }
}

TEST(View3D, AxesCarryTheirNamesWithTheirUnitsAtTheirEnds) {
    RecordingCanvas c(600, 400);
    const ProjectModel m = test::rectangleModel(12, 18);
    SectionResults checks;
    const SurfaceData s = smallSurface();
    drawView3D(c, s, m, checks, 0, 0, {}, MomentScaleSource::Extents);
    const Scene3D scene(s, 0, 0, 600, 400, MomentScaleSource::Extents, &m, &checks);
    const auto texts = c.ofKind(PrimitiveKind::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "Mnx (ft-k)");
    EXPECT_EQ(texts[1].text, "Mny (ft-k)");
    EXPECT_EQ(texts[2].text, "Pn (k)");
    // Mnx beside the +X end: to the right at these angles; Pn at the compression end, on top.
    // (drawn back inside the picture when the end lies closer to its edge than the name is long).
    EXPECT_NEAR(texts[0].x1,
                std::min(scene.toScreen({scene.momentAxisHalf(), 0, 0}).x + 3,
                         600 - c.textWidth("Mnx (ft-k)")),
                1e-9);
    EXPECT_LT(texts[2].y1, scene.toScreen({0, 0, 0}).y);
}

TEST(View3D, EmptySurfaceDrawsTheAxesOnly) {
    ProjectModel m = test::rectangleModel(12, 18);
    SectionResults checks;
    addLoad(m, checks, -100, 10, -150, 15, 0.8f, true);
    for (auto source : {MomentScaleSource::Extents, MomentScaleSource::Points}) {
        RecordingCanvas c(600, 400);
        drawView3D(c, SurfaceData{}, m, checks, 45, 30, {}, source);
        EXPECT_TRUE(allFinite(c));
        EXPECT_EQ(c.count(PrimitiveKind::Line), 3u);
        EXPECT_EQ(c.count(PrimitiveKind::Line, kLightBlue), 2u);
        EXPECT_EQ(c.count(PrimitiveKind::Line, kLightCyan), 1u);
        EXPECT_EQ(c.count(PrimitiveKind::Circle), 0u);
    }
}

TEST(MomentScale, FromExtentsAndFromPoints) {
    SurfaceData s;
    s.sections = 2;
    s.rowCount = 2;
    s.pts[1][1] = {0.6f, -300, 100};
    s.pts[1][2] = {0.9f, -100, 50};  // every found Pn compressive: pMax stays 0
    s.pts[2][1] = {0.6f, -500, 400}; // not found: left out of the points' scale
    s.found[1][1] = s.found[1][2] = true;
    const MomentScale p = momentScaleFromPoints(s);
    EXPECT_EQ(p.mMax, 100);
    EXPECT_EQ(p.pMin, -300);
    EXPECT_EQ(p.pMax, 0);
    EXPECT_DOUBLE_EQ(p.k, 1.5 * 300 / 200);

    const MomentScale e = momentScaleFromExtents({200, 0, 0, -600});
    EXPECT_DOUBLE_EQ(e.k, 1.5 * 600 / 400);
    // No moment or no axial range: a neutral scale instead of a division by zero.
    EXPECT_EQ(momentScaleFromExtents({0, 0, 50, -600}).k, 1.0);
    EXPECT_EQ(momentScaleFromExtents({100, 0, 0, 0}).k, 1.0);
    EXPECT_EQ(momentScaleFromPoints(SurfaceData{}).k, 1.0);
}

TEST(Scene3D, ProjectionAtZeroAnglesIsTheXYPlane) {
    const ModelPoint p{3, -7, 11};
    const Projected q = projectPoint(p, 0, 0);
    EXPECT_DOUBLE_EQ(q.u, 3);
    EXPECT_DOUBLE_EQ(q.w, -7);
    // Turned a quarter horizontally the view looks along X: u = Z.
    const double quarter = 90 * 3.1415 / 180;
    EXPECT_NEAR(projectPoint(p, quarter, 0).u, 11, 1e-3);
    // Looking straight down (v = 90): w = -Z at h = 0.
    EXPECT_NEAR(projectPoint(p, 0, quarter).w, -11, 1e-3);
}

TEST(Scene3D, FitTakesTheSmallerScaleOverSurfaceAndAxes) {
    SurfaceData s;
    s.sections = 2;
    s.rowCount = 2;
    s.pts[1][1] = {1, -300, 0};
    s.pts[1][2] = {1, 100, 200};
    s.found[1][1] = s.found[1][2] = true;
    s.extents = {200, 0, 100, -300};
    const Scene3D scene(s, 0, 0, 600, 400, MomentScaleSource::Extents);
    // k = 1.5*400/(2*200) = 1.5. The moment axis spans u = -300..300, the Pn axis
    // w = 1.1*(-300)..1.1*100 = -330..110: candidates 400/(1.2*440) and 600/(1.2*600), the
    // smaller is 400/528, so that the taller extent fits.
    EXPECT_DOUBLE_EQ(scene.k(), 1.5);
    const double scale = 400.0 / 528.0;
    EXPECT_DOUBLE_EQ(scene.screenScale(), scale);
    const ScreenPoint top = scene.toScreen({0, -330, 0});
    const ScreenPoint right = scene.toScreen({300, 110, 0});
    EXPECT_NEAR(top.x, 300, 1e-9);
    EXPECT_NEAR(right.x, 300 + scale * 300, 1e-9);
    EXPECT_NEAR(top.y, 200 - scale * 220, 1e-9); // compression towards the top
    EXPECT_NEAR(right.y, 200 + scale * 220, 1e-9);
    // Within a margin of a twelfth of the height on either side.
    EXPECT_NEAR(top.y, 400.0 / 12, 1e-9);
}

TEST(Scene3D, EmptySurfaceHasAFiniteScale) {
    const SurfaceData s;
    for (auto source : {MomentScaleSource::Extents, MomentScaleSource::Points}) {
        const Scene3D scene(s, 45, 30, 600, 400, source);
        EXPECT_FALSE(scene.hasSurface());
        EXPECT_TRUE(std::isfinite(scene.screenScale()));
        EXPECT_GT(scene.screenScale(), 0);
        EXPECT_GT(scene.momentAxisHalf(), 0); // unit axes, so that they still show
        const ScreenPoint p = scene.toScreen({1, 1, 1});
        EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
    }
}

} // namespace
} // namespace pmsect
