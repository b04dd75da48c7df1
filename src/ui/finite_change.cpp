// Undoing a change whose results overflow or whose section cannot be computed.
#include "ui/finite_change.h"

#include "building/section_checks.h"
#include "model/model_fields.h"

namespace pmsect {

std::string sectionFaultMessage(const std::string& reason) {
    return "The change is undone: " + reason;
}

bool keepFiniteChange(ProjectModel& model, const ProjectModel& before, SummaryChain& chain,
                      Platform& platform) {
    std::string message;
    if (firstNonFiniteValue(model)) {
        message = kTooLargeMessage;
    } else if (const auto fault = sectionFault(model); fault && !sectionFault(before)) {
        message = sectionFaultMessage(fault->reason);
    } else {
        return true;
    }
    model = before;
    chain.summaryChanged();
    platform.showMessage(message);
    return false;
}

} // namespace pmsect
