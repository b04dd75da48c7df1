// Design mode: the reinforcement arrangements a section can be built with (bars around the
// perimeter of a rectangle, symmetric about both axes, or bars on one circle), which of them are
// admissible, and the search for the lightest one that carries every load.
#pragma once

#include "building/steel_ratio_limits.h"
#include "engine/load_batch.h"
#include "model/project_model.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pmsect {

// The ranges a design searches. The bar numbers are those of the bar table between the two.
struct DesignOptions {
    int minBarSize = 5;
    int maxBarSize = 11;
    double minSteelRatio = kLeastSteelRatio; // of the gross area
    double maxSteelRatio = kSpliceFreeSteelRatio;
    unsigned threads = 0; // 0: every core; more than the machine has are capped to it
};

// One arrangement, every bar of one size: in a rectangular section barsPerXFace bars along each
// face parallel to x and barsPerYFace along each face parallel to y, the corner bars counted in
// both; in a round section barCount bars on one circle. clearSpacing is the least clear distance
// it was admitted with.
struct Arrangement {
    int barSize = 0;
    int barsPerXFace = 0;
    int barsPerYFace = 0;
    int barCount = 0;
    float clearSpacing = 0; // in
    float steelArea = 0;    // in^2, as the section summary sums it
    double steelRatio = 0;  // of the gross area
    std::vector<Bar> bars;  // as Apply writes them
    bool circular() const { return barCount > 0; }
    int totalBars() const { return circular() ? barCount : 2 * (barsPerXFace + barsPerYFace - 2); }
};

// What the table says of an arrangement above 4 % steel.
inline constexpr const char* kLapSpliceNote = "lap splices double the steel at a splice";
inline bool lapSplicesDoubleTheSteel(const Arrangement& a) {
    return a.steelRatio > kSpliceFreeSteelRatio;
}

struct DesignCandidate {
    Arrangement arrangement;
    bool pass = false;
    // A passing one: its largest ratio and the load (1-based) that gives it.
    float maxRatio = 0;
    int governingLoad = 0;
    // A failing one: the first load (1-based) whose ratio exceeds 1 or whose capacity was not
    // found; the loads after it were not checked.
    int firstFailingLoad = 0;
};

struct DesignResult {
    // Every admissible arrangement, lightest first: steel area, then number of bars, then bar
    // size, then bars per x face, so that the order never depends on the order of work.
    std::vector<DesignCandidate> candidates;
    // The first passing candidate, when there is one.
    std::optional<std::size_t> best;
};

// The clear spacing a candidate of bar number `barSize` is laid with: max(1.5 db, 1.5 in), or
// the project's own when that is larger.
float designClearSpacing(const ProjectModel& project, int barSize);

// Why the project's section cannot be designed (it is neither rectangular nor round), or nothing.
std::optional<std::string> designRefusal(const ProjectModel& project);

// The admissible arrangements of the project's section, whatever its bars are now, in rank
// order: inside the ties, every clear distance between bars at least the design spacing and the
// steel ratio within the options' limits. Empty for a section that cannot be designed.
std::vector<Arrangement> admissibleArrangements(const ProjectModel& project,
                                                const DesignOptions& options);

// Checks every admissible arrangement against the loads (each stops at its first failing load)
// over the options' threads. progress(done, total) is called on the calling thread only.
DesignResult
designReinforcement(const ProjectModel& project, std::span<const LoadInput> loads,
                    const DesignOptions& options,
                    const std::function<void(std::size_t, std::size_t)>& progress = {});

// Replaces the project's bars with the arrangement: the circle's count and bar size; a perimeter
// as bar sets (a full set on each face parallel to x, sets of two between them) where the bar-set
// layout lays exactly these bars, otherwise as placed bars. The caller recomputes the summary.
void applyArrangement(ProjectModel& model, const Arrangement& arrangement);

// "12 #9: 4 per x face, 4 per y face" or "8 #9 on the circle".
std::string arrangementText(const Arrangement& arrangement);

// The project's loads 1..count.
std::vector<LoadInput> projectLoads(const ProjectModel& project);

} // namespace pmsect
