// The load table (frmLoads), the point editor (frmEdPnts) and the bar editor (frmEdRebar): each
// a grid window over its presenter; the load table adds its file buttons.
#pragma once

#include "ui/bar_editor_presenter.h"
#include "ui/load_table_presenter.h"
#include "ui/point_editor_presenter.h"
#include "ui/qt/grid_window.h"

#include <memory>

namespace pmsect {

std::unique_ptr<GridWindow> makeLoadTableWindow(LoadTablePresenter& presenter,
                                                const bool& taskRunning);
std::unique_ptr<GridWindow> makePointEditorWindow(PointEditorPresenter& presenter,
                                                  const bool& taskRunning);
std::unique_ptr<GridWindow> makeBarEditorWindow(BarEditorPresenter& presenter,
                                                const bool& taskRunning);

} // namespace pmsect
