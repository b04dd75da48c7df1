// The load table: the record set of load rows and its write-back to the model.
#include "ui/load_table_presenter.h"

#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "ui/finite_change.h"
#include "ui/load_verdict_line.h"
#include "units/unit_conversion.h"

#include <algorithm>
#include <limits>

namespace pmsect {

std::string emptyLoadMessage(int32_t num) {
    return "Load " + std::to_string(num) + " is empty: delete it or fill it in";
}

LoadTablePresenter::LoadTablePresenter(ProjectModel& model, Platform& platform,
                                       BusyPointer& pointer, SummaryChain& chain)
    : model_(model), platform_(platform), pointer_(pointer), chain_(chain) {
    buildColumns();
}

void LoadTablePresenter::buildColumns() {
    view_.columns = loadTableColumns(model_.units, model_.slenderness);
}

namespace {

// The inputs the magnifier of a project with slenderness data takes, built once for all rows.
std::optional<EngineInputs> magnifierInputs(const ProjectModel& model) {
    if (!model.slenderness) {
        return std::nullopt;
    }
    return engineInputsOf(model);
}

const EngineInputs* orNull(const std::optional<EngineInputs>& inputs) {
    return inputs ? &*inputs : nullptr;
}

// What each field of a row holds: Num, Pu, Mux, Muy, eccentricity, angle, phiPn, phiMnx, phiMny
// and the ratio.
constexpr std::array<Quantity, kLoadFields> kFieldKinds{
    Quantity::Plain, Quantity::Force, Quantity::Moment, Quantity::Moment, Quantity::Length,
    Quantity::Plain, Quantity::Force, Quantity::Moment, Quantity::Moment, Quantity::Plain};

Quantity endKind(bool axial) {
    return axial ? Quantity::Force : Quantity::Moment;
}

} // namespace

LoadGridRow LoadTablePresenter::rowFromModel(int k, const EngineInputs* inputs) const {
    const LoadRow& load = model_.loads[static_cast<std::size_t>(k)];
    const DisplayUnits& u = model_.units;
    LoadGridRow row;
    row.num = k;
    const std::optional<LoadResult> result =
        storedLoadResult(chain_.sectionResults(), model_, static_cast<std::size_t>(k));
    const LoadResult r = result.value_or(LoadResult{});
    row.pending = !result;
    row.capacityFound = r.capacityFound;
    row.ratio = r.ratio;
    row.overCapacity = !row.pending && row.capacityFound && r.ratio > 1.0f;
    const std::array<float, kLoadFields> value{
        0,       load[kPu], load[kMux], load[kMuy], r.eccentricity,
        r.angle, r.phiPn,   r.phiMnx,   r.phiMny,   r.ratio};
    for (int f = 1; f < kLoadFields; ++f) {
        if ((row.pending && f >= kEccentricity) || (!row.capacityFound && f >= kPhiPn)) {
            continue; // no result, or no capacity, to show
        }
        const auto i = static_cast<std::size_t>(f);
        row.field[i] = twoDecimalCell(shown(u, kFieldKinds[i], value[i]));
    }
    for (int f = kPu; f <= kMuy; ++f) {
        row.stored[static_cast<std::size_t>(f)] = load[f];
    }
    row.storedEnds = load.ends;
    row.ends = endCells(load.ends, u);
    // Computed with the check's inputs, once per check rather than per cell shown.
    if (inputs && !row.pending) {
        if (const auto magnification = magnificationOf(*inputs, loadInputOf(load))) {
            row.magnified = magnifiedCells(*magnification, u);
        }
    }
    return row;
}

void LoadTablePresenter::activate() {
    buildColumns();
    view_.rows.clear();
    view_.rows.reserve(static_cast<std::size_t>(model_.loads.count()));
    const auto inputs = magnifierInputs(model_);
    for (int k = 1; k <= model_.loads.count(); ++k) {
        view_.rows.push_back(rowFromModel(k, orNull(inputs)));
    }
    view_.currentRow = 0;
    noteVerdict();
    arrangeRows();
    edited_ = false;
    pointer_.setPointer(kPointerNormal);
}

void LoadTablePresenter::renumber() {
    int32_t k = 0;
    for (LoadGridRow& row : view_.rows) {
        row.num = ++k;
    }
}

void LoadTablePresenter::addLoad() {
    view_.rows.emplace_back();
    renumber();
    // The new row is the current one, where the grid scrolls to and typing goes.
    showRow(view_.rows.size() - 1);
    edited_ = true;
}

void LoadTablePresenter::deleteLoad() {
    if (view_.shown.empty()) {
        return;
    }
    const auto at = static_cast<std::size_t>(
        std::clamp(view_.currentRow, 0, static_cast<int>(view_.shown.size()) - 1));
    view_.rows.erase(view_.rows.begin() + static_cast<std::ptrdiff_t>(view_.shown[at]));
    renumber();
    arrangeRows(); // the row that moves into its place is current, or the new last row
    edited_ = true;
}

void LoadTablePresenter::selectRow(int index) {
    selectGridRow(view_.shown, view_.currentRow, index);
}

void LoadTablePresenter::setSortedByRatio(bool on) {
    view_.sortedByRatio = on;
    view_.currentRow = 0;
    arrangeRows();
}

void LoadTablePresenter::setFailingOnly(bool on) {
    view_.failingOnly = on;
    view_.currentRow = 0;
    arrangeRows();
}

void LoadTablePresenter::stopChecks() {
    chain_.stopLoadChecks();
}

void LoadTablePresenter::onChecksAdvanced() {
    if (!view_.visible) {
        return;
    }
    if (edited_) {
        view_.checks = chain_.loadCheckProgress(); // the rows wait for Update
        return;
    }
    rowsFromModel();
}

namespace {

// Sorted by ratio: a load without a capacity fails whatever the others give, and one not yet
// checked has no ratio to place it by.
float sortRatio(const LoadGridRow& row) {
    if (row.pending || (!row.field[kPu] && !row.field[kMux] && !row.field[kMuy])) {
        return -std::numeric_limits<float>::infinity();
    }
    return row.capacityFound ? row.ratio : std::numeric_limits<float>::infinity();
}

bool rowFails(const LoadGridRow& row) {
    return !row.pending && (!row.capacityFound || row.overCapacity);
}

} // namespace

void LoadTablePresenter::arrangeRows() {
    std::vector<std::size_t>& shown = view_.shown;
    shown.clear();
    for (std::size_t i = 0; i < view_.rows.size(); ++i) {
        if (!view_.failingOnly || rowFails(view_.rows[i])) {
            shown.push_back(i);
        }
    }
    if (view_.sortedByRatio) {
        std::stable_sort(shown.begin(), shown.end(), [this](std::size_t a, std::size_t b) {
            return sortRatio(view_.rows[a]) > sortRatio(view_.rows[b]);
        });
    }
    view_.currentRow =
        std::clamp(view_.currentRow, 0, std::max(0, static_cast<int>(shown.size()) - 1));
}

void LoadTablePresenter::showRow(std::size_t position) {
    arrangeRows();
    auto at = std::find(view_.shown.begin(), view_.shown.end(), position);
    if (at == view_.shown.end()) {
        view_.failingOnly = false;
        arrangeRows();
        at = std::find(view_.shown.begin(), view_.shown.end(), position);
    }
    view_.currentRow = static_cast<int>(at - view_.shown.begin());
}

const LoadGridRow* LoadTablePresenter::shownRow(int row) const {
    if (row < 0 || row >= static_cast<int>(view_.shown.size())) {
        return nullptr;
    }
    return &view_.rows[view_.shown[static_cast<std::size_t>(row)]];
}

bool LoadTablePresenter::editCell(int row, int column, std::string_view text) {
    if (!shownRow(row) || column < 0 || column >= static_cast<int>(view_.columns.size()) ||
        !view_.columns[static_cast<std::size_t>(column)].editable) {
        return false;
    }
    const LoadTableColumn& c = view_.columns[static_cast<std::size_t>(column)];
    const CellText cell = readCellText(text);
    LoadGridRow& r = view_.rows[view_.shown[static_cast<std::size_t>(row)]];
    if (c.kind != LoadCellKind::Field) {
        return editEndCell(r, c, cell);
    }
    const int field = c.index;
    if (!cell.accepted) {
        platform_.showMessage(kLoadNotNumericMessage);
        return false;
    }
    const bool axial = field == kPu;
    if (const auto refusal =
            cellRangeRefusal(cell, axial ? "Pu" : (field == kMux ? "Mux" : "Muy"),
                             axial ? InputQuantity::AxialLoad : InputQuantity::Moment, model_.units,
                             kFieldKinds[static_cast<std::size_t>(field)])) {
        platform_.showMessage(*refusal);
        return false;
    }
    r.edited[static_cast<std::size_t>(field)] = true;
    auto& slot = r.field[static_cast<std::size_t>(field)];
    slot.reset();
    if (cell.value) {
        slot = static_cast<float>(*cell.value);
    }
    edited_ = true;
    return true;
}

bool LoadTablePresenter::editEndCell(LoadGridRow& row, const LoadTableColumn& column,
                                     const CellText& cell) {
    const bool axial = column.kind == LoadCellKind::PuSustained;
    const std::size_t at = axial ? kEndMomentCount : static_cast<std::size_t>(column.index);
    const std::string name =
        axial ? std::string("PuSustained") : std::string(kLoadEndMomentNames[at]);
    if (!cell.accepted) {
        platform_.showMessage(name + " must be a number, or blank for none");
        return false;
    }
    if (const auto refusal =
            cellRangeRefusal(cell, name, axial ? InputQuantity::AxialLoad : InputQuantity::Moment,
                             model_.units, endKind(axial))) {
        platform_.showMessage(*refusal);
        return false;
    }
    // A blank cell gives no end moment: the load's Mux or Muy stands for it.
    row.endsEdited[at] = true;
    row.ends[at] =
        cell.value ? std::optional<float>(static_cast<float>(*cell.value)) : std::nullopt;
    edited_ = true;
    return true;
}

std::optional<std::size_t> LoadTablePresenter::firstEmptyRow() const {
    for (std::size_t i = 0; i < view_.rows.size(); ++i) {
        const LoadGridRow& row = view_.rows[i];
        if (!row.field[kPu] && !row.field[kMux] && !row.field[kMuy]) {
            return i;
        }
    }
    return std::nullopt;
}

bool LoadTablePresenter::update() {
    // A row added and left empty would become a load of 0/0/0 with a check of its own.
    if (const auto empty = firstEmptyRow()) {
        showRow(*empty);
        platform_.showMessage(emptyLoadMessage(view_.rows[*empty].num));
        return false;
    }
    const ProjectBefore before{model_, chain_.sectionResults()};
    const DisplayUnits& u = model_.units;
    model_.loads.clear();
    for (const LoadGridRow& row : view_.rows) {
        LoadRow load;
        for (std::size_t f = kPu; f <= kMuy; ++f) {
            const std::optional<float>& stored = row.stored[f];
            load[static_cast<int>(f)] =
                stored && !row.edited[f]
                    ? *stored
                    : static_cast<float>(typed(u, kFieldKinds[f], cellValue(row.field[f])));
        }
        load.ends = row.storedEnds;
        for (std::size_t m = 0; m <= kEndMomentCount; ++m) {
            if (!row.endsEdited[m]) {
                continue;
            }
            const bool axial = m == kEndMomentCount;
            std::optional<float>& slot = axial ? load.ends.PuSustained : load.ends.moments[m];
            slot.reset();
            if (row.ends[m]) {
                slot = static_cast<float>(typed(u, endKind(axial), *row.ends[m]));
            }
        }
        model_.loads.append(load);
    }

    chain_.setSummaryEnabled(true);
    chain_.recompute();
    const bool kept = keepFiniteChange(model_, before, chain_, platform_);

    rowsFromModel();
    edited_ = false;
    return kept;
}

void LoadTablePresenter::rowsFromModel() {
    buildColumns(); // the slenderness data may have come or gone
    view_.rows.resize(static_cast<std::size_t>(model_.loads.count()));
    const auto inputs = magnifierInputs(model_);
    for (int k = 1; k <= model_.loads.count(); ++k) {
        view_.rows[static_cast<std::size_t>(k - 1)] = rowFromModel(k, orNull(inputs));
    }
    noteVerdict();
    arrangeRows();
}

void LoadTablePresenter::noteVerdict() {
    view_.checks = chain_.loadCheckProgress();
    view_.verdict = loadVerdictLine(model_, chain_.sectionResults(), view_.checks);
}

void LoadTablePresenter::done() {
    pointer_.setPointer(kPointerBusy);
    if (update()) {
        view_.visible = false;
    } else {
        pointer_.setPointer(kPointerNormal); // the window stays for the loads to be mended
    }
}

void LoadTablePresenter::cancel() {
    view_.visible = false;
    view_.rows.clear();
    view_.shown.clear();
    // The main window's events recompute the summary again, as after Done.
    chain_.setSummaryEnabled(true);
}

bool LoadTablePresenter::cellFails(int row, int column) const {
    const LoadGridRow* r = shownRow(row);
    return r && column >= 0 && column < static_cast<int>(view_.columns.size()) &&
           view_.columns[static_cast<std::size_t>(column)].kind == LoadCellKind::Field &&
           view_.columns[static_cast<std::size_t>(column)].index == kRatio && r->overCapacity;
}

std::string LoadTablePresenter::cellText(int row, int column) const {
    const LoadGridRow* shown = shownRow(row);
    if (!shown || column < 0 || column >= static_cast<int>(view_.columns.size())) {
        return {};
    }
    const LoadGridRow& r = *shown;
    const LoadTableColumn& c = view_.columns[static_cast<std::size_t>(column)];
    const auto axis = static_cast<std::size_t>(c.index);
    switch (c.kind) {
    case LoadCellKind::Field:
        break;
    case LoadCellKind::EndMoment:
        return realCellText(r.ends[axis]);
    case LoadCellKind::PuSustained:
        return realCellText(r.ends[kEndMomentCount]);
    case LoadCellKind::Mc:
        return r.magnified ? realCellText(r.magnified->Mc[axis]) : std::string();
    case LoadCellKind::DeltaNs:
        return r.magnified ? realCellText(r.magnified->deltaNs[axis]) : std::string();
    case LoadCellKind::DeltaS:
        return r.magnified ? realCellText(r.magnified->deltaS[axis]) : std::string();
    case LoadCellKind::Slender:
        return r.magnified ? r.magnified->slender : std::string();
    }
    const int field = c.index;
    if (field == 0) {
        return std::to_string(r.num);
    }
    if (field == kRatio && r.pending) {
        return view_.checks.running() ? kCheckRunningText : kNotCheckedText;
    }
    if (field == kRatio && !r.capacityFound) {
        return kCapacityNotFoundText;
    }
    return realCellText(r.field[static_cast<std::size_t>(field)]);
}

} // namespace pmsect
