// One axis of a 2D figure: the range of values it shows with a margin, where a value lands in the
// picture, and ticks at round steps (1, 2 or 5 times a power of ten) with their texts.
#pragma once

#include "results/canvas.h"

#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// The smallest and largest of the finite values added; empty until one is.
struct Interval {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void add(double v);
    bool empty() const { return !(lo <= hi); }
};

struct Tick {
    double value = 0;
    std::string text;
};

// The smallest round step (1, 2 or 5 x 10^n) that divides span into at most maxIntervals.
double roundTickStep(double span, int maxIntervals);

class PlotAxis {
public:
    // The values of data with a margin of a twentieth of their span at each end, laid along the
    // picture from pixelStart to pixelEnd (pixelStart < pixelEnd); lowAtStart puts the smallest
    // value at pixelStart. Ticks are kept at least minTickSpacing picture units apart where four
    // of them still fit.
    static PlotAxis fitted(const Interval& data, double pixelStart, double pixelEnd,
                           bool lowAtStart, double minTickSpacing);

    double low() const { return lo_; }
    double high() const { return hi_; }
    // Picture units per value unit.
    double scale() const { return (pixelEnd_ - pixelStart_) / (hi_ - lo_); }
    double toPicture(double value) const;
    // The values between low and high at the round step, at least four of them.
    std::vector<Tick> ticks() const;
    double widestTickText(const Canvas& canvas) const;

    // Shortens the axis about its middle in the picture so that it shows picturePerValue;
    // the range stays.
    void shortenTo(double picturePerValue);
    double pictureStart() const { return pixelStart_; }
    double pictureEnd() const { return pixelEnd_; }

private:
    double lo_ = 0;
    double hi_ = 1;
    double pixelStart_ = 0;
    double pixelEnd_ = 1;
    bool lowAtStart_ = true;
    double minTickSpacing_ = 0;
};

// Gives both axes the smaller of their two scales, so that a length reads the same across and
// up the picture: the axis that had room to spare is shortened, so that what it shows still
// fills it.
void equaliseScales(PlotAxis& a, PlotAxis& b);

// The width of a text in the picture: the program's fonts are fixed-pitch, about six tenths of
// the line height per character.
double approximateTextWidth(const Canvas& canvas, std::string_view text);

} // namespace pmsect
