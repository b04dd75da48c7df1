// The results and editing windows of one Application: the wait tasks, the load table, the
// results window and its large 3D view, and the three editors, sharing the interaction data
// that lives for the whole run.
#pragma once

#include "ui/application.h"
#include "ui/bar_editor_presenter.h"
#include "ui/bar_set_editor_presenter.h"
#include "ui/large_view_presenter.h"
#include "ui/load_table_presenter.h"
#include "ui/point_editor_presenter.h"
#include "ui/results_data.h"
#include "ui/results_presenter.h"
#include "ui/wait_presenter.h"
#include "ui/window_id.h"

#include <string>

namespace pmsect {

class ResultsWindows {
public:
    explicit ResultsWindows(Application& app);
    ResultsWindows(const ResultsWindows&) = delete;
    ResultsWindows& operator=(const ResultsWindows&) = delete;

    const ResultsData& data() const { return data_; }
    WaitPresenter& wait() { return wait_; }
    LoadTablePresenter& loads() { return loads_; }
    ResultsPresenter& results() { return results_; }
    LargeViewPresenter& largeView() { return largeView_; }
    PointEditorPresenter& pointEditor() { return pointEditor_; }
    BarEditorPresenter& barEditor() { return barEditor_; }
    BarSetEditorPresenter& barSetEditor() { return barSetEditor_; }

    // Shows the window a main-window button asked for; false for a window that is not one of
    // these.
    bool open(WindowId window);

    // The 2D result on show (curve or contour) and the surface, as comma-separated values.
    std::string current2DCsv() const;
    std::string surfaceCsvText() const;

private:
    Application& app_;
    ResultsData data_;
    WaitPresenter wait_;
    LoadTablePresenter loads_;
    ResultsPresenter results_;
    LargeViewPresenter largeView_;
    PointEditorPresenter pointEditor_;
    BarEditorPresenter barEditor_;
    BarSetEditorPresenter barSetEditor_;
};

} // namespace pmsect
