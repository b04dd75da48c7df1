// One row of the load table: a factored load combination and what its check gives.
#pragma once

#include "model/load_end_moments.h"

#include <array>
#include <cstddef>

namespace pmsect {

// Columns 1..9 of one load combination; column 0 is unused so that indices read as in the
// load table: 1 Pu (kips), 2 Mux, 3 Muy (kip-ft), 4 e (in), 5 angle (deg), 6 phi*Pn (kips),
// 7 phi*Mnx, 8 phi*Mny (kip-ft), 9 check ratio; and the load's end moments for the moment
// magnifier.
struct LoadRow {
    std::array<float, 10> col{};
    LoadEndMoments ends;
    float& operator[](int c) { return col[static_cast<std::size_t>(c)]; }
    float operator[](int c) const { return col[static_cast<std::size_t>(c)]; }
};

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

// A load row whose capacity could not be established on its own load line: the check then
// counts as failing and shows no ratio.
struct LoadStatus {
    bool capacityFound = true;
    // The row's check has not run yet (it runs in the background, or was stopped): its result
    // columns are empty and it counts neither as passing nor as failing.
    bool pending = false;
};

} // namespace pmsect
