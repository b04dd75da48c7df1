// The wait window's tasks: loading a project file (task 1), the failure surface (task 2), the
// Pn-Mn curve (task 3) and the biaxial contour (task 4), each under the busy pointer with its
// captions; the computing tasks show red progress lines and write into the ResultsData that
// lives for the whole run.
#pragma once

#include "engine/progress_sink.h"
#include "io/file_result.h"
#include "model/project_model.h"
#include "results/canvas.h"
#include "ui/busy_pointer.h"
#include "ui/results_data.h"

#include <array>
#include <functional>
#include <string>

namespace pmsect {

struct WaitView {
    std::string caption = "Wait";
    std::string heading = "Please Wait ...";
    std::array<std::string, 4> lines{};
    // Palette colours of the four lines: the progress lines (2-4) turn red while a task runs.
    std::array<int, 4> lineColours{kBlack, kBlack, kBlack, kBlack};
    bool shown = false;
};

// The progress lines of a running task as view state: line 2 the direction, 3 the axial force,
// 4 the moment, each reported number shown in the display units. Every new text is followed by
// the repaint callback, if one is set, so that a window can show it while the computation goes
// on.
class WaitProgressLines : public ProgressSink {
public:
    WaitProgressLines(WaitView& view, const DisplayUnits& units,
                      const std::function<void()>& repaint)
        : view_(view), units_(units), repaint_(repaint) {}
    void report(ProgressQuantity quantity, float value) override;

private:
    WaitView& view_;
    const DisplayUnits& units_;
    const std::function<void()>& repaint_;
};

// The axial load a contour was computed at, and what the load box shows when the typed load
// was replaced.
struct ContourLoad {
    float Pn = 0; // kips
    bool rewritten = false;
    std::string boxText; // plain text of the replacement in the display force unit
};

class WaitPresenter {
public:
    WaitPresenter(ProjectModel& model, BusyPointer& pointer, ResultsData& data)
        : model_(model), pointer_(pointer), data_(data) {}

    const WaitView& view() const { return view_; }
    // Called after every change of the view while a task runs.
    void setRepaint(std::function<void()> repaint) { repaint_ = std::move(repaint); }

    // Task 1: the project file at path loaded into the model, its section summary run and its
    // load rows left pending for the summary chain to check. A failed load leaves the model
    // exactly as it was.
    FileResult runLoadFile(const std::string& path);
    // The computing tasks run on the project's engine inputs, at the limits of its last summary,
    // and keep what they computed in the ResultsData.
    // Task 2: the surface of sections directions (limited to 4..32); clears data.surfaceStale.
    void runSurface(float sections);
    // Task 3: the Pn-Mn curve at thetaDeg; clears data.curvesStale.
    void runCurve(float thetaDeg);
    // Task 4: the contour at the axial load typed in the display force unit. The result tells
    // whether the load was replaced by 99 % of a limit, and the box text to show then.
    ContourLoad runContour(double PnDisplay);

    void hide() { view_.shown = false; }
    bool shown() const { return view_.shown; }

private:
    // Shows the window with its captions, runs work under the busy pointer (a computing task
    // with red progress lines), then restores the colours and hides the window.
    void run(const std::string& caption, const std::string& firstLine, bool progressLines,
             const std::function<void(ProgressSink&)>& work);
    void repaint() const;

    ProjectModel& model_;
    BusyPointer& pointer_;
    ResultsData& data_;
    WaitView view_;
    std::function<void()> repaint_;
};

} // namespace pmsect
