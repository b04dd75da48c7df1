// Design mode: arrangements laid by the project's own generators, their admissibility, and the
// threaded check of every admissible one against the loads.
#include "building/reinforcement_design.h"

#include "building/bar_layout.h"
#include "engine/bar_table.h"
#include "engine/strength_reduction.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <tuple>

namespace pmsect {
namespace {

// Positions are computed in single precision: a clear distance this much short of the spacing
// asked for still counts as that spacing.
constexpr double kSpacingTolerance = 1e-4;   // in
constexpr double kMinimumClearSpacing = 1.5; // in
constexpr int kMinCircleBarsTied = 4;
constexpr int kMinCircleBarsSpiral = 6;

// The smallest clear distance between two bars of the arrangement.
double smallestClearDistance(std::span<const Bar> bars) {
    double smallest = INFINITY;
    for (std::size_t i = 0; i < bars.size(); ++i) {
        for (std::size_t j = i + 1; j < bars.size(); ++j) {
            const double dx = static_cast<double>(bars[i].x) - bars[j].x;
            const double dy = static_cast<double>(bars[i].y) - bars[j].y;
            const double clear = std::hypot(dx, dy) - barDiameter(bars[i].size) / 2.0 -
                                 barDiameter(bars[j].size) / 2.0;
            smallest = std::min(smallest, clear);
        }
    }
    return smallest;
}

// Bar sets must stay inside the ties: the generator steps the layers of a face set inwards, and
// enough of them reach past the opposite face.
bool insideTheTies(const ProjectModel& m, std::span<const Bar> bars, double db) {
    const double tie = barDiameter(m.tieBarSize);
    const double halfWidth = (m.barSetWidth - 2 * (m.clearCover + tie) - db) / 2;
    const double halfHeight = (m.barSetHeight - 2 * (m.clearCover + tie) - db) / 2;
    return std::all_of(bars.begin(), bars.end(), [&](const Bar& b) {
        return std::abs(b.x) <= halfWidth + kSpacingTolerance &&
               std::abs(b.y) <= halfHeight + kSpacingTolerance;
    });
}

// Lays the arrangement on a copy of the project and keeps it when it is admissible.
std::optional<Arrangement> layIfAdmissible(const ProjectModel& project, Arrangement a,
                                           const DesignOptions& options) {
    ProjectModel m = project;
    applyArrangement(m, a);
    const int expected = a.circular() ? a.barCount : a.barSets * a.barsPerSet;
    if (m.numBars != expected) {
        return std::nullopt;
    }
    const auto bars = modelBars(m);
    const double db = barDiameter(static_cast<float>(a.barSize));
    if (smallestClearDistance(bars) < a.clearSpacing - kSpacingTolerance) {
        return std::nullopt;
    }
    if (!a.circular() && !insideTheTies(m, bars, db)) {
        return std::nullopt;
    }
    a.steelArea = totalSteelArea(m);
    a.steelRatio = static_cast<double>(a.steelArea) / m.grossArea;
    if (!(a.steelRatio >= options.minSteelRatio && a.steelRatio <= options.maxSteelRatio)) {
        return std::nullopt;
    }
    a.bars.assign(bars.begin(), bars.end());
    return a;
}

// The counts worth laying: the steel of n bars of area Ab within the largest ratio.
bool withinSteelLimit(const ProjectModel& m, int bars, double barArea, double maxRatio) {
    return bars <= kMaxBars && bars * barArea <= maxRatio * m.grossArea * (1 + 1e-6);
}

auto rankKey(const Arrangement& a) {
    return std::make_tuple(a.steelArea, a.totalBars(), a.barSize, a.barSets);
}

// A candidate's check: each load as the only row of the load table of the laid section, as
// check --loads checks it, in order, stopping at the first that fails.
DesignCandidate checkCandidate(const ProjectModel& project, const Arrangement& a,
                               std::span<const LoadInput> loads) {
    DesignCandidate result{a};
    ProjectModel m = project;
    applyArrangement(m, a);
    computeAxialLimits(m);
    for (std::size_t i = 0; i < loads.size(); ++i) {
        const CheckedLoad checked = checkLoadAlone(m, loads[i]);
        const float ratio = checked.row[kRatio];
        const int number = static_cast<int>(i) + 1;
        if (!checked.capacityFound || !(ratio <= 1.0f)) {
            result.firstFailingLoad = number;
            return result;
        }
        if (result.governingLoad == 0 || ratio > result.maxRatio) {
            result.maxRatio = ratio;
            result.governingLoad = number;
        }
    }
    result.pass = true;
    return result;
}

} // namespace

float designClearSpacing(const ProjectModel& project, int barSize) {
    const double db = barDiameter(static_cast<float>(barSize));
    return static_cast<float>(
        std::max({1.5 * db, kMinimumClearSpacing, static_cast<double>(project.clearSpacing)}));
}

std::vector<Arrangement> admissibleArrangements(const ProjectModel& project,
                                                const DesignOptions& options) {
    std::vector<Arrangement> found;
    if (project.barLayout != kBarSets && project.barLayout != kCircular) {
        return found;
    }
    for (const BarSize& size : kBarTable) {
        if (size.number < options.minBarSize || size.number > options.maxBarSize) {
            continue;
        }
        Arrangement a;
        a.barSize = size.number;
        a.clearSpacing = designClearSpacing(project, size.number);
        if (project.barLayout == kCircular) {
            const int least = isSpiral(project) ? kMinCircleBarsSpiral : kMinCircleBarsTied;
            for (int count = least;
                 withinSteelLimit(project, count, size.area, options.maxSteelRatio); ++count) {
                a.barCount = count;
                if (auto laid = layIfAdmissible(project, a, options)) {
                    found.push_back(std::move(*laid));
                }
            }
            continue;
        }
        for (int sets = 2; sets <= kMaxBarSets &&
                           withinSteelLimit(project, 2 * sets, size.area, options.maxSteelRatio);
             ++sets) {
            for (int perSet = 2;
                 withinSteelLimit(project, sets * perSet, size.area, options.maxSteelRatio);
                 ++perSet) {
                a.barSets = sets;
                a.barsPerSet = perSet;
                if (auto laid = layIfAdmissible(project, a, options)) {
                    found.push_back(std::move(*laid));
                }
            }
        }
    }
    std::sort(found.begin(), found.end(),
              [](const Arrangement& x, const Arrangement& y) { return rankKey(x) < rankKey(y); });
    return found;
}

DesignResult designReinforcement(const ProjectModel& project, std::span<const LoadInput> loads,
                                 const DesignOptions& options,
                                 const std::function<void(std::size_t, std::size_t)>& progress) {
    const std::vector<Arrangement> arrangements = admissibleArrangements(project, options);
    DesignResult result;
    result.candidates.resize(arrangements.size());
    std::atomic<std::size_t> next{0};
    std::atomic<std::size_t> done{0};
    const auto work = [&](bool reports) {
        while (true) {
            const std::size_t i = next.fetch_add(1, std::memory_order_relaxed);
            if (i >= arrangements.size()) {
                return;
            }
            result.candidates[i] = checkCandidate(project, arrangements[i], loads);
            const std::size_t finished = done.fetch_add(1, std::memory_order_relaxed) + 1;
            if (reports && progress) {
                progress(finished, arrangements.size());
            }
        }
    };
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned threads = options.threads == 0 ? cores : options.threads;
    {
        std::vector<std::jthread> pool;
        for (unsigned t = 1; t < threads && t < arrangements.size(); ++t) {
            pool.emplace_back(work, false);
        }
        work(true);
    }
    if (progress) {
        progress(arrangements.size(), arrangements.size());
    }
    const auto best = std::find_if(result.candidates.begin(), result.candidates.end(),
                                   [](const DesignCandidate& c) { return c.pass; });
    if (best != result.candidates.end()) {
        result.best = static_cast<std::size_t>(best - result.candidates.begin());
    }
    return result;
}

void applyArrangement(ProjectModel& model, const Arrangement& arrangement) {
    const auto size = static_cast<float>(arrangement.barSize);
    if (arrangement.circular()) {
        model.barLayout = kCircular;
        model.totBars = static_cast<int16_t>(arrangement.barCount);
    } else {
        model.barLayout = kBarSets;
        model.numBarSets = static_cast<int16_t>(arrangement.barSets);
        for (int j = 1; j <= arrangement.barSets; ++j) {
            model.barSets[static_cast<std::size_t>(j)] = {
                static_cast<float>(arrangement.barsPerSet), size};
        }
    }
    model.longBarSize = size;
    model.clearSpacing = arrangement.clearSpacing;
    rebuildBars(model);
}

std::string arrangementText(const Arrangement& a) {
    if (a.circular()) {
        return std::to_string(a.barCount) + " #" + std::to_string(a.barSize) + " on the circle";
    }
    return std::to_string(a.barSets) + " sets of " + std::to_string(a.barsPerSet) + " #" +
           std::to_string(a.barSize);
}

std::vector<LoadInput> projectLoads(const ProjectModel& project) {
    std::vector<LoadInput> loads;
    for (int i = 1; i <= project.numLoads && i <= kMaxLoads; ++i) {
        const LoadRow& row = project.loads[static_cast<std::size_t>(i)];
        loads.push_back({row[kPu], row[kMux], row[kMuy]});
    }
    return loads;
}

} // namespace pmsect
