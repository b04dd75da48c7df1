// The fixed capacity of the interaction tables: a Pn-Mn curve, a contour and each direction of a
// surface hold rows 1..kMaxCurveRows (row 0 is never used).
#pragma once

namespace pmsect {

inline constexpr int kMaxCurveRows = 40;

} // namespace pmsect
