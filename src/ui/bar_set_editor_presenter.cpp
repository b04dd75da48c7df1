// The bar-set editor: the sets' rows, their orientation and rectangle, and the rebuild.
#include "ui/bar_set_editor_presenter.h"

#include "building/bar_layout.h"
#include "engine/bar_table.h"
#include "format/number_format.h"
#include "ui/bar_size_cells.h"
#include "ui/finite_change.h"
#include "units/unit_conversion.h"

#include <algorithm>

namespace pmsect {
namespace {
constexpr double kBarSetColumnShare = 0.3;

// Bars the sets lay: a set of fewer than one bar lays one.
int64_t barsAskedFor(const std::vector<BarSetGridRow>& rows) {
    int64_t total = 0;
    for (const BarSetGridRow& row : rows) {
        total += std::max(cellValue(row.count), 1);
    }
    return total;
}
} // namespace

std::string barSetTotalRefusal(int64_t bars) {
    return "The bar sets ask for " + std::to_string(bars) +
           " bars; their # Bars may add up to at most " + std::to_string(kMaxBars);
}

double minimumBarSetSide(const ProjectModel& model) {
    const double d1 = barDiameter(model.barSets[1].size);
    const double dt = barDiameter(model.tieBarSize);
    return 2.0 * (d1 + model.clearCover + dt) + model.clearSpacing;
}

BarSetEditorPresenter::BarSetEditorPresenter(ProjectModel& model, Platform& platform,
                                             BusyPointer& pointer, SummaryChain& chain)
    : model_(model), platform_(platform), pointer_(pointer), chain_(chain) {}

void BarSetEditorPresenter::showBoxes() {
    view_.txtEWidth = shownNumberText(model_.units, Quantity::Length, model_.barSetWidth);
    view_.txtEDepth = shownNumberText(model_.units, Quantity::Length, model_.barSetHeight);
    view_.unitLabel = model_.units.lengthLabel;
}

void BarSetEditorPresenter::activate() {
    view_.columns = {GridColumn{"Num", kBarSetColumnShare, false},
                     GridColumn{"# Bars", kBarSetColumnShare, true},
                     GridColumn{"Bar Size", kBarSetColumnShare, true}};
    showModel();
    pointer_.setPointer(kPointerNormal);
}

void BarSetEditorPresenter::showModel() {
    view_.rows.clear();
    const int n = std::clamp<int>(model_.numBarSets, 0, kMaxBarSets);
    for (int i = 1; i <= n; ++i) {
        const BarSet& set = model_.barSets[static_cast<std::size_t>(i)];
        view_.rows.push_back(BarSetGridRow{i, integerCell(set.count), integerCell(set.size)});
    }
    view_.currentRow = 0;
    view_.alongY = model_.barSetsAlongY;
    showBoxes();
}

bool BarSetEditorPresenter::rebuild(const ProjectBefore& before, void (SummaryChain::*summary)()) {
    rebuildBars(model_);
    (chain_.*summary)();
    if (keepFiniteChange(model_, before, chain_, platform_)) {
        return true;
    }
    showModel();
    return false;
}

void BarSetEditorPresenter::renumber() {
    int32_t k = 0;
    for (BarSetGridRow& row : view_.rows) {
        row.num = ++k;
    }
    model_.numBarSets = static_cast<int16_t>(k);
}

void BarSetEditorPresenter::addBarSet() {
    if (view_.rows.size() >= static_cast<std::size_t>(kMaxBarSets)) {
        platform_.showMessage(kTooManyBarSetsMessage);
        return;
    }
    view_.rows.emplace_back();
    renumber();
}

void BarSetEditorPresenter::deleteBarSet() {
    if (view_.rows.size() < 2) {
        platform_.showMessage(kTooFewBarSetsMessage);
    } else {
        eraseCurrentRow(view_.rows, view_.currentRow);
    }
    renumber();
}

bool BarSetEditorPresenter::editCell(int row, int column, std::string_view text) {
    if (row < 0 || row >= static_cast<int>(view_.rows.size()) ||
        (column != kBarSetCount && column != kBarSetSize)) {
        return false;
    }
    const CellText cell = readCellText(text);
    if (!cell.accepted) {
        platform_.showMessage(kBarSetNotNumericMessage);
        return false;
    }
    std::optional<int> value;
    if (cell.value) {
        value = integerCell(*cell.value);
    }
    if (column == kBarSetSize && value && !holdsTableBarSize(value)) {
        platform_.showMessage(kBarSizeRefusal);
        return false;
    }
    BarSetGridRow& r = view_.rows[static_cast<std::size_t>(row)];
    (column == kBarSetCount ? r.count : r.size) = value;
    return true;
}

bool BarSetEditorPresenter::update() {
    // Sets without a size of the bar table, or more bars than the table holds, are refused
    // before anything is written: the bars are never cut short.
    for (std::size_t i = 0; i < view_.rows.size(); ++i) {
        if (!holdsTableBarSize(view_.rows[i].size)) {
            platform_.showMessage(barSizeRowRefusal("bar set", view_.rows[i].num));
            return false;
        }
    }
    if (const int64_t bars = barsAskedFor(view_.rows); bars > kMaxBars) {
        platform_.showMessage(barSetTotalRefusal(bars));
        return false;
    }
    const ProjectBefore before{model_, chain_.sectionResults()};
    renumber();
    if (!view_.rows.empty()) {
        model_.numBarSets = 0;
        for (BarSetGridRow& row : view_.rows) {
            ++model_.numBarSets;
            if (cellValue(row.count) < 1) {
                platform_.showMessage(kNoBarsMessage);
                row.count = 1;
            }
            model_.barSets[static_cast<std::size_t>(model_.numBarSets)] = {
                static_cast<float>(cellValue(row.count)), static_cast<float>(cellValue(row.size))};
        }
    }
    return rebuild(before, &SummaryChain::refresh);
}

void BarSetEditorPresenter::done() {
    if (update()) {
        view_.visible = false;
    }
}

void BarSetEditorPresenter::onParallel(bool alongY) {
    const ProjectBefore before{model_, chain_.sectionResults()};
    view_.alongY = alongY;
    model_.barSetsAlongY = alongY;
    rebuild(before, &SummaryChain::recompute);
}

void BarSetEditorPresenter::confirmBox(BarSetBox box, std::string_view text) {
    const ProjectBefore before{model_, chain_.sectionResults()};
    const double minimum = minimumBarSetSide(model_);
    double side = minimum;
    if (const std::optional<double> v = parseNumber(text)) {
        side = std::max(typedLength(model_.units, *v), minimum);
    }
    float& stored = box == BarSetBox::EffectiveWidth ? model_.barSetWidth : model_.barSetHeight;
    stored = static_cast<float>(side);
    std::string& shown = box == BarSetBox::EffectiveWidth ? view_.txtEWidth : view_.txtEDepth;
    shown = shownNumberText(model_.units, Quantity::Length, stored);
    rebuild(before, &SummaryChain::recompute);
}

std::string BarSetEditorPresenter::cellText(int row, int column) const {
    if (row < 0 || row >= static_cast<int>(view_.rows.size())) {
        return {};
    }
    const BarSetGridRow& r = view_.rows[static_cast<std::size_t>(row)];
    switch (column) {
    case kBarSetNum:
        return std::to_string(r.num);
    case kBarSetCount:
        return integerCellText(r.count);
    case kBarSetSize:
        return integerCellText(r.size);
    default:
        return {};
    }
}

} // namespace pmsect
