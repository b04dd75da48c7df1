// Speed of design mode: the default 12 x 18 section searched over #5-#11 and every admissible
// count up to 8 % steel against 40 loads that a few arrangements carry, on one thread and on
// every core.
#include "building/new_project.h"
#include "building/reinforcement_design.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <thread>
#include <vector>

namespace pmsect {
namespace {

// Forty combinations from heavy compression with moment to tension, bending about both axes,
// near the capacity of the default section's own steel.
std::vector<LoadInput> fortyLoads() {
    std::vector<LoadInput> loads;
    for (int i = 0; i < 40; ++i) {
        const double t = i / 39.0;
        loads.push_back({static_cast<float>(-450 + 480 * t),
                         static_cast<float>(90 * std::sin(3.14159265 * t) + 5),
                         static_cast<float>(40 * std::cos(3 * t))});
    }
    return loads;
}

void BM_DesignDefaultFortyLoads(benchmark::State& state) {
    ProjectModel project;
    resetToNewProject(project);
    const std::vector<LoadInput> loads = fortyLoads();
    DesignOptions options;
    options.maxSteelRatio = kGreatestSteelRatio;
    options.threads = static_cast<unsigned>(state.range(0));
    std::size_t candidates = 0;
    for (auto _ : state) {
        const DesignResult result = designReinforcement(project, loads, options);
        if (!result.best) {
            state.SkipWithError("no arrangement carries the loads");
        }
        candidates = result.candidates.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["candidates"] = static_cast<double>(candidates);
}
BENCHMARK(BM_DesignDefaultFortyLoads)
    ->Arg(1)
    ->Arg(static_cast<int>(std::max(1u, std::thread::hardware_concurrency())))
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

} // namespace
} // namespace pmsect
