// PictureWidget: a black picture area painted through QPainterCanvas.
#include "ui/qt/picture_widget.h"

#include "ui/qt/qpainter_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace pmsect {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(160, 160);
    setMouseTracking(true); // for the readout under the pointer
}

void PictureWidget::setDrawing(Drawing drawing) {
    drawing_ = std::move(drawing);
    update();
}

QImage PictureWidget::image() {
    QImage picture(size(), QImage::Format_RGB32);
    QPainter painter(&picture);
    paintOn(painter);
    return picture;
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintOn(painter);
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressedAt_ = event->position();
        emit dragStarted();
    }
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    emit pointerMoved(event->position());
    if (pressedAt_ && (event->buttons() & Qt::LeftButton)) {
        emit dragged(event->position() - *pressedAt_);
    }
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressedAt_.reset();
    }
}

void PictureWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressedAt_.reset();
        emit doubleClicked();
    }
}

void PictureWidget::wheelEvent(QWheelEvent* event) {
    // One notch of an ordinary wheel is 120 eighths of a degree.
    const double steps = event->angleDelta().y() / 120.0;
    if (steps != 0) {
        emit wheelTurned(steps);
    }
    event->accept();
}

void PictureWidget::paintOn(QPainter& painter) {
    QPainterCanvas canvas(painter, QSizeF(size()), CanvasBackground::Black, font());
    canvas.clear();
    if (drawing_) {
        drawing_(canvas);
    }
}

} // namespace pmsect
