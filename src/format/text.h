// Small text rules shared by every layer: trimming the blanks around a typed or read text, and
// the default extension of a chosen file name.
#pragma once

#include <string>
#include <string_view>

namespace pmsect {

// The text without the spaces and tabs around it.
std::string_view trimBlanks(std::string_view text);

// name with extension (".rcs") appended when its file part has no period. The file part follows
// the last '/' or '\', so that a period in a folder name does not count and a name typed with
// backslashes is read as the user meant it.
std::string withDefaultExtension(std::string_view name, std::string_view extension);

} // namespace pmsect
