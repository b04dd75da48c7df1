// One row of the load table: a factored load combination; what its check gives is kept apart,
// with the summary's results.
#pragma once

#include "model/load_end_moments.h"

#include <array>
#include <cstddef>

namespace pmsect {

// Columns 1..3 of one load combination; column 0 is unused so that indices read as in the
// load table: 1 Pu (kips), 2 Mux, 3 Muy (kip-ft); and the load's end moments for the moment
// magnifier. A column past 3 throws std::out_of_range.
struct LoadRow {
    std::array<float, 4> col{};
    LoadEndMoments ends;
    float& operator[](int c) { return col.at(static_cast<std::size_t>(c)); }
    float operator[](int c) const { return col.at(static_cast<std::size_t>(c)); }
};

// The load table's columns: the load's own, then its check's: 4 e (in), 5 angle (deg),
// 6 phi*Pn (kips), 7 phi*Mnx, 8 phi*Mny (kip-ft), 9 check ratio.
enum LoadColumn : int {
    kPu = 1,
    kMux = 2,
    kMuy = 3,
    kEccentricity = 4,
    kLoadAngle = 5,
    kPhiPn = 6,
    kPhiMnx = 7,
    kPhiMny = 8,
    kRatio = 9
};

} // namespace pmsect
