// The durable replace-on-success write and the system calls behind it.
#include "io/file_replacing.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace pmsect {
namespace {

// Tries before giving up on finding a free temporary name: only another writer's temporaries or
// planted files can take one, and each try draws 36^8 names.
constexpr int kNameTries = 100;

std::string randomSuffix() {
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 engine{std::random_device{}() ^
                                        static_cast<std::uint64_t>(::getpid())};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kChars - 2);
    std::string suffix(8, ' ');
    for (char& c : suffix) {
        c = kChars[pick(engine)];
    }
    return suffix;
}

std::string reason(int error) {
    return std::strerror(error);
}

} // namespace

int FileCalls::createExclusive(const std::string& path, mode_t mode) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
}
ssize_t FileCalls::write(int fd, const char* data, size_t size) {
    return ::write(fd, data, size);
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

FileResult writeFileReplacing(const std::string& path, std::string_view bytes, FileCalls& calls) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    if (target.filename().empty()) {
        return FileResult::failure("Unable to write " + path + ": no file name");
    }
    // Renaming over a folder, a pipe or a device would replace that node with a file.
    struct stat existing {};
    const bool replacing = ::stat(path.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) {
        return FileResult::failure(path + " is not a file; it was not replaced");
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < kNameTries && fd < 0; ++attempt) {
        temporary = (folder / ("." + target.filename().string() + "." + randomSuffix())).string();
        fd = calls.createExclusive(temporary, 0666);
        if (fd < 0 && errno != EEXIST) {
            return FileResult::failure("Unable to write " + path + ": " + reason(errno));
        }
    }
    if (fd < 0) {
        return FileResult::failure("Unable to write " + path + ": no free temporary name");
    }

    const auto fail = [&](const char* what, int error, bool open) {
        if (open) {
            calls.close(fd);
        }
        calls.unlink(temporary);
        return FileResult::failure(std::string(what) + " " + path + ": " + reason(error));
    };
    if (replacing && calls.fchmod(fd, existing.st_mode & 07777) != 0) {
        return fail("Unable to write", errno, true);
    }
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return fail("Unable to write", n < 0 ? errno : EIO, true);
        }
        written += static_cast<std::size_t>(n);
    }
    if (calls.fsync(fd) != 0) {
        return fail("Unable to write", errno, true);
    }
    if (calls.close(fd) != 0) {
        return fail("Unable to write", errno, false);
    }
    if (calls.rename(temporary, path) != 0) {
        return fail("Unable to replace", errno, false);
    }
    // The new file is in place; a folder that cannot be flushed only weakens the guarantee
    // against a power cut, so the save still counts.
    calls.fsyncFolder(folder.string());
    return FileResult::success();
}

} // namespace pmsect
