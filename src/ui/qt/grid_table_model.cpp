// GridTableModel: the presenter's cells as display and edit text.
#include "ui/qt/grid_table_model.h"

#include "ui/qt/window_support.h"

#include <QColor>

namespace pmsect {

GridTableModel::GridTableModel(const GridBinding& binding, QObject* parent)
    : QAbstractTableModel(parent), binding_(binding) {}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : binding_.rowCount();
}

int GridTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : binding_.columnCount();
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return qtText(binding_.cellText(index.row(), index.column()));
    case Qt::ForegroundRole:
        if (binding_.cellFails && binding_.cellFails(index.row(), index.column())) {
            return QVariant::fromValue(QColor(Qt::red));
        }
        return {};
    case Qt::TextAlignmentRole:
        if (binding_.column(index.column()).centred) {
            return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
        }
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= binding_.columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (role == Qt::DisplayRole) {
        return qtText(binding_.column(section).caption);
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    }
    return {};
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (binding_.column(index.column()).editable) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (editing_ || role != Qt::EditRole || !index.isValid() ||
        !(flags(index) & Qt::ItemIsEditable)) {
        return false;
    }
    // The unchanged text of a cell left without typing is not a new entry.
    const QString text = value.toString();
    if (text == data(index, Qt::EditRole).toString()) {
        return true;
    }
    editing_ = true;
    const bool accepted = binding_.editCell(index.row(), index.column(), text.toStdString());
    editing_ = false;
    if (accepted) {
        emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    }
    return accepted;
}

void GridTableModel::refresh() {
    beginResetModel();
    endResetModel();
}

void GridTableModel::refreshCells() {
    if (rowCount() > 0 && columnCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

} // namespace pmsect
