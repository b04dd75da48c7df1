// The engine's section summary and axial limits run on the project, their results written back
// into its derived fields, where the windows, the files and the command line read them.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "engine/polygon_properties.h"
#include "model/project_model.h"

namespace pmsect {

// Steel area, axial limits, every load check of rows 1..count and the four pure-bending
// strengths (kept as they were, but marked not valid, for a section without bars); counts the
// summary in summaryCount.
void computeSectionSummary(ProjectModel& model);

// Stores steelArea, Po, phiPnMax, To, phiTnMax and tenthFcAg (forces in lb).
void storeAxialLimits(ProjectModel& model, const AxialLimits& limits);

// The project's outline (points 1..numPoints) with its bars (1..numBars); a bar number missing
// from the bar table deducts nothing and is recorded in unmatchedBarSize.
PolygonProperties polygonProperties(ProjectModel& model);

} // namespace pmsect
