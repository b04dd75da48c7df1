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
    virtual ssize_t write(int fd, const char* data, size_t size);
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
// file (a folder, a pipe, a device) is refused and left alone; a replaced file keeps its
// permission bits. On any failure the temporary is removed and whatever was at path stays as it
// was; the message names the path and the reason.
FileResult writeFileReplacing(const std::string& path, std::string_view bytes,
                              FileCalls& calls = systemFileCalls());

} // namespace pmsect
