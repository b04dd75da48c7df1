// The bar-size cells of the bar and bar-set editors: only bar numbers of the bar table are taken,
// and a refusal lists them.
#pragma once

#include <optional>
#include <string>

namespace pmsect {

// Shown when a typed bar size is not in the bar table; the cell keeps what it held.
inline constexpr const char* kBarSizeRefusal = "Bar Size must be 3 to 11, 14 or 18";

// True when the cell holds a bar number of the bar table (an empty cell holds none).
bool holdsTableBarSize(const std::optional<int>& cell);

// The refusal of an Update whose row (1-based) of the named table has no table bar size:
// "Bar Size of bar set 3 must be 3 to 11, 14 or 18".
std::string barSizeRowRefusal(const std::string& rowName, int row);

} // namespace pmsect
