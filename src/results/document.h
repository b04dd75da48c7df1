// A document as content: headings, paragraphs, lines of fixed-pitch text, tables and figures in
// reading order, with the header every page carries. It holds no page: the pages follow from the
// paper and the font (document_pages.h), so that its text can be checked without any of them.
#pragma once

#include "results/canvas.h"

#include <functional>
#include <string>
#include <vector>

namespace pmsect {

// A table of fixed-pitch lines: the heading lines go at its top and again at the top of every
// further page it runs on; each row is one line, so a row is never split across pages.
struct DocumentTable {
    std::vector<std::string> heading;
    std::vector<std::string> rows;
};

// A picture with its title line above it, its box as wide as the page and heightShare of the
// page's body high. The drawing gets a canvas the size of the box.
struct DocumentFigure {
    std::string title;
    double heightShare = 0.4;
    std::function<void(Canvas&)> draw;
};

enum class BlockKind { Heading, Paragraph, Line, Table, Figure };

struct DocumentBlock {
    BlockKind kind = BlockKind::Line;
    std::string text; // a heading, a paragraph (wrapped at the page's width) or a line as it is
    DocumentTable table;
    DocumentFigure figure;
};

// One line of the page header: a text at the left margin and one flush with the right.
struct HeaderLine {
    std::string left;
    std::string right;
};

struct Document {
    std::vector<HeaderLine> header;
    std::vector<DocumentBlock> blocks;

    void heading(std::string text);
    void paragraph(std::string text);
    void line(std::string text);
    void table(DocumentTable table);
    void figure(DocumentFigure figure);
};

// Every text of the document in reading order, a paragraph unwrapped, a table's heading once and
// a figure by its title: what a reader of the pages finds, page breaks and headers apart.
std::vector<std::string> documentText(const Document& document);

} // namespace pmsect
