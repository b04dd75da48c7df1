// Whether a path names a file that can be opened for reading.
#include "io/project_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace pmsect {

bool fileExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    // A directory opens for reading on some systems, but it is no file to load or overwrite.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    return file.is_open();
}

} // namespace pmsect
