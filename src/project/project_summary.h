// The engine's section summary and axial limits run on the project, their results written back
// into its derived fields, where the windows, the files and the command line read them.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "engine/load_check.h"
#include "engine/polygon_properties.h"
#include "model/project_model.h"

namespace pmsect {

// Whether the summary checks the loads itself or leaves them to whoever runs the checks later.
enum class LoadChecks { Now, Deferred };

// Steel area, axial limits, the four pure-bending strengths (kept as they were, but marked not
// valid, for a section without bars) and every load check of rows 1..count, on every core;
// counts the summary in summaryCount. Deferred checks leave each row's results empty and the row
// pending.
void computeSectionSummary(ProjectModel& model, LoadChecks checks = LoadChecks::Now);

// The check of row k (1-based) written into its result columns and status.
void storeLoadCheck(ProjectModel& model, int k, const CheckedLoad& checked);

// Stores steelArea, Po, phiPnMax, To, phiTnMax and tenthFcAg (forces in lb).
void storeAxialLimits(ProjectModel& model, const AxialLimits& limits);

// The project's outline (points 1..numPoints) with its bars (1..numBars); a bar number missing
// from the bar table deducts nothing and is recorded in unmatchedBarSize.
PolygonProperties polygonProperties(ProjectModel& model);

} // namespace pmsect
