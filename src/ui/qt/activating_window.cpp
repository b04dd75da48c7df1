// ActivatingWindow: which activations reach the presenter.
#include "ui/qt/activating_window.h"

#include <QApplication>
#include <QCloseEvent>

namespace pmsect {

ActivatingWindow::ActivatingWindow(const bool& taskRunning, QWidget* parent)
    : QWidget(parent), taskRunning_(taskRunning) {}

bool ActivatingWindow::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowDeactivate:
        lostToModal_ = QApplication::activeModalWidget() != nullptr;
        break;
    case QEvent::WindowActivate: {
        // An activation would rebuild the rows and throw away what the user typed before the
        // message; after a wait task the presenter has already redrawn.
        const bool returning = lostToModal_;
        lostToModal_ = false;
        if (!returning && !taskRunning_ && isVisible()) {
            onActivated();
        }
        break;
    }
    default:
        break;
    }
    return QWidget::event(event);
}

void ActivatingWindow::closeEvent(QCloseEvent* event) {
    // The wait window holds the program until its task ends.
    if (taskRunning_) {
        event->ignore();
        return;
    }
    event->accept();
    onClosed();
}

} // namespace pmsect
