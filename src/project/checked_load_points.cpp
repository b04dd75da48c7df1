// The points the project's loads are checked at.
#include "project/checked_load_points.h"

#include "project/engine_inputs_of.h"

#include <optional>

namespace pmsect {

std::vector<CheckedLoadPoint> checkedLoadPoints(const ProjectModel& model) {
    std::vector<CheckedLoadPoint> points;
    points.reserve(static_cast<std::size_t>(model.loads.count()));
    const std::optional<EngineInputs> inputs =
        model.slenderness ? std::optional(engineInputsOf(model)) : std::nullopt;
    for (int k = 1; k <= model.loads.count(); ++k) {
        const LoadRow& row = model.loads[static_cast<std::size_t>(k)];
        CheckedLoadPoint p{row[kPu], row[kMux], row[kMuy]};
        if (inputs) {
            // The moments checkLoadCombination checks the load on, as it narrows them.
            const auto magnified = magnificationOf(*inputs, loadInputOf(row));
            if (magnified && !magnified->noStableMagnifier()) {
                p.Mx = static_cast<float>(*magnified->x.Mc);
                p.My = static_cast<float>(*magnified->y.Mc);
            }
        }
        points.push_back(p);
    }
    return points;
}

} // namespace pmsect
