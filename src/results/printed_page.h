// The printed report: a header block on every page, the report text line by line, and after it
// the section drawing, the 2D diagram with its control points and the 3D view.
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

// The block at the top of every printed page.
struct PrintedHeader {
    std::string title;
    std::string engineer;
    std::string date;
    std::string fileName;
};

// "Project: ...", "Engineer: ...", "Date: ...    File: ..."; a file never saved is "(not saved)".
std::vector<std::string> printedHeaderLines(const PrintedHeader& header);

// The pictures printed after the text. A drawing that is empty leaves its figure out.
struct PrintedFigures {
    std::string diagramCaption;             // what the 2D diagram shows
    std::function<void(Canvas&)> diagram;   // draws it on a canvas the size of its box
    std::vector<std::string> controlPoints; // the table printed under it
    std::function<void(Canvas&)> surface;   // the 3D view
};

enum class PrintedFigure { Section, Diagram, Surface };

struct PrintedPicture {
    PrintedFigure figure = PrintedFigure::Section;
    PictureBox box;
};

struct PrintedPage {
    std::vector<PrintedLine> lines; // the header, then text, captions and tables
    std::vector<PrintedPicture> pictures;
};

// Lays the report out on pages of the given size. Every page starts with the header block (its
// lines and a rule under them); the text follows line by line, a line going to the next page when
// its bottom would pass the page's; then, in this order, the section drawing, the 2D diagram with
// its control-point table and the 3D view, each with its caption, continuing on the page the text
// ended on when it fits there and on a new page otherwise. Blank lines at the end of the text are
// dropped, so no page is left empty; a page too small for a single line still takes one, so the
// layout always ends.
std::vector<PrintedPage> layOutPrintedReport(std::string_view reportText,
                                             const PrintedHeader& header,
                                             const PrintedFigures& figures, double pageWidth,
                                             double pageHeight, double lineHeight);

// Draws one laid-out page on a canvas the size of the printable page: the non-blank lines in
// black at the left edge, the rule under the header, and the pictures in their boxes.
void drawPrintedPage(const ProjectModel& model, const PrintedPage& page,
                     const PrintedFigures& figures, Canvas& canvas,
                     const SectionDrawingStyle& style = {});

// Prints one copy of the report on canvas, page after page, calling endPage after each one so
// that the printer can start a new sheet. Returns the number of pages.
int printReportCopy(const ProjectModel& model, std::string_view reportText,
                    const PrintedHeader& header, const PrintedFigures& figures, Canvas& canvas,
                    const std::function<void()>& endPage, const SectionDrawingStyle& style = {});

} // namespace pmsect
