// The Design window: what it searches, the ranked table, the ranges it refuses, and Apply, which
// lays the chosen arrangement as the editors would and recomputes the summary.
#include "building/reinforcement_design.h"
#include "format/number_format.h"
#include "main_window_fixture.h"

namespace pmsect::test {
namespace {

class DesignWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        const float loads[][3] = {{-300, 60, 0}, {-150, 95, 10}, {-40, 110, -20}, {20, -70, 0}};
        model.numLoads = 4;
        for (int i = 0; i < 4; ++i) {
            for (int c = 0; c < 3; ++c) {
                model.loads[static_cast<std::size_t>(i + 1)][c + 1] = loads[i][c];
            }
        }
        app.recompute();
    }
    DesignPresenter& design = app.design();
};

TEST_F(DesignWindowTest, TheTableShowsTheFailedLighterOnesTheBestAndTenMore) {
    EXPECT_EQ(main.onButton(MainButton::Design).window, WindowId::Design);
    design.open();
    EXPECT_TRUE(design.view().visible);
    EXPECT_TRUE(design.view().designEnabled);
    EXPECT_NE(design.view().layoutLine.find("Bar sets"), std::string::npos);
    EXPECT_NE(design.view().loadsLine.find("4 load combinations"), std::string::npos);

    int listened = 0;
    design.setProgressListener([&] { ++listened; });
    design.runDesign();
    EXPECT_GT(listened, 0);
    const DesignResult& result = design.result();
    ASSERT_TRUE(result.best);
    const DesignView& v = design.view();
    EXPECT_EQ(v.progress, result.candidates.size());
    // Every lighter arrangement (all failing), the best, then ten passing ones.
    ASSERT_EQ(v.rows.size(), *result.best + 1 + 10);
    for (std::size_t i = 0; i < *result.best; ++i) {
        EXPECT_FALSE(v.rows[i].pass);
        EXPECT_EQ(v.rows[i].result.rfind("fails load ", 0), 0u) << v.rows[i].result;
    }
    const DesignRow& best = v.rows[*result.best];
    EXPECT_TRUE(best.best);
    EXPECT_EQ(v.selectedRow, static_cast<int>(*result.best));
    EXPECT_NE(best.result.find("(load "), std::string::npos);
    for (std::size_t i = *result.best + 1; i < v.rows.size(); ++i) {
        EXPECT_TRUE(v.rows[i].pass);
    }
    EXPECT_TRUE(v.applyEnabled);
    EXPECT_EQ(v.status.rfind("Lightest of ", 0), 0u) << v.status;

    // A failing row cannot be applied; a passing one can.
    design.selectRow(0);
    EXPECT_FALSE(design.view().applyEnabled);
    design.selectRow(static_cast<int>(*result.best) + 1);
    EXPECT_TRUE(design.view().applyEnabled);
}

TEST_F(DesignWindowTest, ApplyLaysTheArrangementAsTheCommandLineWritesIt) {
    design.open();
    design.runDesign();
    ASSERT_TRUE(design.result().best);
    const Arrangement& best = design.result().candidates[*design.result().best].arrangement;
    ProjectModel expected = model;
    applyArrangement(expected, best);
    clearStale();

    design.apply();
    EXPECT_EQ(model.numBarSets, best.barSets);
    for (int j = 1; j <= best.barSets; ++j) {
        EXPECT_EQ(model.barSets[static_cast<std::size_t>(j)].count, best.barsPerSet);
        EXPECT_EQ(model.barSets[static_cast<std::size_t>(j)].size, best.barSize);
    }
    EXPECT_EQ(model.clearSpacing, best.clearSpacing);
    EXPECT_TRUE(sameBars(bars(), std::vector<Bar>(expected.bars.begin() + 1,
                                                  expected.bars.begin() + 1 + expected.numBars)));
    EXPECT_TRUE(app.data().curvesStale);
    EXPECT_TRUE(app.data().surfaceStale);
    // The main window shows the new inputs and the recomputed summary checks every load.
    EXPECT_EQ(box(MainInput::Spacing).text, boxNumberText(best.clearSpacing));
    EXPECT_EQ(view().longBarIndex, best.barSize - 3);
    for (int i = 1; i <= model.numLoads; ++i) {
        EXPECT_TRUE(model.loadStatus[i].capacityFound);
        EXPECT_LE(model.loads[i][kRatio], 1.0f);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DesignWindowTest, ASearchOfAnotherProjectIsNotApplied) {
    design.open();
    design.runDesign();
    const std::vector<Bar> before = bars();
    type(MainInput::Fpc, "5000");
    design.apply();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "The project has changed since the search: press Design again");
    EXPECT_TRUE(sameBars(bars(), before));
}

TEST_F(DesignWindowTest, RangesOutsideTheTableOrReversedAreRefused) {
    design.open();
    const struct {
        DesignBox box;
        const char* text;
        const char* message;
    } cases[] = {
        {DesignBox::SmallestSize, "12",
         "Smallest bar size must be a bar size of the table: 3 to "
         "11, 14 or 18"},
        {DesignBox::LargestSize, "8.5",
         "Largest bar size must be a bar size of the table: 3 to "
         "11, 14 or 18"},
        {DesignBox::LeastSteel, "0",
         "Least steel ratio must be a percentage above 0 and up to "
         "100"},
        {DesignBox::MostSteel, "abc",
         "Largest steel ratio must be a percentage above 0 and up to "
         "100"},
        {DesignBox::SmallestSize, "11",
         "The smallest value of a range must not exceed its largest"},
    };
    for (const auto& c : cases) {
        design.open();
        for (const auto& [box, text] : {std::pair{DesignBox::SmallestSize, "5"},
                                        {DesignBox::LargestSize, "8"},
                                        {DesignBox::LeastSteel, "1"},
                                        {DesignBox::MostSteel, "8"}}) {
            design.onBoxChanged(box, text);
        }
        design.onBoxChanged(c.box, c.text);
        platform.messages.clear();
        design.runDesign();
        ASSERT_EQ(platform.messages.size(), 1u) << c.text;
        EXPECT_EQ(platform.messages[0], c.message);
        EXPECT_TRUE(design.view().rows.empty());
    }
}

TEST_F(DesignWindowTest, PlacedBarsHaveNothingToDesign) {
    main.onOption(MainOption::PlacedBars);
    design.open();
    EXPECT_FALSE(design.view().designEnabled);
    design.runDesign();
    EXPECT_TRUE(design.view().rows.empty());
    EXPECT_FALSE(design.view().applyEnabled);
}

} // namespace
} // namespace pmsect::test
