// A picture area that repaints itself from a drawing callback on the program's Canvas.
#pragma once

#include "results/canvas.h"

#include <QImage>
#include <QWidget>
#include <functional>

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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintOn(QPainter& painter);

    Drawing drawing_;
};

} // namespace pmsect
