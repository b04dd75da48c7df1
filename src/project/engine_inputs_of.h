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

// A bar number missing from the bar table counts no area.
EngineInputs engineInputsOf(const ProjectModel& model);

// The last of the project's bar numbers that the bar table does not hold, for the command that
// computes with it to report; none when the table holds them all.
std::optional<float> unmatchedBarSize(const ProjectModel& model);

// One row of the load table as the load check takes it.
LoadInput loadInputOf(const LoadRow& row);

// Pu, Mux and Muy of the load table's rows, in their order.
std::vector<LoadInput> loadInputsOf(const ProjectModel& model);

} // namespace pmsect
