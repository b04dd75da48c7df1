// Area and centroid of a polygon, with the bars that lie in it deducted.
#pragma once

#include "model/section_geometry.h"

#include <span>

namespace pmsect {

struct PolygonProperties {
    float grossArea = 0; // area of the polygon, either orientation
    float netArea = 0;   // grossArea less the bars that lie within the polygon's height
    float centroidX = 0; // centroid of the net area
    float centroidY = 0;
};

// A bar reduced to what the measuring needs: its position and its area.
struct PlacedArea {
    float x;
    float y;
    float area;
};

// The same with the bars' areas already looked up: the engine's hot path.
PolygonProperties polygonPropertiesOfAreas(std::span<const Point> polygon,
                                           std::span<const PlacedArea> bars);

// netArea of polygonPropertiesOfAreas, the same to the last digit, without the centroid.
float netAreaOfAreas(std::span<const Point> polygon, std::span<const PlacedArea> bars);

// A bar counts as lying in the polygon when its y is strictly between the polygon's lowest and
// highest point. The inputs are not changed. A bar number missing from the bar table deducts
// nothing.
PolygonProperties polygonProperties(std::span<const Point> polygon, std::span<const Bar> bars);

} // namespace pmsect
