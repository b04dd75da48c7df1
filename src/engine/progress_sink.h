// The progress of a curve, contour or surface computation as numbers: the direction being
// computed and the axial force and moment of the latest point. The windows turn them into the
// wait window's lines in the display units.
#pragma once

namespace pmsect {

enum class ProgressQuantity {
    Direction,  // degrees, as the computation takes it
    AxialForce, // Pn, kips
    Moment,     // Mn, kip-in
};

class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void report(ProgressQuantity quantity, float value) = 0;
};

} // namespace pmsect
