// The two forms a project is kept in, told apart by the file's extension: ".json" for a JSON
// project, anything else for the project file.
#pragma once

#include "io/file_result.h"
#include "model/project_model.h"
#include "project/project_summary.h"

#include <string>

namespace pmsect {

bool isJsonProjectPath(const std::string& path);

// Deferred checks leave the rows of the load table pending (project/project_summary.h). The
// summary's results go to section when given.
FileResult loadAnyProject(const std::string& path, ProjectModel& model,
                          LoadChecks checks = LoadChecks::Now, SectionResults* section = nullptr);
FileResult writeAnyProject(const std::string& path, const ProjectModel& model);

} // namespace pmsect
