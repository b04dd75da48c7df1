// The main window's File menu: New, Open..., Save and Save As..., the title they set, and the
// question asked before unsaved work would be lost.
#include "building/new_project.h"
#include "engine/strength_reduction.h"
#include "io/project_file.h"
#include "ui/main_window_presenter.h"

#include <exception>

namespace pmsect {
namespace {

constexpr const char* kOpenFilters = "All Files (*.*)|*.* |Conc. Files (*.rcs)|*.rcs";
constexpr const char* kSaveFilters = "All files (*.*) | *.* | Conc. files (*.rcs) | *.rcs";
constexpr int kProjectFilter = 2;

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The file's own name, without its folder.
std::string shownProjectName(const std::string& path) {
    if (path.empty()) {
        return std::string(kUntitledName);
    }
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

std::string withProjectExtension(const std::string& name) {
    const auto slash = name.find_last_of("/\\");
    const std::string filePart = slash == std::string::npos ? name : name.substr(slash + 1);
    if (filePart.find('.') == std::string::npos) {
        return name + ".rcs";
    }
    return name;
}

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
    resetToNewProject(model_);
    view_.autoRecompute = true;
    showProject();
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
        const FileResult loaded = runLoadFileTask(model_, path, pointer_, wait_);
        if (!loaded) {
            // The model, its file name and the title are as they were.
            platform_.showMessage("Could not open " + loaded.error);
            return;
        }
        titleName_ = path;
        showProject();
        chain_.summaryChanged();
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
    const FileResult written = writeProjectFile(model_.projectFileName, model_);
    if (!written) {
        platform_.showMessage("The project could not be saved: " + written.error);
        return;
    }
    markSaved();
}

void MainWindowPresenter::saveProjectAs() {
    const auto chosen = platform_.saveFileDialog({kSaveFilters, kProjectFilter, saveDialogName_});
    std::string name = trimmed(chosen.value_or(std::string()));
    if (name.empty()) {
        platform_.showMessage("No file saved");
        return;
    }
    name = withProjectExtension(name);
    const std::string previousName = model_.projectFileName;
    model_.projectFileName = name;
    if (fileExists(name) &&
        !platform_.askYesNo("FILE EXISTS!", "Do you wish to overwrite " + name + "?")) {
        // Without a name the next Save asks again; the title keeps the file shown before.
        model_.projectFileName.clear();
        saveDialogName_.clear();
        platform_.showMessage("No file saved");
        return;
    }
    const FileResult written = writeProjectFile(name, model_);
    if (!written) {
        // Nothing was written, so the project keeps the file it had.
        model_.projectFileName = previousName;
        platform_.showMessage("No file saved");
        return;
    }
    saveDialogName_ = name;
    titleName_ = name;
    showTitle();
    markSaved();
}

} // namespace pmsect
