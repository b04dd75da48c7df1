// A change can be finite number by number yet overflow once the section is rebuilt from it (an
// outline 1E+38 in wide has no finite area, bars that far out no finite moment). The windows keep
// a copy of the model from before the change and, when the rebuilt model holds a NaN or an
// infinity, put the copy back whole instead of keeping numbers nothing can be computed with.
#pragma once

#include "model/project_model.h"
#include "ui/platform.h"
#include "ui/summary_chain.h"

namespace pmsect {

// Shown when an event would leave the project with a value that is not finite.
inline constexpr const char* kTooLargeMessage = "The numbers are too large to compute with";

// True when every real of the model is finite: the change stands. Otherwise the model becomes
// `before` again, the windows take its summary back and the user is told; false.
bool keepFiniteChange(ProjectModel& model, const ProjectModel& before, SummaryChain& chain,
                      Platform& platform);

} // namespace pmsect
