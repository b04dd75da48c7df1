// The Load Cases window: typed cases give their combinations and checks, bad cells are refused
// by name, the options change the factors, and every edit is unsaved work of the project.
#include "io/project_file.h"
#include "io/project_formats.h"
#include "main_window_fixture.h"
#include "ui/grid_cells.h"
#include "ui/load_table_presenter.h"

#include <filesystem>
#include <unistd.h>

namespace pmsect::test {
namespace {

class LoadCasesWindowTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        EXPECT_EQ(main.onButton(MainButton::LoadCases).window, WindowId::LoadCases);
        cases.open();
    }
    void addCase(const char* kind, const char* p, const char* mx) {
        cases.addCase();
        const int row = static_cast<int>(cases.view().cases.size()) - 1;
        ASSERT_TRUE(cases.editCase(row, CaseColumn::Kind, kind));
        ASSERT_TRUE(cases.editCase(row, CaseColumn::P, p));
        ASSERT_TRUE(cases.editCase(row, CaseColumn::Mx, mx));
    }
    const CombinationRowView* combination(const std::string& name) {
        for (const CombinationRowView& row : cases.view().combinations) {
            if (row.name == name) {
                return &row;
            }
        }
        ADD_FAILURE() << "no combination " << name;
        return nullptr;
    }
    // Both forms of the project give back the load cases as the window left them.
    void expectRoundTrips() {
        // The process's own names: ctest runs the tests of this fixture side by side.
        for (const char* form : {".json", ".rcs"}) {
            const std::string name = "pmsect_cases_window_" + std::to_string(::getpid()) + form;
            const std::string path = (std::filesystem::temp_directory_path() / name).string();
            ASSERT_TRUE(writeAnyProject(path, model)) << name;
            ProjectModel reread;
            ASSERT_TRUE(loadAnyProject(path, reread)) << name;
            EXPECT_EQ(reread.loadCases, model.loadCases) << name;
            std::filesystem::remove(path);
        }
    }
    LoadCasesPresenter& cases = app.loadCases();
};

// ASCE 7-22 2.3.1 by hand, D = -100 k and 40 ft-k, L = -50 k and 30 ft-k: 1.4D gives -140 k and
// 56 ft-k; 1.2D + 1.6L gives -120 - 80 = -200 k and 48 + 48 = 96 ft-k. The sustained share of 0.5
// of the factored L: -120 - 40 = -160 k.
TEST_F(LoadCasesWindowTest, TypedCasesGiveTheirCheckedCombinationsAndOptionsChangeFactors) {
    EXPECT_TRUE(cases.view().combinations.empty());
    EXPECT_FALSE(main.hasUnsavedChanges());
    addCase("D", "-100", "40");
    EXPECT_TRUE(main.hasUnsavedChanges());
    addCase("L", "-50", "30");
    ASSERT_TRUE(cases.editOption(CaseOption::SustainedLiveFraction, "0.5"));
    EXPECT_EQ(cases.view().caseColumns[2], "P (" + model.units.forceLabel + ")");

    const struct {
        const char* name;
        std::array<const char*, 4> values;
    } expected[] = {{"1.4D", {"-140.00", "56.00", "0.00", "-140.00"}},
                    {"1.2D + 1.6L", {"-200.00", "96.00", "0.00", "-160.00"}}};
    for (const auto& e : expected) {
        const CombinationRowView* row = combination(e.name);
        ASSERT_NE(row, nullptr);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_EQ(row->values[k], e.values[k]) << e.name << " column " << k;
        }
        // The same load typed into the load table is checked to the same ratio.
        LoadTablePresenter& table = app.loads();
        table.activate();
        while (!table.view().rows.empty()) {
            table.deleteLoad();
        }
        table.addLoad();
        ASSERT_TRUE(table.editCell(0, kPu, e.values[0]));
        ASSERT_TRUE(table.editCell(0, kMux, e.values[1]));
        ASSERT_TRUE(table.update());
        EXPECT_EQ(row->ratio, table.cellText(0, kRatio)) << e.name;
        EXPECT_EQ(row->fails, table.cellFails(0, kRatio)) << e.name;
    }

    // The seismic row 1.2D + Eh + L + 0.2S with E = 100 ft-k: Mx = 48 + 100 + 30 = 178; the
    // factor 0.5 on L gives 48 + 100 + 15 = 163 and -120 - 25 = -145 k; SDS = 0.5 adds
    // Ev = 0.2 SDS D, 1.3D: 52 + 100 + 15 = 167.
    addCase("E", "0", "100");
    EXPECT_EQ(combination("1.2D + 1.0E + 1.0L")->values[1], "178.00");
    cases.setHalfLive(true);
    EXPECT_EQ(combination("1.2D + 1.0E + 0.5L")->values[0], "-145.00");
    EXPECT_EQ(combination("1.2D + 1.0E + 0.5L")->values[1], "163.00");
    ASSERT_TRUE(cases.editOption(CaseOption::SDS, "0.5"));
    EXPECT_EQ(combination("1.3D + 1.0E + 0.5L")->values[1], "167.00");

    // The cases are the project's: its file holds them, and a failing load is marked.
    ASSERT_TRUE(cases.editCase(0, CaseColumn::P, "-1500"));
    EXPECT_TRUE(combination("1.4D")->fails);
    EXPECT_NE(projectFileText(model)->find("Case 3"), std::string::npos);
    cases.deleteCase();
    EXPECT_EQ(model.loadCases.cases.size(), 2u);
}

// 1 kip = 4.4482 kN: -444.82 kN is -100.00 kips, and its 1.4D -622.75 kN.
TEST_F(LoadCasesWindowTest, CasesAreTypedAndShownInTheUnitsInForce) {
    app.units().select(UnitGroup::Force, 4); // kN
    app.units().applyUnits();
    EXPECT_EQ(cases.view().caseColumns[2], "P (kN)");
    EXPECT_EQ(cases.view().combinationColumns[4], "Pu sustained (kN)");
    addCase("D", "-444.82", "0");
    EXPECT_NEAR(model.loadCases.cases[0].P, -100.0f, 1e-3f);
    EXPECT_EQ(cases.view().combinations.at(0).values[0], "-622.75");
}

TEST_F(LoadCasesWindowTest, RefusedCellsAreNamedAndKeepTheirValue) {
    addCase("D", "-100", "40");
    addCase("L", "-50", "30");
    const std::size_t shown = cases.view().combinations.size();
    const struct {
        CaseColumn column;
        const char* text;
        const char* message;
    } refusals[] = {
        {CaseColumn::P, "abc", "P of case Case 2 must be a number"},
        {CaseColumn::Mx, "1e9", "Mx of case Case 2 must lie between"},
        {CaseColumn::Kind, "Q",
         "The kind of case Case 2 must be one of D, L, Lr, S, R, W, E, other"},
        {CaseColumn::Name, "Case 1", "Case name Case 1 is already taken"},
        {CaseColumn::Name, "", "The name of case Case 2 is empty"},
    };
    for (const auto& r : refusals) {
        platform.messages.clear();
        EXPECT_FALSE(cases.editCase(1, r.column, r.text)) << r.text;
        ASSERT_EQ(platform.messages.size(), 1u) << r.text;
        EXPECT_EQ(platform.messages[0].rfind(r.message, 0), 0u) << platform.messages[0];
        EXPECT_EQ(cases.view().cases[1],
                  (std::vector<std::string>{"Case 2", "L", "-50.00", "30.00", "0.00"}));
    }
    EXPECT_EQ(cases.view().combinations.size(), shown);
    platform.messages.clear();
    EXPECT_FALSE(cases.editOption(CaseOption::SDS, "-1"));
    EXPECT_EQ(platform.messages.at(0).rfind("SDS must", 0), 0u) << platform.messages[0];
    EXPECT_EQ(cases.view().sds, "0");

    // A case a user combination takes follows its new name and cannot be deleted.
    model.loadCases.options.userCombinations = {{"Test", {{"Case 2", 1.0}}}};
    ASSERT_TRUE(cases.editCase(1, CaseColumn::Name, "Live"));
    EXPECT_EQ(model.loadCases.options.userCombinations[0].factors[0].first, "Live");
    cases.selectCase(1);
    cases.deleteCase();
    EXPECT_EQ(model.loadCases.cases.size(), 2u);
    EXPECT_EQ(platform.messages.back(),
              "Case Live cannot be deleted: the combination Test takes it");

    cases.done();
    EXPECT_FALSE(cases.view().visible);
}

// The factor table as ASCE 7-22 2.3.1 writes it, edited cell by cell: 1.4D taken as 1.5D gives
// 1.5 x -100 = -150 k; refused cells name their row, kind and range; Restore brings back 1.4.
TEST_F(LoadCasesWindowTest, FactorTableEditsRefusalsAndRestore) {
    addCase("D", "-100", "40");
    ASSERT_FALSE(cases.view().factorRows.empty());
    EXPECT_EQ(cases.view().factorRows[0].formula, "1.4D");
    EXPECT_EQ(cases.view().factorRows[1].formula, "1.2D + 1.6L + 0.5Lr");
    EXPECT_EQ(cases.view().factorRows.back().formula, "0.9D - Ev + 1.0E");
    EXPECT_EQ(cases.view().factorRows[0].factors[1], ""); // 1.4D has no L term
    EXPECT_TRUE(cases.view().standardFactors);

    const struct {
        int row;
        LoadKind kind;
        const char* text;
        const char* message; // empty: accepted
    } edits[] = {
        {0, LoadKind::D, "abc", "The factor on D of 1.4D must be a number"},
        {0, LoadKind::D, "", "The factor on D of 1.4D must be a number"},
        {0, LoadKind::D, "12", "The factor on D of 1.4D must lie between -10 and 10"},
        {0, LoadKind::L, "1.6", "1.4D has no L term"},
        {0, LoadKind::D, "1.5", ""},
    };
    for (const auto& e : edits) {
        platform.messages.clear();
        EXPECT_EQ(cases.editFactor(e.row, e.kind, e.text), *e.message == '\0') << e.text;
        if (*e.message != '\0') {
            ASSERT_EQ(platform.messages.size(), 1u) << e.text;
            EXPECT_EQ(platform.messages[0], e.message);
        }
    }
    EXPECT_EQ(cases.view().factorRows[0].formula, "1.5D");
    EXPECT_FALSE(cases.view().standardFactors);
    EXPECT_EQ(combination("1.5D")->values[0], "-150.00");
    // The edited table is the project's, and its files keep it.
    ASSERT_EQ(model.loadCases.options.factorTable.size(), cases.view().factorRows.size());
    expectRoundTrips();

    cases.restoreStandardFactors();
    EXPECT_TRUE(model.loadCases.options.factorTable.empty());
    EXPECT_EQ(combination("1.4D")->values[0], "-140.00");
    // Typing the standard's factor back is the standard's table again.
    ASSERT_TRUE(cases.editFactor(0, LoadKind::D, "1.5"));
    ASSERT_TRUE(cases.editFactor(0, LoadKind::D, "1.4"));
    EXPECT_TRUE(model.loadCases.options.factorTable.empty());

    // Under the exception on L the table shows the 0.5 the combinations take, where they take it,
    // and refuses another factor there.
    cases.setHalfLive(true);
    const std::vector<FactorRowView>& rows = cases.view().factorRows;
    const auto halved = std::find_if(rows.begin(), rows.end(), [](const FactorRowView& r) {
        return r.formula == "1.2D + 1.6Lr + 0.5L";
    });
    ASSERT_NE(halved, rows.end());
    EXPECT_EQ(halved->factors[1], "0.5");
    EXPECT_EQ(rows[1].factors[1], "1.6"); // 1.2D + 1.6L + 0.5Lr keeps its factor
    platform.messages.clear();
    EXPECT_FALSE(cases.editFactor(static_cast<int>(halved - rows.begin()), LoadKind::L, "1.0"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "The factor on L of 1.2D + 1.6Lr + 0.5L is 0.5 while the "
                                    "option Factor 0.5 on L (Lo of 100 psf or less) is on");
}

// A combination of the user's takes a factor on any case, "other" too: 1.2 x -100 + 1.6 x -10 =
// -136 k. Names that clash are refused by name; a case left out by an empty cell drops out.
TEST_F(LoadCasesWindowTest, UserCombinationsAreAddedEditedAndDeleted) {
    cases.addUserCombination();
    EXPECT_EQ(platform.messages.back(), "Add the load cases a combination takes first");
    addCase("D", "-100", "40");
    addCase("other", "-10", "0");
    cases.addUserCombination();
    ASSERT_EQ(cases.view().users.size(), 1u);
    EXPECT_EQ(cases.view().users[0].name, "User 1");
    EXPECT_EQ(cases.view().userColumns,
              (std::vector<std::string>{"Combination", "Case 1", "Case 2"}));
    EXPECT_EQ(cases.view().users[0].factors, (std::vector<std::string>{"1.0", "1.0"}));

    const struct {
        bool name; // the name cell, else the factor on case `column`
        int column;
        const char* text;
        const char* message; // empty: accepted
    } edits[] = {
        {true, 0, "1.4D", "Combination name 1.4D is that of a generated combination"},
        {true, 0, "", "The name of combination User 1 is empty"},
        {false, 0, "x", "The factor on Case 1 of combination User 1 must be a number, or empty"},
        {false, 1, "-11", "The factor on Case 2 of combination User 1 must lie between -10 and"},
        {false, 0, "1.2", ""},
        {false, 1, "1.6", ""},
        {true, 0, "Crane lift", ""},
    };
    for (const auto& e : edits) {
        platform.messages.clear();
        const bool accepted =
            e.name ? cases.editUserName(0, e.text) : cases.editUserFactor(0, e.column, e.text);
        EXPECT_EQ(accepted, *e.message == '\0') << e.text;
        if (*e.message != '\0') {
            ASSERT_EQ(platform.messages.size(), 1u) << e.text;
            EXPECT_EQ(platform.messages[0].rfind(e.message, 0), 0u) << platform.messages[0];
        }
    }
    EXPECT_EQ(combination("Crane lift")->values[0], "-136.00");

    cases.addUserCombination();
    ASSERT_EQ(cases.view().users.size(), 2u);
    EXPECT_FALSE(cases.editUserName(1, "Crane lift"));
    EXPECT_EQ(platform.messages.back(), "Combination name Crane lift is already taken");
    // Emptying a case's cell leaves it out; the last one cannot go.
    ASSERT_TRUE(cases.editUserFactor(1, 1, ""));
    EXPECT_EQ(model.loadCases.options.userCombinations[1].factors,
              (std::vector<std::pair<std::string, double>>{{"Case 1", 1.0}}));
    EXPECT_FALSE(cases.editUserFactor(1, 0, ""));
    EXPECT_EQ(platform.messages.back(), "The combination User 2 has no factors");
    expectRoundTrips();

    cases.selectUserCombination(0);
    cases.deleteUserCombination();
    ASSERT_EQ(model.loadCases.options.userCombinations.size(), 1u);
    EXPECT_EQ(model.loadCases.options.userCombinations[0].name, "User 2");
    EXPECT_TRUE(main.hasUnsavedChanges());

    // An edit elsewhere that would make a generated combination take a user's name is undone,
    // for the files would refuse the project: 1.4D taken as 1.5D beside a user's "1.5D".
    ASSERT_TRUE(cases.editUserName(0, "1.5D"));
    platform.messages.clear();
    EXPECT_FALSE(cases.editFactor(0, LoadKind::D, "1.5"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "The change is undone: the combination 1.5D takes the name of "
                                    "a generated combination");
    EXPECT_EQ(cases.view().factorRows[0].formula, "1.4D");
    EXPECT_TRUE(model.loadCases.options.factorTable.empty());
    expectRoundTrips();
}

// With the member's slenderness data the grid shows each case's sway and end moments: typed,
// refused by name, and emptied back to none (Mx or My at both ends).
TEST_F(LoadCasesWindowTest, EndMomentsAndSwayAreShownWithSlendernessData) {
    addCase("D", "-100", "40");
    EXPECT_EQ(cases.view().caseColumns.size(), kCaseColumnCount);
    model.slenderness = SlendernessData{};
    cases.refresh();
    ASSERT_EQ(cases.view().caseColumns.size(), kSlenderCaseColumnCount);
    EXPECT_EQ(cases.view().caseColumns[6], "MxTop (" + model.units.momentLabel + ")");
    const auto mxBot = static_cast<CaseColumn>(static_cast<int>(CaseColumn::FirstEndMoment) + 1);
    const struct {
        CaseColumn column;
        const char* text;
        const char* message; // empty: accepted
        const char* shown;
    } edits[] = {
        {CaseColumn::Sway, "maybe", "Sway of case Case 1 must be yes or no", "no"},
        {CaseColumn::Sway, "yes", "", "yes"},
        {mxBot, "abc", "MxBot of case Case 1 must be a number, or empty for none", ""},
        {mxBot, "1e9", "MxBot of case Case 1 must lie between", ""},
        {mxBot, "-30", "", "-30.00"},
    };
    for (const auto& e : edits) {
        platform.messages.clear();
        EXPECT_EQ(cases.editCase(0, e.column, e.text), *e.message == '\0') << e.text;
        if (*e.message != '\0') {
            ASSERT_EQ(platform.messages.size(), 1u) << e.text;
            EXPECT_EQ(platform.messages[0].rfind(e.message, 0), 0u) << platform.messages[0];
        }
        EXPECT_EQ(cases.view().cases[0][static_cast<std::size_t>(e.column)], e.shown) << e.text;
    }
    EXPECT_TRUE(model.loadCases.cases[0].sway);
    EXPECT_EQ(model.loadCases.cases[0].ends[kMxBot], -30.0f);
    ASSERT_TRUE(cases.editCase(0, mxBot, ""));
    EXPECT_FALSE(model.loadCases.cases[0].ends[kMxBot].has_value());
}

// A combination is shown at the moments its check is computed on. The new project's 12 x 18 in
// column about x, lu = 240 in, braced, EI (a) (ACI 318-05 10.12.3). 1.4D of D = -100 k, 25 ft-k is
// Pu = -140 k, Mux = 35 ft-k, all of it sustained: beta_dns = 1, EI = 0.4 Ec Ig / 2 = 3,681,070
// kip-in^2, Pc = pi^2 EI / 240^2 = 630.75 k; delta_ns = 1 / (1 - 140 / (0.75 x 630.75)) = 1.4203;
// M2,min = 140 (0.6 + 0.03 x 18) / 12 = 13.3 ft-k < 35: Mcx = 1.4203 x 35 = 49.71 ft-k.
TEST_F(LoadCasesWindowTest, WithSlendernessDataACombinationShowsTheMomentsItsRatioIsOf) {
    addCase("D", "-100", "25");
    EXPECT_EQ(combinationCells(*combination("1.4D")).size(),
              cases.view().combinationColumns.size());
    model.slenderness = SlendernessData{};
    model.slenderness->x.lu = 240;
    cases.refresh();
    const std::vector<std::string>& columns = cases.view().combinationColumns;
    ASSERT_EQ(columns.size(), 8u);
    EXPECT_EQ(columns[4], "Mcx (" + model.units.momentLabel + ")");
    const CombinationRowView* row = combination("1.4D");
    ASSERT_NE(row, nullptr);
    const std::vector<std::string> cells = combinationCells(*row);
    ASSERT_EQ(cells.size(), columns.size());
    EXPECT_EQ(cells[2], "35.00");
    EXPECT_EQ(cells[4], "49.71");
    EXPECT_EQ(cells[5], "0.00"); // about y: lu = 0, not slender
    EXPECT_EQ(cells[7], realCellText(twoDecimalCell(ratioOfTheSectionAlone(-140, 49.71f))));
}

} // namespace
} // namespace pmsect::test
