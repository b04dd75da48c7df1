// The wait window's tasks and their progress lines.
#include "ui/wait_presenter.h"

#include "io/project_formats.h"

namespace pmsect {
namespace {

std::size_t lineIndex(ProgressLine line) {
    switch (line) {
    case ProgressLine::Angle:
        return 1;
    case ProgressLine::Pn:
        return 2;
    case ProgressLine::Mn:
        return 3;
    }
    return 1;
}

} // namespace

void WaitProgressLines::show(ProgressLine line, const std::string& text) {
    view_.lines[lineIndex(line)] = text;
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
        WaitProgressLines sink(view_, repaint_);
        work(sink);
        view_.lineColours = previous;
    }
    view_.shown = false;
    repaint();
}

FileResult WaitPresenter::runLoadFile(const std::string& path) {
    FileResult result;
    const std::string caption = "Loading file " + path;
    run(caption, caption, false, [&](ProgressSink&) { result = loadAnyProject(path, model_); });
    return result;
}

void WaitPresenter::runSurface(float sections) {
    run("Computing 3D", "Computing 3D Surface Data", true, [&](ProgressSink& sink) {
        computeSurface(model_, sections, data_.surface, data_.curveDepths, &sink);
    });
    data_.surfaceStale = false;
}

void WaitPresenter::runCurve(float thetaDeg) {
    run("Computing 2D", "Computing 2D Curve Data", true, [&](ProgressSink& sink) {
        computeCurve(model_, thetaDeg, data_.curve, data_.curveDepths, &sink);
        data_.curveAngle = thetaDeg;
        data_.controlPoints = computeControlPoints(model_, thetaDeg);
    });
    data_.curvesStale = false;
}

ContourLoad WaitPresenter::runContour(double PnDisplay) {
    ContourLoad load;
    run("Computing 2D", "Computing 2D Curve Data", true, [&](ProgressSink& sink) {
        load = computeContour(model_, PnDisplay, data_.contour, &sink);
    });
    data_.contourPn = load.Pn;
    return load;
}

} // namespace pmsect
