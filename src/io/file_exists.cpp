// Whether a path names a regular file that can be opened for reading, or something else, and why
// not.
#include "io/project_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace pmsect {

bool fileExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    // Only a regular file (or a link to one) is a file to load or overwrite: a directory opens
    // for reading on some systems, opening a pipe waits for a writer that may never come, and a
    // device such as /dev/zero never ends.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    return file.is_open();
}

std::string whyNotReadable(const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::exists(path, error)) {
        return "there is no such file";
    }
    if (!std::filesystem::is_regular_file(path, error)) {
        return "it is a folder or a device, not a file";
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open() && errno != 0) {
        return std::string("the file cannot be read (") + std::strerror(errno) + ")";
    }
    return "the file cannot be read";
}

} // namespace pmsect
