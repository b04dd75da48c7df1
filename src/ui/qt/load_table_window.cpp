// LoadTableWindow: the Import and Export buttons and the paste shortcut over the grid window.
#include "ui/qt/load_table_window.h"

#include "ui/qt/grid_table_view.h"
#include "ui/qt/window_support.h"

#include <QHBoxLayout>
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
    files->addWidget(import_);
    files->addWidget(export_);
    files->addStretch(1);
    extraArea().addLayout(files);
    verdict_ = new QLabel(this);
    verdict_->setObjectName("lblLoadVerdict");
    extraArea().addWidget(verdict_);
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
    import_->setText(qtText(presenter_.view().importCaption));
    export_->setText(qtText(presenter_.view().exportCaption));
    verdict_->setText(qtText(presenter_.view().verdict));
    GridWindow::render();
}

} // namespace pmsect
