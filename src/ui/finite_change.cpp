// Undoing a change whose results overflow.
#include "ui/finite_change.h"

#include "engine/finite_model.h"

namespace pmsect {

bool keepFiniteChange(ProjectModel& model, const ProjectModel& before, SummaryChain& chain,
                      Platform& platform) {
    if (!firstNonFiniteValue(model)) {
        return true;
    }
    model = before;
    chain.summaryChanged();
    platform.showMessage(kTooLargeMessage);
    return false;
}

} // namespace pmsect
