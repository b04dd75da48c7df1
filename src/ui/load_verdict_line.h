// The line under the load table and in the main window that says which load governs and how
// many fail, or how far the checks running in the background have come: one text for both.
#pragma once

#include "model/project_model.h"
#include "ui/summary_chain.h"

#include <string>

namespace pmsect {

// "All 12 loads pass; largest ratio 0.945 (load 3).", the loads and the combinations of the load
// cases counted together; "Checking the loads: 2,304 of 10,000 checked."; or after the checks
// were stopped the verdict of those checked and how many loads were not. Empty when nothing is
// checked.
std::string loadVerdictLine(const ProjectModel& model, const SectionResults& section,
                            const LoadCheckProgress& progress);

} // namespace pmsect
