// The wait window's progress lines made from the numbers the engine reports, in the display
// units, and the contour's load box text, on the new-project section (12 x 18 in, 20 #5,
// f'c 3000 psi, fy 60 ksi) shown in kN and kN-m.
#include "format/number_format.h"
#include "main_window_fixture.h"

#include <array>
#include <string>
#include <vector>

namespace pmsect::test {
namespace {

// By hand: Po = 0.85*3000*(216 - 20*0.31) + 60000*6.2 lb, To = 60000*6.2 lb; 4.4482216 kN per
// kip.
constexpr double kP0 = -906.990;
constexpr double kT0 = 372.0;
constexpr double kKiloNewtonsPerKip = 4.4482216;

class WaitWindow : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        app.units().show();
        app.units().select(UnitGroup::Force, 4);  // kN
        app.units().select(UnitGroup::Moment, 6); // kN-m
        app.units().onDone();
        app.wait().setRepaint([this] {
            const auto& lines = app.wait().view().lines;
            shown.push_back({lines[1], lines[2], lines[3]});
        });
    }
    std::string kN(double kips) {
        return "Pn = " + formatNumber(kips * kKiloNewtonsPerKip, "##,##0.00") + " kN";
    }

    std::vector<std::array<std::string, 3>> shown; // lines 2-4 at every repaint
};

TEST_F(WaitWindow, CurveProgressShowsTheDirectionThenEachPointInTheDisplayUnits) {
    app.wait().runCurve(90);
    ASSERT_GT(shown.size(), 4u);
    // The empty lines painted red, the direction alone, then the squash end's force and moment.
    EXPECT_EQ(shown[1], (std::array<std::string, 3>{"Angle = 90.00", "", ""}));
    EXPECT_EQ(shown[2][1], kN(0.99 * kP0));
    EXPECT_EQ(shown[3],
              (std::array<std::string, 3>{"Angle = 90.00", kN(0.99 * kP0), "Mn = 0.00 kN-m"}));
    // The tension end is the last point.
    EXPECT_EQ(shown.back(),
              (std::array<std::string, 3>{"Angle = 90.00", kN(0.99 * kT0), "Mn = 0.00 kN-m"}));
}

TEST_F(WaitWindow, ContourLoadBeyondSquashOrTensionIsReplacedInTheBox) {
    ContourLoad r = app.wait().runContour(-5000); // -1124 kips, beyond Po
    EXPECT_TRUE(r.rewritten);
    EXPECT_FLOAT_EQ(r.Pn, static_cast<float>(0.99 * kP0));
    ASSERT_FALSE(r.boxText.empty());
    EXPECT_EQ(r.boxText[0], '-');
    EXPECT_NEAR(*parseNumber(r.boxText), 0.99 * kP0 * kKiloNewtonsPerKip, 0.01);

    r = app.wait().runContour(2000); // 449.6 kips, beyond To
    EXPECT_TRUE(r.rewritten);
    EXPECT_FLOAT_EQ(r.Pn, static_cast<float>(0.99 * kT0));
    EXPECT_EQ(r.boxText[0], ' ');
    EXPECT_NEAR(*parseNumber(r.boxText), 0.99 * kT0 * kKiloNewtonsPerKip, 0.01);

    shown.clear();
    r = app.wait().runContour(-300);
    EXPECT_FALSE(r.rewritten);
    EXPECT_TRUE(r.boxText.empty());
    EXPECT_NEAR(r.Pn, -300 / kKiloNewtonsPerKip, 1e-3);
    EXPECT_EQ(app.data().contourPn, r.Pn);
    // The load as typed, then each direction before its search.
    ASSERT_GT(shown.size(), 3u);
    EXPECT_EQ(shown[1], (std::array<std::string, 3>{"", "Pn = -300.00 kN", ""}));
    EXPECT_EQ(shown[2][0], "Angle = 0.00");
    EXPECT_EQ(shown.back()[0], "Angle = 351.00");
}

} // namespace
} // namespace pmsect::test
