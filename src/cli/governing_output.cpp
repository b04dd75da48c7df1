// The verdict line and the governing object of the commands that check loads.
#include "cli/governing_output.h"

#include "cli/json_output.h"
#include "cli/load_row_text.h"
#include "format/text.h"
#include "project/project_summary.h"
#include "project/project_verdict.h"

namespace pmsect::cli {

std::string verdictLine(const LoadVerdict& verdict, std::size_t combinations,
                        const LoadNaming& nameOf) {
    std::string governing;
    if (const auto g = verdict.governing) {
        governing =
            (*g + combinations >= verdict.count ? "combination " : "load ") + nameOf(*g).name;
    }
    return verdictSentence(verdict, combinations, governing);
}

nlohmann::ordered_json governingJson(const LoadVerdict& verdict, const LoadNaming& nameOf) {
    if (!verdict.governing) {
        return nullptr;
    }
    const LoadName name = nameOf(*verdict.governing);
    return {{"id", name.id}, {"name", name.name}, {"ratio", jsonNumber(verdict.largestRatio)}};
}

std::vector<CheckedLoad> projectChecks(const ProjectModel& model, const SectionResults& section) {
    std::vector<CheckedLoad> checks;
    for (int i = 1; i <= model.loads.count(); ++i) {
        checks.push_back(storedLoadCheck(section, model, static_cast<std::size_t>(i)));
    }
    return checks;
}

LoadName projectLoadName(std::size_t index) {
    return {index + 1, std::to_string(index + 1)};
}

} // namespace pmsect::cli
