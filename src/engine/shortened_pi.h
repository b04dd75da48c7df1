// The values of pi the program has always computed with. They are short, and they pin the digits
// of every result that turns an angle, so each is kept exactly, named once, and used wherever its
// value is; a computation without such a history uses std::numbers::pi.
#pragma once

namespace pmsect {

// Degrees to radians and back: the neutral axis, load directions, bar circles and the 3D view.
inline constexpr double kShortPi = 3.1415;

// The step between the points of a round section's outline.
inline constexpr double kRoundOutlinePi = 3.14159;

} // namespace pmsect
