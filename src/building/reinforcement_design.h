// Design mode: the reinforcement arrangements a section can take (bar sets or bars on a circle,
// laid exactly as the project's own layouts lay them), which of them are admissible, and the
// search for the lightest one that carries every load.
#pragma once

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
    double minSteelRatio = 0.01; // of the gross area
    double maxSteelRatio = 0.08;
    unsigned threads = 0; // 0: every core
};

// One arrangement: a bar size with either barSets sets of barsPerSet bars (the bar-set layout)
// or barCount bars on the circle, and the clear spacing it is laid with.
struct Arrangement {
    int barSize = 0;
    int barSets = 0;
    int barsPerSet = 0;
    int barCount = 0;
    float clearSpacing = 0; // in
    float steelArea = 0;    // in^2, as the section summary sums it
    double steelRatio = 0;  // of the gross area
    std::vector<Bar> bars;  // as laid
    int totalBars() const { return static_cast<int>(bars.size()); }
    bool circular() const { return barCount > 0; }
};

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
    // size, then number of sets, so that the order never depends on the order of work.
    std::vector<DesignCandidate> candidates;
    // The first passing candidate, when there is one.
    std::optional<std::size_t> best;
};

// The clear spacing a candidate of bar number `barSize` is laid with: max(1.5 db, 1.5 in), or
// the project's own when that is larger.
float designClearSpacing(const ProjectModel& project, int barSize);

// The admissible arrangements of the project's layout (bar sets or circle), in rank order: laid
// with the design spacing, every clear distance between neighbouring bars at least that spacing
// and the steel ratio within the options' limits. Empty for placed bars.
std::vector<Arrangement> admissibleArrangements(const ProjectModel& project,
                                                const DesignOptions& options);

// Checks every admissible arrangement against the loads (each stops at its first failing load)
// over the options' threads. progress(done, total) is called on the calling thread only.
DesignResult
designReinforcement(const ProjectModel& project, std::span<const LoadInput> loads,
                    const DesignOptions& options,
                    const std::function<void(std::size_t, std::size_t)>& progress = {});

// Sets the arrangement's bar sets (count and size of each) or the circle's count and bar size,
// and its clear spacing, then lays the bars; the caller recomputes the summary.
void applyArrangement(ProjectModel& model, const Arrangement& arrangement);

// "3 sets of 4 #8" or "8 #9 on the circle".
std::string arrangementText(const Arrangement& arrangement);

// The project's loads 1..numLoads.
std::vector<LoadInput> projectLoads(const ProjectModel& project);

} // namespace pmsect
