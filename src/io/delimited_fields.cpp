// The fields of a delimited line.
#include "io/delimited_fields.h"

#include "format/text.h"

namespace pmsect {

// A tab wins over a semicolon and a semicolon over a comma: a tab-separated row may hold commas
// in its numbers' thousands, and a semicolon-separated one decimal commas in its ids.
char separatorOf(std::string_view line) {
    if (line.find('\t') != std::string_view::npos) {
        return '\t';
    }
    if (line.find(';') != std::string_view::npos) {
        return ';';
    }
    return ',';
}

std::optional<std::vector<std::string>> splitFields(std::string_view line, char separator) {
    std::vector<std::string> fields;
    std::size_t i = 0;
    while (true) {
        std::string field;
        while (i < line.size() && line[i] == ' ') {
            ++i;
        }
        if (i < line.size() && line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        field.push_back('"');
                        i += 2;
                        continue;
                    }
                    closed = true;
                    ++i;
                    break;
                }
                field.push_back(line[i++]);
            }
            if (!closed) {
                return std::nullopt;
            }
            const auto rest = line.find(separator, i);
            const auto after =
                line.substr(i, rest == std::string_view::npos ? line.npos : rest - i);
            field.append(trimBlanks(after));
            i = rest;
        } else {
            const auto end = line.find(separator, i);
            field = trimBlanks(line.substr(i, end == std::string_view::npos ? line.npos : end - i));
            i = end;
        }
        fields.push_back(std::move(field));
        if (i == std::string_view::npos) {
            return fields;
        }
        ++i; // past the separator
    }
}

std::string quotedField(std::string_view text) {
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + "\"";
}

} // namespace pmsect
