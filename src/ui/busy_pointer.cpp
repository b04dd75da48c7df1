// The counted busy pointer and window centring.
#include "ui/busy_pointer.h"

#include "format/number_format.h"

namespace pmsect {

void BusyPointer::setPointer(int code) {
    if (code == kPointerBusy) {
        if (busyCount_ < INT16_MAX) {
            ++busyCount_;
        }
    } else if (code == kPointerNormal) {
        if (busyCount_ > 0) {
            --busyCount_;
        }
    } else {
        platform_.showBusyPointer(false);
        return;
    }
    platform_.showBusyPointer(busyCount_ >= 1);
}

WindowPosition centreWindow(double screenWidth, double screenHeight, double windowWidth,
                            double windowHeight) {
    WindowPosition p;
    p.top = roundHalfEven32(screenHeight * 0.85) / 2 - roundHalfEven32(windowHeight) / 2;
    p.left = roundHalfEven32(screenWidth) / 2 - roundHalfEven32(windowWidth) / 2;
    return p;
}

} // namespace pmsect
