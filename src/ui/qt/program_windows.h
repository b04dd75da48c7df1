// The program's windows and their flow: start-up through the opening window, the main window and
// every other window made on first use over its presenter, the one wait window every long task
// shows, and the end of the program.
#pragma once

#include "ui/application.h"
#include "ui/window_id.h"

#include <memory>

class QWidget;

namespace pmsect {

class BarSetEditorWindow;
class DesignWindow;
class DirectoryWindow;
class GridWindow;
class InformationWindow;
class LargeViewWindow;
class LoadCasesWindow;
class SlendernessWindow;
class MainWindow;
class OpeningWindow;
class QtPlatform;
class ReportWindow;
class ResultsExporter;
class ResultsWindow;
class SinglePointWindow;
class UnitsWindow;
class WaitWindow;

class ProgramWindows {
public:
    ProgramWindows(Application& app, QtPlatform& platform);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Start-up: the settings are read and the opening window is shown.
    void start();
    // Continue in the opening window (or the window closed).
    void continueFromOpening();

    // Shows the window a button or menu asked for, made and placed the first time.
    void open(const WindowRequest& request);

    // File > Exit, the Exit button or the main window closed, once the main window has asked
    // about unsaved work: everything closes at once, and nothing more is asked or saved.
    void exitProgram();

    Application& application() { return app_; }
    ResultsExporter& exporter() { return *exporter_; }

    // The windows made so far (null before first use).
    OpeningWindow* openingWindow() { return opening_.get(); }
    MainWindow* mainWindow() { return main_.get(); }
    InformationWindow* informationWindow() { return information_.get(); }
    UnitsWindow* unitsWindow() { return units_.get(); }
    DirectoryWindow* directoryWindow() { return directoryWindow_.get(); }
    SinglePointWindow* singlePointWindow() { return singlePointWindow_.get(); }
    ReportWindow* reportWindow() { return reportWindow_.get(); }
    DesignWindow* designWindow() { return designWindow_.get(); }
    LoadCasesWindow* loadCasesWindow() { return loadCasesWindow_.get(); }
    SlendernessWindow* slendernessWindow() { return slendernessWindow_.get(); }
    GridWindow* loadTableWindow() { return loads_.get(); }
    ResultsWindow* resultsWindow() { return results_.get(); }
    LargeViewWindow* largeViewWindow() { return largeView_.get(); }
    GridWindow* pointEditorWindow() { return pointEditor_.get(); }
    GridWindow* barEditorWindow() { return barEditor_.get(); }
    BarSetEditorWindow* barSetEditorWindow() { return barSetEditor_.get(); }
    WaitWindow* waitWindow() { return wait_.get(); }
    // A wait task is running: the windows ignore the user until it ends.
    bool taskRunning() const { return taskRunning_; }

private:
    // The Units, Default Dir, single-point and report windows: made the first time, opened
    // through their presenter, drawn, placed over the main window the first time and brought to
    // the front.
    template <typename Window, typename Make, typename Open>
    void showOverMain(std::unique_ptr<Window>& window, Make make, Open open);
    // The load table and the editors: the presenter shown, the window made and placed the first
    // time, then activated and brought to the front.
    template <typename Presenter, typename Window, typename Make>
    void showEditing(Presenter& presenter, std::unique_ptr<Window>& window, Make make);
    void showMain();
    void showInformation(bool fromMenu);
    void openLargeView();
    void renderWait();
    // Centred over the main window once it is shown, else on the screen.
    void place(QWidget& window);

    Application& app_;
    QtPlatform& platform_;
    std::unique_ptr<ResultsExporter> exporter_;
    bool taskRunning_ = false;

    std::unique_ptr<WaitWindow> wait_;
    bool waitPlaced_ = false;
    std::unique_ptr<OpeningWindow> opening_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<InformationWindow> information_;
    std::unique_ptr<UnitsWindow> units_;
    std::unique_ptr<DirectoryWindow> directoryWindow_;
    std::unique_ptr<SinglePointWindow> singlePointWindow_;
    std::unique_ptr<ReportWindow> reportWindow_;
    std::unique_ptr<DesignWindow> designWindow_;
    std::unique_ptr<LoadCasesWindow> loadCasesWindow_;
    std::unique_ptr<SlendernessWindow> slendernessWindow_;
    std::unique_ptr<GridWindow> loads_;
    std::unique_ptr<ResultsWindow> results_;
    std::unique_ptr<LargeViewWindow> largeView_;
    std::unique_ptr<GridWindow> pointEditor_;
    std::unique_ptr<GridWindow> barEditor_;
    std::unique_ptr<BarSetEditorWindow> barSetEditor_;
};

} // namespace pmsect
