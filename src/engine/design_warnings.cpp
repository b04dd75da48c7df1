// The design warnings of a model.
#include "engine/design_warnings.h"

namespace pmsect {

std::vector<std::string> designWarnings(const ProjectModel& model) {
    std::vector<std::string> warnings;
    if (model.fy > kMaxDesignYield) {
        warnings.emplace_back(kHighYieldWarning);
    }
    return warnings;
}

} // namespace pmsect
