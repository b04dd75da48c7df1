// The fixed table of reinforcing bar sizes (#3 to #11, #14, #18) and its two lookups.
#pragma once

#include <optional>
#include <string>

namespace pmsect {

struct BarSize {
    float diameter; // in
    float area;     // in^2
    int number;     // the bar number, its diameter in eighths of an inch
};

inline constexpr int kBarTableRows = 11;
extern const BarSize kBarTable[kBarTableRows];

// The row of a bar number, or nothing when the number is not in the table.
std::optional<BarSize> findBarSize(float barNumber);

// Nominal area in in^2; 0 for a bar number that is not in the table.
float Barea(float barNumber);

// Nominal diameter in in; -1 for a bar number that is not in the table.
float barDiameter(float barNumber);

// The message shown once per command when a bar number is not in the table.
std::string unmatchedBarSizeMessage(float barNumber);

} // namespace pmsect
