// Shared by the fuzz targets: an in-memory file whose /proc path the file readers open, a
// private scratch folder for what the writers produce, the default project, and the way a target
// reports a fault.
#pragma once

#include "building/new_project.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace pmsect::fuzz {

// An anonymous in-memory file, refilled for each input; path() opens it like any file.
class MemoryFile {
public:
    MemoryFile() : fd_(memfd_create("pmsect-fuzz", 0)) {
        if (fd_ < 0) {
            std::abort();
        }
    }
    ~MemoryFile() { close(fd_); }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    void fill(const uint8_t* data, std::size_t size) {
        if (ftruncate(fd_, 0) != 0 || pwrite(fd_, data, size, 0) != static_cast<ssize_t>(size)) {
            std::abort();
        }
    }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

// A folder of this process's own under /dev/shm (or /tmp), made once.
inline const std::string& scratchFolder() {
    static const std::string folder = [] {
        std::string pattern = (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
        pattern += "/pmsect-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        return pattern;
    }();
    static const bool cleanup = [] {
        return std::atexit([] {
                   std::error_code ignored;
                   std::filesystem::remove_all(scratchFolder(), ignored);
               }) == 0;
    }();
    (void)cleanup;
    return folder;
}

// The default new project, made once.
inline const ProjectModel& newProject() {
    static const ProjectModel model = [] {
        ProjectModel m;
        resetToNewProject(m);
        return m;
    }();
    return model;
}

// Ends the run with the target's name, what went wrong and the detail: libFuzzer keeps the input.
[[noreturn]] inline void failWith(const char* target, const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s: %s\n", target, what, detail.c_str());
    std::abort();
}

} // namespace pmsect::fuzz
