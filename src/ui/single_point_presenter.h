// The "Single Strength Computations" window without its widgets: one strain state of the current
// section, given by a neutral axis (c and its angle) or by a load (e and its angle), with its
// results as label texts and its drawing for any Canvas.
#pragma once

#include "engine/strain_compat.h"
#include "model/project_model.h"
#include "results/canvas.h"
#include "ui/platform.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pmsect {

enum class SinglePointMode { GivenC, GivenE };
enum class SinglePointInput { C, NeutralAxisAngle, E, LoadAngle };

// The toolkit's caption with its escapes resolved: "&&" shows as "&", a single "&" marks the
// access key and is not shown.
std::string captionShownText(std::string_view caption);

// The drawing area takes the window's inner size less these allowances, in twips, for the inputs
// on its left and the mode choices above it.
inline constexpr double kDrawingWidthAllowance = 2760;
inline constexpr double kDrawingHeightAllowance = 765;

struct DrawingArea {
    double width = 0;
    double height = 0;
};

// The drawing area of a window whose inner size is given in twips; never negative.
DrawingArea singlePointDrawingArea(double innerWidth, double innerHeight);

// What the eccentricity input shows when the axial force is exactly zero.
inline constexpr const char* kInfiniteEccentricityText = "infinite";

// Shown when no strain state reaches the eccentricity and load angle asked for.
inline constexpr const char* kUnreachedLoadMessage =
    "No strain state reaches this eccentricity and load angle";

struct InputBox {
    std::string label;
    std::string text;
    std::string unit;
    bool enabled = false;
};

struct SinglePointView {
    std::string caption;
    std::string givenCCaption; // toolkit text; see captionShownText
    std::string givenECaption;
    std::string doneCaption;
    bool visible = false;
    SinglePointMode mode = SinglePointMode::GivenC;
    InputBox c;
    InputBox neutralAxisAngle;
    InputBox e;
    InputBox loadAngle;
    std::string pn;
    std::string tensionForce;
    std::string compressionForce;
    std::string ac;
    std::string grossCompArea;
    std::string mnx;
    std::string mny;
    DrawingArea drawingArea;
    int drawingSerial = 0; // counts the drawings made, so a window knows when to repaint
};

class SinglePointPresenter {
public:
    // busy(true) requests the busy pointer, busy(false) releases one request.
    SinglePointPresenter(ProjectModel& model, Platform& platform,
                         std::function<void(bool busy)> busy);

    // The main window's button: the first time sets the c mode, c = 4 display units and angle 0;
    // every time shows and activates the window.
    void open();
    // showSolution set, the c-mode computation without rewriting the c input, pointer released.
    void activate();

    // Enables the inputs of the mode; computes nothing.
    void chooseMode(SinglePointMode mode);
    // The user's typing, not yet validated.
    void setText(SinglePointInput input, std::string text);
    void enter(SinglePointInput input);
    void leave(SinglePointInput input);

    // Done: busy pointer requested, window hidden. Either way of leaving clears showSolution.
    void done();
    void close();

    // The window's inner size in twips: a new drawing area for the state already solved, which
    // is drawn again at the new size and never solved again.
    void resize(double innerWidth, double innerHeight);

    // For the section summary: re-evaluates at the c and angle inputs and rewrites the e input,
    // the Pn line and the load-angle input (and the other lines and the drawing while
    // showSolution is set). Does nothing before the first opening or when an input is not a
    // number; it never shows a message.
    void refreshFromSummary();

    // The two length unit labels follow the unit choice.
    void applyUnitLabels();

    const SinglePointView& view() const { return view_; }
    // The neutral-axis depth of the last c-mode evaluation, in inches, as the engine used it.
    float depth() const { return depth_; }
    // The window is open and shows the solution's lines and drawing.
    bool showsSolution() const { return showSolution_; }
    bool hasDrawing() const { return drawnDetail_.has_value(); }
    // The last evaluation's picture, scaled to the canvas.
    void draw(Canvas& canvas) const;

private:
    enum class Trigger { Activation, CInput, AngleInput };

    InputBox& box(SinglePointInput input);
    std::optional<double> validate(SinglePointInput input);
    void computeGivenC(Trigger trigger);
    void computeGivenE();
    void showSquashState(float loadAngle);
    void writeLoadResults(const NeutralAxisState& state, const EvaluationDetail& detail);
    void writeDetailLines(const EvaluationDetail& detail);
    void reportUnmatchedBar();
    void setModeEnables();

    ProjectModel& model_;
    Platform& platform_;
    std::function<void(bool)> busy_;
    SinglePointView view_;
    bool initialised_ = false;
    bool showSolution_ = false;
    float depth_ = 4;
    std::optional<EvaluationDetail> drawnDetail_;
    ProjectModel drawnModel_; // the bars as they were when the drawing was made
};

} // namespace pmsect
