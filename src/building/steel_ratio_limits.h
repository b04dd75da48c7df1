// The limits of the longitudinal steel ratio of a column, as a fraction of the gross area.
#pragma once

namespace pmsect {

// ACI 318-05 10.9.1 (318-14 and 318-19 10.6.1.1): between 1 % and 8 % of Ag.
inline constexpr double kLeastSteelRatio = 0.01;
inline constexpr double kGreatestSteelRatio = 0.08;

// Above 4 % the lapped bars at a splice hold twice the steel and crowd the section (the
// commentary to ACI 318-05 10.9.1 and 318-19 R10.6.1.1): the ratio a design searches up to
// unless a larger one is asked for.
inline constexpr double kSpliceFreeSteelRatio = 0.04;

} // namespace pmsect
