// Where a save goes, the same for projects, reports and exports: the save dialog, the default
// extension of a name whose file part has none, the overwrite question, and "No file saved" for
// every way of not choosing.
#pragma once

#include "ui/platform.h"

#include <optional>
#include <string>
#include <string_view>

namespace pmsect {

inline constexpr const char* kNoFileSaved = "No file saved";

struct SavePathChoice {
    std::optional<std::string> path; // nothing when no file is to be written
    bool overwriteRefused = false;   // the user chose a file and then kept it
};

// The dialog opens on startName with filter filterIndex (1-based) chosen.
SavePathChoice chooseSavePath(Platform& platform, const std::string& filters, int filterIndex,
                              const std::string& startName, std::string_view defaultExtension);

} // namespace pmsect
