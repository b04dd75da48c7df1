// The main window's options, lists and buttons, the summary flag, and the state it starts in.
#include "building/section_generators.h"
#include "main_window_fixture.h"

namespace pmsect::test {
namespace {

using MainWindowOptions = MainWindowTest;

TEST_F(MainWindowOptions, StartsWithTheDefaultsAndTheirEnableStates) {
    const MainWindowView& v = view();
    EXPECT_EQ(v.title, "PMSECT:  R.C. Section Axial & Flexural Strength Analysis (ACI 318-05)");
    for (MainInput in : {MainInput::Width, MainInput::Depth, MainInput::Cover, MainInput::Spacing,
                         MainInput::Fpc, MainInput::UnitWeight, MainInput::Fy}) {
        EXPECT_TRUE(box(in).enabled && box(in).labelEnabled && box(in).unitLabelEnabled);
    }
    for (MainInput in : {MainInput::Diameter, MainInput::BarCount, MainInput::FirstBarAngle}) {
        EXPECT_FALSE(box(in).enabled || box(in).labelEnabled);
    }
    EXPECT_FALSE(box(MainInput::Diameter).unitLabelEnabled);
    EXPECT_FALSE(v.spiralEnabled);
    EXPECT_FALSE(v.spiralSelected);
    EXPECT_TRUE(v.editBarSetEnabled);
    EXPECT_FALSE(v.editPointsEnabled);
    EXPECT_FALSE(v.editBarsEnabled);
    EXPECT_TRUE(v.longBarListEnabled && v.longBarLabelEnabled);
    EXPECT_TRUE(v.autoRecompute);
    EXPECT_EQ(v.sectionOption, kRectangular);
    EXPECT_EQ(v.barLayoutOption, kBarSets);
    EXPECT_EQ(kLongBarItems[static_cast<std::size_t>(v.longBarIndex)], "5");
    EXPECT_EQ(kTieBarItems[static_cast<std::size_t>(v.tieBarIndex)], "3");

    const std::vector<std::pair<MainInput, std::string>> texts{
        {MainInput::Width, "12"},        {MainInput::Depth, "18"},  {MainInput::Diameter, "16"},
        {MainInput::Cover, "1.5"},       {MainInput::Spacing, "1"}, {MainInput::BarCount, "6"},
        {MainInput::FirstBarAngle, "0"}, {MainInput::Fpc, "3000"},  {MainInput::UnitWeight, "145"},
        {MainInput::Fy, "60000"}};
    for (const auto& [in, text] : texts) {
        EXPECT_EQ(box(in).text, text);
    }
    EXPECT_EQ(box(MainInput::Width).unitLabel, "in.");
    EXPECT_EQ(box(MainInput::Fpc).unitLabel, "psi");
    EXPECT_EQ(box(MainInput::UnitWeight).unitLabel, "pcf");
    EXPECT_EQ(box(MainInput::FirstBarAngle).unitLabel, "deg.");
    EXPECT_EQ(v.lblEs, "Steel Mod. of Elasticity = 29,000,000 psi");
    EXPECT_EQ(v.lblEc, "Conc. Mod. of Elasticity = 3,155,924 psi");
    EXPECT_EQ(v.lblBeta1, "Beta1 = 0.85");
    EXPECT_EQ(v.flexuralUnits, "Flexural Units: ft-k");

    // Twenty #5 bars: As = 6.2 in^2; Po = -(0.85*3000*(216 - 6.2) + 60000*6.2) lb.
    EXPECT_EQ(v.summary.grossArea.text, "Gross Area = 216.00 in^2");
    EXPECT_EQ(v.summary.As.text, "Area of Steel = 6.20 in^2");
    EXPECT_EQ(v.summary.Po.text, "Po = -906.99 k");
    EXPECT_EQ(v.summary.percentRein.text, "% Reinforcement = 2.87%");
    EXPECT_EQ(v.summary.percentRein.colour, 0);
    EXPECT_NE(v.summary.posMnx.text, kNoPureBendingText);
    EXPECT_TRUE(app.summaryEnabled() && app.data().curvesStale && app.data().surfaceStale);
    EXPECT_EQ(app.pointer().busyCount(), 0);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowOptions, SectionOptionsSwitchTheirBoxes) {
    main.onOption(MainOption::Round);
    EXPECT_TRUE(box(MainInput::Diameter).enabled);
    EXPECT_FALSE(box(MainInput::Width).enabled || box(MainInput::Depth).unitLabelEnabled);
    EXPECT_EQ(model.sectionType, kRound);
    EXPECT_EQ(model.numPoints, kRoundOutlinePoints);

    main.onOption(MainOption::Arbitrary);
    EXPECT_FALSE(box(MainInput::Diameter).enabled || box(MainInput::Width).enabled);
    EXPECT_TRUE(view().editPointsEnabled);
    EXPECT_EQ(model.numPoints, kRoundOutlinePoints); // the outline stays for the point editor

    main.onOption(MainOption::Rectangular);
    EXPECT_FALSE(view().editPointsEnabled);
    EXPECT_EQ(model.grossArea, 216.0f);
}

TEST_F(MainWindowOptions, TiedAndSpiralDoNotMarkTheCurvesStale) {
    main.onOption(MainOption::Circle);
    ASSERT_TRUE(view().spiralEnabled);
    clearStale();
    main.onOption(MainOption::Spiral);
    EXPECT_EQ(model.phiCompression, 0.70f);
    EXPECT_EQ(model.pnMaxFactor, 0.85f);
    EXPECT_TRUE(view().spiralSelected);
    EXPECT_NEAR(app.data().section.limits.phiPnMax, 0.85 * 0.70 * app.data().section.limits.Po,
                1.0);
    main.onOption(MainOption::Tied);
    EXPECT_EQ(model.phiCompression, 0.65f);
    EXPECT_NEAR(app.data().section.limits.phiPnMax, 0.80 * 0.65 * app.data().section.limits.Po,
                1.0);
    EXPECT_FALSE(app.data().curvesStale || app.data().surfaceStale);
}

TEST_F(MainWindowOptions, BarSetLayoutSelectsTiedAndDisablesSpiral) {
    main.onOption(MainOption::Circle);
    main.onOption(MainOption::Spiral);
    main.onOption(MainOption::BarSets);
    EXPECT_EQ(model.phiCompression, 0.65f);
    EXPECT_FALSE(view().spiralSelected || view().spiralEnabled);
    main.onOption(MainOption::Spiral); // a disabled option cannot be chosen
    EXPECT_EQ(model.phiCompression, 0.65f);
}

TEST_F(MainWindowOptions, SummaryWaitsAfterAVisitToTheResults) {
    main.onOption(MainOption::Circle);
    const float phiPnMaxTied = app.data().section.limits.phiPnMax;
    const std::string labelTied = view().summary.phiPnMax.text;

    EXPECT_EQ(main.onButton(MainButton::Results).window, WindowId::Results);
    EXPECT_FALSE(app.summaryEnabled());
    EXPECT_EQ(app.pointer().busyCount(), 1);
    main.onActivated();
    EXPECT_EQ(app.pointer().busyCount(), 0);

    main.onOption(MainOption::Spiral);
    EXPECT_EQ(model.phiCompression, 0.70f);
    EXPECT_EQ(app.data().section.limits.phiPnMax, phiPnMaxTied); // not recomputed
    EXPECT_EQ(view().summary.phiPnMax.text, labelTied);

    // A box always refreshes, and leaves the flag as it found it.
    type(MainInput::Cover, "1.5");
    EXPECT_NEAR(app.data().section.limits.phiPnMax, 0.85 * 0.70 * app.data().section.limits.Po,
                1.0);
    EXPECT_NE(view().summary.phiPnMax.text, labelTied);
    EXPECT_FALSE(app.summaryEnabled());

    // A reinforcement option sets it again.
    main.onOption(MainOption::Circle);
    EXPECT_TRUE(app.summaryEnabled());
}

TEST_F(MainWindowOptions, LoadAndSinglePointButtonsClearTheSummaryFlag) {
    EXPECT_EQ(main.onButton(MainButton::Loads).window, WindowId::Loads);
    EXPECT_FALSE(app.summaryEnabled());
    main.onOption(MainOption::Rectangular);
    EXPECT_EQ(main.onButton(MainButton::SinglePoint).window, WindowId::SinglePoint);
    EXPECT_FALSE(app.summaryEnabled());
    // The tie list only recomputes, so the summary still waits.
    const int revision = view().summaryRevision;
    main.onTieBarSelected(1);
    EXPECT_EQ(view().summaryRevision, revision);
}

TEST_F(MainWindowOptions, ArbitraryLayoutKeepsTheBars) {
    main.onOption(MainOption::Circle);
    type(MainInput::BarCount, "8");
    const auto before = bars();
    main.onOption(MainOption::PlacedBars);
    EXPECT_TRUE(sameBars(bars(), before));
    EXPECT_EQ(model.barLayout, kPlacedBars);
    EXPECT_FALSE(box(MainInput::Cover).enabled || box(MainInput::BarCount).enabled);
    EXPECT_FALSE(view().longBarListEnabled || view().editBarSetEnabled);
    EXPECT_TRUE(view().editBarsEnabled && view().spiralEnabled);

    clearStale();
    EXPECT_EQ(main.onButton(MainButton::EditBars).window, WindowId::BarEditor);
    EXPECT_TRUE(app.data().curvesStale);
    EXPECT_TRUE(sameBars(bars(), before));
}

TEST_F(MainWindowOptions, LongBarListChangesEveryBarSet) {
    clearStale();
    main.onLongBarSelected(5); // "8"
    EXPECT_EQ(model.longBarSize, 8.0f);
    EXPECT_EQ(model.barSets[1].size, 8.0f);
    EXPECT_EQ(model.barSets[2].size, 8.0f);
    for (const Bar& b : bars()) {
        EXPECT_EQ(b.size, 8.0f);
    }
    EXPECT_TRUE(app.data().curvesStale);
    // Rebuilt with #8 bars (1 in): corner bar 1.5 + 0.375 + 0.5 in from the faces.
    EXPECT_NEAR(model.bars[1].x, -6 + 2.375, 1e-5);
    EXPECT_NEAR(model.bars[1].y, 9 - 2.375, 1e-5);
}

TEST_F(MainWindowOptions, EditorButtonsMarkStale) {
    for (auto [button, window] : {std::pair{MainButton::EditPoints, WindowId::PointEditor},
                                  std::pair{MainButton::EditBarSets, WindowId::BarSetEditor}}) {
        clearStale();
        EXPECT_EQ(main.onButton(button).window, window);
        EXPECT_TRUE(app.data().curvesStale && app.data().surfaceStale);
    }
    const WindowRequest info = main.onMenu(MainMenu::Information);
    EXPECT_EQ(info.window, WindowId::Information);
    EXPECT_TRUE(info.fromMenu);
    EXPECT_EQ(main.onMenu(MainMenu::Units).window, WindowId::Units);
}

} // namespace
} // namespace pmsect::test
