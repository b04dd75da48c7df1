// Bar-size cells against the bar table.
#include "ui/bar_size_cells.h"

#include "engine/bar_table.h"

namespace pmsect {

bool holdsTableBarSize(const std::optional<int>& cell) {
    return cell && findBarSize(static_cast<float>(*cell)).has_value();
}

std::string barSizeRowRefusal(const std::string& rowName, int row) {
    return "Bar Size of " + rowName + " " + std::to_string(row) + " must be " + kBarSizeChoices;
}

} // namespace pmsect
