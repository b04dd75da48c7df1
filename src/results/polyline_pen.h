// A pen for polylines with gaps: a missing vertex lifts the pen, so the next one starts a new
// piece instead of bridging the gap.
#pragma once

#include "results/canvas.h"

namespace pmsect {

class PolylinePen {
public:
    PolylinePen(Canvas& canvas, int colour) : canvas_(canvas), colour_(colour) {}

    void to(double x, double y) {
        if (down_) {
            canvas_.lineTo(x, y, colour_);
        } else {
            canvas_.moveTo(x, y);
            down_ = true;
        }
    }
    void lift() { down_ = false; }

private:
    Canvas& canvas_;
    int colour_;
    bool down_ = false;
};

} // namespace pmsect
