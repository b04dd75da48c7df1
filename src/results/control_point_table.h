// The control points as they are named in outputs and shown: the table printed under a Pn-Mn
// diagram, in the display units, each row led by the letter that marks the point on the diagram.
#pragma once

#include "engine/control_points.h"
#include "model/project_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// "compression", "phiPnMax", "fs0", "fsHalfFy", "balanced", "tensionControlled", "pureBending",
// "tension": the names of the command line's outputs.
std::string_view controlPointName(ControlPointKind kind);
// The row titles of the tables under the diagrams.
std::string_view controlPointTitle(ControlPointKind kind);

// A title line, a units line and one line per point; a value a point does not have is "-".
std::vector<std::string> controlPointTableLines(const ControlPoints& points,
                                                const DisplayUnits& units);
// The same lines, each ended by a line feed.
std::string controlPointTableText(const ControlPoints& points, const DisplayUnits& units);

} // namespace pmsect
