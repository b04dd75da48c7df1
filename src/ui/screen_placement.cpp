// Centring a window on the platform's screen or over its owner.
#include "ui/screen_placement.h"

#include <algorithm>
#include <cmath>

namespace pmsect {

WindowPosition centredOnScreen(Platform& platform, BusyPointer& pointer, double windowWidth,
                               double windowHeight) {
    BusyScope busy(pointer);
    const ScreenSize screen = platform.screenSize();
    return centreWindow(screen.width, screen.height, windowWidth, windowHeight);
}

WindowPosition centredOver(const WindowRect& owner, double windowWidth, double windowHeight,
                           ScreenSize screen) {
    // Kept inside [0, limit - size]; a window larger than the limit starts at 0.
    const auto fit = [](double start, double size, double limit) {
        return std::max(0.0, std::min(start, limit - size));
    };
    const double left = owner.left + (owner.width - windowWidth) / 2;
    const double top = owner.top + (owner.height - windowHeight) / 2;
    return WindowPosition{static_cast<int>(std::lround(fit(left, windowWidth, screen.width))),
                          static_cast<int>(std::lround(fit(top, windowHeight, screen.height)))};
}

} // namespace pmsect
