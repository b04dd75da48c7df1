// Comma-separated values and SVG of the results.
#include "ui/results_export.h"

#include "format/number_format.h"
#include "io/file_replacing.h"
#include "units/unit_conversion.h"

namespace pmsect {
namespace {

// Shortest text that reads back as the single-precision value, no leading blank.
std::string csvNumber(double value) {
    std::string text = plainNumberText(static_cast<float>(value));
    if (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    return text;
}

double displayForce(float kips, const DisplayUnits& u) {
    return shownForce(u, kips);
}

double displayMoment(float kipInches, const DisplayUnits& u) {
    return shownMomentFromKipIn(u, kipInches);
}

std::string forceHeader(const DisplayUnits& u) {
    return "Pn (" + u.forceLabel + ")";
}

} // namespace

std::string curveCsv(const CurveTable& curve, int count, const DisplayUnits& units) {
    std::string out = "phi," + forceHeader(units) + ",Mn (" + units.momentLabel + "),found\n";
    for (int i = 1; i <= count && i <= kMaxCurveRows; ++i) {
        const bool found = curve.isFound(i);
        out += csvNumber(curve.phi(i)) + "," + csvNumber(displayForce(curve.col1(i), units)) + "," +
               (found ? csvNumber(displayMoment(curve.col2(i), units)) : std::string()) + "," +
               (found ? "1" : "0") + "\n";
    }
    return out;
}

std::string contourCsv(const CurveTable& contour, const DisplayUnits& units) {
    const std::string m = " (" + units.momentLabel + ")";
    std::string out = "angle (deg),phi,Mnx" + m + ",Mny" + m + ",found,design phi," + "phiPn (" +
                      units.forceLabel + "),phiMnx" + m + ",phiMny" + m + ",design found\n";
    for (int k = 1; k <= kContourPoints; ++k) {
        const bool found = contour.isFound(k);
        std::string moments = ",";
        if (found) {
            moments = csvNumber(-displayMoment(contour.col1(k), units)) + "," +
                      csvNumber(-displayMoment(contour.col2(k), units));
        }
        // The design contour's state of the same direction, at phi*Pn = P.
        const DesignContourPoint& d = contour.design.points[static_cast<std::size_t>(k)];
        std::string design = ",,,";
        if (d.found) {
            design = csvNumber(d.phi) + "," + csvNumber(displayForce(d.phiPn, units)) + "," +
                     csvNumber(-displayMoment(d.phiM1, units)) + "," +
                     csvNumber(-displayMoment(d.phiM2, units));
        }
        out += std::to_string(9 * (k - 1)) + "," + csvNumber(contour.phi(k)) + "," + moments + "," +
               (found ? "1" : "0") + "," + design + "," + (d.found ? "1" : "0") + "\n";
    }
    return out;
}

std::string surfaceCsv(const SurfaceData& surface, const DisplayUnits& units) {
    std::string out = "direction,angle (deg),row,phi," + forceHeader(units) + ",Mn (" +
                      units.momentLabel + "),found\n";
    const int sections = surface.sections;
    for (int j = 1; j <= sections && j <= kMaxSurfaceSections; ++j) {
        const double angle = (j - 1) * 360.0 / sections + 90.0;
        for (int i = 1; i <= surface.rowCount && i <= kMaxCurveRows; ++i) {
            const bool found = surface.isFound(j, i);
            out += std::to_string(j) + "," + csvNumber(angle) + "," + std::to_string(i) + "," +
                   csvNumber(surface.phi(j, i)) + "," +
                   csvNumber(displayForce(surface.Pn(j, i), units)) + "," +
                   (found ? csvNumber(displayMoment(surface.Mn(j, i), units)) : std::string()) +
                   "," + (found ? "1" : "0") + "\n";
        }
    }
    return out;
}

std::string pictureSvg(const std::function<void(Canvas&)>& drawing, double width, double height,
                       SvgBackground background) {
    SvgCanvas canvas(width, height, background);
    drawing(canvas);
    return canvas.document();
}

bool saveExport(const std::string& path, std::string_view bytes) {
    return writeFileReplacing(path, bytes).ok;
}

} // namespace pmsect
