// The three grid windows: their presenters' commands and their control names.
#include "ui/qt/grid_windows.h"

#include "ui/qt/load_table_window.h"

namespace pmsect {
namespace {
constexpr QSize kLoadTableSize{940, 380};
constexpr QSize kEditorSize{460, 420};
} // namespace

std::unique_ptr<GridWindow> makeLoadTableWindow(LoadTablePresenter& presenter,
                                                const bool& taskRunning) {
    auto window = std::make_unique<LoadTableWindow>(presenter, taskRunning);
    window->resize(kLoadTableSize);
    return window;
}

std::unique_ptr<GridWindow> makePointEditorWindow(PointEditorPresenter& presenter,
                                                  const bool& taskRunning) {
    auto window = std::make_unique<GridWindow>(
        bindGrid(presenter, &PointEditorPresenter::addPoint, &PointEditorPresenter::deletePoint),
        GridWindowNames{"frmEdPnts", "PointGrid", "cmdAddPoint", "cmdDelPoint", "cmdUpdate",
                        "cmdDone", nullptr},
        taskRunning);
    window->resize(kEditorSize);
    return window;
}

std::unique_ptr<GridWindow> makeBarEditorWindow(BarEditorPresenter& presenter,
                                                const bool& taskRunning) {
    auto window = std::make_unique<GridWindow>(
        bindGrid(presenter, &BarEditorPresenter::addBar, &BarEditorPresenter::deleteBar),
        GridWindowNames{"frmEdRebar", "BarGrid", "cmdAddBar", "cmdDelBar", "cmdUpdate", "cmdDone",
                        nullptr},
        taskRunning);
    window->resize(QSize(kEditorSize.width() + 120, kEditorSize.height()));
    return window;
}

} // namespace pmsect
