// Building the printed figures from the results data.
#include "ui/report_figures.h"

#include "format/number_format.h"
#include "results/control_point_table.h"
#include "results/plot_drawing.h"

#include <memory>
#include <string>

namespace pmsect {

PrintedFigures reportFigures(const ProjectModel& model, const ResultsData& data,
                             const ReportFigureView& view) {
    // Shared by the two drawings, which the printer calls once a copy.
    struct Figures {
        ProjectModel model;
        CurveDepthMemo depths;
        CurveTable curve;
        float angle = 90;
        ControlPoints points{};
        SurfaceData surface;
    };
    auto f = std::make_shared<Figures>();
    f->model = model;
    f->depths = data.curveDepths;
    const bool curveCurrent = !data.curvesStale && data.curve.count > 0;
    if (curveCurrent) {
        f->curve = data.curve;
        f->angle = data.curveAngle;
        f->points = data.controlPoints;
    } else {
        f->angle = view.curveAngle;
        computeCurve(f->model, f->angle, f->curve, f->depths);
        f->points = computeControlPoints(f->model, f->angle);
    }
    if (!data.surfaceStale && data.surface.sections > 0) {
        f->surface = data.surface;
    } else {
        computeSurface(f->model, view.sections, f->surface, f->depths);
    }

    PrintedFigures out;
    out.diagramCaption = "Pn-Mn interaction diagram at " + formatNumber(f->angle, "##0.##") +
                         " deg, ACI " + std::string(designCodeName(model.designCode));
    out.diagram = [f](Canvas& canvas) {
        Plot2DData d;
        d.table = &f->curve;
        d.count = f->curve.count;
        d.angle = f->angle;
        d.controlPoints = &f->points;
        drawPlot2D(canvas, d, f->model, Plot2DOptions{});
    };
    out.controlPoints = controlPointTableLines(f->points, model.units);
    out.surface = [f, view](Canvas& canvas) {
        drawView3D(canvas, f->surface, f->model, view.horizontal, view.vertical, View3DOptions{},
                   MomentScaleSource::Extents);
    };
    return out;
}

} // namespace pmsect
