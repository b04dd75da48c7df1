// The words a JSON project uses for the model's enumerations, shared by its writer and reader.
#pragma once

#include <array>
#include <string_view>

namespace pmsect {

// Indexed by the model's value minus 1 (sectionType, barLayout).
inline constexpr std::array<std::string_view, 3> kSectionTypeWords = {"rectangular", "round",
                                                                      "arbitrary"};
inline constexpr std::array<std::string_view, 3> kBarLayoutWords = {"barSets", "circular",
                                                                    "placed"};
// Tied, spiral.
inline constexpr std::array<std::string_view, 2> kConfinementWords = {"tied", "spiral"};
// The direction of every bar set's rows: along x (barSetsAlongY false) or along y.
inline constexpr std::array<std::string_view, 2> kBarSetDirectionWords = {"x", "y"};
// A load case's kind, in the order of kLoadKinds.
inline constexpr std::array<std::string_view, 8> kLoadKindWords = {"D", "L", "Lr", "S",
                                                                   "R", "W", "E",  "other"};

} // namespace pmsect
