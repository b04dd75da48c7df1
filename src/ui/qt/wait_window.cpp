// WaitWindow: layout and painting while a task holds the event loop.
#include "ui/qt/wait_window.h"

#include "ui/qt/window_support.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace pmsect {

WaitWindow::WaitWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("frmWait");
    setModal(true);
    setWindowFlag(Qt::WindowCloseButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(this);
    heading_->setObjectName("lblWait");
    QFont big = heading_->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    heading_->setFont(big);
    heading_->setAlignment(Qt::AlignCenter);
    layout->addWidget(heading_);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i] = new QLabel(this);
        lines_[i]->setObjectName(QString("lblLine%1").arg(i + 1));
        lines_[i]->setMinimumWidth(420);
        layout->addWidget(lines_[i]);
    }
}

void WaitWindow::render(const WaitView& view) {
    setWindowTitle(qtText(view.caption));
    heading_->setText(qtText(view.heading));
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        lines_[i]->setText(qtText(view.lines[i]));
    }
    if (view.shown && !isVisible()) {
        show();
    } else if (!view.shown && isVisible()) {
        hide();
    }
    if (isVisible()) {
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

} // namespace pmsect
