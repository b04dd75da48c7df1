// A started application on a recording platform, for driving the main window's events.
#pragma once

#include "engine/load_check.h"
#include "engine/strength_reduction.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "recording_platform.h"
#include "ui/application.h"

#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace pmsect::test {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        app.start();
        // A start-up shows no message at all.
        ASSERT_TRUE(platform.messages.empty()) << platform.messages.front();
    }

    const MainWindowView& view() { return main.view(); }
    const InputView& box(MainInput input) { return main.view().input(input); }
    void type(MainInput input, std::string_view text) { main.onTextConfirmed(input, text); }

    // Bars 1..numBars, for comparing layouts.
    std::vector<Bar> bars() {
        return std::vector<Bar>(model.bars.begin() + 1, model.bars.begin() + 1 + model.numBars);
    }
    // The last check of load row k as the desktop keeps it; none while the row has none.
    std::optional<LoadResult> lastCheck(int k) const {
        return storedLoadResult(app.data().section, model, static_cast<std::size_t>(k));
    }
    // The ratio of the load (Pu, Mux, 0) on the project's section alone, no slenderness data:
    // a magnified load's check must equal it at its magnified moment.
    float ratioOfTheSectionAlone(float Pu, float Mux) const {
        EngineInputs section = engineInputsOf(model);
        section.slenderness.reset();
        return checkLoadCombination(section, axialLimits(section), {Pu, Mux, 0}).result.ratio;
    }
    void clearStale() {
        app.data().curvesStale = false;
        app.data().surfaceStale = false;
    }

    RecordingPlatform platform;
    Application app{platform};
    ProjectModel& model = app.model();
    MainWindowPresenter& main = app.mainWindow();
};

inline bool sameBars(const std::vector<Bar>& a, const std::vector<Bar>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y || a[i].size != b[i].size) {
            return false;
        }
    }
    return true;
}

} // namespace pmsect::test
