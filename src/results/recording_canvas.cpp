// Records primitives in drawing order.
#include "results/recording_canvas.h"

namespace pmsect {

std::vector<DrawPrimitive> RecordingCanvas::ofKind(PrimitiveKind kind, int colour) const {
    std::vector<DrawPrimitive> out;
    for (const DrawPrimitive& p : primitives_) {
        if (p.kind == kind && (colour < 0 || p.colour == colour)) {
            out.push_back(p);
        }
    }
    return out;
}

std::size_t RecordingCanvas::count(PrimitiveKind kind, int colour) const {
    return ofKind(kind, colour).size();
}

void RecordingCanvas::doClear() {
    DrawPrimitive p;
    p.kind = PrimitiveKind::Clear;
    primitives_.push_back(p);
}

void RecordingCanvas::drawLine(double x1, double y1, double x2, double y2, int colour,
                               bool continuation) {
    DrawPrimitive p;
    p.kind = PrimitiveKind::Line;
    p.x1 = x1;
    p.y1 = y1;
    p.x2 = x2;
    p.y2 = y2;
    p.colour = colour;
    p.continuation = continuation;
    primitives_.push_back(p);
}

void RecordingCanvas::drawPoint(double x, double y, int colour) {
    DrawPrimitive p;
    p.kind = PrimitiveKind::Point;
    p.x1 = x;
    p.y1 = y;
    p.colour = colour;
    primitives_.push_back(p);
}

void RecordingCanvas::drawCircle(double x, double y, double radius, int colour) {
    DrawPrimitive p;
    p.kind = PrimitiveKind::Circle;
    p.x1 = x;
    p.y1 = y;
    p.radius = radius;
    p.colour = colour;
    primitives_.push_back(p);
}

void RecordingCanvas::drawText(double x, double y, std::string_view s, int colour) {
    DrawPrimitive p;
    p.kind = PrimitiveKind::Text;
    p.x1 = x;
    p.y1 = y;
    p.colour = colour;
    p.text = std::string(s);
    primitives_.push_back(p);
}

} // namespace pmsect
