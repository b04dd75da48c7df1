// Axis ranges and round ticks for the 2D figures.
#include "results/plot_axis.h"

#include "format/number_format.h"

#include <algorithm>
#include <cmath>

namespace pmsect {
namespace {

constexpr double kMarginShare = 0.05;
constexpr int kMostIntervals = 10;
constexpr int kFewestTicks = 4;
constexpr double kCharacterShare = 0.6; // of the line height

// Decimals enough to tell the ticks of this step apart.
std::string tickPattern(double step) {
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    return decimals == 0 ? "#,##0"
                         : "#,##0." + std::string(static_cast<std::size_t>(decimals), '0');
}

// The round step below step: 5 -> 2 -> 1 -> 0.5 ...
double smallerRoundStep(double step) {
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / power;
    if (mantissa > 4.5) {
        return 2 * power;
    }
    if (mantissa > 1.5) {
        return power;
    }
    return 0.5 * power;
}

int ticksWithin(double lo, double hi, double step) {
    return static_cast<int>(std::floor(hi / step + 1e-9) - std::ceil(lo / step - 1e-9)) + 1;
}

} // namespace

void Interval::add(double v) {
    if (std::isfinite(v)) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
}

double roundTickStep(double span, int maxIntervals) {
    if (!(span > 0) || !std::isfinite(span) || maxIntervals < 1) {
        return 1;
    }
    const double raw = span / maxIntervals;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw * (1 - 1e-9)) {
            return m * power;
        }
    }
    return 10 * power;
}

PlotAxis PlotAxis::fitted(const Interval& data, double pixelStart, double pixelEnd, bool lowAtStart,
                          double minTickSpacing) {
    PlotAxis a;
    double lo = data.empty() ? 0 : data.lo;
    double hi = data.empty() ? 0 : data.hi;
    double span = hi - lo;
    if (!(span > 0)) {
        // A single value: a unit range about it, or one its own size.
        span = std::max(1.0, std::fabs(lo));
        lo -= span / 2;
        hi += span / 2;
    }
    a.lo_ = lo - kMarginShare * span;
    a.hi_ = hi + kMarginShare * span;
    a.pixelStart_ = pixelStart;
    a.pixelEnd_ = pixelEnd > pixelStart ? pixelEnd : pixelStart + 1;
    a.lowAtStart_ = lowAtStart;
    a.minTickSpacing_ = minTickSpacing;
    return a;
}

double PlotAxis::toPicture(double value) const {
    const double share = (value - lo_) / (hi_ - lo_);
    return lowAtStart_ ? pixelStart_ + share * (pixelEnd_ - pixelStart_)
                       : pixelEnd_ - share * (pixelEnd_ - pixelStart_);
}

std::vector<Tick> PlotAxis::ticks() const {
    const double span = hi_ - lo_;
    const double length = pixelEnd_ - pixelStart_;
    int intervals = kMostIntervals;
    if (minTickSpacing_ > 0) {
        intervals = std::clamp(static_cast<int>(length / minTickSpacing_), 1, kMostIntervals);
    }
    double step = roundTickStep(span, intervals);
    while (ticksWithin(lo_, hi_, step) < kFewestTicks) {
        step = smallerRoundStep(step);
    }
    const std::string pattern = tickPattern(step);
    std::vector<Tick> out;
    const auto first = static_cast<long long>(std::ceil(lo_ / step - 1e-9));
    const auto last = static_cast<long long>(std::floor(hi_ / step + 1e-9));
    for (long long k = first; k <= last; ++k) {
        const double value = k == 0 ? 0.0 : static_cast<double>(k) * step;
        out.push_back({value, formatNumber(value, pattern)});
    }
    return out;
}

double PlotAxis::widestTickText(const Canvas& canvas) const {
    double widest = 0;
    for (const Tick& t : ticks()) {
        widest = std::max(widest, approximateTextWidth(canvas, t.text));
    }
    return widest;
}

void PlotAxis::shortenTo(double picturePerValue) {
    const double middle = (pixelStart_ + pixelEnd_) / 2;
    const double half = (hi_ - lo_) * picturePerValue / 2;
    pixelStart_ = middle - half;
    pixelEnd_ = middle + half;
}

void equaliseScales(PlotAxis& a, PlotAxis& b) {
    const double s = std::min(a.scale(), b.scale());
    a.shortenTo(s);
    b.shortenTo(s);
}

double approximateTextWidth(const Canvas& canvas, std::string_view text) {
    return kCharacterShare * canvas.textHeight() * static_cast<double>(text.size());
}

} // namespace pmsect
