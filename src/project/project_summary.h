// The engine's section summary run on the project: the load checks written into its load table,
// the axial limits and the pure-bending strengths returned to the caller, who keeps them.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "engine/load_check.h"
#include "engine/polygon_properties.h"
#include "engine/section_results.h"
#include "model/project_model.h"

#include <cstddef>
#include <optional>

namespace pmsect {

// Whether the summary checks the loads itself or leaves them to whoever runs the checks later.
enum class LoadChecks { Now, Deferred };

// Every load check of rows 1..count, on every core, written into the rows; counts the summary in
// summaryCount. Deferred checks leave each row's results empty and the row pending. Returns the
// steel area, the axial limits and the four pure-bending strengths (none for a section without
// bars).
SectionResults computeSectionSummary(ProjectModel& model, LoadChecks checks = LoadChecks::Now);

// The check of row k (1-based) written into its result columns and status.
void storeLoadCheck(ProjectModel& model, int k, const CheckedLoad& checked);
// The load and its check as a new last row.
void appendCheckedLoad(ProjectModel& model, const CheckedLoad& checked);
// The last check of row k (1-based) as written there; none while the row is pending.
std::optional<LoadResult> storedLoadResult(const ProjectModel& model, std::size_t k);
// Row k and its last check as written there, pending or not, without the magnification.
CheckedLoad storedLoadCheck(const ProjectModel& model, std::size_t k);

// The project's outline (points 1..numPoints) with its bars (1..numBars); a bar number missing
// from the bar table deducts nothing and is recorded in unmatchedBarSize.
PolygonProperties polygonProperties(ProjectModel& model);

} // namespace pmsect
