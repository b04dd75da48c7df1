// Splitting lines into fields and reading numbers and booleans out of them.
#include "io/record_reader.h"

#include "format/number_format.h"
#include "format/text.h"
#include "io/project_file_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace pmsect {
namespace {

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::toupper(static_cast<unsigned char>(x)) ==
                      std::toupper(static_cast<unsigned char>(y));
           });
}

std::vector<std::string> splitFields(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const auto comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) {
            return fields;
        }
        start = comma + 1;
    }
}

std::string prefix(int line, const std::string& what) {
    return "Line " + std::to_string(line) + " (" + what + ")";
}

} // namespace

Record::Record(int lineNumber, std::string what, std::vector<std::string> fields)
    : line_(lineNumber), what_(std::move(what)), fields_(std::move(fields)) {}

void Record::fail(std::size_t i, const std::string& problem) const {
    throw FileFormatError(prefix(line_, what_) + ": field " + std::to_string(i + 1) + " \"" +
                          printable(fields_[i]) + "\" " + problem);
}

void Record::requireWithin(std::size_t i, std::string_view quantity, InputQuantity range,
                           double stored) const {
    if (!withinLimit(range, stored)) {
        fail(i, "is " + std::string(quantity) + ", which must " +
                    (inputLimit(range).lowExcluded ? "be " : "lie ") + rangeText(range));
    }
}

double Record::real(std::size_t i) const {
    const auto value = parseNumber(fields_[i]);
    if (!value) {
        fail(i, "is not a finite number");
    }
    return *value;
}

float Record::single(std::size_t i) const {
    return static_cast<float>(real(i));
}

int32_t Record::integer(std::size_t i, int32_t low, int32_t high) const {
    const double value = real(i);
    // Compare before converting, so that a huge value cannot saturate into the range.
    const double rounded = std::nearbyint(value);
    if (rounded < low || rounded > high) {
        fail(i, "lies outside " + std::to_string(low) + " to " + std::to_string(high));
    }
    return roundHalfEven32(value);
}

bool Record::flag(std::size_t i) const {
    const auto word = trimBlanks(fields_[i]);
    if (sameWord(word, kFileTrue)) {
        return true;
    }
    if (sameWord(word, kFileFalse)) {
        return false;
    }
    fail(i, "is neither #TRUE# nor #FALSE#");
}

bool RecordReader::readLine(std::string& line) {
    if (pending_) {
        line = std::move(*pending_);
        pending_.reset();
        return true;
    }
    if (!std::getline(in_, line)) {
        return false;
    }
    ++line_;
    if (line_ == 1 && line.starts_with(kUtf8ByteOrderMark)) {
        line.erase(0, kUtf8ByteOrderMark.size()); // as some editors save text
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

int RecordReader::readFormat() {
    std::string line;
    if (line_ != 0 || !readLine(line)) {
        return kProjectFileFormat;
    }
    const std::string_view trimmed = trimBlanks(line);
    if (!trimmed.starts_with(kFormatLineStart)) {
        pending_ = std::move(line);
        return kProjectFileFormat;
    }
    const auto version = parseNumber(trimmed.substr(kFormatLineStart.size()));
    if (!version || *version != std::trunc(*version) || *version < 1) {
        throw FileFormatError("Line 1: \"" + std::string(trimmed) +
                              "\" does not name a format of PMSECT project files");
    }
    return static_cast<int>(std::min(*version, 1e9));
}

Record RecordReader::next(std::string_view what, std::size_t fields) {
    std::string line;
    if (!readLine(line)) {
        if (in_.bad()) {
            throw FileFormatError("Reading stopped after line " + std::to_string(line_) +
                                  ": the file could not be read");
        }
        throw FileFormatError("The file ends after line " + std::to_string(line_) + ", before " +
                              std::string(what));
    }
    auto parts = splitFields(line);
    if (parts.size() != fields) {
        throw FileFormatError(prefix(line_, std::string(what)) + ": " +
                              countOf(parts.size(), "field", "fields") + " where " +
                              std::to_string(fields) + " are expected");
    }
    return Record(line_, std::string(what), std::move(parts));
}

std::optional<std::string> RecordReader::nextNonBlankLine() {
    std::string line;
    while (readLine(line)) {
        const auto trimmed = trimBlanks(line);
        if (!trimmed.empty()) {
            return std::string(trimmed);
        }
    }
    if (in_.bad()) {
        throw FileFormatError("The file could not be read to its end");
    }
    return std::nullopt;
}

void RecordReader::expectEnd() {
    std::string line;
    while (readLine(line)) {
        if (!trimBlanks(line).empty()) {
            throw FileFormatError("Line " + std::to_string(line_) +
                                  ": more lines than the counts of record 2 announce");
        }
    }
    if (in_.bad()) {
        throw FileFormatError("The file could not be read to its end");
    }
}

} // namespace pmsect
