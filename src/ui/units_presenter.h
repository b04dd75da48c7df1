// The Units window: five groups of unit options, and applyUnits, which sets the display factors
// and labels, rewrites the main window's inputs in the new units and rebuilds from them.
#pragma once

#include "model/project_model.h"
#include "ui/busy_pointer.h"
#include "units/display_units.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace pmsect {

// 1-based positions in the five groups, as the settings file keeps them.
struct UnitPositions {
    int16_t length = 1;
    int16_t force = 2;
    int16_t moment = 4;
    int16_t stress = 1;
    int16_t unitWeight = 1;
};

struct UnitGroupView {
    std::string caption;              // "Length Units", ...
    std::vector<std::string> options; // option captions in order
    int16_t selected = 1;             // 1-based
};

struct UnitsView {
    std::string caption = "Units";
    std::array<UnitGroupView, 5> groups{}; // length, force, moment, stress, unit weight
    std::string doneCaption = "&Done";
    bool visible = false;
};

class UnitsPresenter {
public:
    UnitsPresenter(ProjectModel& model, BusyPointer& pointer);

    const UnitsView& view() const { return view_; }

    // Where the chosen positions are stored once the window is done with.
    void setSaveChoice(std::function<void(const UnitPositions&)> save) {
        saveChoice_ = std::move(save);
    }
    // Windows that show unit labels, told in the order they were added once the new units are
    // in force.
    void addUnitsObserver(std::function<void()> observer) {
        observers_.push_back(std::move(observer));
    }
    // After the windows: the project rebuilt from the main window's inputs as they now read.
    void setRebuildFromInputs(std::function<void()> rebuild) { rebuild_ = std::move(rebuild); }

    // The window is shown from the menu.
    void show() { view_.visible = true; }
    // An option clicked: only the selection changes until Done.
    void select(UnitGroup group, int16_t position);
    // The positions read at start-up, selected without being applied.
    void setPositions(const UnitPositions& positions);
    UnitPositions positions() const;

    // Factors and labels from the selection, the windows shown in them, the model rebuilt from
    // the rewritten inputs and the summary refreshed; the window is hidden.
    void applyUnits();
    // Done, or the window closed: applyUnits under the busy pointer, then the choice is stored.
    void onDone();

private:
    UnitGroupView& group(UnitGroup g) { return view_.groups[static_cast<std::size_t>(g)]; }

    ProjectModel& model_;
    BusyPointer& pointer_;
    UnitsView view_;
    std::function<void(const UnitPositions&)> saveChoice_;
    std::vector<std::function<void()>> observers_;
    std::function<void()> rebuild_;
};

} // namespace pmsect
