// The control points of an interaction diagram at one bending direction: the concentric limits,
// the design cap and the points where the extreme tension bar reaches a chosen strain (fs = 0,
// fs = 0.5 fy, balanced, the tension-controlled limit of the edition in force), and pure
// bending. They are what an engineer reads off a diagram to check it by hand.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "engine/engine_inputs.h"

#include <array>
#include <optional>

namespace pmsect {

enum class ControlPointKind {
    Compression,       // Po, concentric
    PhiPnMax,          // the design cap phi*Pn(max)
    Fs0,               // stress zero at the extreme tension bar
    FsHalfFy,          // fs = 0.5 fy in tension there
    Balanced,          // eps_t = fy/Es, whatever the edition
    TensionControlled, // eps_t at the edition's tension-controlled limit
    PureBending,       // Pn = 0
    Tension,           // To, concentric
};

inline constexpr int kControlPointCount = 8;

// Forces in kips (compression negative), moments in kip-in signed as the curve of the same
// direction signs them, eps_t positive in tension. A value that does not exist for the point
// (the depth of a concentric limit, the nominal moment of the cap) is empty.
struct ControlPoint {
    ControlPointKind kind = ControlPointKind::Compression;
    std::optional<float> c;
    std::optional<float> epsT;
    float Pn = 0;
    std::optional<float> Mn;
    float phi = 0;
    float phiPn = 0;
    float phiMn = 0;
    // The neutral axis was turned until the load line pointed along the direction asked for.
    bool found = true;
};

using ControlPoints = std::array<ControlPoint, kControlPointCount>;

// The control points at bending direction thetaDeg (as computeCurve takes it), with the
// concentric limits and the cap of `limits` (the summary's, as the curve's levels). The extreme
// tension bar is the bar farthest from the compression face for the neutral-axis angle that
// gives that direction. A section without bars has only the concentric points and the cap; the
// others are marked not found.
ControlPoints computeControlPoints(const EngineInputs& inputs, const AxialLimits& limits,
                                   float thetaDeg);

} // namespace pmsect
