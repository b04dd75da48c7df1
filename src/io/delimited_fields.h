// Splitting a line of delimited text into fields as spreadsheets write them: blanks trimmed, a
// field in double quotes may hold the separator and "" for a quote.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// The separator a header line uses: a tab wins over a semicolon and a semicolon over a comma.
char separatorOf(std::string_view line);

// Nothing when a quote is left open.
std::optional<std::vector<std::string>> splitFields(std::string_view line, char separator);

// The text in double quotes, each quote in it doubled: the field splitFields reads back as text.
std::string quotedField(std::string_view text);

} // namespace pmsect
