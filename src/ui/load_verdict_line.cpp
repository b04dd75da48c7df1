// The verdict over the rows checked and the combinations of the load cases: the governing one
// named by its row number or its combination's name.
#include "ui/load_verdict_line.h"

#include "format/number_format.h"
#include "project/project_verdict.h"

namespace pmsect {
namespace {

std::string countText(std::size_t n) {
    return formatNumber(static_cast<double>(n), "#,##0");
}

} // namespace

std::string loadVerdictLine(const ProjectModel& model, const SectionResults& section,
                            const LoadCheckProgress& progress) {
    if (progress.running()) {
        return "Checking the loads: " + countText(progress.checked) + " of " +
               countText(progress.total) + " checked.";
    }
    const ProjectVerdict verdict = projectVerdict(model, section);
    if (verdict.verdict.count == 0 && verdict.unchecked == 0) {
        return {};
    }
    const std::string notChecked =
        verdict.unchecked == 0
            ? std::string()
            : " " + countText(verdict.unchecked) +
                  (verdict.unchecked == 1 ? " load was" : " loads were") + " not checked.";
    if (verdict.verdict.count == 0) {
        return "None of the " + countText(verdict.unchecked) + " loads was checked.";
    }
    return verdict.sentence() + "." + notChecked;
}

} // namespace pmsect
