// The two forms a project is kept in, told apart by the file's extension: ".json" for a JSON
// project, anything else for the project file.
#pragma once

#include "io/file_result.h"
#include "model/project_model.h"

#include <string>

namespace pmsect {

bool isJsonProjectPath(const std::string& path);

FileResult loadAnyProject(const std::string& path, ProjectModel& model);
FileResult writeAnyProject(const std::string& path, const ProjectModel& model);

} // namespace pmsect
