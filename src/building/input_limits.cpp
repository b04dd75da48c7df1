// The table of input ranges and their words.
#include "building/input_limits.h"

#include "format/number_format.h"

#include <array>

namespace pmsect {
namespace {

// One row per InputQuantity, in its order.
constexpr std::array<InputLimit, 17> kLimits = {{
    {500, 30'000, false, "psi"},              // f'c
    {10'000, 150'000, false, "psi"},          // fy (above 80,000 psi a warning follows)
    {50, 250, false, "lb/ft^3"},              // unit weight
    {100'000, 25'000'000, false, "psi"},      // Ec: what 33 w^1.5 sqrt(f'c) gives over the above
    {10'000'000, 40'000'000, false, "psi"},   // Es
    {0, 1'200, true, "in"},                   // width, depth, diameter
    {0, 1'200, false, "in"},                  // cover, spacing: 0 lays the bars at the face
    {-1'200, 1'200, false, "in"},             // coordinates
    {0, 2'400, false, "in"},                  // extents: the span of two extreme coordinates
    {-360, 360, false, "degrees"},            // first bar angle
    {0, 100, false, ""},                      // bars on the circle: as many as the table holds
    {1, 100, false, ""},                      // bars of a bar set: a set lays at least one
    {-1'000'000, 1'000'000, false, "k"},      // Pu
    {-10'000'000, 10'000'000, false, "ft-k"}, // Mux, Muy
    {-10, 10, false, ""},                     // load factors: ASCE 7's reach 1.6
    {0, 4, false, "g"},                       // SDS: 0.9D - 0.2 SDS D stays above 0
    {0, 1, false, ""},                        // sustained share of L
}};

std::string numberText(double value) {
    // Two decimals at most, for a range shown in other units (500 psi is 3.45 MPa).
    return formatNumber(value, "#,##0.##");
}

std::string rangeWords(const InputLimit& l, double low, double high, std::string_view unit) {
    const std::string suffix = unit.empty() ? std::string() : " " + std::string(unit);
    if (l.lowExcluded) {
        return "greater than " + numberText(low) + " and at most " + numberText(high) + suffix;
    }
    return "between " + numberText(low) + " and " + numberText(high) + suffix;
}

} // namespace

const InputLimit& inputLimit(InputQuantity quantity) {
    return kLimits[static_cast<std::size_t>(quantity)];
}

bool withinLimit(InputQuantity quantity, double stored) {
    const InputLimit& l = inputLimit(quantity);
    const bool aboveLow = l.lowExcluded ? stored > l.low : stored >= l.low;
    return aboveLow && stored <= l.high;
}

std::string rangeText(InputQuantity quantity, const DisplayUnits& u, Quantity shownAs) {
    const InputLimit& l = inputLimit(quantity);
    return rangeWords(l, shown(u, shownAs, l.low), shown(u, shownAs, l.high),
                      unitLabel(u, shownAs));
}

std::string rangeText(InputQuantity quantity, std::string_view unit) {
    const InputLimit& l = inputLimit(quantity);
    return rangeWords(l, l.low, l.high, unit);
}

std::string rangeText(InputQuantity quantity) {
    return rangeText(quantity, inputLimit(quantity).unit);
}

std::string outOfRangeText(std::string_view what, InputQuantity quantity, const DisplayUnits& u,
                           Quantity shownAs) {
    const InputLimit& l = inputLimit(quantity);
    return std::string(what) + (l.lowExcluded ? " must be " : " must lie ") +
           rangeText(quantity, u, shownAs);
}

std::string outOfRangeText(std::string_view what, InputQuantity quantity, std::string_view unit) {
    const InputLimit& l = inputLimit(quantity);
    return std::string(what) + (l.lowExcluded ? " must be " : " must lie ") +
           rangeText(quantity, unit);
}

std::string outOfRangeText(std::string_view what, InputQuantity quantity) {
    return outOfRangeText(what, quantity, inputLimit(quantity).unit);
}

} // namespace pmsect
