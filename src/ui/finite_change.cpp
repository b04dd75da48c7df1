// Undoing a change whose results overflow or whose section cannot be computed.
#include "ui/finite_change.h"

#include "building/section_checks.h"
#include "model/model_fields.h"

namespace pmsect {

std::string sectionFaultMessage(const std::string& reason) {
    return "The change is undone: " + reason;
}

bool keepFiniteChange(ProjectModel& model, const ProjectBefore& before, SummaryChain& chain,
                      Platform& platform) {
    std::string message;
    if (firstNonFiniteValue(model) || firstNonFiniteValue(chain.sectionResults())) {
        message = kTooLargeMessage;
    } else if (const auto fault = sectionFault(model); fault && !sectionFault(before.model)) {
        message = sectionFaultMessage(fault->reason);
    } else {
        return true;
    }
    model = before.model;
    chain.setSectionResults(before.section);
    chain.summaryChanged();
    platform.showMessage(message);
    return false;
}

} // namespace pmsect
