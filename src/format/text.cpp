// Trimming and the default extension.
#include "format/text.h"

namespace pmsect {

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string withDefaultExtension(std::string_view name, std::string_view extension) {
    const auto separator = name.find_last_of("/\\");
    const std::string_view filePart =
        separator == std::string_view::npos ? name : name.substr(separator + 1);
    std::string result(name);
    if (filePart.find('.') == std::string_view::npos) {
        result += extension;
    }
    return result;
}

} // namespace pmsect
