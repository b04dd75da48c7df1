// Speed of the engine's hot paths on the golden projects: one strain-compatibility evaluation,
// the section summary, the interaction curve, contour and surface, and reading a project file.
// Each reports its evaluations.
#include "engine/interaction_curve.h"
#include "engine/interaction_surface.h"
#include "engine/strain_compat.h"
#include "io/project_file.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <stdexcept>
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

// Evaluations made while the benchmark ran, per iteration, and the time per evaluation; untimed
// are those made with the timing paused, which count in neither.
void countEvaluations(benchmark::State& state, long long before, long long untimed = 0) {
    const double evaluations = static_cast<double>(evaluationCount() - before - untimed);
    state.counters["evaluations"] = benchmark::Counter(evaluations / state.iterations());
    state.counters["ns_per_evaluation"] =
        benchmark::Counter(evaluations, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void solveOnce(benchmark::State& state, const char* file, int points) {
    ProjectModel m = loadGolden(file);
    if (points > 0 && m.numPoints != points) {
        state.SkipWithError("unexpected outline");
    }
    const EngineInputs inputs = engineInputsOf(m);
    const long long before = evaluationCount();
    float angle = 0;
    for (auto _ : state) {
        NeutralAxisState s;
        s.c = 7.5f;
        solveNeutralAxis(inputs, angle, s);
        benchmark::DoNotOptimize(s);
        angle += 7;
    }
    countEvaluations(state, before);
}

void BM_SolveNeutralAxisDefault(benchmark::State& s) {
    solveOnce(s, "default.rcs", 4);
}
void BM_SolveNeutralAxisRound(benchmark::State& s) {
    solveOnce(s, "round_circle.rcs", 20);
}
void BM_SolveNeutralAxisLShape(benchmark::State& s) {
    solveOnce(s, "l_shape.rcs", 6);
}
BENCHMARK(BM_SolveNeutralAxisDefault);
BENCHMARK(BM_SolveNeutralAxisRound);
BENCHMARK(BM_SolveNeutralAxisLShape);

// The depths a search tries one after another at one angle, as the stepping searches do.
void BM_SolveNeutralAxisDepthsAtOneAngle(benchmark::State& state) {
    ProjectModel m = loadGolden("default.rcs");
    const EngineInputs inputs = engineInputsOf(m);
    const long long before = evaluationCount();
    float c = 1;
    for (auto _ : state) {
        NeutralAxisState s;
        s.c = c;
        solveNeutralAxis(inputs, 30.0f, s);
        benchmark::DoNotOptimize(s);
        c = c > 20 ? 1 : c + 0.37f;
    }
    countEvaluations(state, before);
}
BENCHMARK(BM_SolveNeutralAxisDepthsAtOneAngle);

void BM_SectionSummaryFortyLoads(benchmark::State& state) {
    ProjectModel m = loadGolden("forty_loads.rcs");
    const long long before = evaluationCount();
    for (auto _ : state) {
        computeSectionSummary(m);
        benchmark::DoNotOptimize(m.loads);
    }
    countEvaluations(state, before);
}
BENCHMARK(BM_SectionSummaryFortyLoads)->Unit(benchmark::kMillisecond);

// One Pn-Mn curve; the summary is refreshed (untimed) before each, so every level starts at the
// depth a fresh summary leaves (10 in), as the command-line program does. The engine's inputs
// are built from the project inside the timed part, as every caller builds them.
void curveAt(benchmark::State& state, float angle) {
    ProjectModel m = loadGolden("default.rcs");
    CurveDepthMemo memo;
    const long long before = evaluationCount();
    long long untimed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const long long summaryStart = evaluationCount();
        const SectionResults section = computeSectionSummary(m);
        untimed += evaluationCount() - summaryStart;
        state.ResumeTiming();
        const CurveTable table = computeCurve(engineInputsOf(m), section.limits, angle,
                                              memo.depthsFor(section.revision));
        benchmark::DoNotOptimize(table);
    }
    countEvaluations(state, before, untimed);
}
void BM_CurveDefault90(benchmark::State& s) {
    curveAt(s, 90);
}
void BM_CurveDefault30(benchmark::State& s) {
    curveAt(s, 30);
}
BENCHMARK(BM_CurveDefault90)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CurveDefault30)->Unit(benchmark::kMillisecond);

void BM_ContourDefaultMinus100(benchmark::State& state) {
    ProjectModel m = loadGolden("default.rcs");
    const SectionResults section = computeSectionSummary(m);
    const long long before = evaluationCount();
    for (auto _ : state) {
        const Contour contour = computeContour(engineInputsOf(m), section.limits, -100.0f);
        benchmark::DoNotOptimize(contour);
    }
    countEvaluations(state, before);
}
BENCHMARK(BM_ContourDefaultMinus100)->Unit(benchmark::kMillisecond);

// The surface as the command-line program makes it: a fresh summary, then the curves of every
// direction, each starting from the depths of the one before.
void surfaceOf(benchmark::State& state, float sections) {
    ProjectModel m = loadGolden("default.rcs");
    auto surface = std::make_unique<SurfaceData>();
    CurveDepthMemo memo;
    const long long before = evaluationCount();
    long long untimed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const long long summaryStart = evaluationCount();
        const SectionResults section = computeSectionSummary(m);
        untimed += evaluationCount() - summaryStart;
        state.ResumeTiming();
        *surface = computeSurface(engineInputsOf(m), section.limits, sections,
                                  memo.depthsFor(section.revision));
        benchmark::DoNotOptimize(*surface);
    }
    countEvaluations(state, before, untimed);
}
void BM_SurfaceDefault8(benchmark::State& s) {
    surfaceOf(s, 8);
}
void BM_SurfaceDefault32(benchmark::State& s) {
    surfaceOf(s, 32);
}
BENCHMARK(BM_SurfaceDefault8)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SurfaceDefault32)->Unit(benchmark::kMillisecond);

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
