// Saving the text report from its window: the save dialog, the ".txt" rule, the overwrite
// question and the message for every way of not saving.
#pragma once

#include "ui/platform.h"

#include <string>

namespace pmsect {

inline constexpr const char* kReportFileFilters =
    "All files (*.*) | *.* | Text files (*.txt) | *.txt";

// Asks for a name (the dialog starts with reportFileName), confirms an overwrite and writes the
// report followed by CR LF. reportFileName becomes the name chosen; a refused overwrite empties
// it. Every way of not saving (cancelled dialog, empty name, refused overwrite, failed write)
// shows "No file saved". True when the file was written.
bool saveReport(Platform& platform, const std::string& reportText, std::string& reportFileName);

} // namespace pmsect
