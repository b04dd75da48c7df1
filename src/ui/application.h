// The program as one object: the project model, the busy pointer and the presenters of the
// main, Units, opening and information windows, and the summary chain that ends every change.
#pragma once

#include "model/project_model.h"
#include "ui/busy_pointer.h"
#include "ui/design_presenter.h"
#include "ui/information_presenter.h"
#include "ui/main_window_presenter.h"
#include "ui/opening_presenter.h"
#include "ui/platform.h"
#include "ui/summary_chain.h"
#include "ui/units_presenter.h"

#include <functional>
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
    explicit Application(Platform& platform);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    ProjectModel& model() { return model_; }
    Platform& platform() { return platform_; }
    BusyPointer& pointer() { return pointer_; }
    MainWindowPresenter& mainWindow() { return mainWindow_; }
    UnitsPresenter& units() { return units_; }
    OpeningPresenter& opening() { return opening_; }
    InformationPresenter& information() { return information_; }
    DesignPresenter& design() { return design_; }

    // The opening window is loading: default units, the steel modulus, then the settings,
    // whose values go to the information check box and the Units window (not yet applied).
    void loadOpening(const std::function<StartupSettings()>& loadSettings);
    // The main window is loading: units applied, the new-project defaults shown and the first
    // summary computed.
    void start();

    // Windows that show summary results register here; each is told after every summary.
    void addSummaryObserver(std::function<void()> observer) {
        observers_.push_back(std::move(observer));
    }

    void recompute() override;
    void refresh() override;
    void summaryChanged() override;

private:
    ProjectModel model_;
    Platform& platform_;
    BusyPointer pointer_;
    MainWindowPresenter mainWindow_;
    UnitsPresenter units_;
    OpeningPresenter opening_;
    InformationPresenter information_;
    DesignPresenter design_;
    std::vector<std::function<void()>> observers_;
};

} // namespace pmsect
