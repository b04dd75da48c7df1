// The single-point window's picture: the compression zone of one evaluation turned back into
// the section frame, centred on the reference point.
#include "results/section_drawing.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace pmsect {
namespace {

constexpr double kMargin = 1.2;

struct XY {
    double x;
    double y;
};

struct Turn {
    double cosA;
    double sinA;
    XY apply(const Point& p) const { return XY{p.x * cosA - p.y * sinA, p.x * sinA + p.y * cosA}; }
};

// Twice the largest distance from the reference point each way, over everything that is drawn
// at section scale, so that the whole section fits whichever part is in compression.
struct Spans {
    double dx = 0;
    double dy = 0;
    void include(double x, double y) {
        if (std::isfinite(x) && std::isfinite(y)) {
            dx = std::max(dx, 2 * std::fabs(x));
            dy = std::max(dy, 2 * std::fabs(y));
        }
    }
};

std::optional<double> scaleFor(const Spans& spans, double w, double h) {
    if (!(std::isfinite(w) && w > 0 && std::isfinite(h) && h > 0)) {
        return std::nullopt;
    }
    std::optional<double> s;
    if (spans.dy > 0) {
        s = h / (kMargin * spans.dy);
    }
    if (spans.dx > 0) {
        const double sx = w / (kMargin * spans.dx);
        s = s ? std::min(*s, sx) : sx;
    }
    if (s && !(std::isfinite(*s) && *s > 0)) {
        return std::nullopt;
    }
    return s;
}

} // namespace

void drawSection(const EvaluationDetail& detail, const ProjectModel& model, Canvas& canvas) {
    canvas.clear();
    const double w = canvas.width();
    const double h = canvas.height();

    const double a = -static_cast<double>(detail.theta);
    const Turn back{std::cos(a), std::sin(a)};

    const int n = std::clamp(detail.clippedCount, 0, kMaxClippedPoints);
    std::vector<XY> zone;
    zone.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        zone.push_back(back.apply(detail.clipped[static_cast<std::size_t>(i)]));
    }
    // The model's bars are in the section frame already; only the reference point is taken off,
    // on copies, so the drawing never disturbs the table the engine works on.
    std::vector<Bar> bars;
    for (const Bar& b : modelBars(model)) {
        bars.push_back(Bar{b.x - model.refX, b.y - model.refY, b.size});
    }

    Spans spans;
    for (const Point& p : outlinePoints(model)) {
        spans.include(static_cast<double>(p.x) - model.refX, static_cast<double>(p.y) - model.refY);
    }
    for (const XY& p : zone) {
        spans.include(p.x, p.y);
    }
    for (const Bar& b : bars) {
        spans.include(b.x, b.y);
    }

    canvas.line(0, h / 2, w, h / 2, kLightBlue);
    canvas.line(w / 2, 0, w / 2, h, kLightBlue);

    const auto scale = scaleFor(spans, w, h);
    if (!scale) {
        return;
    }
    const PictureMapping map{*scale, w / 2, h / 2};

    if (!zone.empty()) {
        canvas.point(map.mapX(zone.front().x), map.mapY(zone.front().y), kLightMagenta);
        for (std::size_t i = 1; i < zone.size(); ++i) {
            canvas.lineTo(map.mapX(zone[i].x), map.mapY(zone[i].y), kLightMagenta);
        }
        canvas.lineTo(map.mapX(zone.front().x), map.mapY(zone.front().y), kLightMagenta);
    }

    for (const Bar& b : bars) {
        canvas.circle(map.mapX(b.x), map.mapY(b.y), b.size / 16.0 * map.scale, kLightMagenta);
    }

    const double d = w / 25;
    for (const Point& marker :
         {detail.compressionResultant, detail.tensionResultant, detail.loadPoint}) {
        const auto [x, y] = back.apply(marker);
        if (!std::isfinite(x) || !std::isfinite(y) || 2 * std::fabs(x) * map.scale >= w ||
            2 * std::fabs(y) * map.scale >= h) {
            continue;
        }
        const double X = map.mapX(x);
        const double Y = map.mapY(y);
        canvas.line(X - d, Y, X + d, Y, kLightCyan);
        canvas.line(X, Y - d, X, Y + d, kLightCyan);
        canvas.circle(X, Y, d / 2, kLightCyan);
    }
}

} // namespace pmsect
