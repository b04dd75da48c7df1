// The section summary: steel area, axial limits, every load check and the four pure-bending
// strengths, stored in the model.
#pragma once

#include "model/project_model.h"

namespace pmsect {

void computeSectionSummary(ProjectModel& model);

} // namespace pmsect
