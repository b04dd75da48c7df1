// The main window's text boxes: what each accepts, what it refuses, and what it rebuilds.
#include "engine/bar_table.h"
#include "engine/codes/aci318.h"
#include "main_window_fixture.h"
#include "project/design_code_choice.h"
#include "units/display_units.h"

#include <cmath>

namespace pmsect::test {
namespace {

using MainWindowInputs = MainWindowTest;

TEST_F(MainWindowInputs, CoverThatIsNotANumberIsRefusedAndRestored) {
    const auto before = bars();
    clearStale();
    type(MainInput::Cover, "abc");
    ASSERT_EQ(platform.messages, std::vector<std::string>{"Clear Cover must be numeric"});
    EXPECT_EQ(box(MainInput::Cover).text, "1.5");
    EXPECT_EQ(model.clearCover, 1.5f);
    EXPECT_TRUE(sameBars(bars(), before));
    EXPECT_FALSE(app.data().curvesStale); // nothing ran after the message
}

TEST_F(MainWindowInputs, NegativeCoverIsMadePositiveAndTheBarsMove) {
    type(MainInput::Cover, "-2");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(model.clearCover, 2.0f);
    EXPECT_EQ(box(MainInput::Cover).text, "2");
    EXPECT_TRUE(app.data().curvesStale && app.data().surfaceStale);
    // Corner bar of the top set: face, cover, #3 tie and half a #5 bar in from each side.
    ASSERT_EQ(model.numBars, 20);
    EXPECT_NEAR(model.bars[1].x, -6 + 2 + 0.375 + 0.3125, 1e-5);
    EXPECT_NEAR(model.bars[1].y, 9 - 2 - 0.375 - 0.3125, 1e-5);
}

TEST_F(MainWindowInputs, SpacingThatIsNotANumberHasItsOwnMessage) {
    type(MainInput::Spacing, "1..0");
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Clear spacing must be numeric"});
    EXPECT_EQ(box(MainInput::Spacing).text, "1");
}

TEST_F(MainWindowInputs, ThousandsSeparatorsReadAsOneNumber) {
    type(MainInput::Fpc, "4,000");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(model.fpc, 4000.0f);
    // Ec = 33 wc^1.5 sqrt(f'c), worked by hand for 145 pcf and 4000 psi.
    const double ec = 33 * 145 * std::sqrt(145.0) * std::sqrt(4000.0);
    EXPECT_NEAR(model.Ec, ec, 1.0);
    EXPECT_EQ(model.beta1, 0.85f);
    EXPECT_EQ(view().lblEc.rfind("Conc. Mod. of Elasticity = 3,644,", 0), 0u) << view().lblEc;
    EXPECT_EQ(view().lblBeta1, "Beta1 = 0.85");
    EXPECT_EQ(box(MainInput::Fpc).text, "4,000"); // the box keeps what was typed
    EXPECT_TRUE(app.data().curvesStale);
}

TEST_F(MainWindowInputs, HigherStrengthLowersBeta1) {
    type(MainInput::Fpc, "6000");
    EXPECT_EQ(view().lblBeta1, "Beta1 = 0.75"); // 0.85 - 2 x 0.05
    type(MainInput::Fpc, "nan");
    EXPECT_EQ(platform.messages.back(), "28 day strength must be numeric");
    EXPECT_EQ(box(MainInput::Fpc).text, "6000");
}

TEST_F(MainWindowInputs, UnitWeightChangesEcButNotTheCurves) {
    clearStale();
    const std::string oldLabel = view().lblEc;
    type(MainInput::UnitWeight, "110");
    const double ec = 33 * 110 * std::sqrt(110.0) * std::sqrt(3000.0);
    EXPECT_NEAR(model.Ec, ec, 1.0);
    EXPECT_NE(view().lblEc, oldLabel);
    EXPECT_FALSE(app.data().curvesStale);
    EXPECT_FALSE(app.data().surfaceStale);
}

// A yield strength above 80,000 psi is computed with, but the summary says in red that a design
// may not rely on it; no message box interrupts.
TEST_F(MainWindowInputs, SteelAboveTheCodeLimitIsAcceptedWithAWarningLine) {
    EXPECT_EQ(view().summary.warnings.text, "");
    type(MainInput::Fy, "90000");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(model.fy, 90000);
    EXPECT_NEAR(app.data().section.limits.To, 90000 * 20 * 0.31, 1.0);
    EXPECT_EQ(view().summary.warnings.text, kHighYieldWarning);
    EXPECT_EQ(view().summary.warnings.colour, kColourBrightRed);
    type(MainInput::Fy, "80000");
    EXPECT_EQ(view().summary.warnings.text, "");
}

TEST_F(MainWindowInputs, SteelStrengthIsRoundedToAWholePsi) {
    type(MainInput::Fy, "65000.5");
    EXPECT_EQ(model.fy, 65000); // half to even
    // To = fy As with twenty #5 bars.
    EXPECT_NEAR(app.data().section.limits.To, 65000 * 20 * 0.31, 1.0);
}

TEST_F(MainWindowInputs, DiameterWithAutoRecomputeRebuildsTheBars) {
    main.onOption(MainOption::Round);
    main.onOption(MainOption::Circle);
    ASSERT_TRUE(view().autoRecompute);
    type(MainInput::Diameter, "24");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(model.circDiam, 24.0f);
    // The area of the outline itself, a regular 96-gon inscribed in the circle.
    EXPECT_NEAR(model.grossArea, 0.5 * 96 * 144 * std::sin(2 * 3.14159 / 96), 1e-3);
    EXPECT_EQ(model.extentX, 24.0f);
    // Bar centres on the circle inside cover, #3 tie and half a #5 bar:
    // 12 - 1.5 - 0.375 - 0.3125 = 9.8125 in from the centre.
    ASSERT_GT(model.numBars, 0);
    for (const Bar& b : bars()) {
        EXPECT_NEAR(std::hypot(b.x, b.y), 9.8125, 1e-4);
    }
    // The same bars as choosing the circular layout again lays for the new diameter.
    const auto rebuilt = bars();
    main.onOption(MainOption::Circle);
    EXPECT_TRUE(sameBars(bars(), rebuilt));
}

TEST_F(MainWindowInputs, DiameterWithoutAutoRecomputeLeavesTheBars) {
    main.onOption(MainOption::Round);
    main.onAutoRecompute(false);
    const auto before = bars();
    type(MainInput::Diameter, "20");
    EXPECT_EQ(model.circDiam, 20.0f);
    EXPECT_NEAR(model.grossArea, 0.5 * 96 * 100 * std::sin(2 * 3.14159 / 96), 1e-3);
    EXPECT_TRUE(sameBars(bars(), before));
}

TEST_F(MainWindowInputs, WidthTypedWhileRoundIsIgnored) {
    main.onOption(MainOption::Round);
    clearStale();
    const auto points = model.points;
    platform.messages.clear();
    type(MainInput::Width, "30");
    type(MainInput::Width, "abc"); // losing the focus behaves as Enter does
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(model.rectB, 12.0f);
    EXPECT_EQ(model.points[1].x, points[1].x);
    EXPECT_FALSE(app.data().curvesStale);
}

TEST_F(MainWindowInputs, WidthRebuildsTheOutlineAndWithAutoTheBars) {
    type(MainInput::Width, "16");
    EXPECT_EQ(model.rectB, 16.0f);
    EXPECT_EQ(model.grossArea, 16.0f * 18);
    EXPECT_NEAR(model.bars[1].x, -8 + 1.5 + 0.375 + 0.3125, 1e-5);

    main.onAutoRecompute(false);
    const auto before = bars();
    type(MainInput::Depth, "20");
    EXPECT_EQ(model.grossArea, 16.0f * 20);
    EXPECT_TRUE(sameBars(bars(), before));
}

TEST_F(MainWindowInputs, BarsOnACircleRoundHalvesToEven) {
    main.onOption(MainOption::Circle);
    type(MainInput::BarCount, "7.5");
    EXPECT_EQ(model.numBars, 8);
    type(MainInput::BarCount, "6.5");
    EXPECT_EQ(model.numBars, 6);
    // Radius on the 12 in side: half of it less cover, tie and half a #5 bar.
    EXPECT_NEAR(model.bars[1].x, 6 - 1.5 - 0.375 - 0.3125, 1e-5);
    EXPECT_NEAR(model.bars[1].y, 0, 1e-6);
}

TEST_F(MainWindowInputs, RefusedCountAndAngleStillRebuildWithTheirFixedTexts) {
    main.onOption(MainOption::Circle);
    type(MainInput::BarCount, "9");
    type(MainInput::FirstBarAngle, "90");
    EXPECT_NEAR(model.bars[1].x, 0, 1e-3);
    type(MainInput::BarCount, "many");
    EXPECT_EQ(platform.messages.back(), "Total Bars in Circle must be numeric");
    EXPECT_EQ(box(MainInput::BarCount).text, "6");
    EXPECT_EQ(model.numBars, 6);
    type(MainInput::FirstBarAngle, "up");
    EXPECT_EQ(platform.messages.back(), "Angle to first bar must be numeric");
    EXPECT_EQ(box(MainInput::FirstBarAngle).text, "0");
    EXPECT_EQ(model.firstBarAngle, 0.0f);
    EXPECT_NEAR(model.bars[1].y, 0, 1e-6);
}

TEST_F(MainWindowInputs, ALayoutCutAtTheTableSizeIsReportedOnce) {
    model.barSets[1].count = 60;
    model.barSets[2].count = 60;
    type(MainInput::Spacing, "0.5");
    EXPECT_EQ(model.numBars, kMaxBars);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_NE(platform.messages[0].find("120 bars"), std::string::npos) << platform.messages[0];
}

TEST_F(MainWindowInputs, ABarSizeMissingFromTheTableIsReportedOncePerCommand) {
    model.barSets[1].size = 7.5f;
    type(MainInput::Cover, "1.5");
    EXPECT_EQ(platform.messages, std::vector<std::string>{unmatchedBarSizeMessage(7.5f)});
    type(MainInput::Cover, "2");
    EXPECT_EQ(platform.messages, std::vector<std::string>(2, unmatchedBarSizeMessage(7.5f)));
}

TEST_F(MainWindowInputs, CoverOfARoundSectionMovesTheBarSetSquare) {
    main.onOption(MainOption::Round);
    type(MainInput::Cover, "2");
    // Square inscribed in the inside of the ties, grown again by cover and tie: k = 2 + 0.375.
    const double k = 2.375;
    EXPECT_NEAR(model.barSetWidth, 0.7071 * (16 - 2 * k) + 2 * k, 1e-4);
}

// A physical quantity outside its range (a negative strength, a section without width, f'c of
// 1E+30 psi) is refused the way a text that is not a number is: the message names the box and
// its range in the display unit, the box shows the value it had, and the model does not move.
struct ImpossibleEntry {
    MainInput box;
    const char* text;
    const char* message;
    const char* restored;
};

TEST_F(MainWindowInputs, ImpossibleQuantitiesAreRefusedAndTheModelKept) {
    constexpr const char* kWidth = "Width must be greater than 0 and at most 1,200 in.";
    constexpr const char* kStrength = "28 day strength must lie between 500 and 30,000 psi";
    constexpr const char* kSteel = "Steel Strength must lie between 10,000 and 150,000 psi";
    constexpr const char* kCount = "# of Bars must lie between 0 and 100";
    const ImpossibleEntry entries[] = {
        {MainInput::Width, "-12", kWidth, "12"},
        {MainInput::Width, "0", kWidth, "12"},
        {MainInput::Width, "1200.1", kWidth, "12"},
        {MainInput::Depth, "-0.001", "Depth must be greater than 0 and at most 1,200 in.", "18"},
        {MainInput::Fpc, "-3000", kStrength, "3000"},
        {MainInput::Fpc, "0", kStrength, "3000"},
        {MainInput::Fpc, "499", kStrength, "3000"},
        {MainInput::Fpc, "1e30", kStrength, "3000"},
        {MainInput::UnitWeight, "0", "Concrete Unit Weight must lie between 50 and 250 pcf", "145"},
        {MainInput::UnitWeight, "251", "Concrete Unit Weight must lie between 50 and 250 pcf",
         "145"},
        {MainInput::Fy, "-60000", kSteel, "60000"},
        // Stored as whole psi, 0.4 psi would be none at all.
        {MainInput::Fy, "0.4", kSteel, "60000"},
        {MainInput::Fy, "1e30", kSteel, "60000"},
        {MainInput::Fy, "150000.6", kSteel, "60000"}, // stored as 150,001 psi
        {MainInput::Cover, "1e30", "Clear Cover must lie between 0 and 1,200 in.", "1.5"},
        {MainInput::Spacing, "-1201", "Clear spacing must lie between 0 and 1,200 in.", "1"},
        {MainInput::FirstBarAngle, "361", "Angle to first bar must lie between -360 and 360 deg.",
         "0"},
        {MainInput::BarCount, "100000", kCount, "6"},
        {MainInput::BarCount, "-1", kCount, "6"},
    };
    for (const ImpossibleEntry& e : entries) {
        const ProjectModel before = model;
        const float PoBefore = app.data().section.limits.Po;
        clearStale();
        platform.messages.clear();
        type(e.box, e.text);
        EXPECT_EQ(platform.messages, std::vector<std::string>{e.message}) << e.text;
        EXPECT_EQ(box(e.box).text, e.restored) << e.text;
        EXPECT_EQ(model.rectB, before.rectB) << e.text;
        EXPECT_EQ(model.grossArea, before.grossArea) << e.text;
        EXPECT_EQ(model.fpc, before.fpc) << e.text;
        EXPECT_EQ(model.unitWt, before.unitWt) << e.text;
        EXPECT_EQ(model.Ec, before.Ec) << e.text;
        EXPECT_EQ(model.fy, before.fy) << e.text;
        EXPECT_EQ(model.totBars, before.totBars) << e.text;
        EXPECT_EQ(app.data().section.limits.Po, PoBefore) << e.text;
        EXPECT_TRUE(sameBars(bars(), std::vector<Bar>(before.bars.begin() + 1,
                                                      before.bars.begin() + 1 + before.numBars)))
            << e.text;
        EXPECT_FALSE(app.data().curvesStale) << e.text;
    }
    // The default section is untouched: Po = -(0.85 f'c (Ag - As) + fy As) by hand.
    EXPECT_NEAR(app.data().section.limits.Po, -(0.85 * 3000 * (216 - 6.2) + 60000 * 6.2), 1.0);
}

TEST_F(MainWindowInputs, ADiameterOfNothingIsRefusedWithItsRangeInTheDisplayUnit) {
    main.onOption(MainOption::Round);
    applyUnitChoice(model.units, 3, 2, 4, 1, 1); // millimetres
    main.showUnits();
    const float area = model.grossArea;
    platform.messages.clear();
    type(MainInput::Diameter, "-406.4");
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Diameter must be greater than 0 and at most 30,480 mm"});
    EXPECT_EQ(box(MainInput::Diameter).text, "406.4"); // 16 in, as it was
    EXPECT_EQ(model.circDiam, 16.0f);
    EXPECT_EQ(model.grossArea, area);
}

TEST_F(MainWindowInputs, AsManyBarsAsTheTableHoldsAreLaidOnTheCircle) {
    main.onOption(MainOption::Circle);
    type(MainInput::BarCount, "100");
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(model.numBars, 100);
    // 100.5 rounds to 100 (half to even) and is still a count the table holds.
    type(MainInput::BarCount, "100.5");
    EXPECT_TRUE(platform.messages.empty());
    type(MainInput::BarCount, "101");
    EXPECT_EQ(platform.messages, std::vector<std::string>{"# of Bars must lie between 0 and 100"});
    EXPECT_EQ(box(MainInput::BarCount).text, "100");
    EXPECT_EQ(model.numBars, 100);
}

// A value left in a box that was never confirmed cannot slip in when the section option is
// chosen: the dimension it would give is not positive, so the model's value stays.
TEST_F(MainWindowInputs, SectionOptionKeepsAPositiveDimension) {
    main.onOption(MainOption::Round);
    main.onTextConfirmed(MainInput::Width, "-12"); // ignored while the section is round
    main.onOption(MainOption::Rectangular);
    EXPECT_EQ(model.rectB, 12.0f);
    EXPECT_EQ(model.grossArea, 216.0f);
    EXPECT_EQ(box(MainInput::Width).text, "12");
}

// With no bars left on the circle the summary finds no pure-bending strength: the lines read "-"
// instead of the strengths of the six bars before.
TEST_F(MainWindowInputs, ASectionWithoutBarsShowsNoPureBendingStrength) {
    main.onOption(MainOption::Circle);
    ASSERT_NE(main.view().summary.posMnx.text, kNoPureBendingText);
    type(MainInput::BarCount, "0");
    EXPECT_EQ(model.numBars, 0);
    const SummaryLabels& s = main.view().summary;
    for (const LabelText* label :
         {&s.posMnx, &s.posPhiMnx, &s.posStrainX, &s.negMny, &s.negStrainY}) {
        EXPECT_EQ(label->text, kNoPureBendingText);
    }
    type(MainInput::BarCount, "6");
    EXPECT_NE(main.view().summary.posMnx.text, kNoPureBendingText);
}

} // namespace
} // namespace pmsect::test
