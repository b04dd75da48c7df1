// Turning, cutting and measuring the compressed part of the section.
#include "engine/compression_zone.h"

#include "engine/polygon_properties.h"

#include <algorithm>
#include <cmath>

namespace pmsect {

SectionTurn::SectionTurn(Point reference, float theta)
    : SectionTurn(reference, std::cos(static_cast<double>(theta)),
                  std::sin(static_cast<double>(theta))) {}

SectionTurn::SectionTurn(Point reference, double cosTheta, double sinTheta)
    : cosT(cosTheta), sinT(sinTheta), refX(reference.x), refY(reference.y) {}

void rotateOutline(std::span<const Point> outline, const SectionTurn& turn, RotatedSection& out) {
    const int n = std::min<int>(static_cast<int>(outline.size()), kMaxPoints);
    out.pointCount = n;
    if (n == 0) {
        out.xmax = out.xmin = out.ymax = out.ymin = 0;
        return;
    }
    // Kept in locals: stores into out could otherwise alias the outline for the compiler.
    const Point first = turn(outline[0].x, outline[0].y);
    out.points[0] = first;
    float xmax = first.x;
    float xmin = first.x;
    float ymax = first.y;
    float ymin = first.y;
    for (int i = 1; i < n; ++i) {
        const Point p = turn(outline[i].x, outline[i].y);
        out.points[i] = p;
        if (p.y > ymax) {
            ymax = p.y;
        }
        if (p.y < ymin) {
            ymin = p.y;
        }
        if (p.x > xmax) {
            xmax = p.x;
        }
        if (p.x < xmin) {
            xmin = p.x;
        }
    }
    out.xmax = xmax;
    out.xmin = xmin;
    out.ymax = ymax;
    out.ymin = ymin;
}

void rotateSection(const SectionGeometry& section, float theta, RotatedSection& out) {
    const SectionTurn turn(section.reference, theta);
    rotateOutline(section.outline, turn, out);
    out.barCount = std::min<int>(static_cast<int>(section.bars.size()), kMaxBars);
    for (int i = 0; i < out.barCount; ++i) {
        const SectionBar& bar = section.bars[static_cast<std::size_t>(i)];
        const Point p = turn(bar.x, bar.y);
        out.bars[static_cast<std::size_t>(i)] = {p.x, p.y, bar.area};
    }
}

namespace {

// The crossing of an edge with the cut line, measured from the edge's start in single
// precision.
Point crossing(const Point& from, const Point& to, float yc) {
    return {from.x + (to.x - from.x) * (yc - from.y) / (to.y - from.y), yc};
}

} // namespace

int clipAboveLine(std::span<const Point> polygon, float yc, Point* out) {
    const std::size_t n = polygon.size();
    if (n == 0) {
        return 0;
    }
    int count = 0;
    // Points on the cut line stay; an edge that passes strictly from one side to the other adds
    // its crossing. The closing edge's crossing goes last, so the kept part starts at point 1.
    for (std::size_t i = 0; i < n; ++i) {
        const Point& end = polygon[i];
        const bool endAbove = end.y > yc;
        const bool endKept = end.y >= yc;
        if (i > 0) {
            const Point& start = polygon[i - 1];
            if ((start.y < yc && endAbove) || (start.y > yc && end.y < yc)) {
                out[count++] = crossing(start, end, yc);
            }
        }
        if (endKept) {
            out[count++] = end;
        }
    }
    const Point& last = polygon[n - 1];
    const Point& first = polygon[0];
    if ((last.y < yc && first.y > yc) || (last.y > yc && first.y < yc)) {
        out[count++] = crossing(last, first, yc);
    }
    return count;
}

namespace {

float cutLine(const RotatedSection& section, float beta1, float c) {
    return static_cast<float>(static_cast<double>(section.ymax) - static_cast<double>(beta1) * c);
}

} // namespace

void measureCompressionZone(const RotatedSection& section, float beta1, float c,
                            CompressionZone& zone) {
    zone.yc = cutLine(section, beta1, c);
    zone.clippedCount = clipAboveLine(
        std::span<const Point>(section.points.data(), static_cast<std::size_t>(section.pointCount)),
        zone.yc, zone.clipped.data());
    const PolygonProperties props = polygonPropertiesOfAreas(
        std::span<const Point>(zone.clipped.data(), static_cast<std::size_t>(zone.clippedCount)),
        std::span<const PlacedArea>(section.bars.data(),
                                    static_cast<std::size_t>(section.barCount)));
    zone.grossCompArea = props.grossArea;
    zone.Ac = props.netArea;
    zone.centroidX = props.centroidX;
    zone.centroidY = props.centroidY;
}

float compressedNetArea(const RotatedSection& section, float beta1, float c) {
    std::array<Point, kMaxClippedPoints> clipped;
    const int count = clipAboveLine(
        std::span<const Point>(section.points.data(), static_cast<std::size_t>(section.pointCount)),
        cutLine(section, beta1, c), clipped.data());
    return netAreaOfAreas(std::span<const Point>(clipped.data(), static_cast<std::size_t>(count)),
                          std::span<const PlacedArea>(section.bars.data(),
                                                      static_cast<std::size_t>(section.barCount)));
}

} // namespace pmsect
