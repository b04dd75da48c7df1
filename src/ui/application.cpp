// The application object: the presenters wired to one another, the settings file, start-up and
// the summary chain.
#include "ui/application.h"

#include "building/new_project.h"
#include "io/settings_file.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "ui/results_export.h"

namespace pmsect {

namespace {
constexpr int32_t kSteelModulus = 29000000; // psi
// Up to this many loads the summary checks them at once (some 50 ms on two cores); more are
// checked in the background, so that the windows stay live.
constexpr int kForegroundLoads = 500;
constexpr int kCheckTickMs = 50;
} // namespace

Application::Application(Platform& platform, std::optional<std::string> settingsDir)
    : platform_(platform), pointer_(platform), settingsDir_(std::move(settingsDir)),
      wait_(model_, pointer_, data_), mainWindow_(model_, platform, pointer_, *this, wait_),
      units_(model_, pointer_), opening_(pointer_), information_(model_),
      design_(model_, platform, pointer_,
              [this] {
                  data_.markStale();
                  mainWindow_.showProjectInputs();
                  recompute();
              }),
      loadCases_(model_, platform, [this] { loadChecksAdvanced(); }),
      slenderness_(model_, platform, *this), loads_(model_, platform, pointer_, *this),
      results_(model_, platform, pointer_, *this, data_, wait_),
      largeView_(model_, platform, pointer_, data_),
      pointEditor_(model_, platform, pointer_, *this),
      barEditor_(model_, platform, pointer_, *this),
      barSetEditor_(model_, platform, pointer_, *this),
      singlePoint_(model_, platform, [this](bool busy) { setBusy(busy); }),
      directory_(platform, settingsDir_, defaultDir_, [this](bool busy) { setBusy(busy); }),
      report_(model_, data_.section, platform) {
    // The model holds a whole project from the start: applying the units at start-up rebuilds
    // it from the main window's inputs before the new-project defaults are shown, and an empty
    // model would meet bar sets of size 0 there.
    data_.section = resetToNewProject(model_);
    addSummaryObserver([this] {
        mainWindow_.onSummaryComputed();
        singlePoint_.refreshFromSummary();
        refreshOpenLoadCases();
        refreshOpenSlenderness();
        // An open load table shows the new checks, unless it holds edits that wait for Update.
        loads_.onChecksAdvanced();
    });
    units_.addUnitsObserver([this] {
        mainWindow_.showUnits();
        singlePoint_.applyUnitLabels();
        refreshOpenLoadCases();
        refreshOpenSlenderness();
        // An open load table shows the new checks, unless it holds edits that wait for Update.
        loads_.onChecksAdvanced();
    });
    units_.setRebuildFromInputs([this] { mainWindow_.rebuildFromInputs(); });
    results_.setOpenLargeView([this] { largeView_.show(); });
    if (settingsDir_) {
        keepSettingsIn(*settingsDir_);
    }
}

void Application::refreshOpenLoadCases() {
    // The combinations are checked against the section as it now stands, in the units now shown.
    if (loadCases_.view().visible) {
        loadCases_.refresh();
    }
}

void Application::refreshOpenSlenderness() {
    // A new or opened project brings its own data, and its section its own radii of gyration.
    if (slenderness_.view().visible) {
        slenderness_.refresh();
    }
}

void Application::keepSettingsIn(const std::string& dir) {
    units_.setSaveChoice([dir](const UnitPositions& p) {
        saveUnitChoice(dir, {p.length, p.force, p.moment, p.stress, p.unitWeight});
    });
    mainWindow_.setSaveDesignCode([dir](DesignCode code) { saveDesignCode(dir, code); });
    information_.setSaveShowOnStartup([dir](bool show) { saveShowInfoAtStart(dir, show ? 1 : 0); });
    report_.keepHeaderIn(dir);
}

StartupSettings Application::readSettingsFile() {
    StartupSettings settings;
    if (!settingsDir_) {
        return settings;
    }
    const LoadedSettings loaded = loadSettings(*settingsDir_, platform_.currentDirectory());
    defaultDir_ = loaded.settings.defaultDir;
    platform_.setCurrentDirectory(defaultDir_);
    const StoredUnitPositions& u = loaded.settings.units;
    settings.defaultDir = defaultDir_;
    settings.showInfoAtStart = loaded.settings.showInfoAtStart == 1;
    settings.units = {u.length, u.force, u.moment, u.stress, u.unitWeight};
    settings.designCode = loaded.settings.designCode;
    return settings;
}

void Application::setBusy(bool busy) {
    pointer_.setPointer(busy ? kPointerBusy : kPointerNormal);
}

void Application::loadOpening(const std::function<StartupSettings()>& loadSettings) {
    units_.setPositions(UnitPositions{});
    model_.Es = kSteelModulus;
    const StartupSettings settings = loadSettings ? loadSettings() : readSettingsFile();
    information_.setShowOnStartup(settings.showInfoAtStart);
    units_.setPositions(settings.units);
    mainWindow_.setNewProjectDesignCode(settings.designCode);
    opening_.load(settings.defaultDir, settings.showInfoAtStart);
}

void Application::start() {
    units_.applyUnits();
    summaryEnabled_ = false;
    mainWindow_.showStartupDefaults();
    data_.markStale();
    summaryEnabled_ = true;
    recompute();
}

std::string Application::current2DCsv() const {
    if (results_.view().biaxial) {
        return contourCsv(data_.contour, model_.units);
    }
    return curveCsv(data_.curve, data_.curve.count, model_.units);
}

std::string Application::surfaceCsvText() const {
    return surfaceCsv(data_.surface, model_.units);
}

void Application::recompute() {
    if (summaryEnabled_) {
        summarize();
    }
}

void Application::refresh() {
    summarize();
}

void Application::summarize() {
    // Checks of earlier inputs no longer apply.
    loadCheck_.cancel();
    const bool background = model_.loads.count() > kForegroundLoads;
    {
        BusyScope busy(pointer_);
        data_.section =
            computeSectionSummary(model_, background ? LoadChecks::Deferred : LoadChecks::Now);
    }
    if (background) {
        startBackgroundChecks();
    }
    summaryChanged();
}

void Application::startBackgroundChecks() {
    loadCheck_.start(engineInputsOf(model_), loadInputsOf(model_));
    checkedSummary_ = data_.section.revision;
    const std::uint64_t run = ++checkRun_;
    platform_.repeatWhile(kCheckTickMs, [this, run] { return collectLoadChecks(run); });
}

bool Application::collectLoadChecks(std::uint64_t run) {
    if (run != checkRun_ || !loadCheck_.running()) {
        return false; // a later run took over, or the checks were stopped
    }
    if (data_.section.revision != checkedSummary_) {
        // A summary ran elsewhere (a project opened, the report): its rows are not these.
        loadCheck_.cancel();
        loadChecksAdvanced();
        return false;
    }
    const CollectedChecks collected = loadCheck_.collect();
    for (std::size_t i = 0; i < collected.results.size(); ++i) {
        storeLoadCheck(data_.section, static_cast<int>(collected.first + i) + 1,
                       collected.results[i]);
    }
    if (collected.finished) {
        summaryChanged();
    }
    loadChecksAdvanced();
    return !collected.finished;
}

void Application::loadChecksAdvanced() {
    loads_.onChecksAdvanced();
    mainWindow_.onLoadChecksAdvanced();
    for (const auto& observer : checkObservers_) {
        observer();
    }
}

LoadCheckProgress Application::loadCheckProgress() const {
    if (!loadCheck_.running()) {
        return {};
    }
    return {loadCheck_.collectedCount(), loadCheck_.total()};
}

void Application::stopLoadChecks() {
    loadCheck_.cancel();
    loadChecksAdvanced();
}

void Application::summaryChanged() {
    for (const auto& observer : observers_) {
        observer();
    }
}

} // namespace pmsect
