// The Design window: the ranges of bar sizes and steel ratios, the search for the lightest
// reinforcement of the project's section that carries every load (with its progress), the ranked
// table, and Apply, which replaces the project's bars with the chosen arrangement.
#pragma once

#include "building/reinforcement_design.h"
#include "model/project_model.h"
#include "ui/busy_pointer.h"
#include "ui/platform.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

enum class DesignBox { SmallestSize, LargestSize, LeastSteel, MostSteel };
inline constexpr std::size_t kDesignBoxCount = 4;

// One row of the ranked table.
struct DesignRow {
    std::string rank;        // the arrangement's place among every admissible one
    std::string arrangement; // "12 #9: 4 per x face, 4 per y face", "8 #9 on the circle"
    std::string steelArea;   // in the display unit
    std::string steelRatio;  // "2.19 %"
    std::string result;      // "0.968 (load 3)", "fails load 2"
    std::string note;        // above 4 % steel: lap splices double it
    bool pass = false;
    bool best = false;
    std::size_t candidate = 0; // index into the result's candidates
};

struct DesignView {
    std::string caption = "Design";
    std::array<std::string, kDesignBoxCount> boxes{"5", "11", "1", "4"};
    std::string layoutLine; // what is searched: bars around the perimeter or on the circle
    std::string loadsLine;
    bool designEnabled = true;
    // The progress bar: done of total candidates.
    std::size_t progress = 0;
    std::size_t progressTotal = 0;
    std::vector<DesignRow> rows;
    int selectedRow = -1;
    bool applyEnabled = false;
    std::string status;
    bool visible = false;
};

class DesignPresenter {
public:
    // applied runs after Apply has changed the project: the main window shows the new inputs and
    // the summary is recomputed there.
    DesignPresenter(ProjectModel& model, Platform& platform, BusyPointer& pointer,
                    std::function<void()> applied);

    const DesignView& view() const { return view_; }
    std::string_view boxText(DesignBox box) const {
        return view_.boxes[static_cast<std::size_t>(box)];
    }

    // Called on the working thread as the search goes on, after view().progress moved; the
    // window repaints its progress bar there.
    void setProgressListener(std::function<void()> listener) { progress_ = std::move(listener); }

    void open();
    void onBoxChanged(DesignBox box, std::string_view text);
    // Design: the ranges are read, the search runs and the table is filled.
    void runDesign();
    void selectRow(int row);
    // Apply: the selected passing arrangement goes into the project.
    void apply();
    void close();

    // The search's own result, for the tests.
    const DesignResult& result() const { return result_; }

private:
    bool readOptions(DesignOptions& options);
    void showProjectLines();
    void fillTable();

    ProjectModel& model_;
    Platform& platform_;
    BusyPointer& pointer_;
    std::function<void()> applied_;
    std::function<void()> progress_;
    DesignView view_;
    DesignResult result_;
    ProjectModel designedFrom_; // the project as the search found it
    bool haveResult_ = false;
};

} // namespace pmsect
