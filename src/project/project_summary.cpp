// The section summary of the project.
#include "project/project_summary.h"

#include "engine/section_summary.h"
#include "project/engine_inputs_of.h"

#include <vector>

namespace pmsect {

void storeAxialLimits(ProjectModel& model, const AxialLimits& limits) {
    model.steelArea = limits.steelArea;
    model.Po = limits.Po;
    model.tenthFcAg = limits.curveLevel;
    model.phiPnMax = limits.phiPnMax;
    model.To = limits.To;
    model.phiTnMax = limits.phiTnMax;
}

void computeSectionSummary(ProjectModel& model) {
    const EngineInputs inputs = engineInputsOf(model);
    const int count = model.loads.count();
    std::vector<LoadInput> loads;
    loads.reserve(static_cast<std::size_t>(count));
    for (int i = 1; i <= count; ++i) {
        loads.push_back(loadInputOf(model.loads[static_cast<std::size_t>(i)]));
    }
    const SectionSummary summary = computeSectionSummary(inputs, loads);
    storeAxialLimits(model, summary.limits);
    for (int i = 1; i <= count; ++i) {
        const CheckedLoad& checked = summary.loads[static_cast<std::size_t>(i - 1)];
        LoadRow& row = model.loads[static_cast<std::size_t>(i)];
        for (int col = kEccentricity; col <= kRatio; ++col) {
            row[col] = checked.row[col];
        }
        model.loads.status(static_cast<std::size_t>(i)).capacityFound = checked.capacityFound;
    }
    // No bars, no pure-bending strength: what the model holds is an earlier section's.
    model.pureBendingValid = summary.pureBending.has_value();
    if (summary.pureBending) {
        model.pureBending = *summary.pureBending;
    }
    ++model.summaryCount;
}

PolygonProperties polygonProperties(ProjectModel& model) {
    return polygonProperties(outlinePoints(model), modelBars(model), &model.unmatchedBarSize);
}

} // namespace pmsect
