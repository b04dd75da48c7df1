// Design mode: perimeter and circle arrangements, how they are written into a project (bar sets,
// the circle, or placed bars), their admissibility, and the threaded check of every admissible
// one against the loads.
#include "building/reinforcement_design.h"

#include "building/bar_layout.h"
#include "engine/bar_table.h"
#include "engine/strength_reduction.h"
#include "engine/worker_threads.h"
#include "project/design_code_choice.h"
#include "project/engine_inputs_of.h"

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

// The distance from the section's centre to the centres of bars of diameter db laid against the
// ties: half the given dimension less the cover, the tie and half a bar.
double barCentreOffset(const ProjectModel& m, double dimension, double db) {
    return dimension / 2 - m.clearCover - barDiameter(m.tieBarSize) - db / 2;
}

// n positions from -h to +h, equally spaced; the negative half mirrors the positive one, so that
// the layout is symmetric to the last bit.
std::vector<double> spreadPositions(int n, double h) {
    std::vector<double> positions(static_cast<std::size_t>(n));
    for (int k = 0; k < n; ++k) {
        const int mirror = n - 1 - k;
        const double fromEnd = 2 * h * std::min(k, mirror) / (n - 1);
        positions[static_cast<std::size_t>(k)] = k == mirror  ? 0
                                                 : k < mirror ? fromEnd - h
                                                              : h - fromEnd;
    }
    return positions;
}

// The perimeter arrangement's bars: the faces parallel to x first (top, then bottom), then the
// bars between the corners of the two faces parallel to y.
std::vector<Bar> perimeterBars(const ProjectModel& m, const Arrangement& a) {
    const auto size = static_cast<float>(a.barSize);
    const double db = barDiameter(size);
    const double hx = barCentreOffset(m, m.rectB, db);
    const double hy = barCentreOffset(m, m.rectH, db);
    std::vector<Bar> bars;
    const auto add = [&](double x, double y) {
        bars.push_back({static_cast<float>(x), static_cast<float>(y), size});
    };
    for (const double y : {hy, -hy}) {
        for (const double x : spreadPositions(a.barsPerXFace, hx)) {
            add(x, y);
        }
    }
    const std::vector<double> ys = spreadPositions(a.barsPerYFace, hy);
    for (std::size_t k = 1; k + 1 < ys.size(); ++k) {
        add(-hx, ys[k]);
        add(hx, ys[k]);
    }
    return bars;
}

// The same bars, in any order, within the single-precision rounding of their coordinates.
bool sameBarsAnyOrder(std::vector<Bar> a, std::vector<Bar> b) {
    const auto byPosition = [](const Bar& p, const Bar& q) {
        return std::tie(p.y, p.x) < std::tie(q.y, q.x);
    };
    std::sort(a.begin(), a.end(), byPosition);
    std::sort(b.begin(), b.end(), byPosition);
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto& p, auto& q) {
               return std::abs(p.x - q.x) <= kSpacingTolerance &&
                      std::abs(p.y - q.y) <= kSpacingTolerance && p.size == q.size;
           });
}

// The perimeter as bar sets with rows parallel to x on the section's own rectangle: a full set
// on each face parallel to x and a set of two for each row between them. True when the bar-set
// layout lays exactly the perimeter's bars (every row fits on one layer).
bool layPerimeterAsBarSets(ProjectModel& m, const Arrangement& a, std::span<const Bar> bars) {
    if (a.barsPerYFace > kMaxBarSets) {
        return false;
    }
    ProjectModel sets = m;
    sets.barLayout = kBarSets;
    sets.barSetsAlongY = false;
    setBarSetOutline(sets);
    sets.numBarSets = static_cast<int16_t>(a.barsPerYFace);
    for (int j = 1; j <= a.barsPerYFace; ++j) {
        const bool face = j == 1 || j == a.barsPerYFace;
        sets.barSets[static_cast<std::size_t>(j)] = {static_cast<float>(face ? a.barsPerXFace : 2),
                                                     static_cast<float>(a.barSize)};
    }
    rebuildBars(sets);
    const auto laid = modelBars(sets);
    if (!sameBarsAnyOrder({laid.begin(), laid.end()}, {bars.begin(), bars.end()})) {
        return false;
    }
    m = sets;
    return true;
}

// Lays the arrangement on a copy of the project and keeps it when it is admissible.
std::optional<Arrangement> layIfAdmissible(const ProjectModel& project, Arrangement a,
                                           const DesignOptions& options) {
    const double db = barDiameter(static_cast<float>(a.barSize));
    // Bars against the ties of a section too small for them would cross the centre.
    const bool room = a.circular() ? barCentreOffset(project, project.circDiam, db) > 0
                                   : barCentreOffset(project, project.rectB, db) > 0 &&
                                         barCentreOffset(project, project.rectH, db) > 0;
    if (!room) {
        return std::nullopt;
    }
    ProjectModel m = project;
    applyArrangement(m, a);
    const auto bars = modelBars(m);
    if (smallestClearDistance(bars) < a.clearSpacing - kSpacingTolerance) {
        return std::nullopt;
    }
    a.steelArea = totalSteelArea(engineInputsOf(m).section);
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

// Whether n bars of diameter db spread over 2h between end centres keep the clear spacing s.
bool spacingKept(int n, double h, double db, double s) {
    return 2 * h / (n - 1) - db >= s - kSpacingTolerance;
}

auto rankKey(const Arrangement& a) {
    return std::make_tuple(a.steelArea, a.totalBars(), a.barSize, a.barsPerXFace);
}

// A candidate's check: each load as the only row of the load table of the laid section, as
// check --loads checks it, in order, stopping at the first that fails.
DesignCandidate checkCandidate(const ProjectModel& project, const Arrangement& a,
                               std::span<const LoadInput> loads) {
    DesignCandidate result{a};
    ProjectModel m = project;
    applyArrangement(m, a);
    const EngineInputs inputs = engineInputsOf(m);
    const AxialLimits limits = axialLimits(inputs);
    for (std::size_t i = 0; i < loads.size(); ++i) {
        const CheckedLoad checked = checkLoadCombination(inputs, limits, loads[i]);
        const float ratio = checked.result.ratio;
        const int number = static_cast<int>(i) + 1;
        if (!checked.result.capacityFound || !(ratio <= 1.0f)) {
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

std::optional<std::string> designRefusal(const ProjectModel& project) {
    if (project.sectionType == kRectangular || project.sectionType == kRound) {
        return std::nullopt;
    }
    return "design lays bars in a rectangular or a round section; this section's outline is "
           "given point by point";
}

std::vector<Arrangement> admissibleArrangements(const ProjectModel& project,
                                                const DesignOptions& options) {
    std::vector<Arrangement> found;
    if (designRefusal(project)) {
        return found;
    }
    const auto keep = [&](const Arrangement& a) {
        if (auto laid = layIfAdmissible(project, a, options)) {
            found.push_back(std::move(*laid));
        }
    };
    for (const BarSize& size : kBarTable) {
        if (size.number < options.minBarSize || size.number > options.maxBarSize) {
            continue;
        }
        Arrangement a;
        a.barSize = size.number;
        a.clearSpacing = designClearSpacing(project, size.number);
        if (project.sectionType == kRound) {
            const int least = isSpiral(project) ? kMinCircleBarsSpiral : kMinCircleBarsTied;
            for (int count = least;
                 withinSteelLimit(project, count, size.area, options.maxSteelRatio); ++count) {
                a.barCount = count;
                keep(a);
            }
            continue;
        }
        const double db = size.diameter;
        const double hx = barCentreOffset(project, project.rectB, db);
        const double hy = barCentreOffset(project, project.rectH, db);
        // More bars on a face only narrow its gaps: each count stops at the first that is too
        // close or too heavy.
        for (int nx = 2; spacingKept(nx, hx, db, a.clearSpacing) &&
                         withinSteelLimit(project, 2 * nx, size.area, options.maxSteelRatio);
             ++nx) {
            for (int ny = 2;
                 spacingKept(ny, hy, db, a.clearSpacing) &&
                 withinSteelLimit(project, 2 * (nx + ny - 2), size.area, options.maxSteelRatio);
                 ++ny) {
                a.barsPerXFace = nx;
                a.barsPerYFace = ny;
                keep(a);
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
    const unsigned threads = workerThreads(options.threads);
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
    model.longBarSize = size;
    model.clearSpacing = arrangement.clearSpacing;
    if (arrangement.circular()) {
        model.barLayout = kCircular;
        model.totBars = static_cast<int16_t>(arrangement.barCount);
        rebuildBars(model);
        return;
    }
    const std::vector<Bar> bars = perimeterBars(model, arrangement);
    if (layPerimeterAsBarSets(model, arrangement, bars)) {
        return;
    }
    model.barLayout = kPlacedBars;
    model.numBars = static_cast<int16_t>(std::min<std::size_t>(bars.size(), kMaxBars));
    std::copy_n(bars.begin(), model.numBars, model.bars.begin() + 1);
}

std::string arrangementText(const Arrangement& a) {
    const std::string bars = std::to_string(a.totalBars()) + " #" + std::to_string(a.barSize);
    if (a.circular()) {
        return bars + " on the circle";
    }
    return bars + ": " + std::to_string(a.barsPerXFace) + " per x face, " +
           std::to_string(a.barsPerYFace) + " per y face";
}

std::vector<LoadInput> projectLoads(const ProjectModel& project) {
    std::vector<LoadInput> loads;
    for (int i = 1; i <= project.loads.count(); ++i) {
        loads.push_back(loadInputOf(project.loads[static_cast<std::size_t>(i)]));
    }
    return loads;
}

} // namespace pmsect
