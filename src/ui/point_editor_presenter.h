// The point editor (frmEdPnts, "Edit Geometry") without its grid widget: the outline points of
// an arbitrary section as rows in display units, Add/Delete/Update/Done, and the rebuild that
// follows a change of the outline.
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

inline constexpr const char* kTooFewPointsMessage = "There must be at least three points";
inline constexpr const char* kTooManyPointsMessage = "The outline holds at most 100 points";
inline constexpr const char* kPointNotNumericMessage = "X and Y must be numeric";

struct PointGridRow {
    int32_t num = 0;
    std::optional<float> x; // display units; an empty cell reads as 0
    std::optional<float> y;
};

enum PointColumn : int { kPointNum = 0, kPointX = 1, kPointY = 2 };

struct PointEditorView {
    std::string caption = "Edit Geometry";
    std::string addCaption = "Add Point";
    std::string deleteCaption = "Delete Point";
    std::string updateCaption = "Update";
    std::string doneCaption = "Done";
    std::array<GridColumn, 3> columns{};
    std::vector<PointGridRow> rows; // PointGrid
    int currentRow = 0;             // 0-based
    bool visible = false;
};

class PointEditorPresenter {
public:
    PointEditorPresenter(ProjectModel& model, Platform& platform, BusyPointer& pointer,
                         SummaryChain& chain);

    const PointEditorView& view() const { return view_; }

    void show() { view_.visible = true; }
    // Load: the rows from the model, coordinates cut to two decimals; the pointer released.
    void activate();

    void addPoint();
    void deletePoint();
    void selectRow(int index) { selectGridRow(view_.rows, view_.currentRow, index); }
    // X or Y typed; false when the text was refused (the cell keeps its value).
    bool editCell(int row, int column, std::string_view text);
    // Read rows, Apply, then the last row is current. False when the outline's results would
    // overflow: the change is undone, the rows show the model again.
    bool update();
    // Update, and the window closes unless the update was undone.
    void done();
    void close() { done(); }

    std::string cellText(int row, int column) const;

private:
    void loadRows();
    void readRows();
    // Read rows and rebuild the outline (and the bars with Auto Recompute) and the summary;
    // false, with the model as it was, when the results overflow.
    bool applyRows();

    ProjectModel& model_;
    Platform& platform_;
    BusyPointer& pointer_;
    SummaryChain& chain_;
    PointEditorView view_;
};

} // namespace pmsect
