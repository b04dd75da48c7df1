// The bar layout generators: the rectangle on which bar sets are laid, and the bars
// table rebuilt from rectangular bar sets or from bars equally spaced on a circle.
#pragma once

#include "engine/shortened_pi.h"
#include "model/project_model.h"

#include <cstdint>

namespace pmsect {

// What a rebuild did, so that a window can tell the user when the layout could not be laid as
// asked. The bars that are laid always follow the rules and their order.
struct BarLayoutResult {
    bool generated = false;       // false for the arbitrary-bars layout: the bars were left alone
    int64_t requested = 0;        // bars the layout asks for
    int placed = 0;               // bars written to the table (numBars)
    bool cutAtCapacity = false;   // requested > kMaxBars: only the first kMaxBars, in order, laid
    bool spacingTooSmall = false; // a set of two or more bars where fewer than two fit in a row
                                  // (p <= 1): laid one bar per layer on the axis, u = 0
    bool unknownBarSize = false;  // a bar size missing from the bar table: diameter -1 used
};

// barSetWidth/barSetHeight from the section: the rectangle itself, or for a round section the
// square inscribed in the inside of the ties plus the cover and ties again. An arbitrary section
// leaves them as they are.
void setBarSetOutline(ProjectModel& model);

// bars/numBars from barLayout 1 (bar sets) or 2 (circle); any other layout leaves the bars alone.
// At most kMaxBars bars are written, the first ones of the specified order.
BarLayoutResult rebuildBars(ProjectModel& model);

// A number of bars typed as a real becomes a count by rounding to the nearest integer with
// halves to even (7.5 -> 8, 6.5 -> 6), saturating at the limits of the 16-bit count.
int16_t barCountFromValue(double value);

} // namespace pmsect
