// Inputs the strength method computes with but that a design may not rely on, as warning lines
// for the main window's summary, the report and pmsect-cli.
#pragma once

#include "model/project_model.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pmsect {

// The largest yield strength a column design may be based on, psi.
inline constexpr int32_t kMaxDesignYield = 80000;

inline constexpr const char* kHighYieldWarning =
    "Warning: fy above 80,000 psi (551.6 MPa); ACI 318 does not let a column design rely on it";

// The warnings that apply to the model, in a fixed order; empty when there are none.
std::vector<std::string> designWarnings(const ProjectModel& model);

} // namespace pmsect
