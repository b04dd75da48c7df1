// The load table: the record set, its limits and its write-back through the summary.
#include "format/number_format.h"
#include "results_windows_fixture.h"

namespace pmsect::test {
namespace {

class LoadTable : public ResultsWindowsTest {
protected:
    // A new row with the three inputs typed.
    void addRow(const char* pu, const char* mux, const char* muy) {
        loads.addLoad();
        const int row = static_cast<int>(loads.view().rows.size()) - 1;
        ASSERT_TRUE(loads.editCell(row, kPu, pu));
        ASSERT_TRUE(loads.editCell(row, kMux, mux));
        ASSERT_TRUE(loads.editCell(row, kMuy, muy));
    }
};

TEST_F(LoadTable, ColumnsCarryTheUnitLabelsAndOnlyTheInputsAreEditable) {
    loads.activate();
    const auto& c = loads.view().columns;
    EXPECT_EQ(c[0].caption, "Num");
    EXPECT_EQ(c[1].caption, "Pu (k)");
    EXPECT_EQ(c[2].caption, "Mux (ft-k)");
    EXPECT_EQ(c[4].caption, "eccen. (in.)");
    EXPECT_EQ(c[5].caption, "Angle (deg)");
    EXPECT_EQ(c[6].caption, "pPn (k)");
    EXPECT_EQ(c[9].caption, "Check");
    for (int f = 0; f < kLoadFields; ++f) {
        EXPECT_DOUBLE_EQ(c[static_cast<std::size_t>(f)].widthShare, 0.095);
        EXPECT_TRUE(c[static_cast<std::size_t>(f)].centred);
        EXPECT_EQ(c[static_cast<std::size_t>(f)].editable, f >= 1 && f <= 3) << f;
    }
    EXPECT_FALSE(loads.editCell(0, kPhiPn, "5")); // no row, and a read-only field
}

TEST_F(LoadTable, UpdateWithNoRowsLeavesNoLoads) {
    addRow("-100", "50", "0");
    loads.update();
    ASSERT_EQ(model.loads.count(), 1);
    loads.activate();
    loads.deleteLoad();
    loads.update();
    EXPECT_EQ(model.loads.count(), 0);
    EXPECT_TRUE(loads.view().rows.empty());
    EXPECT_TRUE(app.summaryEnabled());
}

TEST_F(LoadTable, DeletingAMiddleRowRenumbersAtOnceButTheModelWaitsForUpdate) {
    addRow("-100", "10", "0");
    addRow("-200", "20", "0");
    addRow("-300", "30", "0");
    loads.update();
    loads.selectRow(1);
    loads.deleteLoad();
    const auto& rows = loads.view().rows;
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].num, 1);
    EXPECT_EQ(rows[1].num, 2);
    EXPECT_EQ(loads.cellText(1, kPu), "-300.00");
    EXPECT_EQ(model.loads.count(), 3);
    loads.update();
    EXPECT_EQ(model.loads.count(), 2);
    EXPECT_FLOAT_EQ(model.loads[2][kPu], -300.0f);
}

TEST_F(LoadTable, TypedValuesAreCutToTwoDecimalsByTheWriteBack) {
    addRow("-123.456", "45.678", "0");
    loads.update();
    EXPECT_FLOAT_EQ(model.loads[1][kPu], -123.456f); // the typed value is stored once
    EXPECT_EQ(loads.cellText(0, kPu), "-123.46");
    EXPECT_EQ(loads.cellText(0, kMux), "45.68");
    // A second Update leaves the untouched cells as stored, not as their rounded texts.
    loads.update();
    EXPECT_EQ(model.loads[1][kPu], -123.456f);
    EXPECT_EQ(model.loads[1][kMux], 45.678f);
    // A cell typed over takes its new value.
    ASSERT_TRUE(loads.editCell(0, kMux, "45.68"));
    loads.update();
    EXPECT_EQ(model.loads[1][kPu], -123.456f);
    EXPECT_EQ(model.loads[1][kMux], 45.68f);
}

TEST_F(LoadTable, DoneInSIUnitsWritesBackOnlyTheCellsTyped) {
    useUnit(UnitGroup::Force, "kN");
    useUnit(UnitGroup::Moment, "kN-m");
    model.loads.resize(2);
    model.loads[1][kPu] = -150;
    model.loads[1][kMux] = 110.6f;
    model.loads[1][kMuy] = 7.3f;
    model.loads[2][kPu] = -33.7f;
    model.loads[2][kMux] = 12.1f;
    model.loads[2][kMuy] = 0;
    loads.activate();
    ASSERT_TRUE(loads.editCell(1, kMuy, "150"));
    loads.done();
    ASSERT_EQ(model.loads.count(), 2);
    // Bit for bit what was stored, whatever the display unit rounded them to.
    EXPECT_EQ(model.loads[1][kPu], -150.0f);
    EXPECT_EQ(model.loads[1][kMux], 110.6f);
    EXPECT_EQ(model.loads[1][kMuy], 7.3f);
    EXPECT_EQ(model.loads[2][kPu], -33.7f);
    EXPECT_EQ(model.loads[2][kMux], 12.1f);
    // 150 kN-m typed: divided by 4.4482216152605 kN x 0.3048 m = 1.35581795 kN-m per ft-k.
    EXPECT_EQ(model.loads[2][kMuy], static_cast<float>(150.0 / model.units.momentFactor));
    EXPECT_NEAR(model.loads[2][kMuy], 150 / 1.35581795, 1e-4);
}

TEST_F(LoadTable, AnAddedRowLeftEmptyIsRefusedByUpdateAndDone) {
    ASSERT_TRUE(openWindow(app, main.onButton(MainButton::Loads).window));
    loads.activate();
    addRow("-100", "10", "0");
    loads.update();
    ASSERT_EQ(model.loads.count(), 1);
    loads.addLoad();
    addRow("-50", "0", "0");
    EXPECT_FALSE(loads.update());
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Load 2 is empty: delete it or fill it in"});
    EXPECT_EQ(model.loads.count(), 1); // nothing written
    EXPECT_EQ(loads.view().currentRow, 1);
    EXPECT_EQ(loads.view().rows.size(), 3u);

    loads.done();
    EXPECT_TRUE(loads.view().visible); // Done refuses the same way
    EXPECT_EQ(platform.messages.size(), 2u);

    // A row with any input typed is a load; its other cells read as 0.
    ASSERT_TRUE(loads.editCell(1, kMux, "5"));
    EXPECT_TRUE(loads.update());
    ASSERT_EQ(model.loads.count(), 3);
    EXPECT_EQ(model.loads[2][kPu], 0.0f);
    EXPECT_EQ(model.loads[2][kMux], 5.0f);
    EXPECT_EQ(model.loads[3][kPu], -50.0f);

    // A load whose three inputs are all cleared is empty too.
    for (int f = kPu; f <= kMuy; ++f) {
        ASSERT_TRUE(loads.editCell(0, f, ""));
    }
    EXPECT_FALSE(loads.update());
    EXPECT_EQ(platform.messages.back(), "Load 1 is empty: delete it or fill it in");
    EXPECT_EQ(model.loads[1][kPu], -100.0f);
}

TEST_F(LoadTable, RatiosAboveOneAreMarkedAsFailing) {
    addRow("-100", "20", "0");
    addRow("-100", "2000", "0");
    loads.update();
    ASSERT_EQ(model.loads.count(), 2);
    ASSERT_LT(lastCheck(1).value().ratio, 1.0f);
    ASSERT_GT(lastCheck(2).value().ratio, 1.0f);
    EXPECT_FALSE(loads.cellFails(0, kRatio));
    EXPECT_TRUE(loads.cellFails(1, kRatio));
    for (int f = 0; f < kRatio; ++f) {
        EXPECT_FALSE(loads.cellFails(1, f)) << f; // only the check itself is marked
    }
    EXPECT_FALSE(loads.cellFails(2, kRatio)); // no such row
    // Under the table: the second load governs, and it alone fails.
    EXPECT_EQ(loads.view().verdict, "1 of 2 loads fail; largest ratio " +
                                        formatNumber(lastCheck(2).value().ratio, "0.000") +
                                        " (load 2).");
}

TEST_F(LoadTable, CancelClosesWithoutChangingTheLoads) {
    addRow("-100", "10", "0");
    loads.update();
    const ProjectModel before = model;
    const float ratio = lastCheck(1).value().ratio;
    ASSERT_TRUE(openWindow(app, main.onButton(MainButton::Loads).window));
    loads.activate();
    ASSERT_TRUE(loads.editCell(0, kPu, "-300"));
    addRow("-20", "1", "1");
    loads.cancel();
    EXPECT_FALSE(loads.view().visible);
    EXPECT_EQ(model.loads.count(), 1);
    for (int f = kPu; f <= kMuy; ++f) {
        EXPECT_EQ(model.loads[1][f], before.loads[1][f]) << f;
    }
    EXPECT_EQ(lastCheck(1).value().ratio, ratio);
    EXPECT_TRUE(app.summaryEnabled());
    EXPECT_TRUE(platform.messages.empty());
    // Opening the table again shows the loads of the model.
    loads.activate();
    ASSERT_EQ(loads.view().rows.size(), 1u);
    EXPECT_EQ(loads.cellText(0, kPu), "-100.00");
}

TEST_F(LoadTable, PoundsAreStoredAsKipsAndShownWithThousands) {
    useForceUnit("lb");
    loads.activate();
    EXPECT_EQ(loads.view().columns[1].caption, "Pu (lb.)");
    addRow("100000", "0", "0");
    loads.update();
    EXPECT_FLOAT_EQ(model.loads[1][kPu], 100.0f);
    EXPECT_EQ(loads.cellText(0, kPu), "100,000.00");
    // A concentric tension load is checked against phi*Tn(max), held in lb by the summary's
    // results.
    EXPECT_EQ(loads.cellText(0, kPhiPn),
              formatNumber(app.data().section.limits.phiTnMax, "##,##0.00"));
}

TEST_F(LoadTable, ZeroAxialLoadShowsTheInfiniteEccentricity) {
    addRow("0", "50", "0");
    loads.update();
    EXPECT_EQ(loads.cellText(0, kEccentricity), "10,000.00");
    EXPECT_EQ(loads.cellText(0, kPhiPn), "0.00");
    EXPECT_EQ(loads.cellText(0, kLoadAngle), "90.00");
    // The capacity is the design pure-bending strength about x: 50 ft-k over it is the ratio.
    const float phiMnx = lastCheck(1).value().phiMnx;
    EXPECT_GT(phiMnx, 50.0f);
    EXPECT_NEAR(lastCheck(1).value().ratio, 50.0 / phiMnx, 1e-4);
}

TEST_F(LoadTable, RowsAreAddedPastForty) {
    for (int i = 0; i < 41; ++i) {
        loads.addLoad();
        // Each new row becomes the current one, where the grid scrolls to.
        EXPECT_EQ(loads.view().currentRow, i);
    }
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(loads.view().rows.size(), 41u);
}

TEST_F(LoadTable, EmptyCellsReadAsZero) {
    loads.addLoad();
    ASSERT_TRUE(loads.editCell(0, kPu, "-80"));
    addRow("-100", "30", "20");
    ASSERT_TRUE(loads.editCell(1, kMux, "")); // cleared again
    loads.update();
    ASSERT_EQ(model.loads.count(), 2);
    EXPECT_FLOAT_EQ(model.loads[1][kPu], -80.0f);
    EXPECT_FLOAT_EQ(model.loads[1][kMux], 0.0f);
    EXPECT_FLOAT_EQ(model.loads[1][kMuy], 0.0f);
    EXPECT_FLOAT_EQ(model.loads[2][kMux], 0.0f);
    EXPECT_FLOAT_EQ(model.loads[2][kMuy], 20.0f);
}

TEST_F(LoadTable, TextThatIsNotANumberIsRefusedInTheCell) {
    addRow("-100", "30", "0");
    EXPECT_FALSE(loads.editCell(0, kPu, "12a"));
    EXPECT_FALSE(loads.editCell(0, kMux, "1,00")); // badly grouped thousands
    EXPECT_EQ(platform.messages,
              (std::vector<std::string>{kLoadNotNumericMessage, kLoadNotNumericMessage}));
    EXPECT_EQ(loads.cellText(0, kPu), "-100.00");
    EXPECT_EQ(loads.cellText(0, kMux), "30.00");
}

TEST_F(LoadTable, ALoadWithoutCapacityShowsEmptyCapacityCells) {
    model.loads.clear();
    LoadResult notFound;
    notFound.eccentricity = 9.6f;
    notFound.angle = 90;
    notFound.capacityFound = false;
    appendCheckedLoad(model, app.data().section, {{-50, 40, 0}, notFound, {}});
    loads.activate();
    EXPECT_EQ(loads.cellText(0, kEccentricity), "9.60");
    EXPECT_EQ(loads.cellText(0, kPhiPn), "");
    EXPECT_EQ(loads.cellText(0, kPhiMnx), "");
    EXPECT_EQ(loads.cellText(0, kRatio), kCapacityNotFoundText);
}

TEST_F(LoadTable, DoneUpdatesHidesAndLeavesThePointerBusyForTheMainWindow) {
    ASSERT_TRUE(openWindow(app, main.onButton(MainButton::Loads).window));
    EXPECT_TRUE(loads.view().visible);
    EXPECT_FALSE(app.summaryEnabled());
    loads.activate();
    addRow("-100", "0", "0");
    loads.close();
    EXPECT_FALSE(loads.view().visible);
    EXPECT_EQ(model.loads.count(), 1);
    EXPECT_EQ(app.pointer().busyCount(), 1);
    main.onActivated();
    EXPECT_EQ(app.pointer().busyCount(), 0);
}

} // namespace
} // namespace pmsect::test
