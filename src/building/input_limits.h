// The range every physical input of a project must lie within, in the program's internal units:
// one table that the desktop's boxes and grids, the project file, JSON projects and load files
// all consult, so that a value refused on one path is refused on every other. The ranges are
// plausibility bounds of what is typed or read, whatever design code then applies: they keep
// every derived value (Ec, Po, the strains) finite and inside its stored integer.
#pragma once

#include "units/unit_conversion.h"

#include <string>
#include <string_view>

namespace pmsect {

enum class InputQuantity {
    ConcreteStrength, // f'c, psi
    SteelStrength,    // fy, psi
    UnitWeight,       // concrete unit weight, lb/ft^3
    ConcreteModulus,  // Ec as a file stores it, psi
    SteelModulus,     // Es, psi
    SectionSize,      // width, depth, diameter, in
    CoverOrSpacing,   // clear cover and clear spacing, in
    Coordinate,       // x or y of an outline point or a bar, in
    Extent,           // width or height of the outline's bounding box, in
    FirstBarAngle,    // angle to the first bar of the circular layout, degrees
    CircleBars,       // bars of the circular layout
    BarSetBars,       // bars of one bar set, and of all bar sets together
    AxialLoad,        // Pu, kips
    Moment,           // Mux or Muy, kip-ft
    LoadFactor,       // a factor of a load combination
    SpectralAccel,    // SDS, g
    LiveFraction,     // the share of the factored live load counted as sustained
};

struct InputLimit {
    double low;
    double high;
    bool lowExcluded; // the range is low < value <= high
    const char* unit; // the internal unit as messages write it; empty for a count
};

const InputLimit& inputLimit(InputQuantity quantity);

// Whether the value, as the model stores it, lies within the quantity's range. NaN never does.
bool withinLimit(InputQuantity quantity, double stored);

// The range in words, "between 500 and 30,000 psi" or "greater than 0 and at most 1,200 in",
// in internal units, in internal units with another label, or converted to the display units
// as a value of kind shownAs.
std::string rangeText(InputQuantity quantity);
std::string rangeText(InputQuantity quantity, std::string_view unit);
std::string rangeText(InputQuantity quantity, const DisplayUnits& u, Quantity shownAs);

// "<what> must lie between 500 and 30,000 psi" (or "must be greater than 0 and at most ...").
std::string outOfRangeText(std::string_view what, InputQuantity quantity);
std::string outOfRangeText(std::string_view what, InputQuantity quantity, std::string_view unit);
std::string outOfRangeText(std::string_view what, InputQuantity quantity, const DisplayUnits& u,
                           Quantity shownAs);

} // namespace pmsect
