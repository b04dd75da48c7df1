// All that one strength computation needs, as a value: the section (outline, bars with their
// areas and diameters, the reference point), the materials, the confinement, the design code and
// for a slender member its data.
// The engine reads nothing else; project/engine_inputs_of.h builds it from the project.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "engine/materials.h"
#include "engine/slender_member.h"
#include "model/confinement.h"
#include "model/section_geometry.h"

#include <optional>
#include <vector>

namespace pmsect {

// A bar with its size looked up: a number missing from the bar table has area 0 and diameter -1.
struct SectionBar {
    float x;
    float y;
    float area;     // in^2
    float diameter; // in
};

struct SectionGeometry {
    std::vector<Point> outline;   // at most kMaxPoints, in order
    std::vector<SectionBar> bars; // at most kMaxBars
    Point reference{};            // moments are taken about it and the section turns about it
    float grossArea = 0;          // in^2, of the outline
    float extentX = 0;            // in, the outline's width and height
    float extentY = 0;
};

struct EngineInputs {
    SectionGeometry section;
    Materials materials;
    Confinement confinement = Confinement::Tied;
    const DesignCodeRules* code = nullptr; // never null in inputs the engine is given
    // A slender member's data: each load is then checked on its magnified moments.
    std::optional<MemberSlenderness> slenderness;
};

} // namespace pmsect
