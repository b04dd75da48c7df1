// The Slenderness window: "Check slenderness" gives the project its data or takes it away, typed
// boxes reach the project in the model's units or are refused by name with their range, and the
// load table shows what the magnifier gives each load, as the engine computes it.
#include "format/number_format.h"
#include "io/slenderness_rules.h"
#include "results_windows_fixture.h"

#include <filesystem>
#include <fstream>

namespace pmsect::test {
namespace {

class SlendernessWindowTest : public ResultsWindowsTest {
protected:
    void SetUp() override {
        ResultsWindowsTest::SetUp();
        EXPECT_EQ(main.onButton(MainButton::Slenderness).window, WindowId::Slenderness);
        slender.open();
    }
    // One load typed into the load table and checked.
    void checkLoad(const char* pu, const char* mux) {
        loads.activate();
        loads.addLoad();
        ASSERT_TRUE(loads.editCell(0, kPu, pu));
        ASSERT_TRUE(loads.editCell(0, kMux, mux));
        ASSERT_TRUE(loads.update());
    }
    // The load table's column of that caption.
    int column(const std::string& caption) {
        const auto& c = loads.view().columns;
        for (std::size_t i = 0; i < c.size(); ++i) {
            if (c[i].caption == caption) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "no column " << caption;
        return -1;
    }
    // The load of checkLoad("-200", ...) is checked as the section alone at (Pu, Mcx), and shown
    // so.
    void expectCheckedAtTheSectionAlone(float Mcx) {
        EXPECT_NEAR(lastCheck(1).value().ratio, ratioOfTheSectionAlone(-200, Mcx), 2e-3f);
        EXPECT_EQ(loads.cellText(0, column("Check")),
                  realCellText(twoDecimalCell(lastCheck(1).value().ratio)));
    }
    SlendernessPresenter& slender = app.slenderness();
};

TEST_F(SlendernessWindowTest, CheckSlendernessGivesTheProjectItsDataOrTakesItAway) {
    EXPECT_FALSE(slender.view().checked);
    EXPECT_FALSE(slender.view().axes[0].enabled[0]);
    EXPECT_FALSE(main.hasUnsavedChanges());
    slender.setChecked(true);
    ASSERT_TRUE(model.slenderness.has_value());
    EXPECT_EQ(*model.slenderness, SlendernessData{});
    EXPECT_TRUE(main.hasUnsavedChanges());
    EXPECT_TRUE(slender.view().axes[0].enabled[static_cast<std::size_t>(AxisBox::Lu)]);
    EXPECT_FALSE(slender.view().axes[0].enabled[static_cast<std::size_t>(AxisBox::KSway)]);
    // The section's own radius, 0.3 h = 0.3 x 18 = 5.40 in (ACI 318-05 10.11.2).
    EXPECT_EQ(slender.view().axes[0].slenderness, "r = 5.40 in., k·lu/r = 0.0");
    slender.setChecked(false);
    EXPECT_FALSE(model.slenderness.has_value());
    EXPECT_FALSE(main.hasUnsavedChanges());
}

// 1 ft = 12 in, 1 kip = 4.4482 kN.
TEST_F(SlendernessWindowTest, BoxesReachTheProjectInItsUnits) {
    useUnit(UnitGroup::Length, "Feet");
    useForceUnit("kN");
    slender.setChecked(true);
    slender.setSway(SlenderAxis::Y, true);
    slender.setSwaySource(SlenderAxis::Y, SwaySource::StoreySums);
    const struct {
        SlenderAxis axis;
        AxisBox box;
        const char* text;
        float stored;
        float AxisMember::*plain;
        std::optional<float> AxisMember::*optional;
    } edits[] = {
        {SlenderAxis::X, AxisBox::Lu, "20", 240, &AxisMember::lu, nullptr},
        {SlenderAxis::X, AxisBox::K, "0.8", 0.8f, &AxisMember::k, nullptr},
        {SlenderAxis::Y, AxisBox::KSway, "1.5", 1.5f, &AxisMember::kSway, nullptr},
        {SlenderAxis::Y, AxisBox::SumPc, "44482", 10000, nullptr, &AxisMember::sumPc},
        {SlenderAxis::Y, AxisBox::SumPu, "4448.2", 1000, nullptr, &AxisMember::sumPu},
        {SlenderAxis::Y, AxisBox::BetaDs, "0.3", 0.3f, &AxisMember::betaDs, nullptr},
    };
    for (const auto& e : edits) {
        ASSERT_TRUE(slender.editAxis(e.axis, e.box, e.text)) << e.text;
        const AxisMember& m =
            e.axis == SlenderAxis::X ? model.slenderness->x : model.slenderness->y;
        const float stored = e.plain ? m.*e.plain : (m.*e.optional).value_or(-1);
        EXPECT_NEAR(stored, e.stored, 1e-3f * e.stored) << e.text;
        const auto& view = slender.view().axes[e.axis == SlenderAxis::X ? 0 : 1];
        EXPECT_EQ(view.boxes[static_cast<std::size_t>(e.box)], e.text);
    }
    EXPECT_EQ(slender.view().axes[0].labels[0], "lu (ft.)");
    EXPECT_EQ(slender.view().axes[1].labels[static_cast<std::size_t>(AxisBox::SumPu)], "ΣPu (kN)");
    // k lu / r = 0.8 x 240 / 5.4 = 35.6.
    EXPECT_EQ(slender.view().axes[0].slenderness, "r = 0.45 ft., k·lu/r = 35.6");
}

TEST_F(SlendernessWindowTest, RefusedBoxesAreNamedWithTheirRangeAndKeepTheirValue) {
    useUnit(UnitGroup::Length, "Feet");
    slender.setChecked(true);
    slender.setSway(SlenderAxis::X, true);
    const struct {
        SlenderAxis axis;
        AxisBox box;
        const char* text;
        const char* message;
    } refusals[] = {
        {SlenderAxis::X, AxisBox::Lu, "abc", "lu about x must be a number"},
        {SlenderAxis::X, AxisBox::Lu, "", "lu about x must be a number"},
        // 12,000 in is 1,000 ft.
        {SlenderAxis::X, AxisBox::Lu, "1001", "lu about x lies outside 0 to 1,000 ft."},
        {SlenderAxis::Y, AxisBox::K, "0", "k about y must be above 0 and at most 10"},
        {SlenderAxis::X, AxisBox::KSway, "11", "k sway about x must be above 0 and at most 10"},
        {SlenderAxis::X, AxisBox::Q, "1", "Q about x must be at least 0 and below 1"},
        {SlenderAxis::X, AxisBox::BetaDs, "1.5", "βds about x lies outside 0 to 1"},
    };
    for (const auto& r : refusals) {
        platform.messages.clear();
        const SlendernessData before = *model.slenderness;
        const auto& view = slender.view().axes[r.axis == SlenderAxis::X ? 0 : 1];
        const std::string shown = view.boxes[static_cast<std::size_t>(r.box)];
        EXPECT_FALSE(slender.editAxis(r.axis, r.box, r.text)) << r.text;
        ASSERT_EQ(platform.messages.size(), 1u) << r.text;
        EXPECT_EQ(platform.messages.front(), r.message);
        EXPECT_EQ(*model.slenderness, before) << r.text;
        EXPECT_EQ(view.boxes[static_cast<std::size_t>(r.box)], shown) << r.text;
    }
    platform.messages.clear();
    EXPECT_FALSE(slender.editProject(ProjectBox::BetaDns, "2"));
    EXPECT_EQ(platform.messages.at(0), "βdns lies outside 0 to 1");
    slender.setStiffness(StiffnessChoice::Given);
    EXPECT_FALSE(slender.editProject(ProjectBox::GivenEI, "0"));
    EXPECT_EQ(platform.messages.at(1), "EI a given EI must be above 0 kip-in^2");
    EXPECT_GT(model.slenderness->givenEI, 0);
}

TEST_F(SlendernessWindowTest, TheSwaySourceShowsItsBoxesAndKeepsTheStoreyValid) {
    slender.setChecked(true);
    slender.setSway(SlenderAxis::X, true);
    // A storey turned sway starts at Q = 0, delta_s = 1.
    EXPECT_EQ(model.slenderness->x.Q, 0.0f);
    const struct {
        SwaySource source;
        AxisBox box;
    } sources[] = {{SwaySource::Magnifier, AxisBox::DeltaS},
                   {SwaySource::StoreySums, AxisBox::SumPu},
                   {SwaySource::StabilityIndex, AxisBox::Q}};
    for (const auto& s : sources) {
        slender.setSwaySource(SlenderAxis::X, s.source);
        const AxisView& v = slender.view().axes[0];
        EXPECT_EQ(v.swaySource, static_cast<int>(s.source));
        for (const AxisBox b : {AxisBox::SumPu, AxisBox::Q, AxisBox::DeltaS}) {
            EXPECT_EQ(v.enabled[static_cast<std::size_t>(b)], b == s.box);
        }
        EXPECT_FALSE(slendernessFault(*model.slenderness).has_value());
    }
    // The column's own share of the storey's sum Pc, by hand (ACI 318-19 6.6.4.6.2, EI (a) with
    // beta_ds): Ec Ig = 3,155,924 psi x 5,832 in^4, EI = 0.4 Ec Ig / 1.5 = 4,908,093 kip-in^2,
    // Pc = pi^2 EI / (1.5 x 240)^2 = 373.8 k.
    ASSERT_TRUE(slender.editAxis(SlenderAxis::X, AxisBox::Lu, "240"));
    ASSERT_TRUE(slender.editAxis(SlenderAxis::X, AxisBox::KSway, "1.5"));
    ASSERT_TRUE(slender.editAxis(SlenderAxis::X, AxisBox::BetaDs, "0.5"));
    const std::string& shown = slender.view().axes[0].slenderness;
    EXPECT_NE(shown.find("ΣPc (k sway, βds) = 373.8 "), std::string::npos) << shown;
}

// The new project's 12 x 18 in column (f'c = 3,000 psi, wc = 145 pcf) about x, lu = 240 in,
// k = 1, braced, EI (a), beta_dns = 0; Pu = -200 k, Mux = 50 ft-k in single curvature. By hand
// (ACI 318-05 10.12): r = 0.3 x 18 = 5.4 in, k lu / r = 44.4 > 34 - 12 x 1 = 22: slender.
// Ec = 33 x 145^1.5 x sqrt(3000) = 3,155,924 psi, Ig = 12 x 18^3 / 12 = 5,832 in^4,
// EI = 0.4 Ec Ig = 7,362,140 kip-in^2, Pc = pi^2 EI / 240^2 = 1,261.5 k; Cm = 0.6 + 0.4 = 1.0;
// delta_ns = 1 / (1 - 200 / (0.75 x 1,261.5)) = 1.268; M2,min = 200 (0.6 + 0.03 x 18) / 12 =
// 19 ft-k < 50: Mc = 1.268 x 50 = 63.40 ft-k.
TEST_F(SlendernessWindowTest, TheLoadTableShowsTheMagnifiedMomentsTheEngineChecks) {
    checkLoad("-200", "50");
    const std::size_t plainColumns = loads.view().columns.size();
    EXPECT_EQ(plainColumns, 10u);
    slender.setChecked(true);
    ASSERT_TRUE(slender.editAxis(SlenderAxis::X, AxisBox::Lu, "240"));
    loads.activate();
    EXPECT_EQ(loads.cellText(0, column("Mcx (ft-k)")), "63.40");
    EXPECT_EQ(loads.cellText(0, column("δns,x")), "1.27");
    EXPECT_EQ(loads.cellText(0, column("δns,y")), ""); // about y: lu = 0, not slender
    EXPECT_EQ(loads.cellText(0, column("Slender")), "x");
    EXPECT_EQ(loads.cellText(0, column("Mux (ft-k)")), "50.00");
    // The ratio is that of the section alone at (Pu, Mcx).
    expectCheckedAtTheSectionAlone(63.4f);

    // A sway storey adds its end moments' sway parts and delta_s; off, the table is as before.
    slender.setSway(SlenderAxis::X, true);
    loads.activate();
    EXPECT_GE(column("MuxTopSway (ft-k)"), 0);
    EXPECT_GE(column("δs,x"), 0);
    slender.setChecked(false);
    loads.activate();
    EXPECT_EQ(loads.view().columns.size(), plainColumns);
}

// The member's data typed while the load table is open (which holds the summary back) rechecks
// the loads at once, and the table shows them: the load of the test above, Mcx = 63.40 ft-k.
TEST_F(SlendernessWindowTest, AnOpenLoadTableFollowsTheMembersData) {
    checkLoad("-200", "50");
    EXPECT_EQ(main.onButton(MainButton::Loads).window, WindowId::Loads);
    loads.activate();
    loads.show();
    slender.setChecked(true);
    ASSERT_TRUE(slender.editAxis(SlenderAxis::X, AxisBox::Lu, "240"));
    EXPECT_EQ(loads.cellText(0, column("Mcx (ft-k)")), "63.40");
    expectCheckedAtTheSectionAlone(63.4f);
    EXPECT_FALSE(app.summaryEnabled()); // the table still holds it back
}

TEST_F(SlendernessWindowTest, EndMomentCellsAreTypedValidatedAndKeptThroughUpdate) {
    checkLoad("-200", "50");
    slender.setChecked(true);
    ASSERT_TRUE(slender.editAxis(SlenderAxis::X, AxisBox::Lu, "240"));
    loads.activate();
    const struct {
        const char* caption;
        const char* text;
        bool accepted;
    } cells[] = {{"MuxTop (ft-k)", "50", true},
                 {"MuxBot (ft-k)", "-25", true},
                 {"PuSustained (k)", "-100", true},
                 {"MuyTop (ft-k)", "x", false},
                 {"MuyBot (ft-k)", "1e9", false}};
    for (const auto& c : cells) {
        platform.messages.clear();
        EXPECT_EQ(loads.editCell(0, column(c.caption), c.text), c.accepted) << c.caption;
        EXPECT_EQ(platform.messages.empty(), c.accepted) << c.caption;
    }
    ASSERT_TRUE(loads.update());
    const LoadEndMoments ends = model.loads[1].ends;
    EXPECT_EQ(ends.moments[kMxTop], 50.0f);
    EXPECT_EQ(ends.moments[kMxBot], -25.0f);
    EXPECT_FALSE(ends.moments[kMyTop].has_value());
    EXPECT_EQ(ends.PuSustained, -100.0f);
    // Double curvature, M1/M2 = -0.5 in the 318-05 sign: Cm = 0.6 - 0.2 = 0.4 and beta_dns =
    // 100 / 200 = 0.5 gives EI = 7,362,140 / 1.5, Pc = 841.0 k; delta_ns = 0.4 / (1 - 200 /
    // 630.7) = 0.586, held at 1.0: Mc = 50.00.
    EXPECT_EQ(loads.cellText(0, column("δns,x")), "1.00");
    EXPECT_EQ(loads.cellText(0, column("Mcx (ft-k)")), "50.00");
    // Without slenderness data the end moments stay with the load, unseen.
    slender.setChecked(false);
    loads.activate();
    ASSERT_TRUE(loads.update());
    EXPECT_EQ(model.loads[1].ends, ends);
}

// An exported slender table names the end moments as a load file does, with the magnified
// moments after them, and imports again to the same loads and end moments.
TEST_F(SlendernessWindowTest, AnExportedSlenderTableImportsAgainWithItsEndMoments) {
    checkLoad("-200", "50");
    slender.setChecked(true);
    ASSERT_TRUE(slender.editAxis(SlenderAxis::X, AxisBox::Lu, "240"));
    loads.activate();
    ASSERT_TRUE(loads.editCell(0, column("MuxBot (ft-k)"), "40"));
    ASSERT_TRUE(loads.update());
    const LoadEndMoments ends = model.loads[1].ends;
    const std::string shownMc = loads.cellText(0, column("Mcx (ft-k)"));
    const std::string out =
        (std::filesystem::temp_directory_path() / "pmsect_slender_export.csv").string();
    platform.saveAnswers.push_back(out);
    loads.exportLoads();
    std::ifstream in(out);
    std::string header;
    std::string row;
    std::getline(in, header);
    std::getline(in, row);
    EXPECT_EQ(header, "id,Pu,Mux,Muy,e,angle,phiPn,phiMnx,phiMny,ratio,MuxTop,MuxBot,MuyTop,MuyBot,"
                      "MuxTopSway,MuxBotSway,MuyTopSway,MuyBotSway,PuSustained,Mcx,Mcy");
    // Mcx is the last field but one.
    const std::string beforeMcy = row.substr(0, row.rfind(','));
    const std::string Mcx = beforeMcy.substr(beforeMcy.rfind(',') + 1);
    EXPECT_EQ(formatNumber(std::stod(Mcx), "0.00"), shownMc) << row;

    platform.openAnswers.push_back(out);
    platform.choiceAnswers.push_back(0); // Replace
    loads.importLoads();
    ASSERT_EQ(model.loads.count(), 1);
    EXPECT_EQ(model.loads[1].ends, ends);
    EXPECT_EQ(loads.cellText(0, column("Mcx (ft-k)")), shownMc);
    std::filesystem::remove(out);
}

} // namespace
} // namespace pmsect::test
