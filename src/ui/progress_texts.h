// The texts of the wait window's progress lines, made from the numbers a curve, contour or
// surface computation reports, in the display units.
#pragma once

#include "engine/progress_sink.h"
#include "model/project_model.h"

#include <string>

namespace pmsect {

// "Angle = 90.00"
std::string angleProgressText(float directionDeg);
// "Pn = -123.45 k": Pn in kips, shown in the display force unit.
std::string pnProgressText(float Pn, const DisplayUnits& units);
// "Mn = 1,234.56 ft-k": Mn in kip-in, shown in kip-ft converted to the display moment unit.
std::string mnProgressText(float Mn, const DisplayUnits& units);

// The text of the line that shows the quantity.
std::string progressText(ProgressQuantity quantity, float value, const DisplayUnits& units);

} // namespace pmsect
