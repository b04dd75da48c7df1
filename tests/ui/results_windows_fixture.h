// A started application with its results and editing windows, for driving those windows.
#pragma once

#include "main_window_fixture.h"
#include "units/display_units.h"
#include "window_opening.h"

namespace pmsect::test {

class ResultsWindowsTest : public MainWindowTest {
protected:
    // The force unit chosen through the Units window, as a user would.
    void useForceUnit(const char* name) { useUnit(UnitGroup::Force, name); }
    void useUnit(UnitGroup group, const char* name) {
        app.units().select(group, *unitPositionByName(group, name));
        app.units().applyUnits();
    }

    LoadTablePresenter& loads = app.loads();
    ResultsPresenter& results = app.results();
    LargeViewPresenter& large = app.largeView();
};

} // namespace pmsect::test
