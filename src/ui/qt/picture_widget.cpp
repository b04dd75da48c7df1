// PictureWidget: a black picture area painted through QPainterCanvas.
#include "ui/qt/picture_widget.h"

#include "ui/qt/qpainter_canvas.h"

#include <QPainter>

namespace pmsect {

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(160, 160);
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

void PictureWidget::paintOn(QPainter& painter) {
    QPainterCanvas canvas(painter, QSizeF(size()), CanvasBackground::Black, font());
    canvas.clear();
    if (drawing_) {
        drawing_(canvas);
    }
}

} // namespace pmsect
