// Where a window goes when it is first loaded: centred on the platform's screen, worked out
// under the busy pointer as every window's loading is, or centred over the window it belongs to.
#pragma once

#include "ui/busy_pointer.h"
#include "ui/platform.h"

namespace pmsect {

WindowPosition centredOnScreen(Platform& platform, BusyPointer& pointer, double windowWidth,
                               double windowHeight);

// A window's place and size on the screen, in pixels.
struct WindowRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Centres a window over its owner. It is then moved, as little as it takes, to lie inside the
// screen; a window larger than the screen keeps its top-left corner on it.
WindowPosition centredOver(const WindowRect& owner, double windowWidth, double windowHeight,
                           ScreenSize screen);

} // namespace pmsect
