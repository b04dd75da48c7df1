// The single-point window's logic: validating its four inputs, choosing the engine operation for
// the mode, and turning one evaluation into label texts and a drawing.
#include "ui/single_point_presenter.h"

#include "engine/bar_table.h"
#include "engine/searches.h"
#include "engine/strain_compat.h"
#include "format/number_format.h"
#include "project/engine_inputs_of.h"
#include "results/section_drawing.h"
#include "units/unit_conversion.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace pmsect {
namespace {

constexpr const char* kLengthPattern = "###,##0.00";
constexpr const char* kTypedAnglePattern = "###0.00";
constexpr const char* kAnglePattern = "#,##0.00";
constexpr const char* kForcePattern = "##,##0.00";
constexpr const char* kGrossAreaPattern = "#,##0.00";

// The first opening's depth, in display units; also the c input's reset value, in inches.
constexpr double kStartDepth = 4;
constexpr double kEccentricityReset = 1; // in
constexpr double kLoadAngleReset = 90;   // degrees

// A neutral axis this many times the section's extent away leaves every fibre at the crushing
// strain to within 1/10000 of it: the squash state of a concentric load.
constexpr double kSquashDepthPerExtent = 1e4;

// Twice the farthest outline coordinate from the reference point, in inches: a depth on the
// section's own scale.
double sectionExtent(const ProjectModel& model) {
    double extent = 1; // in; a section without an outline still gets a depth
    for (const Point& p : outlinePoints(model)) {
        extent = std::max({extent, 2 * std::fabs(static_cast<double>(p.x)),
                           2 * std::fabs(static_cast<double>(p.y))});
    }
    return extent;
}

double squashDepth(const ProjectModel& model) {
    return kSquashDepthPerExtent * sectionExtent(model);
}

// The depth search steps an inch at a time, reversing and halving: from the far depth of a
// squash state (or any depth far off the section) it never comes back within its steps. The e
// search starts from the depth shown when it lies on the section's scale, else from the extent.
constexpr double kStartDepthsPerExtent = 2;

std::string withUnit(double value, const char* pattern, const std::string& label) {
    return formatNumber(value, pattern) + " " + label;
}

} // namespace

std::string captionShownText(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out.push_back('&');
                ++i;
            }
            continue;
        }
        out.push_back(caption[i]);
    }
    return out;
}

DrawingArea singlePointDrawingArea(double innerWidth, double innerHeight) {
    return DrawingArea{std::max(0.0, innerWidth - kDrawingWidthAllowance),
                       std::max(0.0, innerHeight - kDrawingHeightAllowance)};
}

SinglePointPresenter::SinglePointPresenter(ProjectModel& model, Platform& platform,
                                           std::function<void(bool)> busy)
    : model_(model), platform_(platform), busy_(std::move(busy)) {
    view_.caption = "Single Strength Computations";
    view_.givenCCaption = "Given c && NA Angle";
    view_.givenECaption = "Given e && Load Angle";
    view_.doneCaption = "&Done";
    view_.c.label = "c =";
    view_.neutralAxisAngle.label = "N.A. Angle";
    view_.neutralAxisAngle.unit = "deg.";
    view_.e.label = "e =";
    view_.loadAngle.label = "Load Angle";
    view_.loadAngle.unit = "deg.";
    applyUnitLabels();
    setModeEnables();
}

void SinglePointPresenter::open() {
    if (!initialised_) {
        initialised_ = true;
        view_.mode = SinglePointMode::GivenC;
        setModeEnables();
        depth_ = static_cast<float>(typedLength(model_.units, kStartDepth));
        view_.c.text = plainNumberText(static_cast<float>(kStartDepth));
        view_.neutralAxisAngle.text = "0";
    }
    view_.visible = true;
    activate();
}

void SinglePointPresenter::activate() {
    if (!initialised_) {
        open();
        return;
    }
    applyUnitLabels();
    showSolution_ = true;
    computeGivenC(Trigger::Activation);
    if (busy_) {
        busy_(false);
    }
}

void SinglePointPresenter::chooseMode(SinglePointMode mode) {
    view_.mode = mode;
    setModeEnables();
}

void SinglePointPresenter::setText(SinglePointInput input, std::string text) {
    box(input).text = std::move(text);
}

void SinglePointPresenter::enter(SinglePointInput input) {
    if (!box(input).enabled) {
        return;
    }
    switch (input) {
    case SinglePointInput::C:
        computeGivenC(Trigger::CInput);
        break;
    case SinglePointInput::NeutralAxisAngle:
        computeGivenC(Trigger::AngleInput);
        break;
    case SinglePointInput::E:
    case SinglePointInput::LoadAngle:
        computeGivenE();
        break;
    }
}

void SinglePointPresenter::leave(SinglePointInput input) {
    if (!box(input).enabled) {
        return;
    }
    if (input == SinglePointInput::C || input == SinglePointInput::NeutralAxisAngle) {
        enter(input);
        return;
    }
    // Leaving an input of the e mode only checks it: the search is slow enough to wait for Enter.
    validate(input);
}

void SinglePointPresenter::done() {
    if (busy_) {
        busy_(true);
    }
    view_.visible = false;
    // A hidden window needs no intermediate results; the next activation sets the flag again.
    showSolution_ = false;
}

void SinglePointPresenter::close() {
    view_.visible = false;
    showSolution_ = false;
}

void SinglePointPresenter::resize(double innerWidth, double innerHeight) {
    view_.drawingArea = singlePointDrawingArea(innerWidth, innerHeight);
    // Solving again from the inputs would start from the rounded c the box shows and move the
    // answer; the picture only needs redrawing.
    if (drawnDetail_) {
        ++view_.drawingSerial;
    }
}

void SinglePointPresenter::refreshFromSummary() {
    if (!initialised_) {
        return;
    }
    const auto c = parseNumber(view_.c.text);
    const auto angle = parseNumber(view_.neutralAxisAngle.text);
    if (!c || !angle) {
        return;
    }
    NeutralAxisState state;
    state.c = static_cast<float>(typedLength(model_.units, *c));
    if (!std::isfinite(state.c)) {
        return;
    }
    EvaluationDetail detail;
    solveNeutralAxis(engineInputsOf(model_), static_cast<float>(*angle), state, &detail);
    writeLoadResults(state, detail);
    if (showSolution_) {
        writeDetailLines(detail);
    }
}

void SinglePointPresenter::applyUnitLabels() {
    view_.c.unit = model_.units.lengthLabel;
    view_.e.unit = model_.units.lengthLabel;
}

void SinglePointPresenter::draw(Canvas& canvas) const {
    if (drawnDetail_) {
        drawSection(*drawnDetail_, drawnModel_, canvas);
    } else {
        canvas.clear();
    }
}

InputBox& SinglePointPresenter::box(SinglePointInput input) {
    switch (input) {
    case SinglePointInput::C:
        return view_.c;
    case SinglePointInput::NeutralAxisAngle:
        return view_.neutralAxisAngle;
    case SinglePointInput::E:
        return view_.e;
    case SinglePointInput::LoadAngle:
        break;
    }
    return view_.loadAngle;
}

// The typed value, or after a message the input's reset value, which processing then goes on
// with.
std::optional<double> SinglePointPresenter::validate(SinglePointInput input) {
    InputBox& b = box(input);
    if (const auto value = parseNumber(b.text)) {
        // A length so large that it overflows once turned into inches is no usable number
        // either (1E+38 ft): it is refused like text, rather than reaching the engine as infinity.
        const bool length = input == SinglePointInput::C || input == SinglePointInput::E;
        if (!length || std::isfinite(static_cast<float>(typedLength(model_.units, *value)))) {
            return value;
        }
    }
    double reset = 0;
    switch (input) {
    case SinglePointInput::C:
        platform_.showMessage("c must be numeric");
        reset = shownLength(model_.units, kStartDepth);
        break;
    case SinglePointInput::NeutralAxisAngle:
        platform_.showMessage("Rotation Angle must be numeric");
        reset = 0;
        break;
    case SinglePointInput::E:
        platform_.showMessage("The eccentricity needs to be numeric");
        reset = shownLength(model_.units, kEccentricityReset);
        break;
    case SinglePointInput::LoadAngle:
        platform_.showMessage("The Load Angle needs to be numeric");
        reset = kLoadAngleReset;
        break;
    }
    const auto shown = static_cast<float>(reset);
    b.text = plainNumberText(shown);
    return shown;
}

void SinglePointPresenter::computeGivenC(Trigger trigger) {
    const double c = *validate(SinglePointInput::C);
    const auto angle = static_cast<float>(*validate(SinglePointInput::NeutralAxisAngle));

    depth_ = static_cast<float>(typedLength(model_.units, c));
    NeutralAxisState state;
    state.c = depth_;
    EvaluationDetail detail;
    solveNeutralAxis(engineInputsOf(model_), angle, state, &detail);
    depth_ = state.c; // raised to the engine's minimum depth when below it

    if (trigger == Trigger::CInput) {
        view_.c.text = formatNumber(shownLength(model_.units, state.c), kLengthPattern);
    }
    if (trigger == Trigger::AngleInput) {
        view_.neutralAxisAngle.text = formatNumber(angle, kTypedAnglePattern);
    }
    writeLoadResults(state, detail);
    writeDetailLines(detail);
    reportUnmatchedBar();
}

void SinglePointPresenter::computeGivenE() {
    const double eTyped = *validate(SinglePointInput::E);
    const double loadAngleTyped = *validate(SinglePointInput::LoadAngle);
    const double cStart = *validate(SinglePointInput::C);

    const auto eTarget = static_cast<float>(typedLength(model_.units, eTyped));
    if (eTarget == 0) {
        showSquashState(static_cast<float>(loadAngleTyped));
        return;
    }
    const double extent = sectionExtent(model_);
    const double lastDepth = typedLength(model_.units, cStart);
    const bool onScale = lastDepth > 0 && lastDepth <= kStartDepthsPerExtent * extent;
    float eReached = eTarget;
    auto angleReached = static_cast<float>(loadAngleTyped);
    const EngineInputs inputs = engineInputsOf(model_);
    NeutralAxisState state;
    AngleSearchOutcome outcome;
    bool reached = false;
    // The depth shown is the last answer, a good start near it; when the search from there
    // fails, the answer must not depend on what was solved before, so it starts again from the
    // section's extent.
    for (const double start : {onScale ? lastDepth : extent, extent}) {
        eReached = eTarget;
        angleReached = static_cast<float>(loadAngleTyped);
        state = NeutralAxisState{};
        state.c = static_cast<float>(start);
        outcome = searchForEccentricityAndAngle(inputs, eReached, angleReached, state);
        reached = outcome.converged && eccentricityWithinDrift(eTarget, eReached);
        if (reached || start == extent) {
            break;
        }
    }
    if (!reached) {
        // Showing the last trial would present a strain state that does not carry the load
        // asked for; keep the previous results as they were instead.
        platform_.showMessage(kUnreachedLoadMessage);
        reportUnmatchedBar();
        return;
    }

    // The searches evaluate without detail; one more evaluation at the state found repeats the
    // last trial and gives the lines and the drawing.
    NeutralAxisState shown = state;
    EvaluationDetail detail;
    solveNeutralAxis(engineInputsOf(model_), outcome.neutralAxisAngle, shown, &detail);

    view_.c.text = formatNumber(shownLength(model_.units, shown.c), kLengthPattern);
    view_.pn = "Pn = " +
               withUnit(shownForce(model_.units, shown.Pn), kForcePattern, model_.units.forceLabel);
    view_.e.text = formatNumber(shownLength(model_.units, eReached), kLengthPattern);
    view_.neutralAxisAngle.text = formatNumber(outcome.neutralAxisAngle, kAnglePattern);
    view_.loadAngle.text = formatNumber(angleReached, kAnglePattern);
    writeDetailLines(detail);
    reportUnmatchedBar();
}

// No finite neutral-axis depth gives e = 0, so the e search never reaches a concentric load; its
// answer is the section squashed, evaluated at a depth far beyond the section.
void SinglePointPresenter::showSquashState(float loadAngle) {
    const DisplayUnits& u = model_.units;
    NeutralAxisState state;
    state.c = static_cast<float>(squashDepth(model_));
    EvaluationDetail detail;
    const auto neutralAxisAngle = static_cast<float>(static_cast<double>(loadAngle) - 90.0);
    solveNeutralAxis(engineInputsOf(model_), neutralAxisAngle, state, &detail);

    view_.c.text = formatNumber(shownLength(u, state.c), kLengthPattern);
    view_.e.text = formatNumber(0.0, kLengthPattern);
    view_.neutralAxisAngle.text = formatNumber(neutralAxisAngle, kAnglePattern);
    view_.loadAngle.text = formatNumber(loadAngle, kAnglePattern);
    view_.pn = "Pn = " + withUnit(shownForce(u, state.Pn), kForcePattern, u.forceLabel);
    writeDetailLines(detail);
    reportUnmatchedBar();
}

void SinglePointPresenter::writeLoadResults(const NeutralAxisState& state,
                                            const EvaluationDetail& detail) {
    if (state.Pn == 0) {
        view_.e.text = kInfiniteEccentricityText;
    } else {
        const double e = shownLength(model_.units, -static_cast<double>(state.Mn) / state.Pn);
        view_.e.text = std::isfinite(e) ? formatNumber(e, kLengthPattern)
                                        : std::string(kInfiniteEccentricityText);
    }
    view_.pn = "Pn = " +
               withUnit(shownForce(model_.units, state.Pn), kForcePattern, model_.units.forceLabel);
    // With practically no axial force the engine finds no load line; the input keeps its text.
    if (detail.loadAngleWritten) {
        view_.loadAngle.text = formatNumber(state.loadAngle, kAnglePattern);
    }
}

void SinglePointPresenter::writeDetailLines(const EvaluationDetail& detail) {
    const DisplayUnits& u = model_.units;
    view_.tensionForce = "Tens. Force = " +
                         withUnit(shownForce(u, detail.tensionForce), kForcePattern, u.forceLabel);
    view_.compressionForce = "Comp. Force = " + withUnit(shownForce(u, detail.compressionForce),
                                                         kForcePattern, u.forceLabel);
    view_.ac = "Ac = " + withUnit(shownArea(u, detail.Ac), kForcePattern, u.areaLabel);
    view_.grossCompArea = "Gross Comp. Area = " + withUnit(shownArea(u, detail.grossCompArea),
                                                           kGrossAreaPattern, u.areaLabel);
    view_.mnx =
        "Mnx = " + withUnit(shownMomentFromKipIn(u, detail.Mnx), kForcePattern, u.momentLabel);
    view_.mny =
        "Mny = " + withUnit(shownMomentFromKipIn(u, detail.Mny), kForcePattern, u.momentLabel);
    drawnDetail_ = detail;
    drawnModel_ = model_;
    ++view_.drawingSerial;
}

void SinglePointPresenter::reportUnmatchedBar() {
    if (const std::optional<float> size = unmatchedBarSize(model_)) {
        platform_.showMessage(unmatchedBarSizeMessage(*size));
    }
}

void SinglePointPresenter::setModeEnables() {
    const bool givenC = view_.mode == SinglePointMode::GivenC;
    view_.c.enabled = givenC;
    view_.neutralAxisAngle.enabled = givenC;
    view_.e.enabled = !givenC;
    view_.loadAngle.enabled = !givenC;
}

} // namespace pmsect
