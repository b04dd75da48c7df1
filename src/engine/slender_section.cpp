// Second moments of the outline by its edges (Green's theorem) and of the bars as points.
#include "engine/slender_section.h"

#include <cmath>
#include <cstddef>

namespace pmsect {
namespace {

// Depth factors of the radius of gyration: 0.30 h of a rectangle, 0.25 D of a circle.
constexpr double kRectangleRadiusShare = 0.30;
constexpr double kCircleRadiusShare = 0.25;

struct OutlineMoments {
    double area = 0;
    double cx = 0;
    double cy = 0;
    double Ixx = 0; // about the centroid
    double Iyy = 0;
};

OutlineMoments outlineMoments(const std::vector<Point>& outline) {
    double a = 0, sx = 0, sy = 0, ixx = 0, iyy = 0;
    const std::size_t n = outline.size();
    for (std::size_t i = 0; i < n; ++i) {
        const double x0 = outline[i].x, y0 = outline[i].y;
        const double x1 = outline[(i + 1) % n].x, y1 = outline[(i + 1) % n].y;
        const double cross = x0 * y1 - x1 * y0;
        a += cross / 2;
        sx += (x0 + x1) * cross / 6;
        sy += (y0 + y1) * cross / 6;
        ixx += (y0 * y0 + y0 * y1 + y1 * y1) * cross / 12;
        iyy += (x0 * x0 + x0 * x1 + x1 * x1) * cross / 12;
    }
    OutlineMoments m;
    if (a == 0) {
        return m;
    }
    m.cx = sx / a;
    m.cy = sy / a;
    // Either orientation: the signs of a and the sums go together.
    m.area = std::fabs(a);
    m.Ixx = std::fabs(ixx - a * m.cy * m.cy);
    m.Iyy = std::fabs(iyy - a * m.cx * m.cx);
    return m;
}

double radiusOfGyration(SectionShape shape, double I, double A, double depth) {
    switch (shape) {
    case SectionShape::Rectangular:
        return kRectangleRadiusShare * depth;
    case SectionShape::Round:
        return kCircleRadiusShare * depth;
    case SectionShape::Other:
        break;
    }
    return A > 0 ? std::sqrt(I / A) : 0;
}

} // namespace

SlenderSection slenderSectionOf(const SectionGeometry& section, SectionShape shape,
                                const Materials& materials) {
    const OutlineMoments m = outlineMoments(section.outline);
    SlenderSection s;
    s.Ag = m.area;
    s.x.Ig = m.Ixx;
    s.y.Ig = m.Iyy;
    for (const SectionBar& bar : section.bars) {
        s.x.Ise += bar.area * (bar.y - m.cy) * (bar.y - m.cy);
        s.y.Ise += bar.area * (bar.x - m.cx) * (bar.x - m.cx);
    }
    s.x.h = section.extentY;
    s.y.h = section.extentX;
    s.x.r = radiusOfGyration(shape, s.x.Ig, s.Ag, s.x.h);
    s.y.r = radiusOfGyration(shape, s.y.Ig, s.Ag, s.y.h);
    s.Ec = materials.Ec;
    s.Es = materials.Es;
    s.fpc = materials.fpc;
    return s;
}

} // namespace pmsect
