// Where printed pages go: a printer or a PDF document. The toolkit opens its device; the program
// only draws on the page and says when a page is complete.
#pragma once

#include "results/canvas.h"

namespace pmsect {

class ReportPageSink {
public:
    virtual ~ReportPageSink() = default;
    // False when the device cannot be opened; nothing is drawn then.
    virtual bool begin() = 0;
    // The printable page, valid between begin and finish.
    virtual Canvas& page() = 0;
    // The page is complete: whatever is drawn next goes on a new sheet.
    virtual void endPage() = 0;
    virtual void finish() = 0;
};

} // namespace pmsect
