// Where the Pn-Mn curve searches start, level by level (rows 1..40): each level's search starts
// at the depth the same level's search of the previous curve ended at, so that the curves of one
// surface, and a curve after them, start near their answers. The depths belong to one section
// summary of the project: after its next summary every level starts again at 10 in. The caller
// that holds the project's curves holds the memo, and names the summary by its revision.
#pragma once

#include "engine/curve_rows.h"

#include <array>
#include <cstdint>
#include <optional>

namespace pmsect {

class CurveDepthMemo {
public:
    using Depths = std::array<float, kMaxCurveRows + 1>;

    // The starting depths for a curve under the summary numbered revision, which the curve
    // overwrites with the depths its searches ended at.
    Depths& depthsFor(std::uint64_t revision);

private:
    Depths depths_{};
    // The summary the depths were last started again under; none before the first curve.
    std::optional<std::uint64_t> summary_;
};

} // namespace pmsect
