// Reading load files: the header decides the separator and where each column is; every data row
// is checked field by field and refused with its line and column.
#include "io/load_file.h"

#include "building/input_limits.h"
#include "format/number_format.h"
#include "format/text.h"
#include "io/delimited_rows.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

namespace pmsect {
namespace {

constexpr std::array<const char*, 3> kForceColumns = {"Pu", "Mux", "Muy"};
constexpr const char* kIdColumn = "id";

// The optional columns of a slender member's loads: the end moments, then PuSustained. An empty
// field gives nothing.
constexpr std::size_t kEndColumnCount = kEndMomentCount + 1;

std::string_view endColumnName(std::size_t k) {
    return k < kEndMomentCount ? kLoadEndMomentNames[k] : std::string_view("PuSustained");
}

struct Columns {
    std::array<std::size_t, 3> force{0, 1, 2}; // field index of Pu, Mux, Muy
    std::array<std::optional<std::size_t>, kEndColumnCount> ends;
    std::optional<std::size_t> id;
    std::vector<std::string> names; // header names, for messages
};

class LoadTextReader {
public:
    LoadTextReader(std::istream& in, const LoadFileOptions& options)
        : options_(options), rows_(in, {options.maxBytes, "a load file", kMaxLoadLineLength}) {}

    LoadFileResult read() {
        LoadFileResult result;
        try {
            readAll(result.contents);
            // What the file holds and no more: the vectors' growth leaves up to half unused.
            result.contents.loads.shrink_to_fit();
            result.contents.ids.shrink_to_fit();
        } catch (const LoadFileError& e) {
            result.contents = {};
            result.error = e;
        }
        return result;
    }

private:
    [[noreturn]] void fail(int column, std::string reason) const {
        rows_.fail(column, std::move(reason));
    }

    bool nextRow(std::vector<std::string>& fields) { return rows_.next(fields); }

    // The header's name of a field, as the messages call it.
    std::string nameOf(std::size_t index) const {
        if (index < columns_.names.size() && !columns_.names[index].empty()) {
            return printable(columns_.names[index]);
        }
        return "the field";
    }

    void readHeader(const std::vector<std::string>& fields) {
        columns_.names = fields;
        std::array<std::optional<std::size_t>, 3> found;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            for (std::size_t k = 0; k < kForceColumns.size(); ++k) {
                if (sameWord(fields[i], kForceColumns[k])) {
                    if (found[k]) {
                        fail(static_cast<int>(i + 1),
                             std::string("a second column ") + kForceColumns[k]);
                    }
                    found[k] = i;
                }
            }
            for (std::size_t k = 0; k < kEndColumnCount; ++k) {
                if (sameWord(fields[i], endColumnName(k))) {
                    if (columns_.ends[k]) {
                        fail(static_cast<int>(i + 1),
                             "a second column " + std::string(endColumnName(k)));
                    }
                    columns_.ends[k] = i;
                }
            }
            if (sameWord(fields[i], kIdColumn)) {
                if (columns_.id) {
                    fail(static_cast<int>(i + 1), "a second column id");
                }
                columns_.id = i;
            }
        }
        for (std::size_t k = 0; k < kForceColumns.size(); ++k) {
            if (!found[k]) {
                fail(0, std::string("the header has no column ") + kForceColumns[k] +
                            " (it needs Pu, Mux and Muy)");
            }
            columns_.force[k] = *found[k];
        }
    }

    static bool looksNumeric(const std::vector<std::string>& fields) {
        return !fields.empty() && parseNumber(fields[0]).has_value();
    }

    float number(const std::vector<std::string>& fields, std::size_t index,
                 InputQuantity range) const {
        const int column = static_cast<int>(index + 1);
        if (index >= fields.size()) {
            fail(column, nameOf(index) + " is missing");
        }
        const std::string& text = fields[index];
        if (text.empty()) {
            fail(column, nameOf(index) + " is empty");
        }
        const auto value = parseNumber(text);
        if (!value) {
            fail(column, nameOf(index) + " \"" + printable(text) + "\" is not a finite number");
        }
        const auto stored = static_cast<float>(*value);
        if (!withinLimit(range, stored)) {
            fail(column, outOfRangeText(nameOf(index) + " " + text, range));
        }
        return stored;
    }

    void readAll(LoadFileContents& out) {
        std::vector<std::string> fields;
        if (!nextRow(fields)) {
            if (options_.headerOptional) {
                return;
            }
            fail(0, "the file is empty: it needs a header row naming Pu, Mux and Muy");
        }
        bool pending = false;
        if (options_.headerOptional && looksNumeric(fields)) {
            columns_.names = {kForceColumns[0], kForceColumns[1], kForceColumns[2]};
            pending = true;
        } else {
            readHeader(fields);
        }
        while (pending || nextRow(fields)) {
            pending = false;
            if (out.loads.size() == options_.maxLoads) {
                fail(0, "more than " + std::to_string(options_.maxLoads) + " loads");
            }
            LoadInput load;
            load.Pu = number(fields, columns_.force[0], InputQuantity::AxialLoad);
            load.Mux = number(fields, columns_.force[1], InputQuantity::Moment);
            load.Muy = number(fields, columns_.force[2], InputQuantity::Moment);
            for (std::size_t k = 0; k < kEndColumnCount; ++k) {
                const auto index = columns_.ends[k];
                if (!index || *index >= fields.size() || trimBlanks(fields[*index]).empty()) {
                    continue;
                }
                const float value =
                    number(fields, *index,
                           k < kEndMomentCount ? InputQuantity::Moment : InputQuantity::AxialLoad);
                (k < kEndMomentCount ? load.ends.moments[k] : load.ends.PuSustained) = value;
            }
            out.loads.push_back(load);
            if (columns_.id) {
                out.ids.push_back(*columns_.id < fields.size() ? fields[*columns_.id] : "");
            }
        }
    }

    const LoadFileOptions& options_;
    DelimitedRowReader rows_;
    Columns columns_;
};

} // namespace

std::string LoadFileError::text() const {
    if (line == 0) {
        return reason;
    }
    std::string out = "line " + std::to_string(line);
    if (column > 0) {
        out += ", column " + std::to_string(column);
    }
    return out + ": " + reason;
}

LoadFileResult readLoadText(std::istream& in, const LoadFileOptions& options) {
    return LoadTextReader(in, options).read();
}

LoadFileResult readLoadFile(const std::string& path, const LoadFileOptions& options) {
    const auto refused = [](std::string reason) {
        LoadFileResult result;
        result.error = LoadFileError{0, 0, std::move(reason)};
        return result;
    };
    // Opening a pipe would wait for a writer that may never come, and a device may never end:
    // only a regular file (or a link to one) is read.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        return refused(errno == ENOENT ? std::string("there is no such file")
                                       : std::string("unable to open it: ") + std::strerror(errno));
    }
    if (S_ISDIR(st.st_mode)) {
        return refused("it is a folder, not a load file");
    }
    if (!S_ISREG(st.st_mode)) {
        return refused("it is a pipe or a device, not a load file");
    }
    if (static_cast<std::uintmax_t>(st.st_size) > options.maxBytes) {
        return refused("it holds " + std::to_string(st.st_size) + " bytes; a load file may hold " +
                       std::to_string(options.maxBytes / (1024 * 1024)) + " MB at most");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return refused(std::string("unable to open it: ") + std::strerror(errno));
    }
    return readLoadText(file, options);
}

} // namespace pmsect
