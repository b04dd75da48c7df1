// The section summary: the axial limits, every load check and the four pure-bending strengths.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "engine/engine_inputs.h"
#include "engine/load_check.h"
#include "model/pure_bending.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace pmsect {

struct SectionSummary {
    AxialLimits limits;
    std::vector<CheckedLoad> loads; // in the order given
    // +Mnx, -Mnx, +Mny, -Mny as shown; nothing for a section without bars, which has no
    // pure-bending strength.
    std::optional<std::array<PureBendingResult, 4>> pureBending;
};

SectionSummary computeSectionSummary(const EngineInputs& inputs, std::span<const LoadInput> loads);

} // namespace pmsect
