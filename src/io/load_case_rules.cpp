// The checks of a set of load cases shared by the project readers.
#include "io/load_case_rules.h"

#include "engine/load_combinations.h"

#include <algorithm>

namespace pmsect {

namespace {

// Whether the bytes are UTF-8 (a JSON project can hold nothing else).
bool validUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

} // namespace

std::optional<std::string> nameFault(std::string_view name) {
    if (name.empty()) {
        return "is empty";
    }
    if (name.front() == ' ' || name.back() == ' ') {
        return "begins or ends with a blank";
    }
    if (!validUtf8(name)) {
        return "is not UTF-8 text";
    }
    if (std::any_of(name.begin(), name.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; })) {
        return "holds a control character";
    }
    if (name.size() > kMaxCaseNameLength) {
        return "is longer than " + std::to_string(kMaxCaseNameLength) + " characters";
    }
    return std::nullopt;
}

std::vector<std::string> generatedCombinationNames(const LoadCaseSet& set) {
    LoadCaseSet generated = set;
    generated.options.userCombinations.clear();
    std::vector<std::string> names;
    for (const LoadCombination& c : generateCombinations(generated)) {
        names.push_back(c.name);
    }
    return names;
}

std::optional<LoadCaseFault> checkLoadCaseSet(LoadCaseSet& set) {
    const auto caseIndex = [&](const std::string& name) -> std::optional<std::size_t> {
        for (std::size_t i = 0; i < set.cases.size(); ++i) {
            if (set.cases[i].name == name) {
                return i;
            }
        }
        return std::nullopt;
    };
    for (std::size_t i = 0; i < set.cases.size(); ++i) {
        if (caseIndex(set.cases[i].name) != i) {
            return LoadCaseFault{
                false, i, {}, "names the case \"" + set.cases[i].name + "\" a second time"};
        }
    }
    auto& users = set.options.userCombinations;
    // Every combination is known by its name (the governing one is named), so a user's may not
    // take the name of one the cases and the table generate.
    const std::vector<std::string> generated =
        users.empty() ? std::vector<std::string>{} : generatedCombinationNames(set);
    for (std::size_t u = 0; u < users.size(); ++u) {
        for (std::size_t v = 0; v < u; ++v) {
            if (users[v].name == users[u].name) {
                return LoadCaseFault{
                    true, u, {}, "names the combination \"" + users[u].name + "\" a second time"};
            }
        }
        if (std::find(generated.begin(), generated.end(), users[u].name) != generated.end()) {
            return LoadCaseFault{true, u, {}, "takes the name of a generated combination"};
        }
        auto& factors = users[u].factors;
        if (factors.empty()) {
            return LoadCaseFault{true, u, {}, "has no factors"};
        }
        for (std::size_t f = 0; f < factors.size(); ++f) {
            if (!caseIndex(factors[f].first)) {
                return LoadCaseFault{true, u, f,
                                     "names \"" + factors[f].first +
                                         "\", which is not a load case of the project"};
            }
            for (std::size_t g = 0; g < f; ++g) {
                if (factors[g].first == factors[f].first) {
                    return LoadCaseFault{true, u, f, "names a case a second time"};
                }
            }
        }
        std::stable_sort(factors.begin(), factors.end(), [&](const auto& a, const auto& b) {
            return *caseIndex(a.first) < *caseIndex(b.first);
        });
    }
    return std::nullopt;
}

std::optional<std::vector<FactorRow>>
factorTableWith(const std::vector<std::vector<double>>& factors) {
    std::vector<FactorRow> table = standardFactorTable();
    if (factors.size() != table.size()) {
        return std::nullopt;
    }
    for (std::size_t r = 0; r < table.size(); ++r) {
        if (factors[r].size() != table[r].terms.size()) {
            return std::nullopt;
        }
        for (std::size_t t = 0; t < factors[r].size(); ++t) {
            table[r].terms[t].factor = factors[r][t];
        }
    }
    if (table == standardFactorTable()) {
        table.clear();
    }
    return table;
}

} // namespace pmsect
