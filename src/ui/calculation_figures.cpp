// The figures' data: one model copy with the marked loads in its load table, their checks, one memo
// of starting depths, the surface computed first as the results window computes it, so that the
// curves are the ones the window and `pmsect-cli plot` draw.
#include "ui/calculation_figures.h"

#include "engine/interaction_curve.h"
#include "engine/interaction_surface.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "results/dimensioned_section.h"
#include "results/plot_drawing.h"

#include <algorithm>
#include <cstdint>

namespace pmsect {
namespace {

constexpr float kSurfaceSections = 8; // the results window's default
constexpr double kSectionShare = 0.36;
constexpr double kDiagramShare = 0.46;
constexpr double kSurfaceShare = 0.5;
constexpr double kViewHorizontal = 45;
constexpr double kViewVertical = 30;
// A figure marks and labels this many loads at most: past it the labels cover one another and
// the curves; the report's table lists every load.
constexpr std::size_t kMarkedLoads = 40;

} // namespace

struct CalculationFigures::Shared {
    ProjectModel model;
    std::uint64_t revision; // the summary the figures draw
    AxialLimits limits;
    SectionResults marked; // the checks of the model copy's loads
    std::vector<std::string> labels;
    CurveDepthMemo depths;
    SurfaceData surface;
};

CalculationFigures::CalculationFigures(const ProjectModel& model, const SectionResults& section,
                                       const std::vector<ReportLoad>& loads)
    : shared_(std::make_shared<Shared>()) {
    Shared& s = *shared_;
    s.model = model;
    s.revision = section.revision;
    s.limits = section.limits;
    // The governing loads first, so that a long load file still shows the ones that matter.
    std::vector<const ReportLoad*> marked;
    for (const ReportLoad& load : loads) {
        marked.push_back(&load);
    }
    std::stable_sort(marked.begin(), marked.end(), [](const ReportLoad* a, const ReportLoad* b) {
        const float ra = a->check.result.capacityFound ? a->check.result.ratio : -1.0f;
        const float rb = b->check.result.capacityFound ? b->check.result.ratio : -1.0f;
        return ra > rb;
    });
    if (marked.size() > kMarkedLoads) {
        marked.resize(kMarkedLoads);
    }
    s.model.loads.clear();
    for (const ReportLoad* load : marked) {
        appendCheckedLoad(s.model, s.marked, load->check);
        s.labels.push_back(load->id);
    }
    s.surface = computeSurface(engineInputsOf(s.model), s.limits, kSurfaceSections,
                               s.depths.depthsFor(s.revision));
}

DocumentFigure CalculationFigures::section(const std::string& title) const {
    auto s = shared_;
    return {title, kSectionShare,
            [s](Canvas& canvas) { drawDimensionedSection(s->model, canvas); }};
}

DocumentFigure CalculationFigures::diagram(float angle, const std::string& title) const {
    auto s = shared_;
    auto curve = std::make_shared<CurveTable>(
        computeCurve(engineInputsOf(s->model), s->limits, angle, s->depths.depthsFor(s->revision)));
    auto points = std::make_shared<ControlPoints>(controlPoints(angle));
    return {title, kDiagramShare, [s, curve, points, angle](Canvas& canvas) {
                Plot2DData d;
                d.table = curve.get();
                d.count = curve->count;
                d.angle = angle;
                d.controlPoints = points.get();
                d.loadLabels = &s->labels;
                drawPlot2D(canvas, d, s->model, s->marked, Plot2DOptions{});
            }};
}

ControlPoints CalculationFigures::controlPoints(float angle) const {
    return computeControlPoints(engineInputsOf(shared_->model), shared_->limits, angle);
}

DocumentFigure CalculationFigures::contour(float Pu, const std::string& title) const {
    auto s = shared_;
    auto contour =
        std::make_shared<Contour>(computeContour(engineInputsOf(s->model), s->limits, Pu));
    return {title, kDiagramShare, [s, contour](Canvas& canvas) {
                Plot2DData d;
                d.mode = PlotMode::Biaxial;
                d.table = &contour->table;
                d.count = kContourPoints;
                d.contourPn = contour->Pn;
                d.loadLabels = &s->labels;
                drawPlot2D(canvas, d, s->model, s->marked, Plot2DOptions{});
            }};
}

DocumentFigure CalculationFigures::surface(const std::string& title) const {
    auto s = shared_;
    return {title, kSurfaceShare, [s](Canvas& canvas) {
                drawView3D(canvas, s->surface, s->model, s->marked, kViewHorizontal, kViewVertical,
                           View3DOptions{}, MomentScaleSource::Extents);
            }};
}

} // namespace pmsect
