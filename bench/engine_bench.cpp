// Speed of the engine's hot paths on the golden projects: one strain-compatibility evaluation,
// the section summary, and reading a project file. Each reports its evaluations.
#include "engine/section_summary.h"
#include "engine/strain_compat.h"
#include "io/project_file.h"

#include <benchmark/benchmark.h>

#include <string>

namespace pmsect {
namespace {

ProjectModel loadGolden(const char* name) {
    ProjectModel m;
    if (!loadProjectFile(std::string(PMSECT_BENCH_DATA) + "/" + name, m)) {
        throw std::runtime_error(std::string("cannot load ") + name);
    }
    return m;
}

// Evaluations made while the benchmark ran, as a total and per second of the loop.
void countEvaluations(benchmark::State& state, long long before) {
    const double evaluations = static_cast<double>(evaluationCount() - before);
    state.counters["evaluations"] = benchmark::Counter(evaluations / state.iterations());
    state.counters["ns_per_evaluation"] = benchmark::Counter(
        evaluations, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void solveOnce(benchmark::State& state, const char* file, int points) {
    ProjectModel m = loadGolden(file);
    if (points > 0 && m.numPoints != points) {
        state.SkipWithError("unexpected outline");
    }
    const long long before = evaluationCount();
    float angle = 0;
    for (auto _ : state) {
        NeutralAxisState s;
        s.c = 7.5f;
        solveNeutralAxis(m, angle, s);
        benchmark::DoNotOptimize(s);
        angle += 7;
    }
    countEvaluations(state, before);
}

void BM_SolveNeutralAxisDefault(benchmark::State& s) { solveOnce(s, "default.rcs", 4); }
void BM_SolveNeutralAxisRound(benchmark::State& s) { solveOnce(s, "round_circle.rcs", 20); }
void BM_SolveNeutralAxisLShape(benchmark::State& s) { solveOnce(s, "l_shape.rcs", 6); }
BENCHMARK(BM_SolveNeutralAxisDefault);
BENCHMARK(BM_SolveNeutralAxisRound);
BENCHMARK(BM_SolveNeutralAxisLShape);

void BM_SectionSummaryFortyLoads(benchmark::State& state) {
    ProjectModel m = loadGolden("forty_loads.rcs");
    const long long before = evaluationCount();
    for (auto _ : state) {
        refreshSummary(m);
        benchmark::DoNotOptimize(m.loads);
    }
    countEvaluations(state, before);
}
BENCHMARK(BM_SectionSummaryFortyLoads)->Unit(benchmark::kMillisecond);

void BM_LoadProjectFile(benchmark::State& state) {
    const std::string path = std::string(PMSECT_BENCH_DATA) + "/default.rcs";
    const long long before = evaluationCount();
    for (auto _ : state) {
        ProjectModel m;
        benchmark::DoNotOptimize(loadProjectFile(path, m));
    }
    countEvaluations(state, before);
}
BENCHMARK(BM_LoadProjectFile)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace pmsect
