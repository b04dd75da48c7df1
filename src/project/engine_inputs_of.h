// The engine's inputs built from the project: the outline and the bars with their sizes looked
// up, the materials, the confinement, the design code the project names and the member's
// slenderness data.
#pragma once

#include "engine/engine_inputs.h"
#include "engine/load_check.h"
#include "model/project_model.h"

#include <optional>
#include <vector>

namespace pmsect {

// The rules of the project's edition of ACI 318.
const DesignCodeRules& designCodeRules(const ProjectModel& model);

Materials materialsOf(const ProjectModel& model);

// A bar number missing from the bar table counts no area; the last such number is written to
// unmatchedBarSize when that is given.
EngineInputs engineInputsOf(const ProjectModel& model,
                            std::optional<float>* unmatchedBarSize = nullptr);

// One row of the load table as the load check takes it.
LoadInput loadInputOf(const LoadRow& row);

// The same, recording a bar number missing from the bar table in model.unmatchedBarSize for the
// command that runs the computation to report.
EngineInputs engineInputsOf(ProjectModel& model);

// Pu, Mux and Muy of the load table's rows, in their order.
std::vector<LoadInput> loadInputsOf(const ProjectModel& model);

} // namespace pmsect
