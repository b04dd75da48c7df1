// OpeningWindow: layout and Continue.
#include "ui/qt/opening_window.h"

#include "ui/qt/window_support.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pmsect {

OpeningWindow::OpeningWindow(OpeningPresenter& presenter, QWidget* parent)
    : QWidget(parent), presenter_(presenter) {
    setObjectName("frmOpening");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(36, 28, 36, 24);
    layout->setSpacing(10);

    auto* name = new QLabel("PMSECT", this);
    name->setObjectName("lblName");
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 3);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);

    auto* purpose = new QLabel(this);
    purpose->setTextFormat(Qt::PlainText);
    purpose->setText("R.C. Section Axial & Flexural Strength Analysis");
    purpose->setAlignment(Qt::AlignCenter);
    QFont larger = purpose->font();
    larger.setPointSizeF(larger.pointSizeF() * 1.4);
    purpose->setFont(larger);
    layout->addWidget(purpose);
    layout->addSpacing(12);

    version_ = new QLabel(this);
    version_->setObjectName("lblVersion");
    date_ = new QLabel(this);
    date_->setObjectName("lblDate");
    directory_ = new QLabel(this);
    directory_->setObjectName("lblDefaultDir");
    directory_->setTextFormat(Qt::PlainText);
    for (QLabel* line : {version_, date_, directory_}) {
        line->setAlignment(Qt::AlignCenter);
        layout->addWidget(line);
    }
    layout->addSpacing(12);

    auto* proceedButton = new QPushButton(this);
    proceedButton->setObjectName("cmdContinue");
    proceedButton->setDefault(true);
    connect(proceedButton, &QPushButton::clicked, this, &OpeningWindow::proceed);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(proceedButton);
    row->addStretch();
    layout->addLayout(row);
    render();
}

void OpeningWindow::render() {
    const OpeningView& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    version_->setText(qtText(v.version));
    date_->setText(qtText(v.date));
    directory_->setText(qtText(v.defaultDirectoryLine));
    findChild<QPushButton*>("cmdContinue")->setText(qtText(v.continueCaption));
    showAs(*this, v.visible);
}

void OpeningWindow::proceed() {
    if (continue_) {
        continue_();
    }
}

void OpeningWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    // Closing the window leads on just as Continue does, once.
    if (presenter_.view().visible) {
        proceed();
    }
}

} // namespace pmsect
