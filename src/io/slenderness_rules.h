// What every reader asks of a member's slenderness data, whatever the file's form, and the names
// its fields go by in the files.
#pragma once

#include "model/slenderness_data.h"
#include "units/unit_conversion.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pmsect {

// The fields of one axis, in the order the files write them.
enum AxisField : std::size_t {
    kAxisLu,
    kAxisK,
    kAxisSway,
    kAxisKSway,
    kAxisSumPu,
    kAxisSumPc,
    kAxisQ,
    kAxisDeltaS,
    kAxisBetaDs,
    kAxisFieldCount
};

inline constexpr std::array<std::string_view, kAxisFieldCount> kAxisFieldNames = {
    "lu_in", "k", "sway", "kSway", "sumPu_kip", "sumPc_kip", "Q", "deltaS", "betaDs"};

// "a", "b": the stiffness choices by the letters of ACI 318-19 6.6.4.4.4.
inline constexpr std::array<std::string_view, 2> kStiffnessWords = {"a", "b"};

// The range a value must lie in, in the unit the model keeps it (in, kips or none); each end is
// either included or open.
struct ValueRange {
    float low = 0;
    float high = 0;
    bool lowIncluded = true;
    bool highIncluded = true;
    bool holds(float value) const {
        return (lowIncluded ? value >= low : value > low) &&
               (highIncluded ? value <= high : value < high);
    }
};

// The range of each number of an axis (kAxisSway has none) and of the project's beta_dns.
ValueRange axisFieldRange(AxisField field);
ValueRange betaDnsRange();

// The reason a value outside the range is refused, its ends as stored or shown as values of kind
// shownAs with their label: "lies outside 0 to 1,000 ft", "must be above 0 and at most 10".
std::string rangeReason(const ValueRange& range);
std::string rangeReason(const ValueRange& range, const DisplayUnits& u, Quantity shownAs);

// A fault in the data: in axis 'x' or 'y' at one of its fields, or (axis empty) at "EI" or
// "betaDns".
struct SlendernessFault {
    std::optional<char> axis;
    std::string field;
    std::string reason;
};

std::optional<SlendernessFault> slendernessFault(const SlendernessData& data);

} // namespace pmsect
