// A document laid out on the pages of a sink and drawn there page by page.
#pragma once

#include "results/document.h"
#include "ui/page_sink.h"

namespace pmsect {

// Lays the document out on the sink's page and font and draws every page, ending each; the
// sink must have begun. Returns the number of pages.
int printDocument(const Document& document, ReportPageSink& sink);

} // namespace pmsect
