// Bar sets in a rectangular pattern and bars on a circle.
#include "building/bar_layout.h"

#include "engine/bar_table.h"
#include "format/number_format.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pmsect {

namespace {

// Appends bars to the model's table in order and stops writing at its capacity; the layout goes
// on being computed so that the bars that fit lie where the full layout puts them.
class BarWriter {
public:
    BarWriter(ProjectModel& model, BarLayoutResult& result, bool alongY)
        : model_(model), result_(result), alongY_(alongY) {}

    bool full() const { return result_.placed >= kMaxBars; }

    // (u, v) are the along and across coordinates of the bar.
    void add(double u, double v, float size) {
        if (full()) {
            return;
        }
        ++result_.placed;
        Bar& bar = model_.bars[static_cast<std::size_t>(result_.placed)];
        const float fu = static_cast<float>(u);
        const float fv = static_cast<float>(v);
        bar.x = alongY_ ? fv : fu;
        bar.y = alongY_ ? fu : fv;
        bar.size = size;
    }

    BarLayoutResult& result() { return result_; }

private:
    ProjectModel& model_;
    BarLayoutResult& result_;
    bool alongY_;
};

// Diameter of a bar number; a number missing from the table gives -1, used as such.
float diameterOf(float barNumber, BarLayoutResult& result) {
    const float d = barDiameter(barNumber);
    if (d < 0) {
        result.unknownBarSize = true;
    }
    return d;
}

// Lays one bar set of the rectangular pattern starting at across-coordinate vS, further layers
// stepping by sigma*(db + s). L is the inner length along the rows. Returns the across-coordinate
// of the set's last bar (its innermost layer), whether or not that bar still fitted in the table.
float laySet(BarWriter& writer, const BarSet& set, float L, float vS, int sigma, float s) {
    BarLayoutResult& result = writer.result();
    const float db = diameterOf(set.size, result);
    // The count is a real as typed; a fractional count is rounded like every count.
    const int64_t nb = roundHalfEven32(set.count);
    const double span = static_cast<double>(L) - db;  // between the end bar centres of a full row
    const double pitch = static_cast<double>(db) + s; // between neighbouring bars and layers

    // Bars per layer p = round((L - db)/(db + s) + 1). A pitch of zero (a size missing from the
    // table gives db = -1, which with s = 1 is exactly that) cannot divide: then any number of
    // bars fits a positive span and none fits a span that is not positive.
    int64_t p = 0;
    if (pitch != 0) {
        p = roundHalfEven32(span / pitch + 1);
    } else {
        p = span > 0 ? std::numeric_limits<int32_t>::max() : 0;
    }

    const auto layLayer = [&](int64_t m, double v) {
        if (m <= 1) {
            writer.add(0, v, set.size);
            return;
        }
        for (int64_t k = 1; k <= m && !writer.full(); ++k) {
            writer.add(-span / 2 + static_cast<double>(k - 1) * span / static_cast<double>(m - 1),
                       v, set.size);
        }
    };
    const auto layerV = [&](int64_t layer) {
        return static_cast<double>(vS) + sigma * static_cast<double>(layer - 1) * pitch;
    };

    if (nb <= p) {
        // One layer; a set of one bar or fewer gives one bar on the axis.
        result.requested += std::max<int64_t>(nb, 1);
        layLayer(nb, vS);
        return vS;
    }

    if (p <= 1) {
        // Fewer than two bars fit in a layer: the spacing formula would divide by zero (p = 0) or
        // lose the set (p < 0). Each bar gets a layer of its own on the axis, which is what p = 1
        // gives by the rules.
        const int64_t layers = std::max<int64_t>(nb, 1);
        if (nb >= 2) {
            result.spacingTooSmall = true;
        }
        result.requested += layers;
        for (int64_t layer = 1; layer <= layers && !writer.full(); ++layer) {
            writer.add(0, layerV(layer), set.size);
        }
        return static_cast<float>(layerV(layers));
    }

    // nL = round(nb/p + 1) layers of which full ones take p bars, the last non-empty one the rest
    // spread over the whole inner length (one bar on the axis). nL is never below ceil(nb/p), so
    // the layers after that one are empty and are not visited.
    const int64_t layers = (nb + p - 1) / p;
    result.requested += nb;
    for (int64_t layer = 1; layer <= layers && !writer.full(); ++layer) {
        const int64_t remaining = nb - (layer - 1) * p;
        layLayer(remaining > p ? p : remaining, layerV(layer));
    }
    return static_cast<float>(layerV(layers));
}

void layBarSets(ProjectModel& model, BarLayoutResult& result) {
    BarWriter writer(model, result, model.barSetsAlongY);
    const double c = model.clearCover;
    const float s = model.clearSpacing;
    const double dt = diameterOf(model.tieBarSize, result);
    // Distances between the inside faces of the ties.
    const float Wi = static_cast<float>(static_cast<double>(model.barSetWidth) - 2 * (c + dt));
    const float Hi = static_cast<float>(static_cast<double>(model.barSetHeight) - 2 * (c + dt));
    const float L = model.barSetsAlongY ? Hi : Wi;
    const float A = model.barSetsAlongY ? Wi : Hi;

    const int n = std::min<int>(model.numBarSets, kMaxBarSets);
    if (n < 1) {
        return;
    }
    const auto set = [&](int j) -> const BarSet& {
        return model.barSets[static_cast<std::size_t>(j)];
    };
    const auto faceV = [&](int j) {
        const double db = barDiameter(set(j).size);
        return static_cast<float>((static_cast<double>(A) - db) / 2);
    };

    // Set 1 on the positive face stepping inwards; a single set goes to the negative face.
    float vT = static_cast<float>(static_cast<double>(A) / 2);
    if (n >= 2) {
        vT = laySet(writer, set(1), L, faceV(1), -1, s);
    }
    const float vB = laySet(writer, set(n), L, -faceV(n), +1, s);

    // The intermediate sets are spread evenly between the innermost layers of the two face sets.
    float delta = static_cast<float>(static_cast<double>(vT) - vB);
    if (n > 2) {
        delta = static_cast<float>(static_cast<double>(delta) / (n - 1));
    }
    for (int j = 2; j <= n - 1; ++j) {
        const float vS =
            static_cast<float>(static_cast<double>(vT) - (j - 1) * static_cast<double>(delta));
        laySet(writer, set(j), L, vS, +1, s);
    }
}

void layCircle(ProjectModel& model, BarLayoutResult& result) {
    BarWriter writer(model, result, false);
    const double dt = diameterOf(model.tieBarSize, result);
    const double db = diameterOf(model.longBarSize, result);

    double dref = 0;
    if (model.sectionType == kRectangular) {
        dref = std::min(model.rectB, model.rectH);
    } else if (model.sectionType == kRound) {
        dref = model.circDiam;
    } else {
        // The circle about the origin through the farthest outline point.
        double farthest = 0;
        for (const Point& p : outlinePoints(model)) {
            farthest = std::max(farthest, std::hypot(static_cast<double>(p.x), p.y));
        }
        dref = 2 * farthest;
    }
    const float R = static_cast<float>(dref / 2 - model.clearCover - dt - db / 2);

    const int n = model.totBars;
    const float theta0 = static_cast<float>(model.firstBarAngle * kShortPi / 180);
    result.requested = std::max(n, 0);
    for (int i = 1; i <= n && !writer.full(); ++i) {
        const double theta = theta0 + 2.0 * (i - 1) * kShortPi / n;
        writer.add(static_cast<double>(R) * std::cos(theta),
                   static_cast<double>(R) * std::sin(theta), model.longBarSize);
    }
}

} // namespace

void setBarSetOutline(ProjectModel& model) {
    if (model.sectionType == kRectangular) {
        model.barSetWidth = model.rectB;
        model.barSetHeight = model.rectH;
    } else if (model.sectionType == kRound) {
        // The square inscribed in the circle of the inside of the ties, grown again by the cover
        // and the ties that the bar-set layout deducts.
        const double k = static_cast<double>(model.clearCover) + barDiameter(model.tieBarSize);
        const float side = static_cast<float>(0.7071 * (model.circDiam - 2 * k) + 2 * k);
        model.barSetWidth = side;
        model.barSetHeight = side;
    }
    // An arbitrary section keeps the rectangle the user set in the bar-set editor.
}

BarLayoutResult rebuildBars(ProjectModel& model) {
    BarLayoutResult result;
    if (model.barLayout != kBarSets && model.barLayout != kCircular) {
        result.placed = static_cast<int>(modelBars(model).size());
        result.requested = result.placed;
        return result;
    }
    result.generated = true;
    if (model.barLayout == kBarSets) {
        layBarSets(model, result);
    } else {
        layCircle(model, result);
    }
    model.numBars = static_cast<int16_t>(result.placed);
    result.cutAtCapacity = result.requested > result.placed;
    return result;
}

int16_t barCountFromValue(double value) {
    return roundHalfEven16(value);
}

} // namespace pmsect
