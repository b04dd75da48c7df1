// A small drawing surface in the manner of the classic picture box: lines, continuation lines,
// points, circle outlines and text in palette colours, so that drawings can be tested and
// exported without a windowing toolkit.
#pragma once

#include <cstdint>
#include <string_view>

namespace pmsect {

// Palette numbers of the classic sixteen-colour palette used by the drawings.
enum PaletteColour : int {
    kBlack = 0,
    kDarkYellow = 6,
    kLightBlue = 9,
    kLightGreen = 10,
    kLightCyan = 11,
    kLightRed = 12,
    kLightMagenta = 13,
    kYellow = 14,
    kBrightWhite = 15,
};

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour a palette number is drawn in on white paper: the pale colours (7, 10, 11, 14, 15)
// become their dark counterparts (8, 2, 3, 6, 0) so that they stay visible; the others are kept.
int colourOnWhite(int colour);

// The RGB of palette colour 0..15 (CGA order, full-intensity bright colours). Numbers outside
// the palette wrap round it, as a four-bit colour register would.
Rgb paletteRgb(int colour);

// Picture coordinates: x to the right, y downwards, origin at the top left. Every operation with
// a coordinate that is not finite draws nothing, so a degenerate drawing can never emit NaN.
//
// Like the classic picture box the canvas keeps a current point: line, moveTo, lineTo and point
// leave it at their end point; circle and text leave it alone; clear puts it at (0, 0). An
// operation skipped for a non-finite coordinate leaves no current point, and the next lineTo then
// only starts a new path instead of bridging the gap with a stray segment.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual double width() const = 0;
    virtual double height() const = 0;
    // Height of one line of text, for callers that print lines one below the other.
    virtual double textHeight() const = 0;
    // Width of a text in picture units; without a font to measure, six tenths of the line height
    // a character, as a fixed-pitch font has it.
    virtual double textWidth(std::string_view s) const;

    void clear();
    void line(double x1, double y1, double x2, double y2, int colour);
    void moveTo(double x, double y);
    void lineTo(double x, double y, int colour); // from the current point
    void point(double x, double y, int colour);
    // Outline only; a negative radius draws nothing.
    void circle(double x, double y, double radius, int colour);
    void text(double x, double y, std::string_view s, int colour); // (x, y) is the top left
    // The primitives drawn between these two form one named series of a drawing (the SVG
    // export writes them as a group with that id). Groups do not nest.
    void beginGroup(std::string_view id) { doBeginGroup(id); }
    void endGroup() { doEndGroup(); }

protected:
    virtual void doClear() = 0;
    // continuation is true for a segment drawn by lineTo.
    virtual void drawLine(double x1, double y1, double x2, double y2, int colour,
                          bool continuation) = 0;
    virtual void drawPoint(double x, double y, int colour) = 0;
    virtual void drawCircle(double x, double y, double radius, int colour) = 0;
    virtual void drawText(double x, double y, std::string_view s, int colour) = 0;
    // A picture on screen or paper has no use for the series.
    virtual void doBeginGroup(std::string_view) {}
    virtual void doEndGroup() {}

private:
    double curX_ = 0;
    double curY_ = 0;
    bool hasCurrent_ = true;
};

} // namespace pmsect
