// A change can be finite number by number yet overflow once the section is rebuilt from it (an
// outline 1E+38 in wide has no finite area, bars that far out no finite moment), or leave a
// section no strength can be computed for (an outline crossing itself, bars outside it) that no
// project file would take back. The windows keep a copy of the model and of its summary's results
// from before the change and, when the rebuilt model or its results are such, put both back whole.
#pragma once

#include "model/project_model.h"
#include "ui/platform.h"
#include "ui/summary_chain.h"

#include <string>

namespace pmsect {

// Shown when an event would leave the project with a value that is not finite.
inline constexpr const char* kTooLargeMessage = "The numbers are too large to compute with";

// "The change is undone: the outline crosses itself: edge 2-3 meets edge 4-5"
std::string sectionFaultMessage(const std::string& reason);

// The project and the results of its summary as they stood before a change.
struct ProjectBefore {
    ProjectModel model;
    SectionResults section;
};

// True when every real of the model and of the chain's summary results is finite and the section
// can be computed (or could not be before either): the change stands. Otherwise the model and the
// results become `before` again, the windows take its summary back and the user is told; false.
bool keepFiniteChange(ProjectModel& model, const ProjectBefore& before, SummaryChain& chain,
                      Platform& platform);

} // namespace pmsect
