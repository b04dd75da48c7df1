// QPainterCanvas: palette colours, pens and text placement.
#include "ui/qt/qpainter_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace pmsect {

QColor canvasColour(int colour, CanvasBackground background) {
    int shown = colour & 15;
    if (background == CanvasBackground::White) {
        shown = colourOnWhite(shown);
    } else if (shown == kBlack) {
        shown = kBrightWhite;
    }
    const Rgb rgb = paletteRgb(shown);
    return QColor(rgb.r, rgb.g, rgb.b);
}

SectionDrawingStyle sectionStyleFor(double dotsPerInch) {
    constexpr double kTwipsPerInch = 1440;
    const SectionDrawingStyle twips;
    return {twips.loadMarkerRadius * dotsPerInch / kTwipsPerInch,
            twips.loadMarkerArm * dotsPerInch / kTwipsPerInch};
}

QPainterCanvas::QPainterCanvas(QPainter& painter, QSizeF size, CanvasBackground background,
                               const QFont& font, double lineWidth)
    : painter_(painter), size_(size), background_(background), font_(font), lineWidth_(lineWidth),
      metrics_(font_, painter_.device()) {
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setFont(font_);
    ascent_ = metrics_.ascent();
    lineHeight_ = metrics_.lineSpacing();
}

double QPainterCanvas::textWidth(std::string_view s) const {
    return metrics_.horizontalAdvance(
        QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
}

void QPainterCanvas::usePen(int colour) {
    QPen pen(canvasColour(colour, background_));
    pen.setWidthF(lineWidth_);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
}

void QPainterCanvas::doClear() {
    painter_.fillRect(QRectF(QPointF(0, 0), size_),
                      background_ == CanvasBackground::Black ? Qt::black : Qt::white);
}

void QPainterCanvas::drawLine(double x1, double y1, double x2, double y2, int colour, bool) {
    usePen(colour);
    painter_.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void QPainterCanvas::drawPoint(double x, double y, int colour) {
    usePen(colour);
    painter_.drawPoint(QPointF(x, y));
}

void QPainterCanvas::drawCircle(double x, double y, double radius, int colour) {
    usePen(colour);
    painter_.drawEllipse(QPointF(x, y), radius, radius);
}

void QPainterCanvas::drawText(double x, double y, std::string_view s, int colour) {
    usePen(colour);
    painter_.setFont(font_);
    // The canvas places text by its top left corner; Qt by the baseline.
    painter_.drawText(QPointF(x, y + ascent_),
                      QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())));
}

} // namespace pmsect
