// The counted busy pointer shared by every window, and where a window is placed on the screen.
#pragma once

#include "ui/platform.h"

#include <cstdint>

namespace pmsect {

inline constexpr int kPointerNormal = 0;
inline constexpr int kPointerBusy = 11;

// Nested busy requests: the pointer stays busy until every busy request has had its normal one.
class BusyPointer {
public:
    explicit BusyPointer(Platform& platform) : platform_(platform) {}

    // 11 adds a busy request, 0 removes one (never below none); any other code is a pointer
    // shape of its own, shown at once without touching the count. The platform knows only the
    // busy and the normal pointer, so such a shape shows as the normal one.
    void setPointer(int code);

    int16_t busyCount() const { return busyCount_; }

private:
    Platform& platform_;
    int16_t busyCount_ = 0;
};

// Busy for the lifetime of the object, also when the work in between throws.
class BusyScope {
public:
    explicit BusyScope(BusyPointer& pointer) : pointer_(pointer) {
        pointer_.setPointer(kPointerBusy);
    }
    ~BusyScope() { pointer_.setPointer(kPointerNormal); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyPointer& pointer_;
};

struct WindowPosition {
    int left = 0;
    int top = 0;
};

// Centres a window across the screen and a little above the middle: the top is worked out on
// 0.85 of the screen height. Sizes are rounded to whole units (halves to even) and halved with
// integer division; a window taller than that part of the screen gets a negative top.
WindowPosition centreWindow(double screenWidth, double screenHeight, double windowWidth,
                            double windowHeight);

} // namespace pmsect
