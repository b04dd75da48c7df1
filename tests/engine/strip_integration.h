// An independent evaluation of a section's strength for the tests: the outline is turned with
// double precision, the stress block is integrated over thin horizontal strips whose chords are
// found by intersecting each strip's mid-line with the outline, and the bars are summed as
// points. Nothing of the engine's own clipping or polygon measuring is used.
#pragma once

#include "engine/bar_table.h"
#include "model/project_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pmsect::test {

struct StripResult {
    double Pn = 0;        // kips
    double Mnx = 0;       // kip-in about the reference point, section axes
    double Mny = 0;       // kip-in
    double maxStrain = 0; // most tensile bar strain
};

inline StripResult stripIntegration(const ProjectModel& m, double angleDeg, double c,
                                    int strips = 4000) {
    // The program's own degree convention (3.1415 for pi), with whole quarter turns exact.
    const double theta = -angleDeg / 180.0 * 3.1415;
    const bool quarter = std::fmod(angleDeg, 90.0) == 0;
    const double ct =
        quarter ? std::round(std::cos(-angleDeg / 180.0 * std::numbers::pi)) : std::cos(theta);
    const double st =
        quarter ? std::round(std::sin(-angleDeg / 180.0 * std::numbers::pi)) : std::sin(theta);
    std::vector<double> xs, ys;
    for (int i = 1; i <= m.numPoints; ++i) {
        const double x = m.points[i].x - m.refX, y = m.points[i].y - m.refY;
        xs.push_back(x * ct - y * st);
        ys.push_back(x * st + y * ct);
    }
    const double ymax = *std::max_element(ys.begin(), ys.end());
    const double yc = ymax - m.beta1 * c;
    const double ymin = *std::min_element(ys.begin(), ys.end());
    const double bottom = std::max(yc, ymin);
    double F = 0, Fx = 0, Fy = 0; // force and first moments in the turned frame
    const double dy = (ymax - bottom) / strips;
    const double stress = -0.85 * m.fpc / 1000.0;
    for (int k = 0; k < strips; ++k) {
        const double y = bottom + (k + 0.5) * dy;
        std::vector<double> cuts;
        const std::size_t n = xs.size();
        for (std::size_t i = 0; i < n; ++i) {
            const std::size_t j = (i + 1) % n;
            const double y1 = ys[i], y2 = ys[j];
            if ((y1 <= y && y2 > y) || (y2 <= y && y1 > y)) {
                cuts.push_back(xs[i] + (xs[j] - xs[i]) * (y - y1) / (y2 - y1));
            }
        }
        std::sort(cuts.begin(), cuts.end());
        for (std::size_t i = 0; i + 1 < cuts.size(); i += 2) {
            const double w = cuts[i + 1] - cuts[i];
            const double f = stress * w * dy;
            F += f;
            Fx += f * (cuts[i] + cuts[i + 1]) / 2;
            Fy += f * y;
        }
    }
    StripResult r;
    r.maxStrain = -1e9;
    for (int i = 1; i <= m.numBars; ++i) {
        const double x0 = m.bars[i].x - m.refX, y0 = m.bars[i].y - m.refY;
        const double x = x0 * ct - y0 * st, y = x0 * st + y0 * ct;
        const double area = Barea(m.bars[i].size);
        const double strain = -0.003 * (c - (ymax - y)) / c;
        r.maxStrain = std::max(r.maxStrain, strain);
        const double fs = std::clamp(strain * m.Es, -double(m.fy), double(m.fy));
        double f = area * fs / 1000.0;
        if (y > yc && y < ymax) {
            f -= stress * area; // the bar displaces concrete of the block
        }
        F += f;
        Fx += f * x;
        Fy += f * y;
    }
    r.Pn = F;
    // Back to the section's axes: M about x is -sum(F y), about y is -sum(F x).
    const double Mxr = -Fy, Myr = -Fx;
    r.Mnx = Myr * std::sin(-theta) + Mxr * std::cos(-theta);
    r.Mny = Myr * std::cos(-theta) - Mxr * std::sin(-theta);
    return r;
}

} // namespace pmsect::test
