// Saving the text report as a file: the save dialog, the ".txt" rule, the overwrite question and
// a write that never leaves a half-written report in place of the old one.
#pragma once

#include "ui/platform.h"

#include <string>

namespace pmsect {

inline constexpr const char* kReportFileFilters =
    "All files (*.*) | *.* | Text files (*.txt) | *.txt";

// The chosen name with ".txt" appended when its file part (after the last folder separator) has
// no period; a period in a folder name does not count.
std::string reportFileNameFor(const std::string& chosenName);

// Asks for a name (the dialog starts with reportFileName), confirms an overwrite and writes the
// report followed by CR LF. reportFileName becomes the name chosen; a refused overwrite empties
// it. Every way of not saving (cancelled dialog, empty name, refused overwrite, failed write)
// shows "No file saved". True when the file was written.
bool saveReport(Platform& platform, const std::string& reportText, std::string& reportFileName);

} // namespace pmsect
