// Texts of the wait window's progress lines.
#include "results/progress_sink.h"

#include "format/number_format.h"

namespace pmsect {

std::string angleProgressText(float directionDeg) {
    return "Angle = " + formatNumber(directionDeg, "##0.00");
}

std::string pnProgressText(float Pn, const DisplayUnits& units) {
    return "Pn = " + formatNumber(static_cast<double>(Pn) * units.forceFactor, "##,##0.00") + " " +
           units.forceLabel;
}

std::string mnProgressText(float Mn, const DisplayUnits& units) {
    return "Mn = " +
           formatNumber(static_cast<double>(Mn) / 12.0 * units.momentFactor, "##,##0.00") + " " +
           units.momentLabel;
}

} // namespace pmsect
