// The load table window (frmLoads): the grid window of the loads with Import and Export of load
// files, and rows pasted from a spreadsheet into its grid.
#pragma once

#include "ui/load_table_presenter.h"
#include "ui/qt/grid_window.h"

#include <QLabel>

class QPushButton;

namespace pmsect {

class LoadTableWindow : public GridWindow {
    Q_OBJECT
public:
    LoadTableWindow(LoadTablePresenter& presenter, const bool& taskRunning,
                    QWidget* parent = nullptr);

    void render() override;

private:
    LoadTablePresenter& presenter_;
    QPushButton* import_;
    QPushButton* export_;
    QLabel* verdict_;
};

} // namespace pmsect
