// The section summary of the project.
#include "project/project_summary.h"

#include "engine/load_batch.h"
#include "engine/section_summary.h"
#include "project/engine_inputs_of.h"

#include <atomic>
#include <cstdint>
#include <vector>

namespace pmsect {

void storeLoadCheck(SectionResults& section, int k, const CheckedLoad& checked) {
    const auto i = static_cast<std::size_t>(k);
    if (section.loads.size() < i) {
        section.loads.resize(i);
    }
    section.loads[i - 1] = {checked.load, checked.result, false};
}

void appendCheckedLoad(ProjectModel& model, SectionResults& section, const CheckedLoad& checked) {
    LoadRow row;
    row[kPu] = checked.load.Pu;
    row[kMux] = checked.load.Mux;
    row[kMuy] = checked.load.Muy;
    row.ends = checked.load.ends;
    model.loads.append(row);
    storeLoadCheck(section, model.loads.count(), checked);
}

namespace {

bool sameLoad(const LoadInput& a, const LoadInput& b) {
    return a.Pu == b.Pu && a.Mux == b.Mux && a.Muy == b.Muy && a.ends.moments == b.ends.moments &&
           a.ends.PuSustained == b.ends.PuSustained;
}

} // namespace

std::optional<LoadResult> storedLoadResult(const SectionResults& section, const ProjectModel& model,
                                           std::size_t k) {
    if (k < 1 || k > section.loads.size() || k > static_cast<std::size_t>(model.loads.count())) {
        return std::nullopt;
    }
    const StoredLoadCheck& stored = section.loads[k - 1];
    if (stored.pending || !sameLoad(stored.load, loadInputOf(model.loads[k]))) {
        return std::nullopt;
    }
    return stored.result;
}

CheckedLoad storedLoadCheck(const SectionResults& section, const ProjectModel& model,
                            std::size_t k) {
    return {loadInputOf(model.loads[k]),
            storedLoadResult(section, model, k).value_or(LoadResult{}),
            {}};
}

namespace {

// Summaries are numbered across the process, not per project: a summary of another project (a
// file opened, a new project) must not take the number of the one a memo or a check began under.
std::atomic<std::uint64_t> summariesRun{0};

} // namespace

SectionResults computeSectionSummary(const ProjectModel& model, LoadChecks checks) {
    const EngineInputs inputs = engineInputsOf(model);
    // The loads apart: each check depends on the inputs and its load alone, and the batch gives
    // the same results on any number of cores.
    const SectionSummary summary = computeSectionSummary(inputs, {});
    SectionResults results;
    results.revision = ++summariesRun;
    results.limits = summary.limits;
    results.pureBending = summary.pureBending;
    results.unmatchedBarSize = unmatchedBarSize(model);
    if (checks == LoadChecks::Now) {
        const std::vector<CheckedLoad> checked = checkLoads(inputs, loadInputsOf(model), 0);
        for (std::size_t i = 0; i < checked.size(); ++i) {
            storeLoadCheck(results, static_cast<int>(i) + 1, checked[i]);
        }
    } else {
        for (int k = 1; k <= model.loads.count(); ++k) {
            results.loads.push_back(
                {loadInputOf(model.loads[static_cast<std::size_t>(k)]), {}, true});
        }
    }
    return results;
}

PolygonProperties polygonProperties(const ProjectModel& model) {
    return polygonProperties(outlinePoints(model), modelBars(model));
}

} // namespace pmsect
