// Choosing the reader and the writer of a project by its file's extension.
#include "io/project_formats.h"

#include "io/project_file.h"
#include "io/project_json.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace pmsect {

bool isJsonProjectPath(const std::string& path) {
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".json";
}

FileResult loadAnyProject(const std::string& path, ProjectModel& model, LoadChecks checks,
                          SectionResults* section) {
    return isJsonProjectPath(path) ? loadJsonProject(path, model, checks, section)
                                   : loadProjectFile(path, model, checks, section);
}

FileResult writeAnyProject(const std::string& path, const ProjectModel& model) {
    return isJsonProjectPath(path) ? writeJsonProject(path, model) : writeProjectFile(path, model);
}

} // namespace pmsect
