// Combinations rounded to the load table's precision.
#include "engine/combination_loads.h"

namespace pmsect {

std::vector<LoadInput> combinationLoads(const std::vector<LoadCombination>& combinations) {
    std::vector<LoadInput> loads;
    loads.reserve(combinations.size());
    for (const LoadCombination& c : combinations) {
        LoadEndMoments ends;
        ends.PuSustained = static_cast<float>(c.PuSustained);
        if (c.ends) {
            for (std::size_t e = 0; e < kEndMomentCount; ++e) {
                ends.moments[e] = static_cast<float>((*c.ends)[e]);
            }
        }
        loads.push_back(
            {static_cast<float>(c.Pu), static_cast<float>(c.Mux), static_cast<float>(c.Muy), ends});
    }
    return loads;
}

} // namespace pmsect
