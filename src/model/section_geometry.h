// The points of a section's outline and its bars as the project stores them, and the sizes of
// their tables.
#pragma once

namespace pmsect {

inline constexpr int kMaxPoints = 100;
inline constexpr int kMaxBars = 100;

// Points and bars carry no default values so that the engine's working copies need not be
// cleared on every evaluation; every table and variable of them is value-initialised ({}).
struct Point {
    float x;
    float y;
};

struct Bar {
    float x;
    float y;
    float size; // bar number, stored as a real
};

} // namespace pmsect
