// The wait window's tasks and their progress lines.
#include "ui/wait_presenter.h"

#include "engine/control_points.h"
#include "engine/interaction_curve.h"
#include "engine/interaction_surface.h"
#include "format/number_format.h"
#include "io/project_formats.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"
#include "ui/progress_texts.h"
#include "units/unit_conversion.h"

namespace pmsect {
namespace {

std::size_t lineIndex(ProgressQuantity quantity) {
    switch (quantity) {
    case ProgressQuantity::Direction:
        return 1;
    case ProgressQuantity::AxialForce:
        return 2;
    case ProgressQuantity::Moment:
        return 3;
    }
    return 1;
}

} // namespace

void WaitProgressLines::report(ProgressQuantity quantity, float value) {
    view_.lines[lineIndex(quantity)] = progressText(quantity, value, units_);
    if (repaint_) {
        repaint_();
    }
}

void WaitPresenter::repaint() const {
    if (repaint_) {
        repaint_();
    }
}

void WaitPresenter::run(const std::string& caption, const std::string& firstLine,
                        bool progressLines, const std::function<void(ProgressSink&)>& work) {
    view_.caption = caption;
    view_.shown = true;
    {
        BusyScope busy(pointer_);
        view_.lines.fill(std::string());
        view_.lines[0] = firstLine;
        const std::array<int, 4> previous = view_.lineColours;
        for (std::size_t i = 1; i < view_.lineColours.size() && progressLines; ++i) {
            view_.lineColours[i] = kLightRed;
        }
        repaint();
        WaitProgressLines sink(view_, model_.units, repaint_);
        work(sink);
        view_.lineColours = previous;
    }
    view_.shown = false;
    repaint();
}

FileResult WaitPresenter::runLoadFile(const std::string& path) {
    FileResult result;
    const std::string caption = "Loading file " + path;
    // The load checks and the results are left to the summary chain, which checks a long table
    // in the background: the wait window is up only while the file is read.
    run(caption, caption, false,
        [&](ProgressSink&) { result = loadAnyProject(path, model_, LoadChecks::Deferred); });
    return result;
}

void WaitPresenter::runSurface(float sections) {
    run("Computing 3D", "Computing 3D Surface Data", true, [&](ProgressSink& sink) {
        data_.surface = computeSurface(engineInputsOf(model_), data_.section.limits, sections,
                                       data_.curveDepths.depthsFor(data_.section.revision), &sink);
    });
    data_.surfaceStale = false;
}

void WaitPresenter::runCurve(float thetaDeg) {
    run("Computing 2D", "Computing 2D Curve Data", true, [&](ProgressSink& sink) {
        const EngineInputs inputs = engineInputsOf(model_);
        const AxialLimits limits = data_.section.limits;
        data_.curve = computeCurve(inputs, limits, thetaDeg,
                                   data_.curveDepths.depthsFor(data_.section.revision), &sink);
        data_.curveAngle = thetaDeg;
        data_.controlPoints = computeControlPoints(inputs, limits, thetaDeg);
    });
    data_.curvesStale = false;
}

ContourLoad WaitPresenter::runContour(double PnDisplay) {
    ContourLoad load;
    run("Computing 2D", "Computing 2D Curve Data", true, [&](ProgressSink& sink) {
        const DisplayUnits& u = model_.units;
        Contour contour = computeContour(engineInputsOf(model_), data_.section.limits,
                                         static_cast<float>(typedForce(u, PnDisplay)), &sink);
        load.Pn = contour.Pn;
        load.rewritten = contour.rewritten;
        if (contour.rewritten) {
            load.boxText = plainNumberText(static_cast<float>(shownForce(u, contour.Pn)));
        }
        data_.contour = contour.table;
    });
    data_.contourPn = load.Pn;
    return load;
}

} // namespace pmsect
