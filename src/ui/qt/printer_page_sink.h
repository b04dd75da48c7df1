// The printed report's pages on a QPrinter: a white page in the report's font, a new sheet only
// once something is drawn after a page was ended, so that no empty sheet comes out at the end.
#pragma once

#include "ui/qt/qpainter_canvas.h"
#include "ui/report_presenter.h"

#include <QPainter>
#include <memory>

class QPrinter;

namespace pmsect {

class PrinterPageSink : public ReportPageSink {
public:
    PrinterPageSink(QPrinter& printer, const QFont& font);
    ~PrinterPageSink() override;

    bool begin() override;
    Canvas& page() override;
    void endPage() override { newPagePending_ = true; }
    void finish() override;
    SectionDrawingStyle drawingStyle() const override;

private:
    class SheetCanvas;

    QPrinter& printer_;
    QFont font_;
    QPainter painter_;
    std::unique_ptr<QPainterCanvas> canvas_;
    std::unique_ptr<SheetCanvas> sheet_;
    bool newPagePending_ = false;
};

} // namespace pmsect
