// Speed of checkLoads inside one process: 10,000 loads on the default project with 1 and 2
// threads (the whole pmsect-cli process is measured by load_file_bench.py). Evaluations are
// counted with one thread only, as the counter is kept per thread.
#include "engine/load_batch.h"
#include "engine/strain_compat.h"
#include "io/project_file.h"
#include "project/engine_inputs_of.h"

#include <benchmark/benchmark.h>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace pmsect {
namespace {

// The loads of load_file_bench.py's kind: Pu from -600 to 150 kips, moments up to 150 and 100
// kip-ft.
std::vector<LoadInput> benchLoads(std::size_t count) {
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

void BM_CheckTenThousandLoads(benchmark::State& state) {
    ProjectModel m;
    if (!loadProjectFile(std::string(PMSECT_BENCH_DATA) + "/default.rcs", m)) {
        throw std::runtime_error("cannot load default.rcs");
    }
    const auto loads = benchLoads(10000);
    const EngineInputs inputs = engineInputsOf(m);
    const auto threads = static_cast<unsigned>(state.range(0));
    const long long before = evaluationCount();
    for (auto _ : state) {
        benchmark::DoNotOptimize(checkLoads(inputs, loads, threads));
    }
    state.counters["loads_per_s"] = benchmark::Counter(static_cast<double>(loads.size()) *
                                                           static_cast<double>(state.iterations()),
                                                       benchmark::Counter::kIsRate);
    if (threads == 1) {
        state.counters["evaluations_per_load"] =
            static_cast<double>(evaluationCount() - before) /
            (static_cast<double>(loads.size()) * static_cast<double>(state.iterations()));
    }
}
BENCHMARK(BM_CheckTenThousandLoads)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
} // namespace pmsect
