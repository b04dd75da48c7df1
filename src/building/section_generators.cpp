// Section generators: rectangle, round section and edited outline.
#include "building/section_generators.h"

#include "project/project_summary.h"

#include <algorithm>
#include <cmath>

namespace pmsect {

namespace {

// Points from the lower left corner, up the left side, across the top and down the right side;
// the last point connects to the first without a repeated point.
void writeRectangleOutline(ProjectModel& model, float b, float h) {
    model.rectB = b;
    model.rectH = h;
    const float halfB = static_cast<float>(static_cast<double>(b) / 2);
    const float halfH = static_cast<float>(static_cast<double>(h) / 2);
    model.numPoints = 4;
    model.points[1] = {-halfB, -halfH};
    model.points[2] = {-halfB, halfH};
    model.points[3] = {halfB, halfH};
    model.points[4] = {halfB, -halfH};
    model.extentX = b;
    model.extentY = h;
    model.midX = 0;
    model.midY = 0;
    model.grossArea = static_cast<float>(static_cast<double>(b) * h);
}

// The points on the circle, counter-clockwise from (D/2, 0).
void writeRoundOutline(ProjectModel& model, float D) {
    model.circDiam = D;
    const double step = 2 * kRoundStepPi / kRoundOutlinePoints;
    const double radius = static_cast<double>(D) / 2;
    model.numPoints = kRoundOutlinePoints;
    for (int i = 1; i <= kRoundOutlinePoints; ++i) {
        const double angle = (i - 1) * step;
        model.points[static_cast<std::size_t>(i)] = {static_cast<float>(radius * std::cos(angle)),
                                                     static_cast<float>(radius * std::sin(angle))};
    }
    model.extentX = D;
    model.extentY = D;
    model.midX = 0;
    model.midY = 0;
}

} // namespace

void chooseRectangularSection(ProjectModel& model, float b, float h) {
    model.sectionType = kRectangular;
    writeRectangleOutline(model, b, h);
    model.refX = 0;
    model.refY = 0;
}

void enterRectangleDimension(ProjectModel& model, float b, float h, DimensionTyped which) {
    writeRectangleOutline(model, b, h);
    // A zero or negative dimension is kept as typed; only the drawing scale is guarded, and only
    // for the dimension that was typed.
    if (which == DimensionTyped::Width && !(b > 0)) {
        model.extentX = 1;
    }
    if (which == DimensionTyped::Depth && !(h > 0)) {
        model.extentY = 1;
    }
}

void chooseRoundSection(ProjectModel& model, float D) {
    model.sectionType = kRound;
    writeRoundOutline(model, D);
    model.refX = 0;
    model.refY = 0;
}

void applyRoundPolygonArea(ProjectModel& model) {
    model.grossArea = polygonProperties(model).grossArea;
}

void enterDiameter(ProjectModel& model, float D) {
    writeRoundOutline(model, D);
    if (!(D > 0)) {
        model.extentX = 1;
        model.extentY = 1;
    }
    // The polygon's own area, not the circle's: the strength comes from the polygon, and a
    // section typed in is the same section when it is saved and opened again.
    applyRoundPolygonArea(model);
}

void chooseArbitrarySection(ProjectModel& model) {
    model.sectionType = kArbitrary;
}

void applyEditedOutline(ProjectModel& model) {
    const auto outline = outlinePoints(model);
    if (!outline.empty()) {
        float xmin = outline[0].x;
        float xmax = outline[0].x;
        float ymin = outline[0].y;
        float ymax = outline[0].y;
        for (const Point& p : outline) {
            xmin = std::min(xmin, p.x);
            xmax = std::max(xmax, p.x);
            ymin = std::min(ymin, p.y);
            ymax = std::max(ymax, p.y);
        }
        model.extentX = static_cast<float>(static_cast<double>(xmax) - xmin);
        model.extentY = static_cast<float>(static_cast<double>(ymax) - ymin);
        model.midX = static_cast<float>((static_cast<double>(xmax) + xmin) / 2);
        model.midY = static_cast<float>((static_cast<double>(ymax) + ymin) / 2);
    }
    // An empty outline keeps the old drawing box; its area and centroid are 0.
    const PolygonProperties props = polygonProperties(model);
    model.grossArea = props.grossArea;
    model.refX = props.centroidX;
    model.refY = props.centroidY;
}

} // namespace pmsect
