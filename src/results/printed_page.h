// The printed report: the section drawing in its box on the first page and the report text line
// by line below it, continued on further pages when it does not fit.
#pragma once

#include "model/project_model.h"
#include "results/canvas.h"
#include "results/section_drawing.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// The fixed-pitch font the report is shown and printed in.
inline constexpr const char* kReportFontName = "Lucida Console";

// The report split at its CR LF line breaks. Every line keeps the six-blank margin that follows
// the break, so that in the fixed-pitch font the page is indented as the screen shows it.
std::vector<std::string> reportLines(std::string_view reportText);

struct PrintedLine {
    double y = 0; // top of the line
    std::string text;
};

struct PrintedPage {
    bool withSection = false; // the first page carries the section drawing
    std::vector<PrintedLine> lines;
};

// Lays the report out on pages of the given size: on the first page the text starts below the
// section box, on the others at the top; a line goes to the next page when its bottom would
// pass the page's. Blank lines at the end are dropped, so no page is left empty; a page too small
// for a single line still takes one, so the layout always ends.
std::vector<PrintedPage> layOutPrintedReport(std::string_view reportText, double pageWidth,
                                             double pageHeight, double lineHeight);

// Draws one laid-out page on a canvas the size of the printable page: the section in
// printedSectionBox and the non-blank lines in black at the left edge.
void drawPrintedPage(const ProjectModel& model, const PrintedPage& page, Canvas& canvas,
                     const SectionDrawingStyle& style = {});

// Prints one copy of the report on canvas, page after page, calling endPage after each one so
// that the printer can start a new sheet. Returns the number of pages.
int printReportCopy(const ProjectModel& model, std::string_view reportText, Canvas& canvas,
                    const std::function<void()>& endPage, const SectionDrawingStyle& style = {});

} // namespace pmsect
