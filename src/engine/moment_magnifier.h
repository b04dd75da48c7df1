// The moment magnifier method for one factored load on a slender member, about x and about y
// separately: every step as a value, so that the outputs can show each. The design code gives
// the formulas (engine/codes/moment_magnifier_rules.h); this strings them together.
#pragma once

#include "engine/codes/moment_magnifier_rules.h"
#include "engine/slender_member.h"
#include "model/load_end_moments.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// What the moment the section is checked on is: the end moment of a member whose slenderness
// may be neglected, or the magnified larger end moment, or the magnified minimum moment.
enum class MagnifierGoverns { NotSlender, M2, M2min };

std::string_view magnifierGovernsName(MagnifierGoverns governs); // "notSlender", "M2", "M2min"

struct AxisMagnification {
    double kluOverR = 0;
    double limit = 0; // below which slenderness may be neglected
    bool slender = false;
    double EI = 0;                 // kip-in^2
    double Pc = 0;                 // kips, with the braced k
    std::optional<double> Cm;      // only where the length is magnified
    std::optional<double> deltaNs; // nothing also when there is no stable magnifier
    std::optional<double> deltaS;  // only for a slender member of a sway storey
    double M2 = 0;                 // kip-ft, the end moment used, in its sign
    double M2min = 0;              // kip-ft
    std::optional<double> Mc;      // kip-ft, in the sign of M2; nothing when unstable
    MagnifierGoverns governs = MagnifierGoverns::NotSlender;
    // The load cannot be carried: Pu reaches 0.75 Pc, the storey is unstable, or the sway
    // magnifier cannot be found from what the project gives.
    bool noStableMagnifier = false;
    std::vector<std::string> warnings;
};

struct LoadMagnification {
    AxisMagnification x; // bending about x (Mux)
    AxisMagnification y;
    bool noStableMagnifier() const { return x.noStableMagnifier || y.noStableMagnifier; }
};

// The member's own critical load for its sway storey's sum of Pc, kips: with its sway k and EI
// taken with beta_ds in place of beta_dns (ACI 318-19 6.6.4.6.2; 318-05 10.13.4.3 with beta_d of
// a sway frame). 0 while lu is 0.
double storeyCriticalLoad(const MemberSlenderness& member, const MomentMagnifierRules& rules,
                          bool aboutX);

// Pu in kips (compression negative), Mux and Muy in kip-ft: equal end moments in single
// curvature unless ends gives them.
LoadMagnification magnifyLoad(const MemberSlenderness& member, const MomentMagnifierRules& rules,
                              float Pu, float Mux, float Muy, const LoadEndMoments& ends);

} // namespace pmsect
