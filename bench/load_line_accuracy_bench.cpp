// How near the load check's ratios come to the brute-force reference of the tests, for the
// search on the load's line and for the stepping searches it replaced (kept here alone, as they
// were): a few hundred loads in proportion to each section of the benchmark set, each reported
// as the largest and the mean relative error of the ratio. Run once; the time is the reference's.
#include "bench_projects.h"
#include "engine/load_check.h"
#include "engine/ray_capacity.h"
#include "engine/searches.h"
#include "engine/strength_reduction.h"
#include "load_line_reference.h"
#include "project/engine_inputs_of.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <optional>
#include <string>

namespace pmsect {
namespace {

// The ratio the stepping search gave an eccentric load, with the bracketing on the ray where it
// missed its targets.
std::optional<double> steppingSearchRatio(const EngineInputs& inputs, const LoadInput& load) {
    const double ex = -static_cast<double>(load.Muy) * 12.0 / load.Pu;
    const double ey = -static_cast<double>(load.Mux) * 12.0 / load.Pu;
    const float e = static_cast<float>((load.Pu > 0 ? -1 : 1) * std::hypot(ex, ey));
    float targetE = e;
    float targetAngle = momentDirection(load.Mux, load.Muy);
    NeutralAxisState state;
    state.c = 4.0f;
    const AngleSearchOutcome outcome =
        searchForEccentricityAndAngle(inputs, targetE, targetAngle, state);
    if (outcome.converged && eccentricityWithinDrift(e, targetE) &&
        (state.Pn < 0) == (load.Pu < 0) && state.Pn != 0 && state.Mn > 0) {
        return load.Pu / (static_cast<double>(state.phi) * state.Pn);
    }
    const auto ray = capacityOnLoadRay(inputs, load.Pu, static_cast<float>(load.Mux * 12.0),
                                       static_cast<float>(load.Muy * 12.0));
    if (!ray || !(ray->lambda > 0)) {
        return std::nullopt;
    }
    return 1 / (static_cast<double>(ray->point.phi) * ray->lambda);
}

struct Errors {
    double max = 0;
    double sum = 0;
    int count = 0;
    void add(double ratio, double reference) {
        const double e = std::fabs(ratio - reference) / reference;
        max = std::max(max, e);
        sum += e;
        ++count;
    }
};

void BM_LoadRatioErrors(benchmark::State& state, const std::string& name) {
    const bench::BenchProject p = bench::benchProject(name);
    const EngineInputs inputs = engineInputsOf(p.model);
    const AxialLimits limits = axialLimits(inputs);
    const auto loads = bench::proportionalLoads(p.section, 300, 7);
    Errors stepping, onLine;
    int unchecked = 0;
    int fartherThanBefore = 0; // by more than 1e-5 of the ratio
    for (auto _ : state) {
        for (const LoadInput& load : loads) {
            const std::optional<double> reference =
                test::LoadLineReference(inputs, load.Pu, load.Mux, load.Muy).ratio();
            const CheckedLoad checked = checkLoadCombination(inputs, limits, load);
            const std::optional<double> old = steppingSearchRatio(inputs, load);
            if (!reference || !checked.result.capacityFound || !old ||
                std::fabs(checked.result.eccentricity) <= 0.01f) {
                ++unchecked; // concentric loads are checked against the axial limits alone
                continue;
            }
            onLine.add(checked.result.ratio, *reference);
            const double newError = std::fabs(checked.result.ratio - *reference);
            if (newError > std::fabs(*old - *reference) && newError > 1e-5 * *reference) {
                ++fartherThanBefore;
            }
            stepping.add(*old, *reference);
        }
    }
    state.counters["loads"] = onLine.count;
    state.counters["unchecked"] = unchecked;
    state.counters["farther"] = fartherThanBefore;
    state.counters["old_max"] = stepping.max;
    state.counters["old_mean"] = stepping.sum / stepping.count;
    state.counters["new_max"] = onLine.max;
    state.counters["new_mean"] = onLine.sum / onLine.count;
}

#define PMSECT_ACCURACY(project)                                                                   \
    BENCHMARK_CAPTURE(BM_LoadRatioErrors, project, std::string(#project))                          \
        ->Iterations(1)                                                                            \
        ->Unit(benchmark::kSecond)
PMSECT_ACCURACY(default);
PMSECT_ACCURACY(forty_loads);
PMSECT_ACCURACY(l_shape);
PMSECT_ACCURACY(rect_three_sets_y);
PMSECT_ACCURACY(round_circle);
PMSECT_ACCURACY(t_shape);

} // namespace
} // namespace pmsect
