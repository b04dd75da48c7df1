// The wait window's computing tasks: the failure surface (task 2), the Pn-Mn curve (task 3) and
// the biaxial contour (task 4), each under the busy pointer with its captions and the red
// progress lines, writing into the ResultsData that lives for the whole run.
#pragma once

#include "model/project_model.h"
#include "results/canvas.h"
#include "results/interaction_curve.h"
#include "results/progress_sink.h"
#include "ui/busy_pointer.h"
#include "ui/results_data.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace pmsect {

enum class WaitTask : int16_t { LoadFile = 1, Surface = 2, Curve = 3, Contour = 4 };

struct WaitTaskView {
    std::string caption = "Wait";
    std::string heading = "Please Wait ...";
    std::array<std::string, 4> lines{};
    // Palette colours of the four lines: the progress lines (2-4) turn red while a task runs.
    std::array<int, 4> lineColours{kBlack, kBlack, kBlack, kBlack};
    bool shown = false;
};

// The progress lines of a running task as view state: line 2 the direction, 3 the axial force,
// 4 the moment. Every new text is followed by the repaint callback, if one is set, so that a
// window can show it while the computation goes on.
class WaitProgressLines : public ProgressSink {
public:
    WaitProgressLines(WaitTaskView& view, const std::function<void()>& repaint)
        : view_(view), repaint_(repaint) {}
    void show(ProgressLine line, const std::string& text) override;

private:
    WaitTaskView& view_;
    const std::function<void()>& repaint_;
};

class WaitPresenter {
public:
    WaitPresenter(ProjectModel& model, BusyPointer& pointer, ResultsData& data)
        : model_(model), pointer_(pointer), data_(data) {}

    const WaitTaskView& view() const { return view_; }
    // Called after every change of the view while a task runs.
    void setRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

    // Task 2: the surface of sections directions (limited to 4..32); clears surfaceStale.
    void runSurface(float sections);
    // Task 3: the Pn-Mn curve at thetaDeg; clears curvesStale.
    void runCurve(float thetaDeg);
    // Task 4: the contour at the axial load typed in the display force unit. The result tells
    // whether the load was replaced by 99 % of a limit, and the box text to show then.
    ContourLoad runContour(double PnDisplay);

    void hide() { view_.shown = false; }
    bool shown() const { return view_.shown; }

private:
    // Shows the window with its captions, runs work with red progress lines under the busy
    // pointer, then restores the colours and hides the window.
    void run(WaitTask task, const std::function<void(ProgressSink&)>& work);
    void repaint() const;

    ProjectModel& model_;
    BusyPointer& pointer_;
    ResultsData& data_;
    WaitTaskView view_;
    std::function<void()> repaint_;
};

} // namespace pmsect
