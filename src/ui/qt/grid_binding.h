// What a grid window needs from its presenter, as plain callbacks: the columns and cells of its
// row table, cell editing, the current row, the window's texts and its four buttons. One binding
// serves the load table and the three editors alike.
#pragma once

#include "ui/grid_cells.h"

#include <functional>
#include <string>
#include <string_view>

namespace pmsect {

struct GridWindowTexts {
    std::string caption;
    std::string add;
    std::string remove;
    std::string update;
    std::string done;
    std::string cancel; // empty for a window without Cancel
};

struct GridBinding {
    // The row table.
    std::function<int()> columnCount;
    std::function<GridColumn(int column)> column;
    std::function<int()> rowCount;
    std::function<std::string(int row, int column)> cellText;
    // A cell shown in red as failing; may be left empty.
    std::function<bool(int row, int column)> cellFails;
    // False when the presenter refused the text (it has said why).
    std::function<bool(int row, int column, std::string_view text)> editCell;
    std::function<int()> currentRow;
    std::function<void(int row)> selectRow;

    // The window.
    std::function<GridWindowTexts()> texts;
    std::function<bool()> visible;
    std::function<void()> activate;
    std::function<void()> add;
    std::function<void()> remove;
    std::function<void()> update;
    std::function<void()> done;
    std::function<void()> close;
    // Cancel and Escape; a window without them leaves it empty.
    std::function<void()> cancel;
};

// The binding of any of the grid presenters, which share their view's shape; add and remove
// are its Add and Delete commands.
template <class Presenter>
GridBinding bindGrid(Presenter& p, void (Presenter::*add)(), void (Presenter::*remove)()) {
    GridBinding b;
    b.columnCount = [&p] { return static_cast<int>(p.view().columns.size()); };
    b.column = [&p](int c) { return p.view().columns[static_cast<std::size_t>(c)]; };
    b.rowCount = [&p] { return static_cast<int>(p.view().rows.size()); };
    b.cellText = [&p](int r, int c) { return p.cellText(r, c); };
    b.editCell = [&p](int r, int c, std::string_view text) { return p.editCell(r, c, text); };
    b.currentRow = [&p] { return p.view().currentRow; };
    b.selectRow = [&p](int r) { p.selectRow(r); };
    b.texts = [&p] {
        const auto& v = p.view();
        return GridWindowTexts{v.caption,       v.addCaption,  v.deleteCaption,
                               v.updateCaption, v.doneCaption, std::string()};
    };
    b.visible = [&p] { return p.view().visible; };
    b.activate = [&p] { p.activate(); };
    b.add = [&p, add] { (p.*add)(); };
    b.remove = [&p, remove] { (p.*remove)(); };
    b.update = [&p] { p.update(); };
    b.done = [&p] { p.done(); };
    b.close = [&p] { p.close(); };
    return b;
}

} // namespace pmsect
