// The default-directory window's logic over the file system and the Platform.
#include "ui/directory_presenter.h"

#include "io/settings_file.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

namespace pmsect {
namespace {

namespace fs = std::filesystem;

// Kernel file systems that hold no user files; nobody keeps a project there.
constexpr std::array<std::string_view, 21> kPseudoFileSystems = {
    "proc",    "sysfs",   "devtmpfs",    "devpts", "cgroup",   "cgroup2",    "securityfs",
    "debugfs", "tracefs", "pstore",      "bpf",    "mqueue",   "hugetlbfs",  "configfs",
    "fusectl", "autofs",  "binfmt_misc", "nsfs",   "efivarfs", "rpc_pipefs", "selinuxfs"};

constexpr std::array<std::string_view, 3> kSystemTrees = {"/proc", "/sys", "/dev"};

bool startsWithTree(const std::string& path, std::string_view tree) {
    return path.size() >= tree.size() && path.compare(0, tree.size(), tree) == 0 &&
           (path.size() == tree.size() || path[tree.size()] == '/');
}

// /proc/mounts writes blanks, tabs, newlines and backslashes in paths as three-digit octal.
std::string unescapeMountField(const std::string& field) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const std::string digits = field.substr(i + 1, 3);
            if (std::all_of(digits.begin(), digits.end(),
                            [](char ch) { return ch >= '0' && ch <= '7'; })) {
                out.push_back(static_cast<char>(std::stoi(digits, nullptr, 8)));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
}

// An absolute, lexically clean path without a trailing slash (except the root itself).
std::string cleanPath(const std::string& path) {
    std::error_code ec;
    fs::path p = fs::absolute(fs::path(path), ec);
    if (ec) {
        p = fs::path(path);
    }
    std::string s = p.lexically_normal().string();
    while (s.size() > 1 && s.back() == '/') {
        s.pop_back();
    }
    return s;
}

bool isListable(const std::string& path) {
    std::error_code ec;
    if (!fs::is_directory(path, ec)) {
        return false;
    }
    fs::directory_iterator it(path, ec);
    return !ec;
}

} // namespace

std::vector<std::string> mountPointsFromText(std::string_view procMounts) {
    std::vector<std::string> out{"/"};
    std::istringstream lines{std::string(procMounts)};
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string device;
        std::string mountPoint;
        std::string type;
        if (!(fields >> device >> mountPoint >> type)) {
            continue;
        }
        if (std::find(kPseudoFileSystems.begin(), kPseudoFileSystems.end(), type) !=
            kPseudoFileSystems.end()) {
            continue;
        }
        const std::string path = unescapeMountField(mountPoint);
        if (path.empty() || path.front() != '/') {
            continue;
        }
        if (std::any_of(kSystemTrees.begin(), kSystemTrees.end(),
                        [&](std::string_view tree) { return startsWithTree(path, tree); })) {
            continue;
        }
        out.push_back(path);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

std::vector<std::string> fileSystemRoots() {
    std::ifstream in("/proc/mounts");
    if (!in) {
        return {"/"};
    }
    std::ostringstream text;
    text << in.rdbuf();
    return mountPointsFromText(text.str());
}

std::vector<std::string> subdirectoryNames(const std::string& path) {
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(path, ec);
    if (ec) {
        return names;
    }
    for (const fs::directory_entry& entry : it) {
        std::error_code typeError;
        if (entry.is_directory(typeError)) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string driveOf(const std::string& path, const std::vector<std::string>& drives) {
    std::string best = "/";
    for (const std::string& d : drives) {
        if (d.size() > best.size() && startsWithTree(path, d)) {
            best = d;
        }
    }
    return best;
}

DirectoryPresenter::DirectoryPresenter(Platform& platform, std::optional<std::string> installDir,
                                       std::string& defaultDir, std::function<void(bool)> busy,
                                       std::function<std::vector<std::string>()> drives)
    : platform_(platform), installDir_(std::move(installDir)), defaultDir_(defaultDir),
      busy_(std::move(busy)), drivesSource_(std::move(drives)) {}

void DirectoryPresenter::open() {
    if (!loaded_) {
        loaded_ = true;
        view_.drives = drivesSource_ ? drivesSource_() : fileSystemRoots();
        moveList(cleanPath(platform_.currentDirectory()));
    }
    view_.visible = true;
    activate();
}

void DirectoryPresenter::activate() {
    view_.caption = "Default Dir";
    view_.pathLine = view_.listPath;
    if (busy_) {
        busy_(false);
    }
}

bool DirectoryPresenter::chooseDrive(const std::string& drive) {
    if (!isListable(drive)) {
        return false;
    }
    moveList(cleanPath(drive));
    view_.drive = drive;
    return true;
}

bool DirectoryPresenter::chooseDirectory(const std::string& path) {
    const std::string target = cleanPath(path);
    if (!isListable(target)) {
        return false;
    }
    moveList(target);
    return true;
}

bool DirectoryPresenter::openSubdirectory(const std::string& name) {
    return chooseDirectory((fs::path(view_.listPath) / name).string());
}

bool DirectoryPresenter::openParent() {
    return chooseDirectory(fs::path(view_.listPath).parent_path().string());
}

void DirectoryPresenter::done() {
    if (busy_) {
        busy_(true);
    }
    apply();
    view_.visible = false;
}

void DirectoryPresenter::close() {
    if (!view_.visible) {
        return;
    }
    apply();
    view_.visible = false;
}

void DirectoryPresenter::moveList(const std::string& path) {
    view_.listPath = path;
    view_.directories = subdirectoryNames(path);
    view_.drive = driveOf(path, view_.drives);
    view_.pathLine = path;
}

void DirectoryPresenter::apply() {
    const std::string chosen = view_.listPath;
    // A directory removed since it was listed cannot become current; keep the old default then
    // rather than storing a path the next run could not use either.
    if (!platform_.setCurrentDirectory(chosen)) {
        platform_.showMessage("Unable to make " + chosen + " the current directory");
        return;
    }
    defaultDir_ = chosen;
    // Always the install directory: the settings file never follows the default directory.
    if (installDir_) {
        lastSave_ = saveDefaultDir(*installDir_, chosen);
    }
}

} // namespace pmsect
