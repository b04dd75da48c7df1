// Pagination of a document and the drawing of its pages.
#include "results/document_pages.h"

#include "results/canvas_region.h"

#include <algorithm>
#include <cmath>

namespace pmsect {
namespace {

constexpr double kGapInLines = 0.6;        // between blocks of different kinds
constexpr double kHeadingGapInLines = 1.0; // before a heading
constexpr double kRuleGapInLines = 0.5;    // either side of the header's and the footer's rules

bool usable(double v) {
    return std::isfinite(v) && v > 0;
}

// Words of text in lines of at most width characters; a word longer than that gets a line of
// its own.
std::vector<std::string> wrapped(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string word = text.substr(start, end - start);
        start = end + 1;
        if (word.empty()) {
            continue;
        }
        if (!line.empty() && line.size() + 1 + word.size() > width) {
            lines.push_back(std::move(line));
            line.clear();
        }
        line += (line.empty() ? "" : " ") + word;
    }
    if (!line.empty() || lines.empty()) {
        lines.push_back(std::move(line));
    }
    return lines;
}

// A line as it is while it fits; wider, its words wrap under its indent and three spaces more,
// so that a step of a report never runs off the paper.
std::vector<std::string> hangingWrapped(const std::string& text, std::size_t width) {
    constexpr std::size_t kHang = 3;
    const std::size_t indent = text.find_first_not_of(' ');
    if (text.size() <= width || indent == std::string::npos || indent + kHang >= width / 2) {
        return {text};
    }
    std::vector<std::string> lines = wrapped(text.substr(indent), width - indent - kHang);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i].insert(0, indent + (i == 0 ? 0 : kHang), ' ');
    }
    return lines;
}

class PageFlow {
public:
    PageFlow(const Document& document, const PageMetrics& m)
        : m_(m), paginate_(usable(m.width) && usable(m.height) && usable(m.lineHeight)) {
        const double line = paginate_ ? m.lineHeight : 0;
        bodyTop_ = (static_cast<double>(document.header.size()) + 2 * kRuleGapInLines) * line;
        bodyBottom_ = paginate_ ? m.height - (1 + 2 * kRuleGapInLines) * line : 0;
        newPage();
    }

    double line() const { return paginate_ ? m_.lineHeight : 0; }
    double bodyHeight() const { return std::max(0.0, bodyBottom_ - bodyTop_); }
    bool pageEmpty() const { return pageEmpty_; }

    // Room for height on this page, or a new page; a page that holds nothing takes anything.
    void makeRoom(double height) {
        if (paginate_ && !pageEmpty_ && y_ + height > bodyBottom_ + 1e-9) {
            newPage();
        }
    }
    bool fits(double height) const { return !paginate_ || y_ + height <= bodyBottom_ + 1e-9; }
    void gap(double lines) {
        if (!pageEmpty_) {
            y_ += lines * line();
        }
    }
    void text(std::string s) {
        pages_.back().texts.push_back({0, y_, std::move(s)});
        y_ += line();
        pageEmpty_ = false;
    }
    void figure(std::size_t block, double height) {
        pages_.back().figures.push_back({block, {0, y_, paginate_ ? m_.width : 0, height}});
        y_ += height;
        pageEmpty_ = false;
    }
    void newPage() {
        pages_.emplace_back();
        y_ = bodyTop_;
        pageEmpty_ = true;
    }

    std::vector<DocumentPage> take() { return std::move(pages_); }

private:
    PageMetrics m_;
    bool paginate_;
    double bodyTop_ = 0;
    double bodyBottom_ = 0;
    std::vector<DocumentPage> pages_;
    double y_ = 0;
    bool pageEmpty_ = true;
};

std::size_t widthInCharacters(const PageMetrics& m) {
    if (!usable(m.width) || !usable(m.charWidth)) {
        return 1000;
    }
    return std::max<std::size_t>(1, static_cast<std::size_t>(m.width / m.charWidth));
}

double figureHeight(const DocumentFigure& f, const PageFlow& flow) {
    const double share = std::clamp(f.heightShare, 0.0, 1.0);
    // The box never takes more than the body leaves under the title.
    return std::max(0.0, std::min(share * flow.bodyHeight(), flow.bodyHeight() - flow.line()));
}

// The height that must stand on the page together with a heading before the block.
double firstItemHeight(const DocumentBlock& b, const PageFlow& flow) {
    switch (b.kind) {
    case BlockKind::Table:
        return static_cast<double>(b.table.heading.size() + 1) * flow.line();
    case BlockKind::Figure:
        return flow.line() + figureHeight(b.figure, flow);
    default:
        return flow.line();
    }
}

void placeBlock(const Document& d, std::size_t i, PageFlow& flow, std::size_t width) {
    const DocumentBlock& b = d.blocks[i];
    switch (b.kind) {
    case BlockKind::Heading: {
        flow.gap(kHeadingGapInLines);
        const double next = i + 1 < d.blocks.size() ? firstItemHeight(d.blocks[i + 1], flow) : 0;
        flow.makeRoom(flow.line() + kGapInLines * flow.line() + next);
        flow.text(b.text);
        flow.gap(kGapInLines);
        break;
    }
    case BlockKind::Paragraph:
        for (std::string& line : wrapped(b.text, width)) {
            flow.makeRoom(flow.line());
            flow.text(std::move(line));
        }
        break;
    case BlockKind::Line:
        for (std::string& line : hangingWrapped(b.text, width)) {
            flow.makeRoom(flow.line());
            flow.text(std::move(line));
        }
        break;
    case BlockKind::Table: {
        const double heading = static_cast<double>(b.table.heading.size()) * flow.line();
        flow.makeRoom(heading + flow.line());
        for (const std::string& h : b.table.heading) {
            flow.text(h);
        }
        for (const std::string& row : b.table.rows) {
            if (!flow.fits(flow.line())) {
                flow.newPage();
                for (const std::string& h : b.table.heading) {
                    flow.text(h);
                }
            }
            flow.text(row);
        }
        flow.gap(kGapInLines);
        break;
    }
    case BlockKind::Figure: {
        const double box = figureHeight(b.figure, flow);
        flow.gap(kGapInLines);
        flow.makeRoom(flow.line() + box);
        flow.text(b.figure.title);
        flow.figure(i, box);
        break;
    }
    }
}

} // namespace

PageMetrics pageMetricsOf(const Canvas& canvas) {
    return {canvas.width(), canvas.height(), canvas.textHeight(), canvas.textWidth("0")};
}

std::string pageNumberText(std::size_t page, std::size_t pages) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pages);
}

std::vector<DocumentPage> layOutDocument(const Document& document, const PageMetrics& metrics) {
    PageFlow flow(document, metrics);
    const std::size_t width = widthInCharacters(metrics);
    for (std::size_t i = 0; i < document.blocks.size(); ++i) {
        placeBlock(document, i, flow, width);
    }
    std::vector<DocumentPage> pages = flow.take();
    // The header and the footer, now that the number of pages is known.
    const double line = flow.line();
    const double charWidth = usable(metrics.charWidth) ? metrics.charWidth : 0;
    const auto rightAligned = [&](const std::string& s) {
        return std::max(0.0, metrics.width - charWidth * static_cast<double>(s.size()));
    };
    const double headerRule =
        (static_cast<double>(document.header.size()) + kRuleGapInLines / 2) * line;
    const double footerRule = metrics.height - (1 + kRuleGapInLines) * line;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        DocumentPage& page = pages[p];
        double y = 0;
        for (const HeaderLine& h : document.header) {
            page.texts.push_back({0, y, h.left});
            page.texts.push_back({rightAligned(h.right), y, h.right});
            y += line;
        }
        page.rules.push_back(headerRule);
        if (usable(metrics.height)) {
            page.rules.push_back(footerRule);
        }
        const std::string number = pageNumberText(p + 1, pages.size());
        page.texts.push_back({rightAligned(number), std::max(0.0, metrics.height - line), number});
    }
    return pages;
}

void drawDocumentPage(const Document& document, const DocumentPage& page, Canvas& canvas) {
    for (const PlacedText& t : page.texts) {
        if (t.text.find_first_not_of(' ') != std::string::npos) {
            canvas.text(t.x, t.y, t.text, kBlack);
        }
    }
    for (const double y : page.rules) {
        canvas.line(0, y, canvas.width(), y, kBlack);
    }
    for (const PlacedFigure& f : page.figures) {
        const DocumentFigure& figure = document.blocks[f.block].figure;
        if (figure.draw) {
            CanvasRegion region(canvas, f.box.left, f.box.top, f.box.width, f.box.height);
            figure.draw(region);
        }
    }
}

} // namespace pmsect
