// ProgramWindows: settings at start-up, which window opens which, and the observers that keep
// the open windows in step with the summary and the units.
#include "ui/qt/program_windows.h"

#include "building/new_project.h"
#include "io/settings_file.h"
#include "ui/qt/design_window.h"
#include "ui/qt/directory_window.h"
#include "ui/qt/information_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/opening_window.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/report_window.h"
#include "ui/qt/results_window_set.h"
#include "ui/qt/single_point_window.h"
#include "ui/qt/units_window.h"
#include "ui/qt/window_support.h"
#include "ui/report_figures.h"

#include <QCoreApplication>

namespace pmsect {

ProgramWindows::ProgramWindows(Application& app, QtPlatform& platform, std::string installDir)
    : app_(app), platform_(platform), installDir_(std::move(installDir)),
      singlePoint_(app.model(), platform, [this](bool busy) { setBusy(busy); }),
      directory_(platform, installDir_, defaultDir_, [this](bool busy) { setBusy(busy); }),
      report_(app.model(), platform) {
    app_.addSummaryObserver([this] {
        singlePoint_.refreshFromSummary();
        if (main_) {
            main_->render();
        }
        if (singlePointWindow_) {
            singlePointWindow_->render();
        }
    });
    app_.units().addUnitsObserver([this] {
        singlePoint_.applyUnitLabels();
        if (singlePointWindow_) {
            singlePointWindow_->render();
        }
    });
    app_.units().setSaveChoice([this](const UnitPositions& p) {
        saveUnitChoice(installDir_, {p.length, p.force, p.moment, p.stress, p.unitWeight});
    });
    app_.mainWindow().setSaveDesignCode(
        [this](DesignCode code) { saveDesignCode(installDir_, code); });
    app_.information().setSaveShowOnStartup(
        [this](bool show) { saveShowInfoAtStart(installDir_, show ? 1 : 0); });
    platform_.setPointerListener([this](bool) {
        if (main_) {
            main_->syncWait();
        }
    });
    resultsWindows_ = std::make_unique<ResultsWindowSet>(app_);
    resultsWindows_->registerWith(*this);
    report_.keepHeaderIn(installDir_);
    report_.setFigureSource([this] {
        ResultsWindows& results = resultsWindows_->presenters();
        return reportFigures(app_.model(), results.data(), results.results().figureView());
    });
}

ProgramWindows::~ProgramWindows() {
    platform_.setPointerListener({});
}

void ProgramWindows::setBusy(bool busy) {
    app_.pointer().setPointer(busy ? kPointerBusy : kPointerNormal);
}

StartupSettings ProgramWindows::readSettings() {
    const LoadedSettings loaded = loadSettings(installDir_, platform_.currentDirectory());
    defaultDir_ = loaded.settings.defaultDir;
    platform_.setCurrentDirectory(defaultDir_);
    const StoredUnitPositions& u = loaded.settings.units;
    StartupSettings settings;
    settings.defaultDir = defaultDir_;
    settings.showInfoAtStart = loaded.settings.showInfoAtStart == 1;
    settings.units = {u.length, u.force, u.moment, u.stress, u.unitWeight};
    settings.designCode = loaded.settings.designCode;
    return settings;
}

void ProgramWindows::start() {
    app_.loadOpening([this] { return readSettings(); });
    opening_ = std::make_unique<OpeningWindow>(app_.opening());
    opening_->setContinueHandler([this] { continueFromOpening(); });
    placeCentred(*opening_, platform_);
    opening_->render();
}

void ProgramWindows::continueFromOpening() {
    const WindowId next = app_.opening().onContinue();
    opening_->render();
    open({next});
}

void ProgramWindows::registerWindow(WindowId id, WindowOpener opener) {
    openers_[id] = std::move(opener);
}

void ProgramWindows::open(const WindowRequest& request) {
    if (const auto it = openers_.find(request.window); it != openers_.end() && it->second) {
        it->second(request);
        return;
    }
    switch (request.window) {
    case WindowId::None:
        return;
    case WindowId::Main:
        showMain();
        return;
    case WindowId::Information:
        showInformation(request.fromMenu);
        return;
    case WindowId::Units:
        showUnits();
        return;
    case WindowId::DefaultDirectory:
        showDirectory();
        return;
    case WindowId::SinglePoint:
        showSinglePoint();
        return;
    case WindowId::Report:
        showReport();
        return;
    case WindowId::Design:
        showDesign();
        return;
    case WindowId::Loads:
    case WindowId::Results:
    case WindowId::PointEditor:
    case WindowId::BarEditor:
    case WindowId::BarSetEditor:
        break;
    }
    // The P-M diagrams button asked for the busy pointer, which its window would release.
    if (request.window == WindowId::Results) {
        setBusy(false);
    }
    platform_.showMessage("This window is not available yet.");
}

void ProgramWindows::showMain() {
    if (!main_) {
        main_ = std::make_unique<MainWindow>(app_);
        main_->setWindowOpener([this](const WindowRequest& request) { open(request); });
        main_->setExitHandler([this] { exitProgram(); });
        resultsWindows_->setOwner(main_.get());
        app_.start();
        main_->render(true);
        placeCentred(*main_, platform_);
    }
    main_->show();
    main_->raise();
    main_->activateWindow();
}

void ProgramWindows::showInformation(bool fromMenu) {
    app_.information().show(fromMenu);
    const bool first = !information_;
    if (first) {
        information_ = std::make_unique<InformationWindow>(app_.information());
        information_->setDoneHandler([this](WindowId next) { open({next}); });
    }
    information_->render();
    if (first) {
        // Placed once shown, at the size it shows itself with.
        placeOver(*information_, main_.get(), platform_);
    }
    information_->raise();
    information_->activateWindow();
    // The information window is the one activated after Continue asked for the busy pointer.
    setBusy(false);
}

void ProgramWindows::showUnits() {
    app_.units().show();
    const bool first = !units_;
    if (first) {
        units_ = std::make_unique<UnitsWindow>(app_.units());
    }
    units_->render();
    if (first) {
        placeOver(*units_, main_.get(), platform_);
    }
    units_->raise();
    units_->activateWindow();
}

void ProgramWindows::showDirectory() {
    const bool first = !directoryWindow_;
    if (first) {
        directoryWindow_ = std::make_unique<DirectoryWindow>(directory_);
    }
    directory_.open();
    directoryWindow_->render();
    if (first) {
        placeOver(*directoryWindow_, main_.get(), platform_);
    }
    directoryWindow_->raise();
    directoryWindow_->activateWindow();
}

void ProgramWindows::showSinglePoint() {
    const bool first = !singlePointWindow_;
    if (first) {
        singlePointWindow_ = std::make_unique<SinglePointWindow>(singlePoint_);
    }
    singlePoint_.open();
    singlePointWindow_->render();
    if (first) {
        placeOver(*singlePointWindow_, main_.get(), platform_);
    }
    singlePointWindow_->raise();
    singlePointWindow_->activateWindow();
}

void ProgramWindows::showReport() {
    const bool first = !reportWindow_;
    if (first) {
        reportWindow_ = std::make_unique<ReportWindow>(report_, platform_.printer());
    }
    report_.open();
    reportWindow_->render();
    if (first) {
        placeOver(*reportWindow_, main_.get(), platform_);
    }
    reportWindow_->raise();
    reportWindow_->activateWindow();
}

void ProgramWindows::showDesign() {
    if (!designWindow_) {
        designWindow_ = std::make_unique<DesignWindow>(app_.design());
        placeCentred(*designWindow_, platform_);
    }
    app_.design().open();
    designWindow_->render();
    designWindow_->raise();
    designWindow_->activateWindow();
}

void ProgramWindows::exitProgram() {
    // Hidden rather than closed, so that no window runs its closing steps on the way out.
    for (QWidget* window : std::initializer_list<QWidget*>{
             opening_.get(), main_.get(), information_.get(), units_.get(), directoryWindow_.get(),
             singlePointWindow_.get(), reportWindow_.get(), designWindow_.get()}) {
        if (window != nullptr) {
            window->hide();
        }
    }
    resultsWindows_->hideAll();
    QCoreApplication::quit();
}

} // namespace pmsect
