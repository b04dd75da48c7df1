// The load table window (frmLoads) without its grid widget: the record set of load rows in
// display units, Add/Delete/Update/Done, the write-back of the checked loads, the rows sorted by
// ratio or cut to the failing ones, and the progress of checks running in the background.
#pragma once

#include "engine/engine_inputs.h"
#include "model/project_model.h"
#include "ui/busy_pointer.h"
#include "ui/grid_cells.h"
#include "ui/load_table_columns.h"
#include "ui/platform.h"
#include "ui/summary_chain.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pmsect {

inline constexpr int kLoadFields = 10;

// Shown in the "Check" cell of a load whose capacity on its own load line was not found; its
// capacity cells stay empty.
inline constexpr const char* kCapacityNotFoundText = "not found";
// Shown in the "Check" cell of a load whose check runs in the background, and of one whose check
// was stopped.
inline constexpr const char* kCheckRunningText = "checking";
inline constexpr const char* kNotCheckedText = "not checked";
inline constexpr const char* kLoadNotNumericMessage = "Pu, Mux and Muy must be numeric";
inline constexpr const char* kLoadFileFilters =
    "Load files (*.csv) | *.csv | All files (*.*) | *.*";

// "Load 3 is empty: delete it or fill it in"
std::string emptyLoadMessage(int32_t num);

// One row of the record set. Fields 1..9 are singles in display units; an empty cell reads as 0,
// but a row whose three inputs are all empty is no load. capacityFound is false for a checked
// load without a capacity: fields 6..9 are then empty and the Check cell shows
// kCapacityNotFoundText.
struct LoadGridRow {
    int32_t num = 0;
    std::array<std::optional<float>, kLoadFields> field{}; // index 0 unused (num)
    bool capacityFound = true;
    // The check's ratio, unrounded, and whether it is above 1.
    float ratio = 0;
    bool overCapacity = false;
    // No check has run on the row yet (the background has not reached it, or was stopped).
    bool pending = false;
    // The model's own Pu, Mux and Muy (internal units) for a row read from the model, and which
    // of them the user has typed over. An untouched cell is written back as it was stored, not
    // as its rounded display value converted back.
    std::array<std::optional<float>, kMuy + 1> stored{};
    std::array<bool, kMuy + 1> edited{};
    // The load's end moments and sustained Pu in display units, those the model holds and which
    // the user has typed over, as for Pu, Mux and Muy; and what the moment magnifier gave the
    // load's check, for a project with slenderness data.
    EndCells ends{};
    LoadEndMoments storedEnds;
    std::array<bool, kEndMomentCount + 1> endsEdited{};
    std::optional<MagnifiedCells> magnified;
};

struct LoadTableView {
    std::string caption = "Load Analysis";
    std::string addCaption = "Add Load";
    std::string deleteCaption = "Delete Load";
    std::string updateCaption = "Update";
    std::string doneCaption = "Done";
    std::string importCaption = "Import...";
    std::string exportCaption = "Export...";
    std::string cancelCaption = "Cancel";
    std::string sortCaption = "Sort by Ratio";
    std::string failingCaption = "Failing Only";
    std::string stopCaption = "Stop Checks";
    // Without slenderness data the ten fields in their order, column c showing field c.
    std::vector<LoadTableColumn> columns;
    std::vector<LoadGridRow> rows; // in the loads' order
    // The rows on show, as positions in rows, in the order shown: the loads in their order or
    // by ratio, largest first, and every one or the failing ones only. The grid's row numbers,
    // currentRow and the cell functions count these.
    std::vector<std::size_t> shown;
    bool sortedByRatio = false;
    bool failingOnly = false;
    int currentRow = 0; // 0-based among the rows shown; the row Delete Load removes
    // The checks running in the background: the progress bar and Stop Checks.
    LoadCheckProgress checks;
    // Which checked load governs and how many fail, under the table; empty without loads.
    std::string verdict;
    bool visible = false;
};

class LoadTablePresenter {
public:
    LoadTablePresenter(ProjectModel& model, Platform& platform, BusyPointer& pointer,
                       SummaryChain& chain);

    const LoadTableView& view() const { return view_; }

    // The main window's button (it has disabled the summary).
    void show() { view_.visible = true; }
    // A fresh record set from the model's loads; releases the busy pointer.
    void activate();

    void addLoad();
    void deleteLoad();
    void selectRow(int index);
    // A cell typed by the user: Pu, Mux, Muy and the end moments only. Returns false when the
    // text was refused.
    bool editCell(int row, int column, std::string_view text);
    // The loads from the rows, the summary with its checks, and the rows rewritten from them.
    // False when a row is empty (the user is told which) or a result would overflow: the loads
    // are as they were before.
    bool update();
    // Busy pointer, Update, hide (unless the update was refused). Closing the window does the
    // same.
    void done();
    void close() { done(); }
    // Cancel (or Escape): the window closes and the rows typed since the last Update are
    // dropped; the loads stay as they are.
    void cancel();

    // Import: a load file (Pu, Mux, Muy in kips and kip-ft, the load file format of
    // pmsect-cli check --loads) replaces the rows and is checked at once. A file that cannot be
    // read is refused with a message and changes nothing.
    void importLoads();
    // Export: the checked loads and their results as such a file, after an Update when the rows
    // were changed since the table last matched the model.
    void exportLoads();
    // Rows copied from a spreadsheet (tab-separated, with or without a header row) are added
    // after the last row, in the units shown, as if typed. False when refused with a message.
    bool paste(std::string_view text);

    // Sort by Ratio: the largest ratio first, the loads without a capacity before every other
    // (they fail), the loads not yet checked last; off, the loads in their order.
    void setSortedByRatio(bool on);
    // Failing Only: the loads whose check fails, the others hidden.
    void setFailingOnly(bool on);
    // Stop Checks: the checks running in the background stop; the rows not checked say so.
    void stopChecks();
    // More rows have been checked in the background: they show their results (unless rows
    // changed in the table since the last Update, which would be lost), and the progress moves.
    void onChecksAdvanced();

    // What a cell of a shown row shows.
    std::string cellText(int row, int column) const;
    // A check whose ratio exceeds 1: the load is beyond the section's design strength.
    bool cellFails(int row, int column) const;

private:
    void buildColumns();
    void renumber();
    // inputs: the project's, for the magnification of a project with slenderness data.
    LoadGridRow rowFromModel(int k, const EngineInputs* inputs) const;
    bool editEndCell(LoadGridRow& row, const LoadTableColumn& column, const CellText& cell);
    void rowsFromModel();
    void noteVerdict();
    // view_.shown again from the rows, the sort and the filter; the current row stays in range.
    void arrangeRows();
    // Makes the row at position (in rows) the current one, shown even if the filter hid it.
    void showRow(std::size_t position);
    // The row at a shown index, or nothing outside the rows shown.
    const LoadGridRow* shownRow(int row) const;
    // The 0-based position of the first row with no input typed, if any.
    std::optional<std::size_t> firstEmptyRow() const;

    ProjectModel& model_;
    Platform& platform_;
    BusyPointer& pointer_;
    SummaryChain& chain_;
    LoadTableView view_;
    // The rows differ from the model's loads: typed, added, deleted or pasted since the last
    // activation, Update or Import.
    bool edited_ = false;
};

} // namespace pmsect
