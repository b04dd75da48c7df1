// A rectangle of another canvas used as a canvas of its own, so that a drawing made for a whole
// picture can be placed on part of a page or beside a table.
#pragma once

#include "results/canvas.h"

namespace pmsect {

// Coordinates are shifted by the rectangle's top left corner; nothing is clipped. Clearing the
// region clears nothing, so that what the page holds around it stays.
class CanvasRegion : public Canvas {
public:
    CanvasRegion(Canvas& target, double left, double top, double width, double height)
        : target_(target), left_(left), top_(top), width_(width), height_(height) {}

    double width() const override { return width_; }
    double height() const override { return height_; }
    double textHeight() const override { return target_.textHeight(); }
    double textWidth(std::string_view s) const override { return target_.textWidth(s); }

protected:
    void doClear() override {}
    void drawLine(double x1, double y1, double x2, double y2, int colour, bool) override {
        target_.line(x1 + left_, y1 + top_, x2 + left_, y2 + top_, colour);
    }
    void drawPoint(double x, double y, int colour) override {
        target_.point(x + left_, y + top_, colour);
    }
    void drawCircle(double x, double y, double radius, int colour) override {
        target_.circle(x + left_, y + top_, radius, colour);
    }
    void drawText(double x, double y, std::string_view s, int colour) override {
        target_.text(x + left_, y + top_, s, colour);
    }
    void doBeginGroup(std::string_view id) override { target_.beginGroup(id); }
    void doEndGroup() override { target_.endGroup(); }

private:
    Canvas& target_;
    double left_;
    double top_;
    double width_;
    double height_;
};

} // namespace pmsect
