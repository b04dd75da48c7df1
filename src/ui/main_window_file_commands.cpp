// The main window's File menu: New, Open..., Save and Save As..., the title they set, and the
// question asked before unsaved work would be lost.
#include "building/new_project.h"
#include "io/project_file.h"
#include "io/project_formats.h"
#include "project/design_code_choice.h"
#include "ui/main_window_presenter.h"
#include "ui/save_path.h"

#include <exception>

namespace pmsect {
namespace {

// A project is kept as a project file (.rcs) or as a JSON project (.json); the name chosen in
// Save As says which, and a name without an extension becomes a project file.
constexpr const char* kOpenFilters = "All Files (*.*)|*.* |Projects (*.rcs *.json)|*.rcs;*.json"
                                     "|Conc. Files (*.rcs)|*.rcs|JSON Projects (*.json)|*.json";
constexpr const char* kSaveFilters = "All files (*.*) | *.* | Conc. files (*.rcs) | *.rcs"
                                     " | JSON projects (*.json) | *.json";
constexpr int kProjectFilter = 2;

// The file's own name, without its folder.
std::string shownProjectName(const std::string& path) {
    if (path.empty()) {
        return std::string(kUntitledName);
    }
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

void MainWindowPresenter::markSaved() {
    savedText_ = projectFileText(model_);
}

bool MainWindowPresenter::hasUnsavedChanges() const {
    const std::optional<std::string> now = projectFileText(model_);
    // A project that cannot be written as a file cannot be compared either: it counts as changed.
    return !now || now != savedText_;
}

bool MainWindowPresenter::confirmDiscard() {
    if (!hasUnsavedChanges()) {
        return true;
    }
    switch (platform_.askSaveChanges("Save changes to " + shownProjectName(model_.projectFileName) +
                                     "?")) {
    case SaveChoice::Save:
        saveProject();
        return !hasUnsavedChanges();
    case SaveChoice::DontSave:
        return true;
    case SaveChoice::Cancel:
        break;
    }
    return false;
}

void MainWindowPresenter::newProject() {
    if (!confirmDiscard()) {
        return;
    }
    model_.projectFileName.clear();
    titleName_ = std::string(kUntitledName);
    view_.spiralEnabled = false;
    model_.designCode = newProjectCode_;
    chain_.setSectionResults(resetToNewProject(model_));
    chain_.setAutoRecompute(true);
    view_.autoRecompute = true;
    showProject();
    chain_.markResultsStale();
    chain_.setSummaryEnabled(true);
    chain_.summaryChanged();
    markSaved();
    finishCommand();
}

void MainWindowPresenter::openProject() {
    if (!confirmDiscard()) {
        return;
    }
    try {
        const auto chosen = platform_.openFileDialog({kOpenFilters, kProjectFilter, ""});
        // A cancelled dialog loads nothing and keeps the current file name.
        if (!chosen || chosen->empty()) {
            return;
        }
        const std::string path = *chosen;
        const FileResult loaded = wait_.runLoadFile(path);
        if (!loaded) {
            // The model, its file name and the title are as they were.
            platform_.showMessage("Could not open " + loaded.error);
            return;
        }
        titleName_ = path;
        showProject();
        chain_.markResultsStale();
        chain_.setSummaryEnabled(true);
        // The loads are checked as after any change: a long table in the background.
        chain_.refresh();
        markSaved();
        finishCommand();
    } catch (const std::exception&) {
        platform_.showMessage("There was an Error");
    }
}

void MainWindowPresenter::saveProject() {
    if (model_.projectFileName.empty()) {
        saveProjectAs();
        return;
    }
    // The file is replaced only once the new text is complete.
    const FileResult written = writeAnyProject(model_.projectFileName, model_);
    if (!written) {
        platform_.showMessage("The project could not be saved: " + written.error);
        return;
    }
    markSaved();
}

void MainWindowPresenter::saveProjectAs() {
    const SavePathChoice choice =
        chooseSavePath(platform_, kSaveFilters, kProjectFilter, saveDialogName_, ".rcs");
    if (choice.overwriteRefused) {
        // Without a name the next Save asks again; the title keeps the file shown before.
        model_.projectFileName.clear();
        saveDialogName_.clear();
    }
    if (!choice.path) {
        return;
    }
    const std::string& name = *choice.path;
    const FileResult written = writeAnyProject(name, model_);
    if (!written) {
        // Nothing was written, so the project keeps the file it had.
        platform_.showMessage(kNoFileSaved);
        return;
    }
    model_.projectFileName = name;
    saveDialogName_ = name;
    titleName_ = name;
    showTitle();
    markSaved();
}

} // namespace pmsect
