// WaitWindow: layout and painting while a task holds the event loop.
#include "ui/qt/wait_window.h"

#include "ui/qt/window_support.h"

#include <QCoreApplication>
#include <QLabel>

namespace pmsect {

WaitWindow::WaitWindow(QWidget* parent) : QDialog(parent) {
    buildWaitFace(*this, heading_, lines_);
}

void WaitWindow::render(const WaitView& view) {
    setWindowTitle(qtText(view.caption));
    heading_->setText(qtText(view.heading));
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        // A new style sheet is costly; the colour changes only when a task starts or ends.
        if (colours_[i] != view.lineColours[i]) {
            colours_[i] = view.lineColours[i];
            showColouredText(*lines_[i], view.lines[i], view.lineColours[i]);
        } else {
            lines_[i]->setText(qtText(view.lines[i]));
        }
    }
    if (view.shown && !isVisible()) {
        show();
    } else if (!view.shown && isVisible()) {
        hide();
    }
    if (isVisible()) {
        // User input waits until the task has ended; the painting of the lines does not.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

} // namespace pmsect
