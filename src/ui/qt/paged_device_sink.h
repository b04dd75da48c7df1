// Printed pages on a Qt paged device, a printer or a PDF writer: a white page in the page font,
// a new sheet only once something is drawn after a page was ended, so that no empty sheet comes
// out at the end.
#pragma once

#include "ui/page_sink.h"
#include "ui/qt/qpainter_canvas.h"

#include <QPainter>
#include <memory>

class QPagedPaintDevice;

namespace pmsect {

// The point size of the report's and the calculation's fixed-pitch font.
inline constexpr double kPagePointSize = 8;

class PagedDeviceSink : public ReportPageSink {
public:
    // dotsPerInch is the device's resolution, which sets the width of the lines.
    PagedDeviceSink(QPagedPaintDevice& device, double dotsPerInch, const QFont& font);
    ~PagedDeviceSink() override;

    bool begin() override;
    Canvas& page() override;
    void endPage() override { newPagePending_ = true; }
    void finish() override;

private:
    class SheetCanvas;

    QPagedPaintDevice& device_;
    double dotsPerInch_;
    QFont font_;
    QPainter painter_;
    std::unique_ptr<QPainterCanvas> canvas_;
    std::unique_ptr<SheetCanvas> sheet_;
    bool newPagePending_ = false;
};

} // namespace pmsect
