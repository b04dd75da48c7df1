// The largest ratio and the count of failing loads in one pass.
#include "engine/governing_load.h"

namespace pmsect {

bool loadFails(const CheckedLoad& load) {
    return !load.result.capacityFound || load.result.ratio > 1.0f;
}

LoadVerdict loadVerdict(std::span<const CheckedLoad> loads) {
    LoadVerdict v;
    v.count = loads.size();
    for (std::size_t i = 0; i < loads.size(); ++i) {
        const CheckedLoad& load = loads[i];
        if (loadFails(load)) {
            ++v.failing;
        }
        const LoadResult& r = load.result;
        if (r.capacityFound && (!v.governing || r.ratio > v.largestRatio)) {
            v.governing = i;
            v.largestRatio = r.ratio;
        }
    }
    return v;
}

} // namespace pmsect
