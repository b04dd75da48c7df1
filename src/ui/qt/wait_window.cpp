// WaitWindow: layout and painting while a task holds the event loop.
#include "ui/qt/wait_window.h"

#include "ui/qt/window_support.h"

#include <QApplication>
#include <QLabel>

namespace pmsect {

WaitWindow::WaitWindow(QWidget* parent) : QDialog(parent) {
    buildWaitFace(*this, heading_, lines_);
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
