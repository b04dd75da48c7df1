// The control points as the table printed under a Pn-Mn diagram, in the display units, each row
// led by the letter that marks the point on the diagram.
#pragma once

#include "model/project_model.h"
#include "results/control_points.h"

#include <string>
#include <vector>

namespace pmsect {

// A title line, a units line and one line per point; a value a point does not have is "-".
std::vector<std::string> controlPointTableLines(const ControlPoints& points,
                                                const DisplayUnits& units);
// The same lines, each ended by a line feed.
std::string controlPointTableText(const ControlPoints& points, const DisplayUnits& units);

} // namespace pmsect
