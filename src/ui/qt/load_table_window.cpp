// LoadTableWindow: the Import and Export buttons and the paste shortcut over the grid window.
#include "ui/qt/load_table_window.h"

#include "ui/qt/grid_table_view.h"
#include "ui/qt/window_support.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmsect {
namespace {

// The grid binding with what only the load table has: failing checks and Cancel.
GridBinding loadTableBinding(LoadTablePresenter& presenter) {
    GridBinding binding =
        bindGrid(presenter, &LoadTablePresenter::addLoad, &LoadTablePresenter::deleteLoad);
    binding.cellFails = [&presenter](int r, int c) { return presenter.cellFails(r, c); };
    binding.cancel = [&presenter] { presenter.cancel(); };
    binding.rowCount = [&presenter] { return static_cast<int>(presenter.view().shown.size()); };
    const auto texts = binding.texts;
    binding.texts = [texts, &presenter] {
        GridWindowTexts t = texts();
        t.cancel = presenter.view().cancelCaption;
        return t;
    };
    return binding;
}

} // namespace

LoadTableWindow::LoadTableWindow(LoadTablePresenter& presenter, const bool& taskRunning,
                                 QWidget* parent)
    : GridWindow(loadTableBinding(presenter),
                 GridWindowNames{"frmLoads", "grdLoads", "cmdAddLoad", "cmdDelLoad", "cmdUpdate",
                                 "cmdDone", "cmdCancel"},
                 taskRunning, parent),
      presenter_(presenter) {
    auto* files = new QHBoxLayout;
    import_ = new QPushButton(this);
    import_->setObjectName("cmdImport");
    export_ = new QPushButton(this);
    export_->setObjectName("cmdExport");
    sorted_ = new QCheckBox(this);
    sorted_->setObjectName("chkSortByRatio");
    failingOnly_ = new QCheckBox(this);
    failingOnly_->setObjectName("chkFailingOnly");
    files->addWidget(import_);
    files->addWidget(export_);
    files->addWidget(sorted_);
    files->addWidget(failingOnly_);
    files->addStretch(1);
    extraArea().addLayout(files);
    auto* checks = new QHBoxLayout;
    progress_ = new QProgressBar(this);
    progress_->setObjectName("prgLoadChecks");
    stop_ = new QPushButton(this);
    stop_->setObjectName("cmdStopChecks");
    checks->addWidget(progress_, 1);
    checks->addWidget(stop_);
    extraArea().addLayout(checks);
    verdict_ = new QLabel(this);
    verdict_->setObjectName("lblLoadVerdict");
    verdict_->setWordWrap(true);
    extraArea().addWidget(verdict_);
    connect(sorted_, &QCheckBox::clicked, this,
            [this](bool on) { run([this, on] { presenter_.setSortedByRatio(on); }); });
    connect(failingOnly_, &QCheckBox::clicked, this,
            [this](bool on) { run([this, on] { presenter_.setFailingOnly(on); }); });
    // Stopping is allowed while the checks run: that is when it is wanted.
    connect(stop_, &QPushButton::clicked, this, [this] {
        presenter_.stopChecks();
        renderChecks();
    });
    connect(import_, &QPushButton::clicked, this,
            [this] { run([this] { presenter_.importLoads(); }); });
    connect(export_, &QPushButton::clicked, this,
            [this] { run([this] { presenter_.exportLoads(); }); });

    // Rows copied from a spreadsheet arrive as tab-separated text.
    connect(&grid(), &GridTableView::pasteRequested, this, [this](const QString& text) {
        const std::string rows = text.toStdString();
        run([this, rows] { presenter_.paste(rows); });
    });
}

void LoadTableWindow::render() {
    const LoadTableView& v = presenter_.view();
    import_->setText(qtText(v.importCaption));
    export_->setText(qtText(v.exportCaption));
    sorted_->setText(qtText(v.sortCaption));
    sorted_->setChecked(v.sortedByRatio);
    failingOnly_->setText(qtText(v.failingCaption));
    failingOnly_->setChecked(v.failingOnly);
    stop_->setText(qtText(v.stopCaption));
    renderProgress();
    GridWindow::render();
}

void LoadTableWindow::renderProgress() {
    const LoadTableView& v = presenter_.view();
    verdict_->setText(qtText(v.verdict));
    progress_->setVisible(v.checks.running());
    stop_->setVisible(v.checks.running());
    progress_->setMaximum(static_cast<int>(v.checks.total));
    progress_->setValue(static_cast<int>(v.checks.checked));
}

void LoadTableWindow::renderChecks() {
    if (!isVisible()) {
        return;
    }
    renderProgress();
    GridTableModel& cells = grid().gridModel();
    if (cells.rowCount() != static_cast<int>(presenter_.view().shown.size())) {
        GridWindow::render(); // the filter took rows in or out
        return;
    }
    cells.refreshCells();
}

} // namespace pmsect
