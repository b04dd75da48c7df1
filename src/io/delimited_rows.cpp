// DelimitedRowReader: bounded lines, blank ones skipped, the rest split.
#include "io/delimited_rows.h"

#include "format/text.h"
#include "io/delimited_fields.h"

#include <algorithm>
#include <cctype>

namespace pmsect {

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Reads up to the next LF (a CR before it is dropped) without ever holding more than the limit;
// bytes_ counts every byte taken.
DelimitedRowReader::LineRead DelimitedRowReader::readBoundedLine(std::string& line) {
    line.clear();
    std::streambuf* buffer = in_.rdbuf();
    bool any = false;
    while (true) {
        const auto c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in_.setstate(std::ios::eofbit);
            break;
        }
        ++bytes_;
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() == limits_.maxLineLength) {
            return LineRead::TooLong;
        }
        line.push_back(static_cast<char>(c));
    }
    if (!any) {
        return LineRead::End;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return LineRead::Line;
}

bool DelimitedRowReader::next(std::vector<std::string>& fields) {
    std::string line;
    while (true) {
        const LineRead read = readBoundedLine(line);
        if (read == LineRead::End) {
            if (in_.bad()) {
                fail(0, "the file could not be read");
            }
            return false;
        }
        ++line_;
        if (bytes_ > limits_.maxBytes) {
            fail(0, "the text goes on past " + std::to_string(limits_.maxBytes / (1024 * 1024)) +
                        " MB, the most " + limits_.fileKind + " may hold");
        }
        if (read == LineRead::TooLong) {
            fail(0, "the line is longer than " + std::to_string(limits_.maxLineLength) +
                        " characters");
        }
        std::string_view text = line;
        if (line_ == 1 && text.starts_with("\xEF\xBB\xBF")) {
            text.remove_prefix(3); // the byte-order mark some spreadsheets write
        }
        if (trimBlanks(text).empty()) {
            continue;
        }
        if (!separator_) {
            separator_ = separatorOf(text);
        }
        auto split = splitFields(text, *separator_);
        if (!split) {
            fail(0, "a quote is left open");
        }
        fields = std::move(*split);
        return true;
    }
}

} // namespace pmsect
