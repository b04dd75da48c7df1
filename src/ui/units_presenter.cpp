// The Units window and applyUnits.
#include "ui/units_presenter.h"

namespace pmsect {
namespace {

constexpr UnitGroup kGroups[5] = {UnitGroup::Length, UnitGroup::Force, UnitGroup::Moment,
                                  UnitGroup::Stress, UnitGroup::UnitWeight};
constexpr const char* kGroupCaptions[5] = {"Length Units", "Force Units", "Moment Units",
                                           "Stress Units", "Unit Weight Units"};

} // namespace

UnitsPresenter::UnitsPresenter(ProjectModel& model, BusyPointer& pointer)
    : model_(model), pointer_(pointer) {
    for (std::size_t i = 0; i < 5; ++i) {
        UnitGroupView& g = view_.groups[i];
        g.caption = kGroupCaptions[i];
        for (const UnitEntry& entry : unitEntries(kGroups[i])) {
            g.options.emplace_back(entry.caption);
        }
        g.selected = defaultUnitPosition(kGroups[i]);
    }
}

void UnitsPresenter::select(UnitGroup g, int16_t position) {
    UnitGroupView& view = group(g);
    if (position >= 1 && position <= static_cast<int16_t>(view.options.size())) {
        view.selected = position;
    }
}

void UnitsPresenter::setPositions(const UnitPositions& p) {
    // A position outside its group keeps the group's current option, so one is always chosen.
    select(UnitGroup::Length, p.length);
    select(UnitGroup::Force, p.force);
    select(UnitGroup::Moment, p.moment);
    select(UnitGroup::Stress, p.stress);
    select(UnitGroup::UnitWeight, p.unitWeight);
}

UnitPositions UnitsPresenter::positions() const {
    const auto at = [&](UnitGroup g) { return view_.groups[static_cast<std::size_t>(g)].selected; };
    return {at(UnitGroup::Length), at(UnitGroup::Force), at(UnitGroup::Moment),
            at(UnitGroup::Stress), at(UnitGroup::UnitWeight)};
}

void UnitsPresenter::applyUnits() {
    const UnitPositions p = positions();
    applyUnitChoice(model_.units, p.length, p.force, p.moment, p.stress, p.unitWeight);
    // The window shows what is in force, also where a position fell back to its default.
    setPositions({model_.units.lengthUnit, model_.units.forceUnit, model_.units.momentUnit,
                  model_.units.stressUnit, model_.units.unitWtUnit});
    for (const auto& observer : observers_) {
        observer();
    }
    if (rebuild_) {
        rebuild_();
    }
    view_.visible = false;
}

void UnitsPresenter::onDone() {
    {
        BusyScope busy(pointer_);
        applyUnits();
    }
    if (saveChoice_) {
        saveChoice_(positions());
    }
}

} // namespace pmsect
