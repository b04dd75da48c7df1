// The results and editing windows of the desktop program: the load table, the results window
// with its large 3D view and its wait window, and the point, bar and bar-set editors. They are
// made on first use over the presenters of ResultsWindows and opened by the main window's
// buttons once registered with the program's windows.
#pragma once

#include "ui/application.h"
#include "ui/results_windows.h"
#include "ui/window_id.h"

#include <memory>

class QWidget;

namespace pmsect {

class BarSetEditorWindow;
class GridWindow;
class LargeViewWindow;
class ProgramWindows;
class ResultsExporter;
class ResultsWindow;
class TaskWaitWindow;

class ResultsWindowSet {
public:
    explicit ResultsWindowSet(Application& app);
    ~ResultsWindowSet();
    ResultsWindowSet(const ResultsWindowSet&) = delete;
    ResultsWindowSet& operator=(const ResultsWindowSet&) = delete;

    ResultsWindows& presenters() { return presenters_; }
    ResultsExporter& exporter() { return *exporter_; }

    // "Load Analysis", "P-M Diagrams", "&Edit Points", "Edit Bars" and "Edit Bar Set" open
    // these windows from now on.
    void registerWith(ProgramWindows& program);
    // Shows one of the five windows the main window asks for; false for any other.
    bool open(WindowId window);
    // The program is ending: every window is hidden without running its closing steps.
    void hideAll();
    // The window these open over.
    void setOwner(const QWidget* owner) { owner_ = owner; }

    // The windows made so far (null before first use).
    GridWindow* loadTableWindow() { return loads_.get(); }
    ResultsWindow* resultsWindow() { return results_.get(); }
    LargeViewWindow* largeViewWindow() { return largeView_.get(); }
    GridWindow* pointEditorWindow() { return pointEditor_.get(); }
    GridWindow* barEditorWindow() { return barEditor_.get(); }
    BarSetEditorWindow* barSetEditorWindow() { return barSetEditor_.get(); }
    TaskWaitWindow* waitWindow() { return wait_.get(); }
    bool taskRunning() const { return taskRunning_; }

private:
    void renderWait();
    void openLargeView();
    // Centred on the screen when first loaded.
    // Centred over the owner (the main window) once it is shown, else on the screen.
    void place(QWidget& window);
    static void bringToFront(QWidget& window);

    Application& app_;
    ResultsWindows presenters_;
    std::unique_ptr<ResultsExporter> exporter_;
    bool taskRunning_ = false;

    std::unique_ptr<TaskWaitWindow> wait_;
    bool waitPlaced_ = false;
    const QWidget* owner_ = nullptr;
    std::unique_ptr<GridWindow> loads_;
    std::unique_ptr<ResultsWindow> results_;
    std::unique_ptr<LargeViewWindow> largeView_;
    std::unique_ptr<GridWindow> pointEditor_;
    std::unique_ptr<GridWindow> barEditor_;
    std::unique_ptr<BarSetEditorWindow> barSetEditor_;
};

} // namespace pmsect
