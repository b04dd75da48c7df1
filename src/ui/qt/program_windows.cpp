// ProgramWindows: which window each request opens, where it is first placed, the wait window
// that follows every long task, and the observers that keep the open windows in step with the
// summary and the units.
#include "ui/qt/program_windows.h"

#include "ui/qt/bar_set_editor_window.h"
#include "ui/qt/design_window.h"
#include "ui/qt/directory_window.h"
#include "ui/qt/grid_windows.h"
#include "ui/qt/information_window.h"
#include "ui/qt/large_view_window.h"
#include "ui/qt/load_cases_window.h"
#include "ui/qt/load_table_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/opening_window.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/report_window.h"
#include "ui/qt/results_exporter.h"
#include "ui/qt/results_window.h"
#include "ui/qt/single_point_window.h"
#include "ui/qt/slenderness_window.h"
#include "ui/qt/units_window.h"
#include "ui/qt/wait_window.h"
#include "ui/qt/window_support.h"
#include "ui/screen_placement.h"

#include <QCoreApplication>

namespace pmsect {
namespace {

// Makes the window on first use; true when it was made now.
template <typename Window, typename Make>
bool makeOnce(std::unique_ptr<Window>& window, Make make) {
    if (window) {
        return false;
    }
    window = make();
    return true;
}

void bringToFront(QWidget& window) {
    window.raise();
    window.activateWindow();
}

} // namespace

ProgramWindows::ProgramWindows(Application& app, QtPlatform& platform)
    : app_(app), platform_(platform),
      exporter_(std::make_unique<ResultsExporter>(app, app.platform())) {
    app_.addSummaryObserver([this] {
        if (main_) {
            main_->render();
        }
        if (singlePointWindow_) {
            singlePointWindow_->render();
        }
        if (loadCasesWindow_) {
            loadCasesWindow_->render();
        }
        if (slendernessWindow_) {
            slendernessWindow_->render();
        }
    });
    app_.units().addUnitsObserver([this] {
        if (singlePointWindow_) {
            singlePointWindow_->render();
        }
        if (loadCasesWindow_) {
            loadCasesWindow_->render();
        }
        if (slendernessWindow_) {
            slendernessWindow_->render();
        }
    });
    app_.addLoadCheckObserver([this] {
        if (main_) {
            main_->render();
        }
        if (auto* loads = dynamic_cast<LoadTableWindow*>(loads_.get())) {
            loads->renderChecks();
        }
    });
    app_.wait().setRepaint([this] { renderWait(); });
    app_.results().setOpenLargeView([this] { openLargeView(); });
}

ProgramWindows::~ProgramWindows() {
    app_.wait().setRepaint({});
}

void ProgramWindows::start() {
    app_.loadOpening();
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

void ProgramWindows::place(QWidget& window) {
    if (main_ && main_->isVisible()) {
        placeOver(window, main_.get(), platform_);
        return;
    }
    const WindowPosition p =
        centredOnScreen(platform_, app_.pointer(), window.width(), window.height());
    window.move(p.left, p.top);
}

void ProgramWindows::open(const WindowRequest& request) {
    // The load table, the results window and the editors are activated as they open, so that
    // their rows or pictures are there at once; the activation the desktop then gives them
    // finds them current. The other windows are placed once shown, at the size they show
    // themselves with.
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
        showOverMain(
            units_, [&] { return std::make_unique<UnitsWindow>(app_.units()); },
            [&] { app_.units().show(); });
        return;
    case WindowId::DefaultDirectory:
        showOverMain(
            directoryWindow_, [&] { return std::make_unique<DirectoryWindow>(app_.directory()); },
            [&] { app_.directory().open(); });
        return;
    case WindowId::SinglePoint:
        showOverMain(
            singlePointWindow_,
            [&] { return std::make_unique<SinglePointWindow>(app_.singlePoint()); },
            [&] { app_.singlePoint().open(); });
        return;
    case WindowId::Report:
        showOverMain(
            reportWindow_,
            [&] { return std::make_unique<ReportWindow>(app_.report(), platform_.printer()); },
            [&] { app_.report().open(); });
        return;
    case WindowId::Design:
        if (makeOnce(designWindow_,
                     [&] { return std::make_unique<DesignWindow>(app_.design()); })) {
            placeCentred(*designWindow_, platform_);
        }
        app_.design().open();
        designWindow_->render();
        bringToFront(*designWindow_);
        return;
    case WindowId::LoadCases:
        if (makeOnce(loadCasesWindow_,
                     [&] { return std::make_unique<LoadCasesWindow>(app_.loadCases()); })) {
            placeCentred(*loadCasesWindow_, platform_);
        }
        app_.loadCases().open();
        loadCasesWindow_->render();
        bringToFront(*loadCasesWindow_);
        return;
    case WindowId::Slenderness:
        if (makeOnce(slendernessWindow_,
                     [&] { return std::make_unique<SlendernessWindow>(app_.slenderness()); })) {
            placeCentred(*slendernessWindow_, platform_);
        }
        app_.slenderness().open();
        slendernessWindow_->render();
        bringToFront(*slendernessWindow_);
        return;
    case WindowId::Loads:
        showEditing(app_.loads(), loads_,
                    [&] { return makeLoadTableWindow(app_.loads(), taskRunning_); });
        return;
    case WindowId::Results:
        app_.results().show();
        if (makeOnce(results_, [&] {
                return std::make_unique<ResultsWindow>(app_.results(), *exporter_, taskRunning_);
            })) {
            if (main_ && main_->isVisible()) {
                place(*results_);
            } else {
                const WindowPosition p =
                    app_.results().placement(results_->width(), results_->height());
                results_->move(p.left, p.top);
            }
        }
        app_.results().activate();
        results_->render();
        bringToFront(*results_);
        return;
    case WindowId::PointEditor:
        showEditing(app_.pointEditor(), pointEditor_,
                    [&] { return makePointEditorWindow(app_.pointEditor(), taskRunning_); });
        return;
    case WindowId::BarEditor:
        showEditing(app_.barEditor(), barEditor_,
                    [&] { return makeBarEditorWindow(app_.barEditor(), taskRunning_); });
        return;
    case WindowId::BarSetEditor:
        showEditing(app_.barSetEditor(), barSetEditor_, [&] {
            return std::make_unique<BarSetEditorWindow>(app_.barSetEditor(), taskRunning_);
        });
        return;
    }
}

template <typename Window, typename Make, typename Open>
void ProgramWindows::showOverMain(std::unique_ptr<Window>& window, Make make, Open open) {
    const bool first = makeOnce(window, make);
    open();
    window->render();
    if (first) {
        placeOver(*window, main_.get(), platform_);
    }
    bringToFront(*window);
}

template <typename Presenter, typename Window, typename Make>
void ProgramWindows::showEditing(Presenter& presenter, std::unique_ptr<Window>& window, Make make) {
    presenter.show();
    if (makeOnce(window, make)) {
        place(*window);
    }
    presenter.activate();
    window->render();
    bringToFront(*window);
}

void ProgramWindows::showMain() {
    if (!main_) {
        main_ = std::make_unique<MainWindow>(app_);
        main_->setWindowOpener([this](const WindowRequest& request) { open(request); });
        main_->setExitHandler([this] { exitProgram(); });
        app_.start();
        main_->render(true);
        placeCentred(*main_, platform_);
    }
    main_->show();
    bringToFront(*main_);
}

void ProgramWindows::showInformation(bool fromMenu) {
    app_.information().show(fromMenu);
    const bool first = makeOnce(information_, [&] {
        auto window = std::make_unique<InformationWindow>(app_.information());
        window->setDoneHandler([this](WindowId next) { open({next}); });
        return window;
    });
    information_->render();
    if (first) {
        placeOver(*information_, main_.get(), platform_);
    }
    bringToFront(*information_);
    // The information window is the one activated after Continue asked for the busy pointer.
    app_.pointer().setPointer(kPointerNormal);
}

void ProgramWindows::openLargeView() {
    LargeViewPresenter& presenter = app_.largeView();
    presenter.show();
    if (!largeView_) {
        largeView_ = std::make_unique<LargeViewWindow>(presenter, taskRunning_);
        const double resultsHeight = results_ ? results_->height() : 600;
        const WindowPlacement p = presenter.placement(resultsHeight);
        largeView_->resize(static_cast<int>(p.width), static_cast<int>(p.height));
        largeView_->move(p.left, p.top);
    }
    presenter.activate();
    largeView_->render();
    bringToFront(*largeView_);
}

void ProgramWindows::renderWait() {
    const WaitView& view = app_.wait().view();
    taskRunning_ = view.shown;
    if (!wait_) {
        wait_ = std::make_unique<WaitWindow>();
    }
    if (view.shown && !waitPlaced_) {
        waitPlaced_ = true;
        wait_->adjustSize();
        place(*wait_);
    }
    wait_->render(view);
}

void ProgramWindows::exitProgram() {
    // Hidden rather than closed, so that no window runs its closing steps on the way out.
    for (QWidget* window : std::initializer_list<QWidget*>{
             opening_.get(), main_.get(), information_.get(), units_.get(), directoryWindow_.get(),
             singlePointWindow_.get(), reportWindow_.get(), designWindow_.get(),
             loadCasesWindow_.get(), slendernessWindow_.get(), loads_.get(), results_.get(),
             largeView_.get(), pointEditor_.get(), barEditor_.get(), barSetEditor_.get(),
             wait_.get()}) {
        if (window != nullptr) {
            window->hide();
        }
    }
    QCoreApplication::quit();
}

} // namespace pmsect
