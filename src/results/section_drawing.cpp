// The main window's section picture, drawn over the whole picture or in a box of it.
#include "results/section_drawing.h"

#include "engine/shortened_pi.h"
#include "project/project_summary.h"

#include <algorithm>
#include <cmath>

namespace pmsect {
namespace {

constexpr double kMargin = 1.2;
constexpr double kDegToRad = kShortPi / 180.0;

bool positive(double v) {
    return std::isfinite(v) && v > 0;
}

void drawGlobalAxes(Canvas& c, const PictureBox& box, double x0, double y0) {
    c.line(box.left, y0, box.left + box.width, y0, kLightBlue);
    c.line(x0, box.top, x0, box.top + box.height, kLightBlue);
}

void drawLoadMarkers(const ProjectModel& model, const SectionResults& section, Canvas& c,
                     const PictureBox& box, const PictureMapping& map,
                     const SectionDrawingStyle& style) {
    for (int i = 1; i <= model.loads.count(); ++i) {
        const std::optional<LoadResult> result =
            storedLoadResult(section, model, static_cast<std::size_t>(i));
        if (!result) {
            continue; // no eccentricity yet: its check has not run
        }
        const double e = result->eccentricity;
        const double a = result->angle * kDegToRad;
        const double X = map.mapX(e * std::cos(a));
        const double Y = map.mapY(e * std::sin(a));
        // Pure-bending rows carry e = 10000, which normally lands far outside and is skipped.
        if (!std::isfinite(X) || !std::isfinite(Y) || std::fabs(X - box.left) >= box.width ||
            std::fabs(Y - box.top) >= box.height) {
            continue;
        }
        c.circle(X, Y, style.loadMarkerRadius, kYellow);
        c.line(X, Y - style.loadMarkerArm, X, Y + style.loadMarkerArm, kYellow);
        c.line(X - style.loadMarkerArm, Y, X + style.loadMarkerArm, Y, kYellow);
    }
}

} // namespace

std::optional<PictureMapping> sectionPictureMapping(const ProjectModel& model,
                                                    const PictureBox& box) {
    if (outlinePoints(model).empty() || !positive(box.width) || !positive(box.height)) {
        return std::nullopt;
    }
    // A section with no height (or no width) is still scaled by the other direction.
    std::optional<double> s;
    if (positive(model.extentY)) {
        s = box.height / (kMargin * model.extentY);
    }
    if (positive(model.extentX)) {
        const double sx = box.width / (kMargin * model.extentX);
        s = s ? std::min(*s, sx) : sx;
    }
    if (!s || !positive(*s)) {
        return std::nullopt;
    }
    PictureMapping map;
    map.scale = *s;
    map.x0 = box.left + box.width / 2 - model.midX * map.scale;
    map.y0 = box.top + box.height / 2 + model.midY * map.scale;
    return map;
}

void drawSectionPicture(const ProjectModel& model, const SectionResults& section, Canvas& canvas,
                        const SectionDrawingStyle& style) {
    canvas.clear();
    drawSectionInBox(model, section, canvas, PictureBox{0, 0, canvas.width(), canvas.height()},
                     style);
}

void drawSectionInBox(const ProjectModel& model, const SectionResults& section, Canvas& canvas,
                      const PictureBox& box, const SectionDrawingStyle& style) {
    const auto mapping = sectionPictureMapping(model, box);
    if (!mapping) {
        drawGlobalAxes(canvas, box, box.left + box.width / 2, box.top + box.height / 2);
        return;
    }
    const PictureMapping& map = *mapping;
    drawGlobalAxes(canvas, box, map.x0, map.y0);

    const double xc = map.mapX(model.refX);
    const double yc = map.mapY(model.refY);
    canvas.line(box.left + 0.1 * box.width, yc, box.left + 0.9 * box.width, yc, kLightCyan);
    canvas.line(xc, box.top + 0.1 * box.height, xc, box.top + 0.9 * box.height, kLightCyan);

    // Starting from the last point closes the polygon with the continuation lines alone.
    const auto points = outlinePoints(model);
    canvas.point(map.mapX(points.back().x), map.mapY(points.back().y), kLightMagenta);
    for (const Point& p : points) {
        canvas.lineTo(map.mapX(p.x), map.mapY(p.y), kLightMagenta);
    }

    for (const Bar& b : modelBars(model)) {
        canvas.circle(map.mapX(b.x), map.mapY(b.y), b.size / 16.0 * map.scale, kLightMagenta);
    }

    drawLoadMarkers(model, section, canvas, box, map, style);
}

} // namespace pmsect
