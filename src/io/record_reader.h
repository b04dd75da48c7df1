// Reads the comma-separated lines of a text file one record at a time and converts their fields,
// with messages that name the line, the record and the field at fault.
#pragma once

#include "building/input_limits.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// A line that does not hold what its record needs. Raised and caught inside the file readers;
// never passed on to their callers.
struct FileFormatError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One line of the file split at its commas.
class Record {
public:
    Record(int lineNumber, std::string what, std::vector<std::string> fields);

    // Field i (0-based) as a number; text, an empty field and a value that is not finite in
    // single precision are refused. Blanks around the number are allowed.
    double real(std::size_t i) const;
    float single(std::size_t i) const;
    // Field i rounded to the nearest integer, halves to even, within [low, high].
    int32_t integer(std::size_t i, int32_t low, int32_t high) const;
    // Field i as "#TRUE#" or "#FALSE#" (any case, blanks around allowed).
    bool flag(std::size_t i) const;

    // Raises an error naming field i, its text, the quantity it holds and its range when the
    // value the model stores from it lies outside the range (building/input_limits.h).
    void requireWithin(std::size_t i, std::string_view quantity, InputQuantity range,
                       double stored) const;
    // Raises an error naming field i, its text and the problem.
    [[noreturn]] void fail(std::size_t i, const std::string& problem) const;

    int lineNumber() const { return line_; }
    std::size_t size() const { return fields_.size(); }
    // Field i as it stands in the line.
    const std::string& text(std::size_t i) const { return fields_[i]; }

private:
    int line_;
    std::string what_;
    std::vector<std::string> fields_;
};

class RecordReader {
public:
    explicit RecordReader(std::istream& in) : in_(in) {}

    // The next line as a record of exactly `fields` fields; `what` names it in messages.
    // Lines may end with CR LF or LF alone.
    Record next(std::string_view what, std::size_t fields);

    // The next line that is not blank, without the blanks around it; nothing at the end of the
    // file. lineNumber() then names it.
    std::optional<std::string> nextNonBlankLine();
    int lineNumber() const { return line_; }

    // Raises an error when anything but blank lines follows the records already read.
    void expectEnd();

    // The format of the file: a first line "PMSECT format N" names it and is passed over; a file
    // without one (every file written so far) is of format 1, and its first line stays to be read
    // as record 1.
    int readFormat();

private:
    bool readLine(std::string& line);

    std::istream& in_;
    int line_ = 0;
    std::optional<std::string> pending_; // the first line, read by readFormat and not yet taken
};

} // namespace pmsect
