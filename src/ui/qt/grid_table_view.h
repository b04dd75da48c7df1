// The data grid of the load table and the editors: column widths as shares of the grid's width,
// the presenter's current row following the selection, and a typed cell handed over before a
// button acts on the rows; Paste (Ctrl+V) is offered to the window as the clipboard's text.
#pragma once

#include "ui/qt/grid_binding.h"
#include "ui/qt/grid_table_model.h"

#include <QTableView>

namespace pmsect {

class GridTableView : public QTableView {
    Q_OBJECT
public:
    GridTableView(const GridBinding& binding, QWidget* parent = nullptr);

    GridTableModel& gridModel() { return *model_; }

    // The rows again from the presenter, with its current row selected.
    void refresh();
    // A cell still being typed in is handed to the presenter now.
    void finishEditing();

signals:
    void pasteRequested(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void applyColumnWidths();

    const GridBinding& binding_;
    GridTableModel* model_;
    bool refreshing_ = false;
};

} // namespace pmsect
