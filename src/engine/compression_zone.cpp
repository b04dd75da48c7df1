// Turning, cutting and measuring the compressed part of the section.
#include "engine/compression_zone.h"

#include "engine/bar_table.h"
#include "engine/polygon_properties.h"

#include <algorithm>
#include <cmath>

namespace pmsect {

void rotateSection(const ProjectModel& model, int pointCount, float theta, RotatedSection& out,
                   std::optional<float>* unmatchedBarSize) {
    const double cosT = std::cos(static_cast<double>(theta));
    const double sinT = std::sin(static_cast<double>(theta));
    const auto outline = outlinePoints(model);
    const int n = pointCount < 0 ? 0 : std::min<int>(pointCount, static_cast<int>(outline.size()));
    out.pointCount = n;
    for (int i = 0; i < n; ++i) {
        const double x = static_cast<double>(outline[i].x) - model.refX;
        const double y = static_cast<double>(outline[i].y) - model.refY;
        out.points[i].x = static_cast<float>(x * cosT - y * sinT);
        out.points[i].y = static_cast<float>(x * sinT + y * cosT);
    }
    const auto bars = modelBars(model);
    out.barCount = static_cast<int>(bars.size());
    for (int i = 0; i < out.barCount; ++i) {
        const double x = static_cast<double>(bars[i].x) - model.refX;
        const double y = static_cast<double>(bars[i].y) - model.refY;
        out.bars[i].x = static_cast<float>(x * cosT - y * sinT);
        out.bars[i].y = static_cast<float>(x * sinT + y * cosT);
        const BarSize* size = barSizeOf(bars[i].size);
        if (!size && unmatchedBarSize) {
            *unmatchedBarSize = bars[i].size;
        }
        out.bars[i].area = size ? size->area : 0.0f;
    }
    if (n == 0) {
        out.xmax = out.xmin = out.ymax = out.ymin = 0;
        return;
    }
    out.xmax = out.xmin = out.points[0].x;
    out.ymax = out.ymin = out.points[0].y;
    for (int i = 1; i < n; ++i) {
        const Point& p = out.points[i];
        if (p.y > out.ymax) {
            out.ymax = p.y;
        }
        if (p.y < out.ymin) {
            out.ymin = p.y;
        }
        if (p.x > out.xmax) {
            out.xmax = p.x;
        }
        if (p.x < out.xmin) {
            out.xmin = p.x;
        }
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

void measureCompressionZone(const RotatedSection& section, float beta1, float c,
                            CompressionZone& zone) {
    zone.yc =
        static_cast<float>(static_cast<double>(section.ymax) - static_cast<double>(beta1) * c);
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

} // namespace pmsect
