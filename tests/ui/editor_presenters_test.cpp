// The point, bar and bar-set editors: their rows, limits, corrections and write-back.
#include "building/section_generators.h"
#include "results_windows_fixture.h"

#include <cmath>

namespace pmsect::test {
namespace {

class Editors : public ResultsWindowsTest {
protected:
    PointEditorPresenter& points = app.pointEditor();
    BarEditorPresenter& barGrid = app.barEditor();
    BarSetEditorPresenter& sets = app.barSetEditor();
};

TEST_F(Editors, PointGridHasThreeColumnsOfThreeTenths) {
    points.activate();
    const auto& c = points.view().columns;
    EXPECT_EQ(points.view().caption, "Edit Geometry");
    EXPECT_EQ(c[1].caption, "X (in.)");
    EXPECT_DOUBLE_EQ(c[2].widthShare, 0.3);
    EXPECT_FALSE(c[0].editable);
    EXPECT_TRUE(c[2].editable);
    barGrid.activate();
    EXPECT_EQ(barGrid.view().columns[3].caption, "Bar Size");
    EXPECT_DOUBLE_EQ(barGrid.view().columns[3].widthShare, 0.22);
}

TEST_F(Editors, TheLastThreePointsCannotBeDeleted) {
    main.onOption(MainOption::Arbitrary);
    points.activate();
    ASSERT_EQ(points.view().rows.size(), 4u);
    // The triangle left would not hold every bar of the rectangle: undone, and said why.
    points.selectRow(1);
    points.deletePoint();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind(sectionFaultMessage("bar "), 0), 0u)
        << platform.messages[0];
    EXPECT_EQ(model.numPoints, 4);
    // Without bars (placed ones, which no rebuild lays again) the triangle stands.
    platform.messages.clear();
    main.onOption(MainOption::PlacedBars);
    model.numBars = 0;
    points.activate();
    points.selectRow(1);
    points.deletePoint();
    EXPECT_EQ(model.numPoints, 3);
    EXPECT_TRUE(platform.messages.empty());
    points.deletePoint();
    EXPECT_EQ(platform.messages, (std::vector<std::string>{kTooFewPointsMessage}));
    EXPECT_EQ(points.view().rows.size(), 3u);
    EXPECT_EQ(model.numPoints, 3);
    // The triangle of the corners (-6,-9), (6,9), (6,-9): half the rectangle.
    EXPECT_FLOAT_EQ(model.grossArea, 108.0f);
}

TEST_F(Editors, UpdateRoundsTheCirclesPointsToTwoDecimals) {
    main.onOption(MainOption::Round);
    main.onOption(MainOption::Arbitrary);
    constexpr int n = kRoundOutlinePoints;
    ASSERT_EQ(model.numPoints, n);
    // The second point, 3.75 degrees round from (8, 0).
    Point* const second = &model.points[2];
    EXPECT_NEAR(second->x, 8 * std::cos(2 * 3.14159 / n), 1e-5);
    EXPECT_NEAR(second->x, 7.982871, 1e-5);

    points.activate();
    EXPECT_EQ(points.cellText(1, kPointX), "7.98");
    points.update();
    EXPECT_FLOAT_EQ(second->x, 7.98f);
    EXPECT_EQ(points.view().currentRow, n - 1);
    // Shoelace area of the rounded polygon, worked here from the grid's own texts.
    double twiceArea = 0;
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        const double xi = std::stod(points.cellText(i, kPointX));
        const double yi = std::stod(points.cellText(i, kPointY));
        const double xj = std::stod(points.cellText(j, kPointX));
        const double yj = std::stod(points.cellText(j, kPointY));
        twiceArea += xi * yj - xj * yi;
    }
    EXPECT_NEAR(model.grossArea, std::fabs(twiceArea) / 2, 1e-3);
    EXPECT_NEAR(model.grossArea, 200.9, 0.1); // 48 * 64 * sin(3.75 deg) for radius 8
}

TEST_F(Editors, AnAddedPointReadsAsTheOriginAndTheHundredAndFirstIsRefused) {
    main.onOption(MainOption::Arbitrary);
    points.activate();
    points.addPoint();
    EXPECT_EQ(model.numPoints, 5);
    EXPECT_FLOAT_EQ(model.points[5].x, 0.0f);
    EXPECT_FLOAT_EQ(model.points[5].y, 0.0f);
    EXPECT_EQ(points.view().rows[4].num, 5);
    EXPECT_FALSE(points.editCell(4, kPointX, "three"));
    EXPECT_EQ(platform.messages, (std::vector<std::string>{kPointNotNumericMessage}));
    while (points.view().rows.size() < 100) {
        points.addPoint();
    }
    points.addPoint();
    EXPECT_EQ(points.view().rows.size(), 100u);
    EXPECT_EQ(model.numPoints, 100);
    EXPECT_EQ(platform.messages.back(), kTooManyPointsMessage);
}

TEST_F(Editors, BarsCanBeDeletedDownToThree) {
    main.onOption(MainOption::PlacedBars);
    barGrid.activate();
    while (barGrid.view().rows.size() > 4) {
        barGrid.deleteBar();
    }
    barGrid.deleteBar(); // from 4 to 3: allowed
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(barGrid.view().rows.size(), 3u);
    barGrid.deleteBar();
    EXPECT_EQ(platform.messages, (std::vector<std::string>{kTooFewBarsMessage}));
    EXPECT_EQ(barGrid.view().rows.size(), 3u);
    barGrid.update();
    EXPECT_EQ(model.numBars, 3);
    EXPECT_NEAR(app.data().section.limits.steelArea, 3 * 0.31, 1e-4);
}

TEST_F(Editors, ABarSizeOutsideTheTableIsRefusedNotReplaced) {
    main.onOption(MainOption::PlacedBars);
    barGrid.show();
    barGrid.activate();
    const int16_t bars = model.numBars;
    barGrid.addBar();
    const int last = static_cast<int>(barGrid.view().rows.size()) - 1;
    EXPECT_EQ(barGrid.view().rows[static_cast<std::size_t>(last)].num, last + 1);
    ASSERT_TRUE(barGrid.editCell(last, kBarX, "2.5"));
    EXPECT_FALSE(barGrid.editCell(last, kBarSizeColumn, "12"));
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Bar Size must be 3 to 11, 14 or 18"});
    EXPECT_EQ(barGrid.cellText(last, kBarSizeColumn), ""); // the cell keeps what it held
    // A row without a size is no bar: Update names it and writes nothing.
    platform.messages.clear();
    EXPECT_FALSE(barGrid.update());
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Bar Size of bar 21 must be 3 to 11, 14 or 18"});
    EXPECT_EQ(model.numBars, bars);
    barGrid.done();
    EXPECT_TRUE(barGrid.view().visible); // Done stays open on a refusal

    platform.messages.clear();
    ASSERT_TRUE(barGrid.editCell(last, kBarSizeColumn, "14"));
    EXPECT_TRUE(barGrid.update());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(model.numBars, bars + 1);
    EXPECT_FLOAT_EQ(model.bars[static_cast<std::size_t>(last + 1)].size, 14.0f);
    EXPECT_FLOAT_EQ(model.bars[static_cast<std::size_t>(last + 1)].x, 2.5f);
    EXPECT_FLOAT_EQ(model.bars[static_cast<std::size_t>(last + 1)].y, 0.0f); // empty cell
}

TEST_F(Editors, TheOnlyBarSetStays) {
    sets.activate();
    sets.deleteBarSet();
    EXPECT_EQ(model.numBarSets, 1);
    EXPECT_TRUE(platform.messages.empty());
    sets.deleteBarSet();
    EXPECT_EQ(platform.messages, (std::vector<std::string>{kTooFewBarSetsMessage}));
    EXPECT_EQ(sets.view().rows.size(), 1u);
    EXPECT_EQ(model.numBarSets, 1);
}

TEST_F(Editors, ABarSetOfNoBarsIsCorrectedAndSizeTwelveRefused) {
    sets.activate();
    sets.addBarSet();
    EXPECT_EQ(model.numBarSets, 3); // counted before Update
    ASSERT_TRUE(sets.editCell(2, kBarSetCount, "0"));
    EXPECT_FALSE(sets.editCell(2, kBarSetSize, "12"));
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Bar Size must be 3 to 11, 14 or 18"});
    platform.messages.clear();
    EXPECT_FALSE(sets.update());
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{"Bar Size of bar set 3 must be 3 to 11, 14 or 18"});
    EXPECT_EQ(model.numBars, 20);

    platform.messages.clear();
    ASSERT_TRUE(sets.editCell(2, kBarSetSize, "18"));
    EXPECT_TRUE(sets.update());
    EXPECT_EQ(platform.messages, std::vector<std::string>{"# of Bars MUST exceed 0"});
    EXPECT_FLOAT_EQ(model.barSets[3].count, 1.0f);
    EXPECT_FLOAT_EQ(model.barSets[3].size, 18.0f);
    EXPECT_EQ(sets.cellText(2, kBarSetCount), "1");
    EXPECT_EQ(model.numBars, 21);
}

// Sets that ask for more bars than the bars table holds are refused whole, not cut short.
TEST_F(Editors, BarSetsBeyondAHundredBarsAreRefused) {
    sets.activate();
    const std::vector<Bar> before = bars();
    ASSERT_TRUE(sets.editCell(0, kBarSetCount, "60"));
    ASSERT_TRUE(sets.editCell(1, kBarSetCount, "41"));
    EXPECT_FALSE(sets.update());
    EXPECT_EQ(platform.messages,
              std::vector<std::string>{
                  "The bar sets ask for 101 bars; their # Bars may add up to at most 100"});
    EXPECT_TRUE(sameBars(before, bars()));
    EXPECT_EQ(model.barSets[1].count, 10.0f);

    platform.messages.clear();
    ASSERT_TRUE(sets.editCell(1, kBarSetCount, "40"));
    EXPECT_TRUE(sets.update());
    EXPECT_TRUE(platform.messages.empty()) << platform.messages.front();
    EXPECT_EQ(model.numBars, 100);
}

TEST_F(Editors, EffectiveWidthIsRaisedToTwoBarsInsideTheTies) {
    sets.activate();
    EXPECT_EQ(sets.view().txtEWidth, "12");
    sets.confirmBox(BarSetBox::EffectiveWidth, "5");
    // 2 (d1 + cover + dt) + spacing = 2 (0.625 + 1.5 + 0.375) + 1.0
    EXPECT_FLOAT_EQ(model.barSetWidth, 6.0f);
    EXPECT_EQ(sets.view().txtEWidth, "6");
    sets.confirmBox(BarSetBox::EffectiveDepth, "deep");
    EXPECT_FLOAT_EQ(model.barSetHeight, 6.0f);
    EXPECT_TRUE(platform.messages.empty());
    sets.confirmBox(BarSetBox::EffectiveDepth, "14.5");
    EXPECT_FLOAT_EQ(model.barSetHeight, 14.5f);
}

TEST_F(Editors, BarSetsTurnWithTheParallelOptionAndStopAtTwenty) {
    sets.activate();
    EXPECT_EQ(sets.view().optParaX, "X axis");
    EXPECT_FALSE(sets.view().alongY);
    const std::vector<Bar> before = bars();
    sets.onParallel(true);
    EXPECT_TRUE(model.barSetsAlongY);
    EXPECT_FALSE(sameBars(before, bars()));
    while (sets.view().rows.size() < 20) {
        sets.addBarSet();
    }
    sets.addBarSet();
    EXPECT_EQ(model.numBarSets, 20);
    EXPECT_EQ(platform.messages, (std::vector<std::string>{kTooManyBarSetsMessage}));
    EXPECT_FALSE(sets.editCell(0, kBarSetSize, "#5"));
    EXPECT_EQ(platform.messages.back(), kBarSetNotNumericMessage);
}

TEST_F(Editors, TheMainBarListShowsTheSizeTheBarSetEditorSet) {
    sets.activate();
    const int rows = static_cast<int>(sets.view().rows.size());
    ASSERT_GT(rows, 1);
    for (int r = 0; r < rows; ++r) {
        ASSERT_TRUE(sets.editCell(r, kBarSetSize, "9"));
    }
    sets.done();
    // #9 bars (1.00 in^2 each) and the list on "9", not on the #5 it started with.
    ASSERT_GT(model.numBars, 0);
    EXPECT_NEAR(app.data().section.limits.steelArea, model.numBars * 1.0, 1e-4);
    EXPECT_EQ(kLongBarItems[static_cast<std::size_t>(main.view().longBarIndex)], "9");

    // Sets of two sizes: the list cannot name one and shows nothing.
    sets.activate();
    ASSERT_TRUE(sets.editCell(0, kBarSetSize, "7"));
    sets.done();
    EXPECT_EQ(main.view().longBarIndex, -1);

    // Choosing a size from the list makes every set that size again.
    main.onLongBarSelected(3);
    EXPECT_EQ(main.view().longBarIndex, 3);
    EXPECT_EQ(model.barSets[1].size, 6.0f);
}

} // namespace
} // namespace pmsect::test
