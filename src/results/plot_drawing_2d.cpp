// The 2D plot: the nominal and phi-reduced Pn-Mn curve, or the biaxial contour with the
// section over it, on one scale taken from the surface.
#include "results/plot_drawing.h"
#include "results/polyline_pen.h"

#include <algorithm>
#include <cmath>

namespace pmsect {
namespace {

constexpr double kMargin = 1.2;
constexpr double kSectionShare = 2.0 / 3.0; // of the largest moment, for the section overlay

bool positiveFinite(double v) {
    return std::isfinite(v) && v > 0;
}

struct Range {
    double lo = 0;
    double hi = 0;
    double span() const { return hi - lo; }
    void add(double v) {
        if (std::isfinite(v)) {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
};

// Plot values -> picture: x = W/2 + s*(h - hc), y = H/2 + s*(v - vc); a negative (compressive)
// value is drawn towards the top.
struct PlotFrame {
    double width = 0;
    double height = 0;
    double s = 1;
    double hc = 0;
    double vc = 0;
    double momentRange = 0; // biaxial: the largest moment, half the horizontal range
    double x(double h) const { return width / 2 + s * (h - hc); }
    double y(double v) const { return height / 2 + s * (v - vc); }
};

struct PlotPoint {
    double h = 0;
    double v = 0;
};

PlotPoint nominalPoint(PlotMode mode, const CurveTable& t, int i) {
    return mode == PlotMode::PnMn ? PlotPoint{t.col2(i), t.col1(i)}
                                  : PlotPoint{t.col1(i), t.col2(i)};
}

// The candidate scale of one direction, or 0 when its range gives none.
double candidateScale(double size, double span) {
    return span > 0 ? size / (kMargin * span) : 0;
}

double smallerScale(double a, double b) {
    if (positiveFinite(a) && positiveFinite(b)) {
        return std::min(a, b);
    }
    if (positiveFinite(a)) {
        return a;
    }
    return positiveFinite(b) ? b : 1.0;
}

PlotFrame pnMnFrame(const Canvas& canvas, const CurveTable& t, int count, const SurfaceExtents& e) {
    Range h{e.MnMin, e.MnMax};
    Range v{e.PnMin, e.PnMax};
    // Without a surface the curve itself gives the range.
    if (!positiveFinite(h.span()) || !positiveFinite(v.span())) {
        Range th;
        Range tv;
        for (int i = 1; i <= count; ++i) {
            if (t.isFound(i)) {
                th.add(t.col2(i));
                tv.add(t.col1(i));
            }
        }
        if (!positiveFinite(h.span())) {
            h = th;
        }
        if (!positiveFinite(v.span())) {
            v = tv;
        }
    }
    PlotFrame f;
    f.width = canvas.width();
    f.height = canvas.height();
    f.s = smallerScale(candidateScale(f.height, v.span()), candidateScale(f.width, h.span()));
    f.hc = (h.lo + h.hi) / 2;
    f.vc = (v.lo + v.hi) / 2;
    return f;
}

PlotFrame biaxialFrame(const Canvas& canvas, const CurveTable& t, int count,
                       const SurfaceExtents& e) {
    double R = e.MnMax;
    if (!positiveFinite(R)) {
        R = 0;
        for (int i = 1; i <= count; ++i) {
            if (t.isFound(i)) {
                R = std::max({R, std::fabs(static_cast<double>(t.col1(i))),
                              std::fabs(static_cast<double>(t.col2(i)))});
            }
        }
    }
    PlotFrame f;
    f.width = canvas.width();
    f.height = canvas.height();
    // Both axes are moments: one scale keeps the contour's shape.
    f.s = smallerScale(candidateScale(f.height, 2 * R), candidateScale(f.width, 2 * R));
    f.momentRange = R;
    return f;
}

void drawSectionOverlay(Canvas& canvas, const PlotFrame& f, const ProjectModel& model) {
    const auto points = outlinePoints(model);
    const double size = std::max(model.extentX, model.extentY);
    if (points.empty() || !positiveFinite(size) || !positiveFinite(f.momentRange)) {
        return;
    }
    // One factor for both directions keeps the section's proportions; its larger dimension
    // spans two thirds of the largest moment. Section y is drawn upwards.
    const double g = kSectionShare * f.momentRange / size;
    const auto sx = [&](double x) { return f.x((x - model.refX) * g); };
    const auto sy = [&](double y) { return f.y(-(y - model.refY) * g); };
    canvas.moveTo(sx(points.back().x), sy(points.back().y));
    for (const Point& p : points) {
        canvas.lineTo(sx(p.x), sy(p.y), kLightMagenta);
    }
    for (const Bar& b : modelBars(model)) {
        canvas.circle(sx(b.x), sy(b.y), b.size / 16.0 * g * f.s, kLightMagenta);
    }
}

} // namespace

void drawPlot2D(Canvas& canvas, PlotMode mode, const CurveTable& table, int count,
                const SurfaceExtents& extents, const ProjectModel& model,
                const Plot2DOptions& options) {
    canvas.clear();
    const int n = std::clamp(count, 0, kMaxCurveRows);
    const PlotFrame f = mode == PlotMode::PnMn ? pnMnFrame(canvas, table, n, extents)
                                               : biaxialFrame(canvas, table, n, extents);

    canvas.line(0, f.y(0), f.width, f.y(0), kLightBlue);
    canvas.line(f.x(0), 0, f.x(0), f.height, kLightBlue);

    // A contour goes all the way round: its last direction joins its first.
    const int steps = mode == PlotMode::Biaxial && n > 0 ? n + 1 : n;
    const auto rowOf = [n](int k) { return (k - 1) % n + 1; };

    if (options.nominal) {
        PolylinePen pen(canvas, kDarkYellow);
        for (int k = 1; k <= steps; ++k) {
            const int i = rowOf(k);
            if (!table.isFound(i)) {
                pen.lift();
                continue;
            }
            const PlotPoint p = nominalPoint(mode, table, i);
            pen.to(f.x(p.h), f.y(p.v));
        }
    }

    if (options.reduced) {
        const double phiPnMax = model.phiPnMax / 1000.0;
        PolylinePen pen(canvas, kLightGreen);
        for (int k = 1; k <= steps; ++k) {
            const int i = rowOf(k);
            const double phi = table.phi(i);
            // A contour row with phi 0 lies beyond the reduced capacity: it has no reduced point.
            if (!table.isFound(i) || (mode == PlotMode::Biaxial && phi == 0)) {
                pen.lift();
                continue;
            }
            const PlotPoint p = nominalPoint(mode, table, i);
            double v = phi * p.v;
            if (mode == PlotMode::PnMn) {
                v = std::max(v, phiPnMax);
            }
            pen.to(f.x(phi * p.h), f.y(v));
        }
    }

    if (mode == PlotMode::Biaxial && options.section) {
        drawSectionOverlay(canvas, f, model);
    }
}

} // namespace pmsect
