// The verdict over the rows checked: the governing one named by its row number.
#include "ui/load_verdict_line.h"

#include "engine/governing_load.h"
#include "format/number_format.h"
#include "io/report_text.h"

#include <vector>

namespace pmsect {
namespace {

std::string countText(std::size_t n) {
    return formatNumber(static_cast<double>(n), "#,##0");
}

} // namespace

std::string loadVerdictLine(const ProjectModel& model, const LoadCheckProgress& progress) {
    if (model.loads.count() == 0) {
        return {};
    }
    if (progress.running()) {
        return "Checking the loads: " + countText(progress.checked) + " of " +
               countText(progress.total) + " checked.";
    }
    std::vector<CheckedLoad> checks;
    std::vector<int> rowOf; // the row number of each check
    checks.reserve(static_cast<std::size_t>(model.loads.count()));
    for (int k = 1; k <= model.loads.count(); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!model.loads.status(i).pending) {
            checks.push_back({model.loads[i], model.loads.status(i).capacityFound, {}});
            rowOf.push_back(k);
        }
    }
    const std::size_t unchecked = static_cast<std::size_t>(model.loads.count()) - checks.size();
    const std::string notChecked =
        unchecked == 0 ? std::string()
                       : " " + countText(unchecked) +
                             (unchecked == 1 ? " load was" : " loads were") + " not checked.";
    if (checks.empty()) {
        return "None of the " + countText(unchecked) + " loads was checked.";
    }
    const LoadVerdict verdict = loadVerdict(checks);
    const std::string governing =
        verdict.governing ? std::to_string(rowOf[*verdict.governing]) : std::string();
    return loadVerdictSentence(verdict, governing) + "." + notChecked;
}

} // namespace pmsect
