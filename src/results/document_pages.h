// A document laid out on pages: the header at the top of each, a rule under it, the blocks down
// the body and "Page N of M" at the foot, then drawn page by page on a canvas.
#pragma once

#include "results/canvas.h"
#include "results/document.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pmsect {

// The printable area of one page and the fixed-pitch font's line height and character width,
// in the canvas's units.
struct PageMetrics {
    double width = 0;
    double height = 0;
    double lineHeight = 0;
    double charWidth = 0;
};

PageMetrics pageMetricsOf(const Canvas& canvas);

struct PlacedText {
    double x = 0;
    double y = 0; // the top of the line
    std::string text;
};

struct PlacedBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct PlacedFigure {
    std::size_t block = 0; // the document block it draws
    PlacedBox box;
};

struct DocumentPage {
    std::vector<PlacedText> texts; // header, body and footer lines
    std::vector<double> rules;     // the y of each full-width rule
    std::vector<PlacedFigure> figures;
};

// The body runs from under the header's rule to above the footer. A paragraph wraps at the
// page's width in characters; a heading goes to the next page with what follows it when the two
// do not fit together; a table row goes to the next page, under the table's heading again, when
// it does not fit; a figure goes whole to the next page when its title and box do not fit. A page
// too small for anything still takes one item, so the layout always ends. With metrics that are
// not positive and finite everything goes on one page.
std::vector<DocumentPage> layOutDocument(const Document& document, const PageMetrics& metrics);

// Draws one laid-out page in black: its texts, its rules and its figures in their boxes.
void drawDocumentPage(const Document& document, const DocumentPage& page, Canvas& canvas);

// "Page N of M".
std::string pageNumberText(std::size_t page, std::size_t pages);

} // namespace pmsect
