// Texts of the wait window's progress lines.
#include "ui/progress_texts.h"

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

std::string progressText(ProgressQuantity quantity, float value, const DisplayUnits& units) {
    switch (quantity) {
    case ProgressQuantity::Direction:
        return angleProgressText(value);
    case ProgressQuantity::AxialForce:
        return pnProgressText(value, units);
    case ProgressQuantity::Moment:
        return mnProgressText(value, units);
    }
    return {};
}

} // namespace pmsect
