// Bar size table lookups.
#include "engine/bar_table.h"

#include "format/number_format.h"

#include <cmath>

namespace pmsect {

const BarSize kBarTable[kBarTableRows] = {
    {0.375f, 0.11f, 3},  {0.5f, 0.2f, 4},    {0.625f, 0.31f, 5}, {0.75f, 0.44f, 6},
    {0.875f, 0.6f, 7},   {1.0f, 0.79f, 8},   {1.125f, 1.0f, 9},  {1.25f, 1.27f, 10},
    {1.375f, 1.56f, 11}, {1.75f, 2.25f, 14}, {2.25f, 4.0f, 18},
};

std::optional<BarSize> findBarSize(float barNumber) {
    // Bar numbers are small whole numbers, so an exact comparison identifies the row.
    for (const BarSize& row : kBarTable) {
        if (static_cast<float>(row.number) == barNumber) {
            return row;
        }
    }
    return std::nullopt;
}

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
