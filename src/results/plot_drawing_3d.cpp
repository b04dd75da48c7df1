// The 3D view: axes, the nominal and reduced surface meshes, the loads with their capacities
// and the section, all through one scene so that they line up.
#include "project/checked_load_points.h"
#include "project/project_summary.h"
#include "results/plot_drawing.h"
#include "results/polyline_pen.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace pmsect {
namespace {

constexpr double kSectionShare = 2.0 / 3.0; // of the largest moment
constexpr double kMarkerDivisor = 50.0;
constexpr double kLoadCircleShare = 0.5; // of the marker size

class SceneDrawer {
public:
    SceneDrawer(Canvas& canvas, const Scene3D& scene) : canvas_(canvas), scene_(scene) {}

    void line(const ModelPoint& a, const ModelPoint& b, int colour) {
        const ScreenPoint p = scene_.toScreen(a);
        const ScreenPoint q = scene_.toScreen(b);
        canvas_.line(p.x, p.y, q.x, q.y, colour);
    }

    // An axis name beside the axis's end.
    void label(const ModelPoint& end, std::string_view name, int colour) {
        const ScreenPoint p = scene_.toScreen(end);
        // Beside the end, but drawn back inside the picture when the end lies near its edge.
        const double x = std::min(p.x + 3, canvas_.width() - canvas_.textWidth(name));
        canvas_.text(std::max(0.0, x), std::max(0.0, p.y - canvas_.textHeight() - 1), name, colour);
    }

    void circle(const ModelPoint& c, double radius, int colour) {
        const ScreenPoint p = scene_.toScreen(c);
        canvas_.circle(p.x, p.y, radius, colour);
    }

    // A ring per row through every direction, starting at the last so that it closes, then a
    // polyline per direction through its rows. Points not found lift the pen.
    template <class PointOf> void mesh(const SurfaceData& surface, int colour, PointOf pointOf) {
        const int n = std::clamp<int>(surface.sections, 0, kMaxSurfaceSections);
        const int rows = std::clamp<int>(surface.rowCount, 0, kMaxCurveRows);
        if (n == 0) {
            return;
        }
        for (int i = 1; i <= rows; ++i) {
            PolylinePen pen(canvas_, colour);
            for (int step = 0; step <= n; ++step) {
                visit(pen, surface, step == 0 ? n : step, i, pointOf);
            }
        }
        for (int j = 1; j <= n; ++j) {
            PolylinePen pen(canvas_, colour);
            for (int i = 1; i <= rows; ++i) {
                visit(pen, surface, j, i, pointOf);
            }
        }
    }

private:
    template <class PointOf>
    void visit(PolylinePen& pen, const SurfaceData& surface, int j, int i, PointOf pointOf) {
        if (!surface.isFound(j, i)) {
            pen.lift();
            return;
        }
        const ScreenPoint p = scene_.toScreen(pointOf(j, i));
        pen.to(p.x, p.y);
    }

    Canvas& canvas_;
    const Scene3D& scene_;
};

void drawLoads(Canvas& canvas, SceneDrawer& draw, const Scene3D& scene, const ProjectModel& model,
               const SectionResults& section) {
    const double marker = loadMarkerSize(canvas);
    const double arm = marker / scene.screenScale(); // model units
    const double k = scene.k();
    // Each load at the moments its ratio is computed on, magnified for a slender member.
    const std::vector<CheckedLoadPoint> points = checkedLoadPoints(model);
    for (int i = 1; i <= model.loads.count(); ++i) {
        const std::optional<LoadResult> result =
            storedLoadResult(section, model, static_cast<std::size_t>(i));
        if (!result) {
            continue; // not checked yet: it would show as passing
        }
        const bool found = result->capacityFound;
        const float ratio = result->ratio;
        // A load without an established capacity counts as failing.
        const int colour = found && ratio <= 1.0f ? kYellow : kLightRed;
        const CheckedLoadPoint& load = points[static_cast<std::size_t>(i - 1)];
        const ModelPoint L{load.Mx * 12.0 * k, load.Pu, load.My * 12.0 * k};
        draw.line({L.X - arm, L.Y, L.Z}, {L.X + arm, L.Y, L.Z}, colour);
        draw.line({L.X, L.Y - arm, L.Z}, {L.X, L.Y + arm, L.Z}, colour);
        draw.line({L.X, L.Y, L.Z - arm}, {L.X, L.Y, L.Z + arm}, colour);
        draw.circle(L, kLoadCircleShare * marker, colour);
        if (!found) {
            continue;
        }
        const ModelPoint C{result->phiMnx * 12.0 * k, result->phiPn, result->phiMny * 12.0 * k};
        draw.line({0, 0, 0}, C, kYellow);
        if (ratio > 1.0f) {
            draw.circle(C, kLoadCircleShare * marker, kYellow);
            draw.line(C, L, kLightRed);
        }
    }
}

void drawSection(Canvas& canvas, const Scene3D& scene, const ProjectModel& model) {
    const auto points = outlinePoints(model);
    const double size = std::max(model.extentX, model.extentY);
    const double momentHalf = static_cast<double>(scene.scale().mMax) * scene.k();
    if (points.empty() || !(size > 0) || !(momentHalf > 0)) {
        return;
    }
    // One factor for both directions keeps the section's proportions.
    const double g = kSectionShare * momentHalf / size;
    const auto at = [&](double x, double y) {
        return scene.toScreen({(x - model.refX) * g, 0, (y - model.refY) * g});
    };
    const ScreenPoint start = at(points.back().x, points.back().y);
    canvas.moveTo(start.x, start.y);
    for (const Point& p : points) {
        const ScreenPoint q = at(p.x, p.y);
        canvas.lineTo(q.x, q.y, kLightMagenta);
    }
    for (const Bar& b : modelBars(model)) {
        const ScreenPoint q = at(b.x, b.y);
        canvas.circle(q.x, q.y, b.size / 16.0 * g * scene.screenScale(), kLightMagenta);
    }
}

} // namespace

double loadMarkerSize(const Canvas& canvas) {
    return std::max(canvas.width(), canvas.height()) / kMarkerDivisor;
}

void drawView3D(Canvas& canvas, const SurfaceData& surface, const ProjectModel& model,
                const SectionResults& section, double h, double v, const View3DOptions& options,
                MomentScaleSource source) {
    canvas.clear();
    Scene3D scene(surface, h, v, canvas.width(), canvas.height(), source,
                  options.loads ? &model : nullptr, &section);
    scene.zoom(options.zoom);
    SceneDrawer draw(canvas, scene);
    const double k = scene.k();

    const double m = scene.momentAxisHalf();
    draw.line({-m, 0, 0}, {m, 0, 0}, kLightBlue);
    draw.line({0, 0, -m}, {0, 0, m}, kLightBlue);
    // Axis titles with the display units, as the 2D plot writes them.
    const std::string moment = " (" + model.units.momentLabel + ")";
    draw.label({m, 0, 0}, "Mnx" + moment, kLightBlue);
    draw.label({0, 0, m}, "Mny" + moment, kLightBlue);
    draw.line({0, scene.pAxisLow(), 0}, {0, scene.pAxisHigh(), 0}, kLightCyan);
    // Compression is the end a reader looks for: the top of the usual diagram.
    draw.label({0, scene.pAxisLow(), 0}, "Pn (" + model.units.forceLabel + ")", kLightCyan);
    if (!scene.hasSurface()) {
        return; // nothing computed to place the rest on
    }

    if (options.nominal) {
        draw.mesh(surface, kDarkYellow,
                  [&](int j, int i) { return nominalPoint(surface, j, i, k); });
    }
    if (options.reduced) {
        const auto cap = static_cast<float>(surface.limits.phiPnMax / 1000.0);
        draw.mesh(surface, kLightGreen,
                  [&](int j, int i) { return reducedPoint(surface, j, i, k, cap); });
    }
    if (options.loads) {
        drawLoads(canvas, draw, scene, model, section);
    }
    if (options.section) {
        drawSection(canvas, scene, model);
    }
}

} // namespace pmsect
