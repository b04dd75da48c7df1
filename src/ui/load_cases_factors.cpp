// The Load Cases window's factor table and the combinations the user adds: shown from the
// project's options, edited cell by cell under the rules every reader of a project applies.
#include "building/input_limits.h"
#include "engine/load_combinations.h"
#include "io/load_case_rules.h"
#include "ui/grid_cells.h"
#include "ui/load_cases_presenter.h"

#include <algorithm>

namespace pmsect {
namespace {

// "1.2D + 1.6L + 0.5Lr", "0.9D - Ev + 1.0E": the row as its factors stand under the options.
std::string rowFormula(const FactorRow& row, const CombinationOptions& options) {
    std::string formula;
    for (const FactorTerm& t : row.terms) {
        formula += (formula.empty() ? "" : " + ") + factorText(termFactor(row, t, options)) +
                   std::string(loadKindName(t.kind));
        if (t.kind == LoadKind::D && row.verticalSeismic != 0) {
            formula += row.verticalSeismic > 0 ? " + Ev" : " - Ev";
        }
    }
    return formula;
}

std::optional<std::size_t> termOf(const FactorRow& row, LoadKind kind) {
    for (std::size_t t = 0; t < row.terms.size(); ++t) {
        if (row.terms[t].kind == kind) {
            return t;
        }
    }
    return std::nullopt;
}

} // namespace

void LoadCasesPresenter::fillFactors() {
    const CombinationOptions& options = model_.loadCases.options;
    view_.standardFactors = options.factorTable.empty();
    view_.factorRows.clear();
    for (const FactorRow& row : factorTableOf(options)) {
        FactorRowView shown{rowFormula(row, options), {}};
        for (std::size_t k = 0; k < kFactorKinds.size(); ++k) {
            if (const auto t = termOf(row, kFactorKinds[k])) {
                shown.factors[k] = factorText(termFactor(row, row.terms[*t], options));
            }
        }
        view_.factorRows.push_back(std::move(shown));
    }
}

void LoadCasesPresenter::fillUsers() {
    const LoadCaseSet& set = model_.loadCases;
    view_.userColumns = {"Combination"};
    for (const LoadCase& c : set.cases) {
        view_.userColumns.push_back(c.name);
    }
    view_.users.clear();
    for (const UserCombination& user : set.options.userCombinations) {
        UserCombinationView shown{user.name, std::vector<std::string>(set.cases.size())};
        for (const auto& [caseName, factor] : user.factors) {
            for (std::size_t i = 0; i < set.cases.size(); ++i) {
                if (set.cases[i].name == caseName) {
                    shown.factors[i] = factorText(factor);
                }
            }
        }
        view_.users.push_back(std::move(shown));
    }
    view_.currentUser =
        std::clamp(view_.currentUser, 0, std::max(0, static_cast<int>(view_.users.size()) - 1));
}

bool LoadCasesPresenter::editFactor(int row, LoadKind kind, std::string_view text) {
    const std::vector<FactorRow>& table = factorTableOf(model_.loadCases.options);
    if (row < 0 || row >= static_cast<int>(table.size())) {
        return false;
    }
    const FactorRow& edited = table[static_cast<std::size_t>(row)];
    const std::string formula = rowFormula(edited, model_.loadCases.options);
    const auto term = termOf(edited, kind);
    const std::string cell = "The factor on " + std::string(loadKindName(kind)) + " of " + formula;
    const CellText typed = readCellText(text);
    std::optional<std::string> refusal;
    if (!term) {
        refusal = formula + " has no " + std::string(loadKindName(kind)) + " term";
    } else if (kind == LoadKind::L && edited.halvableLive && model_.loadCases.options.halfLive) {
        refusal = cell + " is 0.5 while the option " + std::string(kHalfLiveCaption) + " is on";
    } else if (!typed.accepted || !typed.value) {
        refusal = cell + " must be a number";
    } else if (!withinLimit(InputQuantity::LoadFactor, *typed.value)) {
        refusal = outOfRangeText(cell, InputQuantity::LoadFactor);
    }
    if (refusal) {
        platform_.showMessage(*refusal);
        fill();
        return false;
    }
    std::vector<std::vector<double>> factors;
    for (const FactorRow& r : table) {
        factors.emplace_back();
        for (const FactorTerm& t : r.terms) {
            factors.back().push_back(t.factor);
        }
    }
    factors[static_cast<std::size_t>(row)][*term] = *typed.value;
    // The standard's shape always holds here; a table equal to the standard's reads as empty.
    model_.loadCases.options.factorTable = factorTableWith(factors).value_or(table);
    return changed();
}

void LoadCasesPresenter::restoreStandardFactors() {
    model_.loadCases.options.factorTable.clear();
    changed();
}

bool LoadCasesPresenter::acceptUsers(std::vector<UserCombination> users) {
    LoadCaseSet edited = model_.loadCases;
    edited.options.userCombinations = std::move(users);
    if (const auto fault = checkLoadCaseSet(edited)) {
        platform_.showMessage("The combination " +
                              edited.options.userCombinations[fault->index].name + " " +
                              fault->reason);
        fill();
        return false;
    }
    model_.loadCases = std::move(edited);
    return changed();
}

void LoadCasesPresenter::addUserCombination() {
    const LoadCaseSet& set = model_.loadCases;
    if (set.cases.empty()) {
        platform_.showMessage("Add the load cases a combination takes first");
        return;
    }
    if (set.options.userCombinations.size() >= kMaxUserCombinations) {
        platform_.showMessage("A project holds at most " + std::to_string(kMaxUserCombinations) +
                              " combinations of its own");
        return;
    }
    const std::vector<std::string> generated = generatedCombinationNames(model_.loadCases);
    const auto taken = [&](const std::string& name) {
        return std::find(generated.begin(), generated.end(), name) != generated.end() ||
               std::any_of(set.options.userCombinations.begin(), set.options.userCombinations.end(),
                           [&](const UserCombination& u) { return u.name == name; });
    };
    UserCombination added;
    for (std::size_t n = set.options.userCombinations.size() + 1; added.name.empty(); ++n) {
        const std::string name = "User " + std::to_string(n);
        if (!taken(name)) {
            added.name = name;
        }
    }
    for (const LoadCase& c : set.cases) {
        added.factors.emplace_back(c.name, 1.0);
    }
    std::vector<UserCombination> users = set.options.userCombinations;
    users.push_back(std::move(added));
    view_.currentUser = static_cast<int>(users.size()) - 1;
    acceptUsers(std::move(users));
}

void LoadCasesPresenter::deleteUserCombination() {
    std::vector<UserCombination>& users = model_.loadCases.options.userCombinations;
    if (users.empty()) {
        return;
    }
    eraseCurrentRow(users, view_.currentUser);
    changed();
}

void LoadCasesPresenter::selectUserCombination(int row) {
    selectGridRow(view_.users, view_.currentUser, row);
}

bool LoadCasesPresenter::editUserName(int row, std::string_view text) {
    std::vector<UserCombination> users = model_.loadCases.options.userCombinations;
    if (row < 0 || row >= static_cast<int>(users.size())) {
        return false;
    }
    view_.currentUser = row;
    UserCombination& edited = users[static_cast<std::size_t>(row)];
    const std::string name(text);
    const std::vector<std::string> generated = generatedCombinationNames(model_.loadCases);
    std::optional<std::string> refusal;
    if (const auto fault = nameFault(name)) {
        refusal = "The name of combination " + edited.name + " " + *fault;
    } else if (std::find(generated.begin(), generated.end(), name) != generated.end()) {
        refusal = "Combination name " + name + " is that of a generated combination";
    } else if (std::any_of(users.begin(), users.end(), [&](const UserCombination& u) {
                   return &u != &edited && u.name == name;
               })) {
        refusal = "Combination name " + name + " is already taken";
    }
    if (refusal) {
        platform_.showMessage(*refusal);
        fill();
        return false;
    }
    edited.name = name;
    return acceptUsers(std::move(users));
}

bool LoadCasesPresenter::editUserFactor(int row, int caseIndex, std::string_view text) {
    const std::vector<LoadCase>& cases = model_.loadCases.cases;
    std::vector<UserCombination> users = model_.loadCases.options.userCombinations;
    if (row < 0 || row >= static_cast<int>(users.size()) || caseIndex < 0 ||
        caseIndex >= static_cast<int>(cases.size())) {
        return false;
    }
    view_.currentUser = row;
    UserCombination& edited = users[static_cast<std::size_t>(row)];
    const std::string& caseName = cases[static_cast<std::size_t>(caseIndex)].name;
    const std::string cell = "The factor on " + caseName + " of combination " + edited.name;
    const CellText typed = readCellText(text);
    std::optional<std::string> refusal;
    if (!typed.accepted) {
        refusal = cell + " must be a number, or empty to leave the case out";
    } else if (typed.value && !withinLimit(InputQuantity::LoadFactor, *typed.value)) {
        refusal = outOfRangeText(cell, InputQuantity::LoadFactor);
    }
    if (refusal) {
        platform_.showMessage(*refusal);
        fill();
        return false;
    }
    std::erase_if(edited.factors, [&](const auto& factor) { return factor.first == caseName; });
    if (typed.value) {
        edited.factors.emplace_back(caseName, *typed.value);
    }
    return acceptUsers(std::move(users));
}

} // namespace pmsect
