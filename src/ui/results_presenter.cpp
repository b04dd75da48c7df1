// The results window's events: its viewing controls, the wait tasks they start and the redraws.
#include "ui/results_presenter.h"

#include "engine/interaction_surface.h"
#include "format/number_format.h"
#include "results/control_point_table.h"
#include "results/figure_title.h"
#include "ui/screen_placement.h"
#include "ui/summary_labels.h"
#include "units/unit_conversion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pmsect {
namespace {

constexpr double kLowAngle = 0;
constexpr double kHighAngle = 360;
constexpr double kVerticalLimit = 90;

// Clears the flag on every way out of the handler.
class GuardScope {
public:
    explicit GuardScope(bool& guard) : guard_(guard) { guard_ = true; }
    ~GuardScope() { guard_ = false; }
    GuardScope(const GuardScope&) = delete;
    GuardScope& operator=(const GuardScope&) = delete;

private:
    bool& guard_;
};

int32_t wholeForceUnits(const DisplayUnits& units, double pounds) {
    const double v = shownForceFromLb(units, pounds);
    constexpr double lo = std::numeric_limits<int32_t>::min();
    constexpr double hi = std::numeric_limits<int32_t>::max();
    if (!std::isfinite(v)) {
        return 0;
    }
    return roundHalfEven32(std::clamp(v, lo, hi));
}

std::string valueText(int32_t value) {
    return std::to_string(value);
}

} // namespace

ScrollBarView biaxialScrollRange(const DisplayUnits& units, const AxialLimits& limits) {
    ScrollBarView bar;
    bar.min = wholeForceUnits(units, limits.Po);
    bar.max = wholeForceUnits(units, limits.To);
    if (bar.max < bar.min) {
        std::swap(bar.min, bar.max);
    }
    bar.value = std::clamp<int32_t>(0, bar.min, bar.max);
    return bar;
}

ResultsPresenter::ResultsPresenter(ProjectModel& model, Platform& platform, BusyPointer& pointer,
                                   SummaryChain& chain, ResultsData& data, WaitPresenter& wait)
    : model_(model), platform_(platform), pointer_(pointer), chain_(chain), data_(data),
      wait_(wait) {
    view_.txt2DHorAngle = valueText(view_.hsb2D.value);
    view_.txt3DHorAngle = valueText(view_.hsb3D.value);
    view_.txt3DVertAngle = valueText(-view_.vsb3D.value);
}

WindowPosition ResultsPresenter::placement(double windowWidth, double windowHeight) const {
    return centredOnScreen(platform_, pointer_, windowWidth, windowHeight);
}

// ---- Showing and activation ----

void ResultsPresenter::show() {
    chain_.setSummaryEnabled(false);
    view_.biaxial = false;
    onOptPnMn();
    view_.visible = true;
}

void ResultsPresenter::activate() {
    wait_.hide();
    const SummaryLabels labels = summaryLabels(model_, data_.section);
    view_.lblPo = labels.Po.text;
    view_.lblPhiPnMax = labels.phiPnMax.text;
    view_.lblTo = labels.To.text;
    view_.lblPhiTnMax = labels.phiTnMax.text;

    if (data_.surfaceStale) {
        wait_.runSurface(sections_);
    }
    if (data_.curvesStale) {
        wait_.hide();
        // A change to the section while the contour is shown leaves the contour stale too:
        // it is recomputed at its own load rather than replaced by a curve at that "angle".
        if (view_.biaxial) {
            runContourAtBox();
            data_.curvesStale = false;
        } else {
            runCurveAtBox();
        }
    }
    redraw2D();
    redraw3D();
    pointer_.setPointer(kPointerNormal);
}

void ResultsPresenter::afterWait() {
    if (view_.visible) {
        activate();
    }
}

void ResultsPresenter::runCurveAtBox() {
    wait_.runCurve(static_cast<float>(boxValue(view_.txt2DHorAngle, view_.hsb2D.value)));
}

void ResultsPresenter::runContourAtBox() {
    const ContourLoad load = wait_.runContour(boxValue(view_.txt2DHorAngle, 0));
    if (load.rewritten) {
        view_.txt2DHorAngle = load.boxText;
    }
}

// ---- 2D options and inputs ----

void ResultsPresenter::onOptPnMn() {
    view_.biaxial = false;
    view_.chk2DDrwSec.enabled = false;
    view_.lbl2DHorAngle = "Horiz. Angle";
    view_.txt2DHorAngle = "90";
    view_.hsb2D = ScrollBarView{0, 360, 90};
    data_.curvesStale = true;
    runCurveAtBox();
    afterWait();
}

void ResultsPresenter::onOptBiMn() {
    view_.biaxial = true;
    view_.chk2DDrwSec.enabled = true;
    view_.lbl2DHorAngle = "Pn";
    view_.txt2DHorAngle = "0";
    view_.hsb2D = biaxialScrollRange(model_.units, data_.section.limits);
    data_.curvesStale = false;
    runContourAtBox();
    afterWait();
}

void ResultsPresenter::confirm2DAngle(std::string_view text) {
    if (angleGuard_) {
        return;
    }
    GuardScope guard(angleGuard_);
    view_.txt2DHorAngle = std::string(text);
    const std::optional<double> v = parseNumber(text);
    if (!v) {
        platform_.showMessage(k2DAngleMessage);
        view_.txt2DHorAngle = valueText(view_.hsb2D.value);
        return;
    }
    if (view_.biaxial) {
        runContourAtBox();
    } else {
        if (*v > kLowAngle && *v < kHighAngle) {
            view_.hsb2D.value = roundHalfEven16(*v);
        } else {
            view_.txt2DHorAngle = valueText(view_.hsb2D.value);
        }
        runCurveAtBox();
    }
    afterWait();
}

void ResultsPresenter::onHsb2DScroll(int32_t value) {
    view_.txt2DHorAngle = valueText(value);
}

void ResultsPresenter::onHsb2DChange(int32_t value) {
    const bool changed = value != view_.hsb2D.value;
    view_.hsb2D.value = std::clamp(value, view_.hsb2D.min, view_.hsb2D.max);
    view_.txt2DHorAngle = valueText(view_.hsb2D.value);
    if (changed) {
        confirm2DAngle(view_.txt2DHorAngle);
    }
}

void ResultsPresenter::confirmNumSections(std::string_view text) {
    view_.rxtNumSections = std::string(text);
    const std::optional<double> v = parseNumber(text);
    if (!v) {
        platform_.showMessage(kSectionsMessage);
        return;
    }
    sections_ = surfaceSectionCount(static_cast<float>(*v));
    view_.rxtNumSections = std::to_string(sections_);
    data_.surfaceStale = true;
    wait_.runSurface(sections_);
    afterWait();
}

// ---- 3D inputs ----

void ResultsPresenter::confirm3DHorAngle(std::string_view text) {
    view_.txt3DHorAngle = std::string(text);
    const std::optional<double> v = parseNumber(text);
    if (!v) {
        platform_.showMessage(k3DHorAngleMessage);
        view_.txt3DHorAngle = valueText(view_.hsb3D.value);
    } else if (*v > kLowAngle && *v < kHighAngle) {
        view_.hsb3D.value = roundHalfEven16(*v);
    } else {
        view_.txt3DHorAngle = valueText(view_.hsb3D.value);
    }
    redraw3D();
}

void ResultsPresenter::confirm3DVertAngle(std::string_view text) {
    view_.txt3DVertAngle = std::string(text);
    const std::optional<double> v = parseNumber(text);
    if (!v) {
        platform_.showMessage(k3DVertAngleMessage);
        view_.txt3DVertAngle = valueText(-view_.vsb3D.value);
    } else if (*v > -kVerticalLimit && *v < kVerticalLimit) {
        view_.vsb3D.value = roundHalfEven16(-*v);
    } else {
        view_.txt3DVertAngle = valueText(-view_.vsb3D.value);
    }
    redraw3D();
}

ViewTurn ResultsPresenter::currentTurn() const {
    return {horizontal3D(), vertical3D(), zoom3D_};
}

void ResultsPresenter::showTurn(const ViewTurn& turn) {
    view_.hsb3D.value = static_cast<int32_t>(std::lround(turn.horizontal));
    view_.vsb3D.value = -static_cast<int32_t>(std::lround(turn.vertical));
    view_.txt3DHorAngle = valueText(view_.hsb3D.value);
    view_.txt3DVertAngle = valueText(-view_.vsb3D.value);
    zoom3D_ = turn.zoom;
    redraw3D();
}

void ResultsPresenter::beginTurn3D() {
    turnStart_ = currentTurn();
}

void ResultsPresenter::turn3D(double dx, double dy) {
    showTurn(turnedBy(turnStart_, dx, dy));
}

void ResultsPresenter::zoom3D(double steps) {
    showTurn(zoomedBy(currentTurn(), steps));
}

void ResultsPresenter::resetView3D() {
    showTurn(ViewTurn{});
}

void ResultsPresenter::onHsb3DScroll(int32_t value) {
    view_.txt3DHorAngle = valueText(value);
}

void ResultsPresenter::onHsb3DChange(int32_t value) {
    const bool changed = value != view_.hsb3D.value;
    view_.hsb3D.value = std::clamp(value, view_.hsb3D.min, view_.hsb3D.max);
    view_.txt3DHorAngle = valueText(view_.hsb3D.value);
    if (changed) {
        confirm3DHorAngle(view_.txt3DHorAngle);
    }
}

void ResultsPresenter::onVsb3DScroll(int32_t value) {
    view_.txt3DVertAngle = valueText(-value);
}

void ResultsPresenter::onVsb3DChange(int32_t value) {
    const bool changed = value != view_.vsb3D.value;
    view_.vsb3D.value = std::clamp(value, view_.vsb3D.min, view_.vsb3D.max);
    view_.txt3DVertAngle = valueText(-view_.vsb3D.value);
    if (changed) {
        confirm3DVertAngle(view_.txt3DVertAngle);
    }
}

// ---- Check boxes and buttons ----

CheckBoxView& ResultsPresenter::check(ResultsCheck which) {
    switch (which) {
    case ResultsCheck::chk2Dwophi:
        return view_.chk2Dwophi;
    case ResultsCheck::chk2Dwphi:
        return view_.chk2Dwphi;
    case ResultsCheck::chk2DDrwSec:
        return view_.chk2DDrwSec;
    case ResultsCheck::chk3Dwophi:
        return view_.chk3Dwophi;
    case ResultsCheck::chk3Dwphi:
        return view_.chk3Dwphi;
    case ResultsCheck::chk3DLoads:
        return view_.chk3DLoads;
    case ResultsCheck::chk3DSection:
        break;
    }
    return view_.chk3DSection;
}

void ResultsPresenter::setCheck(ResultsCheck which, bool checked) {
    check(which).checked = checked;
    switch (which) {
    case ResultsCheck::chk2Dwophi:
    case ResultsCheck::chk2Dwphi:
    case ResultsCheck::chk2DDrwSec:
        redraw2D();
        break;
    default:
        redraw3D();
        break;
    }
}

void ResultsPresenter::onLarge3D() {
    // Released by the large view once it has drawn.
    pointer_.setPointer(kPointerBusy);
    if (openLargeView_) {
        openLargeView_();
    }
}

void ResultsPresenter::onDone() {
    // Released by the main window when it is activated again.
    pointer_.setPointer(kPointerBusy);
    view_.visible = false;
}

// ---- Pictures ----

double ResultsPresenter::boxValue(const std::string& text, double fallback) const {
    return parseNumber(text).value_or(fallback);
}

double ResultsPresenter::horizontal3D() const {
    return boxValue(view_.txt3DHorAngle, view_.hsb3D.value);
}

double ResultsPresenter::vertical3D() const {
    return boxValue(view_.txt3DVertAngle, -view_.vsb3D.value);
}

Plot2DData ResultsPresenter::plot2DData() const {
    Plot2DData d;
    if (view_.biaxial) {
        d.mode = PlotMode::Biaxial;
        d.table = &data_.contour;
        d.count = kContourPoints;
        d.contourPn = data_.contourPn;
    } else {
        d.table = &data_.curve;
        d.count = data_.curve.count;
        d.angle = data_.curveAngle;
        d.controlPoints = &data_.controlPoints;
    }
    return d;
}

std::string ResultsPresenter::pictureTitle2D(const std::string& project) const {
    return plotTitle(project, plot2DData(), model_);
}

std::string ResultsPresenter::pictureTitle3D(const std::string& project) const {
    return surfaceTitle(project, model_);
}

void ResultsPresenter::draw2D(Canvas& canvas) const {
    const Plot2DOptions options{view_.chk2Dwophi.checked, view_.chk2Dwphi.checked,
                                view_.chk2DDrwSec.checked};
    last2D_ = drawPlot2D(canvas, plot2DData(), model_, data_.section, options);
}

std::string ResultsPresenter::controlPointTable() const {
    return view_.biaxial ? std::string() : controlPointTableText(data_.controlPoints, model_.units);
}

void ResultsPresenter::hover2D(double x, double y) {
    view_.readout2D = plotReadout(last2D_, plot2DData(), model_, x, y);
}

void ResultsPresenter::draw3D(Canvas& canvas) const {
    const View3DOptions options{view_.chk3Dwophi.checked, view_.chk3Dwphi.checked,
                                view_.chk3DLoads.checked, view_.chk3DSection.checked, zoom3D_};
    drawView3D(canvas, data_.surface, model_, data_.section, horizontal3D(), vertical3D(), options,
               MomentScaleSource::Extents);
}

void ResultsPresenter::redraw2D() {
    ++view_.plot2DSerial;
    if (pic2D_) {
        pic2D_([this](Canvas& canvas) { draw2D(canvas); });
    }
}

void ResultsPresenter::redraw3D() {
    ++view_.view3DSerial;
    if (pic3D_) {
        pic3D_([this](Canvas& canvas) { draw3D(canvas); });
    }
}

} // namespace pmsect
