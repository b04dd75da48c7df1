// DesignWindow: the controls laid out, their events forwarded, the presenter's view painted.
#include "ui/qt/design_window.h"

#include "ui/qt/window_support.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace pmsect {
namespace {

constexpr int kColumns = 6;

} // namespace

DesignWindow::DesignWindow(DesignPresenter& presenter, QWidget* parent)
    : QWidget(parent, Qt::Window), presenter_(presenter) {
    setObjectName("frmDesign");
    auto* layout = new QVBoxLayout(this);

    auto* ranges = new QGridLayout;
    const struct {
        DesignBox box;
        const char* name;
        const char* caption;
        int row;
        int column;
    } boxes[] = {{DesignBox::SmallestSize, "txtSizeFrom", "Bar sizes from #", 0, 0},
                 {DesignBox::LargestSize, "txtSizeTo", "to #", 0, 2},
                 {DesignBox::LeastSteel, "txtRhoFrom", "Steel ratio from (%)", 1, 0},
                 {DesignBox::MostSteel, "txtRhoTo", "to (%)", 1, 2}};
    for (const auto& b : boxes) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(b.name);
        edit->setMaximumWidth(70);
        const DesignBox which = b.box;
        connect(edit, &QLineEdit::textEdited, this, [this, which](const QString& text) {
            presenter_.onBoxChanged(which, text.toStdString());
        });
        ranges->addWidget(new QLabel(b.caption, this), b.row, b.column);
        ranges->addWidget(edit, b.row, b.column + 1);
        boxes_[static_cast<std::size_t>(which)] = edit;
    }
    ranges->setColumnStretch(4, 1);
    layout->addLayout(ranges);

    layoutLine_ = new QLabel(this);
    layoutLine_->setObjectName("lblDesignLayout");
    layoutLine_->setWordWrap(true);
    loadsLine_ = new QLabel(this);
    loadsLine_->setObjectName("lblDesignLoads");
    loadsLine_->setWordWrap(true);
    layout->addWidget(layoutLine_);
    layout->addWidget(loadsLine_);

    auto* run = new QHBoxLayout;
    design_ = new QPushButton("&Design", this);
    design_->setObjectName("cmdDesign");
    progress_ = new QProgressBar(this);
    progress_->setObjectName("prgDesign");
    run->addWidget(design_);
    run->addWidget(progress_, 1);
    layout->addLayout(run);
    connect(design_, &QPushButton::clicked, this, [this] {
        design_->setEnabled(false);
        presenter_.runDesign();
        render();
    });
    // The search reports on this thread; the bar is repainted between candidates.
    presenter_.setProgressListener([this] {
        const DesignView& v = presenter_.view();
        progress_->setMaximum(static_cast<int>(v.progressTotal));
        progress_->setValue(static_cast<int>(v.progress));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });

    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName("grdDesign");
    table_->setHorizontalHeaderLabels(
        {"Rank", "Arrangement", "Steel area", "Steel ratio", "Largest ratio (load)", "Note"});
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table_, 1);
    connect(table_, &QTableWidget::currentCellChanged, this, [this](int row) {
        presenter_.selectRow(row);
        apply_->setEnabled(presenter_.view().applyEnabled);
    });

    status_ = new QLabel(this);
    status_->setObjectName("lblDesignStatus");
    status_->setWordWrap(true);
    layout->addWidget(status_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    apply_ = new QPushButton("&Apply", this);
    apply_->setObjectName("cmdApply");
    auto* close = new QPushButton("&Close", this);
    close->setObjectName("cmdClose");
    buttons->addWidget(apply_);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(apply_, &QPushButton::clicked, this, [this] {
        presenter_.apply();
        render();
    });
    connect(close, &QPushButton::clicked, this, [this] {
        presenter_.close();
        render();
    });
    clickOnEscape(*this, *close);
    setMinimumSize(900, 520);
}

void DesignWindow::render() {
    const DesignView& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    for (std::size_t i = 0; i < kDesignBoxCount; ++i) {
        if (boxes_[i]->text().toStdString() != v.boxes[i]) {
            boxes_[i]->setText(qtText(v.boxes[i]));
        }
    }
    layoutLine_->setText(qtText(v.layoutLine));
    loadsLine_->setText(qtText(v.loadsLine));
    design_->setEnabled(v.designEnabled);
    progress_->setMaximum(static_cast<int>(std::max<std::size_t>(v.progressTotal, 1)));
    progress_->setValue(static_cast<int>(v.progress));
    renderTable();
    status_->setText(qtText(v.status));
    apply_->setEnabled(v.applyEnabled);
    showAs(*this, v.visible);
}

void DesignWindow::renderTable() {
    const DesignView& v = presenter_.view();
    const QSignalBlocker quiet(table_);
    table_->setRowCount(static_cast<int>(v.rows.size()));
    for (int r = 0; r < static_cast<int>(v.rows.size()); ++r) {
        const DesignRow& row = v.rows[static_cast<std::size_t>(r)];
        const std::string cells[kColumns] = {row.rank,       row.arrangement, row.steelArea,
                                             row.steelRatio, row.result,      row.note};
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem(qtText(cells[c]));
            item->setTextAlignment(c == 1 || c >= 4 ? Qt::AlignLeft | Qt::AlignVCenter
                                                    : Qt::AlignRight | Qt::AlignVCenter);
            if (!row.pass) {
                item->setForeground(Qt::red);
            }
            if (row.best) {
                QFont bold = item->font();
                bold.setBold(true);
                item->setFont(bold);
            }
            table_->setItem(r, c, item);
        }
    }
    if (v.selectedRow >= 0) {
        table_->setCurrentCell(v.selectedRow, 0);
        table_->scrollToItem(table_->item(v.selectedRow, 0), QAbstractItemView::PositionAtCenter);
    } else {
        table_->clearSelection();
    }
}

void DesignWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    presenter_.close();
    render();
}

} // namespace pmsect
