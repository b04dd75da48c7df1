// Finite-coordinate checks and the current point shared by every canvas.
#include "results/canvas.h"

#include <array>
#include <cmath>

namespace pmsect {
namespace {

constexpr std::array<Rgb, 16> kPalette{{
    {0, 0, 0},       // black
    {0, 0, 128},     // blue
    {0, 128, 0},     // green
    {0, 128, 128},   // cyan
    {128, 0, 0},     // red
    {128, 0, 128},   // magenta
    {128, 128, 0},   // dark yellow
    {192, 192, 192}, // white (light grey)
    {128, 128, 128}, // grey
    {0, 0, 255},     // light blue
    {0, 255, 0},     // light green
    {0, 255, 255},   // light cyan
    {255, 0, 0},     // light red
    {255, 0, 255},   // light magenta
    {255, 255, 0},   // yellow
    {255, 255, 255}, // bright white
}};

bool finite(double a, double b) {
    return std::isfinite(a) && std::isfinite(b);
}

} // namespace

Rgb paletteRgb(int colour) {
    return kPalette[static_cast<std::size_t>(colour & 15)];
}

int colourOnWhite(int colour) {
    switch (colour & 15) {
    case 7:
        return 8;
    case kLightGreen:
        return 2;
    case kLightCyan:
        return 3;
    case kYellow:
        return kDarkYellow;
    case kBrightWhite:
        return kBlack;
    default:
        return colour & 15;
    }
}

double Canvas::textWidth(std::string_view s) const {
    constexpr double kCharacterShare = 0.6;
    return kCharacterShare * textHeight() * static_cast<double>(s.size());
}

void Canvas::clear() {
    doClear();
    curX_ = 0;
    curY_ = 0;
    hasCurrent_ = true;
}

void Canvas::line(double x1, double y1, double x2, double y2, int colour) {
    if (finite(x1, y1) && finite(x2, y2)) {
        drawLine(x1, y1, x2, y2, colour, false);
    }
    moveTo(x2, y2);
}

void Canvas::moveTo(double x, double y) {
    hasCurrent_ = finite(x, y);
    curX_ = x;
    curY_ = y;
}

void Canvas::lineTo(double x, double y, int colour) {
    if (hasCurrent_ && finite(x, y)) {
        drawLine(curX_, curY_, x, y, colour, true);
    }
    moveTo(x, y);
}

void Canvas::point(double x, double y, int colour) {
    if (finite(x, y)) {
        drawPoint(x, y, colour);
    }
    moveTo(x, y);
}

void Canvas::circle(double x, double y, double radius, int colour) {
    if (finite(x, y) && std::isfinite(radius) && radius >= 0) {
        drawCircle(x, y, radius, colour);
    }
}

void Canvas::text(double x, double y, std::string_view s, int colour) {
    if (finite(x, y)) {
        drawText(x, y, s, colour);
    }
}

} // namespace pmsect
