// The bar editor: the arbitrary bars' rows and their write-back.
#include "ui/bar_editor_presenter.h"

#include "format/number_format.h"
#include "ui/bar_size_cells.h"
#include "ui/finite_change.h"
#include "units/unit_conversion.h"

namespace pmsect {
namespace {
constexpr double kBarColumnShare = 0.22;

std::string positionText(const std::optional<float>& cell) {
    return cell ? boxNumberText(*cell) : std::string();
}
} // namespace

BarEditorPresenter::BarEditorPresenter(ProjectModel& model, Platform& platform,
                                       BusyPointer& pointer, SummaryChain& chain)
    : model_(model), platform_(platform), pointer_(pointer), chain_(chain) {}

void BarEditorPresenter::activate() {
    const std::string& unit = model_.units.lengthLabel;
    view_.columns = {GridColumn{"Num", kBarColumnShare, false},
                     GridColumn{"X (" + unit + ")", kBarColumnShare, true},
                     GridColumn{"Y (" + unit + ")", kBarColumnShare, true},
                     GridColumn{"Bar Size", kBarColumnShare, true}};
    loadRows();
    pointer_.setPointer(kPointerNormal);
}

void BarEditorPresenter::loadRows() {
    const DisplayUnits& u = model_.units;
    view_.rows.clear();
    for (const Bar& b : modelBars(model_)) {
        BarGridRow row;
        row.num = static_cast<int32_t>(view_.rows.size()) + 1;
        row.x = static_cast<float>(shownLength(u, b.x));
        row.y = static_cast<float>(shownLength(u, b.y));
        row.size = integerCell(b.size);
        view_.rows.push_back(row);
    }
    view_.currentRow = 0;
}

void BarEditorPresenter::renumber() {
    int32_t k = 0;
    for (BarGridRow& row : view_.rows) {
        row.num = ++k;
    }
}

void BarEditorPresenter::addBar() {
    if (view_.rows.size() >= static_cast<std::size_t>(kMaxBars)) {
        platform_.showMessage(kTooManyBarsMessage);
        return;
    }
    view_.rows.emplace_back();
    renumber();
}

void BarEditorPresenter::deleteBar() {
    if (view_.rows.size() < 4) {
        platform_.showMessage(kTooFewBarsMessage);
        return;
    }
    // The other rows keep their numbers until the next Add.
    eraseCurrentRow(view_.rows, view_.currentRow);
}

bool BarEditorPresenter::editCell(int row, int column, std::string_view text) {
    if (row < 0 || row >= static_cast<int>(view_.rows.size()) || column < kBarX ||
        column > kBarSizeColumn) {
        return false;
    }
    const CellText cell = readCellText(text);
    if (!cell.accepted) {
        platform_.showMessage(kBarNotNumericMessage);
        return false;
    }
    BarGridRow& r = view_.rows[static_cast<std::size_t>(row)];
    if (column == kBarSizeColumn) {
        std::optional<int> size;
        if (cell.value) {
            size = integerCell(*cell.value);
            if (!holdsTableBarSize(size)) {
                platform_.showMessage(kBarSizeRefusal);
                return false;
            }
        }
        r.size = size;
        return true;
    }
    if (const auto refusal =
            cellRangeRefusal(cell, column == kBarX ? "X" : "Y", InputQuantity::Coordinate,
                             model_.units, Quantity::Length)) {
        platform_.showMessage(*refusal);
        return false;
    }
    std::optional<float>& slot = column == kBarX ? r.x : r.y;
    slot.reset();
    if (cell.value) {
        slot = static_cast<float>(*cell.value);
    }
    return true;
}

bool BarEditorPresenter::update() {
    // A row without a size of the bar table (one added and left empty) is no bar: nothing is
    // written until it has one.
    for (std::size_t i = 0; i < view_.rows.size(); ++i) {
        if (!holdsTableBarSize(view_.rows[i].size)) {
            platform_.showMessage(barSizeRowRefusal("bar", view_.rows[i].num));
            return false;
        }
    }
    const ProjectBefore before{model_, chain_.sectionResults()};
    const DisplayUnits& u = model_.units;
    model_.numBars = 0;
    for (const BarGridRow& row : view_.rows) {
        if (model_.numBars >= kMaxBars) {
            break;
        }
        ++model_.numBars;
        model_.bars[static_cast<std::size_t>(model_.numBars)] = {
            static_cast<float>(typedLength(u, cellValue(row.x))),
            static_cast<float>(typedLength(u, cellValue(row.y))),
            static_cast<float>(cellValue(row.size))};
    }
    chain_.refresh();
    if (keepFiniteChange(model_, before, chain_, platform_)) {
        return true;
    }
    loadRows();
    return false;
}

void BarEditorPresenter::done() {
    if (update()) {
        view_.visible = false;
    }
}

std::string BarEditorPresenter::cellText(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(view_.rows.size())) {
        return {};
    }
    const BarGridRow& r = view_.rows[static_cast<std::size_t>(row)];
    switch (column) {
    case kBarNum:
        return std::to_string(r.num);
    case kBarX:
        return positionText(r.x);
    case kBarY:
        return positionText(r.y);
    case kBarSizeColumn:
        return integerCellText(r.size);
    default:
        return {};
    }
}

} // namespace pmsect
