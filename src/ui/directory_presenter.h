// The "Default Dir" window without its widgets: a drive list, a directory list, the path line and
// Done, which makes the chosen directory current and stores it in the settings file.
#pragma once

#include "io/file_result.h"
#include "ui/platform.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// The "drives" of this platform: "/" and every mount point of a real file system listed in a
// /proc/mounts text (kernel pseudo file systems left out), sorted, without repeats.
std::vector<std::string> mountPointsFromText(std::string_view procMounts);
// The same read from /proc/mounts; just "/" when it cannot be read.
std::vector<std::string> fileSystemRoots();

// Names of the directories directly inside path, sorted; empty when it cannot be listed.
std::vector<std::string> subdirectoryNames(const std::string& path);

// The drive whose mount point is the longest prefix of path ("/" at worst).
std::string driveOf(const std::string& path, const std::vector<std::string>& drives);

struct DirectoryViewState {
    std::string caption;
    bool visible = false;
    std::vector<std::string> drives;
    std::string drive;                    // the chosen entry of the drive list
    std::string listPath;                 // the directory list's path
    std::vector<std::string> directories; // sub-directory names of listPath, sorted
    std::string pathLine;
};

class DirectoryPresenter {
public:
    // busy(true) requests the busy pointer, busy(false) releases one request. defaultDir is the
    // program's default directory, replaced when a choice is applied and then stored in the
    // settings file of installDir (nowhere without one). drives lists the drive entries
    // (fileSystemRoots when empty).
    DirectoryPresenter(Platform& platform, std::optional<std::string> installDir,
                       std::string& defaultDir, std::function<void(bool busy)> busy,
                       std::function<std::vector<std::string>()> drives = {});

    // The menu entry: shows the window, starting at the process's current directory the first
    // time, then activates it.
    void open();
    // Caption, path line, and the busy pointer released.
    void activate();

    // Moves the directory list to the drive's root. False (nothing changed) when it cannot be
    // listed.
    bool chooseDrive(const std::string& drive);
    // Moves the directory list to a path, a sub-directory name, or the parent directory.
    bool chooseDirectory(const std::string& path);
    bool openSubdirectory(const std::string& name);
    bool openParent();

    // Done: busy pointer, the choice applied, the window hidden.
    void done();
    // Closing the window in any other way applies the choice too.
    void close();

    const DirectoryViewState& view() const { return view_; }
    // Outcome of the last write of the settings file (the program reports none).
    const FileResult& lastSave() const { return lastSave_; }

private:
    void moveList(const std::string& path);
    void apply();

    Platform& platform_;
    std::optional<std::string> installDir_;
    std::string& defaultDir_;
    std::function<void(bool)> busy_;
    std::function<std::vector<std::string>()> drivesSource_;
    DirectoryViewState view_;
    bool loaded_ = false;
    FileResult lastSave_;
};

} // namespace pmsect
