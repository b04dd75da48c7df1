// The section summary of the project.
#include "project/project_summary.h"

#include "engine/load_batch.h"
#include "engine/section_summary.h"
#include "project/engine_inputs_of.h"

#include <vector>

namespace pmsect {

void storeLoadCheck(ProjectModel& model, int k, const CheckedLoad& checked) {
    const auto i = static_cast<std::size_t>(k);
    LoadRow& row = model.loads[i];
    const LoadResult& r = checked.result;
    row[kEccentricity] = r.eccentricity;
    row[kLoadAngle] = r.angle;
    row[kPhiPn] = r.phiPn;
    row[kPhiMnx] = r.phiMnx;
    row[kPhiMny] = r.phiMny;
    row[kRatio] = r.ratio;
    model.loads.status(i) = LoadStatus{r.capacityFound, false};
}

void appendCheckedLoad(ProjectModel& model, const CheckedLoad& checked) {
    LoadRow row;
    row[kPu] = checked.load.Pu;
    row[kMux] = checked.load.Mux;
    row[kMuy] = checked.load.Muy;
    row.ends = checked.load.ends;
    model.loads.append(row);
    storeLoadCheck(model, model.loads.count(), checked);
}

namespace {

LoadResult resultColumns(const ProjectModel& model, std::size_t k) {
    const LoadRow& row = model.loads[k];
    return {row[kEccentricity],
            row[kLoadAngle],
            row[kPhiPn],
            row[kPhiMnx],
            row[kPhiMny],
            row[kRatio],
            model.loads.status(k).capacityFound};
}

} // namespace

std::optional<LoadResult> storedLoadResult(const ProjectModel& model, std::size_t k) {
    if (model.loads.status(k).pending) {
        return std::nullopt;
    }
    return resultColumns(model, k);
}

CheckedLoad storedLoadCheck(const ProjectModel& model, std::size_t k) {
    return {loadInputOf(model.loads[k]), resultColumns(model, k), {}};
}

SectionResults computeSectionSummary(ProjectModel& model, LoadChecks checks) {
    const EngineInputs inputs = engineInputsOf(model);
    // The loads apart: each check depends on the inputs and its load alone, and the batch gives
    // the same results on any number of cores.
    const SectionSummary summary = computeSectionSummary(inputs, {});
    if (checks == LoadChecks::Now) {
        const std::vector<CheckedLoad> checked = checkLoads(inputs, loadInputsOf(model), 0);
        for (std::size_t i = 0; i < checked.size(); ++i) {
            storeLoadCheck(model, static_cast<int>(i) + 1, checked[i]);
        }
    } else {
        for (int k = 1; k <= model.loads.count(); ++k) {
            LoadRow& row = model.loads[static_cast<std::size_t>(k)];
            for (int col = kEccentricity; col <= kRatio; ++col) {
                row[col] = 0;
            }
            model.loads.status(static_cast<std::size_t>(k)) = LoadStatus{true, true};
        }
    }
    ++model.summaryCount;
    return {summary.limits, summary.pureBending};
}

PolygonProperties polygonProperties(ProjectModel& model) {
    return polygonProperties(outlinePoints(model), modelBars(model), &model.unmatchedBarSize);
}

} // namespace pmsect
