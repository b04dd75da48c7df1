// The progress lines of a curve, contour or surface computation, as the wait window shows them
// under its caption: the direction, the axial force and the moment of the latest point.
#pragma once

#include "model/project_model.h"

#include <string>

namespace pmsect {

enum class ProgressLine { Angle, Pn, Mn };

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void show(ProgressLine line, const std::string& text) = 0;
};

// "Angle = 90.00"
std::string angleProgressText(float directionDeg);
// "Pn = -123.45 k": Pn in kips, shown in the display force unit.
std::string pnProgressText(float Pn, const DisplayUnits& units);
// "Mn = 1,234.56 ft-k": Mn in kip-in, shown in kip-ft converted to the display moment unit.
std::string mnProgressText(float Mn, const DisplayUnits& units);

} // namespace pmsect
