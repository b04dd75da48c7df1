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

std::optional<SlendernessFault> axisFault(char axis, const AxisMember& a) {
    const auto outside = [axis](AxisField field, float value) -> std::optional<SlendernessFault> {
        const ValueRange range = axisFieldRange(field);
        if (range.holds(value)) {
            return std::nullopt;
        }
        return SlendernessFault{axis, std::string(kAxisFieldNames[field]), rangeReason(range)};
    };
    const auto fault = [axis](AxisField field, std::string reason) {
        return SlendernessFault{axis, std::string(kAxisFieldNames[field]), std::move(reason)};
    };
    if (auto refused = outside(kAxisLu, a.lu)) {
        return refused;
    }
    if (auto refused = outside(kAxisK, a.k)) {
        return refused;
    }
    if (!a.sway) {
        return std::nullopt;
    }
    if (auto refused = outside(kAxisKSway, a.kSway)) {
        return refused;
    }
    for (const auto& [field, value] : {std::pair{kAxisSumPu, a.sumPu}, {kAxisSumPc, a.sumPc}}) {
        if (value) {
            if (auto refused = outside(field, *value)) {
                return refused;
            }
        }
    }
    if (a.sumPu.has_value() != a.sumPc.has_value()) {
        return fault(a.sumPu ? kAxisSumPc : kAxisSumPu, "is needed with the storey's other sum");
    }
    for (const auto& [field, value] : {std::pair{kAxisQ, a.Q}, {kAxisDeltaS, a.deltaS}}) {
        if (value) {
            if (auto refused = outside(field, *value)) {
                return refused;
            }
        }
    }
    if (auto refused = outside(kAxisBetaDs, a.betaDs)) {
        return refused;
    }
    if (!a.sumPu && !a.Q && !a.deltaS) {
        return fault(kAxisSway,
                     "a sway axis needs the storey's sumPu_kip and sumPc_kip, its Q or deltaS");
    }
    return std::nullopt;
}

} // namespace

ValueRange axisFieldRange(AxisField field) {
    switch (field) {
    case kAxisLu:
        return {0, kMaxLength};
    case kAxisK:
    case kAxisKSway:
        return {0, kMaxLengthFactor, false, true};
    case kAxisSumPu:
        return {0, kMaxStoreyLoad};
    case kAxisSumPc:
        return {0, kMaxStoreyLoad, false, true};
    case kAxisQ:
        return {0, 1, true, false};
    case kAxisDeltaS:
        return {1, kMaxSwayMagnifier};
    case kAxisBetaDs:
    case kAxisSway:
    case kAxisFieldCount:
        break;
    }
    return {0, 1};
}

ValueRange betaDnsRange() {
    return {0, 1};
}

std::string rangeReason(const ValueRange& range) {
    return rangeReason(range, DisplayUnits{}, Quantity::Plain);
}

std::string rangeReason(const ValueRange& range, const DisplayUnits& u, Quantity shownAs) {
    const auto number = [&](float value) {
        return formatNumber(shown(u, shownAs, value), "#,##0.###");
    };
    const std::string unit = unitLabel(u, shownAs);
    const std::string suffix = unit.empty() ? std::string() : " " + unit;
    if (range.lowIncluded && range.highIncluded) {
        return "lies outside " + number(range.low) + " to " + number(range.high) + suffix;
    }
    return std::string("must be ") + (range.lowIncluded ? "at least " : "above ") +
           number(range.low) + " and " + (range.highIncluded ? "at most " : "below ") +
           number(range.high) + suffix;
}

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
    if (!betaDnsRange().holds(data.betaDns)) {
        return SlendernessFault{{}, "betaDns", rangeReason(betaDnsRange())};
    }
    return std::nullopt;
}

} // namespace pmsect
