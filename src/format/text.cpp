// Trimming, the default extension and the words of messages.
#include "format/text.h"

#include <cstdio>

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

std::string countOf(std::size_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace pmsect
