// The rows of a delimited text (a load file, a case file): lines read one at a time within the
// limits given, blank lines passed over, a byte-order mark at the start dropped, and each line
// split at the separator its first line uses. Faults are thrown as a LoadFileError at the line.
#pragma once

#include "io/load_file.h"

#include <cstddef>
#include <cstdint>
#include <istream>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// Whether two header words are the same but for letter case.
bool sameWord(std::string_view a, std::string_view b);

struct DelimitedRowLimits {
    // Bytes of the whole text, and what the message calls the file beyond it ("a load file").
    std::uintmax_t maxBytes = std::numeric_limits<std::uintmax_t>::max();
    std::string fileKind;
    // A longer line is refused before it is held whole.
    std::size_t maxLineLength = std::numeric_limits<std::size_t>::max();
};

class DelimitedRowReader {
public:
    DelimitedRowReader(std::istream& in, DelimitedRowLimits limits)
        : in_(in), limits_(std::move(limits)) {}

    // The next line that is not blank, split; false at the end of the text.
    bool next(std::vector<std::string>& fields);
    // The 1-based number of the line read last, 0 before the first.
    int line() const { return line_; }

    // A fault at the line read last; column 0 when it is not in one field.
    [[noreturn]] void fail(int column, std::string reason) const {
        throw LoadFileError{line_, column, std::move(reason)};
    }

private:
    enum class LineRead { Line, TooLong, End };
    LineRead readBoundedLine(std::string& line);

    std::istream& in_;
    DelimitedRowLimits limits_;
    int line_ = 0;
    std::uintmax_t bytes_ = 0;
    std::optional<char> separator_;
};

} // namespace pmsect
