// What the data grids of the load table and the three editors share: column descriptions,
// reading a typed cell, and storing a value cut to two decimals as the grid shows it.
#pragma once

#include "building/input_limits.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

struct GridColumn {
    std::string caption;
    double widthShare = 0; // of the grid's width
    bool editable = false;
    bool centred = true;
};

// A typed cell: blank text leaves the cell empty (it then reads as 0), a number is taken, and
// anything else is refused so that the cell keeps what it held.
struct CellText {
    bool accepted = false;
    std::optional<double> value;
};
CellText readCellText(std::string_view text);

// The refusal of a typed cell of kind shownAs whose value, as the model stores it, lies outside
// the column's range, the range in the display unit: "Pu must lie between -1,000,000 and
// 1,000,000 k". Nothing when it lies within, or the cell is blank.
std::optional<std::string> cellRangeRefusal(const CellText& cell, std::string_view column,
                                            InputQuantity range, const DisplayUnits& u,
                                            Quantity shownAs);

// The value of a cell that may be empty.
inline double cellValue(const std::optional<float>& cell) {
    return cell ? static_cast<double>(*cell) : 0.0;
}
inline int cellValue(const std::optional<int>& cell) {
    return cell ? *cell : 0;
}

// The value as the grid stores it from its "##,##0.00" text: rounded to two decimals. A value
// that rounds to zero is stored as 0, never as -0.
float twoDecimalCell(double value);

// The text a real cell shows: "##,##0.00", or nothing for an empty cell.
std::string realCellText(const std::optional<float>& cell);
// Plain digits for an integer cell, or nothing for an empty cell.
std::string integerCellText(const std::optional<int>& cell);

// A typed number for an integer column: nearest whole number, halves to even.
int integerCell(double value);

// Removes the current row (0-based) of a grid; the row that moves into its place becomes
// current, or the new last row. Nothing happens to an empty grid.
template <class Row> void eraseCurrentRow(std::vector<Row>& rows, int& current) {
    if (rows.empty()) {
        return;
    }
    const int last = static_cast<int>(rows.size()) - 1;
    const int at = std::clamp(current, 0, last);
    rows.erase(rows.begin() + at);
    current = std::clamp(at, 0, std::max(0, last - 1));
}

// Makes index the current row when the grid has such a row.
template <class Row> void selectGridRow(const std::vector<Row>& rows, int& current, int index) {
    if (index >= 0 && index < static_cast<int>(rows.size())) {
        current = index;
    }
}

} // namespace pmsect
