// The load table: the record set of load rows and its write-back to the model.
#include "ui/load_table_presenter.h"

#include "format/number_format.h"
#include "ui/finite_change.h"

#include <algorithm>

namespace pmsect {

LoadTablePresenter::LoadTablePresenter(ProjectModel& model, Platform& platform,
                                       BusyPointer& pointer, SummaryChain& chain)
    : model_(model), platform_(platform), pointer_(pointer), chain_(chain) {
    buildColumns();
}

void LoadTablePresenter::buildColumns() {
    const DisplayUnits& u = model_.units;
    const std::array<std::string, kLoadFields> captions{"Num",
                                                        "Pu (" + u.forceLabel + ")",
                                                        "Mux (" + u.momentLabel + ")",
                                                        "Muy (" + u.momentLabel + ")",
                                                        "eccen. (" + u.lengthLabel + ")",
                                                        "Angle (deg)",
                                                        "pPn (" + u.forceLabel + ")",
                                                        "pMnx (" + u.momentLabel + ")",
                                                        "pMny (" + u.momentLabel + ")",
                                                        "Check"};
    for (std::size_t f = 0; f < captions.size(); ++f) {
        view_.columns[f] = GridColumn{captions[f], kLoadColumnShare, f >= 1 && f <= 3, true};
    }
}

LoadGridRow LoadTablePresenter::rowFromModel(int k) const {
    const LoadRow& load = model_.loads[static_cast<std::size_t>(k)];
    const DisplayUnits& u = model_.units;
    const std::array<double, kLoadFields> factor{
        1, u.forceFactor, u.momentFactor, u.momentFactor, u.lengthFactor,
        1, u.forceFactor, u.momentFactor, u.momentFactor, 1};
    LoadGridRow row;
    row.num = k;
    row.capacityFound = model_.loadStatus[static_cast<std::size_t>(k)].capacityFound;
    for (int f = 1; f < kLoadFields; ++f) {
        if (!row.capacityFound && f >= kPhiPn) {
            continue; // no capacity to show
        }
        row.field[static_cast<std::size_t>(f)] =
            twoDecimalCell(static_cast<double>(load[f]) * factor[static_cast<std::size_t>(f)]);
    }
    return row;
}

void LoadTablePresenter::activate() {
    buildColumns();
    view_.rows.clear();
    const int n = std::clamp<int>(model_.numLoads, 0, kMaxLoads);
    for (int k = 1; k <= n; ++k) {
        view_.rows.push_back(rowFromModel(k));
    }
    view_.currentRow = 0;
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
    if (view_.rows.size() >= static_cast<std::size_t>(kMaxLoads)) {
        platform_.showMessage(kTooManyLoadsMessage);
        return;
    }
    view_.rows.emplace_back();
    renumber();
    edited_ = true;
}

void LoadTablePresenter::deleteLoad() {
    eraseCurrentRow(view_.rows, view_.currentRow);
    renumber();
    edited_ = true;
}

void LoadTablePresenter::selectRow(int index) {
    selectGridRow(view_.rows, view_.currentRow, index);
}

bool LoadTablePresenter::editCell(int row, int field, std::string_view text) {
    if (row < 0 || row >= static_cast<int>(view_.rows.size()) || field < kPu || field > kMuy) {
        return false;
    }
    const CellText cell = readCellText(text);
    if (!cell.accepted) {
        platform_.showMessage(kLoadNotNumericMessage);
        return false;
    }
    auto& slot = view_.rows[static_cast<std::size_t>(row)].field[static_cast<std::size_t>(field)];
    slot.reset();
    if (cell.value) {
        slot = static_cast<float>(*cell.value);
    }
    edited_ = true;
    return true;
}

bool LoadTablePresenter::update() {
    const ProjectModel before = model_;
    const DisplayUnits& u = model_.units;
    model_.numLoads = 0;
    for (const LoadGridRow& row : view_.rows) {
        if (model_.numLoads >= kMaxLoads) {
            break;
        }
        ++model_.numLoads;
        LoadRow& load = model_.loads[static_cast<std::size_t>(model_.numLoads)];
        load[kPu] = static_cast<float>(cellValue(row.field[kPu]) / u.forceFactor);
        load[kMux] = static_cast<float>(cellValue(row.field[kMux]) / u.momentFactor);
        load[kMuy] = static_cast<float>(cellValue(row.field[kMuy]) / u.momentFactor);
    }

    model_.summaryEnabled = true;
    chain_.recompute();
    const bool kept = keepFiniteChange(model_, before, chain_, platform_);

    rowsFromModel();
    edited_ = false;
    return kept;
}

void LoadTablePresenter::rowsFromModel() {
    view_.rows.resize(static_cast<std::size_t>(model_.numLoads));
    for (int k = 1; k <= model_.numLoads; ++k) {
        view_.rows[static_cast<std::size_t>(k - 1)] = rowFromModel(k);
    }
}

void LoadTablePresenter::done() {
    pointer_.setPointer(kPointerBusy);
    if (update()) {
        view_.visible = false;
    } else {
        pointer_.setPointer(kPointerNormal); // the window stays for the loads to be mended
    }
}

std::string LoadTablePresenter::cellText(int row, int field) const {
    if (row < 0 || row >= static_cast<int>(view_.rows.size()) || field < 0 ||
        field >= kLoadFields) {
        return {};
    }
    const LoadGridRow& r = view_.rows[static_cast<std::size_t>(row)];
    if (field == 0) {
        return std::to_string(r.num);
    }
    if (field == kRatio && !r.capacityFound) {
        return kCapacityNotFoundText;
    }
    return realCellText(r.field[static_cast<std::size_t>(field)]);
}

} // namespace pmsect
