// Which checked load governs a section: the one with the largest design ratio. Every place that
// names the governing load (the command line's summaries, the calculation report) asks here.
#pragma once

#include "engine/load_batch.h"

#include <cstddef>
#include <optional>
#include <span>

namespace pmsect {

// A load fails when its ratio exceeds 1 or when no capacity was found on its load line.
bool loadFails(const CheckedLoad& load);

struct LoadVerdict {
    std::size_t count = 0;
    std::size_t failing = 0;
    // The first load (0-based) with the largest ratio among those whose capacity was found;
    // empty when there is none.
    std::optional<std::size_t> governing;
    float largestRatio = 0;
};

LoadVerdict loadVerdict(std::span<const CheckedLoad> loads);

} // namespace pmsect
