// The wait window's computing tasks and their progress lines.
#include "ui/wait_presenter.h"

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

void WaitPresenter::run(WaitTask task, const std::function<void(ProgressSink&)>& work) {
    const bool surface = task == WaitTask::Surface;
    view_.caption = surface ? "Computing 3D" : "Computing 2D";
    view_.shown = true;
    {
        BusyScope busy(pointer_);
        view_.lines.fill(std::string());
        view_.lines[0] = surface ? "Computing 3D Surface Data" : "Computing 2D Curve Data";
        const std::array<int, 4> previous = view_.lineColours;
        for (std::size_t i = 1; i < view_.lineColours.size(); ++i) {
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

void WaitPresenter::runSurface(float sections) {
    run(WaitTask::Surface,
        [&](ProgressSink& sink) { computeSurface(model_, sections, data_.surface, &sink); });
    model_.surfaceStale = false;
}

void WaitPresenter::runCurve(float thetaDeg) {
    run(WaitTask::Curve, [&](ProgressSink& sink) {
        computeCurve(model_, thetaDeg, data_.curve, &sink);
        data_.curveAngle = thetaDeg;
        data_.controlPoints = computeControlPoints(model_, thetaDeg);
    });
    model_.curvesStale = false;
}

ContourLoad WaitPresenter::runContour(double PnDisplay) {
    ContourLoad load;
    run(WaitTask::Contour, [&](ProgressSink& sink) {
        load = computeContour(model_, PnDisplay, data_.contour, &sink);
    });
    data_.contourPn = load.Pn;
    return load;
}

} // namespace pmsect
