// The Load Cases window: the project's service load cases, the options of their combination,
// and the strength combinations they give, each checked against the section as it stands. Every
// accepted edit goes into the project at once, so that Save keeps it; Done (or Escape) closes.
#pragma once

#include "model/project_model.h"
#include "ui/platform.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

enum class CaseColumn { Name, Kind, P, Mx, My };
inline constexpr std::size_t kCaseColumnCount = 5;

enum class CaseOption { SDS, SustainedLiveFraction };

struct CombinationRowView {
    std::string name;
    std::array<std::string, 4> values; // Pu, Mux, Muy, PuSustained in the display units
    std::string ratio;                 // the check, or "not found"
    bool fails = false;                // beyond the design strength, or no capacity found
};

struct LoadCasesView {
    std::string caption = "Load Cases";
    std::array<std::string, kCaseColumnCount> caseColumns;
    std::vector<std::array<std::string, kCaseColumnCount>> cases;
    int currentCase = 0;
    std::vector<std::string> kinds; // the Kind column's list
    bool halfLive = false;
    std::string sds;
    std::string liveFraction;
    std::array<std::string, 6> combinationColumns;
    std::vector<CombinationRowView> combinations;
    std::string status;
    bool visible = false;
};

class LoadCasesPresenter {
public:
    LoadCasesPresenter(ProjectModel& model, Platform& platform);

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

    void done() { view_.visible = false; }

private:
    bool editName(LoadCase& edited, std::string_view text);
    void fill();
    void fillCombinations();

    ProjectModel& model_;
    Platform& platform_;
    LoadCasesView view_;
};

} // namespace pmsect
