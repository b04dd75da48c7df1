// LargeViewWindow: controls placed from the presenter's layout, scroll bars that turn the view.
#include "ui/qt/large_view_window.h"

#include "ui/qt/picture_widget.h"
#include "ui/qt/window_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cmath>

namespace pmsect {
namespace {

constexpr int kAnglePageStep = 10;

int pixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

} // namespace

LargeViewWindow::LargeViewWindow(LargeViewPresenter& presenter, const bool& taskRunning,
                                 QWidget* parent)
    : ActivatingWindow(taskRunning, parent), presenter_(presenter) {
    setObjectName("frmLrg3Dview");
    setWindowFlag(Qt::Window);
    pic3D_ = new PictureWidget(this);
    pic3D_->setObjectName("pic3D");
    pic3D_->setMinimumSize(0, 0);
    hsbHang_ = addScrollBar("hsbHang", Qt::Horizontal, &LargeViewPresenter::onHangScroll,
                            &LargeViewPresenter::onHangChange);
    vsbVang_ = addScrollBar("vsbVang", Qt::Vertical, &LargeViewPresenter::onVangScroll,
                            &LargeViewPresenter::onVangChange);
    lblHang_ = new QLabel(this);
    lblHang_->setObjectName("lblHang");
    lblVang_ = new QLabel(this);
    lblVang_->setObjectName("lblVang");
    const std::array<std::pair<const char*, LargeViewCheck>, 4> checks{
        {{"chk3Dwophi", LargeViewCheck::chk3Dwophi},
         {"chk3Dwphi", LargeViewCheck::chk3Dwphi},
         {"chk3DLoads", LargeViewCheck::chk3DLoads},
         {"chk3DSection", LargeViewCheck::chk3DSection}}};
    for (std::size_t i = 0; i < checks.size(); ++i) {
        auto* box = new QCheckBox(this);
        box->setObjectName(checks[i].first);
        const LargeViewCheck which = checks[i].second;
        connect(box, &QCheckBox::clicked, this, [this, which](bool on) {
            run([this, which, on] { presenter_.setCheck(which, on); });
        });
        checks_[i] = box;
    }
    cmdDone_ = new QPushButton(this);
    cmdDone_->setObjectName("cmdDone");
    connect(cmdDone_, &QPushButton::clicked, this,
            [this] { run([this] { presenter_.onDone(); }); });
    clickOnEscape(*this, *cmdDone_);

    presenter_.setPicture([this](const std::function<void(Canvas&)>& d) { pic3D_->setDrawing(d); });
    // The mouse turns the view as the scroll bars do.
    connect(pic3D_, &PictureWidget::dragStarted, this, [this] { presenter_.beginTurn(); });
    connect(pic3D_, &PictureWidget::dragged, this,
            [this](QPointF by) { run([this, by] { presenter_.turn(by.x(), by.y()); }); });
    connect(pic3D_, &PictureWidget::wheelTurned, this,
            [this](double steps) { run([this, steps] { presenter_.zoom(steps); }); });
    connect(pic3D_, &PictureWidget::doubleClicked, this,
            [this] { run([this] { presenter_.resetView(); }); });
    render();
}

QScrollBar* LargeViewWindow::addScrollBar(const char* name, Qt::Orientation orientation,
                                          void (LargeViewPresenter::*scroll)(int32_t),
                                          void (LargeViewPresenter::*change)(int32_t)) {
    // A drag moves only the label; the view turns when the thumb is let go.
    QScrollBar* bar = addDeferredScrollBar(
        *this, name, orientation,
        [this, scroll](int v) { run([&p = presenter_, scroll, v] { (p.*scroll)(v); }); },
        [this, change](int v) { run([&p = presenter_, change, v] { (p.*change)(v); }); });
    bar->setPageStep(kAnglePageStep);
    return bar;
}

void LargeViewWindow::run(const std::function<void()>& handling) {
    // Nothing is handled while a task of the results window computes.
    if (taskRunning()) {
        return;
    }
    handling();
    render();
}

void LargeViewWindow::onActivated() {
    presenter_.activate();
    render();
}

void LargeViewWindow::onClosed() {
    presenter_.close();
    render();
}

void LargeViewWindow::resizeEvent(QResizeEvent* event) {
    ActivatingWindow::resizeEvent(event);
    presenter_.resize(width() * kTwipsPerPixel, height() * kTwipsPerPixel);
    renderLayout();
}

void LargeViewWindow::place(QWidget& control, const LayoutRect& twips, bool wideEnough) {
    int w = pixels(twips.width);
    int h = pixels(twips.height);
    // The strip's check boxes and labels keep the room their text needs.
    if (wideEnough) {
        w = std::max(w, control.sizeHint().width());
        h = std::max(h, control.sizeHint().height());
    }
    control.setGeometry(pixels(twips.left), pixels(twips.top), std::max(0, w), std::max(0, h));
}

void LargeViewWindow::renderLayout() {
    const LargeViewLayout& l = presenter_.view().layout;
    place(*pic3D_, l.pic3D);
    place(*hsbHang_, l.hsbHang);
    place(*vsbVang_, l.vsbVang);
    place(*checks_[0], l.chk3Dwophi, true);
    place(*checks_[1], l.chk3Dwphi, true);
    place(*checks_[2], l.chk3DLoads, true);
    place(*checks_[3], l.chk3DSection, true);
    place(*lblHang_, l.lblHang, true);
    place(*lblVang_, l.lblVang, true);
    place(*cmdDone_, l.cmdDone, true);
}

void LargeViewWindow::render() {
    const LargeViewView& v = presenter_.view();
    setWindowTitle(qtText(v.caption));
    for (auto [bar, state] : {std::pair{hsbHang_, v.hsbHang}, std::pair{vsbVang_, v.vsbVang}}) {
        const QSignalBlocker block(bar);
        bar->setRange(state.min, state.max);
        if (!bar->isSliderDown()) {
            bar->setValue(state.value);
        }
    }
    lblHang_->setText(qtText(v.lblHang));
    lblVang_->setText(qtText(v.lblVang));
    const std::array<const CheckBoxView*, 4> states{&v.chk3Dwophi, &v.chk3Dwphi, &v.chk3DLoads,
                                                    &v.chk3DSection};
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        checks_[i]->setText(qtText(states[i]->caption));
        checks_[i]->setChecked(states[i]->checked);
    }
    cmdDone_->setText(qtText(v.cmdDone));
    renderLayout();
    showAs(*this, v.visible);
}

} // namespace pmsect
