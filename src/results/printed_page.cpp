// Pagination and drawing of the printed report.
#include "results/printed_page.h"

#include "results/canvas_region.h"

#include <algorithm>
#include <cmath>

namespace pmsect {
namespace {

constexpr int kHeaderLines = 3;
constexpr double kHeaderHeightInLines = kHeaderLines + 1; // the rule and a gap under it
constexpr double kCaptionGapInLines = 1.5;                // a caption and the space below it
constexpr double kSectionShare = 0.28; // of the page height, for the section drawing
constexpr double kDiagramShare = 0.42;
constexpr double kSurfaceShare = 0.45;

bool isBlank(const std::string& line) {
    return line.find_first_not_of(' ') == std::string::npos;
}

// Places lines and figures down the pages, starting a page (with its header) when the next item
// does not fit.
class PageFlow {
public:
    PageFlow(const std::vector<std::string>& header, double height, double lineHeight)
        : header_(header), height_(height), line_(lineHeight),
          paginate_(std::isfinite(height) && height > 0 && std::isfinite(lineHeight) &&
                    lineHeight > 0) {
        newPage();
    }

    // Room for an item of this height, on this page or the next; a page that holds nothing yet
    // takes the item whatever its height.
    void makeRoom(double itemHeight) {
        if (paginate_ && y_ + itemHeight > height_ && !pageEmpty_) {
            newPage();
        }
        pageEmpty_ = false;
    }
    void line(std::string text) {
        makeRoom(line_);
        pages_.back().lines.push_back(PrintedLine{y_, std::move(text)});
        y_ += line_;
    }
    // A caption, then the picture box under it and the lines under that, kept together.
    void figure(const std::string& caption, PrintedFigure figure, double width, double boxHeight,
                const std::vector<std::string>& under) {
        const double captionHeight = kCaptionGapInLines * line_;
        // A line between what came before and the caption, unless the page starts here.
        if (!pageEmpty_) {
            y_ += line_;
        }
        makeRoom(captionHeight + boxHeight + static_cast<double>(under.size()) * line_);
        pages_.back().lines.push_back(PrintedLine{y_, caption});
        y_ += captionHeight;
        pages_.back().pictures.push_back({figure, PictureBox{0, y_, width, boxHeight}});
        y_ += boxHeight;
        for (const std::string& text : under) {
            pages_.back().lines.push_back(PrintedLine{y_, text});
            y_ += line_;
        }
    }

    std::vector<PrintedPage> take() { return std::move(pages_); }

private:
    void newPage() {
        pages_.emplace_back();
        double y = 0;
        for (const std::string& text : header_) {
            pages_.back().lines.push_back(PrintedLine{y, text});
            y += line_;
        }
        y_ = kHeaderHeightInLines * line_;
        pageEmpty_ = true;
    }

    const std::vector<std::string>& header_;
    double height_;
    double line_;
    bool paginate_;
    std::vector<PrintedPage> pages_;
    double y_ = 0;
    bool pageEmpty_ = true;
};

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

std::vector<std::string> printedHeaderLines(const PrintedHeader& header) {
    return {"Project:  " + header.title, "Engineer: " + header.engineer,
            "Date:     " + header.date +
                "    File: " + (header.fileName.empty() ? "(not saved)" : header.fileName)};
}

std::vector<PrintedPage> layOutPrintedReport(std::string_view reportText,
                                             const PrintedHeader& header,
                                             const PrintedFigures& figures, double pageWidth,
                                             double pageHeight, double lineHeight) {
    std::vector<std::string> lines = reportLines(reportText);
    while (!lines.empty() && isBlank(lines.back())) {
        lines.pop_back();
    }
    const std::vector<std::string> headerLines = printedHeaderLines(header);
    const double step = (std::isfinite(lineHeight) && lineHeight > 0) ? lineHeight : 0;
    PageFlow flow(headerLines, pageHeight, step);
    for (std::string& line : lines) {
        flow.line(std::move(line));
    }
    const double width = std::isfinite(pageWidth) && pageWidth > 0 ? pageWidth : 0;
    const double height = std::isfinite(pageHeight) && pageHeight > 0 ? pageHeight : 0;
    flow.figure("Section", PrintedFigure::Section, width, kSectionShare * height, {});
    if (figures.diagram) {
        flow.figure(figures.diagramCaption, PrintedFigure::Diagram, width, kDiagramShare * height,
                    figures.controlPoints);
    }
    if (figures.surface) {
        flow.figure("Failure surface", PrintedFigure::Surface, width, kSurfaceShare * height, {});
    }
    return flow.take();
}

void drawPrintedPage(const ProjectModel& model, const PrintedPage& page,
                     const PrintedFigures& figures, Canvas& canvas,
                     const SectionDrawingStyle& style) {
    for (const PrintedLine& line : page.lines) {
        if (!isBlank(line.text)) {
            canvas.text(0, line.y, line.text, kBlack);
        }
    }
    const double rule = (kHeaderLines + 0.4) * canvas.textHeight();
    canvas.line(0, rule, canvas.width(), rule, kBlack);
    for (const PrintedPicture& p : page.pictures) {
        CanvasRegion region(canvas, p.box.left, p.box.top, p.box.width, p.box.height);
        switch (p.figure) {
        case PrintedFigure::Section:
            drawSectionInBox(model, canvas, p.box, style);
            break;
        case PrintedFigure::Diagram:
            if (figures.diagram) {
                figures.diagram(region);
            }
            break;
        case PrintedFigure::Surface:
            if (figures.surface) {
                figures.surface(region);
            }
            break;
        }
    }
}

int printReportCopy(const ProjectModel& model, std::string_view reportText,
                    const PrintedHeader& header, const PrintedFigures& figures, Canvas& canvas,
                    const std::function<void()>& endPage, const SectionDrawingStyle& style) {
    const auto pages = layOutPrintedReport(reportText, header, figures, canvas.width(),
                                           canvas.height(), canvas.textHeight());
    for (const PrintedPage& page : pages) {
        drawPrintedPage(model, page, figures, canvas, style);
        if (endPage) {
            endPage();
        }
    }
    return static_cast<int>(pages.size());
}

} // namespace pmsect
