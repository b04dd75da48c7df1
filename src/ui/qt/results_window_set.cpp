// ResultsWindowSet: which window each button opens, first placement, and the wait window that
// follows the computing tasks.
#include "ui/qt/results_window_set.h"

#include "ui/qt/bar_set_editor_window.h"
#include "ui/qt/grid_windows.h"
#include "ui/qt/large_view_window.h"
#include "ui/qt/program_windows.h"
#include "ui/qt/results_exporter.h"
#include "ui/qt/results_window.h"
#include "ui/qt/task_wait_window.h"
#include "ui/qt/window_support.h"
#include "ui/screen_placement.h"

#include <QWidget>

namespace pmsect {

ResultsWindowSet::ResultsWindowSet(Application& app)
    : app_(app), presenters_(app),
      exporter_(std::make_unique<ResultsExporter>(presenters_, app.platform())) {
    presenters_.wait().setRepaint([this] { renderWait(); });
    presenters_.results().setOpenLargeView([this] { openLargeView(); });
}

ResultsWindowSet::~ResultsWindowSet() {
    presenters_.wait().setRepaint({});
}

void ResultsWindowSet::registerWith(ProgramWindows& program) {
    for (WindowId id : {WindowId::Loads, WindowId::Results, WindowId::PointEditor,
                        WindowId::BarEditor, WindowId::BarSetEditor}) {
        program.registerWindow(id, [this](const WindowRequest& request) { open(request.window); });
    }
}

void ResultsWindowSet::place(QWidget& window) {
    if (owner_ != nullptr && owner_->isVisible()) {
        placeOver(window, owner_, app_.platform());
        return;
    }
    const WindowPosition p =
        centredOnScreen(app_.platform(), app_.pointer(), window.width(), window.height());
    window.move(p.left, p.top);
}

void ResultsWindowSet::bringToFront(QWidget& window) {
    window.raise();
    window.activateWindow();
}

void ResultsWindowSet::renderWait() {
    const WaitTaskView& view = presenters_.wait().view();
    taskRunning_ = view.shown;
    if (!wait_) {
        wait_ = std::make_unique<TaskWaitWindow>();
    }
    if (view.shown && !waitPlaced_) {
        waitPlaced_ = true;
        wait_->adjustSize();
        place(*wait_);
    }
    wait_->render(view);
}

bool ResultsWindowSet::open(WindowId window) {
    // Each window is activated as it opens, so that its rows or pictures are there at once;
    // the activation its window gets from the desktop then finds them current.
    switch (window) {
    case WindowId::Loads:
        presenters_.open(window);
        if (!loads_) {
            loads_ = makeLoadTableWindow(presenters_.loads(), taskRunning_);
            place(*loads_);
        }
        presenters_.loads().activate();
        loads_->render();
        bringToFront(*loads_);
        return true;
    case WindowId::Results:
        presenters_.open(window);
        if (!results_) {
            results_ =
                std::make_unique<ResultsWindow>(presenters_.results(), *exporter_, taskRunning_);
            if (owner_ != nullptr && owner_->isVisible()) {
                place(*results_);
            } else {
                const WindowPosition p =
                    presenters_.results().placement(results_->width(), results_->height());
                results_->move(p.left, p.top);
            }
        }
        presenters_.results().activate();
        results_->render();
        bringToFront(*results_);
        return true;
    case WindowId::PointEditor:
        presenters_.open(window);
        if (!pointEditor_) {
            pointEditor_ = makePointEditorWindow(presenters_.pointEditor(), taskRunning_);
            place(*pointEditor_);
        }
        presenters_.pointEditor().activate();
        pointEditor_->render();
        bringToFront(*pointEditor_);
        return true;
    case WindowId::BarEditor:
        presenters_.open(window);
        if (!barEditor_) {
            barEditor_ = makeBarEditorWindow(presenters_.barEditor(), taskRunning_);
            place(*barEditor_);
        }
        presenters_.barEditor().activate();
        barEditor_->render();
        bringToFront(*barEditor_);
        return true;
    case WindowId::BarSetEditor:
        presenters_.open(window);
        if (!barSetEditor_) {
            barSetEditor_ =
                std::make_unique<BarSetEditorWindow>(presenters_.barSetEditor(), taskRunning_);
            place(*barSetEditor_);
        }
        presenters_.barSetEditor().activate();
        barSetEditor_->render();
        bringToFront(*barSetEditor_);
        return true;
    default:
        return false;
    }
}

void ResultsWindowSet::openLargeView() {
    LargeViewPresenter& presenter = presenters_.largeView();
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

void ResultsWindowSet::hideAll() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             loads_.get(), results_.get(), largeView_.get(), pointEditor_.get(), barEditor_.get(),
             barSetEditor_.get(), wait_.get()}) {
        if (w != nullptr) {
            w->hide();
        }
    }
}

} // namespace pmsect
