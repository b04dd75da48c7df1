// frmLrg3Dview: the failure surface, the loads and the section in a resizable window of its
// own, turned with two scroll bars. Its controls sit where the presenter's layout in twips puts
// them, at fifteen twips to the pixel.
#pragma once

#include "ui/large_view_presenter.h"
#include "ui/qt/activating_window.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace pmsect {

class PictureWidget;

inline constexpr double kTwipsPerPixel = 15;

class LargeViewWindow : public ActivatingWindow {
    Q_OBJECT
public:
    LargeViewWindow(LargeViewPresenter& presenter, const bool& taskRunning,
                    QWidget* parent = nullptr);

    void render();
    PictureWidget& picture() { return *pic3D_; }

protected:
    void onActivated() override;
    void onClosed() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QScrollBar* addScrollBar(const char* name, Qt::Orientation orientation,
                             void (LargeViewPresenter::*scroll)(int32_t),
                             void (LargeViewPresenter::*change)(int32_t));
    void run(const std::function<void()>& handling);
    void place(QWidget& control, const LayoutRect& twips, bool wideEnough = false);
    void renderLayout();

    LargeViewPresenter& presenter_;
    PictureWidget* pic3D_;
    QScrollBar* hsbHang_;
    QScrollBar* vsbVang_;
    QLabel* lblHang_;
    QLabel* lblVang_;
    // In the order of LargeViewCheck.
    std::array<QCheckBox*, 4> checks_{};
    QPushButton* cmdDone_;
};

} // namespace pmsect
