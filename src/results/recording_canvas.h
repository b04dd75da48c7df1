// A canvas that keeps every primitive drawn on it, so that drawings can be checked as data.
#pragma once

#include "results/canvas.h"

#include <cstddef>
#include <string>
#include <vector>

namespace pmsect {

enum class PrimitiveKind { Clear, Line, Point, Circle, Text };

struct DrawPrimitive {
    PrimitiveKind kind = PrimitiveKind::Clear;
    double x1 = 0; // line start; point, circle centre and text position
    double y1 = 0;
    double x2 = 0; // line end
    double y2 = 0;
    double radius = 0;
    int colour = 0;
    bool continuation = false; // a line drawn from the current point
    std::string text;
};

class RecordingCanvas : public Canvas {
public:
    RecordingCanvas(double width, double height, double textHeight = 12)
        : width_(width), height_(height), textHeight_(textHeight) {}

    double width() const override { return width_; }
    double height() const override { return height_; }
    double textHeight() const override { return textHeight_; }

    // Everything drawn, clears included, in drawing order.
    const std::vector<DrawPrimitive>& primitives() const { return primitives_; }
    // The primitives of one kind, optionally of one colour (colour < 0: any).
    std::vector<DrawPrimitive> ofKind(PrimitiveKind kind, int colour = -1) const;
    std::size_t count(PrimitiveKind kind, int colour = -1) const;

protected:
    void doClear() override;
    void drawLine(double x1, double y1, double x2, double y2, int colour,
                  bool continuation) override;
    void drawPoint(double x, double y, int colour) override;
    void drawCircle(double x, double y, double radius, int colour) override;
    void drawText(double x, double y, std::string_view s, int colour) override;

private:
    double width_;
    double height_;
    double textHeight_;
    std::vector<DrawPrimitive> primitives_;
};

} // namespace pmsect
