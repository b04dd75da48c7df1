// PagedDeviceSink: the page canvas and the sheet changes.
#include "ui/qt/paged_device_sink.h"

#include <QPagedPaintDevice>

namespace pmsect {

// Passes the drawing on to the page, first starting a new sheet when the last one was ended.
class PagedDeviceSink::SheetCanvas : public Canvas {
public:
    SheetCanvas(PagedDeviceSink& sink, Canvas& page) : sink_(sink), page_(page) {}

    double width() const override { return page_.width(); }
    double height() const override { return page_.height(); }
    double textHeight() const override { return page_.textHeight(); }
    double textWidth(std::string_view s) const override { return page_.textWidth(s); }

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
            sink_.device_.newPage();
        }
    }

    PagedDeviceSink& sink_;
    Canvas& page_;
};

PagedDeviceSink::PagedDeviceSink(QPagedPaintDevice& device, double dotsPerInch, const QFont& font)
    : device_(device), dotsPerInch_(dotsPerInch), font_(font) {}

PagedDeviceSink::~PagedDeviceSink() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

bool PagedDeviceSink::begin() {
    if (!painter_.begin(&device_)) {
        return false;
    }
    const QSizeF page = device_.pageLayout().paintRectPixels(static_cast<int>(dotsPerInch_)).size();
    // Lines as wide as one screen pixel would be, so the drawing looks alike on paper.
    canvas_ = std::make_unique<QPainterCanvas>(painter_, page, CanvasBackground::White, font_,
                                               dotsPerInch_ / 96.0);
    sheet_ = std::make_unique<SheetCanvas>(*this, *canvas_);
    newPagePending_ = false;
    return true;
}

Canvas& PagedDeviceSink::page() {
    return *sheet_;
}

void PagedDeviceSink::finish() {
    painter_.end();
}

} // namespace pmsect
