// The large 3D view: its labels, scroll bars, layout, placement and drawing.
#include "engine/strain_compat.h"
#include "results/recording_canvas.h"
#include "results_windows_fixture.h"

namespace pmsect::test {
namespace {

class LargeView : public ResultsWindowsTest {
protected:
    void SetUp() override {
        ResultsWindowsTest::SetUp();
        large.setPicture([this](const std::function<void(Canvas&)>& draw) {
            canvas = RecordingCanvas(900, 600);
            draw(canvas);
        });
    }
    RecordingCanvas canvas{900, 600};
};

TEST_F(LargeView, LabelsShowTheAnglesInWholeDegrees) {
    const LargeViewView& v = large.view();
    EXPECT_EQ(v.hsbHang.value, 45);
    EXPECT_EQ(v.vsbVang.value, -30);
    EXPECT_EQ(v.lblHang, "Horizontal Angle = 45 deg");
    EXPECT_EQ(v.lblVang, "Vertical Angle = 30 deg");
    EXPECT_EQ(v.chk3DSection.caption, "Display Section");
    EXPECT_EQ(verticalAngleLabel(90), "Vertical Angle = -90 deg");
}

TEST_F(LargeView, DraggingMovesOnlyTheLabelAndTheChangeRedraws) {
    large.activate();
    const int drawn = large.view().drawSerial;
    large.onHangScroll(300);
    large.onVangScroll(10);
    EXPECT_EQ(large.view().lblHang, "Horizontal Angle = 300 deg");
    EXPECT_EQ(large.view().lblVang, "Vertical Angle = -10 deg");
    EXPECT_EQ(large.view().hsbHang.value, 45);
    EXPECT_EQ(large.view().drawSerial, drawn);
    large.onHangChange(300);
    EXPECT_EQ(large.view().drawSerial, drawn + 1);
    large.setCheck(LargeViewCheck::chk3DLoads, false);
    EXPECT_EQ(large.view().drawSerial, drawn + 2);
    EXPECT_FALSE(large.view().chk3DLoads.checked);
    EXPECT_EQ(app.pointer().busyCount(), 0);
}

TEST_F(LargeView, DrawsTheStoredSurfaceWithoutComputingIt) {
    openWindow(app, main.onButton(MainButton::Results).window);
    results.activate();
    results.onLarge3D();
    const long long before = evaluationCount();
    large.activate();
    large.onVangChange(0);
    large.onHangChange(0);
    EXPECT_EQ(evaluationCount(), before);
    EXPECT_GT(canvas.count(PrimitiveKind::Line, kDarkYellow), 100u);
    EXPECT_GT(canvas.count(PrimitiveKind::Line, kLightGreen), 100u);
}

TEST_F(LargeView, WithoutASurfaceOnlyTheAxesAppear) {
    large.activate();
    EXPECT_EQ(canvas.count(PrimitiveKind::Line, kDarkYellow), 0u);
    EXPECT_EQ(canvas.count(PrimitiveKind::Line, kLightBlue), 2u);
    EXPECT_EQ(canvas.count(PrimitiveKind::Line, kLightCyan), 1u);
}

TEST_F(LargeView, DoneHidesAndLeavesAStaleSurfaceStale) {
    openWindow(app, main.onButton(MainButton::Results).window);
    results.activate();
    results.onLarge3D();
    large.activate();
    type(MainInput::Fpc, "5000");
    ASSERT_TRUE(app.data().surfaceStale);
    large.close();
    EXPECT_FALSE(large.view().visible);
    EXPECT_TRUE(app.data().surfaceStale);
    const long long before = evaluationCount();
    results.activate(); // so the results window computes the surface of the new f'c
    EXPECT_GT(evaluationCount(), before);
    EXPECT_FALSE(app.data().surfaceStale);
}

TEST_F(LargeView, LayoutKeepsTheFixedOffsetsFromTheLowerRight) {
    const LargeViewLayout l = largeViewLayout(9000, 6000);
    EXPECT_DOUBLE_EQ(l.cmdDone.top, 5100);
    EXPECT_DOUBLE_EQ(l.cmdDone.left, 7200);
    EXPECT_DOUBLE_EQ(l.chk3Dwophi.left, 300);
    EXPECT_DOUBLE_EQ(l.chk3Dwophi.top, 5050);
    EXPECT_DOUBLE_EQ(l.chk3Dwphi.top, 5300);
    EXPECT_DOUBLE_EQ(l.chk3DLoads.left, 3600);
    EXPECT_DOUBLE_EQ(l.lblVang.left, 5400);
    EXPECT_DOUBLE_EQ(l.vsbVang.left, 8600);
    EXPECT_DOUBLE_EQ(l.hsbHang.top, 4720);
    EXPECT_DOUBLE_EQ(l.hsbHang.width, 8600);
    EXPECT_DOUBLE_EQ(l.vsbVang.height, 4720);
    EXPECT_DOUBLE_EQ(l.pic3D.width, 8600);
    EXPECT_DOUBLE_EQ(l.pic3D.height, 4720);

    const LargeViewLayout tiny = largeViewLayout(300, 1000);
    EXPECT_DOUBLE_EQ(tiny.pic3D.width, 0);
    EXPECT_DOUBLE_EQ(tiny.pic3D.height, 0);
    EXPECT_GE(tiny.vsbVang.left, 0);
}

TEST_F(LargeView, PlacedAsHighAsTheResultsWindowAndHalfAgainAsWide) {
    platform.screen = {1600, 1200};
    const WindowPlacement p = large.placement(600);
    EXPECT_DOUBLE_EQ(p.height, 600);
    EXPECT_DOUBLE_EQ(p.width, 900);
    EXPECT_EQ(p.top, 1020 / 2 - 300); // 0.85 of the screen height, halved, less half the window
    EXPECT_EQ(p.left, 800 - 450);
}

TEST_F(LargeView, TheMouseTurnsTheViewAndADoubleClickBringsItBack) {
    openWindow(app, main.onButton(MainButton::Results).window);
    results.activate();
    results.onLarge3D();
    large.activate();
    const long long before = evaluationCount();
    const int drawn = large.view().drawSerial;
    large.beginTurn();
    large.turn(30, -20);
    EXPECT_EQ(large.view().hsbHang.value, 60);
    EXPECT_EQ(large.view().vsbVang.value, -20);
    EXPECT_EQ(large.view().lblHang, "Horizontal Angle = 60 deg");
    EXPECT_EQ(large.view().lblVang, "Vertical Angle = 20 deg");
    large.zoom(-1);
    large.resetView();
    EXPECT_EQ(large.view().hsbHang.value, 45);
    EXPECT_EQ(large.view().vsbVang.value, -30);
    EXPECT_EQ(large.view().drawSerial, drawn + 3);
    EXPECT_EQ(evaluationCount(), before);
    EXPECT_GT(canvas.count(PrimitiveKind::Line, kDarkYellow), 100u);
}

} // namespace
} // namespace pmsect::test
