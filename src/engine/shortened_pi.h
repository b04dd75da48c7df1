// The values of pi the program has always computed with. They are short, and they pin the digits
// of every result that turns an angle, so each is kept exactly, named once, and used wherever its
// value is; a computation without such a history uses std::numbers::pi.
#pragma once

namespace pmsect {

// Degrees to radians and back: the neutral axis, load directions and the 3D view. (Whole quarter
// turns of the neutral axis are made exactly; bars on a circle and the round outline use the true
// pi, since the layout is stored and a shortened one left them unevenly spaced.)
inline constexpr double kShortPi = 3.1415;

} // namespace pmsect
