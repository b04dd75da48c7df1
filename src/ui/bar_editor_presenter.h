// The bar editor (frmEdRebar, "Edit Rebar") without its grid widget: the arbitrary bars as rows
// of position in display units and bar number, Add/Delete/Update/Done.
#pragma once

#include "model/project_model.h"
#include "ui/busy_pointer.h"
#include "ui/grid_cells.h"
#include "ui/platform.h"
#include "ui/summary_chain.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

inline constexpr const char* kTooFewBarsMessage = "A minimum of 3 bars are required";
inline constexpr const char* kTooManyBarsMessage = "At most 100 bars can be placed";
inline constexpr const char* kBarNotNumericMessage = "X, Y and Bar Size must be numeric";

struct BarGridRow {
    int32_t num = 0;
    std::optional<float> x; // display units; an empty cell reads as 0
    std::optional<float> y;
    std::optional<int> size; // bar number
};

enum BarColumn : int { kBarNum = 0, kBarX = 1, kBarY = 2, kBarSizeColumn = 3 };

struct BarEditorView {
    std::string caption = "Edit Rebar";
    std::string addCaption = "Add a Bar";
    std::string deleteCaption = "Delete a Bar";
    std::string updateCaption = "Update";
    std::string doneCaption = "Done";
    std::array<GridColumn, 4> columns{};
    std::vector<BarGridRow> rows; // BarGrid
    int currentRow = 0;           // 0-based
    bool visible = false;
};

class BarEditorPresenter {
public:
    BarEditorPresenter(ProjectModel& model, Platform& platform, BusyPointer& pointer,
                       SummaryChain& chain);

    const BarEditorView& view() const { return view_; }

    void show() { view_.visible = true; }
    // Load: the rows from the model's bars (positions not rounded); the pointer released.
    void activate();

    void addBar();
    void deleteBar();
    void selectRow(int index) { selectGridRow(view_.rows, view_.currentRow, index); }
    bool editCell(int row, int column, std::string_view text);
    // The bars from the rows (an unknown size silently becomes #5), then the summary. False when
    // the results would overflow: the change is undone, the rows show the model again.
    bool update();
    // Update, and the window closes unless the update was undone.
    void done();
    void close() { done(); }

    std::string cellText(int row, int column) const;

private:
    void loadRows();
    void renumber();

    ProjectModel& model_;
    Platform& platform_;
    BusyPointer& pointer_;
    SummaryChain& chain_;
    BarEditorView view_;
};

} // namespace pmsect
