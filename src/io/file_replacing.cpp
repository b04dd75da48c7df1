// The durable replace-on-success write and the system calls behind it.
#include "io/file_replacing.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pmsect {
namespace {

namespace fs = std::filesystem;

// Tries before giving up on finding a free temporary name: only another writer's temporaries or
// planted files can take one, and each try draws 36^8 names.
constexpr int kNameTries = 100;
constexpr std::size_t kSuffixLength = 8;
constexpr char kSuffixChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
// As many links as the system itself follows before it gives up (Linux's ELOOP limit).
constexpr int kMaxLinks = 40;
// A temporary as young as this may belong to a save that has not yet locked it.
constexpr auto kLeftTemporaryAge = std::chrono::seconds(10);

std::string randomSuffix() {
    thread_local std::mt19937_64 engine{std::random_device{}() ^
                                        static_cast<std::uint64_t>(::getpid())};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kSuffixChars - 2);
    std::string suffix(kSuffixLength, ' ');
    for (char& c : suffix) {
        c = kSuffixChars[pick(engine)];
    }
    return suffix;
}

// ".NAME.xxxxxxxx": the names this writer gives the temporaries of the file NAME.
std::string temporaryPrefix(const fs::path& target) {
    return "." + target.filename().string() + ".";
}

bool isTemporaryName(const std::string& name, const std::string& prefix) {
    if (name.size() != prefix.size() + kSuffixLength || !name.starts_with(prefix)) {
        return false;
    }
    return name.find_first_not_of(kSuffixChars, prefix.size()) == std::string::npos;
}

std::string reason(int error) {
    return std::strerror(error);
}

// The file that path names once every symbolic link on the way to it is followed; it may not
// exist yet (a link that names a file still to be made). Nothing when the links go round.
std::optional<fs::path> followLinks(const fs::path& path) {
    fs::path current = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        std::error_code error;
        if (!fs::is_symlink(current, error)) {
            return current;
        }
        const fs::path next = fs::read_symlink(current, error);
        if (error) {
            return current;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return std::nullopt;
}

// Removes the temporaries that saves of the file killed before they finished have left in the
// folder: only regular files of this user with the temporaries' names, untouched for a while,
// whose lock no live save holds. Anything else is left as it is.
void removeLeftTemporaries(const fs::path& folder, const fs::path& target, FileCalls& calls) {
    const std::string prefix = temporaryPrefix(target);
    std::error_code error;
    fs::directory_iterator entries(folder, error);
    if (error) {
        return;
    }
    const auto oldest = std::chrono::system_clock::now() - kLeftTemporaryAge;
    for (const fs::directory_entry& entry : entries) {
        const std::string name = entry.path().filename().string();
        if (!isTemporaryName(name, prefix)) {
            continue;
        }
        const std::string path = entry.path().string();
        // Not blocking on a pipe, not following a link: whatever it is, it is only looked at.
        const int fd =
            ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        struct stat st {};
        struct stat named {};
        const bool left =
            ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            std::chrono::system_clock::from_time_t(st.st_mtime) < oldest &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::lstat(path.c_str(), &named) == 0 &&
            named.st_dev == st.st_dev && named.st_ino == st.st_ino;
        if (left) {
            calls.unlink(path);
        }
        ::close(fd);
    }
}

} // namespace

int FileCalls::createExclusive(const std::string& path, mode_t mode) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}
int FileCalls::holdLock(int fd) {
    const int guard = ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
    if (guard >= 0 && ::flock(guard, LOCK_EX) != 0) {
        const int saved = errno;
        ::close(guard);
        errno = saved;
        return -1;
    }
    return guard;
}
int FileCalls::openExisting(const std::string& path) {
    return ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
}
ssize_t FileCalls::write(int fd, const char* data, size_t size) {
    return ::write(fd, data, size);
}
int FileCalls::ftruncate(int fd, off_t size) {
    return ::ftruncate(fd, size);
}
int FileCalls::fchown(int fd, uid_t owner, gid_t group) {
    return ::fchown(fd, owner, group);
}
int FileCalls::fchmod(int fd, mode_t mode) {
    return ::fchmod(fd, mode);
}
int FileCalls::fsync(int fd) {
    return ::fsync(fd);
}
int FileCalls::close(int fd) {
    return ::close(fd);
}
int FileCalls::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str());
}
int FileCalls::unlink(const std::string& path) {
    return ::unlink(path.c_str());
}
int FileCalls::fsyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return -1;
    }
    const int result = ::fsync(fd);
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return result;
}

FileCalls& systemFileCalls() {
    static FileCalls calls;
    return calls;
}

namespace {

// Writes every byte to fd; 0, or the error that stopped it.
int writeAll(FileCalls& calls, int fd, std::string_view bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return n < 0 ? errno : EIO;
        }
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

// The new content over the old in the file itself, for a file with other hard links; 0, or the
// error that stopped it.
int overwriteInPlace(FileCalls& calls, const std::string& path, std::string_view bytes) {
    const int fd = calls.openExisting(path);
    if (fd < 0) {
        return errno;
    }
    int error = writeAll(calls, fd, bytes);
    if (error == 0 && calls.ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) {
        error = errno;
    }
    if (error == 0 && calls.fsync(fd) != 0) {
        error = errno;
    }
    if (calls.close(fd) != 0 && error == 0) {
        error = errno;
    }
    return error;
}

} // namespace

FileResult writeFileReplacing(const std::string& path, std::string_view bytes, FileCalls& calls) {
    if (fs::path(path).filename().empty()) {
        return FileResult::failure("Unable to write " + path + ": no file name");
    }
    // Editors save through a link to the file it names, and so does this: the link stays.
    const std::optional<fs::path> resolved = followLinks(path);
    if (!resolved) {
        return FileResult::failure("Unable to write " + path + ": " + reason(ELOOP));
    }
    const fs::path target = *resolved;
    // Renaming over a folder, a pipe or a device would replace that node with a file.
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) {
        return FileResult::failure(path + " is not a file; it was not replaced");
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kNameTries && fd < 0; ++attempt) {
        temporary = (folder / (temporaryPrefix(target) + randomSuffix())).string();
        fd = calls.createExclusive(temporary, 0666);
        if (fd < 0 && errno != EEXIST) {
            return FileResult::failure("Unable to write " + path + ": " + reason(errno));
        }
    }
    if (fd < 0) {
        return FileResult::failure("Unable to write " + path + ": no free temporary name");
    }
    // A file system without locks still saves: the age of a temporary then guards it alone.
    const int guard = calls.holdLock(fd);
    const auto releaseLock = [&] {
        if (guard >= 0) {
            calls.close(guard);
        }
    };

    const auto fail = [&](const char* what, int error, bool open) {
        if (open) {
            calls.close(fd);
        }
        calls.unlink(temporary);
        releaseLock();
        return FileResult::failure(std::string(what) + " " + path + ": " + reason(error));
    };
    if (replacing) {
        // Only the owner's own groups, or everything for the administrator: where the system
        // refuses, the file becomes the writer's, as a new file would.
        if (calls.fchown(fd, existing.st_uid, existing.st_gid) != 0) {
            calls.fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
        }
        if (calls.fchmod(fd, existing.st_mode & 07777) != 0) {
            return fail("Unable to write", errno, true);
        }
    }
    if (const int error = writeAll(calls, fd, bytes); error != 0) {
        return fail("Unable to write", error, true);
    }
    if (calls.fsync(fd) != 0) {
        return fail("Unable to write", errno, true);
    }
    if (calls.close(fd) != 0) {
        return fail("Unable to write", errno, false);
    }
    if (replacing && existing.st_nlink > 1) {
        if (const int error = overwriteInPlace(calls, target.string(), bytes); error != 0) {
            releaseLock();
            return FileResult::failure("Unable to write " + path + " in place: " + reason(error) +
                                       "; its new content is in " + temporary);
        }
        calls.unlink(temporary);
    } else if (calls.rename(temporary, target.string()) != 0) {
        return fail("Unable to replace", errno, false);
    }
    releaseLock();
    removeLeftTemporaries(folder, target, calls);
    // The new file is in place; a folder that cannot be flushed only weakens the guarantee
    // against a power cut, so the save still counts.
    calls.fsyncFolder(folder.string());
    return FileResult::success();
}

} // namespace pmsect
