// The project's verdict: the load rows, the checked combinations and the sentence that says it.
#include "project/project_verdict.h"

#include "engine/combination_loads.h"
#include "engine/load_batch.h"
#include "format/number_format.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"

namespace pmsect {
namespace {

// Counts as the progress of the checks gives them: "1,428 of 10,000".
std::string countText(std::size_t n) {
    return formatNumber(static_cast<double>(n), "###,##0");
}

// "12 loads", "1 load", "11 loads and combinations", "10 combinations".
std::string checkedNoun(std::size_t loads, std::size_t combinations) {
    const bool one = loads + combinations == 1;
    if (combinations == 0) {
        return one ? "load" : "loads";
    }
    if (loads == 0) {
        return one ? "combination" : "combinations";
    }
    return "loads and combinations";
}

} // namespace

std::string verdictSentence(const LoadVerdict& verdict, std::size_t combinations,
                            const std::string& governing) {
    const std::string noun = checkedNoun(verdict.count - combinations, combinations);
    const bool one = verdict.count == 1;
    std::string line;
    if (verdict.failing == 0) {
        line = one ? "1 " + noun + " passes"
                   : "All " + countText(verdict.count) + " " + noun + " pass";
    } else {
        line = countText(verdict.failing) + " of " + countText(verdict.count) + " " + noun +
               (one ? " fails" : " fail");
    }
    if (verdict.governing) {
        line += "; largest ratio " + formatNumber(verdict.largestRatio, "0.000") + " (" +
                governing + ")";
    } else {
        line += "; no " + std::string(combinations == 0 ? "load" : "load or combination") +
                " has a capacity on its load line";
    }
    return line;
}

CheckedCombinations checkedCombinations(const ProjectModel& model) {
    CheckedCombinations out;
    out.combinations = generateCombinations(model.loadCases);
    if (!out.combinations.empty()) {
        out.checks = checkLoads(engineInputsOf(model), combinationLoads(out.combinations), 0);
    }
    return out;
}

ProjectVerdict projectVerdict(const ProjectModel& model, const SectionResults& section,
                              const CheckedCombinations& combinations) {
    ProjectVerdict out;
    std::vector<CheckedLoad> checks;
    std::vector<std::size_t> rowOf; // the row number of each load checked
    checks.reserve(static_cast<std::size_t>(model.loads.count()) + combinations.checks.size());
    for (int k = 1; k <= model.loads.count(); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!storedLoadResult(section, model, i)) {
            ++out.unchecked;
        } else {
            checks.push_back(storedLoadCheck(section, model, i));
            rowOf.push_back(i);
        }
    }
    const std::size_t loads = checks.size();
    checks.insert(checks.end(), combinations.checks.begin(), combinations.checks.end());
    out.combinations = combinations.checks.size();
    out.verdict = loadVerdict(checks);
    if (const auto g = out.verdict.governing) {
        out.governing = *g < loads ? "load " + std::to_string(rowOf[*g])
                                   : "combination " + combinations.combinations[*g - loads].name;
    }
    return out;
}

ProjectVerdict projectVerdict(const ProjectModel& model, const SectionResults& section) {
    return projectVerdict(model, section, checkedCombinations(model));
}

} // namespace pmsect
