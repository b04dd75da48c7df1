// What the presenters need from the windowing toolkit and the desktop, and nothing more: message
// boxes, file and print dialogs, the screen pointer, the screen size and the current directory.
// The Qt windows implement it; the tests use a recording fake.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pmsect {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// A file dialog's filter list in the program's own notation ("Conc. files (*.rcs) | *.rcs"),
// which filter (1-based) is selected, and the file name it starts with.
struct FileDialogRequest {
    std::string filters;
    int selectedFilter = 1;
    std::string fileName;
};

// The answer to the question asked before unsaved work would be thrown away.
enum class SaveChoice { Save, DontSave, Cancel };

class Platform {
public:
    virtual ~Platform() = default;

    // A message box titled "PMSECT" with one OK button.
    virtual void showMessage(const std::string& text) = 0;
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;

    // A question titled "PMSECT" with Save, Don't Save and Cancel; closing it is Cancel.
    virtual SaveChoice askSaveChanges(const std::string& text) = 0;

    // A question titled "PMSECT" with one button per choice, in order; the last choice is the
    // answer of Escape and of closing the box. The position of the choice taken.
    virtual std::size_t askChoice(const std::string& text,
                                  const std::vector<std::string>& choices) = 0;

    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> openFileDialog(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFileDialog(const FileDialogRequest& request) = 0;

    // The print dialog: the number of copies, or nothing when cancelled.
    virtual std::optional<int> printDialog() = 0;

    // The screen pointer itself: busy or normal. Counting nested requests is the caller's.
    virtual void showBusyPointer(bool busy) = 0;

    // Calls tick on this thread about every intervalMs milliseconds, the user's events handled
    // in between, until it returns false: work in the background hands over its results.
    virtual void repeatWhile(int intervalMs, std::function<bool()> tick) = 0;

    virtual ScreenSize screenSize() = 0;

    virtual std::string currentDirectory() = 0;
    // False when the directory cannot be made current.
    virtual bool setCurrentDirectory(const std::string& path) = 0;
};

} // namespace pmsect
