// Texts of the wait window's progress lines.
#include "results/progress_sink.h"

#include "format/number_format.h"
#include "units/unit_conversion.h"

namespace pmsect {

std::string angleProgressText(float directionDeg) {
    return "Angle = " + formatNumber(directionDeg, "##0.00");
}

std::string pnProgressText(float Pn, const DisplayUnits& units) {
    return "Pn = " + formatNumber(shownForce(units, Pn), "##,##0.00") + " " + units.forceLabel;
}

std::string mnProgressText(float Mn, const DisplayUnits& units) {
    return "Mn = " + formatNumber(shownMomentFromKipIn(units, Mn), "##,##0.00") + " " +
           units.momentLabel;
}

} // namespace pmsect
