// The section generators: turn a rectangle, a round section or an edited polygon
// into the outline the engine sees, with its bounding box, reference point and gross area.
#pragma once

#include "engine/shortened_pi.h"
#include "model/project_model.h"

namespace pmsect {

// Which box of the rectangle was typed; only that dimension's drawing extent is guarded.
enum class DimensionTyped { Width, Depth };

// An inscribed polygon of n sides falls short of its circle by about (2 pi / n)^2 / 6 of the
// area: 96 points keep the gross area within 0.1 % of pi D^2 / 4 (0.07 %), as an engineer checks
// it by hand, and leave room in the outline table for a few points of the editor's own.
inline constexpr int kRoundOutlinePoints = 96;

// sectionType = rectangular, rectB/rectH, the four corners from the lower left clockwise,
// extents b x h about the origin, reference point (0, 0), grossArea = b*h.
void chooseRectangularSection(ProjectModel& model, float b, float h);

// As chooseRectangularSection but keeps sectionType and the reference point; the extent of the
// typed dimension becomes 1 when that dimension is zero or negative, so the drawing keeps a scale.
void enterRectangleDimension(ProjectModel& model, float b, float h, DimensionTyped which);

// sectionType = round, circDiam, the inscribed outline, extents D x D, reference point
// (0, 0). The gross area is a later step (applyRoundPolygonArea): the main window rebuilds the
// bars in between.
void chooseRoundSection(ProjectModel& model, float D);

// grossArea = the area of the current outline polygon (polygonProperties), the last step of
// choosing a round section.
void applyRoundPolygonArea(ProjectModel& model);

// circDiam, the inscribed outline, extents (1 x 1 when D <= 0), grossArea = the area of that
// outline, the one the engine integrates. The reference point is left as it is.
void enterDiameter(ProjectModel& model, float D);

// sectionType = arbitrary; the outline stays as it is, the starting point of the point editor.
void chooseArbitrarySection(ProjectModel& model);

// After the point editor has written points/numPoints: bounding box, mid point, and grossArea and
// the reference point (the net centroid with the bars present) from polygonProperties.
void applyEditedOutline(ProjectModel& model);

} // namespace pmsect
