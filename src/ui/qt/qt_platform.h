// The desktop behind the presenters, in Qt: message boxes, file and print dialogs, the busy
// pointer, the screen and the process's current directory.
#pragma once

#include "ui/platform.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <string_view>

class QObject;
class QPrinter;
class QWidget;

namespace pmsect {

// A filter list in the program's notation ("All files (*.*) | *.* | Conc. files (*.rcs) | *.rcs")
// as Qt's file dialogs take it ("All files (*.*);;Conc. files (*.rcs)"), and the entry of the
// 1-based selected filter (the first when out of range).
struct QtFileFilters {
    QString filter;
    QString selected;
};
QtFileFilters qtFileFilters(std::string_view programFilters, int selectedFilter);

class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;
    SaveChoice askSaveChanges(const std::string& text) override;
    std::size_t askChoice(const std::string& text,
                          const std::vector<std::string>& choices) override;
    std::optional<std::string> openFileDialog(const FileDialogRequest& request) override;
    std::optional<std::string> saveFileDialog(const FileDialogRequest& request) override;
    // The copies asked for; the printer itself is then set to one copy, because the report
    // prints each copy itself and a spooler would otherwise multiply them again.
    std::optional<int> printDialog() override;
    void showBusyPointer(bool busy) override;
    // A timer of the event loop, owned here so that none outlives the program's windows.
    void repeatWhile(int intervalMs, std::function<bool()> tick) override;
    ScreenSize screenSize() override;
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& path) override;

    // The printer the print dialog sets up and the report prints on.
    QPrinter& printer();

protected:
    // Dialogs belong to the window the user is working in.
    static QWidget* dialogParent();

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QObject> timers_;
    bool busyShown_ = false;
};

} // namespace pmsect
