// Reading case files: the header places the columns; each row is checked field by field and
// refused with its line and column, and the cases together as a project's are.
#include "io/load_case_file.h"

#include "building/input_limits.h"
#include "format/number_format.h"
#include "format/text.h"
#include "io/delimited_rows.h"
#include "io/load_case_rules.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace pmsect {
namespace {

constexpr std::size_t kMaxCaseFileBytes = 1 << 20;

// Columns: case, kind, P, Mx, My, sway, then the end moments.
constexpr std::size_t kColumnCount = 6 + kEndMomentCount;
std::string_view columnName(std::size_t k) {
    constexpr std::array<std::string_view, 6> first = {"case", "kind", "P", "Mx", "My", "sway"};
    return k < first.size() ? first[k] : kCaseEndMomentNames[k - first.size()];
}

class CaseTextReader {
public:
    explicit CaseTextReader(std::istream& in) : rows_(in, {}) {}

    std::vector<LoadCase> read() {
        std::vector<std::string> fields;
        if (!nextRow(fields)) {
            fail(0, "the file is empty: it needs a header row naming case, kind, P, Mx and My");
        }
        readHeader(fields);
        std::vector<LoadCase> cases;
        std::vector<int> lines;
        while (nextRow(fields)) {
            if (cases.size() == kMaxLoadCases) {
                fail(0, "more than " + std::to_string(kMaxLoadCases) + " load cases");
            }
            cases.push_back(readCase(fields));
            lines.push_back(rows_.line());
        }
        LoadCaseSet set{cases, {}};
        if (const auto fault = checkLoadCaseSet(set)) {
            throw LoadFileError{lines[fault->index], static_cast<int>(*columns_[0] + 1),
                                fault->reason};
        }
        return cases;
    }

private:
    [[noreturn]] void fail(int column, std::string reason) const {
        rows_.fail(column, std::move(reason));
    }

    bool nextRow(std::vector<std::string>& fields) { return rows_.next(fields); }

    void readHeader(const std::vector<std::string>& fields) {
        for (std::size_t i = 0; i < fields.size(); ++i) {
            for (std::size_t k = 0; k < kColumnCount; ++k) {
                if (sameWord(fields[i], columnName(k))) {
                    if (columns_[k]) {
                        fail(static_cast<int>(i + 1),
                             "a second column " + std::string(columnName(k)));
                    }
                    columns_[k] = i;
                }
            }
        }
        for (std::size_t k = 0; k < 5; ++k) {
            if (!columns_[k]) {
                fail(0, "the header has no column " + std::string(columnName(k)) +
                            " (it needs case, kind, P, Mx and My)");
            }
        }
    }

    // The field of column k, or nothing when the row leaves an optional column empty.
    std::optional<std::string> field(const std::vector<std::string>& fields, std::size_t k) const {
        if (!columns_[k] || *columns_[k] >= fields.size() || fields[*columns_[k]].empty()) {
            if (k < 5) {
                fail(columns_[k] ? static_cast<int>(*columns_[k] + 1) : 0,
                     std::string(columnName(k)) + " is missing");
            }
            return std::nullopt;
        }
        return fields[*columns_[k]];
    }

    float number(const std::string& text, std::size_t k, InputQuantity range) const {
        const int column = static_cast<int>(*columns_[k] + 1);
        const auto value = parseNumber(text);
        if (!value) {
            fail(column, std::string(columnName(k)) + " \"" + printable(text) +
                             "\" is not a finite number");
        }
        const auto stored = static_cast<float>(*value);
        if (!withinLimit(range, stored)) {
            fail(column, outOfRangeText(std::string(columnName(k)) + " " + text, range));
        }
        return stored;
    }

    LoadCase readCase(const std::vector<std::string>& fields) const {
        LoadCase c;
        c.name = *field(fields, 0);
        if (const auto fault = nameFault(c.name)) {
            fail(static_cast<int>(*columns_[0] + 1), "the case name " + *fault);
        }
        const std::string kindText = *field(fields, 1);
        const auto kind = std::find_if(kLoadKinds.begin(), kLoadKinds.end(), [&](LoadKind k) {
            return sameWord(loadKindName(k), kindText);
        });
        if (kind == kLoadKinds.end()) {
            fail(static_cast<int>(*columns_[1] + 1),
                 "kind \"" + printable(kindText) + "\" is not one of D, L, Lr, S, R, W, E, other");
        }
        c.kind = *kind;
        c.P = number(*field(fields, 2), 2, InputQuantity::AxialLoad);
        c.Mx = number(*field(fields, 3), 3, InputQuantity::Moment);
        c.My = number(*field(fields, 4), 4, InputQuantity::Moment);
        c.sway = swayByDefault(c.kind);
        if (const auto sway = field(fields, 5)) {
            const bool yes = sameWord(*sway, "yes") || sameWord(*sway, "true") || *sway == "1";
            if (!yes && !sameWord(*sway, "no") && !sameWord(*sway, "false") && *sway != "0") {
                fail(static_cast<int>(*columns_[5] + 1),
                     "sway \"" + printable(*sway) + "\" is not yes or no");
            }
            c.sway = yes;
        }
        for (std::size_t e = 0; e < kEndMomentCount; ++e) {
            if (const auto text = field(fields, 6 + e)) {
                c.ends[e] = number(*text, 6 + e, InputQuantity::Moment);
            }
        }
        return c;
    }

    DelimitedRowReader rows_;
    std::array<std::optional<std::size_t>, kColumnCount> columns_{};
};

} // namespace

LoadCaseFileResult readLoadCaseText(std::istream& in) {
    LoadCaseFileResult result;
    try {
        result.cases = CaseTextReader(in).read();
    } catch (const LoadFileError& e) {
        result.cases.clear();
        result.error = e;
    }
    return result;
}

LoadCaseFileResult readLoadCaseFile(const std::string& path) {
    const auto refused = [](std::string reason) {
        return LoadCaseFileResult{{}, LoadFileError{0, 0, std::move(reason)}};
    };
    // Only a regular file is opened: a pipe could wait for ever, a device never end.
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return refused("there is no such file");
    }
    if (!std::filesystem::is_regular_file(status)) {
        return refused("it is a folder, a pipe or a device, not a case file");
    }
    if (std::filesystem::file_size(path, error) > kMaxCaseFileBytes) {
        return refused("it is larger than the 1 MB a case file may hold");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return refused("unable to open it");
    }
    return readLoadCaseText(file);
}

} // namespace pmsect
