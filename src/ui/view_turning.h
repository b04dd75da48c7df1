// Turning a 3D view with the mouse: a drag turns it by the distance moved, the wheel zooms, a
// double-click returns to the view a window opens with. The surface is only drawn again.
#pragma once

namespace pmsect {

// The view both 3D windows open with, as their angle boxes and labels show it.
inline constexpr double kDefaultHorizontalAngle = 45;
inline constexpr double kDefaultVerticalAngle = 30;

struct ViewTurn {
    double horizontal = kDefaultHorizontalAngle; // degrees, 0..360
    double vertical = kDefaultVerticalAngle;     // degrees, -90..90
    double zoom = 1;                             // times the fitted size
};

// A drag of (dx, dy) picture units from where the button went down, the view then being start:
// half a degree per unit, across for the horizontal angle and down for the vertical one. The
// horizontal angle goes round past 360; the vertical one stops at straight above or below.
ViewTurn turnedBy(const ViewTurn& start, double dx, double dy);

// The wheel turned by steps notches (positive away from the user: closer), each a tenth and a
// half larger, between a fifth and ten times the fitted size.
ViewTurn zoomedBy(const ViewTurn& view, double steps);

} // namespace pmsect
