// Pages drawn one after the other on the sink.
#include "ui/document_printing.h"

#include "results/document_pages.h"

namespace pmsect {

int printDocument(const Document& document, ReportPageSink& sink) {
    Canvas& canvas = sink.page();
    const std::vector<DocumentPage> pages = layOutDocument(document, pageMetricsOf(canvas));
    for (const DocumentPage& page : pages) {
        drawDocumentPage(document, page, canvas);
        sink.endPage();
    }
    return static_cast<int>(pages.size());
}

} // namespace pmsect
