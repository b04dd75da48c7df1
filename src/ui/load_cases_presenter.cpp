// The Load Cases window: the cases grid, the options and the checked combinations.
#include "ui/load_cases_presenter.h"

#include "engine/combination_loads.h"
#include "engine/governing_load.h"
#include "engine/load_batch.h"
#include "engine/load_combinations.h"
#include "format/number_format.h"
#include "io/load_case_rules.h"
#include "project/engine_inputs_of.h"
#include "ui/grid_cells.h"
#include "ui/load_table_columns.h"
#include "ui/load_table_presenter.h"
#include "units/unit_conversion.h"

#include <algorithm>

namespace pmsect {
namespace {

std::string shownValue(const DisplayUnits& u, Quantity q, double internal) {
    return realCellText(twoDecimalCell(shown(u, q, internal)));
}

std::string kindList() {
    std::string list;
    for (const LoadKind kind : kLoadKinds) {
        list += (list.empty() ? "" : ", ") + std::string(loadKindName(kind));
    }
    return list;
}

// The first name "Case N" that no case holds yet.
std::string freshCaseName(const std::vector<LoadCase>& cases) {
    for (std::size_t n = cases.size() + 1;; ++n) {
        std::string name = "Case " + std::to_string(n);
        if (std::none_of(cases.begin(), cases.end(),
                         [&](const LoadCase& c) { return c.name == name; })) {
            return name;
        }
    }
}

} // namespace

LoadCasesPresenter::LoadCasesPresenter(ProjectModel& model, Platform& platform,
                                       std::function<void()> changed)
    : model_(model), platform_(platform), changed_(std::move(changed)) {
    for (const LoadKind kind : kLoadKinds) {
        view_.kinds.emplace_back(loadKindName(kind));
    }
}

void LoadCasesPresenter::open() {
    view_.visible = true;
    view_.currentCase = 0;
    refresh();
}

void LoadCasesPresenter::refresh() {
    accepted_ = model_.loadCases;
    fill();
    fillCombinations();
}

bool LoadCasesPresenter::changed() {
    LoadCaseSet checked = model_.loadCases;
    if (const auto fault = checkLoadCaseSet(checked)) {
        // A case or a factor may make a generated combination take a user's name: the files
        // would refuse the project, so the edit goes back.
        const std::string what =
            fault->inCombination
                ? "the combination " + checked.options.userCombinations[fault->index].name
                : "the case " + checked.cases[fault->index].name;
        platform_.showMessage("The change is undone: " + what + " " + fault->reason);
        model_.loadCases = accepted_;
        refresh();
        return false;
    }
    model_.loadCases = std::move(checked);
    refresh();
    if (changed_) {
        changed_();
    }
    return true;
}

void LoadCasesPresenter::fill() {
    const DisplayUnits& u = model_.units;
    view_.caseColumns = {"Case", "Kind", "P (" + u.forceLabel + ")", "Mx (" + u.momentLabel + ")",
                         "My (" + u.momentLabel + ")"};
    const bool slender = model_.slenderness.has_value();
    if (slender) {
        view_.caseColumns.emplace_back("Sway");
        for (const std::string_view name : kCaseEndMomentNames) {
            view_.caseColumns.push_back(std::string(name) + " (" + u.momentLabel + ")");
        }
    }
    view_.combinationColumns = {"Combination", "Pu (" + u.forceLabel + ")",
                                "Mux (" + u.momentLabel + ")", "Muy (" + u.momentLabel + ")"};
    if (slender) {
        view_.combinationColumns.push_back("Mcx (" + u.momentLabel + ")");
        view_.combinationColumns.push_back("Mcy (" + u.momentLabel + ")");
    }
    view_.combinationColumns.push_back("Pu sustained (" + u.forceLabel + ")");
    view_.combinationColumns.emplace_back("Check");
    view_.cases.clear();
    for (const LoadCase& c : model_.loadCases.cases) {
        std::vector<std::string> row = {
            c.name, std::string(loadKindName(c.kind)), shownValue(u, Quantity::Force, c.P),
            shownValue(u, Quantity::Moment, c.Mx), shownValue(u, Quantity::Moment, c.My)};
        if (slender) {
            row.emplace_back(c.sway ? "yes" : "no");
            for (const auto& end : c.ends) {
                row.push_back(end ? shownValue(u, Quantity::Moment, *end) : std::string());
            }
        }
        view_.cases.push_back(std::move(row));
    }
    view_.currentCase =
        std::clamp(view_.currentCase, 0, std::max(0, static_cast<int>(view_.cases.size()) - 1));
    const CombinationOptions& o = model_.loadCases.options;
    view_.halfLive = o.halfLive;
    view_.sds = boxNumberText(static_cast<float>(o.SDS));
    view_.liveFraction = boxNumberText(static_cast<float>(o.sustainedLiveFraction));
    fillFactors();
    fillUsers();
}

std::vector<std::string> combinationCells(const CombinationRowView& row) {
    std::vector<std::string> cells = {row.name, row.values[0], row.values[1], row.values[2]};
    if (row.Mc) {
        cells.insert(cells.end(), row.Mc->begin(), row.Mc->end());
    }
    cells.push_back(row.values[3]);
    cells.push_back(row.ratio);
    return cells;
}

void LoadCasesPresenter::fillCombinations() {
    const DisplayUnits& u = model_.units;
    const std::vector<LoadCombination> combinations = generateCombinations(model_.loadCases);
    const std::vector<LoadInput> loads = combinationLoads(combinations);
    const std::vector<CheckedLoad> checked =
        loads.empty() ? std::vector<CheckedLoad>{} : checkLoads(engineInputsOf(model_), loads, 0);
    view_.combinations.clear();
    for (std::size_t i = 0; i < combinations.size(); ++i) {
        const LoadCombination& c = combinations[i];
        const CheckedLoad& check = checked[i];
        CombinationRowView row{
            c.name,
            {shownValue(u, Quantity::Force, c.Pu), shownValue(u, Quantity::Moment, c.Mux),
             shownValue(u, Quantity::Moment, c.Muy), shownValue(u, Quantity::Force, c.PuSustained)},
            std::nullopt,
            check.result.capacityFound ? realCellText(twoDecimalCell(check.result.ratio))
                                       : kCapacityNotFoundText,
            loadFails(check)};
        if (check.magnification) {
            const MagnifiedCells cells = magnifiedCells(*check.magnification, u);
            row.Mc.emplace();
            for (std::size_t a = 0; a < 2; ++a) {
                (*row.Mc)[a] = cells.Mc[a] ? realCellText(twoDecimalCell(*cells.Mc[a])) : "";
            }
        }
        view_.combinations.push_back(std::move(row));
    }
    if (combinations.empty()) {
        view_.status = model_.loadCases.cases.empty()
                           ? "Add the service load cases to combine them."
                           : "Cases of kind other enter only the combinations the user adds.";
        return;
    }
    const LoadVerdict verdict = loadVerdict(checked);
    view_.status = std::to_string(verdict.count) + " combinations, " +
                   std::to_string(verdict.failing) + " failing";
    if (verdict.governing) {
        // Written as the Check column writes it.
        view_.status += "; the largest ratio " +
                        realCellText(twoDecimalCell(verdict.largestRatio)) + " is that of " +
                        combinations[*verdict.governing].name;
    }
}

void LoadCasesPresenter::addCase() {
    std::vector<LoadCase>& cases = model_.loadCases.cases;
    if (cases.size() >= kMaxLoadCases) {
        platform_.showMessage("A project holds at most " + std::to_string(kMaxLoadCases) +
                              " load cases");
        return;
    }
    LoadCase added;
    added.name = freshCaseName(cases);
    cases.push_back(added);
    view_.currentCase = static_cast<int>(cases.size()) - 1;
    changed();
}

void LoadCasesPresenter::deleteCase() {
    std::vector<LoadCase>& cases = model_.loadCases.cases;
    if (cases.empty()) {
        return;
    }
    const int at = std::clamp(view_.currentCase, 0, static_cast<int>(cases.size()) - 1);
    const std::string& name = cases[static_cast<std::size_t>(at)].name;
    for (const UserCombination& user : model_.loadCases.options.userCombinations) {
        for (const auto& [caseName, factor] : user.factors) {
            if (caseName == name) {
                platform_.showMessage("Case " + name + " cannot be deleted: the combination " +
                                      user.name + " takes it");
                return;
            }
        }
    }
    eraseCurrentRow(cases, view_.currentCase);
    changed();
}

void LoadCasesPresenter::selectCase(int row) {
    selectGridRow(view_.cases, view_.currentCase, row);
}

bool LoadCasesPresenter::editName(LoadCase& edited, std::string_view text) {
    const std::string name(text);
    if (const auto fault = nameFault(name)) {
        platform_.showMessage("The name of case " + edited.name + " " + *fault);
        return false;
    }
    for (const LoadCase& other : model_.loadCases.cases) {
        if (&other != &edited && other.name == name) {
            platform_.showMessage("Case name " + name + " is already taken");
            return false;
        }
    }
    // The user's combinations name their cases: they follow the new name.
    for (UserCombination& user : model_.loadCases.options.userCombinations) {
        for (auto& factor : user.factors) {
            if (factor.first == edited.name) {
                factor.first = name;
            }
        }
    }
    edited.name = name;
    return true;
}

bool LoadCasesPresenter::editCase(int row, CaseColumn column, std::string_view text) {
    std::vector<LoadCase>& cases = model_.loadCases.cases;
    if (row < 0 || row >= static_cast<int>(cases.size())) {
        return false;
    }
    LoadCase& edited = cases[static_cast<std::size_t>(row)];
    bool accepted = false;
    if (column == CaseColumn::Name) {
        accepted = editName(edited, text);
    } else if (column == CaseColumn::Kind) {
        const auto kind = loadKindFromName(text);
        if (!kind) {
            platform_.showMessage("The kind of case " + edited.name + " must be one of " +
                                  kindList());
        } else {
            // A case that swayed as its kind does takes the new kind's sway.
            if (edited.sway == swayByDefault(edited.kind)) {
                edited.sway = swayByDefault(*kind);
            }
            edited.kind = *kind;
            accepted = true;
        }
    } else if (column == CaseColumn::Sway) {
        if (text != "yes" && text != "no") {
            platform_.showMessage("Sway of case " + edited.name + " must be yes or no");
        } else {
            edited.sway = text == "yes";
            accepted = true;
        }
    } else if (column >= CaseColumn::FirstEndMoment) {
        const auto end =
            static_cast<std::size_t>(column) - static_cast<std::size_t>(CaseColumn::FirstEndMoment);
        if (end >= kEndMomentCount) {
            return false;
        }
        const DisplayUnits& u = model_.units;
        const std::string cell = std::string(kCaseEndMomentNames[end]) + " of case " + edited.name;
        const CellText typed = readCellText(text);
        if (!typed.accepted) {
            platform_.showMessage(cell + " must be a number, or empty for none");
        } else if (const auto refusal =
                       cellRangeRefusal(typed, cell, InputQuantity::Moment, u, Quantity::Moment)) {
            platform_.showMessage(*refusal);
        } else {
            // An empty cell: the case gives no such moment (Mx or My at both ends).
            edited.ends[end] =
                typed.value ? std::optional<float>(static_cast<float>(typedMoment(u, *typed.value)))
                            : std::nullopt;
            accepted = true;
        }
    } else {
        const DisplayUnits& u = model_.units;
        const bool axial = column == CaseColumn::P;
        const std::string cell =
            std::string(axial ? "P" : (column == CaseColumn::Mx ? "Mx" : "My")) + " of case " +
            edited.name;
        const CellText entry = readCellText(text);
        const Quantity kind = axial ? Quantity::Force : Quantity::Moment;
        if (!entry.accepted) {
            platform_.showMessage(cell + " must be a number");
        } else if (const auto refusal = cellRangeRefusal(
                       entry, cell, axial ? InputQuantity::AxialLoad : InputQuantity::Moment, u,
                       kind)) {
            platform_.showMessage(*refusal);
        } else {
            const auto value = static_cast<float>(typed(u, kind, entry.value.value_or(0)));
            (axial ? edited.P : column == CaseColumn::Mx ? edited.Mx : edited.My) = value;
            accepted = true;
        }
    }
    view_.currentCase = row;
    // A refused cell shows again what the case holds.
    if (accepted) {
        return changed();
    }
    fill();
    return false;
}

void LoadCasesPresenter::setHalfLive(bool on) {
    model_.loadCases.options.halfLive = on;
    changed();
}

bool LoadCasesPresenter::editOption(CaseOption option, std::string_view text) {
    const bool sds = option == CaseOption::SDS;
    const char* what = sds ? "SDS" : "The sustained live load fraction";
    const InputQuantity range = sds ? InputQuantity::SpectralAccel : InputQuantity::LiveFraction;
    const CellText typed = readCellText(text);
    const double value = typed.value.value_or(0);
    if (!typed.accepted) {
        platform_.showMessage(std::string(what) + " must be a number");
    } else if (!withinLimit(range, value)) {
        platform_.showMessage(outOfRangeText(what, range));
    } else {
        CombinationOptions& o = model_.loadCases.options;
        (sds ? o.SDS : o.sustainedLiveFraction) = value;
        return changed();
    }
    fill();
    return false;
}

} // namespace pmsect
