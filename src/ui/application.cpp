// The application object: start-up and the summary chain.
#include "ui/application.h"

#include "building/new_project.h"
#include "engine/section_summary.h"

namespace pmsect {

namespace {
constexpr int32_t kSteelModulus = 29000000; // psi
} // namespace

Application::Application(Platform& platform)
    : platform_(platform), pointer_(platform), mainWindow_(model_, platform, pointer_, *this),
      units_(model_, pointer_, mainWindow_), opening_(pointer_), information_(model_),
      design_(model_, platform, pointer_, [this] {
          mainWindow_.showProjectInputs();
          recompute();
      }) {
    // The model holds a whole project from the start: applying the units at start-up rebuilds
    // it from the main window's inputs before the new-project defaults are shown, and an empty
    // model would meet bar sets of size 0 there.
    resetToNewProject(model_);
    addSummaryObserver([this] { mainWindow_.onSummaryComputed(); });
}

void Application::loadOpening(const std::function<StartupSettings()>& loadSettings) {
    units_.setPositions(UnitPositions{});
    model_.Es = kSteelModulus;
    const StartupSettings settings = loadSettings ? loadSettings() : StartupSettings{};
    information_.setShowOnStartup(settings.showInfoAtStart);
    units_.setPositions(settings.units);
    mainWindow_.setNewProjectDesignCode(settings.designCode);
    opening_.load(settings.defaultDir, settings.showInfoAtStart);
}

void Application::start() {
    units_.applyUnits();
    model_.summaryEnabled = false;
    mainWindow_.showStartupDefaults();
    model_.curvesStale = true;
    model_.surfaceStale = true;
    model_.summaryEnabled = true;
    recompute();
}

void Application::recompute() {
    if (!model_.summaryEnabled) {
        return;
    }
    {
        BusyScope busy(pointer_);
        computeSectionSummary(model_);
    }
    summaryChanged();
}

void Application::refresh() {
    {
        BusyScope busy(pointer_);
        refreshSummary(model_);
    }
    summaryChanged();
}

void Application::summaryChanged() {
    for (const auto& observer : observers_) {
        observer();
    }
}

} // namespace pmsect
