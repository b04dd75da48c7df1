// The bar-set editor (frmEdBarSet, "Edit Rectangular Bar Sets") without its grid widget: the bar
// sets as rows of count and bar number, their orientation, and the rectangle they are laid on.
#pragma once

#include "model/project_model.h"
#include "ui/busy_pointer.h"
#include "ui/finite_change.h"
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

inline constexpr const char* kTooFewBarSetsMessage = "There must be at least 1 bar set";
inline constexpr const char* kTooManyBarSetsMessage = "At most 20 bar sets can be used";
inline constexpr const char* kBarSetNotNumericMessage = "# Bars and Bar Size must be numeric";
inline constexpr const char* kNoBarsMessage = "# of Bars MUST exceed 0";

// The refusal of sets that would lay more bars than the bars table holds.
std::string barSetTotalRefusal(int64_t bars);

struct BarSetGridRow {
    int32_t num = 0;
    std::optional<int> count; // an empty cell reads as 0
    std::optional<int> size;  // bar number
};

enum BarSetColumn : int { kBarSetNum = 0, kBarSetCount = 1, kBarSetSize = 2 };
enum class BarSetBox { EffectiveWidth, EffectiveDepth };

struct BarSetEditorView {
    std::string caption = "Edit Rectangular Bar Sets";
    std::string addCaption = "Add Bar Set";
    std::string deleteCaption = "Delete Bar Set";
    std::string updateCaption = "Update";
    std::string doneCaption = "Done";
    std::array<GridColumn, 3> columns{};
    std::vector<BarSetGridRow> rows; // BarSetGrid
    int currentRow = 0;              // 0-based
    std::string parallelCaption = "All bar sets are Parallel to:";
    std::string optParaX = "X axis";
    std::string optParaY = "Y axis";
    bool alongY = false; // optParaY selected
    std::string widthLabel = "Effective Width";
    std::string depthLabel = "Effective Depth";
    std::string txtEWidth;
    std::string txtEDepth;
    std::string unitLabel;
    bool visible = false;
};

class BarSetEditorPresenter {
public:
    BarSetEditorPresenter(ProjectModel& model, Platform& platform, BusyPointer& pointer,
                          SummaryChain& chain);

    const BarSetEditorView& view() const { return view_; }

    void show() { view_.visible = true; }
    // Load: the rows, the orientation and both boxes from the model; the pointer released.
    void activate();

    void addBarSet();
    void deleteBarSet();
    void selectRow(int index) { selectGridRow(view_.rows, view_.currentRow, index); }
    bool editCell(int row, int column, std::string_view text);
    // Renumber, then the bar sets from the rows (with their two corrections), the bars rebuilt
    // and the summary refreshed. False when the results would overflow: the change is undone and
    // the window shows the model again.
    bool update();
    // Update, and the window closes unless the update was undone.
    void done();
    void close() { done(); }

    // "X axis" (false) or "Y axis" (true).
    void onParallel(bool alongY);
    // Enter in a box, or the box losing the focus: the rectangle's side, never less than two
    // bars of set 1 side by side inside the ties.
    void confirmBox(BarSetBox box, std::string_view text);

    std::string cellText(int row, int column) const;

private:
    void renumber();
    void showModel();
    void showBoxes();
    // The bars rebuilt from the sets and the summary run as `summary` says; the change since
    // `before` is undone when it overflows.
    bool rebuild(const ProjectBefore& before, void (SummaryChain::*summary)());

    ProjectModel& model_;
    Platform& platform_;
    BusyPointer& pointer_;
    SummaryChain& chain_;
    BarSetEditorView view_;
};

// The smallest side of the bar-set rectangle: 2*(d1 + cover + dt) + spacing, in inches.
double minimumBarSetSide(const ProjectModel& model);

} // namespace pmsect
