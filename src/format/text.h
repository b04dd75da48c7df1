// Small text rules shared by every layer: trimming the blanks around a typed or read text, the
// default extension of a chosen file name, and the words of a message.
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

// "1 field", "3 fields": a count with the word that agrees with it.
std::string countOf(std::size_t count, std::string_view one, std::string_view many);

// The text with every control character (a NUL, a line break, an escape) written as \xHH, so
// that a message quoting a file's bytes can neither be cut short nor redraw the terminal.
std::string printable(std::string_view text);

} // namespace pmsect
