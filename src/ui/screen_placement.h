// Where a window goes when it is first loaded: centred on the platform's screen, worked out
// under the busy pointer as every window's loading is.
#pragma once

#include "ui/busy_pointer.h"
#include "ui/platform.h"

namespace pmsect {

WindowPosition centredOnScreen(Platform& platform, BusyPointer& pointer, double windowWidth,
                               double windowHeight);

} // namespace pmsect
