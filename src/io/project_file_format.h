// Pieces of the project file's format that its writer and its reader must agree on: the bar-size
// lists indexed by record 11, the boolean words and the design code line.
//
// After the last load combination a project of ACI 318-14 or 318-19 has one more line, the
// edition alone: "ACI318-14" or "ACI318-19". A 318-05 project has none, so that its file is the
// same as before editions existed and older versions still open it; a file without the line is
// a 318-05 project. Any other text on that line is refused, but for the blocks that may follow
// the last line: the load cases (io/project_file_load_cases.h), then the member's slenderness
// data and the loads' end moments (io/project_file_slenderness.h).
//
// Record 2 counts the load combinations with their real number. Versions before the load table
// took any number held 40 at most and refuse a larger count, so a project of more than 40 loads
// needs this version; one of 40 or fewer is written byte for byte as those versions wrote it.
//
// Formats: every project file written so far, and every JSON project, is of format 1. A project
// file of a later format will begin with the line "PMSECT format N" (a JSON project holds
// "format": N), so that this version refuses it by name instead of misreading it.
#pragma once

#include "model/project_model.h"
#include "project/design_code_choice.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pmsect {

// Bar numbers of the main window's two drop-down lists, in list order.
inline constexpr std::array<int, 11> kLongBarList{3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 18};
inline constexpr std::array<int, 3> kTieBarList{3, 4, 5};

inline constexpr std::string_view kFileTrue = "#TRUE#";
inline constexpr std::string_view kFileFalse = "#FALSE#";
inline constexpr std::string_view kFileLineEnd = "\r\n";
inline constexpr std::string_view kDesignCodeLinePrefix = "ACI";

// The format this version writes and the newest it reads.
inline constexpr int kProjectFileFormat = 1;
inline constexpr std::string_view kFormatLineStart = "PMSECT format";
// A leading UTF-8 byte-order mark, as some editors save text, is passed over.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The refusal of a file of a later format.
inline std::string newerFormatText(int format) {
    return "written by a newer PMSECT (format " + std::to_string(format) + ")";
}

// "ACI318-19" for a project of that edition.
inline std::string designCodeLine(DesignCode code) {
    return std::string(kDesignCodeLinePrefix) + std::string(designCodeName(code));
}

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
