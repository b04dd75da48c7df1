// The load table window (frmLoads): the grid window of the loads with Import and Export of load
// files, rows pasted from a spreadsheet into its grid, Sort by Ratio and Failing Only, and the
// progress of the checks running in the background with Stop Checks. The grid draws only the
// rows in sight, so that a table of any length shows at once.
#pragma once

#include "ui/load_table_presenter.h"
#include "ui/qt/grid_window.h"

#include <QLabel>

class QCheckBox;
class QProgressBar;
class QPushButton;

namespace pmsect {

class LoadTableWindow : public GridWindow {
    Q_OBJECT
public:
    LoadTableWindow(LoadTablePresenter& presenter, const bool& taskRunning,
                    QWidget* parent = nullptr);

    void render() override;
    // More rows have been checked: their cells, the progress and the verdict, without closing a
    // cell being typed in.
    void renderChecks();

private:
    void renderProgress();

    LoadTablePresenter& presenter_;
    QPushButton* import_;
    QPushButton* export_;
    QCheckBox* sorted_;
    QCheckBox* failingOnly_;
    QProgressBar* progress_;
    QPushButton* stop_;
    QLabel* verdict_;
};

} // namespace pmsect
