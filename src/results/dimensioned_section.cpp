// Dimension lines, bar numbers and the tie line around a scaled outline.
#include "results/dimensioned_section.h"

#include "engine/bar_table.h"
#include "format/number_format.h"
#include "results/section_drawing.h"
#include "units/unit_conversion.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace pmsect {
namespace {

constexpr int kOutlineColour = kBlack;
constexpr int kBarColour = kBlack;
constexpr int kDimensionColour = kLightBlue;
constexpr int kTieColour = 8; // grey
constexpr double kRoom = 3.0; // lines of text kept for the dimensions left of and under it

std::string length(const ProjectModel& m, double inches) {
    return formatNumber(shownLength(m.units, inches), "#,##0.00") + " " + m.units.lengthLabel;
}

// A dimension line between two points with ticks at its ends and its text centred beside it.
void dimension(Canvas& c, double x1, double y1, double x2, double y2, const std::string& text,
               bool vertical) {
    const double tick = c.textHeight() / 3;
    c.line(x1, y1, x2, y2, kDimensionColour);
    if (vertical) {
        c.line(x1 - tick, y1, x1 + tick, y1, kDimensionColour);
        c.line(x2 - tick, y2, x2 + tick, y2, kDimensionColour);
        const double w = c.textWidth(text);
        c.text(std::max(0.0, x1 - tick - w - 2), (y1 + y2) / 2 - c.textHeight() / 2, text,
               kDimensionColour);
    } else {
        c.line(x1, y1 - tick, x1, y1 + tick, kDimensionColour);
        c.line(x2, y2 - tick, x2, y2 + tick, kDimensionColour);
        c.text((x1 + x2 - c.textWidth(text)) / 2, y1 + tick, text, kDimensionColour);
    }
}

} // namespace

void drawDimensionedSection(const ProjectModel& model, Canvas& canvas) {
    const double th = canvas.textHeight();
    const double room = kRoom * th + canvas.textWidth("000.00 mm");
    const PictureBox box{room, th, canvas.width() - 2 * room, canvas.height() - (kRoom + 1) * th};
    const auto mapping = sectionPictureMapping(model, box);
    if (!mapping) {
        return;
    }
    const PictureMapping& map = *mapping;
    const auto points = outlinePoints(model);
    canvas.moveTo(map.mapX(points.back().x), map.mapY(points.back().y));
    for (const Point& p : points) {
        canvas.lineTo(map.mapX(p.x), map.mapY(p.y), kOutlineColour);
    }
    const double left = model.midX - model.extentX / 2;
    const double right = model.midX + model.extentX / 2;
    const double top = model.midY + model.extentY / 2;
    const double bottom = model.midY - model.extentY / 2;
    if (model.sectionType == kRectangular) {
        // The ties' outer face at the clear cover.
        const double k = model.clearCover;
        canvas.moveTo(map.mapX(left + k), map.mapY(top - k));
        canvas.lineTo(map.mapX(right - k), map.mapY(top - k), kTieColour);
        canvas.lineTo(map.mapX(right - k), map.mapY(bottom + k), kTieColour);
        canvas.lineTo(map.mapX(left + k), map.mapY(bottom + k), kTieColour);
        canvas.lineTo(map.mapX(left + k), map.mapY(top - k), kTieColour);
    }
    int number = 0;
    for (const Bar& b : modelBars(model)) {
        ++number;
        const double x = map.mapX(b.x);
        const double y = map.mapY(b.y);
        const double r = barDiameter(b.size) / 2 * map.scale;
        canvas.circle(x, y, r, kBarColour);
        // The number on the side towards the middle of the section, clear of the bar.
        const double dx = map.mapX(model.midX) - x;
        const double dy = map.mapY(model.midY) - y;
        const double d = std::hypot(dx, dy);
        const std::string label = std::to_string(number);
        const double reach = r + th * 0.7;
        const double ux = d > 0 ? dx / d : 0;
        const double uy = d > 0 ? dy / d : 0;
        canvas.text(x + ux * reach - canvas.textWidth(label) / 2, y + uy * reach - th / 2, label,
                    kBarColour);
    }
    const double under = map.mapY(bottom) + th;
    const double beside = map.mapX(left) - th;
    if (model.sectionType == kRound) {
        dimension(canvas, map.mapX(left), under, map.mapX(right), under,
                  "diameter " + length(model, model.extentX), false);
    } else {
        dimension(canvas, map.mapX(left), under, map.mapX(right), under,
                  length(model, model.extentX), false);
        dimension(canvas, beside, map.mapY(top), beside, map.mapY(bottom),
                  length(model, model.extentY), true);
    }
    const std::string cover = "clear cover " + length(model, model.clearCover);
    canvas.text((canvas.width() - canvas.textWidth(cover)) / 2, under + 1.5 * th, cover,
                kDimensionColour);
}

} // namespace pmsect
