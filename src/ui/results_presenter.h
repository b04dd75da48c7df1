// The results window (frmResults, "Interaction Diagrams") without its widgets: the 2D and 3D
// viewing controls with their validation, the wait tasks they start, and the two pictures drawn
// for any Canvas.
#pragma once

#include "model/project_model.h"
#include "results/canvas.h"
#include "results/plot_drawing.h"
#include "ui/busy_pointer.h"
#include "ui/control_views.h"
#include "ui/picture_target.h"
#include "ui/platform.h"
#include "ui/results_data.h"
#include "ui/summary_chain.h"
#include "ui/view_turning.h"
#include "ui/wait_presenter.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace pmsect {

inline constexpr const char* k2DAngleMessage = "2D Horiz. Angle must be numeric";
inline constexpr const char* kSectionsMessage = "# of Sections must be integer between 4 and 32";
inline constexpr const char* k3DHorAngleMessage = "3D Horiz. Angle must be numeric";
inline constexpr const char* k3DVertAngleMessage = "3D Vert. Angle must be numeric";

enum class ResultsCheck {
    chk2Dwophi,
    chk2Dwphi,
    chk2DDrwSec,
    chk3Dwophi,
    chk3Dwphi,
    chk3DLoads,
    chk3DSection,
};

struct ResultsView {
    std::string caption = "Interaction Diagrams";
    std::string cmdLrg3D = "Large 3D View";
    std::string cmdDone = "&Done";

    std::string fra2D = "2D Viewing Parameters";
    std::string optPnMn = "Pn-Mn";
    std::string optBiMn = "Biaxial Mn";
    bool biaxial = false; // which of the two options is selected
    std::string lbl2DHorAngle = "Horiz. Angle";
    std::string txt2DHorAngle = "90";
    ScrollBarView hsb2D{0, 360, 90};
    CheckBoxView chk2Dwophi{"Display Pn-Mn"};
    CheckBoxView chk2Dwphi{"Display pPn-pMn"};
    CheckBoxView chk2DDrwSec{"Display Section", true, false};

    std::string fra3D = "3D Viewing Parameters";
    std::string lblNumSections = "# of Sections";
    std::string rxtNumSections = "8";
    std::string lbl3DHorAngle = "Horiz. Angle";
    std::string txt3DHorAngle;
    std::string lbl3DVertAngle = "Vert. Angle";
    std::string txt3DVertAngle;
    ScrollBarView hsb3D{0, 360, 45};
    ScrollBarView vsb3D{-90, 90, -30};
    CheckBoxView chk3Dwophi{"Display Pn-Mn"};
    CheckBoxView chk3Dwphi{"Display pPn-pMn"};
    CheckBoxView chk3DLoads{"Display Loads"};
    CheckBoxView chk3DSection{"Display Section"};

    std::string lblPo = "Po =";
    std::string lblPhiPnMax = "phi*Pn(max) =";
    std::string lblTo = "To =";
    std::string lblPhiTnMax = "phi*Tn(max) =";

    // Under the 2D plot: the readout of the curve point nearest the pointer.
    std::string readout2D;

    bool visible = false;
    // Count the drawings made of each picture.
    int plot2DSerial = 0;
    int view3DSerial = 0;
};

class ResultsPresenter {
public:
    // Load: the angle boxes are filled from their scroll bars.
    ResultsPresenter(ProjectModel& model, Platform& platform, BusyPointer& pointer,
                     SummaryChain& chain, ResultsData& data, WaitPresenter& wait);

    const ResultsView& view() const { return view_; }
    void setPictures(PictureTarget pic2D, PictureTarget pic3D) {
        pic2D_ = std::move(pic2D);
        pic3D_ = std::move(pic3D);
    }
    void setOpenLargeView(std::function<void()> open) { openLargeView_ = std::move(open); }

    // The window's place on the screen when it is first loaded.
    WindowPosition placement(double windowWidth, double windowHeight) const;

    // The main window's "P-M Diagrams": that button has requested the busy pointer, which the
    // activation releases. Disables the summary, selects optPnMn (the curve at 90 degrees).
    void show();
    // The surface and curve recomputed where stale, both pictures drawn, the pointer released.
    void activate();

    void onOptPnMn();
    void onOptBiMn();

    // Enter in a box, or the box losing the focus, with the text it holds.
    void confirm2DAngle(std::string_view text);
    void confirmNumSections(std::string_view text); // Enter only
    void confirm3DHorAngle(std::string_view text);
    void confirm3DVertAngle(std::string_view text);

    // Scroll bars: a drag only shows the value in the box; a change also acts on it.
    void onHsb2DScroll(int32_t value);
    void onHsb2DChange(int32_t value);
    void onHsb3DScroll(int32_t value);
    void onHsb3DChange(int32_t value);
    void onVsb3DScroll(int32_t value);
    void onVsb3DChange(int32_t value);

    void setCheck(ResultsCheck which, bool checked);

    // The mouse over the 3D view: a left-button drag turns it (both angle boxes and scroll bars
    // follow), the wheel zooms, a double-click returns to 45 / 30 degrees at the fitted size.
    // Only the picture is drawn again; the surface is never recomputed.
    void beginTurn3D();
    void turn3D(double dx, double dy); // from where the drag began
    void zoom3D(double steps);
    void resetView3D();

    void onLarge3D();
    void onDone();

    // The pictures, for the window, a resize or an export. Drawing the 2D plot also keeps where
    // its points landed, for the readout.
    void draw2D(Canvas& canvas) const;
    // The title lines of the exported pictures, for a project so named.
    std::string pictureTitle2D(const std::string& project) const;
    std::string pictureTitle3D(const std::string& project) const;
    // The control points marked on the Pn-Mn plot as a table in the display units; empty in
    // biaxial mode.
    std::string controlPointTable() const;
    // The pointer at (x, y) over the 2D plot last drawn.
    void hover2D(double x, double y);
    // What the 2D plot shows now.
    Plot2DData plot2DData() const;
    void draw3D(Canvas& canvas) const;

private:
    // A wait window closing activates this window again.
    void afterWait();
    void runCurveAtBox();
    void runContourAtBox();
    void redraw2D();
    void redraw3D();
    double boxValue(const std::string& text, double fallback) const;
    double horizontal3D() const;
    double vertical3D() const;
    ViewTurn currentTurn() const;
    void showTurn(const ViewTurn& turn);
    CheckBoxView& check(ResultsCheck which);

    ProjectModel& model_;
    Platform& platform_;
    BusyPointer& pointer_;
    SummaryChain& chain_;
    ResultsData& data_;
    WaitPresenter& wait_;
    ResultsView view_;
    // Where the last 2D drawing put its points; the window asks for drawings on a repaint.
    mutable Plot2DPicture last2D_;
    PictureTarget pic2D_;
    PictureTarget pic3D_;
    std::function<void()> openLargeView_;
    bool angleGuard_ = false; // the 2D box is being handled
    int16_t sections_ = 8;    // the last accepted number of sections
    ViewTurn turnStart_;      // the view when the current drag began
    double zoom3D_ = 1;
};

// The biaxial range of hsb2D: Po and To (lb) of limits in the display force unit, as whole
// numbers.
ScrollBarView biaxialScrollRange(const DisplayUnits& units, const AxialLimits& limits);

} // namespace pmsect
