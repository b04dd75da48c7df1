// The 2D plot and the 3D view as recorded primitives: scales worked by hand, colours and their
// order, gaps at points not found, load colours, and nothing but axes without a surface.
#include "drawing_test_sections.h"
#include "results/plot_drawing.h"
#include "results/recording_canvas.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

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

CurveTable table(std::initializer_list<std::array<float, 3>> rows) {
    CurveTable t;
    for (const auto& r : rows) {
        ++t.count;
        t.pts[static_cast<std::size_t>(t.count)] = r;
        t.found[static_cast<std::size_t>(t.count)] = true;
    }
    return t;
}

TEST(Plot2D, PnMnUsesTheSmallerScaleWithCompressionUp) {
    RecordingCanvas c(600, 480);
    ProjectModel m = test::rectangleModel(12, 18);
    m.phiPnMax = -60000; // cap at -60 kips
    const CurveTable t = table({{0.5f, -150, 0}, {0.65f, -50, 100}, {0.9f, 50, 0}});
    // Scales 480/(1.2*200) = 2 and 600/(1.2*100) = 5: 2 both ways, centre (Mn 50, Pn -50).
    drawPlot2D(c, PlotMode::PnMn, t, t.count, {100, 0, 50, -150}, m, {});
    EXPECT_EQ(c.primitives().front().kind, PrimitiveKind::Clear);
    EXPECT_TRUE(hasLine(c, kLightBlue, 0, 340, 600, 340));
    EXPECT_TRUE(hasLine(c, kLightBlue, 200, 0, 200, 480));
    EXPECT_TRUE(hasLine(c, kDarkYellow, 200, 40, 400, 240));
    EXPECT_TRUE(hasLine(c, kDarkYellow, 400, 240, 200, 440));
    // Reduced: phi*Pn = -75 held at -60; (65, -32.5); (0, 45).
    EXPECT_TRUE(hasLine(c, kLightGreen, 200, 220, 330, 275));
    EXPECT_TRUE(hasLine(c, kLightGreen, 330, 275, 200, 430));
    EXPECT_EQ(c.count(PrimitiveKind::Line), 6u);
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightMagenta), 0u); // no section in Pn-Mn mode
    expectElementOrder(c, {{kLightBlue, 0}, {kDarkYellow, 1}, {kLightGreen, 2}});
}

TEST(Plot2D, RowsNotFoundBreakThePolylines) {
    RecordingCanvas c(600, 480);
    const ProjectModel m = test::rectangleModel(12, 18);
    CurveTable t =
        table({{0.6f, -150, 0}, {0.6f, -100, 60}, {0.6f, -50, 999}, {0.7f, 0, 80}, {0.9f, 50, 0}});
    t.found[3] = false;
    drawPlot2D(c, PlotMode::PnMn, t, t.count, {100, 0, 50, -150}, m, {true, false, true});
    EXPECT_EQ(c.count(PrimitiveKind::Line, kDarkYellow), 2u); // rows 1-2 and 4-5
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightGreen), 0u);
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Line, kDarkYellow)) {
        EXPECT_LT(p.x1, 300 + 2 * (999 - 50) - 1);
        EXPECT_LT(p.x2, 300 + 2 * (999 - 50) - 1);
    }
}

TEST(Plot2D, BiaxialIsCentredWithTheSectionOverIt) {
    RecordingCanvas c(600, 480);
    ProjectModel m = test::rectangleModel(12, 18);
    test::addBar(m, 4, 7, 8);
    const CurveTable t = table({{0.5f, 0, -100}, {0.5f, 100, 0}, {0, 0, 100}, {0, -100, 0}});
    // Horizontal range 2*100 centred on 0: scales 600/240 and 480/240, the smaller is 2.
    drawPlot2D(c, PlotMode::Biaxial, t, t.count, {100, 0, 50, -150}, m, {});
    EXPECT_TRUE(hasLine(c, kDarkYellow, 300, 40, 500, 240));
    EXPECT_TRUE(hasLine(c, kLightGreen, 300, 140, 400, 240));
    // Rows with phi 0 have no reduced point: only the segment between rows 1 and 2 remains.
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightGreen), 1u);
    // The nominal contour goes all the way round, its last direction joined to its first.
    EXPECT_EQ(c.count(PrimitiveKind::Line, kDarkYellow), 4u);
    EXPECT_TRUE(hasLine(c, kDarkYellow, 100, 240, 300, 40));
    // Section: 18 in tall = 2/3 of the largest moment = 133.3 px, 12 in wide in proportion.
    const auto outline = c.ofKind(PrimitiveKind::Line, kLightMagenta);
    ASSERT_EQ(outline.size(), 4u);
    double xmin = 1e9, xmax = -1e9, ymin = 1e9, ymax = -1e9;
    for (const DrawPrimitive& p : outline) {
        xmin = std::min({xmin, p.x1, p.x2});
        xmax = std::max({xmax, p.x1, p.x2});
        ymin = std::min({ymin, p.y1, p.y2});
        ymax = std::max({ymax, p.y1, p.y2});
    }
    EXPECT_NEAR(ymax - ymin, 2.0 / 3.0 * 100 * 2, 1e-6);
    EXPECT_NEAR(xmax - xmin, 12.0 / 18.0 * 2.0 / 3.0 * 100 * 2, 1e-6);
    EXPECT_NEAR((xmin + xmax) / 2, 300, 1e-6);
    ASSERT_EQ(c.count(PrimitiveKind::Circle, kLightMagenta), 1u);
    EXPECT_LT(c.ofKind(PrimitiveKind::Circle)[0].y1, 240); // bar at y = +7 drawn above
    expectElementOrder(c,
                       {{kLightBlue, 0}, {kDarkYellow, 1}, {kLightGreen, 2}, {kLightMagenta, 3}});

    RecordingCanvas without(600, 480);
    drawPlot2D(without, PlotMode::Biaxial, t, t.count, {100, 0, 50, -150}, m, {true, true, false});
    EXPECT_EQ(without.count(PrimitiveKind::Line, kLightMagenta), 0u);
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

void addLoad(ProjectModel& m, float Pu, float Mux, float phiPn, float phiMnx, float ratio,
             bool found) {
    const auto i = static_cast<std::size_t>(++m.numLoads);
    m.loads[i][kPu] = Pu;
    m.loads[i][kMux] = Mux;
    m.loads[i][kPhiPn] = phiPn;
    m.loads[i][kPhiMnx] = phiMnx;
    m.loads[i][kRatio] = ratio;
    m.loadStatus[i].capacityFound = found;
}

TEST(View3D, ElementsInOrderAndRingsClosed) {
    RecordingCanvas c(600, 400);
    ProjectModel m = test::rectangleModel(12, 18);
    test::addBar(m, 4, 7, 8);
    test::addBar(m, -4, -7, 8);
    m.phiPnMax = -150000;
    addLoad(m, -100, 10, -150, 15, 1.0f, true);
    addLoad(m, -250, 30, -120, 12, 1.5f, true);
    const SurfaceData s = smallSurface();
    drawView3D(c, s, m, 45, 30, {}, MomentScaleSource::Extents);
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
    drawView3D(g, gap, m, 45, 30, {true, false, false, false}, MomentScaleSource::Points);
    EXPECT_EQ(g.count(PrimitiveKind::Line, kDarkYellow), 3u * 4u + 4u * 2u - 4u);
    EXPECT_EQ(g.count(PrimitiveKind::Line, kLightGreen), 0u);
}

TEST(View3D, LoadColoursAndCapacityLines) {
    ProjectModel m = test::rectangleModel(12, 18);
    const SurfaceData s = smallSurface();
    const Scene3D scene(s, 0, 0, 600, 400, MomentScaleSource::Extents);
    const View3DOptions loadsOnly{false, false, true, false};

    RecordingCanvas c(600, 400);
    addLoad(m, -100, 10, -150, 15, 1.0f, true); // exactly at capacity: yellow
    drawView3D(c, s, m, 0, 0, loadsOnly, MomentScaleSource::Extents);
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

    m.numLoads = 0;
    addLoad(m, -100, 10, -50, 5, 1.5f, true); // beyond capacity
    RecordingCanvas c2(600, 400);
    drawView3D(c2, s, m, 0, 0, loadsOnly, MomentScaleSource::Extents);
    EXPECT_EQ(c2.count(PrimitiveKind::Line, kLightRed), 4u); // cross and capacity -> load
    EXPECT_EQ(c2.count(PrimitiveKind::Circle, kLightRed), 1u);
    EXPECT_EQ(c2.count(PrimitiveKind::Line, kYellow), 1u);
    EXPECT_EQ(c2.count(PrimitiveKind::Circle, kYellow), 1u);
    const ScreenPoint cap2 = scene.toScreen({5 * 12 * scene.k(), -50, 0});
    EXPECT_TRUE(hasLine(c2, kLightRed, cap2.x, cap2.y, L.x, L.y));

    m.numLoads = 0;
    addLoad(m, -100, 10, -150, 15, 0.5f, false); // capacity not established
    RecordingCanvas c3(600, 400);
    drawView3D(c3, s, m, 0, 0, loadsOnly, MomentScaleSource::Extents);
    EXPECT_EQ(c3.count(PrimitiveKind::Line, kLightRed), 3u);
    EXPECT_EQ(c3.count(PrimitiveKind::Circle, kLightRed), 1u);
    EXPECT_EQ(c3.count(PrimitiveKind::Line, kYellow) + c3.count(PrimitiveKind::Circle, kYellow),
              0u);
}

TEST(View3D, SectionLiesInThePnZeroPlaneInProportion) {
    RecordingCanvas c(600, 400);
    const ProjectModel m = test::rectangleModel(12, 18);
    const SurfaceData s = smallSurface();
    drawView3D(c, s, m, 0, 0, {false, false, false, true}, MomentScaleSource::Extents);
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

TEST(View3D, EmptySurfaceDrawsTheAxesOnly) {
    ProjectModel m = test::rectangleModel(12, 18);
    addLoad(m, -100, 10, -150, 15, 0.8f, true);
    for (auto source : {MomentScaleSource::Extents, MomentScaleSource::Points}) {
        RecordingCanvas c(600, 400);
        drawView3D(c, SurfaceData{}, m, 45, 30, {}, source);
        EXPECT_TRUE(allFinite(c));
        EXPECT_EQ(c.count(PrimitiveKind::Line), 3u);
        EXPECT_EQ(c.count(PrimitiveKind::Line, kLightBlue), 2u);
        EXPECT_EQ(c.count(PrimitiveKind::Line, kLightCyan), 1u);
        EXPECT_EQ(c.count(PrimitiveKind::Circle), 0u);
    }
}

} // namespace
} // namespace pmsect
