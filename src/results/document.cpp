// Building a document block by block, and its text in reading order.
#include "results/document.h"

namespace pmsect {

void Document::heading(std::string text) {
    blocks.push_back({BlockKind::Heading, std::move(text), {}, {}});
}

void Document::paragraph(std::string text) {
    blocks.push_back({BlockKind::Paragraph, std::move(text), {}, {}});
}

void Document::line(std::string text) {
    blocks.push_back({BlockKind::Line, std::move(text), {}, {}});
}

void Document::table(DocumentTable table) {
    blocks.push_back({BlockKind::Table, {}, std::move(table), {}});
}

void Document::figure(DocumentFigure figure) {
    blocks.push_back({BlockKind::Figure, {}, {}, std::move(figure)});
}

std::vector<std::string> documentText(const Document& document) {
    std::vector<std::string> out;
    for (const DocumentBlock& b : document.blocks) {
        switch (b.kind) {
        case BlockKind::Heading:
        case BlockKind::Paragraph:
        case BlockKind::Line:
            out.push_back(b.text);
            break;
        case BlockKind::Table:
            out.insert(out.end(), b.table.heading.begin(), b.table.heading.end());
            out.insert(out.end(), b.table.rows.begin(), b.table.rows.end());
            break;
        case BlockKind::Figure:
            out.push_back(b.figure.title);
            break;
        }
    }
    return out;
}

} // namespace pmsect
