// The large 3D view: its scroll bars, check boxes, layout and drawing.
#include "ui/large_view_presenter.h"

#include "format/number_format.h"
#include "results/plot_drawing.h"
#include "ui/screen_placement.h"

#include <algorithm>
#include <cmath>

namespace pmsect {
namespace {

constexpr double kButtonFromBottom = 900;
constexpr double kButtonFromRight = 1800;
constexpr double kUpperRowFromBottom = 950;
constexpr double kLowerRowFromBottom = 700;
constexpr double kFirstColumn = 300;
constexpr double kSecondColumn = 3600;
constexpr double kThirdColumn = 5400;
constexpr double kVsbFromRight = 400;
constexpr double kHsbFromBottom = 1280;
constexpr double kWidthToHeight = 1.5;

LayoutRect stripItem(double left, double top) {
    return {left, top, kLargeViewStripWidth, kLargeViewStripHeight};
}

} // namespace

LargeViewLayout largeViewLayout(double W, double H) {
    LargeViewLayout l;
    l.cmdDone = {W - kButtonFromRight, H - kButtonFromBottom, kLargeViewButtonWidth,
                 kLargeViewButtonHeight};
    const double upper = H - kUpperRowFromBottom;
    const double lower = H - kLowerRowFromBottom;
    l.chk3Dwophi = stripItem(kFirstColumn, upper);
    l.chk3Dwphi = stripItem(kFirstColumn, lower);
    l.chk3DLoads = stripItem(kSecondColumn, upper);
    l.chk3DSection = stripItem(kSecondColumn, lower);
    l.lblHang = stripItem(kThirdColumn, upper);
    l.lblVang = stripItem(kThirdColumn, lower);

    const double vsbLeft = std::max(0.0, W - kVsbFromRight);
    const double hsbTop = std::max(0.0, H - kHsbFromBottom);
    l.vsbVang = {vsbLeft, 0, kLargeViewScrollThickness, hsbTop};
    l.hsbHang = {0, hsbTop, vsbLeft, kLargeViewScrollThickness};
    l.pic3D = {0, 0, l.hsbHang.width, l.vsbVang.height};
    return l;
}

std::string horizontalAngleLabel(int32_t hsbValue) {
    return "Horizontal Angle = " + formatNumber(hsbValue, "###0") + " deg";
}

std::string verticalAngleLabel(int32_t vsbValue) {
    return "Vertical Angle = " + formatNumber(-static_cast<double>(vsbValue), "###0") + " deg";
}

LargeViewPresenter::LargeViewPresenter(const ProjectModel& model, Platform& platform,
                                       BusyPointer& pointer, const ResultsData& data)
    : model_(model), platform_(platform), pointer_(pointer), data_(data) {
    view_.lblHang = horizontalAngleLabel(view_.hsbHang.value);
    view_.lblVang = verticalAngleLabel(view_.vsbVang.value);
}

WindowPlacement LargeViewPresenter::placement(double resultsWindowHeight) const {
    WindowPlacement p;
    p.height = resultsWindowHeight;
    p.width = kWidthToHeight * resultsWindowHeight;
    const WindowPosition at = centredOnScreen(platform_, pointer_, p.width, p.height);
    p.left = at.left;
    p.top = at.top;
    return p;
}

void LargeViewPresenter::activate() {
    view_.lblHang = horizontalAngleLabel(view_.hsbHang.value);
    view_.lblVang = verticalAngleLabel(view_.vsbVang.value);
    redraw();
    pointer_.setPointer(kPointerNormal);
}

void LargeViewPresenter::onHangScroll(int32_t value) {
    view_.lblHang = horizontalAngleLabel(value);
}

void LargeViewPresenter::onHangChange(int32_t value) {
    view_.hsbHang.value = std::clamp(value, view_.hsbHang.min, view_.hsbHang.max);
    view_.lblHang = horizontalAngleLabel(view_.hsbHang.value);
    redraw();
}

void LargeViewPresenter::onVangScroll(int32_t value) {
    view_.lblVang = verticalAngleLabel(value);
}

void LargeViewPresenter::onVangChange(int32_t value) {
    view_.vsbVang.value = std::clamp(value, view_.vsbVang.min, view_.vsbVang.max);
    view_.lblVang = verticalAngleLabel(view_.vsbVang.value);
    redraw();
}

void LargeViewPresenter::showTurn(const ViewTurn& turn) {
    view_.hsbHang.value = static_cast<int32_t>(std::lround(turn.horizontal));
    view_.vsbVang.value = -static_cast<int32_t>(std::lround(turn.vertical));
    view_.lblHang = horizontalAngleLabel(view_.hsbHang.value);
    view_.lblVang = verticalAngleLabel(view_.vsbVang.value);
    zoom_ = turn.zoom;
    redraw();
}

ViewTurn LargeViewPresenter::currentTurn() const {
    return {static_cast<double>(view_.hsbHang.value), -static_cast<double>(view_.vsbVang.value),
            zoom_};
}

void LargeViewPresenter::beginTurn() {
    turnStart_ = currentTurn();
}

void LargeViewPresenter::turn(double dx, double dy) {
    showTurn(turnedBy(turnStart_, dx, dy));
}

void LargeViewPresenter::zoom(double steps) {
    showTurn(zoomedBy(currentTurn(), steps));
}

void LargeViewPresenter::resetView() {
    showTurn(ViewTurn{});
}

CheckBoxView& LargeViewPresenter::check(LargeViewCheck which) {
    switch (which) {
    case LargeViewCheck::chk3Dwophi:
        return view_.chk3Dwophi;
    case LargeViewCheck::chk3Dwphi:
        return view_.chk3Dwphi;
    case LargeViewCheck::chk3DLoads:
        return view_.chk3DLoads;
    case LargeViewCheck::chk3DSection:
        break;
    }
    return view_.chk3DSection;
}

void LargeViewPresenter::setCheck(LargeViewCheck which, bool checked) {
    check(which).checked = checked;
    redraw();
}

void LargeViewPresenter::resize(double innerWidth, double innerHeight) {
    view_.layout = largeViewLayout(innerWidth, innerHeight);
    redraw();
}

void LargeViewPresenter::draw(Canvas& canvas) const {
    const View3DOptions options{view_.chk3Dwophi.checked, view_.chk3Dwphi.checked,
                                view_.chk3DLoads.checked, view_.chk3DSection.checked, zoom_};
    drawView3D(canvas, data_.surface, model_, data_.section, view_.hsbHang.value,
               -view_.vsbVang.value, options, MomentScaleSource::Points);
}

void LargeViewPresenter::redraw() {
    BusyScope busy(pointer_);
    ++view_.drawSerial;
    if (picture_) {
        picture_([this](Canvas& canvas) { draw(canvas); });
    }
}

} // namespace pmsect
