// The program's windows and their flow: start-up through the opening window, the main window and
// the secondary windows created on first use, the windows other parts of the program plug in,
// the wait window following the busy pointer, and the end of the program.
#pragma once

#include "ui/application.h"
#include "ui/directory_presenter.h"
#include "ui/report_presenter.h"
#include "ui/single_point_presenter.h"
#include "ui/window_id.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace pmsect {

class DesignWindow;
class DirectoryWindow;
class InformationWindow;
class MainWindow;
class OpeningWindow;
class QtPlatform;
class ReportWindow;
class ResultsWindowSet;
class SinglePointWindow;
class UnitsWindow;

class ProgramWindows {
public:
    // installDir is where the settings file lives: the current directory at start-up.
    ProgramWindows(Application& app, QtPlatform& platform, std::string installDir);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Start-up: the settings are read and the opening window is shown.
    void start();
    // Continue in the opening window (or the window closed).
    void continueFromOpening();

    // Shows the window a button or menu asked for. Windows registered for an id take it;
    // a window nobody provides yet says so.
    void open(const WindowRequest& request);
    using WindowOpener = std::function<void(const WindowRequest& request)>;
    void registerWindow(WindowId id, WindowOpener opener);

    // File > Exit, the Exit button or the main window closed, once the main window has asked
    // about unsaved work: everything closes at once, and nothing more is asked or saved.
    void exitProgram();

    Application& application() { return app_; }
    SinglePointPresenter& singlePoint() { return singlePoint_; }
    ReportPresenter& report() { return report_; }
    DirectoryPresenter& directory() { return directory_; }
    const std::string& defaultDir() const { return defaultDir_; }

    // The windows made so far (null before first use).
    OpeningWindow* openingWindow() { return opening_.get(); }
    MainWindow* mainWindow() { return main_.get(); }
    InformationWindow* informationWindow() { return information_.get(); }
    UnitsWindow* unitsWindow() { return units_.get(); }
    DirectoryWindow* directoryWindow() { return directoryWindow_.get(); }
    SinglePointWindow* singlePointWindow() { return singlePointWindow_.get(); }
    ReportWindow* reportWindow() { return reportWindow_.get(); }
    DesignWindow* designWindow() { return designWindow_.get(); }
    // The load table, results and editing windows, opened by the main window's buttons.
    ResultsWindowSet& resultsWindows() { return *resultsWindows_; }

private:
    StartupSettings readSettings();
    void showMain();
    void showInformation(bool fromMenu);
    void showUnits();
    void showDirectory();
    void showSinglePoint();
    void showReport();
    void showDesign();
    void setBusy(bool busy);

    Application& app_;
    QtPlatform& platform_;
    std::string installDir_;
    std::string defaultDir_;
    SinglePointPresenter singlePoint_;
    DirectoryPresenter directory_;
    ReportPresenter report_;
    std::map<WindowId, WindowOpener> openers_;

    std::unique_ptr<OpeningWindow> opening_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<InformationWindow> information_;
    std::unique_ptr<UnitsWindow> units_;
    std::unique_ptr<DirectoryWindow> directoryWindow_;
    std::unique_ptr<SinglePointWindow> singlePointWindow_;
    std::unique_ptr<ReportWindow> reportWindow_;
    std::unique_ptr<DesignWindow> designWindow_;
    std::unique_ptr<ResultsWindowSet> resultsWindows_;
};

} // namespace pmsect
