// Bar size table lookups.
#include "engine/bar_table.h"

#include "format/number_format.h"

namespace pmsect {

float Barea(float barNumber) {
    const auto row = findBarSize(barNumber);
    return row ? row->area : 0.0f;
}

float barDiameter(float barNumber) {
    const auto row = findBarSize(barNumber);
    return row ? row->diameter : -1.0f;
}

std::string unmatchedBarSizeMessage(float barNumber) {
    std::string number = plainNumberText(barNumber);
    if (number.front() == ' ') {
        number.erase(0, 1);
    }
    return "Unable to match Bar Size " + number + " in rountine Barea";
}

} // namespace pmsect
