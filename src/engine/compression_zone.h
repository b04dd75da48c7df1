// The concrete that carries the stress block: the section turned so that the neutral axis is
// horizontal with the compressed side on top, cut at depth beta1*c below the top, and measured.
#pragma once

#include "engine/engine_inputs.h"
#include "engine/polygon_properties.h"
#include "model/section_geometry.h"

#include <array>
#include <span>

namespace pmsect {

// A cut outline keeps at most two points per point of the outline, and two where it closes.
inline constexpr int kMaxClippedPoints = 2 * kMaxPoints + 2;

// The outline and the bars in the turned frame, measured from the reference point. Only the
// first pointCount and barCount entries are ever read, so the arrays are left uninitialised:
// clearing them would cost more than the evaluation itself.
struct RotatedSection {
    int pointCount = 0;
    std::array<Point, kMaxPoints> points; // 0-based
    int barCount = 0;
    std::array<PlacedArea, kMaxBars> bars; // 0-based, with the bar's area
    float xmax = 0, xmin = 0, ymax = 0, ymin = 0;
};

// theta in radians: the section is turned by theta about the reference point.
void rotateSection(const SectionGeometry& section, float theta, RotatedSection& out);

// The turn of rotateSection for one point of the section's own frame.
struct SectionTurn {
    double cosT;
    double sinT;
    double refX;
    double refY;

    SectionTurn(Point reference, float theta);
    SectionTurn(Point reference, double cosTheta, double sinTheta);
    Point operator()(float px, float py) const {
        const double x = static_cast<double>(px) - refX;
        const double y = static_cast<double>(py) - refY;
        return {static_cast<float>(x * cosT - y * sinT), static_cast<float>(x * sinT + y * cosT)};
    }
};

// The outline half of rotateSection: pointCount, points and the extents.
void rotateOutline(std::span<const Point> outline, const SectionTurn& turn, RotatedSection& out);

// The part of a polygon at or above the line y = yc, in the polygon's own order, starting where
// point 1 (or its replacement on the cut line) stands. Returns the number of points written;
// out must hold 2 * polygon.size() points.
int clipAboveLine(std::span<const Point> polygon, float yc, Point* out);

struct CompressionZone {
    float yc = 0;            // cut line
    float grossCompArea = 0; // stress-block area, bars not deducted
    float Ac = 0;            // bars lying in the block deducted
    float centroidX = 0;     // of Ac, turned frame
    float centroidY = 0;
    int clippedCount = 0;
    std::array<Point, kMaxClippedPoints> clipped; // the first clippedCount are set
};

void measureCompressionZone(const RotatedSection& section, float beta1, float c,
                            CompressionZone& zone);

// zone.Ac of measureCompressionZone alone, the same to the last digit.
float compressedNetArea(const RotatedSection& section, float beta1, float c);

} // namespace pmsect
