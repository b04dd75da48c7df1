// The main window's options, lists and buttons, the summary flag, and the state it starts in.
#include "main_window_fixture.h"

namespace pmsect::test {
namespace {

using MainWindowOptions = MainWindowTest;

TEST_F(MainWindowOptions, StartsWithTheDefaultsAndTheirEnableStates) {
    const MainWindowView& v = view();
    EXPECT_EQ(v.title, "PMSECT:  R.C. Section Axial & Flexural Strength Analysis (ACI 318-05)");
    for (MainInput in :
         {MainInput::txtRectb, MainInput::txtRecth, MainInput::txtClrCov, MainInput::TxtClrSpace,
          MainInput::txtfpc, MainInput::txtUnitWt, MainInput::txtStlStren}) {
        EXPECT_TRUE(box(in).enabled && box(in).labelEnabled && box(in).unitLabelEnabled);
    }
    for (MainInput in : {MainInput::txtCdiam, MainInput::txtTotBars, MainInput::txtFAngle}) {
        EXPECT_FALSE(box(in).enabled || box(in).labelEnabled);
    }
    EXPECT_FALSE(box(MainInput::txtCdiam).unitLabelEnabled);
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
        {MainInput::txtRectb, "12"},   {MainInput::txtRecth, "18"},
        {MainInput::txtCdiam, "16"},   {MainInput::txtClrCov, "1.5"},
        {MainInput::TxtClrSpace, "1"}, {MainInput::txtTotBars, "6"},
        {MainInput::txtFAngle, "0"},   {MainInput::txtfpc, "3000"},
        {MainInput::txtUnitWt, "145"}, {MainInput::txtStlStren, "60000"}};
    for (const auto& [in, text] : texts) {
        EXPECT_EQ(box(in).text, text);
    }
    EXPECT_EQ(box(MainInput::txtRectb).unitLabel, "in.");
    EXPECT_EQ(box(MainInput::txtfpc).unitLabel, "psi");
    EXPECT_EQ(box(MainInput::txtUnitWt).unitLabel, "pcf");
    EXPECT_EQ(box(MainInput::txtFAngle).unitLabel, "deg.");
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
    EXPECT_TRUE(v.summary.pureBendingShown);
    EXPECT_TRUE(model.summaryEnabled && model.curvesStale && model.surfaceStale);
    EXPECT_EQ(app.pointer().busyCount(), 0);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(MainWindowOptions, SectionOptionsSwitchTheirBoxes) {
    main.onOption(MainOption::optRounc);
    EXPECT_TRUE(box(MainInput::txtCdiam).enabled);
    EXPECT_FALSE(box(MainInput::txtRectb).enabled || box(MainInput::txtRecth).unitLabelEnabled);
    EXPECT_EQ(model.sectionType, kRound);
    EXPECT_EQ(model.numPoints, 20);

    main.onOption(MainOption::optArbitrary);
    EXPECT_FALSE(box(MainInput::txtCdiam).enabled || box(MainInput::txtRectb).enabled);
    EXPECT_TRUE(view().editPointsEnabled);
    EXPECT_EQ(model.numPoints, 20); // the outline stays for the point editor

    main.onOption(MainOption::optRect);
    EXPECT_FALSE(view().editPointsEnabled);
    EXPECT_EQ(model.grossArea, 216.0f);
}

TEST_F(MainWindowOptions, TiedAndSpiralDoNotMarkTheCurvesStale) {
    main.onOption(MainOption::optRCirc);
    ASSERT_TRUE(view().spiralEnabled);
    clearStale();
    main.onOption(MainOption::optSpiral);
    EXPECT_EQ(model.phiCompression, 0.70f);
    EXPECT_EQ(model.pnMaxFactor, 0.85f);
    EXPECT_TRUE(view().spiralSelected);
    EXPECT_NEAR(model.phiPnMax, 0.85 * 0.70 * model.Po, 1.0);
    main.onOption(MainOption::optTied);
    EXPECT_EQ(model.phiCompression, 0.65f);
    EXPECT_NEAR(model.phiPnMax, 0.80 * 0.65 * model.Po, 1.0);
    EXPECT_FALSE(model.curvesStale || model.surfaceStale);
}

TEST_F(MainWindowOptions, BarSetLayoutSelectsTiedAndDisablesSpiral) {
    main.onOption(MainOption::optRCirc);
    main.onOption(MainOption::optSpiral);
    main.onOption(MainOption::optBRect);
    EXPECT_EQ(model.phiCompression, 0.65f);
    EXPECT_FALSE(view().spiralSelected || view().spiralEnabled);
    main.onOption(MainOption::optSpiral); // a disabled option cannot be chosen
    EXPECT_EQ(model.phiCompression, 0.65f);
}

TEST_F(MainWindowOptions, SummaryWaitsAfterAVisitToTheResults) {
    main.onOption(MainOption::optRCirc);
    const float phiPnMaxTied = model.phiPnMax;
    const std::string labelTied = view().summary.phiPnMax.text;

    EXPECT_EQ(main.onButton(MainButton::cmdResults).window, WindowId::Results);
    EXPECT_FALSE(model.summaryEnabled);
    EXPECT_EQ(app.pointer().busyCount(), 1);
    main.onActivated();
    EXPECT_EQ(app.pointer().busyCount(), 0);

    main.onOption(MainOption::optSpiral);
    EXPECT_EQ(model.phiCompression, 0.70f);
    EXPECT_EQ(model.phiPnMax, phiPnMaxTied); // not recomputed
    EXPECT_EQ(view().summary.phiPnMax.text, labelTied);

    // A box always refreshes, and leaves the flag as it found it.
    type(MainInput::txtClrCov, "1.5");
    EXPECT_NEAR(model.phiPnMax, 0.85 * 0.70 * model.Po, 1.0);
    EXPECT_NE(view().summary.phiPnMax.text, labelTied);
    EXPECT_FALSE(model.summaryEnabled);

    // A reinforcement option sets it again.
    main.onOption(MainOption::optRCirc);
    EXPECT_TRUE(model.summaryEnabled);
}

TEST_F(MainWindowOptions, LoadAndSinglePointButtonsClearTheSummaryFlag) {
    EXPECT_EQ(main.onButton(MainButton::cmdLoads).window, WindowId::Loads);
    EXPECT_FALSE(model.summaryEnabled);
    main.onOption(MainOption::optRect);
    EXPECT_EQ(main.onButton(MainButton::cmdPnMn).window, WindowId::SinglePoint);
    EXPECT_FALSE(model.summaryEnabled);
    // The tie list only recomputes, so the summary still waits.
    const int revision = view().summaryRevision;
    main.onTieBarSelected(1);
    EXPECT_EQ(view().summaryRevision, revision);
}

TEST_F(MainWindowOptions, ArbitraryLayoutKeepsTheBars) {
    main.onOption(MainOption::optRCirc);
    type(MainInput::txtTotBars, "8");
    const auto before = bars();
    main.onOption(MainOption::optBarbit);
    EXPECT_TRUE(sameBars(bars(), before));
    EXPECT_EQ(model.barLayout, kPlacedBars);
    EXPECT_FALSE(box(MainInput::txtClrCov).enabled || box(MainInput::txtTotBars).enabled);
    EXPECT_FALSE(view().longBarListEnabled || view().editBarSetEnabled);
    EXPECT_TRUE(view().editBarsEnabled && view().spiralEnabled);

    clearStale();
    EXPECT_EQ(main.onButton(MainButton::cmdEditBars).window, WindowId::BarEditor);
    EXPECT_TRUE(model.curvesStale);
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
    EXPECT_TRUE(model.curvesStale);
    // Rebuilt with #8 bars (1 in): corner bar 1.5 + 0.375 + 0.5 in from the faces.
    EXPECT_NEAR(model.bars[1].x, -6 + 2.375, 1e-5);
    EXPECT_NEAR(model.bars[1].y, 9 - 2.375, 1e-5);
}

TEST_F(MainWindowOptions, EditorButtonsMarkStale) {
    for (auto [button, window] : {std::pair{MainButton::cmdEdPnts, WindowId::PointEditor},
                                  std::pair{MainButton::cmdEdBarSet, WindowId::BarSetEditor}}) {
        clearStale();
        EXPECT_EQ(main.onButton(button).window, window);
        EXPECT_TRUE(model.curvesStale && model.surfaceStale);
    }
    const WindowRequest info = main.onMenu(MainMenu::Information);
    EXPECT_EQ(info.window, WindowId::Information);
    EXPECT_TRUE(info.fromMenu);
    EXPECT_EQ(main.onMenu(MainMenu::Units).window, WindowId::Units);
}

} // namespace
} // namespace pmsect::test
