// The results window: its controls, the wait tasks its inputs start, and its pictures.
#include "engine/strain_compat.h"
#include "engine/test_sections.h"
#include "format/number_format.h"
#include "results/recording_canvas.h"
#include "results_windows_fixture.h"
#include "ui/view_turning.h"

#include <algorithm>
#include <cmath>

namespace pmsect::test {
namespace {

class ResultsWindow : public ResultsWindowsTest {
protected:
    // As the main window's "P-M Diagrams" button does it, then the window's first activation.
    void open() {
        ASSERT_TRUE(openWindow(app, main.onButton(MainButton::Results).window));
        results.activate();
    }
    const ResultsView& v() { return results.view(); }
    const WaitView& waitView() { return app.wait().view(); }
    // The Mn (kip-in) of the curve's pure-bending row.
    float pureBendingMn() {
        const CurveTable& c = app.data().curve;
        for (int i = 1; i <= c.count; ++i) {
            if (std::fabs(c.col1(i)) < 0.01f) {
                return c.col2(i);
            }
        }
        return -1;
    }
};

TEST_F(ResultsWindow, StartsWithTheControlsOfTheWindow) {
    EXPECT_EQ(v().caption, "Interaction Diagrams");
    EXPECT_EQ(v().cmdLrg3D, "Large 3D View");
    EXPECT_EQ(v().cmdDone, "&Done");
    EXPECT_EQ(v().fra2D, "2D Viewing Parameters");
    EXPECT_FALSE(v().biaxial);
    EXPECT_EQ(v().lbl2DHorAngle, "Horiz. Angle");
    EXPECT_EQ(v().txt2DHorAngle, "90");
    EXPECT_EQ(v().hsb2D.min, 0);
    EXPECT_EQ(v().hsb2D.max, 360);
    EXPECT_EQ(v().hsb2D.value, 90);
    EXPECT_EQ(v().chk2Dwphi.caption, "Display pPn-pMn");
    EXPECT_TRUE(v().chk2DDrwSec.checked);
    EXPECT_FALSE(v().chk2DDrwSec.enabled);
    EXPECT_EQ(v().rxtNumSections, "8");
    EXPECT_EQ(v().txt3DHorAngle, "45");
    EXPECT_EQ(v().vsb3D.value, -30);
    EXPECT_EQ(v().txt3DVertAngle, "30");
    EXPECT_EQ(v().chk3DLoads.caption, "Display Loads");
    EXPECT_EQ(v().lblPhiTnMax, "phi*Tn(max) =");
}

TEST_F(ResultsWindow, OpeningComputesTheCurveAt90AndTheSurface) {
    ASSERT_TRUE(openWindow(app, main.onButton(MainButton::Results).window));
    EXPECT_FALSE(app.summaryEnabled());
    EXPECT_FALSE(app.data().curvesStale);
    EXPECT_EQ(waitView().caption, "Computing 2D");
    EXPECT_EQ(waitView().lines[0], "Computing 2D Curve Data");
    EXPECT_EQ(waitView().lines[1], "Angle = 90.00");
    EXPECT_EQ(waitView().lineColours[2], kBlack); // red only while computing
    EXPECT_TRUE(app.data().surfaceStale);

    results.activate();
    EXPECT_FALSE(app.data().surfaceStale);
    EXPECT_EQ(app.data().surface.sections, 8);
    EXPECT_EQ(waitView().caption, "Computing 3D");
    EXPECT_EQ(waitView().lines[0], "Computing 3D Surface Data");
    EXPECT_FALSE(waitView().shown);
    EXPECT_EQ(app.pointer().busyCount(), 0);
    EXPECT_EQ(v().lblPo, main.view().summary.Po.text);
    EXPECT_EQ(v().lblPhiTnMax, main.view().summary.phiTnMax.text);
    // A second way to the same strength: the summary's pure-bending search about x.
    ASSERT_TRUE(app.data().section.pureBending);
    const float Mnx = (*app.data().section.pureBending)[0].Mn;
    EXPECT_NEAR(pureBendingMn(), std::fabs(Mnx), 0.005 * std::fabs(Mnx));
}

TEST_F(ResultsWindow, ProgressLinesTurnRedWhileATaskRuns) {
    std::vector<int> colours;
    app.wait().setRepaint([&] { colours.push_back(app.wait().view().lineColours[3]); });
    open();
    ASSERT_GT(colours.size(), 10u);
    EXPECT_EQ(colours[colours.size() / 2], kLightRed);
    EXPECT_EQ(colours.back(), kBlack);
}

TEST_F(ResultsWindow, AngleOutsideTheOpenRangeRestoresTheScrollBarAndRecomputesThere) {
    open();
    results.confirm2DAngle("45");
    EXPECT_EQ(v().hsb2D.value, 45);
    for (const char* typed : {"0", "360"}) {
        const long long before = evaluationCount();
        results.confirm2DAngle(typed);
        EXPECT_EQ(v().txt2DHorAngle, "45") << typed;
        EXPECT_EQ(v().hsb2D.value, 45);
        EXPECT_GT(evaluationCount(), before);
        EXPECT_EQ(waitView().lines[1], "Angle = 45.00");
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ResultsWindow, ANonNumericAngleIsRefusedAndLaterEntriesStillWork) {
    open();
    results.confirm2DAngle("abc");
    ASSERT_EQ(platform.messages, (std::vector<std::string>{k2DAngleMessage}));
    EXPECT_EQ(v().txt2DHorAngle, "90");
    results.confirm2DAngle("30");
    EXPECT_EQ(v().hsb2D.value, 30);
    EXPECT_EQ(waitView().lines[1], "Angle = 30.00");
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST_F(ResultsWindow, ScrollBarDragShowsTheValueAndTheChangeRecomputes) {
    open();
    const long long before = evaluationCount();
    results.onHsb2DScroll(120);
    EXPECT_EQ(v().txt2DHorAngle, "120");
    EXPECT_EQ(evaluationCount(), before);
    results.onHsb2DChange(120);
    EXPECT_EQ(v().hsb2D.value, 120);
    EXPECT_EQ(waitView().lines[1], "Angle = 120.00");
}

TEST_F(ResultsWindow, BiaxialAndBackRecomputesTheCurveAt90) {
    open();
    const float mn90 = pureBendingMn();
    results.onOptBiMn();
    EXPECT_TRUE(v().biaxial);
    EXPECT_EQ(v().lbl2DHorAngle, "Pn");
    EXPECT_EQ(v().txt2DHorAngle, "0");
    EXPECT_TRUE(v().chk2DDrwSec.enabled);
    EXPECT_FALSE(app.data().curvesStale);
    EXPECT_EQ(waitView().lines[1], "Angle = 351.00"); // the contour's last direction

    results.onOptPnMn();
    EXPECT_FALSE(v().biaxial);
    EXPECT_EQ(v().txt2DHorAngle, "90");
    EXPECT_EQ(v().hsb2D.value, 90);
    EXPECT_EQ(v().hsb2D.max, 360);
    EXPECT_FALSE(app.data().curvesStale);
    EXPECT_EQ(waitView().lines[1], "Angle = 90.00");
    EXPECT_NEAR(pureBendingMn(), mn90, 0.002 * mn90);
}

TEST_F(ResultsWindow, TheContourFollowsASectionChangeInBiaxialMode) {
    open();
    results.onOptBiMn();
    const CurveTable curveBefore = app.data().curve;
    type(MainInput::Fpc, "4000"); // marks the curves stale
    ASSERT_TRUE(app.data().curvesStale);
    results.activate();
    EXPECT_FALSE(app.data().curvesStale);
    EXPECT_EQ(waitView().lines[1], "Angle = 351.00");
    EXPECT_EQ(app.data().curve.pts, curveBefore.pts); // the Pn-Mn table is left alone
}

TEST_F(ResultsWindow, SectionCountIsKeptBetween4And32) {
    open();
    results.confirmNumSections("2");
    EXPECT_EQ(v().rxtNumSections, "4");
    EXPECT_EQ(app.data().surface.sections, 4);
    results.confirmNumSections("8.5"); // halves go to the even count
    EXPECT_EQ(v().rxtNumSections, "8");
    EXPECT_EQ(app.data().surface.sections, 8);
    results.confirmNumSections("x");
    EXPECT_EQ(platform.messages, (std::vector<std::string>{kSectionsMessage}));
    EXPECT_EQ(app.data().surface.sections, 8);
    results.confirmNumSections("40");
    EXPECT_EQ(v().rxtNumSections, "32");
    EXPECT_EQ(app.data().surface.sections, 32);
    EXPECT_FALSE(app.data().surfaceStale);
}

TEST_F(ResultsWindow, VerticalBoxShowsTheOppositeSignOfItsScrollBar) {
    open();
    results.onVsb3DScroll(20);
    EXPECT_EQ(v().txt3DVertAngle, "-20");
    results.onVsb3DChange(20);
    EXPECT_EQ(v().vsb3D.value, 20);
    results.confirm3DVertAngle("40");
    EXPECT_EQ(v().vsb3D.value, -40);
    results.confirm3DVertAngle("90"); // outside the open range: the box comes back
    EXPECT_EQ(v().txt3DVertAngle, "40");
    results.confirm3DVertAngle("up");
    EXPECT_EQ(platform.messages, (std::vector<std::string>{k3DVertAngleMessage}));
    EXPECT_EQ(v().txt3DVertAngle, "40");
    results.confirm3DHorAngle("?");
    EXPECT_EQ(platform.messages.back(), k3DHorAngleMessage);
    EXPECT_EQ(v().txt3DHorAngle, "45");
}

TEST_F(ResultsWindow, TurningTheViewRedrawsWithoutRecomputing) {
    RecordingCanvas pic3D(600, 400);
    int drawings = 0;
    results.setPictures(nullptr, [&](const std::function<void(Canvas&)>& draw) {
        pic3D = RecordingCanvas(600, 400);
        draw(pic3D);
        ++drawings;
    });
    open();
    const long long before = evaluationCount();
    const int drawn = drawings;
    results.onHsb3DChange(100);
    results.confirm3DHorAngle("200");
    results.onVsb3DChange(10);
    results.confirm3DVertAngle("-15");
    results.setCheck(ResultsCheck::chk3Dwphi, false);
    EXPECT_EQ(evaluationCount(), before);
    EXPECT_EQ(drawings, drawn + 5);
    EXPECT_EQ(v().hsb3D.value, 200);
    EXPECT_EQ(pic3D.count(PrimitiveKind::Clear), 1u);
    EXPECT_GT(pic3D.count(PrimitiveKind::Line, kDarkYellow), 100u); // the nominal mesh
    EXPECT_EQ(pic3D.count(PrimitiveKind::Line, kLightGreen), 0u);   // reduced mesh unchecked
}

TEST_F(ResultsWindow, ALoadExactlyOnItsCapacityIsDrawnYellow) {
    open();
    model.loads.clear();
    appendCheckedLoad(model, app.data().section,
                      {{-100, 40, 0}, {4.8f, 90, -100, 40, 0, 1.0f}, {}});

    RecordingCanvas canvas(600, 400);
    results.draw3D(canvas);
    EXPECT_EQ(canvas.count(PrimitiveKind::Circle, kYellow), 1u); // the load's own circle
    EXPECT_EQ(canvas.count(PrimitiveKind::Line, kYellow), 4u);   // cross and load line
    EXPECT_EQ(canvas.count(PrimitiveKind::Line, kLightRed), 0u);
    EXPECT_EQ(canvas.count(PrimitiveKind::Circle, kLightRed), 0u);

    // The second load lies beyond its capacity.
    appendCheckedLoad(model, app.data().section,
                      {{-150, 60, 0}, {4.8f, 90, -100, 40, 0, 1.5f}, {}});
    results.draw3D(canvas);
    EXPECT_EQ(canvas.count(PrimitiveKind::Circle, kLightRed), 1u);
    EXPECT_EQ(canvas.count(PrimitiveKind::Line, kLightRed), 4u); // cross and the overshoot
}

// The column of test::tiedColumn20WithItsLoad: the load check fails its load, and at
// Pn = -1,000 k the load lies beyond the design contour, whose points lie at phi*Pn = -1,000 k.
// At a load beyond phi*Pn(max) there is no design contour and the legend says so.
TEST_F(ResultsWindow, AFailingLoadLiesOutsideTheDesignContourAtItsAxialLoad) {
    model = tiedColumn20WithItsLoad();
    app.refresh(); // the summary chain takes the new project's results, as after an opened file
    ASSERT_GT(storedLoadResult(app.data().section, model, 1).value().ratio, 1.05f);

    open();
    results.onOptBiMn();
    results.confirm2DAngle("-1000");
    const DesignContour& design = app.data().contour.design;
    for (const DesignContourPoint& p : design.points) {
        if (p.found) {
            EXPECT_NEAR(p.phiPn, -1000, 0.001 * std::fabs(app.data().section.limits.Po / 1000.0));
        }
    }
    RecordingCanvas c(640, 640);
    results.draw2D(c);
    const auto failing = c.ofKind(PrimitiveKind::Circle, kLightRed);
    ASSERT_EQ(failing.size(), 1u);
    double rightmost = -1e300;
    for (const DrawPrimitive& line : c.ofKind(PrimitiveKind::Line, kLightGreen)) {
        if (line.y1 > 2 * c.textHeight()) { // below the legend's sample line
            rightmost = std::max({rightmost, line.x1, line.x2});
        }
    }
    EXPECT_GT(failing[0].x1, rightmost + failing[0].radius);

    const auto legend = [&c](const std::string& text) {
        const auto texts = c.ofKind(PrimitiveKind::Text);
        return std::any_of(texts.begin(), texts.end(),
                           [&](const DrawPrimitive& t) { return t.text == text; });
    };
    EXPECT_TRUE(legend("phi-reduced"));
    results.confirm2DAngle(formatNumber(app.data().section.limits.phiPnMax / 1000.0 - 100, "0"));
    c = RecordingCanvas(640, 640);
    results.draw2D(c);
    EXPECT_TRUE(legend("phi-reduced: none"));
    EXPECT_TRUE(legend("P is beyond phi*Pn(max) = " +
                       formatNumber(app.data().section.limits.phiPnMax / 1000.0, "#,##0.0") +
                       " k"));
    EXPECT_EQ(c.count(PrimitiveKind::Line, kLightGreen), 0u);
}

TEST_F(ResultsWindow, BiaxialScrollRangeHoldsPoundsBeyondSixteenBits) {
    // Po by hand for the default section: 0.85 f'c (Ag - As) + fy As, compression negative.
    const double As = app.data().section.limits.steelArea;
    const double PoHand = -(0.85 * 3000 * (216 - As) + 60000 * As);
    ASSERT_NEAR(app.data().section.limits.Po, PoHand, 1e-4 * std::fabs(PoHand));
    useForceUnit("lb");
    open();
    results.onOptBiMn();
    EXPECT_LT(v().hsb2D.min, -32768);
    EXPECT_NEAR(v().hsb2D.min, PoHand, 1e-4 * std::fabs(PoHand));
    EXPECT_EQ(v().hsb2D.max, roundHalfEven32(app.data().section.limits.To / 1000.0 * 1000.0));
    EXPECT_GT(v().hsb2D.max, 32767);
    EXPECT_EQ(v().hsb2D.value, 0);
    results.onHsb2DChange(-100000); // a Pn of 100 kips in compression
    EXPECT_EQ(v().txt2DHorAngle, "-100000");
    EXPECT_EQ(waitView().lines[2], "Pn = -100,000.00 lb.");
}

TEST_F(ResultsWindow, DoneAndTheLargeViewAskForTheBusyPointer) {
    open();
    results.onLarge3D();
    EXPECT_TRUE(large.view().visible);
    EXPECT_EQ(app.pointer().busyCount(), 1);
    large.activate();
    EXPECT_EQ(app.pointer().busyCount(), 0);
    results.onDone();
    EXPECT_FALSE(v().visible);
    EXPECT_EQ(app.pointer().busyCount(), 1);
}

// The width of what a 3D drawing put down, for the zoom.
double drawnWidth(const RecordingCanvas& c) {
    double lo = 1e300, hi = -1e300;
    for (const DrawPrimitive& p : c.ofKind(PrimitiveKind::Line, kDarkYellow)) {
        lo = std::min({lo, p.x1, p.x2});
        hi = std::max({hi, p.x1, p.x2});
    }
    return hi - lo;
}

TEST_F(ResultsWindow, TheMouseTurnsZoomsAndResetsTheViewWithoutRecomputing) {
    RecordingCanvas pic3D(600, 400);
    results.setPictures(nullptr, [&](const std::function<void(Canvas&)>& draw) {
        pic3D = RecordingCanvas(600, 400);
        draw(pic3D);
    });
    open();
    const double fitted = drawnWidth(pic3D);
    const long long before = evaluationCount();
    // A drag 40 across and 20 down from 45 / 30: half a degree a unit.
    results.beginTurn3D();
    results.turn3D(10, 4);
    results.turn3D(40, 20);
    EXPECT_EQ(v().hsb3D.value, 65);
    EXPECT_EQ(v().txt3DHorAngle, "65");
    EXPECT_EQ(v().vsb3D.value, -40);
    EXPECT_EQ(v().txt3DVertAngle, "40");
    // Past the top the vertical angle stops; the horizontal one goes round.
    results.beginTurn3D();
    results.turn3D(-200, 500);
    EXPECT_EQ(v().hsb3D.value, 325);
    EXPECT_EQ(v().vsb3D.value, -90);
    results.zoom3D(2);
    EXPECT_EQ(evaluationCount(), before);
    results.resetView3D();
    EXPECT_EQ(v().hsb3D.value, 45);
    EXPECT_EQ(v().vsb3D.value, -30);
    EXPECT_NEAR(drawnWidth(pic3D), fitted, 1e-9);
    results.zoom3D(2);
    EXPECT_NEAR(drawnWidth(pic3D), fitted * 1.15 * 1.15, 1e-6);
    EXPECT_EQ(evaluationCount(), before);
}

TEST_F(ResultsWindow, HoveringThePlotReadsTheNearestPointAndTheTableListsTheControlPoints) {
    RecordingCanvas pic2D(600, 400);
    results.setPictures(
        [&](const std::function<void(Canvas&)>& draw) {
            pic2D = RecordingCanvas(600, 400);
            draw(pic2D);
        },
        nullptr);
    open();
    EXPECT_TRUE(v().readout2D.empty());
    // The top left corner of the picture is nearest the squash end of the curve, Pn = 0.99 Po at
    // Mn = 0.
    results.hover2D(0, 0);
    const std::string expected =
        "Pn = " + formatNumber(0.99 * app.data().section.limits.Po / 1000.0, "#,##0.00") + " k";
    EXPECT_EQ(v().readout2D.substr(0, expected.size()), expected) << v().readout2D;
    EXPECT_NE(v().readout2D.find("phiPn = "), std::string::npos);
    const std::string table = results.controlPointTable();
    EXPECT_NE(table.find("Balanced"), std::string::npos);
    EXPECT_NE(table.find("Pure bending"), std::string::npos);
    results.onOptBiMn();
    EXPECT_TRUE(results.controlPointTable().empty());
}

TEST(ViewTurning, DragWheelAndLimits) {
    const ViewTurn start;
    EXPECT_EQ(start.horizontal, 45);
    EXPECT_EQ(start.vertical, 30);
    const ViewTurn t = turnedBy(start, -100, -300);
    EXPECT_DOUBLE_EQ(t.horizontal, 355);
    EXPECT_DOUBLE_EQ(t.vertical, -90);
    EXPECT_DOUBLE_EQ(turnedBy(start, NAN, 0).horizontal, 45);
    EXPECT_DOUBLE_EQ(zoomedBy(start, 1).zoom, 1.15);
    EXPECT_DOUBLE_EQ(zoomedBy(start, -100).zoom, 0.2);
    EXPECT_DOUBLE_EQ(zoomedBy(start, 100).zoom, 10);
}

} // namespace
} // namespace pmsect::test
