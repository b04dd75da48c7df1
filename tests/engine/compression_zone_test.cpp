// The compressed part of the section against an independent polygon intersection.
#include "engine/compression_zone.h"
#include "engine/polygon_properties.h"
#include "project/engine_inputs_of.h"
#include "test_sections.h"

// Boost.Geometry's rescaling trips GCC's may-be-uninitialized analysis once inlined at -O2; the
// oracle's own code is not at fault.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <boost/geometry.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#pragma GCC diagnostic pop
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace pmsect {
namespace {

namespace bg = boost::geometry;
using BPoint = bg::model::d2::point_xy<double>;
using BPolygon = bg::model::polygon<BPoint>;

struct Measured {
    double area = 0;
    double cx = 0;
    double cy = 0;
};

// Area and centroid of the outline's intersection with the half-plane y >= yc.
Measured exactZone(const std::vector<Point>& outline, double yc) {
    BPolygon poly;
    for (const Point& p : outline) {
        bg::append(poly.outer(), BPoint(p.x, p.y));
    }
    bg::correct(poly);
    // A box just round the outline: a far larger one costs Boost's robust arithmetic digits.
    double lo = outline[0].x, hi = outline[0].x, top = outline[0].y;
    for (const Point& p : outline) {
        lo = std::min<double>(lo, p.x);
        hi = std::max<double>(hi, p.x);
        top = std::max<double>(top, p.y);
    }
    BPolygon box;
    for (auto [x, y] :
         {std::pair{lo - 1, yc}, {lo - 1, top + 1}, {hi + 1, top + 1}, {hi + 1, yc}}) {
        bg::append(box.outer(), BPoint(x, y));
    }
    bg::correct(box);
    std::vector<BPolygon> pieces;
    bg::intersection(poly, box, pieces);
    Measured m;
    for (const BPolygon& piece : pieces) {
        const double a = bg::area(piece);
        if (a <= 0) {
            continue;
        }
        BPoint c(0, 0);
        bg::centroid(piece, c);
        m.area += a;
        m.cx += a * c.x();
        m.cy += a * c.y();
    }
    if (m.area > 0) {
        m.cx /= m.area;
        m.cy /= m.area;
    }
    return m;
}

Measured engineZone(const std::vector<Point>& outline, float yc) {
    std::vector<Point> out(2 * outline.size() + 2);
    const int n = clipAboveLine(outline, yc, out.data());
    const auto p =
        polygonProperties(std::span<const Point>(out.data(), static_cast<std::size_t>(n)), {});
    return {p.grossArea, p.centroidX, p.centroidY};
}

// An outline as the engine sees it, and as Boost needs it: a keyhole's zero-width slit is a
// hole to Boost.
struct Shape {
    std::vector<Point> outline;
    std::vector<Point> exactOuter;
    std::vector<Point> exactHole;
};

Shape plainShape(std::vector<Point> outline) {
    return {outline, outline, {}};
}

Shape mapped(const Shape& s, const std::function<Point(Point)>& f) {
    Shape out;
    for (const Point& p : s.outline)
        out.outline.push_back(f(p));
    for (const Point& p : s.exactOuter)
        out.exactOuter.push_back(f(p));
    for (const Point& p : s.exactHole)
        out.exactHole.push_back(f(p));
    return out;
}

void expectSameZone(const Shape& shape, float yc, const std::string& what) {
    Measured exact = exactZone(shape.exactOuter, yc);
    if (!shape.exactHole.empty()) {
        const Measured h = exactZone(shape.exactHole, yc);
        const double area = exact.area - h.area;
        if (area > 0) {
            exact.cx = (exact.area * exact.cx - h.area * h.cx) / area;
            exact.cy = (exact.area * exact.cy - h.area * h.cy) / area;
        }
        exact.area = area;
    }
    const std::vector<Point>& outline = shape.outline;
    const Measured mine = engineZone(outline, yc);
    const double scale = std::max(1.0, exact.area);
    ASSERT_NEAR(mine.area, exact.area, 2e-5 * scale + 1e-4) << what << " yc=" << yc;
    if (exact.area > 1e-3) {
        EXPECT_NEAR(mine.cx, exact.cx, 2e-4) << what << " yc=" << yc;
        EXPECT_NEAR(mine.cy, exact.cy, 2e-4) << what << " yc=" << yc;
    }
}

void expectSameZone(const std::vector<Point>& outline, float yc, const std::string& what) {
    expectSameZone(plainShape(outline), yc, what);
}

const std::vector<Point> kL = {{0, 0}, {0, 24}, {8, 24}, {8, 8}, {24, 8}, {24, 0}};
const std::vector<Point> kT = {{-5, -24}, {-5, 0}, {-15, 0}, {-15, 6},
                               {15, 6},   {15, 0}, {5, 0},   {5, -24}};
// A 20 x 20 box with a 10 x 10 hole, as one polygon through a slit of zero width.
const std::vector<Point> kKeyhole = {{-10, -10}, {-10, 10}, {10, 10}, {10, -10},
                                     {0, -10},   {0, -5},   {5, -5},  {5, 5},
                                     {-5, 5},    {-5, -5},  {0, -5},  {0, -10}};
const std::vector<Point> kSquare = {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}};

std::vector<std::pair<const char*, Shape>> testShapes() {
    return {{"square", plainShape(kSquare)},
            {"L", plainShape(kL)},
            {"T", plainShape(kT)},
            {"keyhole", Shape{kKeyhole,
                              {{-10, -10}, {-10, 10}, {10, 10}, {10, -10}},
                              {{-5, -5}, {-5, 5}, {5, 5}, {5, -5}}}}};
}

TEST(CompressionZone, WorkedStripOfTheRectangle) {
    ProjectModel m = test::emptyModel();
    test::setOutline(m, {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}});
    RotatedSection s;
    rotateSection(engineInputsOf(m).section, 0, s);
    CompressionZone z;
    measureCompressionZone(s, 0.85f, 5, z);
    EXPECT_FLOAT_EQ(z.yc, 4.75f);
    EXPECT_FLOAT_EQ(z.Ac, 51);
    EXPECT_NEAR(z.centroidX, 0, 1e-5);
    EXPECT_NEAR(z.centroidY, 6.875, 1e-5);
}

TEST(CompressionZone, WholeSectionWhenTheCutIsBelowAndBarsOnTheCutStay) {
    ProjectModel m = test::emptyModel();
    test::setOutline(m, {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}});
    test::addBar(m, 0, 4.75f, 8); // on the cut line of c = 5
    test::addBar(m, 0, 4.76f, 8); // just above it
    test::addBar(m, 2, -4.0f, 8); // below the cut
    RotatedSection s;
    rotateSection(engineInputsOf(m).section, 0, s);
    CompressionZone z;
    measureCompressionZone(s, 0.85f, 5, z);
    EXPECT_NEAR(z.Ac, 51 - 0.79, 1e-4);
    measureCompressionZone(s, 0.85f, 100, z);
    EXPECT_NEAR(z.grossCompArea, 216, 1e-4);
    EXPECT_NEAR(z.Ac, 216 - 3 * 0.79, 1e-4);
}

TEST(CompressionZone, HalfTurnPutsTheBottomOnTop) {
    ProjectModel m = test::emptyModel();
    test::setOutline(m, {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}});
    test::addBar(m, 0, -8, 8);
    RotatedSection s;
    rotateSection(engineInputsOf(m).section, static_cast<float>(-180 / 180.0 * 3.1415), s);
    EXPECT_NEAR(s.bars[0].y, 8, 1e-3); // the bottom bar is now near the top
    CompressionZone z;
    measureCompressionZone(s, 0.85f, 5, z);
    // 3.1415 tilts the top edge by about 9e-5 rad: a sliver of 12 * 12 * 9e-5 / 2 in^2 is lost.
    EXPECT_NEAR(z.Ac, 51 - 0.79 - 0.0067, 2e-4);
}

TEST(CompressionZone, QuarterTurnUsesTheProgramsPi) {
    ProjectModel m = test::emptyModel();
    test::setOutline(m, {{0, 9}, {1, 9}, {1, 8}});
    RotatedSection s;
    rotateSection(engineInputsOf(m).section, static_cast<float>(-90 / 180.0 * 3.1415), s);
    // An exact quarter turn would put (0, 9) at (9, 0); 3.1415 leaves it about 0.0004 off.
    EXPECT_NEAR(s.points[0].x, 9, 1e-5);
    EXPECT_NEAR(s.points[0].y, -9 * std::sin(3.1415 / 2 - 3.14159265358979 / 2), 1e-6);
    EXPECT_NEAR(std::fabs(s.points[0].y), 0.00042, 0.00002);
}

TEST(CompressionZone, AgreesWithExactIntersectionAtManyAnglesAndDepths) {
    for (const auto& [name, shape] : testShapes()) {
        for (int deg = 0; deg < 360; deg += 7) {
            const double t = deg * 3.14159265358979 / 180;
            const Shape turnedShape = mapped(shape, [t](Point p) {
                return Point{static_cast<float>(p.x * std::cos(t) - p.y * std::sin(t)),
                             static_cast<float>(p.x * std::sin(t) + p.y * std::cos(t))};
            });
            float ymin = turnedShape.outline[0].y, ymax = ymin;
            for (const Point& p : turnedShape.outline) {
                ymin = std::min(ymin, p.y);
                ymax = std::max(ymax, p.y);
            }
            for (int k = -1; k <= 21; ++k) {
                const float yc = ymin + (ymax - ymin) * static_cast<float>(k) / 20.0f;
                expectSameZone(turnedShape, yc, std::string(name) + " at " + std::to_string(deg));
            }
        }
    }
}

TEST(CompressionZone, CutLinesThroughVerticesAndThroughThePointOne) {
    for (const auto& [name, shape] : testShapes()) {
        for (int deg : {0, 90, 180, 270}) {
            // Whole turns keep the coordinates exact, so the cut passes exactly through points.
            const Shape turnedShape = mapped(shape, [deg](Point p) {
                switch (deg) {
                case 0:
                    return p;
                case 90:
                    return Point{-p.y, p.x};
                case 180:
                    return Point{-p.x, -p.y};
                default:
                    return Point{p.y, -p.x};
                }
            });
            for (const Point& vertex : turnedShape.outline) {
                expectSameZone(turnedShape, vertex.y, std::string(name) + " through a vertex");
            }
        }
    }
    // The L turned a quarter turn with its first corner on the cut and the next points below.
    const std::vector<Point> turnedL = {{0, 0}, {-24, 0}, {-24, 8}, {-8, 8}, {-8, 24}, {0, 24}};
    expectSameZone(turnedL, 0.0f, "L with point 1 on the cut");
    const std::vector<Point> firstOnCutThenBelow = {{0, 0}, {2, -5}, {6, -5}, {6, 5}, {-3, 5}};
    expectSameZone(firstOnCutThenBelow, 0.0f, "point 1 on the cut, point 2 below");
}

TEST(CompressionZone, ClippingNeverOverflowsTheLargestOutline) {
    // A 100-point comb whose every tooth crosses the cut twice.
    std::vector<Point> comb = {{0, -20}};
    for (int i = 0; i < 49; ++i) {
        comb.push_back({static_cast<float>(i), 10});
        comb.push_back({static_cast<float>(i) + 0.5f, -10});
    }
    comb.push_back({50, -20});
    std::vector<Point> out(2 * comb.size() + 2);
    const int n = clipAboveLine(comb, 0, out.data());
    EXPECT_LE(n, static_cast<int>(out.size()));
    EXPECT_GT(n, 100);
    expectSameZone(comb, 0, "comb");
}

} // namespace
} // namespace pmsect
