// The engine's section summary run on the project: the axial limits, the pure-bending strengths
// and the load checks returned to the caller, who keeps them beside the project.
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

// Every load check of rows 1..count, on every core. Deferred checks leave every row pending.
// Returns the summary's own number, the steel area, the axial limits, the four pure-bending
// strengths (none for a section without bars), the checks and a bar number the bar table lacks.
SectionResults computeSectionSummary(const ProjectModel& model,
                                     LoadChecks checks = LoadChecks::Now);

// The check of row k (1-based) kept as its last one, with the load it checked.
void storeLoadCheck(SectionResults& section, int k, const CheckedLoad& checked);
// The load as the model's new last row and its check as the row's last one.
void appendCheckedLoad(ProjectModel& model, SectionResults& section, const CheckedLoad& checked);
// The last check of the model's row k (1-based); none while the row is pending, and none when
// the row's load is not the one checked (the loads changed since, or the row is new).
std::optional<LoadResult> storedLoadResult(const SectionResults& section, const ProjectModel& model,
                                           std::size_t k);
// Row k and its last check, empty when there is none, without the magnification.
CheckedLoad storedLoadCheck(const SectionResults& section, const ProjectModel& model,
                            std::size_t k);

// The project's outline (points 1..numPoints) with its bars (1..numBars); a bar number missing
// from the bar table deducts nothing.
PolygonProperties polygonProperties(const ProjectModel& model);

} // namespace pmsect
