// Reading and writing the cells of the data grids.
#include "ui/grid_cells.h"

#include "format/number_format.h"

namespace pmsect {

namespace {
constexpr const char* kCellPattern = "##,##0.00";
} // namespace

CellText readCellText(std::string_view text) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) {
        return {true, std::nullopt};
    }
    const std::optional<double> value = parseNumber(text);
    if (!value) {
        return {false, std::nullopt};
    }
    return {true, value};
}

std::optional<std::string> cellRangeRefusal(const CellText& cell, std::string_view column,
                                            InputQuantity range, const DisplayUnits& u,
                                            Quantity shownAs) {
    if (!cell.value || withinLimit(range, static_cast<float>(typed(u, shownAs, *cell.value)))) {
        return std::nullopt;
    }
    return outOfRangeText(column, range, u, shownAs);
}

float twoDecimalCell(double value) {
    const std::optional<double> stored = parseNumber(formatNumber(value, kCellPattern));
    if (!stored || *stored == 0) {
        return 0.0f;
    }
    return static_cast<float>(*stored);
}

std::string realCellText(const std::optional<float>& cell) {
    return cell ? formatNumber(*cell, kCellPattern) : std::string();
}

std::string integerCellText(const std::optional<int>& cell) {
    return cell ? std::to_string(*cell) : std::string();
}

int integerCell(double value) {
    return roundHalfEven32(value);
}

} // namespace pmsect
