// Pagination and drawing of the printed report.
#include "results/printed_page.h"

#include <cmath>

namespace pmsect {
namespace {

bool isBlank(const std::string& line) {
    return line.find_first_not_of(' ') == std::string::npos;
}

} // namespace

std::vector<std::string> reportLines(std::string_view reportText) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (true) {
        const auto end = reportText.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(reportText.substr(start));
            break;
        }
        lines.emplace_back(reportText.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<PrintedPage> layOutPrintedReport(std::string_view reportText, double pageWidth,
                                             double pageHeight, double lineHeight) {
    std::vector<std::string> lines = reportLines(reportText);
    while (!lines.empty() && isBlank(lines.back())) {
        lines.pop_back();
    }

    std::vector<PrintedPage> pages(1);
    pages.front().withSection = true;
    const PictureBox box = printedSectionBox(pageWidth, pageHeight);
    double y = box.top + box.height;
    // Without a usable page or line height there is nothing to paginate by: one long page.
    const bool paginate =
        std::isfinite(pageHeight) && pageHeight > 0 && std::isfinite(lineHeight) && lineHeight > 0;
    const double step = (std::isfinite(lineHeight) && lineHeight > 0) ? lineHeight : 0;

    for (std::string& line : lines) {
        const bool pageHasLines = !pages.back().lines.empty();
        const bool startOfContinuation = !pages.back().withSection && !pageHasLines;
        if (paginate && y + step > pageHeight && !startOfContinuation) {
            pages.emplace_back();
            y = 0;
        }
        pages.back().lines.push_back(PrintedLine{y, std::move(line)});
        y += step;
    }
    return pages;
}

void drawPrintedPage(const ProjectModel& model, const PrintedPage& page, Canvas& canvas,
                     const SectionDrawingStyle& style) {
    if (page.withSection) {
        drawSectionInBox(model, canvas, printedSectionBox(canvas.width(), canvas.height()), style);
    }
    for (const PrintedLine& line : page.lines) {
        if (!isBlank(line.text)) {
            canvas.text(0, line.y, line.text, kBlack);
        }
    }
}

int printReportCopy(const ProjectModel& model, std::string_view reportText, Canvas& canvas,
                    const std::function<void()>& endPage, const SectionDrawingStyle& style) {
    const auto pages =
        layOutPrintedReport(reportText, canvas.width(), canvas.height(), canvas.textHeight());
    for (const PrintedPage& page : pages) {
        drawPrintedPage(model, page, canvas, style);
        if (endPage) {
            endPage();
        }
    }
    return static_cast<int>(pages.size());
}

} // namespace pmsect
