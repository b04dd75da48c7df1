// The 2D plot as a design figure: the nominal and phi-reduced Pn-Mn curve, or the biaxial
// contour with the section over it, on axes of their own with round ticks, titles in the display
// units, a legend, the loads of the diagram and its control points.
#include "engine/shortened_pi.h"
#include "format/number_format.h"
#include "project/checked_load_points.h"
#include "project/project_summary.h"
#include "results/plot_axis.h"
#include "results/plot_drawing.h"
#include "results/polyline_pen.h"
#include "units/unit_conversion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace pmsect {
namespace {

constexpr int kGrey = 8;
constexpr int kTextColour = kBrightWhite;
constexpr int kControlColour = kLightCyan;
constexpr int kLoadColour = kYellow;
constexpr int kFailingLoadColour = kLightRed;
constexpr double kSectionShare = 2.0 / 3.0;  // of the largest moment, for the section overlay
constexpr double kLoadDirectionWindow = 5.0; // degrees either side of the diagram's direction
constexpr double kLoadAxialWindow = 0.05;    // of |Po|, either side of the contour's load
// Ticks and legend lines in lines of text, so that they keep their size on paper.
constexpr double kTickShare = 0.4;
constexpr double kLegendLineShare = 2.0;

bool positiveFinite(double v) {
    return std::isfinite(v) && v > 0;
}

// The values a figure works in: forces in the display force unit, moments in the display moment
// unit (the curve tables hold kips and kip-in, the loads kip-ft, the axial limits pounds).
struct DisplayScale {
    const DisplayUnits& units;
    double force(double kips) const { return shownForce(units, kips); }
    double forceFromLb(double pounds) const { return shownForceFromLb(units, pounds); }
    double moment(double kipInches) const { return shownMomentFromKipIn(units, kipInches); }
    double momentFromKipFt(double kipFeet) const { return shownMoment(units, kipFeet); }
};

struct FigurePoint {
    double h = 0;
    double v = 0;
};

// The nominal point of row i: Mn across and Pn up the page, or for a contour Mnx across and
// Mny up (the table holds their negatives).
FigurePoint nominalPoint(const Plot2DData& d, const DisplayScale& s, int i) {
    const CurveTable& t = *d.table;
    if (d.mode == PlotMode::PnMn) {
        return {s.moment(t.col2(i)), s.force(t.col1(i))};
    }
    return {s.moment(-t.col1(i)), s.moment(-t.col2(i))};
}

// The reduced point of row i, or nothing where it was not found. A contour's is the design
// state at phi*Pn = P of that direction, not phi times the nominal point.
std::optional<FigurePoint> reducedPoint(const Plot2DData& d, const DisplayScale& s, int i) {
    if (d.mode == PlotMode::Biaxial) {
        const DesignContourPoint& p = d.table->design.points[static_cast<std::size_t>(i)];
        if (!p.found) {
            return std::nullopt;
        }
        return FigurePoint{s.moment(-p.phiM1), s.moment(-p.phiM2)};
    }
    if (!d.table->isFound(i)) {
        return std::nullopt;
    }
    const double phi = d.table->phi(i);
    const FigurePoint p = nominalPoint(d, s, i);
    const double cap = s.forceFromLb(d.table->limits.phiPnMax);
    return FigurePoint{phi * p.h, std::max(phi * p.v, cap)};
}

// Why a contour has no design contour, or nothing when it has one.
std::optional<std::string> missingDesignContour(const Plot2DData& d, const ProjectModel& model,
                                                const DisplayScale& s) {
    if (d.mode != PlotMode::Biaxial) {
        return std::nullopt;
    }
    const auto limit = [&](const char* name, double lb) {
        return std::string("P is beyond ") + name + " = " +
               formatNumber(s.forceFromLb(lb), "#,##0.0") + " " + model.units.forceLabel;
    };
    switch (d.table->design.reach) {
    case DesignForceReach::BeyondCompression:
        return limit("phi*Pn(max)", d.table->limits.phiPnMax);
    case DesignForceReach::BeyondTension:
        return limit("phi*Tn(max)", d.table->limits.phiTnMax);
    case DesignForceReach::Within:
        break;
    }
    for (int i = 1; i <= d.count; ++i) {
        if (d.table->design.points[static_cast<std::size_t>(i)].found) {
            return std::nullopt;
        }
    }
    return "No state has phi*Pn = P";
}

double loadDirection(const CheckedLoadPoint& load) {
    const double a = std::atan2(static_cast<double>(load.Mx), load.My) * 180.0 / kShortPi;
    return a < 0 ? a + 360.0 : a;
}

// Where a load sits on the figure: at the moment it is checked on (magnified for a slender
// member) along the diagram's direction and Pu, or at (Mx, My) on a contour. n is 1-based.
FigurePoint loadPoint(const Plot2DData& d, const DisplayScale& s,
                      const std::vector<CheckedLoadPoint>& points, int n) {
    const CheckedLoadPoint& load = points[static_cast<std::size_t>(n - 1)];
    if (d.mode == PlotMode::PnMn) {
        const double a = d.angle * kShortPi / 180.0;
        const double along = load.Mx * std::sin(a) + load.My * std::cos(a);
        return {s.momentFromKipFt(along), s.force(load.Pu)};
    }
    return {s.momentFromKipFt(load.Mx), s.momentFromKipFt(load.My)};
}

bool loadFails(const ProjectModel& model, const SectionResults& section, int n) {
    const LoadResult r = storedLoadCheck(section, model, static_cast<std::size_t>(n)).result;
    return !r.capacityFound || r.ratio > 1.0f;
}

std::optional<FigurePoint> controlPointAt(const ControlPoint& p, const DisplayScale& s) {
    if (!p.found) {
        return std::nullopt;
    }
    // The cap's point is the corner of the reduced curve; the others lie on the nominal one.
    if (p.kind == ControlPointKind::PhiPnMax) {
        return FigurePoint{s.moment(p.phiMn), s.force(p.phiPn)};
    }
    return FigurePoint{s.moment(p.Mn.value_or(0.0f)), s.force(p.Pn)};
}

char controlPointLetter(ControlPointKind kind) {
    return static_cast<char>('A' + static_cast<int>(kind));
}

struct Extent {
    Interval h;
    Interval v;
    void add(const FigurePoint& p) {
        h.add(p.h);
        v.add(p.v);
    }
};

// Everything the figure shows, the origin included so that the axes cross on it.
Extent figureExtent(const Plot2DData& d, const DisplayScale& s, const Plot2DOptions& options,
                    const std::vector<CheckedLoadPoint>& points, const std::vector<int>& loads) {
    Extent e;
    e.add({0, 0});
    for (int i = 1; i <= d.count; ++i) {
        if (!d.table->isFound(i)) {
            continue;
        }
        e.add(nominalPoint(d, s, i));
    }
    for (int i = 1; i <= d.count && options.reduced; ++i) {
        if (const auto r = reducedPoint(d, s, i)) {
            e.add(*r);
        }
    }
    for (int n : loads) {
        e.add(loadPoint(d, s, points, n));
    }
    if (d.mode == PlotMode::PnMn && d.controlPoints) {
        for (const ControlPoint& p : *d.controlPoints) {
            if (const auto at = controlPointAt(p, s)) {
                e.add(*at);
            }
        }
    }
    return e;
}

class Figure {
public:
    Figure(Canvas& canvas, const PlotAxis& h, const PlotAxis& v) : canvas_(canvas), h_(h), v_(v) {}
    double x(double value) const { return h_.toPicture(value); }
    double y(double value) const { return v_.toPicture(value); }
    double x(const FigurePoint& p) const { return x(p.h); }
    double y(const FigurePoint& p) const { return y(p.v); }

    // A cross and a circle, as the 3D view marks a load, and its name at the first corner of
    // the marker where it lies clear of the names placed before it.
    void loadMarker(const FigurePoint& p, double size, int colour, const std::string& label) {
        const double px = x(p);
        const double py = y(p);
        canvas_.line(px - size, py - size, px + size, py + size, colour);
        canvas_.line(px - size, py + size, px + size, py - size, colour);
        canvas_.circle(px, py, size, colour);
        const double w = canvas_.textWidth(label);
        const double h = canvas_.textHeight();
        const LabelBox corners[] = {{px + size + 1, py - size - h, w, h},
                                    {px + size + 1, py + size, w, h},
                                    {px - size - 1 - w, py - size - h, w, h},
                                    {px - size - 1 - w, py + size, w, h}};
        const LabelBox* chosen = &corners[0];
        for (const LabelBox& c : corners) {
            if (std::none_of(labels_.begin(), labels_.end(),
                             [&](const LabelBox& b) { return c.overlaps(b); })) {
                chosen = &c;
                break;
            }
        }
        labels_.push_back(*chosen);
        canvas_.text(chosen->x, chosen->y, label, colour);
    }

    void squareMarker(const FigurePoint& p, double size, int colour, const std::string& label) {
        const double px = x(p);
        const double py = y(p);
        canvas_.moveTo(px - size, py - size);
        canvas_.lineTo(px + size, py - size, colour);
        canvas_.lineTo(px + size, py + size, colour);
        canvas_.lineTo(px - size, py + size, colour);
        canvas_.lineTo(px - size, py - size, colour);
        canvas_.text(px + size + 2, py + 1, label, colour);
    }

private:
    struct LabelBox {
        double x, y, w, h;
        bool overlaps(const LabelBox& o) const {
            return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
        }
    };

    Canvas& canvas_;
    const PlotAxis& h_;
    const PlotAxis& v_;
    std::vector<LabelBox> labels_;
};

std::string axisTitle(const Plot2DData& d, const DisplayUnits& u, bool horizontal) {
    if (d.mode == PlotMode::PnMn) {
        return horizontal ? "Mn (" + u.momentLabel + ")" : "Pn (" + u.forceLabel + ")";
    }
    return (horizontal ? "Mnx (" : "Mny (") + u.momentLabel + ")";
}

void drawAxes(Canvas& canvas, const PlotArea& a, const PlotAxis& h, const PlotAxis& v,
              const std::string& hTitle, const std::string& vTitle) {
    const double th = canvas.textHeight();
    const double tick = kTickShare * th;
    // The frame, then the zero lines of both axes.
    canvas.moveTo(a.left, a.top);
    canvas.lineTo(a.right, a.top, kGrey);
    canvas.lineTo(a.right, a.bottom, kGrey);
    canvas.lineTo(a.left, a.bottom, kGrey);
    canvas.lineTo(a.left, a.top, kGrey);
    canvas.line(a.left, v.toPicture(0), a.right, v.toPicture(0), kLightBlue);
    canvas.line(h.toPicture(0), a.top, h.toPicture(0), a.bottom, kLightBlue);
    for (const Tick& t : h.ticks()) {
        const double x = h.toPicture(t.value);
        canvas.line(x, a.bottom, x, a.bottom + tick, kTextColour);
        canvas.text(x - approximateTextWidth(canvas, t.text) / 2, a.bottom + tick + 1, t.text,
                    kTextColour);
    }
    for (const Tick& t : v.ticks()) {
        const double y = v.toPicture(t.value);
        canvas.line(a.left - tick, y, a.left, y, kTextColour);
        canvas.text(a.left - tick - 2 - approximateTextWidth(canvas, t.text), y - th / 2, t.text,
                    kTextColour);
    }
    canvas.text((a.left + a.right - approximateTextWidth(canvas, hTitle)) / 2,
                a.bottom + tick + 1.4 * th, hTitle, kTextColour);
    // Above the vertical axis, on the line of the legend.
    canvas.text(std::max(0.0, a.left - approximateTextWidth(canvas, vTitle) / 2),
                std::max(0.0, a.top - 1.7 * th), vTitle, kTextColour);
}

// The legend on the line above the plot, from the right. Where a contour has no design contour
// its entry says so, and why on a line of its own in the plot's top right corner.
void drawLegend(Canvas& canvas, const PlotArea& a, const Plot2DOptions& options,
                const std::optional<std::string>& noReduced) {
    const double th = canvas.textHeight();
    const double y = std::max(0.0, a.top - 1.7 * th);
    const double lineLength = kLegendLineShare * th;
    const struct {
        bool shown;
        int colour;
        const char* text;
        bool line;
    } entries[] = {
        {options.reduced, kLightGreen, noReduced ? "phi-reduced: none" : "phi-reduced", !noReduced},
        {options.nominal, kDarkYellow, "Nominal", true}};
    double right = a.right;
    for (const auto& e : entries) {
        if (!e.shown) {
            continue;
        }
        const double w = approximateTextWidth(canvas, e.text);
        const double x = right - w;
        canvas.text(x, y, e.text, e.line ? kTextColour : e.colour);
        const double lineStart = e.line ? x - th / 3 - lineLength : x;
        if (e.line) {
            canvas.line(lineStart, y + th / 2, x - th / 3, y + th / 2, e.colour);
        }
        right = lineStart - 2 * th;
    }
    if (options.reduced && noReduced) {
        canvas.text(a.right - th / 2 - approximateTextWidth(canvas, *noReduced), a.top + th / 4,
                    *noReduced, kLightGreen);
    }
}

void drawSectionOverlay(Canvas& canvas, const Figure& f, const PlotAxis& h,
                        const ProjectModel& model, double largestMoment) {
    const auto points = outlinePoints(model);
    const double size = std::max(model.extentX, model.extentY);
    if (points.empty() || !positiveFinite(size) || !positiveFinite(largestMoment)) {
        return;
    }
    canvas.beginGroup("section");
    // One factor for both directions keeps the section's proportions; its larger dimension
    // spans two thirds of the largest moment. Section y is drawn upwards like Mny.
    const double g = kSectionShare * largestMoment / size;
    const auto sx = [&](double x) { return f.x((x - model.refX) * g); };
    const auto sy = [&](double y) { return f.y((y - model.refY) * g); };
    canvas.moveTo(sx(points.back().x), sy(points.back().y));
    for (const Point& p : points) {
        canvas.lineTo(sx(p.x), sy(p.y), kLightMagenta);
    }
    for (const Bar& b : modelBars(model)) {
        canvas.circle(sx(b.x), sy(b.y), b.size / 16.0 * g * h.scale(), kLightMagenta);
    }
    canvas.endGroup();
}

} // namespace

namespace {

std::vector<int> loadsOnPlot(const ProjectModel& model, const SectionResults& section,
                             const Plot2DData& data, const std::vector<CheckedLoadPoint>& points) {
    std::vector<int> out;
    const int n = model.loads.count();
    const double window = kLoadAxialWindow * std::fabs(data.table->limits.Po / 1000.0);
    for (int i = 1; i <= n; ++i) {
        if (!storedLoadResult(section, model, static_cast<std::size_t>(i))) {
            continue; // not checked yet: it would show as passing
        }
        const CheckedLoadPoint& load = points[static_cast<std::size_t>(i - 1)];
        bool on = false;
        if (data.mode == PlotMode::PnMn) {
            const bool noMoment = load.Mx == 0 && load.My == 0;
            double miss = std::fmod(loadDirection(load) - data.angle, 360.0);
            miss = std::fabs(miss - 360.0 * std::round(miss / 360.0));
            on = noMoment || miss <= kLoadDirectionWindow;
        } else {
            on = std::fabs(static_cast<double>(load.Pu) - data.contourPn) <= window;
        }
        if (on) {
            out.push_back(i);
        }
    }
    return out;
}

} // namespace

std::vector<int> loadsOnPlot(const ProjectModel& model, const SectionResults& section,
                             const Plot2DData& data) {
    return loadsOnPlot(model, section, data, checkedLoadPoints(model));
}

Plot2DPicture drawPlot2D(Canvas& canvas, const Plot2DData& data, const ProjectModel& model,
                         const SectionResults& section, const Plot2DOptions& options) {
    canvas.clear();
    Plot2DPicture picture;
    if (!data.table) {
        return picture;
    }
    Plot2DData d = data;
    d.count = std::clamp(data.count, 0, kMaxCurveRows);
    const DisplayScale s{model.units};
    const std::vector<CheckedLoadPoint> points = checkedLoadPoints(model);
    const std::vector<int> loads = loadsOnPlot(model, section, d, points);
    const Extent extent = figureExtent(d, s, options, points, loads);
    const bool biaxial = d.mode == PlotMode::Biaxial;

    // The plot area: room for the tick values on the left, the tick values and the title below,
    // the vertical title and the legend above.
    const double th = canvas.textHeight();
    PlotArea& a = picture.area;
    a.top = 2.0 * th;
    a.bottom = canvas.height() - (kTickShare + 2.8) * th;
    PlotAxis v = PlotAxis::fitted(extent.v, a.top, a.bottom, !biaxial, 2.5 * th);
    a.left = (kTickShare + 0.3) * th + v.widestTickText(canvas);
    a.right = canvas.width() - std::max(2.0 * th, approximateTextWidth(canvas, "-0,000") / 2);
    PlotAxis h = PlotAxis::fitted(extent.h, a.left, a.right, true,
                                  approximateTextWidth(canvas, "-00,000  "));
    if (biaxial) {
        // Both moment axes at one scale: the one with room to spare gives it up, and the plot
        // area shrinks to what the two axes show.
        equaliseScales(h, v);
        a.left = h.pictureStart();
        a.right = h.pictureEnd();
        a.top = v.pictureStart();
        a.bottom = v.pictureEnd();
    }
    const std::string hTitle = axisTitle(d, model.units, true);
    const std::string vTitle = axisTitle(d, model.units, false);
    canvas.beginGroup("axes");
    drawAxes(canvas, a, h, v, hTitle, vTitle);
    drawLegend(canvas, a, options, missingDesignContour(d, model, s));
    canvas.endGroup();
    Figure f(canvas, h, v);

    // A contour goes all the way round: its last direction joins its first.
    const int n = d.count;
    const int steps = biaxial && n > 0 ? n + 1 : n;
    const auto rowOf = [n](int k) { return (k - 1) % n + 1; };

    for (int k = 1; k <= n; ++k) {
        if (d.table->isFound(k)) {
            const FigurePoint p = nominalPoint(d, s, k);
            picture.points.push_back({f.x(p), f.y(p), k});
        }
    }

    if (options.nominal) {
        canvas.beginGroup("nominal");
        PolylinePen pen(canvas, kDarkYellow);
        for (int k = 1; k <= steps; ++k) {
            const int i = rowOf(k);
            if (!d.table->isFound(i)) {
                pen.lift();
                continue;
            }
            const FigurePoint p = nominalPoint(d, s, i);
            pen.to(f.x(p), f.y(p));
        }
        canvas.endGroup();
    }

    if (options.reduced) {
        canvas.beginGroup("reduced");
        {
            PolylinePen pen(canvas, kLightGreen);
            for (int k = 1; k <= steps; ++k) {
                const int i = rowOf(k);
                const auto r = reducedPoint(d, s, i);
                if (!r) {
                    pen.lift();
                    continue;
                }
                pen.to(f.x(*r), f.y(*r));
            }
        }
        if (!biaxial && n > 0) {
            const double cap = s.forceFromLb(d.table->limits.phiPnMax);
            const std::string label =
                "phi*Pn(max) = " + formatNumber(cap, "#,##0.0") + " " + model.units.forceLabel;
            // Above the cut-off, where the curve has left room, clear of the cap's mark.
            canvas.text(f.x(0.0) + th / 2, f.y(cap) - 1.2 * th, label, kLightGreen);
        }
        canvas.endGroup();
    }

    if (biaxial && options.section) {
        const double largest = std::max({std::fabs(extent.h.lo), std::fabs(extent.h.hi),
                                         std::fabs(extent.v.lo), std::fabs(extent.v.hi)});
        drawSectionOverlay(canvas, f, h, model, largest);
    }

    const double marker = std::max(3.0, th / 3);
    canvas.beginGroup("loads");
    for (int i : loads) {
        const int colour = loadFails(model, section, i) ? kFailingLoadColour : kLoadColour;
        const auto row = static_cast<std::size_t>(i - 1);
        const std::string label =
            d.loadLabels && row < d.loadLabels->size() ? (*d.loadLabels)[row] : std::to_string(i);
        f.loadMarker(loadPoint(d, s, points, i), marker, colour, label);
    }
    canvas.endGroup();

    canvas.beginGroup("control-points");
    if (!biaxial && d.controlPoints) {
        for (const ControlPoint& p : *d.controlPoints) {
            if (const auto at = controlPointAt(p, s)) {
                f.squareMarker(*at, marker * 0.8, kControlColour,
                               std::string(1, controlPointLetter(p.kind)));
            }
        }
    }
    canvas.endGroup();
    return picture;
}

std::string plotReadout(const Plot2DPicture& picture, const Plot2DData& data,
                        const ProjectModel& model, double x, double y) {
    const PlottedPoint* nearest = nullptr;
    double best = std::numeric_limits<double>::infinity();
    for (const PlottedPoint& p : picture.points) {
        const double d = std::hypot(p.x - x, p.y - y);
        if (d < best) {
            best = d;
            nearest = &p;
        }
    }
    if (!nearest || !data.table) {
        return {};
    }
    const DisplayScale s{model.units};
    const DisplayUnits& u = model.units;
    const int i = nearest->row;
    const FigurePoint p = nominalPoint(data, s, i);
    const auto r = reducedPoint(data, s, i);
    const auto value = [](double v) { return formatNumber(v, "#,##0.00"); };
    if (data.mode == PlotMode::PnMn) {
        std::string text = "Pn = " + value(p.v) + " " + u.forceLabel + ", Mn = " + value(p.h) +
                           " " + u.momentLabel +
                           ", phi = " + formatNumber(data.table->phi(i), "0.000");
        if (r) {
            text += ", phiPn = " + value(r->v) + " " + u.forceLabel + ", phiMn = " + value(r->h) +
                    " " + u.momentLabel;
        }
        return text;
    }
    // The design point of the same direction: its own state, with its own phi.
    std::string text = "Pn = " + value(s.force(data.contourPn)) + " " + u.forceLabel +
                       ", Mnx = " + value(p.h) + ", Mny = " + value(p.v) + " " + u.momentLabel;
    if (r) {
        const DesignContourPoint& design = data.table->design.points[static_cast<std::size_t>(i)];
        text += ", phi = " + formatNumber(design.phi, "0.000") +
                ", phiPn = " + value(s.force(design.phiPn)) + " " + u.forceLabel +
                ", phiMnx = " + value(r->h) + ", phiMny = " + value(r->v) + " " + u.momentLabel;
    }
    return text;
}

} // namespace pmsect
