// The steps every project reader ends with, whatever the file's format: the fields that follow
// from the stored ones, the section summary, and the hand-over of the finished copy.
#pragma once

#include "io/file_result.h"
#include "model/project_model.h"
#include "project/project_summary.h"

#include <string>

namespace pmsect {

// beta1, grossArea, the reference and mid points and the bar-set rectangle from the stored
// fields; both stale flags set.
void deriveLoadedFields(ProjectModel& loaded);

// Derives the fields, runs the section summary on loaded and, when every number of the model and
// of the summary's results is still finite, moves it into model with projectFileName = path and
// the results into section when given. On failure model and section are left as they were.
// Deferred checks leave the rows of the load table pending, for the desktop to check in the
// background.
FileResult finishLoadedProject(ProjectModel& loaded, const std::string& path, ProjectModel& model,
                               LoadChecks checks = LoadChecks::Now,
                               SectionResults* section = nullptr);

} // namespace pmsect
