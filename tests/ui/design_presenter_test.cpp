// The Design window: what it searches, the ranked table and its notes, the ranges it refuses, the
// answer when nothing carries the loads, and Apply, which replaces the bars with the chosen
// arrangement and recomputes the summary.
#include "building/reinforcement_design.h"
#include "format/number_format.h"
#include "main_window_fixture.h"
#include "project/project_summary.h"

#include <functional>

namespace pmsect::test {
namespace {

class DesignWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        const float loads[][3] = {{-300, 60, 0}, {-150, 95, 10}, {-40, 110, -20}, {20, -70, 0}};
        model.loads.resize(4);
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
    EXPECT_NE(design.view().layoutLine.find("around the perimeter"), std::string::npos);
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

    const int revision = view().summaryRevision;
    design.apply();
    EXPECT_EQ(model.clearSpacing, best.clearSpacing);
    EXPECT_EQ(view().barLayoutOption, expected.barLayout);
    EXPECT_GT(view().summaryRevision, revision); // the section drawing is redrawn
    EXPECT_TRUE(sameBars(bars(), best.bars));
    EXPECT_TRUE(app.data().curvesStale);
    EXPECT_TRUE(app.data().surfaceStale);
    // The main window shows the new inputs and the recomputed summary checks every load.
    EXPECT_EQ(box(MainInput::Spacing).text, boxNumberText(best.clearSpacing));
    EXPECT_EQ(view().longBarIndex, best.barSize - 3);
    for (int i = 1; i <= model.loads.count(); ++i) {
        const auto r = storedLoadResult(app.data().section, model, static_cast<std::size_t>(i));
        ASSERT_TRUE(r);
        EXPECT_TRUE(r->capacityFound);
        EXPECT_LE(r->ratio, 1.0f);
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DesignWindowTest, ASearchOfAnotherProjectIsNotApplied) {
    const std::function<void()> changes[] = {
        [&] { type(MainInput::Fpc, "5000"); },
        // The member's slenderness magnifies the loads the search was made for.
        [&] { app.slenderness().setChecked(true); },
    };
    for (const auto& change : changes) {
        platform.messages.clear();
        design.open();
        design.runDesign();
        const std::vector<Bar> before = bars();
        change();
        design.apply();
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0],
                  "The project has changed since the search: press Design again");
        EXPECT_TRUE(sameBars(bars(), before));
    }
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
        {DesignBox::LeastSteel, "0", "Least steel ratio must be a percentage above 0 and up to 8"},
        {DesignBox::MostSteel, "abc",
         "Largest steel ratio must be a percentage above 0 and up to 8"},
        {DesignBox::MostSteel, "8.5",
         "Largest steel ratio must be a percentage above 0 and up to 8"},
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

// A 20 x 20 in section of f'c 5,000 psi under heavy loads, whatever bars it has now: nothing
// within 4 % carries them; up to 8 % the design is applied and gives the same strength in both
// senses (within the pure-bending search's tolerance).
TEST_F(DesignWindowTest, AppliedToA20By20SectionTheDesignIsSymmetricWhateverTheBarsWere) {
    type(MainInput::Width, "20");
    type(MainInput::Depth, "20");
    type(MainInput::Fpc, "5000");
    model.loads.resize(3);
    model.loads[1].col = {0, -1000, 350, 0};
    model.loads[2].col = {0, -1400, 250, 120};
    model.loads[3].col = {0, -300, 450, 100};
    for (const auto& [layout, rho] : {std::pair{MainOption::PlacedBars, "4"},
                                      {MainOption::PlacedBars, "8"},
                                      {MainOption::Circle, "8"}}) {
        SCOPED_TRACE(rho);
        main.onOption(layout);
        design.open();
        design.onBoxChanged(DesignBox::MostSteel, rho);
        design.runDesign();
        const DesignView& v = design.view();
        const DesignResult& r = design.result();
        for (const DesignRow& row : v.rows) { // above 4 % the table notes the splices
            EXPECT_EQ(row.note, r.candidates[row.candidate].arrangement.steelRatio > 0.04
                                    ? "lap splices double the steel at a splice"
                                    : "");
        }
        if (std::string(rho) == "4") {
            ASSERT_FALSE(r.best);
            EXPECT_EQ(v.status, "None of the " + std::to_string(v.rows.size()) +
                                    " admissible arrangements carries every load; load " +
                                    std::to_string(r.candidates.back().firstFailingLoad) +
                                    " fails even the heaviest (" +
                                    arrangementText(r.candidates.back().arrangement) +
                                    "): the section must grow or the steel band widen.");
            continue;
        }
        ASSERT_TRUE(r.best);
        design.apply();
        EXPECT_TRUE(sameBars(bars(), r.candidates[*r.best].arrangement.bars));
        ASSERT_NE(view().summary.posMnx.text, kNoPureBendingText);
        ASSERT_TRUE(app.data().section.pureBending);
        const std::array<PureBendingResult, 4>& bending = *app.data().section.pureBending;
        EXPECT_NEAR(bending[0].Mn, -bending[1].Mn, 1e-4 * bending[0].Mn);
        for (int i = 1; i <= model.loads.count(); ++i) {
            EXPECT_LE(storedLoadResult(app.data().section, model, static_cast<std::size_t>(i))
                          .value()
                          .ratio,
                      1.0f);
        }
    }
}

TEST_F(DesignWindowTest, ASectionGivenPointByPointIsNotDesigned) {
    main.onOption(MainOption::Arbitrary);
    design.open();
    EXPECT_FALSE(design.view().designEnabled);
    design.runDesign();
    EXPECT_TRUE(design.view().rows.empty());
    EXPECT_FALSE(design.view().applyEnabled);
}

} // namespace
} // namespace pmsect::test
