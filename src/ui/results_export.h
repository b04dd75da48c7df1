// The results as files: the 2D curve or contour and the surface as comma-separated values in the
// display units, and either picture as an SVG document.
#pragma once

#include "engine/interaction_curve.h"
#include "engine/interaction_surface.h"
#include "model/project_model.h"
#include "results/canvas.h"
#include "results/svg_canvas.h"

#include <functional>
#include <string>
#include <string_view>

namespace pmsect {

// "phi,Pn (k),Mn (ft-k),found" and rows 1..count: Pn in the display force unit, Mn turned from
// kip-in into the display moment unit. A row whose point was not found keeps its Pn and phi but
// has an empty moment and found 0.
std::string curveCsv(const CurveTable& curve, int count, const DisplayUnits& units);

// "angle (deg),phi,Mnx (ft-k),Mny (ft-k),found": the 40 directions of the contour with the
// moment about each axis (the table keeps their negatives for the plot).
std::string contourCsv(const CurveTable& contour, const DisplayUnits& units);

// "direction,angle (deg),row,phi,Pn (k),Mn (ft-k),found" for every direction and row.
std::string surfaceCsv(const SurfaceData& surface, const DisplayUnits& units);

// A drawing made on an SVG canvas of the given size.
std::string pictureSvg(const std::function<void(Canvas&)>& drawing, double width, double height,
                       SvgBackground background = SvgBackground::White);

// Writes the file's bytes to path, replacing what was there only once they are all on the disk;
// false when the file cannot be written.
bool saveExport(const std::string& path, std::string_view bytes);

} // namespace pmsect
