// SVG output: one element per primitive over a background rectangle.
#include "results/svg_canvas.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace pmsect {
namespace {

constexpr double kAscentShare = 0.8; // of the font size, for the common monospace fonts

// Locale-independent number text with at most three decimals and no trailing zeros.
std::string num(double v) {
    std::array<char, 400> buf{}; // room for any double in fixed notation
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, 3);
    std::string s = ec == std::errc() ? std::string(buf.data(), end) : std::string("0");
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') {
            s.pop_back();
        }
        if (s.back() == '.') {
            s.pop_back();
        }
    }
    return s == "-0" ? "0" : s;
}

std::string escaped(std::string_view s) {
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string hex(Rgb c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
    return buf;
}

} // namespace

SvgCanvas::SvgCanvas(double width, double height, SvgBackground background, double fontSize,
                     double lineWidth)
    : width_(width), height_(height), background_(background), fontSize_(fontSize),
      lineWidth_(lineWidth) {}

std::string SvgCanvas::colourText(int colour) const {
    int c = colour & 15;
    if (background_ == SvgBackground::White) {
        c = colourOnWhite(c);
    } else if (c == kBlack) {
        c = kBrightWhite;
    }
    return hex(paletteRgb(c));
}

std::string SvgCanvas::document() const {
    const std::string w = num(width_);
    const std::string h = num(height_);
    std::string doc = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                      w + "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    doc += "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"" +
           (background_ == SvgBackground::Black ? "#000000" : "#ffffff") + "\"/>\n";
    doc += "<g stroke-width=\"" + num(lineWidth_) + "\" stroke-linecap=\"round\">\n";
    doc += body_;
    if (inGroup_) {
        doc += "</g>\n";
    }
    doc += "</g>\n</svg>\n";
    return doc;
}

void SvgCanvas::doClear() {
    body_.clear();
    inGroup_ = false;
}

void SvgCanvas::doBeginGroup(std::string_view id) {
    doEndGroup();
    body_ += "<g id=\"" + escaped(id) + "\">\n";
    inGroup_ = true;
}

void SvgCanvas::doEndGroup() {
    if (inGroup_) {
        body_ += "</g>\n";
        inGroup_ = false;
    }
}

void SvgCanvas::drawLine(double x1, double y1, double x2, double y2, int colour, bool) {
    body_ += "<line x1=\"" + num(x1) + "\" y1=\"" + num(y1) + "\" x2=\"" + num(x2) + "\" y2=\"" +
             num(y2) + "\" stroke=\"" + colourText(colour) + "\"/>\n";
}

void SvgCanvas::drawPoint(double x, double y, int colour) {
    body_ += "<rect x=\"" + num(x - lineWidth_ / 2) + "\" y=\"" + num(y - lineWidth_ / 2) +
             "\" width=\"" + num(lineWidth_) + "\" height=\"" + num(lineWidth_) + "\" fill=\"" +
             colourText(colour) + "\" stroke=\"none\"/>\n";
}

void SvgCanvas::drawCircle(double x, double y, double radius, int colour) {
    body_ += "<circle cx=\"" + num(x) + "\" cy=\"" + num(y) + "\" r=\"" + num(radius) +
             "\" fill=\"none\" stroke=\"" + colourText(colour) + "\"/>\n";
}

void SvgCanvas::drawText(double x, double y, std::string_view s, int colour) {
    // The canvas places text by its top; SVG by the baseline. The baseline is put one ascent
    // below the top in the document itself, since renderers differ in the baseline settings they
    // honour (librsvg ignores dominant-baseline and would draw the text a line too high).
    body_ += "<text x=\"" + num(x) + "\" y=\"" + num(y + kAscentShare * fontSize_) + "\" fill=\"" +
             colourText(colour) + "\" font-family=\"Lucida Console, monospace\" font-size=\"" +
             num(fontSize_) + "\" xml:space=\"preserve\">" + escaped(s) + "</text>\n";
}

} // namespace pmsect
