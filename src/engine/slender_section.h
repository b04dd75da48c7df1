// The section's values of a slender member, from the engine's section and materials.
#pragma once

#include "engine/engine_inputs.h"
#include "engine/slender_member.h"

namespace pmsect {

SlenderSection slenderSectionOf(const SectionGeometry& section, SectionShape shape,
                                const Materials& materials);

} // namespace pmsect
