// A presenter's row table as a Qt table model: captions, centred cells, read-only columns, and
// typed text handed to the presenter, which may refuse it.
#pragma once

#include "ui/qt/grid_binding.h"

#include <QAbstractTableModel>

namespace pmsect {

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridTableModel(const GridBinding& binding, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The text goes to the presenter; false when it was refused, and the cell keeps its value.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // The presenter's rows may all have changed (a command, an activation).
    void refresh();
    // The same rows with new texts: the views repaint them, and a cell being typed in stays.
    void refreshCells();

private:
    const GridBinding& binding_;
    // The presenter's refusal message takes the focus from the cell editor, which would hand
    // the same text over a second time.
    bool editing_ = false;
};

} // namespace pmsect
