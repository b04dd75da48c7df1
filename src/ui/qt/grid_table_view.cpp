// GridTableView: widths, selection and the pending edit.
#include "ui/qt/grid_table_view.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QResizeEvent>
#include <cmath>

namespace pmsect {

GridTableView::GridTableView(const GridBinding& binding, QWidget* parent)
    : QTableView(parent), binding_(binding), model_(new GridTableModel(binding, this)) {
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                    QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    // The Num column numbers the rows already.
    verticalHeader()->hide();
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (!refreshing_ && current.isValid()) {
                    binding_.selectRow(current.row());
                }
            });
}

void GridTableView::refresh() {
    refreshing_ = true;
    model_->refresh();
    // The columns and the scroll bars first: a scroll bar that appears narrows the rows' room,
    // and the current row must be in sight in the room that is left.
    applyColumnWidths();
    updateGeometries();
    const int rows = model_->rowCount();
    const int current = binding_.currentRow();
    if (current >= 0 && current < rows) {
        const QModelIndex at = model_->index(current, std::min(1, model_->columnCount() - 1));
        selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect |
                                                  QItemSelectionModel::Rows);
        // A row just added is where the user types next.
        scrollTo(at);
    }
    refreshing_ = false;
}

void GridTableView::finishEditing() {
    if (state() != QAbstractItemView::EditingState) {
        return;
    }
    QWidget* editor = QApplication::focusWidget();
    if (editor == nullptr || !viewport()->isAncestorOf(editor)) {
        return;
    }
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void GridTableView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    applyColumnWidths();
}

void GridTableView::applyColumnWidths() {
    const double width = viewport()->width();
    for (int c = 0; c < model_->columnCount(); ++c) {
        // A share of the grid, but never narrower than the caption: unit labels such as
        // "kN-m" would otherwise clip it.
        const int share = static_cast<int>(std::lround(binding_.column(c).widthShare * width));
        setColumnWidth(c, std::max(share, horizontalHeader()->sectionSizeHint(c)));
    }
}

void GridTableView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested(QGuiApplication::clipboard()->text());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace pmsect
