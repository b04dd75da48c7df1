// Sections no strength can be computed for: an outline of fewer than three corners, without
// area or crossing itself, and bars whose centres lie outside the outline. The readers and the
// editors name the row at fault in their own words (a file line, a JSON pointer, a grid row).
#pragma once

#include "model/project_model.h"

#include <optional>
#include <string>

namespace pmsect {

struct SectionFault {
    // 1-based row of the outline point or the bar the fault is told at; 0 for the whole outline.
    int row = 0;
    bool inBars = false; // row is a bar, not an outline point
    std::string reason;  // "the outline crosses itself: edge 2-3 meets edge 4-5"
};

// The first fault of the outline (points 1..numPoints), or nothing when it is a simple polygon
// with area. Repeated consecutive points are allowed: they add an edge of no length.
std::optional<SectionFault> outlineFault(const ProjectModel& model);

// The first bar (1..numBars) whose centre lies outside the outline, boundary included as inside.
std::optional<SectionFault> barOutsideFault(const ProjectModel& model);

// The outline's fault, else the bars'.
std::optional<SectionFault> sectionFault(const ProjectModel& model);

} // namespace pmsect
