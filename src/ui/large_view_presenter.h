// The large 3D view (frmLrg3Dview) without its widgets: two scroll bars that turn the stored
// failure surface, four check boxes, the resize layout in twips, and the drawing for any Canvas.
#pragma once

#include "model/project_model.h"
#include "results/canvas.h"
#include "ui/busy_pointer.h"
#include "ui/control_views.h"
#include "ui/picture_target.h"
#include "ui/platform.h"
#include "ui/results_data.h"
#include "ui/view_turning.h"

#include <cstdint>
#include <string>

namespace pmsect {

struct LayoutRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Control sizes the layout keeps, in twips.
inline constexpr double kLargeViewButtonWidth = 1215;
inline constexpr double kLargeViewButtonHeight = 375;
inline constexpr double kLargeViewStripWidth = 1695; // a check box or label of the bottom strip
inline constexpr double kLargeViewStripHeight = 255;
inline constexpr double kLargeViewScrollThickness = 255;

struct LargeViewLayout {
    LayoutRect cmdDone;
    LayoutRect chk3Dwophi;
    LayoutRect chk3Dwphi;
    LayoutRect chk3DLoads;
    LayoutRect chk3DSection;
    LayoutRect lblHang;
    LayoutRect lblVang;
    LayoutRect vsbVang;
    LayoutRect hsbHang;
    LayoutRect pic3D;
};

// The controls laid out in a window of inner width W and height H (twips): the button and the
// bottom strip at fixed offsets from the lower right and the bottom, the scroll bars along the
// right and above the strip, the picture filling the rest. Sizes never go below zero.
LargeViewLayout largeViewLayout(double W, double H);

struct WindowPlacement {
    int left = 0;
    int top = 0;
    double width = 0;
    double height = 0;
};

enum class LargeViewCheck { chk3Dwophi, chk3Dwphi, chk3DLoads, chk3DSection };

struct LargeViewView {
    std::string caption = "Large 3D View";
    ScrollBarView hsbHang{0, 360, 45};
    ScrollBarView vsbVang{-90, 90, -30};
    std::string lblHang;
    std::string lblVang;
    CheckBoxView chk3Dwophi{"Display Pn-Mn"};
    CheckBoxView chk3Dwphi{"Display pPn-pMn"};
    CheckBoxView chk3DLoads{"Display Loads"};
    CheckBoxView chk3DSection{"Display Section"};
    std::string cmdDone = "&Done";
    LargeViewLayout layout;
    bool visible = false;
    int drawSerial = 0; // counts the drawings made
};

// "Horizontal Angle = 45 deg"; "Vertical Angle = 30 deg" for a scroll bar value of -30.
std::string horizontalAngleLabel(int32_t hsbValue);
std::string verticalAngleLabel(int32_t vsbValue);

class LargeViewPresenter {
public:
    LargeViewPresenter(const ProjectModel& model, Platform& platform, BusyPointer& pointer,
                       const ResultsData& data);

    const LargeViewView& view() const { return view_; }
    void setPicture(PictureTarget picture) { picture_ = std::move(picture); }

    // First loading: as high as the results window, 1.5 times as wide, centred.
    WindowPlacement placement(double resultsWindowHeight) const;

    void show() { view_.visible = true; }
    // Both labels written, the view drawn, the pointer released.
    void activate();

    // A drag moves only the label; a changed value also redraws.
    void onHangScroll(int32_t value);
    void onHangChange(int32_t value);
    void onVangScroll(int32_t value);
    void onVangChange(int32_t value);
    void setCheck(LargeViewCheck which, bool checked);

    // The mouse over the picture: a left-button drag turns the view (both scroll bars and labels
    // follow), the wheel zooms, a double-click returns to 45 / 30 degrees at the fitted size. The
    // stored surface is drawn again, never recomputed.
    void beginTurn();
    void turn(double dx, double dy); // from where the drag began
    void zoom(double steps);
    void resetView();
    // The window's new inner size in twips: the layout, then a drawing.
    void resize(double innerWidth, double innerHeight);

    // Done or closing the window: hidden. A surface marked stale while the view was open stays
    // marked, so the results window recomputes it on its next activation.
    void onDone() { view_.visible = false; }
    void close() { onDone(); }

    void draw(Canvas& canvas) const;

private:
    void redraw();
    CheckBoxView& check(LargeViewCheck which);
    ViewTurn currentTurn() const;
    void showTurn(const ViewTurn& turn);

    const ProjectModel& model_;
    Platform& platform_;
    BusyPointer& pointer_;
    const ResultsData& data_;
    LargeViewView view_;
    PictureTarget picture_;
    ViewTurn turnStart_; // the view when the current drag began
    double zoom_ = 1;
};

} // namespace pmsect
