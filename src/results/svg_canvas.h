// A canvas that writes an SVG document, for exporting drawings without a windowing toolkit.
#pragma once

#include "results/canvas.h"

#include <string>

namespace pmsect {

enum class SvgBackground { Black, White };

// On a black background colour 0 is drawn white; on a white background the pale colours are
// drawn as colourOnWhite says. Every other colour keeps its RGB.
class SvgCanvas : public Canvas {
public:
    SvgCanvas(double width, double height, SvgBackground background = SvgBackground::Black,
              double fontSize = 12, double lineWidth = 1);

    double width() const override { return width_; }
    double height() const override { return height_; }
    double textHeight() const override { return fontSize_; }

    // The complete document with everything drawn since the last clear.
    std::string document() const;

protected:
    void doClear() override;
    void drawLine(double x1, double y1, double x2, double y2, int colour,
                  bool continuation) override;
    void drawPoint(double x, double y, int colour) override;
    void drawCircle(double x, double y, double radius, int colour) override;
    void drawText(double x, double y, std::string_view s, int colour) override;
    void doBeginGroup(std::string_view id) override;
    void doEndGroup() override;

private:
    std::string colourText(int colour) const;

    double width_;
    double height_;
    SvgBackground background_;
    double fontSize_;
    double lineWidth_;
    std::string body_;
    bool inGroup_ = false;
};

} // namespace pmsect
