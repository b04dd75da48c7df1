// The window shape shared by the load table and the three editors: a data grid over the
// presenter's rows and the Add, Delete, Update and Done buttons, and Cancel where the presenter
// has it; Escape is Cancel, or Done without one. Activation reloads the rows; closing the frame
// runs Done.
#pragma once

#include "ui/qt/activating_window.h"
#include "ui/qt/grid_binding.h"

#include <functional>

class QPushButton;
class QVBoxLayout;

namespace pmsect {

class GridTableView;

// Object names of the window and its controls.
struct GridWindowNames {
    const char* window;
    const char* grid;
    const char* add;
    const char* remove;
    const char* update;
    const char* done;
    const char* cancel; // null for a window without Cancel
};

class GridWindow : public ActivatingWindow {
    Q_OBJECT
public:
    GridWindow(GridBinding binding, const GridWindowNames& names, const bool& taskRunning,
               QWidget* parent = nullptr);

    // Shows the presenter's state: texts, rows, and the window shown or hidden.
    virtual void render();
    GridTableView& grid() { return *grid_; }

protected:
    // Below the grid and above the buttons, for controls of one editor only.
    QVBoxLayout& extraArea() { return *extra_; }
    // A command of this window: a cell still being typed in is handed over first, and the
    // window shows the outcome afterwards.
    void run(const std::function<void()>& command);

    void onActivated() override;
    void onClosed() override;

private:
    QPushButton* addButton(const char* name, const std::function<void()>& command);

    GridBinding binding_;
    GridTableView* grid_;
    QVBoxLayout* extra_;
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* update_;
    QPushButton* done_;
    QPushButton* cancel_ = nullptr;
};

} // namespace pmsect
