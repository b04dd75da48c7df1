// The Design window's events and the ranked table it shows.
#include "ui/design_presenter.h"

#include "building/steel_ratio_limits.h"
#include "engine/bar_table.h"
#include "format/number_format.h"
#include "project/design_code_choice.h"
#include "units/unit_conversion.h"

#include <cmath>
#include <cstring>

namespace pmsect {
namespace {

// Rows after the best that the table shows.
constexpr std::size_t kPassingRowsAfterBest = 10;

std::string resultText(const DesignCandidate& c) {
    if (!c.pass) {
        return "fails load " + std::to_string(c.firstFailingLoad);
    }
    if (c.governingLoad == 0) {
        return "no loads";
    }
    return formatNumber(c.maxRatio, "0.000") + " (load " + std::to_string(c.governingLoad) + ")";
}

bool sameLoads(const ProjectModel& a, const ProjectModel& b) {
    if (a.loads.count() != b.loads.count()) {
        return false;
    }
    for (int i = 1; i <= a.loads.count(); ++i) {
        for (const int c : {kPu, kMux, kMuy}) {
            if (a.loads[static_cast<std::size_t>(i)][c] !=
                b.loads[static_cast<std::size_t>(i)][c]) {
                return false;
            }
        }
        if (a.loads[static_cast<std::size_t>(i)].ends !=
            b.loads[static_cast<std::size_t>(i)].ends) {
            return false;
        }
    }
    return true;
}

// Everything a search depends on: the section, materials, edition, confinement, cover, ties,
// spacing, the member's slenderness and the loads (not the bars it replaces). A search of another
// project must not be applied to this one.
bool sameDesignInputs(const ProjectModel& a, const ProjectModel& b) {
    const auto same = [](const auto& x, const auto& y) {
        return std::memcmp(&x, &y, sizeof x) == 0;
    };
    return a.sectionType == b.sectionType && a.rectB == b.rectB && a.rectH == b.rectH &&
           a.circDiam == b.circDiam && a.numPoints == b.numPoints && same(a.points, b.points) &&
           a.fpc == b.fpc && a.fy == b.fy && a.Es == b.Es && a.beta1 == b.beta1 &&
           a.designCode == b.designCode && a.phiCompression == b.phiCompression &&
           a.pnMaxFactor == b.pnMaxFactor && a.confinement == b.confinement &&
           a.clearCover == b.clearCover && a.tieBarSize == b.tieBarSize &&
           a.clearSpacing == b.clearSpacing && a.firstBarAngle == b.firstBarAngle &&
           a.refX == b.refX && a.refY == b.refY && a.slenderness == b.slenderness &&
           sameLoads(a, b);
}

} // namespace

DesignPresenter::DesignPresenter(ProjectModel& model, Platform& platform, BusyPointer& pointer,
                                 std::function<void()> applied)
    : model_(model), platform_(platform), pointer_(pointer), applied_(std::move(applied)) {}

void DesignPresenter::open() {
    view_.visible = true;
    // A search belongs to the project as it was; the project may have changed since.
    haveResult_ = false;
    result_ = {};
    view_.rows.clear();
    view_.selectedRow = -1;
    view_.applyEnabled = false;
    view_.progress = 0;
    view_.progressTotal = 0;
    view_.status.clear();
    showProjectLines();
}

void DesignPresenter::showProjectLines() {
    view_.designEnabled = true;
    if (model_.sectionType == kRectangular) {
        view_.layoutLine = "Bars of one size around the perimeter, symmetric about both axes: two "
                           "or more along each face parallel to x and along each face parallel "
                           "to y, the corner bars shared. They replace the project's bars.";
    } else if (model_.sectionType == kRound) {
        view_.layoutLine = std::string("Bars of one size on one circle, at least ") +
                           (isSpiral(model_) ? "6 with a spiral." : "4 with ties.") +
                           " They replace the project's bars.";
    } else {
        view_.layoutLine = "Design lays bars in a rectangular or a round section; this section's "
                           "outline is given point by point.";
        view_.designEnabled = false;
    }
    const int loads = model_.loads.count();
    view_.loadsLine = loads == 0 ? "The project has no load combinations: the lightest admissible "
                                   "arrangement carries them."
                                 : "Every arrangement is checked against the project's " +
                                       std::to_string(loads) + " load combination" +
                                       (loads == 1 ? "." : "s.");
}

void DesignPresenter::onBoxChanged(DesignBox box, std::string_view text) {
    view_.boxes[static_cast<std::size_t>(box)] = std::string(text);
}

bool DesignPresenter::readOptions(DesignOptions& options) {
    const auto size = [&](DesignBox box, const char* name, int& out) {
        const auto value = parseNumber(boxText(box));
        if (!value || *value != std::round(*value) || !findBarSize(static_cast<float>(*value))) {
            platform_.showMessage(std::string(name) +
                                  " must be a bar size of the table: 3 to 11, 14 or 18");
            return false;
        }
        out = static_cast<int>(*value);
        return true;
    };
    const auto ratio = [&](DesignBox box, const char* name, double& out) {
        const auto value = parseNumber(boxText(box));
        if (!value || !(*value > 0 && *value <= kGreatestSteelRatio * 100)) {
            platform_.showMessage(std::string(name) + " must be a percentage above 0 and up to " +
                                  formatNumber(kGreatestSteelRatio * 100, "0"));
            return false;
        }
        out = *value / 100;
        return true;
    };
    if (!size(DesignBox::SmallestSize, "Smallest bar size", options.minBarSize) ||
        !size(DesignBox::LargestSize, "Largest bar size", options.maxBarSize) ||
        !ratio(DesignBox::LeastSteel, "Least steel ratio", options.minSteelRatio) ||
        !ratio(DesignBox::MostSteel, "Largest steel ratio", options.maxSteelRatio)) {
        return false;
    }
    if (options.minBarSize > options.maxBarSize || options.minSteelRatio > options.maxSteelRatio) {
        platform_.showMessage("The smallest value of a range must not exceed its largest");
        return false;
    }
    return true;
}

void DesignPresenter::runDesign() {
    showProjectLines();
    DesignOptions options;
    if (!view_.designEnabled || !readOptions(options)) {
        return;
    }
    {
        BusyScope busy(pointer_);
        designedFrom_ = model_;
        result_ = designReinforcement(model_, projectLoads(model_), options,
                                      [this](std::size_t done, std::size_t total) {
                                          view_.progress = done;
                                          view_.progressTotal = total;
                                          if (progress_) {
                                              progress_();
                                          }
                                      });
    }
    haveResult_ = true;
    fillTable();
}

void DesignPresenter::fillTable() {
    view_.rows.clear();
    view_.selectedRow = -1;
    const auto& candidates = result_.candidates;
    // The lighter arrangements that failed, the best, and the next passing ones after it.
    const std::size_t lastFailing = result_.best ? *result_.best : candidates.size();
    std::size_t passingShown = 0;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        const DesignCandidate& c = candidates[i];
        const bool isBest = result_.best == i;
        if (i > lastFailing && (!c.pass || passingShown == kPassingRowsAfterBest)) {
            continue;
        }
        if (i > lastFailing) {
            ++passingShown;
        }
        const Arrangement& a = c.arrangement;
        DesignRow row;
        row.rank = std::to_string(i + 1);
        row.arrangement = arrangementText(a);
        row.steelArea = formatNumber(shownArea(model_.units, a.steelArea), "#,##0.00") + " " +
                        model_.units.areaLabel;
        row.steelRatio = formatNumber(a.steelRatio * 100, "0.00") + " %";
        row.result = resultText(c);
        if (lapSplicesDoubleTheSteel(a)) {
            row.note = kLapSpliceNote;
        }
        row.pass = c.pass;
        row.best = isBest;
        row.candidate = i;
        if (isBest) {
            view_.selectedRow = static_cast<int>(view_.rows.size());
        }
        view_.rows.push_back(std::move(row));
    }
    view_.applyEnabled = result_.best.has_value();
    if (candidates.empty()) {
        view_.status = "No arrangement is admissible within these sizes and steel ratios: the "
                       "section must grow or the ranges widen.";
    } else if (!result_.best) {
        const DesignCandidate& heaviest = candidates.back();
        view_.status = "None of the " + std::to_string(candidates.size()) +
                       " admissible arrangements carries every load; load " +
                       std::to_string(heaviest.firstFailingLoad) + " fails even the heaviest (" +
                       arrangementText(heaviest.arrangement) +
                       "): the section must grow or the steel band widen.";
    } else {
        view_.status =
            "Lightest of " + std::to_string(candidates.size()) +
            " admissible arrangements: " + arrangementText(candidates[*result_.best].arrangement) +
            ".";
    }
}

void DesignPresenter::selectRow(int row) {
    if (row < 0 || row >= static_cast<int>(view_.rows.size())) {
        return;
    }
    view_.selectedRow = row;
    view_.applyEnabled = view_.rows[static_cast<std::size_t>(row)].pass;
}

void DesignPresenter::apply() {
    if (!haveResult_ || view_.selectedRow < 0 ||
        !view_.rows[static_cast<std::size_t>(view_.selectedRow)].pass) {
        return;
    }
    if (!sameDesignInputs(model_, designedFrom_)) {
        platform_.showMessage("The project has changed since the search: press Design again");
        return;
    }
    const DesignRow& row = view_.rows[static_cast<std::size_t>(view_.selectedRow)];
    applyArrangement(model_, result_.candidates[row.candidate].arrangement);
    view_.status = "Applied: " + row.arrangement + ".";
    if (applied_) {
        applied_();
    }
}

void DesignPresenter::close() {
    view_.visible = false;
}

} // namespace pmsect
