// The Pn-Mn curve level by level and the biaxial contour direction by direction, each point
// from the angle-and-axial-force search of the engine.
#include "engine/interaction_curve.h"

#include "engine/searches.h"
#include "engine/shortened_pi.h"

#include <algorithm>
#include <cmath>

namespace pmsect {
namespace {

// Far deeper than any section's neutral axis can usefully lie, in.
constexpr float kMaxKeptDepth = 1.0e6f;
constexpr float kContourStartDepth = 4.0f;
constexpr double kContourStep = 9.0;
constexpr double kContourSearchRefinement = 100.0;
// Rows kept free after the compression band: the transition band (5), the tension band (4)
// and the tension end.
constexpr int kRowsAfterCompression = 5 + 4 + 1;

bool foundOnDirection(const AngleSearchOutcome& out) {
    return out.converged || std::fabs(out.angleMiss) <= kFoundAngleTolerance;
}

class CurveBuilder {
public:
    CurveBuilder(const EngineInputs& inputs, float theta, CurveTable& table,
                 CurveDepthMemo::Depths& depths, ProgressSink* sink)
        : inputs_(inputs), theta_(theta), table_(table), depths_(depths), sink_(sink) {}

    int count() const { return table_.count; }

    void addFixed(float phi, float Pn) {
        const std::size_t row = next();
        table_.pts[row] = {phi, Pn, 0.0f};
        table_.found[row] = true;
        report(Pn, 0.0f);
    }

    void addSearched(float level) {
        const std::size_t row = next();
        float& guess = depths_[row];
        NeutralAxisState state;
        state.c = guess;
        float P = level;
        const AngleSearchOutcome out = searchForAxialLoadAndAngle(inputs_, P, theta_, state);
        // A search for a level out of reach (axial limits left from a section changed while the
        // summary was off) steps the depth on and on, trial after trial, up to infinity. Such a
        // depth is no start for the next curve: the previous start is kept instead.
        if (std::isfinite(state.c) && state.c <= kMaxKeptDepth) {
            guess = state.c;
        }
        table_.pts[row] = {state.phi, P, state.Mn};
        table_.found[row] = foundOnDirection(out);
        report(P, state.Mn);
    }

private:
    std::size_t next() {
        ++table_.count;
        return static_cast<std::size_t>(table_.count);
    }

    void report(float Pn, float Mn) {
        if (sink_) {
            sink_->report(ProgressQuantity::AxialForce, Pn);
            sink_->report(ProgressQuantity::Moment, Mn);
        }
    }

    const EngineInputs& inputs_;
    float theta_;
    CurveTable& table_;
    CurveDepthMemo::Depths& depths_;
    ProgressSink* sink_;
};

} // namespace

CurveTable computeCurve(const EngineInputs& inputs, const AxialLimits& limits, float thetaDeg,
                        CurveDepthMemo::Depths& depths, ProgressSink* sink) {
    const float P0 = static_cast<float>(limits.Po / 1000.0);
    const float T0 = static_cast<float>(limits.To / 1000.0);
    const float D = static_cast<float>(limits.curveLevel / 1000.0);
    const StrengthFactors factors = inputs.code->strengthFactors(inputs.confinement);

    CurveTable table;
    table.limits = limits;
    if (sink) {
        sink->report(ProgressQuantity::Direction, thetaDeg);
    }
    CurveBuilder curve(inputs, thetaDeg, table, depths, sink);

    // Squash end: phi chosen so that phi*Pn is phi*Pn(max). A section without area has no
    // squash load to divide by; its point is at the origin whatever phi is.
    const float squash = static_cast<float>(0.99 * P0);
    const float squashPhi = squash != 0 ? static_cast<float>(limits.phiPnMax / 1000.0 / squash)
                                        : factors.phiCompression;
    curve.addFixed(squashPhi, squash);

    // The levels accumulate in single precision, so rounding decides whether a level landing
    // exactly on D is computed. A zero step (no section) would repeat one level for ever and a
    // D that is not compressive would run past the table: both are cut short.
    const float compressionStep = static_cast<float>(-static_cast<double>(P0) / 20.0);
    float p = static_cast<float>(0.95 * P0);
    while (p <= D && curve.count() < kMaxCurveRows - kRowsAfterCompression) {
        curve.addSearched(p);
        if (!(compressionStep > 0)) {
            break;
        }
        p = static_cast<float>(static_cast<double>(p) + compressionStep);
    }

    for (int k = 0; k <= 4; ++k) {
        const double tenth = limits.curveLevel;
        curve.addSearched(static_cast<float>((tenth - k * tenth / 4.0) / 1000.0));
    }

    const float tensionStep = static_cast<float>(T0 / 4.0);
    float t = 0;
    while (t <= 0.8 * T0 && curve.count() < kMaxCurveRows - 1) {
        float level = t;
        if (static_cast<double>(t) * 1000.0 > limits.To) {
            level = static_cast<float>((static_cast<double>(limits.To) - 1.0) / 1000.0);
        }
        curve.addSearched(level);
        if (!(tensionStep > 0)) {
            break;
        }
        t = static_cast<float>(static_cast<double>(t) + tensionStep);
    }

    curve.addFixed(factors.phiTension, static_cast<float>(0.99 * T0));
    return table;
}

Contour computeContour(const EngineInputs& inputs, const AxialLimits& limits, float P,
                       ProgressSink* sink) {
    const float P0 = static_cast<float>(limits.Po / 1000.0);
    const float T0 = static_cast<float>(limits.To / 1000.0);

    Contour result;
    CurveTable& table = result.table;
    table.limits = limits;
    if (!std::isfinite(P)) {
        P = 0;
        result.rewritten = true;
    }
    if (P < P0) {
        P = static_cast<float>(0.99 * P0);
        result.rewritten = true;
    } else if (P > T0) {
        P = static_cast<float>(0.99 * T0);
        result.rewritten = true;
    }
    result.Pn = P;
    if (sink) {
        sink->report(ProgressQuantity::AxialForce, P);
    }

    const float reducedLimit = static_cast<float>(limits.phiPnMax / 1000.0);
    // The depth search stops far inside the share that a point may lie off the load: where the
    // contour is small (near squash) a miss of the load turns the moment's direction enough to
    // keep the angle search from settling.
    const double allowedMiss = kContourLoadShare * std::fabs(static_cast<double>(P0));
    const double ownTolerance = std::max(std::fabs(static_cast<double>(P)) / 100.0, 0.01);
    const auto searchTolerance =
        static_cast<float>(std::min(allowedMiss / kContourSearchRefinement, ownTolerance));
    const bool beyondReducedCap = P < reducedLimit;
    float a = 0;
    for (int k = 1; k <= kContourPoints; ++k) {
        if (sink) {
            sink->report(ProgressQuantity::Direction, a);
        }
        NeutralAxisState state;
        state.c = kContourStartDepth;
        // Every direction aims at the load itself: a search ends a little off its target, and
        // aiming at the previous direction's result would carry that miss on from point to point.
        float reached = P;
        const AngleSearchOutcome out =
            searchForAxialLoadAndAngle(inputs, reached, a, state, searchTolerance);
        const double t = (static_cast<double>(a) - 90.0) * kShortPi / 180.0;
        float phi = state.phi;
        if (beyondReducedCap || static_cast<double>(phi) * T0 < P) {
            phi = 0; // beyond the reduced capacity: no phi-reduced point
        }
        const auto row = static_cast<std::size_t>(k);
        table.pts[row] = {phi, static_cast<float>(-static_cast<double>(state.Mn) * std::cos(t)),
                          static_cast<float>(static_cast<double>(state.Mn) * std::sin(t))};
        table.reachedPn[row] = reached;
        table.found[row] =
            foundOnDirection(out) && std::fabs(static_cast<double>(reached) - P) <= allowedMiss;
        if (sink) {
            sink->report(ProgressQuantity::Moment, state.Mn);
        }
        a = static_cast<float>(static_cast<double>(a) + kContourStep);
    }
    table.design = computeDesignContour(inputs, P, kContourPoints);
    return result;
}

} // namespace pmsect
