// JSON projects: every field of the project file under the model's own names, enumerations as
// words, the tables as lists; docs/project-json.md describes the format and
// docs/project.schema.json gives its schema. A generated outline or bar table may be left out and
// is then built as the main window builds it.
#pragma once

#include "io/file_result.h"
#include "model/project_model.h"
#include "project/project_summary.h"

#include <string>
#include <string_view>

namespace pmsect {

// Deeper nesting than a project has (object, list, point) is refused while the text is read.
inline constexpr int kMaxJsonProjectDepth = 8;

// The project as JSON text (two-space indent, a final line end). A model the project file could
// not hold (a count outside its table, a value that is not finite, a bar size missing from the
// main window's lists) is refused with the reason.
FileResult composeJsonProject(const ProjectModel& model, std::string& text);

// Reads a JSON project from text as loadProjectFile reads a project file: into a copy, handed
// over only when everything was read; name stands for the file in messages and becomes
// projectFileName. A refusal names the JSON pointer of the field at fault ("/bars/3/size").
// The summary's results go to section when given.
FileResult readJsonProject(std::string_view text, const std::string& name, ProjectModel& model,
                           LoadChecks checks = LoadChecks::Now, SectionResults* section = nullptr);

FileResult loadJsonProject(const std::string& path, ProjectModel& model,
                           LoadChecks checks = LoadChecks::Now, SectionResults* section = nullptr);
FileResult writeJsonProject(const std::string& path, const ProjectModel& model);

} // namespace pmsect
