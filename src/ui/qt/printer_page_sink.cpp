// PrinterPageSink: the page canvas and the sheet changes.
#include "ui/qt/printer_page_sink.h"

#include <QPrinter>

namespace pmsect {

// Passes the drawing on to the page, first starting a new sheet when the last one was ended.
class PrinterPageSink::SheetCanvas : public Canvas {
public:
    SheetCanvas(PrinterPageSink& sink, Canvas& page) : sink_(sink), page_(page) {}

    double width() const override { return page_.width(); }
    double height() const override { return page_.height(); }
    double textHeight() const override { return page_.textHeight(); }

protected:
    void doClear() override {
        sheet();
        page_.clear();
    }
    void drawLine(double x1, double y1, double x2, double y2, int colour, bool) override {
        sheet();
        page_.line(x1, y1, x2, y2, colour);
    }
    void drawPoint(double x, double y, int colour) override {
        sheet();
        page_.point(x, y, colour);
    }
    void drawCircle(double x, double y, double radius, int colour) override {
        sheet();
        page_.circle(x, y, radius, colour);
    }
    void drawText(double x, double y, std::string_view s, int colour) override {
        sheet();
        page_.text(x, y, s, colour);
    }

private:
    void sheet() {
        if (sink_.newPagePending_) {
            sink_.newPagePending_ = false;
            sink_.printer_.newPage();
        }
    }

    PrinterPageSink& sink_;
    Canvas& page_;
};

PrinterPageSink::PrinterPageSink(QPrinter& printer, const QFont& font)
    : printer_(printer), font_(font) {}

PrinterPageSink::~PrinterPageSink() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool PrinterPageSink::begin() {
    if (!painter_.begin(&printer_)) {
        return false;
    }
    const double dpi = printer_.resolution();
    const QSizeF page = printer_.pageLayout().paintRectPixels(printer_.resolution()).size();
    // Lines as wide as one screen pixel would be, so the drawing looks alike on paper.
    canvas_ = std::make_unique<QPainterCanvas>(painter_, page, CanvasBackground::White, font_,
                                               dpi / 96.0);
    sheet_ = std::make_unique<SheetCanvas>(*this, *canvas_);
    newPagePending_ = false;
    return true;
}

Canvas& PrinterPageSink::page() {
    return *sheet_;
}

SectionDrawingStyle PrinterPageSink::drawingStyle() const {
    return sectionStyleFor(printer_.resolution());
}

void PrinterPageSink::finish() {
    painter_.end();
}

} // namespace pmsect
