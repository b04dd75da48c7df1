// The title line and the titles of the plots.
#include "results/figure_title.h"

#include "format/number_format.h"
#include "results/canvas_region.h"
#include "units/unit_conversion.h"

#include <algorithm>

namespace pmsect {
namespace {

constexpr double kTitleLines = 1.8; // the title and the space under it

std::string edition(const ProjectModel& model) {
    return "ACI " + std::string(designCodeName(model.designCode));
}

} // namespace

void drawTitledFigure(Canvas& canvas, const std::string& title,
                      const std::function<void(Canvas&)>& drawing) {
    canvas.clear();
    const double th = canvas.textHeight();
    canvas.text(std::max(0.0, (canvas.width() - canvas.textWidth(title)) / 2), th / 3, title,
                kBlack);
    const double top = kTitleLines * th;
    CanvasRegion below(canvas, 0, top, canvas.width(), std::max(0.0, canvas.height() - top));
    drawing(below);
}

std::string plotTitle(const std::string& project, const Plot2DData& data,
                      const ProjectModel& model) {
    const std::string what =
        data.mode == PlotMode::PnMn
            ? "Pn-Mn diagram at " + formatNumber(data.angle, "##0.##") + " deg"
            : "biaxial contour at Pn = " +
                  formatNumber(shownForce(model.units, data.contourPn), "##,##0.00") + " " +
                  model.units.forceLabel;
    return project + " - " + what + " - " + edition(model);
}

std::string surfaceTitle(const std::string& project, const ProjectModel& model) {
    return project + " - failure surface, Pn-Mnx-Mny - " + edition(model);
}

} // namespace pmsect
