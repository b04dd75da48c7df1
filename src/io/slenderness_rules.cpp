// The ranges a member's data must lie in: lengths and factors an engineer can mean.
#include "io/slenderness_rules.h"

#include "format/number_format.h"

namespace pmsect {
namespace {

// 1,000 ft: longer than any storey; effective length factors up to 10 (a sway cantilever with a
// flexible base stays below it).
constexpr float kMaxLength = 12000;
constexpr float kMaxLengthFactor = 10;
constexpr float kMaxStoreyLoad = 1e9f;
constexpr float kMaxSwayMagnifier = 100;

std::string range(float low, float high) {
    return "lies outside " + formatNumber(low, "#,##0.###") + " to " +
           formatNumber(high, "#,##0.###");
}

std::optional<SlendernessFault> axisFault(char axis, const AxisMember& a) {
    const auto fault = [axis](AxisField field, std::string reason) {
        return SlendernessFault{axis, std::string(kAxisFieldNames[field]), std::move(reason)};
    };
    if (!(a.lu >= 0 && a.lu <= kMaxLength)) {
        return fault(kAxisLu, range(0, kMaxLength));
    }
    if (!(a.k > 0 && a.k <= kMaxLengthFactor)) {
        return fault(kAxisK, "must be above 0 and at most 10");
    }
    if (!a.sway) {
        return std::nullopt;
    }
    if (!(a.kSway > 0 && a.kSway <= kMaxLengthFactor)) {
        return fault(kAxisKSway, "must be above 0 and at most 10");
    }
    if (a.sumPu && !(*a.sumPu >= 0 && *a.sumPu <= kMaxStoreyLoad)) {
        return fault(kAxisSumPu, range(0, kMaxStoreyLoad));
    }
    if (a.sumPc && !(*a.sumPc > 0 && *a.sumPc <= kMaxStoreyLoad)) {
        return fault(kAxisSumPc, "must be above 0 and at most 1,000,000,000");
    }
    if (a.sumPu.has_value() != a.sumPc.has_value()) {
        return fault(a.sumPu ? kAxisSumPc : kAxisSumPu, "is needed with the storey's other sum");
    }
    if (a.Q && !(*a.Q >= 0 && *a.Q < 1)) {
        return fault(kAxisQ, "must be at least 0 and below 1");
    }
    if (a.deltaS && !(*a.deltaS >= 1 && *a.deltaS <= kMaxSwayMagnifier)) {
        return fault(kAxisDeltaS, range(1, kMaxSwayMagnifier));
    }
    if (!(a.betaDs >= 0 && a.betaDs <= 1)) {
        return fault(kAxisBetaDs, range(0, 1));
    }
    if (!a.sumPu && !a.Q && !a.deltaS) {
        return fault(kAxisSway,
                     "a sway axis needs the storey's sumPu_kip and sumPc_kip, its Q or deltaS");
    }
    return std::nullopt;
}

} // namespace

std::optional<SlendernessFault> slendernessFault(const SlendernessData& data) {
    if (auto fault = axisFault('x', data.x)) {
        return fault;
    }
    if (auto fault = axisFault('y', data.y)) {
        return fault;
    }
    if (data.stiffness == StiffnessChoice::Given && !(data.givenEI > 0 && data.givenEI < 1e15f)) {
        return SlendernessFault{{}, "EI", "a given EI must be above 0 kip-in^2"};
    }
    if (!(data.betaDns >= 0 && data.betaDns <= 1)) {
        return SlendernessFault{{}, "betaDns", range(0, 1)};
    }
    return std::nullopt;
}

} // namespace pmsect
