// The fixed table of reinforcing bar sizes (#3 to #11, #14, #18) and its two lookups.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace pmsect {

struct BarSize {
    float diameter; // in
    float area;     // in^2
    int number;     // the bar number, its diameter in eighths of an inch
};

inline constexpr int kBarTableRows = 11;
inline constexpr BarSize kBarTable[kBarTableRows] = {
    {0.375f, 0.11f, 3},  {0.5f, 0.2f, 4},    {0.625f, 0.31f, 5}, {0.75f, 0.44f, 6},
    {0.875f, 0.6f, 7},   {1.0f, 0.79f, 8},   {1.125f, 1.0f, 9},  {1.25f, 1.27f, 10},
    {1.375f, 1.56f, 11}, {1.75f, 2.25f, 14}, {2.25f, 4.0f, 18},
};

// Row of each bar number 0..18 in the table, or -1: a lookup instead of a scan, since the
// engine asks for every bar on every evaluation.
inline constexpr int kLargestBarNumber = 18;
inline constexpr std::array<int, kLargestBarNumber + 1> kRowOfBarNumber = [] {
    std::array<int, kLargestBarNumber + 1> rows{};
    rows.fill(-1);
    for (int i = 0; i < kBarTableRows; ++i) {
        rows[static_cast<std::size_t>(kBarTable[i].number)] = i;
    }
    return rows;
}();

// The row of a bar number, or null when the number is not in the table. Bar numbers are small
// whole numbers, so an exact comparison identifies the row.
inline const BarSize* barSizeOf(float barNumber) {
    if (!(barNumber >= 0 && barNumber <= kLargestBarNumber)) {
        return nullptr;
    }
    const int whole = static_cast<int>(barNumber);
    const int row = kRowOfBarNumber[static_cast<std::size_t>(whole)];
    if (row < 0 || static_cast<float>(whole) != barNumber) {
        return nullptr;
    }
    return &kBarTable[row];
}

// The row of a bar number, or nothing when the number is not in the table.
inline std::optional<BarSize> findBarSize(float barNumber) {
    const BarSize* row = barSizeOf(barNumber);
    return row ? std::optional<BarSize>(*row) : std::nullopt;
}

// Nominal area in in^2; 0 for a bar number that is not in the table.
float Barea(float barNumber);

// Nominal diameter in in; -1 for a bar number that is not in the table.
float barDiameter(float barNumber);

// The bar numbers of the table, as a message lists them.
inline constexpr const char* kBarSizeChoices = "3 to 11, 14 or 18";

// The message shown once per command when a bar number is not in the table.
std::string unmatchedBarSizeMessage(float barNumber);

} // namespace pmsect
