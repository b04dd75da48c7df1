// The text report as a file: the ".txt" name rule and a write that never leaves a half-written
// report in place of the old one.
#pragma once

#include "io/file_result.h"

#include <string>

namespace pmsect {

// The chosen name with ".txt" appended when its file part (after the last folder separator) has
// no period; a period in a folder name does not count.
std::string reportFileNameFor(const std::string& chosenName);

// Writes the report followed by CR LF to path, replacing what was there only once it is whole.
FileResult writeReportFile(const std::string& path, const std::string& reportText);

} // namespace pmsect
