// A picture area that repaints itself from a drawing callback on the program's Canvas.
#pragma once

#include "results/canvas.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <optional>

namespace pmsect {

class PictureWidget : public QWidget {
    Q_OBJECT
public:
    using Drawing = std::function<void(Canvas& canvas)>;

    explicit PictureWidget(QWidget* parent = nullptr);

    // The drawing is called on every repaint with a canvas the size of the widget.
    void setDrawing(Drawing drawing);
    // The picture as it would be painted now.
    QImage image();

signals:
    // The pointer moved over the picture, with or without a button held.
    void pointerMoved(QPointF at);
    // The left button went down: a drag may follow.
    void dragStarted();
    // The left button is held and the pointer has moved by offset since it went down.
    void dragged(QPointF offset);
    // The wheel turned by steps notches, positive away from the user.
    void wheelTurned(double steps);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void paintOn(QPainter& painter);

    Drawing drawing_;
    std::optional<QPointF> pressedAt_; // where the left button went down
};

} // namespace pmsect
