// Centring a window on the platform's screen.
#include "ui/screen_placement.h"

namespace pmsect {

WindowPosition centredOnScreen(Platform& platform, BusyPointer& pointer, double windowWidth,
                               double windowHeight) {
    BusyScope busy(pointer);
    const ScreenSize screen = platform.screenSize();
    return centreWindow(screen.width, screen.height, windowWidth, windowHeight);
}

} // namespace pmsect
