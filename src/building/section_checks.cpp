// Outline and bar checks, in double precision on the stored single-precision coordinates.
#include "building/section_checks.h"

#include "format/number_format.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace pmsect {
namespace {

struct Vertex {
    double x;
    double y;
    int row; // the outline row it was stored at
};

// The corners with repeated consecutive points (and a last point repeating the first) dropped.
std::vector<Vertex> corners(const ProjectModel& m) {
    std::vector<Vertex> out;
    int row = 0;
    for (const Point& p : outlinePoints(m)) {
        ++row;
        const Vertex v{p.x, p.y, row};
        if (out.empty() || out.back().x != v.x || out.back().y != v.y) {
            out.push_back(v);
        }
    }
    while (out.size() > 1 && out.front().x == out.back().x && out.front().y == out.back().y) {
        out.pop_back();
    }
    return out;
}

double cross(const Vertex& o, const Vertex& a, const Vertex& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

int sign(double v, double tolerance) {
    return v > tolerance ? 1 : (v < -tolerance ? -1 : 0);
}

bool onSegment(const Vertex& p, const Vertex& a, const Vertex& b) {
    return std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= p.y &&
           p.y <= std::max(a.y, b.y);
}

// Whether segments ab and cd share a point, touching included.
bool segmentsMeet(const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d,
                  double tolerance) {
    const int d1 = sign(cross(c, d, a), tolerance);
    const int d2 = sign(cross(c, d, b), tolerance);
    const int d3 = sign(cross(a, b, c), tolerance);
    const int d4 = sign(cross(a, b, d), tolerance);
    if (d1 * d2 < 0 && d3 * d4 < 0) {
        return true;
    }
    return (d1 == 0 && onSegment(a, c, d)) || (d2 == 0 && onSegment(b, c, d)) ||
           (d3 == 0 && onSegment(c, a, b)) || (d4 == 0 && onSegment(d, a, b));
}

std::string edgeName(const std::vector<Vertex>& v, std::size_t i) {
    return std::to_string(v[i].row) + "-" + std::to_string(v[(i + 1) % v.size()].row);
}

// The square of the outline's larger span: the scale of its areas and of its rounding.
double scaleOf(const std::vector<Vertex>& v) {
    double xmin = v[0].x, xmax = v[0].x, ymin = v[0].y, ymax = v[0].y;
    for (const Vertex& p : v) {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
        ymin = std::min(ymin, p.y);
        ymax = std::max(ymax, p.y);
    }
    const double span = std::max(xmax - xmin, ymax - ymin);
    return span * span;
}

// Twice the signed area (shoelace).
double doubleArea(const std::vector<Vertex>& v) {
    double sum = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const Vertex& a = v[i];
        const Vertex& b = v[(i + 1) % v.size()];
        sum += a.x * b.y - b.x * a.y;
    }
    return sum;
}

constexpr const char* kNoArea = "the outline has no area (its points lie on one line)";

// Whether every corner lies on the line through the first corner and the one farthest from it.
bool allOnOneLine(const std::vector<Vertex>& v, double tolerance) {
    std::size_t far = 0;
    double farthest = -1;
    for (std::size_t i = 1; i < v.size(); ++i) {
        const double d = std::hypot(v[i].x - v[0].x, v[i].y - v[0].y);
        if (d > farthest) {
            farthest = d;
            far = i;
        }
    }
    return std::all_of(v.begin(), v.end(), [&](const Vertex& p) {
        return std::fabs(cross(v[0], v[far], p)) <= tolerance;
    });
}

// Inside or on the boundary, by the crossing rule; a point within the tolerance of an edge is on
// it.
bool insideOrOn(const std::vector<Vertex>& v, const Vertex& p, double tolerance) {
    bool inside = false;
    for (std::size_t i = 0, j = v.size() - 1; i < v.size(); j = i++) {
        const Vertex& a = v[i];
        const Vertex& b = v[j];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        if (std::fabs(cross(a, b, p)) <= tolerance * std::max(length, 1.0) && onSegment(p, a, b)) {
            return true;
        }
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

} // namespace

std::optional<SectionFault> outlineFault(const ProjectModel& model) {
    const std::vector<Vertex> v = corners(model);
    if (v.size() < 3) {
        return SectionFault{0, false, "the outline needs at least 3 distinct points"};
    }
    const double scale = scaleOf(v);
    // Single-precision coordinates carry a relative error near 1e-7; a cross product of them
    // one near 1e-7 of the outline's span squared.
    const double tolerance = 1e-9 * scale;
    if (allOnOneLine(v, tolerance)) {
        return SectionFault{0, false, kNoArea};
    }
    const std::size_t n = v.size();
    for (std::size_t i = 0; i < n; ++i) {
        const Vertex& a = v[i];
        const Vertex& b = v[(i + 1) % n];
        for (std::size_t j = i + 1; j < n; ++j) {
            const Vertex& c = v[j];
            const Vertex& d = v[(j + 1) % n];
            const bool next = j == i + 1;
            const bool previous = i == 0 && j == n - 1;
            bool meet = false;
            if (next || previous) {
                // Neighbours share a corner; they meet elsewhere only when they fold back on
                // each other along one line.
                const Vertex& shared = next ? b : a;
                const Vertex& p = next ? a : b;
                const Vertex& q = next ? d : c;
                const double dot =
                    (p.x - shared.x) * (q.x - shared.x) + (p.y - shared.y) * (q.y - shared.y);
                meet = sign(cross(shared, p, q), tolerance) == 0 && dot > 0;
            } else {
                meet = segmentsMeet(a, b, c, d, tolerance);
            }
            if (meet) {
                return SectionFault{a.row, false,
                                    "the outline crosses itself: edge " + edgeName(v, i) +
                                        " meets edge " + edgeName(v, j)};
            }
        }
    }
    // A simple polygon whose corners are not on one line has area; this catches what rounding
    // lets through.
    if (!(std::fabs(doubleArea(v)) > 1e-6 * scale)) {
        return SectionFault{0, false, kNoArea};
    }
    return std::nullopt;
}

std::optional<SectionFault> barOutsideFault(const ProjectModel& model) {
    const std::vector<Vertex> v = corners(model);
    if (v.size() < 3) {
        return std::nullopt;
    }
    const double tolerance = 1e-6 * std::sqrt(scaleOf(v));
    int row = 0;
    for (const Bar& bar : modelBars(model)) {
        ++row;
        if (!insideOrOn(v, Vertex{bar.x, bar.y, row}, tolerance)) {
            return SectionFault{row, true,
                                "bar " + std::to_string(row) + " at (" + boxNumberText(bar.x) +
                                    ", " + boxNumberText(bar.y) + ") lies outside the outline"};
        }
    }
    return std::nullopt;
}

std::optional<SectionFault> sectionFault(const ProjectModel& model) {
    if (auto fault = outlineFault(model)) {
        return fault;
    }
    return barOutsideFault(model);
}

} // namespace pmsect
