// Mouse turning and zoom of the 3D views.
#include "ui/view_turning.h"

#include <algorithm>
#include <cmath>

namespace pmsect {
namespace {

constexpr double kDegreesPerUnit = 0.5;
constexpr double kZoomPerStep = 1.15;
constexpr double kSmallestZoom = 0.2;
constexpr double kLargestZoom = 10;

} // namespace

ViewTurn turnedBy(const ViewTurn& start, double dx, double dy) {
    ViewTurn v = start;
    if (!std::isfinite(dx) || !std::isfinite(dy)) {
        return v;
    }
    const double h = std::fmod(start.horizontal + kDegreesPerUnit * dx, 360.0);
    v.horizontal = h < 0 ? h + 360.0 : h;
    v.vertical = std::clamp(start.vertical + kDegreesPerUnit * dy, -90.0, 90.0);
    return v;
}

ViewTurn zoomedBy(const ViewTurn& view, double steps) {
    ViewTurn v = view;
    if (std::isfinite(steps)) {
        v.zoom = std::clamp(view.zoom * std::pow(kZoomPerStep, steps), kSmallestZoom, kLargestZoom);
    }
    return v;
}

} // namespace pmsect
