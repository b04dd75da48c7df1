// Speed of checkLoads inside one process: 10,000 loads on each project of the benchmark set with
// 1 and 2 threads (the whole pmsect-cli process is measured by load_file_bench.py). Evaluations
// are counted with one thread only, as the counter is kept per thread.
#include "bench_projects.h"
#include "engine/load_batch.h"
#include "engine/strain_compat.h"
#include "project/engine_inputs_of.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <random>
#include <string>
#include <vector>

namespace pmsect {
namespace {

using bench::benchProject;
using bench::proportionalLoads;

// The loads of load_file_bench.py's kind: Pu from -600 to 150 kips, moments up to 150 and 100
// kip-ft.
std::vector<LoadInput> defaultBenchLoads(std::size_t count) {
    std::mt19937 random(15);
    std::uniform_real_distribution<float> pu(-600, 150);
    std::uniform_real_distribution<float> mux(-150, 150);
    std::uniform_real_distribution<float> muy(-100, 100);
    std::vector<LoadInput> loads(count);
    for (LoadInput& load : loads) {
        load = {pu(random), mux(random), muy(random)};
    }
    return loads;
}

void timeCheck(benchmark::State& state, const ProjectModel& m,
               const std::vector<LoadInput>& loads) {
    const EngineInputs inputs = engineInputsOf(m);
    const auto threads = static_cast<unsigned>(state.range(0));
    const long long before = evaluationCount();
    std::size_t failing = 0;
    for (auto _ : state) {
        const auto results = checkLoads(inputs, loads, threads);
        failing = static_cast<std::size_t>(
            std::count_if(results.begin(), results.end(), [](const CheckedLoad& r) {
                return !r.result.capacityFound || r.result.ratio > 1;
            }));
        benchmark::DoNotOptimize(results.data());
    }
    state.counters["loads_per_s"] = benchmark::Counter(static_cast<double>(loads.size()) *
                                                           static_cast<double>(state.iterations()),
                                                       benchmark::Counter::kIsRate);
    state.counters["failing"] = static_cast<double>(failing);
    if (threads == 1) {
        state.counters["evaluations_per_load"] =
            static_cast<double>(evaluationCount() - before) /
            (static_cast<double>(loads.size()) * static_cast<double>(state.iterations()));
    }
}

void BM_CheckTenThousandLoads(benchmark::State& state) {
    timeCheck(state, benchProject("default").model, defaultBenchLoads(10000));
}
BENCHMARK(BM_CheckTenThousandLoads)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CheckTenThousandLoadsOn(benchmark::State& state, const std::string& name) {
    const bench::BenchProject p = benchProject(name);
    timeCheck(state, p.model, proportionalLoads(p.section, 10000));
}
BENCHMARK_CAPTURE(BM_CheckTenThousandLoadsOn, default, std::string("default"))
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CheckTenThousandLoadsOn, forty_loads, std::string("forty_loads"))
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CheckTenThousandLoadsOn, l_shape, std::string("l_shape"))
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CheckTenThousandLoadsOn, rect_three_sets_y, std::string("rect_three_sets_y"))
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CheckTenThousandLoadsOn, round_circle, std::string("round_circle"))
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_CheckTenThousandLoadsOn, t_shape, std::string("t_shape"))
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace pmsect
