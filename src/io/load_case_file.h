// Case files: service load cases from a spreadsheet or an analysis program, one per row under a
// header naming the columns case, kind, P, Mx and My (kips, kip-ft) and optionally sway and the
// end moments MxTop, MxBot, MyTop, MyBot and their sway parts MxTopSway ... (any case, any
// order), separated as load files are.
#pragma once

#include "io/load_file.h"
#include "model/load_cases.h"

#include <istream>
#include <string>
#include <vector>

namespace pmsect {

struct LoadCaseFileResult {
    std::vector<LoadCase> cases;
    std::optional<LoadFileError> error; // set when refused; cases are then empty
    explicit operator bool() const { return !error; }
};

// A case file is small: more than kMaxLoadCases rows, or more than a megabyte, is refused.
LoadCaseFileResult readLoadCaseText(std::istream& in);
LoadCaseFileResult readLoadCaseFile(const std::string& path);

} // namespace pmsect
