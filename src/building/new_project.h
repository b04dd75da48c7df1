// The reset to a new project: every default of the project model, the
// default outline and bars, and a fresh section summary.
#pragma once

#include "engine/section_results.h"
#include "model/project_model.h"

namespace pmsect {

// Sets the defaults in its order, regenerates the rectangular outline and the bar
// sets, clears the loads and the project file name, marks the curve and surface data stale and
// computes the section summary, whose results it returns. The display units (model.units) and the
// design code edition are left as they are: a new project takes the edition its caller set.
SectionResults resetToNewProject(ProjectModel& model);

} // namespace pmsect
