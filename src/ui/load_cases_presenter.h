// The Load Cases window: the project's service load cases, the options of their combination, the
// factor table the combinations are generated from, the combinations the user adds, and the
// strength combinations they all give, each checked against the section as it stands. Every
// accepted edit goes into the project at once, so that Save keeps it; Done (or Escape) closes.
#pragma once

#include "model/project_model.h"
#include "ui/platform.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// The columns of a case; Sway and the end moments (in EndMoment's order) are shown when the
// project holds the member's slenderness data, for the moment magnifier.
enum class CaseColumn { Name, Kind, P, Mx, My, Sway, FirstEndMoment };
inline constexpr std::size_t kCaseColumnCount = 5;
inline constexpr std::size_t kSlenderCaseColumnCount = 6 + kEndMomentCount;

enum class CaseOption { SDS, SustainedLiveFraction };

// The option of ASCE 7-22 2.3.1's exception, by which L takes 0.5 in the rows with W or E.
inline constexpr std::string_view kHalfLiveCaption = "Factor 0.5 on L (Lo of 100 psf or less)";

// The kinds the standard's factor table holds, its columns in this order ("other" enters only
// the user's combinations).
inline constexpr std::array<LoadKind, 7> kFactorKinds = {
    LoadKind::D, LoadKind::L, LoadKind::Lr, LoadKind::S, LoadKind::R, LoadKind::W, LoadKind::E};

// One row of the factor table: its formula as the factors stand, and the factor on each kind
// ("" where the row has no term of the kind).
struct FactorRowView {
    std::string formula;
    std::array<std::string, kFactorKinds.size()> factors;
};

// A combination the user adds: its name and its factor on each case ("" where it takes none).
struct UserCombinationView {
    std::string name;
    std::vector<std::string> factors;
};

struct CombinationRowView {
    std::string name;
    std::array<std::string, 4> values; // Pu, Mux, Muy, PuSustained in the display units
    // With the member's slenderness data, the magnified Mcx and Mcy the check is computed on, as
    // the load table shows them ("" about an axis without a stable magnifier).
    std::optional<std::array<std::string, 2>> Mc;
    std::string ratio;  // the check, or "not found"
    bool fails = false; // beyond the design strength, or no capacity found
};

// The row's cells in the order of the combination columns: the name, Pu, Mux, Muy, then Mcx and
// Mcy where the row has them, PuSustained and the check.
std::vector<std::string> combinationCells(const CombinationRowView& row);

struct LoadCasesView {
    std::string caption = "Load Cases";
    std::vector<std::string> caseColumns; // kCaseColumnCount, or kSlenderCaseColumnCount
    std::vector<std::vector<std::string>> cases;
    int currentCase = 0;
    std::vector<std::string> kinds; // the Kind column's list
    bool halfLive = false;
    std::string sds;
    std::string liveFraction;
    std::vector<FactorRowView> factorRows;
    bool standardFactors = true;          // the table is the standard's
    std::vector<std::string> userColumns; // "Combination", then the case names
    std::vector<UserCombinationView> users;
    int currentUser = 0;
    std::vector<std::string> combinationColumns; // as combinationCells orders a row
    std::vector<CombinationRowView> combinations;
    std::string status;
    bool visible = false;
};

class LoadCasesPresenter {
public:
    // changed is told after every accepted edit, for the windows that show the project's verdict.
    LoadCasesPresenter(ProjectModel& model, Platform& platform, std::function<void()> changed = {});

    const LoadCasesView& view() const { return view_; }

    // The window shown from the main window: the view drawn from the project.
    void open();
    // The project or its section changed elsewhere: the view drawn again, the checks rerun.
    void refresh();

    void addCase();
    // Refused with a message while a user combination names the case.
    void deleteCase();
    void selectCase(int row);
    // A typed cell; false when refused with a message naming the cell, which keeps its value.
    bool editCase(int row, CaseColumn column, std::string_view text);

    void setHalfLive(bool on);
    bool editOption(CaseOption option, std::string_view text);

    // A factor of the table, refused with a message naming the row, the kind and the range.
    bool editFactor(int row, LoadKind kind, std::string_view text);
    // Back to the factors of ASCE 7-22.
    void restoreStandardFactors();

    // A combination taking every case with the factor 1.0, under a name no combination has.
    void addUserCombination();
    void deleteUserCombination();
    void selectUserCombination(int row);
    bool editUserName(int row, std::string_view text);
    // The factor on case caseIndex; an empty text takes the case out of the combination.
    bool editUserFactor(int row, int caseIndex, std::string_view text);

    void done() { view_.visible = false; }

private:
    bool editName(LoadCase& edited, std::string_view text);
    // The edited set checked by the readers' rules and taken into the project; false, with the
    // message, when refused.
    bool acceptUsers(std::vector<UserCombination> users);
    void fillFactors();
    void fillUsers();
    // The edit the project took, kept when the set still passes the readers' checks, undone with
    // a message naming the fault when not; true when kept.
    bool changed();
    void fill();
    void fillCombinations();

    ProjectModel& model_;
    Platform& platform_;
    std::function<void()> changed_;
    LoadCasesView view_;
    LoadCaseSet accepted_; // the set as last shown, which every edit passed
};

} // namespace pmsect
