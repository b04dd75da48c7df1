// Area and centroid of a polygon by the trapezoid sums of its edges, bars deducted.
#include "engine/polygon_properties.h"

#include "engine/bar_table.h"

#include <cmath>
#include <vector>

namespace pmsect {

namespace {

// Both measures share one body so that the net area the strain compatibility steps on is, digit
// for digit, the one the full measure gives; the area alone skips the first moments.
template <bool kCentroid>
PolygonProperties measure(std::span<const Point> polygon, std::span<const PlacedArea> bars) {
    PolygonProperties out;
    const std::size_t n = polygon.size();
    if (n == 0) {
        return out;
    }
    // The sums run on coordinates measured from the lower left of the polygon, which keeps them
    // small; the centroid is moved back at the end.
    float xmin = polygon[0].x;
    float ymin = polygon[0].y;
    float ymax = polygon[0].y;
    for (std::size_t i = 1; i < n; ++i) {
        if (polygon[i].x < xmin) {
            xmin = polygon[i].x;
        }
        if (polygon[i].y < ymin) {
            ymin = polygon[i].y;
        }
        if (polygon[i].y > ymax) {
            ymax = polygon[i].y;
        }
    }

    // The sums are kept in single precision; only the squares are taken in double precision.
    float A = 0;
    float Qy = 0;
    float Qx = 0;
    const auto addEdge = [&](const Point& p1, const Point& p2) {
        const float x1 = p1.x - xmin;
        const float y1 = p1.y - ymin;
        const float x2 = p2.x - xmin;
        const float y2 = p2.y - ymin;
        A = A - (y2 - y1) * (x2 + x1) / 2.0f;
        if constexpr (kCentroid) {
            const double xs = x2 + x1;
            const double xd = x2 - x1;
            const double ys = y2 + y1;
            const double yd = y2 - y1;
            Qy = static_cast<float>(Qy + static_cast<double>((y2 - y1) / 8.0f) *
                                             (std::pow(xs, 2) + std::pow(xd, 2) / 3.0));
            Qx = static_cast<float>(Qx + static_cast<double>((x2 - x1) / 8.0f) *
                                             (std::pow(ys, 2) + std::pow(yd, 2) / 3.0));
        }
    };
    for (std::size_t i = 0; i + 1 < n; ++i) {
        addEdge(polygon[i], polygon[i + 1]);
    }
    addEdge(polygon[n - 1], polygon[0]); // the closing edge is always added

    float cx = 0;
    float cy = 0;
    if constexpr (kCentroid) {
        if (std::fabs(A) >= 0.01f) {
            cx = -Qy / A;
            cy = Qx / A;
        }
    }
    if (A < 0) {
        A = -A;
    }
    out.grossArea = A;

    if (!bars.empty()) {
        if constexpr (kCentroid) {
            Qy = cx * A;
            Qx = cy * A;
        }
        const float height = ymax - ymin;
        for (const PlacedArea& bar : bars) {
            const float y = bar.y - ymin;
            if (y > 0 && y < height) {
                const float area = bar.area;
                A = A - area;
                if constexpr (kCentroid) {
                    Qy = Qy - (bar.x - xmin) * area;
                    Qx = Qx - y * area;
                }
            }
        }
        if constexpr (kCentroid) {
            cx = 0;
            cy = 0;
            if (std::fabs(A) >= 0.01f) {
                cx = Qy / A;
                cy = Qx / A;
            }
        }
    }
    out.netArea = A;
    if constexpr (kCentroid) {
        out.centroidX = cx + xmin;
        out.centroidY = cy + ymin;
    }
    return out;
}

} // namespace

PolygonProperties polygonPropertiesOfAreas(std::span<const Point> polygon,
                                           std::span<const PlacedArea> bars) {
    return measure<true>(polygon, bars);
}

float netAreaOfAreas(std::span<const Point> polygon, std::span<const PlacedArea> bars) {
    return measure<false>(polygon, bars).netArea;
}

PolygonProperties polygonProperties(std::span<const Point> polygon, std::span<const Bar> bars) {
    std::vector<PlacedArea> areas;
    areas.reserve(bars.size());
    for (const Bar& bar : bars) {
        const auto size = findBarSize(bar.size);
        areas.push_back({bar.x, bar.y, size ? size->area : 0.0f});
    }
    return polygonPropertiesOfAreas(polygon, areas);
}

} // namespace pmsect
