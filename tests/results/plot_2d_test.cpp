// The 2D plot as a figure: each axis fills the plot area, round ticks with their values, titles
// in the display units, the loads of the diagram where they belong, control points, the SVG
// series and the hover readout.
#include "drawing_test_sections.h"
#include "engine/curve_test_models.h"
#include "project/checked_load_points.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "results/plot_axis.h"
#include "results/plot_drawing.h"
#include "results/recording_canvas.h"
#include "results/svg_canvas.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <string>

namespace pmsect {
namespace {

CurveTable table(std::initializer_list<std::array<float, 3>> rows) {
    CurveTable t;
    for (const auto& r : rows) {
        ++t.count;
        t.pts[static_cast<std::size_t>(t.count)] = r;
        t.found[static_cast<std::size_t>(t.count)] = true;
    }
    return t;
}

// A check kept for every load row of m, each with its ratio of ratios (0.5 past them).
SectionResults checksOf(const ProjectModel& m, const std::vector<float>& ratios = {}) {
    SectionResults checks;
    for (int k = 1; k <= m.loads.count(); ++k) {
        const auto i = static_cast<std::size_t>(k);
        LoadResult r;
        r.ratio = i <= ratios.size() ? ratios[i - 1] : 0.5f;
        storeLoadCheck(checks, k, {loadInputOf(m.loads[i]), r, {}});
    }
    return checks;
}

Plot2DData curveData(const CurveTable& t, float angle = 90) {
    Plot2DData d;
    d.table = &t;
    d.count = t.count;
    d.angle = angle;
    return d;
}

struct Box {
    double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
    void add(double x, double y) {
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
        ymin = std::min(ymin, y);
        ymax = std::max(ymax, y);
    }
};

// The lines of one colour below the legend, which shows a short line of each curve's colour
// above the plot area.
std::vector<DrawPrimitive> plotted(const RecordingCanvas& c, int colour) {
    std::vector<DrawPrimitive> out;
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Line, colour)) {
        if (p.y1 > 2 * c.textHeight() - 1e-9 || p.y2 > 2 * c.textHeight() - 1e-9) {
            out.push_back(p);
        }
    }
    return out;
}

Box linesBox(const RecordingCanvas& c, int colour) {
    Box b;
    for (const DrawPrimitive& p : plotted(c, colour)) {
        b.add(p.x1, p.y1);
        b.add(p.x2, p.y2);
    }
    return b;
}

bool hasText(const RecordingCanvas& c, const std::string& text, int colour = -1) {
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Text, colour)) {
        if (p.text == text) {
            return true;
        }
    }
    return false;
}

// The zero lines of both axes, in light blue: (x of Mn = 0, y of Pn = 0).
std::pair<double, double> origin(const RecordingCanvas& c) {
    double x = NAN, y = NAN;
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Line, kLightBlue)) {
        if (p.x1 == p.x2) {
            x = p.x1;
        } else if (p.y1 == p.y2) {
            y = p.y1;
        }
    }
    return {x, y};
}

// A default-like curve: kip-in moments up to 1,200 (100 ft-k), Pn from -600 to 300 kips.
CurveTable sampleCurve() {
    return table({{0.65f, -600, 0},
                  {0.65f, -500, 600},
                  {0.65f, -300, 1100},
                  {0.75f, -100, 1200},
                  {0.9f, 0, 900},
                  {0.9f, 200, 300},
                  {0.9f, 300, 0}});
}

TEST(Plot2D, EachAxisFillsThePlotAreaWithCompressionUp) {
    RecordingCanvas c(640, 640);
    ProjectModel m = test::rectangleModel(12, 18);
    CurveTable t = sampleCurve();
    t.limits.phiPnMax = -300000;
    const Plot2DPicture pic = drawPlot2D(c, curveData(t), m, checksOf(m), {});
    const PlotArea& a = pic.area;
    const Box b = linesBox(c, kDarkYellow);
    // Kips and kip-ft on scales of their own: the curve spans most of both directions.
    EXPECT_GE((b.xmax - b.xmin) / (a.right - a.left), 0.85);
    EXPECT_GE((b.ymax - b.ymin) / (a.bottom - a.top), 0.85);
    EXPECT_GE(b.xmin, a.left);
    EXPECT_LE(b.xmax, a.right);
    // Row 1 (-600 k) on top, row 7 (+300 k) at the bottom.
    ASSERT_EQ(pic.points.size(), 7u);
    EXPECT_LT(pic.points[0].y, pic.points[6].y);
    EXPECT_TRUE(hasText(c, "Pn (k)"));
    EXPECT_TRUE(hasText(c, "Mn (ft-k)"));
    EXPECT_TRUE(hasText(c, "Nominal"));
    EXPECT_TRUE(hasText(c, "phi-reduced"));
    EXPECT_TRUE(hasText(c, "phi*Pn(max) = -300.0 k", kLightGreen));
    // The reduced curve is held at the cap (rows 1 and 2 would reach -390 and -325 k).
    const auto [x0, y0] = origin(c);
    const double perKip = (pic.points[6].y - y0) / 300.0;
    EXPECT_NEAR(linesBox(c, kLightGreen).ymin, y0 - 300 * perKip, 1e-6);
}

TEST(Plot2D, TicksAtRoundStepsInTheDisplayMomentUnit) {
    RecordingCanvas c(640, 640);
    const ProjectModel m = test::rectangleModel(12, 18);
    const CurveTable t = sampleCurve();
    const Plot2DPicture pic = drawPlot2D(c, curveData(t), m, checksOf(m), {});
    // Tick values sit below the plot area (moments) and left of it (forces).
    int below = 0, left = 0;
    double x100 = NAN, yMinus600 = NAN;
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Text)) {
        const bool isBelow = p.y1 > pic.area.bottom && p.y1 < pic.area.bottom + 20;
        const bool isLeft = p.x1 < pic.area.left && p.y1 > pic.area.top - 12;
        if (!isBelow && !isLeft) {
            continue;
        }
        std::string digits = p.text;
        digits.erase(std::remove(digits.begin(), digits.end(), ','), digits.end());
        const double v = std::stod(digits);
        // 1, 2 or 5 times a power of ten divides every tick.
        EXPECT_TRUE(std::fmod(std::fabs(v), 10.0) == 0 || std::fmod(std::fabs(v), 20.0) == 0 ||
                    std::fmod(std::fabs(v), 50.0) == 0)
            << p.text;
        if (isBelow) {
            ++below;
            if (v == 100) {
                x100 = p.x1 + 0.6 * 12 * 3 / 2; // the text is centred on its tick
            }
        } else {
            ++left;
            if (v == -600) {
                yMinus600 = p.y1 + 6;
            }
        }
    }
    EXPECT_GE(below, 4);
    EXPECT_GE(left, 4);
    // 1,200 kip-in is 100 ft-k, -600 k is -600 k.
    EXPECT_NEAR(pic.points[3].x, x100, 1e-6);
    EXPECT_NEAR(pic.points[0].y, yMinus600, 1e-6);
}

TEST(Plot2D, LoadsOfTheDiagramsDirectionAreNumberedAndRedBeyondCapacity) {
    RecordingCanvas c(640, 640);
    ProjectModel m = test::rectangleModel(12, 18);
    std::vector<float> ratios;
    const auto add = [&](float Pu, float Mux, float Muy, float ratio) {
        m.loads.append(LoadRow{});
        const auto i = static_cast<std::size_t>(m.loads.count());
        m.loads[i][kPu] = Pu;
        m.loads[i][kMux] = Mux;
        m.loads[i][kMuy] = Muy;
        ratios.push_back(ratio);
    };
    add(-200, 50, 0, 0.5f);   // 1: about x, on the 90 degree diagram
    add(-300, 50, 4, 0.5f);   // 2: 85.4 degrees, inside the 5 degree window
    add(-300, 50, 30, 0.5f);  // 3: 59 degrees, off it
    add(-250, 0, 0, 0.5f);    // 4: no moment, on every diagram
    add(-100, 120, 0, 1.25f); // 5: beyond capacity
    add(-100, -50, 0, 0.5f);  // 6: 270 degrees, the other way
    const SectionResults checks = checksOf(m, ratios);
    const CurveTable t = sampleCurve();
    const Plot2DData d = curveData(t);
    EXPECT_EQ(loadsOnPlot(m, checks, d), (std::vector<int>{1, 2, 4, 5}));
    const Plot2DPicture pic = drawPlot2D(c, d, m, checks, {});
    EXPECT_TRUE(hasText(c, "1", kYellow));
    EXPECT_TRUE(hasText(c, "2", kYellow));
    EXPECT_FALSE(hasText(c, "3"));
    EXPECT_TRUE(hasText(c, "5", kLightRed));
    EXPECT_EQ(c.count(PrimitiveKind::Circle, kLightRed), 1u);
    // Load 1 at (50 ft-k, -200 k): on the line through the curve's (100 ft-k, -100 k) point
    // scaled by the axes, half way across.
    const auto [x0, y0] = origin(c);
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Circle, kYellow)) {
        if (std::fabs(p.y1 - (y0 + 2 * (pic.points[3].y - y0))) < 1e-6) {
            EXPECT_NEAR(p.x1, x0 + (pic.points[3].x - x0) / 2, 1e-6);
        }
    }
    // The far side of the section has its own diagram.
    RecordingCanvas other(640, 640);
    EXPECT_EQ(loadsOnPlot(m, checks, curveData(t, 270)), (std::vector<int>{4, 6}));
}

TEST(Plot2D, NamesOfLoadsCloseTogetherDoNotLieOverEachOther) {
    RecordingCanvas c(640, 640);
    ProjectModel m = test::rectangleModel(12, 18);
    // Four loads a hair apart about x, named as a load file names them.
    for (int i = 0; i < 4; ++i) {
        m.loads.append(LoadRow{});
        const auto k = static_cast<std::size_t>(m.loads.count());
        m.loads[k][kPu] = -200 - 0.5f * static_cast<float>(i);
        m.loads[k][kMux] = 50;
    }
    const std::vector<std::string> names = {"W1", "W2", "W3", "W4"};
    const CurveTable t = sampleCurve();
    Plot2DData d = curveData(t);
    d.loadLabels = &names;
    drawPlot2D(c, d, m, checksOf(m), {});
    std::vector<DrawPrimitive> labels;
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Text, kYellow)) {
        labels.push_back(p);
    }
    ASSERT_EQ(labels.size(), 4u);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].text, names[i]);
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            const bool apart =
                std::fabs(labels[i].x1 - labels[j].x1) >= c.textWidth(labels[i].text) ||
                std::fabs(labels[i].y1 - labels[j].y1) >= c.textHeight();
            EXPECT_TRUE(apart) << labels[i].text << " over " << labels[j].text;
        }
    }
}

TEST(Plot2D, ControlPointsAreMarkedWithTheirLetters) {
    RecordingCanvas c(640, 640);
    ProjectModel m = test::rectangleModel(12, 18);
    const CurveTable t = sampleCurve();
    ControlPoints points{};
    for (int k = 0; k < kControlPointCount; ++k) {
        points[static_cast<std::size_t>(k)].kind = static_cast<ControlPointKind>(k);
        points[static_cast<std::size_t>(k)].Pn = -100;
        points[static_cast<std::size_t>(k)].Mn = 1200;
        // The cap's mark is at its design values.
        points[static_cast<std::size_t>(k)].phiPn = -100;
        points[static_cast<std::size_t>(k)].phiMn = 1200;
    }
    points[static_cast<std::size_t>(ControlPointKind::Balanced)].found = false;
    Plot2DData d = curveData(t);
    d.controlPoints = &points;
    const Plot2DPicture pic = drawPlot2D(c, d, m, checksOf(m), {});
    EXPECT_TRUE(hasText(c, "A", kLightCyan));
    EXPECT_FALSE(hasText(c, "E", kLightCyan)); // balanced not found
    EXPECT_TRUE(hasText(c, "H", kLightCyan));
    // Seven squares of four sides round (1,200 kip-in, -100 k), the fourth curve point.
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightCyan), 7u * 4u);
    const Box b = linesBox(c, kLightCyan);
    EXPECT_NEAR((b.xmin + b.xmax) / 2, pic.points[3].x, 1e-6);
    EXPECT_NEAR((b.ymin + b.ymax) / 2, pic.points[3].y, 1e-6);
}

TEST(Plot2D, RowsNotFoundBreakThePolylines) {
    RecordingCanvas c(600, 480);
    const ProjectModel m = test::rectangleModel(12, 18);
    CurveTable t =
        table({{0.6f, -150, 0}, {0.6f, -100, 60}, {0.6f, -50, 999}, {0.7f, 0, 80}, {0.9f, 50, 0}});
    t.found[3] = false;
    const Plot2DPicture pic = drawPlot2D(c, curveData(t), m, checksOf(m), {true, false, true});
    EXPECT_EQ(plotted(c, kDarkYellow).size(), 2u); // rows 1-2 and 4-5
    EXPECT_EQ(plotted(c, kLightGreen).size(), 0u);
    // The row not found does not stretch the axis either.
    EXPECT_GE((linesBox(c, kDarkYellow).xmax - pic.area.left) / (pic.area.right - pic.area.left),
              0.85);
}

TEST(Plot2D, BiaxialContourKeepsItsShapeWithMnyUp) {
    RecordingCanvas c(640, 480);
    ProjectModel m = test::rectangleModel(12, 18);
    test::addBar(m, 4, 7, 8);
    // A circle of 100 kip-in, the table holding -Mnx and -Mny.
    CurveTable t;
    for (int k = 1; k <= kContourPoints; ++k) {
        const double a = (k - 1) * 9 * M_PI / 180;
        t.pts[static_cast<std::size_t>(k)] = {0.7f, static_cast<float>(-100 * std::sin(a)),
                                              static_cast<float>(-100 * std::cos(a))};
        t.found[static_cast<std::size_t>(k)] = true;
    }
    Plot2DData d;
    d.mode = PlotMode::Biaxial;
    d.table = &t;
    d.count = kContourPoints;
    const Plot2DPicture pic = drawPlot2D(c, d, m, checksOf(m), {});
    const Box b = linesBox(c, kDarkYellow);
    EXPECT_NEAR(b.xmax - b.xmin, b.ymax - b.ymin, 1e-6 * (b.xmax - b.xmin));
    EXPECT_EQ(plotted(c, kDarkYellow).size(), 40u); // closed
    // Direction 0 (row 1) is +Mny: straight up from the origin.
    const auto [x0, y0] = origin(c);
    EXPECT_NEAR(pic.points[0].x, x0, 1e-6);
    EXPECT_LT(pic.points[0].y, y0);
    // Direction 90 (row 11) is +Mnx: to the right.
    EXPECT_GT(pic.points[10].x, x0);
    EXPECT_TRUE(hasText(c, "Mnx (ft-k)"));
    EXPECT_TRUE(hasText(c, "Mny (ft-k)"));
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightMagenta), 4u);
    // The bar at y = +7 is drawn above the origin, as Mny is.
    ASSERT_EQ(c.count(PrimitiveKind::Circle, kLightMagenta), 1u);
    EXPECT_LT(c.ofKind(PrimitiveKind::Circle, kLightMagenta)[0].y1, y0);
}

// A load of direction theta at the contour's axial force lies on the ray from the origin
// through the contour's point of direction theta.
TEST(Plot2D, ALoadLiesOnTheRayOfTheContourPointOfItsDirection) {
    ProjectModel m = test::newProjectModel();
    const SectionResults section = computeSectionSummary(m);
    const Contour load = test::contourOf(m, section, -100);
    Plot2DData d;
    d.mode = PlotMode::Biaxial;
    d.table = &load.table;
    d.count = kContourPoints;
    d.contourPn = load.Pn;
    for (int row : {2, 5, 13, 24, 33}) {
        SCOPED_TRACE(row);
        const double theta = (row - 1) * 9.0 * 3.1415 / 180;
        m.loads.resize(2);
        m.loads[1][kPu] = -100;
        m.loads[1][kMux] = static_cast<float>(40 * std::sin(theta));
        m.loads[1][kMuy] = static_cast<float>(40 * std::cos(theta));
        m.loads[2][kPu] = static_cast<float>(-100 + 0.06 * section.limits.Po / 1000); // too far off
        m.loads[2][kMux] = 10;
        EXPECT_EQ(loadsOnPlot(m, checksOf(m), d), std::vector<int>{1});
        RecordingCanvas c(640, 640);
        const Plot2DPicture pic = drawPlot2D(c, d, m, checksOf(m), {});
        const auto [x0, y0] = origin(c);
        ASSERT_EQ(c.count(PrimitiveKind::Circle, kYellow), 1u);
        const DrawPrimitive marker = c.ofKind(PrimitiveKind::Circle, kYellow)[0];
        const auto it = std::find_if(pic.points.begin(), pic.points.end(),
                                     [&](const PlottedPoint& p) { return p.row == row; });
        ASSERT_NE(it, pic.points.end());
        const double ux = marker.x1 - x0, uy = marker.y1 - y0;
        const double vx = it->x - x0, vy = it->y - y0;
        // Same direction: no cross product to speak of, a positive dot product.
        EXPECT_NEAR((ux * vy - uy * vx) / (std::hypot(ux, uy) * std::hypot(vx, vy)), 0, 0.02);
        EXPECT_GT(ux * vx + uy * vy, 0);
    }
}

TEST(Plot2D, SvgSeriesAreGroupsWithIds) {
    SvgCanvas c(640, 640);
    ProjectModel m = test::rectangleModel(12, 18);
    m.loads.resize(1);
    m.loads[1][kPu] = -100;
    m.loads[1][kMux] = 50;
    const CurveTable t = sampleCurve();
    drawPlot2D(c, curveData(t), m, checksOf(m), {});
    const std::string svg = c.document();
    for (const char* id : {"axes", "nominal", "reduced", "loads", "control-points"}) {
        EXPECT_NE(svg.find("<g id=\"" + std::string(id) + "\">"), std::string::npos) << id;
    }
    // Every group is closed: as many ends as starts, the document's own included.
    std::size_t opens = 0, closes = 0;
    for (std::size_t at = svg.find("<g"); at != std::string::npos; at = svg.find("<g", at + 1)) {
        ++opens;
    }
    for (std::size_t at = svg.find("</g>"); at != std::string::npos;
         at = svg.find("</g>", at + 1)) {
        ++closes;
    }
    EXPECT_EQ(opens, closes);
}

TEST(Plot2D, ReadoutOfTheNearestPoint) {
    RecordingCanvas c(640, 640);
    ProjectModel m = test::rectangleModel(12, 18);
    CurveTable t = sampleCurve();
    t.limits.phiPnMax = -300000;
    const Plot2DData d = curveData(t);
    const Plot2DPicture pic = drawPlot2D(c, d, m, checksOf(m), {});
    // Near row 2 (-500 k, 600 kip-in = 50 ft-k, phi 0.65): phi*Pn -325 is held at -300.
    const std::string text = plotReadout(pic, d, m, pic.points[1].x + 3, pic.points[1].y - 2);
    EXPECT_EQ(text, "Pn = -500.00 k, Mn = 50.00 ft-k, phi = 0.650, phiPn = -300.00 k, "
                    "phiMn = 32.50 ft-k");
    EXPECT_EQ(plotReadout(Plot2DPicture{}, d, m, 0, 0), "");
}

TEST(PlotAxis, RoundStepsAndAtLeastFourTicks) {
    EXPECT_DOUBLE_EQ(roundTickStep(100, 10), 10);
    EXPECT_DOUBLE_EQ(roundTickStep(101, 10), 20);
    EXPECT_DOUBLE_EQ(roundTickStep(0.37, 10), 0.05);
    EXPECT_DOUBLE_EQ(roundTickStep(2600, 8), 500);
    Interval data;
    data.add(-907);
    data.add(372);
    const PlotAxis a = PlotAxis::fitted(data, 0, 500, true, 200); // room for two ticks only
    EXPECT_GE(a.ticks().size(), 4u);
    EXPECT_LT(a.low(), -907);
    EXPECT_GT(a.high(), 372);
    Interval other;
    other.add(0);
    other.add(10);
    PlotAxis b = PlotAxis::fitted(other, 0, 500, true, 0);
    PlotAxis a2 = a;
    equaliseScales(a2, b);
    EXPECT_NEAR(a2.scale(), b.scale(), 1e-12);
    EXPECT_NEAR(a2.scale(), a.scale(), 1e-12); // the smaller one
    // The other axis keeps its range and gives up picture, about its middle.
    EXPECT_DOUBLE_EQ(b.low(), -0.5);
    EXPECT_DOUBLE_EQ(b.high(), 10.5);
    EXPECT_NEAR(b.pictureStart() + b.pictureEnd(), 500, 1e-9);
}

} // namespace
} // namespace pmsect

namespace pmsect {
namespace {

// A slender member's load is plotted where its ratio is computed: at its magnified moments. About
// x alone (lu = 240 in, about y lu = 0): Pu = -300 k magnifies Mux = 50 ft-k by some 1.4, which
// turns the load from 45 degrees to some 54.
TEST(Plot2D, ASlenderMembersLoadIsPlacedAtItsMagnifiedMoments) {
    ProjectModel m = test::rectangleModel(12, 18);
    m.loads.append(LoadRow{});
    m.loads[1][kPu] = -300;
    m.loads[1][kMux] = 50;
    m.loads[1][kMuy] = 50;
    const CurveTable t = sampleCurve();
    EXPECT_EQ(loadsOnPlot(m, checksOf(m), curveData(t, 45)), std::vector<int>{1});
    EXPECT_EQ(checkedLoadPoints(m).at(0).Mx, 50.0f);

    m.slenderness = SlendernessData{};
    m.slenderness->x.lu = 240;
    const CheckedLoadPoint p = checkedLoadPoints(m).at(0);
    const auto magnified = magnificationOf(engineInputsOf(m), loadInputOf(m.loads[1]));
    ASSERT_TRUE(magnified && magnified->x.Mc);
    EXPECT_EQ(p.Mx, static_cast<float>(*magnified->x.Mc));
    EXPECT_EQ(p.My, 50.0f);
    const double direction = std::atan2(p.Mx, p.My) * 180 / std::numbers::pi;
    ASSERT_GT(direction, 50.5);
    EXPECT_EQ(loadsOnPlot(m, checksOf(m), curveData(t, 45)), std::vector<int>{});
    EXPECT_EQ(loadsOnPlot(m, checksOf(m), curveData(t, static_cast<float>(direction))),
              std::vector<int>{1});
}

} // namespace
} // namespace pmsect
