// The main window's presenter: takes each event of the window (a confirmed box, an option, a
// list choice, a button, a File menu command), updates the project model through the outline,
// bar and summary stages in their fixed order, and keeps the view state the window shows.
#pragma once

#include "building/bar_layout.h"
#include "building/input_limits.h"
#include "model/project_model.h"
#include "ui/busy_pointer.h"
#include "ui/finite_change.h"
#include "ui/main_window_view.h"
#include "ui/platform.h"
#include "ui/summary_chain.h"
#include "ui/wait_presenter.h"
#include "ui/window_id.h"
#include "units/unit_conversion.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pmsect {

class MainWindowPresenter {
public:
    // Files are opened as a task of the wait window.
    MainWindowPresenter(ProjectModel& model, Platform& platform, BusyPointer& pointer,
                        SummaryChain& chain, WaitPresenter& wait);

    const MainWindowView& view() const { return view_; }

    // Enter in a box, or the box losing the focus: both confirm its text.
    void onTextConfirmed(MainInput input, std::string_view text);
    // A click on an option (or an option selected from code, which behaves the same).
    void onOption(MainOption option);
    // A selection in cmbLBar or cmbTieSize (0-based list position).
    void onLongBarSelected(int index);
    void onTieBarSelected(int index);
    void onAutoRecompute(bool checked);
    // A selection in cmbCode (0-based, in the order of kDesignCodes).
    void onDesignCodeSelected(int index);
    // The buttons that open another window; the window to show is returned.
    WindowRequest onButton(MainButton button);
    WindowRequest onMenu(MainMenu entry);
    // The main window became the active window.
    void onActivated();

    // File menu. New and Open first ask about unsaved work (see confirmDiscard).
    void newProject();
    void openProject();
    void saveProject();
    void saveProjectAs();
    // Exit, or the main window closed: true when the program may end.
    bool confirmExit() { return confirmDiscard(); }
    // The project differs from what was last opened, saved or started new.
    bool hasUnsavedChanges() const;

    // The edition that New and the start-up give a project: the last one chosen, as the
    // settings file remembers it; each choice in cmbCode is handed to saveChoice.
    void setNewProjectDesignCode(DesignCode code) { newProjectCode_ = code; }
    void setSaveDesignCode(std::function<void(DesignCode)> saveChoice) {
        saveDesignCode_ = std::move(saveChoice);
    }

    // Start-up of the main window, between the units and the first summary: the spiral is
    // disabled and the new-project defaults are set and shown.
    void showStartupDefaults();
    // A change of units: unit labels, the moduli and flexural-units lines, and the eight inputs
    // rewritten from the internal values.
    void showUnits();
    // The model rebuilt from the inputs as they read now, then a refreshed summary.
    void rebuildFromInputs();
    // The summary has run: take its labels.
    void onSummaryComputed();
    // More loads have been checked in the background: the load line says so.
    void onLoadChecksAdvanced();
    // Another window changed the project's inputs (the Design window's Apply): the boxes, lists
    // and options show them.
    void showProjectInputs();

private:
    // When the project has unsaved changes, asks "Save changes to NAME?": Save saves (true once
    // it is saved), Don't Save gives true, Cancel false. Without changes, true at once.
    bool confirmDiscard();
    // The project as it stands now is the saved one.
    void markSaved();

    // Box handling proper; false when the text was refused and the command ends there.
    bool applyText(MainInput input, std::string_view text);
    // After an event's changes: when they left a real that is not finite (numbers so large that
    // what follows from them overflows), the model goes back to before, the window shows it
    // again and the user is told. True when that happened.
    bool undoWhenNotFinite(const ProjectBefore& before);

    // Steps shared by the events.
    void markStale();
    void autoStep();
    void rebuild();
    void finishCommand();

    // Box handling.
    bool boxAccepts(MainInput input) const;
    void reject(MainInput input, const std::string& message, std::string restored);
    // The refusal of a value outside the box's range, the range in the display unit.
    std::string rangeRefusal(MainInput input) const;
    void confirmRectangle(MainInput input, double value);
    void confirmCoverOrSpacing(MainInput input, double value);
    void confirmMaterial(MainInput input, double value);
    // The value of a box as the model stores it; a text that does not read as a number gives
    // the model's value and the box is written back with it.
    float lengthFromBox(MainInput input, float current);
    // As valueFromBox for a quantity with a range: a value outside it gives the model's value
    // and the box is written back with it.
    float valueWithinFromBox(MainInput input, float current, Quantity shownAs, InputQuantity range);
    float dimensionFromBox(MainInput input, float current);
    // A length typed in the display unit as the model stores it.
    float typedDimension(double shown) const;
    float valueFromBox(MainInput input, float current, Quantity shownAs);

    // View updates.
    void showSectionEnables(int16_t sectionType);
    void showLayoutEnables(int16_t barLayout);
    void showProject();
    void showMaterialLines();
    void showTitle();
    // The list shows the bar size of the current layout, blank when it mixes sizes.
    void showLongBarSize();
    std::string shownLengthText(float inches) const;

    ProjectModel& model_;
    Platform& platform_;
    BusyPointer& pointer_;
    SummaryChain& chain_;
    MainWindowView view_;
    WaitPresenter& wait_;

    // Notices gathered during one command and shown once at its end.
    std::optional<BarLayoutResult> layoutNotice_;
    bool unknownSizeSeen_ = false;
    // The summary whose missing bar size was last reported: each summary reports its own once.
    std::uint64_t reportedSummary_ = 0;
    // The name the save dialog starts with.
    std::string saveDialogName_;
    // The name in the title: nothing before any file command, empty after New.
    std::optional<std::string> titleName_;
    DesignCode newProjectCode_ = DesignCode::Aci318_05;
    std::function<void(DesignCode)> saveDesignCode_;
    // The project file text of the project as last opened, saved or started; nothing when the
    // project could not be written as a file then.
    std::optional<std::string> savedText_;
};

} // namespace pmsect
