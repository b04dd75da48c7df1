// Bar size table lookups.
#include "engine/bar_table.h"

#include "format/number_format.h"

#include <array>
#include <cmath>

namespace pmsect {

namespace {

// Row of each bar number 0..18 in the table, or -1: a lookup instead of a scan, since the
// engine asks for every bar on every evaluation.
constexpr int kLargestBarNumber = 18;
constexpr std::array<int, kLargestBarNumber + 1> kRowOfNumber = [] {
    std::array<int, kLargestBarNumber + 1> rows{};
    rows.fill(-1);
    for (int i = 0; i < kBarTableRows; ++i) {
        rows[static_cast<std::size_t>(kBarTable[i].number)] = i;
    }
    return rows;
}();

} // namespace

std::optional<BarSize> findBarSize(float barNumber) {
    // Bar numbers are small whole numbers, so an exact comparison identifies the row.
    if (!(barNumber >= 0 && barNumber <= kLargestBarNumber)) {
        return std::nullopt;
    }
    const int whole = static_cast<int>(barNumber);
    const int row = kRowOfNumber[static_cast<std::size_t>(whole)];
    if (row < 0 || static_cast<float>(whole) != barNumber) {
        return std::nullopt;
    }
    return kBarTable[row];
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
