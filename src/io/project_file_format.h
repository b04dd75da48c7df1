// Pieces of the project file's format that its writer and its reader must agree on: the bar-size
// lists indexed by record 11, the boolean words and how the confinement choice is recognised.
#pragma once

#include "engine/strength_reduction.h"
#include "model/project_model.h"

#include <array>
#include <optional>
#include <string_view>

namespace pmsect {

// Bar numbers of the main window's two drop-down lists, in list order.
inline constexpr std::array<int, 11> kLongBarList{3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 18};
inline constexpr std::array<int, 3> kTieBarList{3, 4, 5};

inline constexpr std::string_view kFileTrue = "#TRUE#";
inline constexpr std::string_view kFileFalse = "#FALSE#";
inline constexpr std::string_view kFileLineEnd = "\r\n";

// 0-based position of a bar number in a list, or nothing when the list does not hold it.
template <std::size_t N>
std::optional<int> barListPosition(const std::array<int, N>& list, float barNumber) {
    for (std::size_t i = 0; i < N; ++i) {
        if (static_cast<float>(list[i]) == barNumber) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

} // namespace pmsect
