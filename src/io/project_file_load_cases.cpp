// Writing and reading the load-case block of the project file.
#include "io/project_file_load_cases.h"

#include "building/input_limits.h"
#include "engine/load_combinations.h"
#include "format/number_format.h"
#include "io/delimited_fields.h"
#include "io/load_case_rules.h"
#include "io/project_file_format.h"
#include "io/project_json_words.h"

#include <cmath>
#include <stdexcept>

namespace pmsect {
namespace {

constexpr std::string_view kOptionsLineStart = "COMBINATION OPTIONS";
constexpr std::string_view kUserLineStart = "USER COMBINATION";
constexpr std::string_view kFactorRowStart = "FACTOR ROW";
constexpr std::size_t kCaseFields = 6 + kEndMomentCount;

template <typename T> std::string number(T value, const std::string& what) {
    if (!std::isfinite(value)) {
        throw std::invalid_argument(what + " holds a value that is not a finite number");
    }
    return fileNumberText(value);
}

std::string flag(bool value) {
    return std::string(value ? kFileTrue : kFileFalse);
}

// The next line that is not blank, split at its commas, as a record named `what`.
Record nextRecord(RecordReader& in, const std::string& what) {
    const auto line = in.nextNonBlankLine();
    if (!line) {
        throw FileFormatError("The file ends before " + what);
    }
    auto fields = splitFields(*line, ',');
    if (!fields) {
        throw FileFormatError("Line " + std::to_string(in.lineNumber()) + " (" + what +
                              "): a quote is left open");
    }
    return Record(in.lineNumber(), what, std::move(*fields));
}

// The record's fields must be `count`; its first must be `start` when one is given.
void requireShape(const Record& r, std::size_t fields, std::size_t count, std::string_view start,
                  const std::string& what) {
    if (!start.empty() && (fields == 0 || r.text(0) != start)) {
        throw FileFormatError("Line " + std::to_string(r.lineNumber()) + ": " + what +
                              " must begin with " + std::string(start));
    }
    if (fields != count) {
        throw FileFormatError("Line " + std::to_string(r.lineNumber()) + " (" + what +
                              "): " + std::to_string(count) + " fields are expected, not " +
                              std::to_string(fields));
    }
}

std::string nameField(const Record& r, std::size_t i) {
    const std::string& text = r.text(i);
    if (const auto fault = nameFault(text)) {
        r.fail(i, "is a name that " + *fault);
    }
    return text;
}

double bounded(const Record& r, std::size_t i, std::string_view what, InputQuantity range) {
    const double value = r.real(i);
    r.requireWithin(i, what, range, value);
    return value;
}

LoadCase readCase(const Record& r) {
    LoadCase c;
    c.name = nameField(r, 0);
    const auto kind = loadKindFromName(r.text(1));
    if (!kind) {
        r.fail(1, "is not one of D, L, Lr, S, R, W, E, other");
    }
    c.kind = *kind;
    c.P = r.single(2);
    r.requireWithin(2, "P", InputQuantity::AxialLoad, c.P);
    c.Mx = r.single(3);
    r.requireWithin(3, "Mx", InputQuantity::Moment, c.Mx);
    c.My = r.single(4);
    r.requireWithin(4, "My", InputQuantity::Moment, c.My);
    c.sway = r.flag(5);
    for (std::size_t e = 0; e < kEndMomentCount; ++e) {
        if (!r.text(6 + e).empty()) {
            c.ends[e] = r.single(6 + e);
            r.requireWithin(6 + e, kCaseEndMomentNames[e], InputQuantity::Moment, *c.ends[e]);
        }
    }
    return c;
}

} // namespace

std::string loadCaseBlockText(const LoadCaseSet& set, std::string_view lineEnd) {
    std::string text = std::string(kLoadCasesLineStart) + "," + std::to_string(set.cases.size());
    text += lineEnd;
    for (const LoadCase& c : set.cases) {
        const std::string what = "The load case \"" + c.name + "\"";
        text += quotedField(c.name) + "," + std::string(loadKindName(c.kind)) + "," +
                number(c.P, what) + "," + number(c.Mx, what) + "," + number(c.My, what) + "," +
                flag(c.sway);
        for (const auto& end : c.ends) {
            text += "," + (end ? number(*end, what) : std::string());
        }
        text += lineEnd;
    }
    const CombinationOptions& o = set.options;
    text += std::string(kOptionsLineStart) + "," + flag(o.halfLive) + "," + number(o.SDS, "SDS") +
            "," + number(o.sustainedLiveFraction, "The sustained share") + "," +
            std::to_string(o.userCombinations.size()) + "," + std::to_string(o.factorTable.size());
    text += lineEnd;
    for (const UserCombination& u : o.userCombinations) {
        text += std::string(kUserLineStart) + "," + quotedField(u.name) + "," +
                std::to_string(u.factors.size());
        for (const auto& [caseName, factor] : u.factors) {
            text += "," + quotedField(caseName) + "," + number(factor, "The combination " + u.name);
        }
        text += lineEnd;
    }
    for (const FactorRow& row : o.factorTable) {
        text += kFactorRowStart;
        for (const FactorTerm& t : row.terms) {
            text += "," + number(t.factor, "The factor table");
        }
        text += lineEnd;
    }
    return text;
}

void readLoadCaseBlock(RecordReader& in, const std::string& firstLine, LoadCaseSet& set) {
    set = {};
    const auto fields = splitFields(firstLine, ',');
    const Record head(in.lineNumber(), "load cases", fields.value_or(std::vector<std::string>{}));
    requireShape(head, fields ? fields->size() : 0, 2, kLoadCasesLineStart, "the load cases");
    const auto count =
        static_cast<std::size_t>(head.integer(1, 0, static_cast<int32_t>(kMaxLoadCases)));
    std::vector<int> caseLines;
    for (std::size_t i = 0; i < count; ++i) {
        const Record r = nextRecord(in, "load case " + std::to_string(i + 1));
        requireShape(r, r.size(), kCaseFields, "", "load case " + std::to_string(i + 1));
        set.cases.push_back(readCase(r));
        caseLines.push_back(r.lineNumber());
    }
    const Record options = nextRecord(in, "combination options");
    requireShape(options, options.size(), 6, kOptionsLineStart, "the combination options");
    CombinationOptions& o = set.options;
    o.halfLive = options.flag(1);
    o.SDS = bounded(options, 2, "SDS", InputQuantity::SpectralAccel);
    o.sustainedLiveFraction =
        bounded(options, 3, "the sustained share of L", InputQuantity::LiveFraction);
    const auto users = options.integer(4, 0, static_cast<int32_t>(kMaxUserCombinations));
    const auto standardRows = static_cast<int32_t>(standardFactorTable().size());
    const auto rows = options.integer(5, 0, standardRows);
    if (rows != 0 && rows != standardRows) {
        options.fail(5, "must be 0 (the standard's factors) or " + std::to_string(standardRows) +
                            " (one line for each row of its table)");
    }
    std::vector<int> userLines;
    for (int32_t u = 0; u < users; ++u) {
        const std::string what = "user combination " + std::to_string(u + 1);
        const Record r = nextRecord(in, what);
        if (r.size() < 3 || r.text(0) != kUserLineStart) {
            requireShape(r, r.size(), 3, kUserLineStart, what);
        }
        UserCombination user{nameField(r, 1), {}};
        const auto pairs =
            static_cast<std::size_t>(r.integer(2, 0, static_cast<int32_t>(kMaxLoadCases)));
        requireShape(r, r.size(), 3 + 2 * pairs, kUserLineStart, what);
        for (std::size_t k = 0; k < pairs; ++k) {
            user.factors.emplace_back(r.text(3 + 2 * k),
                                      bounded(r, 4 + 2 * k, "a factor", InputQuantity::LoadFactor));
        }
        o.userCombinations.push_back(std::move(user));
        userLines.push_back(r.lineNumber());
    }
    std::vector<std::vector<double>> factors;
    for (int32_t k = 0; k < rows; ++k) {
        const std::string what = "factor row " + std::to_string(k + 1);
        const Record r = nextRecord(in, what);
        const std::size_t terms = standardFactorTable()[static_cast<std::size_t>(k)].terms.size();
        requireShape(r, r.size(), 1 + terms, kFactorRowStart, what);
        factors.emplace_back();
        for (std::size_t t = 0; t < terms; ++t) {
            factors.back().push_back(bounded(r, 1 + t, "a factor", InputQuantity::LoadFactor));
        }
    }
    if (rows > 0) {
        o.factorTable = factorTableWith(factors).value_or(std::vector<FactorRow>{});
    }
    if (const auto fault = checkLoadCaseSet(set)) {
        const int line = fault->inCombination ? userLines[fault->index] : caseLines[fault->index];
        throw FileFormatError("Line " + std::to_string(line) + " (" +
                              (fault->inCombination ? "user combination " : "load case ") +
                              std::to_string(fault->index + 1) + "): " + fault->reason);
    }
}

} // namespace pmsect
