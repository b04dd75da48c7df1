// The drawing surface of the windows and the printer: the program's Canvas painted with a
// QPainter on a widget, an image or a printer page, in the sixteen-colour palette.
#pragma once

#include "results/canvas.h"
#include "results/section_drawing.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QSizeF>

class QPainter;

namespace pmsect {

// A picture area is black like the classic picture box; paper is white.
enum class CanvasBackground { Black, White };

// The colour a palette number is painted in. On black, colour 0 is painted white; on white the
// pale colours are painted as colourOnWhite says, as the SVG export paints them.
QColor canvasColour(int colour, CanvasBackground background);

// The load markers are given in twips; on a device of so many dots per inch they are this big.
SectionDrawingStyle sectionStyleFor(double dotsPerInch);

class QPainterCanvas : public Canvas {
public:
    // size is the drawing area in the painter's coordinates; lineWidth 0 draws one device pixel.
    QPainterCanvas(QPainter& painter, QSizeF size, CanvasBackground background, const QFont& font,
                   double lineWidth = 0);

    double width() const override { return size_.width(); }
    double height() const override { return size_.height(); }
    double textHeight() const override { return lineHeight_; }
    double textWidth(std::string_view s) const override;

protected:
    void doClear() override;
    void drawLine(double x1, double y1, double x2, double y2, int colour,
                  bool continuation) override;
    void drawPoint(double x, double y, int colour) override;
    void drawCircle(double x, double y, double radius, int colour) override;
    void drawText(double x, double y, std::string_view s, int colour) override;

private:
    void usePen(int colour);

    QPainter& painter_;
    QSizeF size_;
    CanvasBackground background_;
    QFont font_;
    double lineWidth_;
    double ascent_ = 0;
    double lineHeight_ = 0;
    QFontMetricsF metrics_;
};

} // namespace pmsect
