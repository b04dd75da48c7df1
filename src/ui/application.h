// The program as one object: the project model, the busy pointer, the presenter of every window,
// the results they share, the settings file, and the summary chain that ends every change.
#pragma once

#include "model/project_model.h"
#include "ui/background_load_check.h"
#include "ui/bar_editor_presenter.h"
#include "ui/bar_set_editor_presenter.h"
#include "ui/busy_pointer.h"
#include "ui/design_presenter.h"
#include "ui/directory_presenter.h"
#include "ui/information_presenter.h"
#include "ui/large_view_presenter.h"
#include "ui/load_cases_presenter.h"
#include "ui/load_table_presenter.h"
#include "ui/main_window_presenter.h"
#include "ui/opening_presenter.h"
#include "ui/platform.h"
#include "ui/point_editor_presenter.h"
#include "ui/report_presenter.h"
#include "ui/results_data.h"
#include "ui/results_presenter.h"
#include "ui/single_point_presenter.h"
#include "ui/slenderness_presenter.h"
#include "ui/summary_chain.h"
#include "ui/units_presenter.h"
#include "ui/wait_presenter.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pmsect {

// What the settings file holds at start-up.
struct StartupSettings {
    std::string defaultDir;
    bool showInfoAtStart = true;
    UnitPositions units;
    DesignCode designCode = DesignCode::Aci318_05; // the edition new projects take
};

class Application : public SummaryChain {
public:
    // settingsDir holds the settings file (the directory the program starts in); without one,
    // no setting is read or written.
    explicit Application(Platform& platform, std::optional<std::string> settingsDir = {});
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    ProjectModel& model() { return model_; }
    Platform& platform() { return platform_; }
    BusyPointer& pointer() { return pointer_; }
    ResultsData& data() { return data_; }
    const ResultsData& data() const { return data_; }
    // The folder chosen in the Default Dir window, as the settings file keeps it.
    const std::string& defaultDir() const { return defaultDir_; }

    MainWindowPresenter& mainWindow() { return mainWindow_; }
    UnitsPresenter& units() { return units_; }
    OpeningPresenter& opening() { return opening_; }
    InformationPresenter& information() { return information_; }
    DesignPresenter& design() { return design_; }
    LoadCasesPresenter& loadCases() { return loadCases_; }
    SlendernessPresenter& slenderness() { return slenderness_; }
    WaitPresenter& wait() { return wait_; }
    LoadTablePresenter& loads() { return loads_; }
    ResultsPresenter& results() { return results_; }
    LargeViewPresenter& largeView() { return largeView_; }
    PointEditorPresenter& pointEditor() { return pointEditor_; }
    BarEditorPresenter& barEditor() { return barEditor_; }
    BarSetEditorPresenter& barSetEditor() { return barSetEditor_; }
    SinglePointPresenter& singlePoint() { return singlePoint_; }
    DirectoryPresenter& directory() { return directory_; }
    ReportPresenter& report() { return report_; }

    // The opening window is loading: default units, the steel modulus, then the settings (from
    // the settings file, or loadSettings when given), whose values go to the information check
    // box and the Units window (not yet applied).
    void loadOpening(const std::function<StartupSettings()>& loadSettings = {});
    // The main window is loading: units applied, the new-project defaults shown and the first
    // summary computed.
    void start();

    // Windows that show summary results register here; each is told after every summary.
    void addSummaryObserver(std::function<void()> observer) {
        observers_.push_back(std::move(observer));
    }
    // And here the windows that show the load checks, told each time more rows are checked.
    void addLoadCheckObserver(std::function<void()> observer) {
        checkObservers_.push_back(std::move(observer));
    }

    // The 2D result on show (curve or contour) and the surface, as comma-separated values.
    std::string current2DCsv() const;
    std::string surfaceCsvText() const;

    void recompute() override;
    void refresh() override;
    const SectionResults& sectionResults() const override { return data_.section; }
    void setSectionResults(const SectionResults& section) override { data_.section = section; }
    void summaryChanged() override;
    void setSummaryEnabled(bool enabled) override { summaryEnabled_ = enabled; }
    bool summaryEnabled() const override { return summaryEnabled_; }
    void markResultsStale() override { data_.markStale(); }
    void setAutoRecompute(bool on) override { autoRecompute_ = on; }
    bool autoRecompute() const override { return autoRecompute_; }
    LoadCheckProgress loadCheckProgress() const override;
    void stopLoadChecks() override;

private:
    StartupSettings readSettingsFile();
    // Every choice the settings file keeps is written there as it is made.
    void keepSettingsIn(const std::string& dir);
    void setBusy(bool busy);
    void refreshOpenLoadCases();
    void refreshOpenSlenderness();
    // The summary, with the load checks of a large table left to the background.
    void summarize();
    void startBackgroundChecks();
    // Takes the rows checked since the last tick into the model; false once the run is over.
    bool collectLoadChecks(std::uint64_t run);
    void loadChecksAdvanced();

    ProjectModel model_;
    Platform& platform_;
    BusyPointer pointer_;
    std::optional<std::string> settingsDir_;
    std::string defaultDir_;
    ResultsData data_;
    WaitPresenter wait_;
    MainWindowPresenter mainWindow_;
    UnitsPresenter units_;
    OpeningPresenter opening_;
    InformationPresenter information_;
    DesignPresenter design_;
    LoadCasesPresenter loadCases_;
    SlendernessPresenter slenderness_;
    LoadTablePresenter loads_;
    ResultsPresenter results_;
    LargeViewPresenter largeView_;
    PointEditorPresenter pointEditor_;
    BarEditorPresenter barEditor_;
    BarSetEditorPresenter barSetEditor_;
    SinglePointPresenter singlePoint_;
    DirectoryPresenter directory_;
    ReportPresenter report_;
    std::vector<std::function<void()>> observers_;
    std::vector<std::function<void()>> checkObservers_;
    BackgroundLoadCheck loadCheck_;
    std::uint64_t checkRun_ = 0;       // counts the background runs started
    std::uint64_t checkedSummary_ = 0; // the summary the running checks belong to
    bool summaryEnabled_ = true;
    bool autoRecompute_ = true;
};

} // namespace pmsect
