// What the moment magnifier needs to know of the member beyond its section, for bending about x
// and about y: its unbraced length, its effective length factors, whether its storey sways, and
// for a sway storey what gives its magnifier; and the choice of effective stiffness.
#pragma once

#include <optional>

namespace pmsect {

struct AxisMember {
    float lu = 0;      // unbraced length, in
    float k = 1;       // effective length factor, braced
    bool sway = false; // the storey is not braced against sidesway about this axis
    // Only for a sway storey: its k, and one of the storey's sums, its stability index Q or the
    // magnifier itself; betaDs for the sway stiffness.
    float kSway = 1;
    std::optional<float> sumPu; // kips
    std::optional<float> sumPc; // kips
    std::optional<float> Q;
    std::optional<float> deltaS;
    float betaDs = 0;
    bool operator==(const AxisMember&) const = default;
};

// ACI 318-19 6.6.4.4.4 (a) 0.4 Ec Ig, (b) 0.2 Ec Ig + Es Ise, each over (1 + beta_dns), or an EI
// the engineer gives (kip-in^2).
enum class StiffnessChoice { ConcreteOnly, WithBars, Given };

struct SlendernessData {
    AxisMember x; // bending about x
    AxisMember y;
    StiffnessChoice stiffness = StiffnessChoice::ConcreteOnly;
    float givenEI = 0; // kip-in^2, with StiffnessChoice::Given
    float betaDns = 0; // for loads that give no sustained axial force
    bool operator==(const SlendernessData&) const = default;
};

} // namespace pmsect
