// SteppingScrollBar: the repeat of a held arrow or trough, checked against the mouse itself.
#include "ui/qt/stepping_scroll_bar.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimerEvent>

namespace pmsect {

void SteppingScrollBar::timerEvent(QTimerEvent* event) {
    if (repeatAction() == QAbstractSlider::SliderNoAction) {
        QScrollBar::timerEvent(event);
        return;
    }
    // Under the wait window of a task (which that task's first step may have put up) the bar
    // waits; the repeat timer goes on and the next tick tries again.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && !modal->isAncestorOf(this)) {
        return;
    }
    if (!QGuiApplication::mouseButtons().testFlag(Qt::LeftButton)) {
        // The button was let go where the bar could not see it.
        const QPointF nowhere(-1, -1);
        QMouseEvent release(QEvent::MouseButtonRelease, nowhere, mapToGlobal(nowhere),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        mouseReleaseEvent(&release);
        return;
    }
    QScrollBar::timerEvent(event);
}

} // namespace pmsect
