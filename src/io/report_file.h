// The text report as a file: a write that never leaves a half-written report in place of the
// old one.
#pragma once

#include "io/file_result.h"

#include <string>

namespace pmsect {

// Writes the report followed by CR LF to path, replacing what was there only once it is whole.
FileResult writeReportFile(const std::string& path, const std::string& reportText);

} // namespace pmsect
