// The one way this program writes a whole file: into a temporary of a unique name beside the
// target, created exclusively (never through a link), flushed to the disk, renamed over the
// target, and the folder flushed too, so that neither a failure nor a power cut leaves anything
// but the old file or the new one.
#pragma once

#include "io/file_result.h"

#include <string>
#include <string_view>
#include <sys/types.h>

namespace pmsect {

// The system calls of a write, behind a seam so that the tests can make any of them fail. Each
// returns what the POSIX call returns and leaves errno set on failure.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    // open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode)
    virtual int createExclusive(const std::string& path, mode_t mode);
    // A second descriptor of fd's file holding its exclusive lock (flock) until it is closed:
    // while it is held, no other save takes the temporary for one a killed save left.
    virtual int holdLock(int fd);
    // open(path, O_WRONLY | O_NOFOLLOW | O_CLOEXEC): the file itself, to write it in place.
    virtual int openExisting(const std::string& path);
    virtual ssize_t write(int fd, const char* data, size_t size);
    virtual int ftruncate(int fd, off_t size);
    virtual int fchown(int fd, uid_t owner, gid_t group);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const std::string& from, const std::string& to);
    virtual int unlink(const std::string& path);
    // Flushes the folder's entries (the rename) to the disk.
    virtual int fsyncFolder(const std::string& folder);
};

FileCalls& systemFileCalls();

// Writes bytes as the whole content of path. A path that names something other than a regular
// file (a folder, a pipe, a device) is refused and left alone. A symbolic link stays: the file it
// names is the one written. A replaced file keeps its permission bits, and its owner and group
// where the system allows. A file with other hard links is written in place, so that every name
// of it reads the new content: only once the new content is safe on the disk in the temporary,
// which stays beside it should that write fail. On any other failure the temporary is removed
// and whatever was at path stays as it was; the message names the path and the reason.
//
// A save killed in its midst leaves its temporary behind; each successful save removes those
// that earlier saves of the same file left: regular files of this user named as its temporaries
// are, unlocked by any live save and untouched for a while.
FileResult writeFileReplacing(const std::string& path, std::string_view bytes,
                              FileCalls& calls = systemFileCalls());

} // namespace pmsect
