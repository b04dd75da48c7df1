// The point editor: the outline's rows, and the outline, bars and summary rebuilt from them.
#include "ui/point_editor_presenter.h"

#include "building/bar_layout.h"
#include "building/section_generators.h"
#include "ui/finite_change.h"
#include "units/unit_conversion.h"

#include <algorithm>

namespace pmsect {
namespace {
constexpr double kPointColumnShare = 0.3;
} // namespace

PointEditorPresenter::PointEditorPresenter(ProjectModel& model, Platform& platform,
                                           BusyPointer& pointer, SummaryChain& chain)
    : model_(model), platform_(platform), pointer_(pointer), chain_(chain) {}

void PointEditorPresenter::activate() {
    const std::string& unit = model_.units.lengthLabel;
    view_.columns = {GridColumn{"Num", kPointColumnShare, false},
                     GridColumn{"X (" + unit + ")", kPointColumnShare, true},
                     GridColumn{"Y (" + unit + ")", kPointColumnShare, true}};
    loadRows();
    pointer_.setPointer(kPointerNormal);
}

void PointEditorPresenter::loadRows() {
    const DisplayUnits& u = model_.units;
    view_.rows.clear();
    for (const Point& p : outlinePoints(model_)) {
        PointGridRow row;
        row.num = static_cast<int32_t>(view_.rows.size()) + 1;
        row.x = twoDecimalCell(shownLength(u, p.x));
        row.y = twoDecimalCell(shownLength(u, p.y));
        view_.rows.push_back(row);
    }
    view_.currentRow = 0;
}

void PointEditorPresenter::readRows() {
    if (view_.rows.empty()) {
        return;
    }
    const DisplayUnits& u = model_.units;
    model_.numPoints = 0;
    for (PointGridRow& row : view_.rows) {
        if (model_.numPoints >= kMaxPoints) {
            break;
        }
        ++model_.numPoints;
        row.num = model_.numPoints;
        model_.points[static_cast<std::size_t>(model_.numPoints)] = {
            static_cast<float>(typedLength(u, cellValue(row.x))),
            static_cast<float>(typedLength(u, cellValue(row.y)))};
    }
}

bool PointEditorPresenter::applyRows() {
    const ProjectBefore before{model_, chain_.sectionResults()};
    readRows();
    applyEditedOutline(model_);
    if (chain_.autoRecompute()) {
        setBarSetOutline(model_);
        rebuildBars(model_);
    }
    chain_.refresh();
    if (keepFiniteChange(model_, before, chain_, platform_)) {
        return true;
    }
    loadRows();
    return false;
}

void PointEditorPresenter::addPoint() {
    if (view_.rows.size() >= static_cast<std::size_t>(kMaxPoints)) {
        platform_.showMessage(kTooManyPointsMessage);
        return;
    }
    view_.rows.emplace_back();
    readRows();
}

void PointEditorPresenter::deletePoint() {
    if (view_.rows.size() <= 3) {
        platform_.showMessage(kTooFewPointsMessage);
        return;
    }
    eraseCurrentRow(view_.rows, view_.currentRow);
    applyRows();
}

bool PointEditorPresenter::editCell(int row, int column, std::string_view text) {
    if (row < 0 || row >= static_cast<int>(view_.rows.size()) ||
        (column != kPointX && column != kPointY)) {
        return false;
    }
    const CellText cell = readCellText(text);
    if (!cell.accepted) {
        platform_.showMessage(kPointNotNumericMessage);
        return false;
    }
    if (const auto refusal =
            cellRangeRefusal(cell, column == kPointX ? "X" : "Y", InputQuantity::Coordinate,
                             model_.units, Quantity::Length)) {
        platform_.showMessage(*refusal);
        return false;
    }
    PointGridRow& r = view_.rows[static_cast<std::size_t>(row)];
    std::optional<float>& slot = column == kPointX ? r.x : r.y;
    slot.reset();
    if (cell.value) {
        slot = static_cast<float>(*cell.value);
    }
    return true;
}

bool PointEditorPresenter::update() {
    const bool kept = applyRows();
    view_.currentRow = std::max(0, static_cast<int>(view_.rows.size()) - 1);
    return kept;
}

void PointEditorPresenter::done() {
    if (update()) {
        view_.visible = false;
    }
}

std::string PointEditorPresenter::cellText(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(view_.rows.size())) {
        return {};
    }
    const PointGridRow& r = view_.rows[static_cast<std::size_t>(row)];
    switch (column) {
    case kPointNum:
        return std::to_string(r.num);
    case kPointX:
        return realCellText(r.x);
    case kPointY:
        return realCellText(r.y);
    default:
        return {};
    }
}

} // namespace pmsect
