// Control points: the strain-defined points put the extreme tension bar at its strain directly
// (c = eps_cu dt / (eps_cu + eps_t), eps_cu the design code's limiting strain) and turn the neutral
// axis until the load line lies along the bending direction; pure bending and the corner of the
// design cap come from the curve's own angle-and-axial-force search, so that every point lies on
// the curve drawn beside it.
#include "engine/control_points.h"

#include "engine/interaction_curve.h"
#include "engine/neutral_axis_frame.h"
#include "engine/searches.h"
#include "engine/strain_compat.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace pmsect {
namespace {

constexpr double kAngleTolerance = 0.001; // degrees, the load line's aim
constexpr int kMaxTurns = 60;
constexpr double kLargestTurn = 20.0; // degrees, one step of the neutral axis
constexpr float kSearchStartDepth = 10.0f;
constexpr int kMaxBracketSteps = 80;
constexpr int kMaxHalvings = 80;

// The angle between two load-line directions, taken modulo the half turn a line repeats after.
double lineMiss(double wanted, double reached) {
    const double d = wanted - reached;
    return d - 180.0 * std::round(d / 180.0);
}

double deepestBar(const NeutralAxisFrame& frame) {
    double dt = 0;
    for (int i = 0; i < frame.section.barCount; ++i) {
        dt = std::max(dt, frame.barDepth[static_cast<std::size_t>(i)]);
    }
    return dt;
}

// The point whose extreme tension bar has the strain epsT, at the direction theta.
void pointAtStrain(const EngineInputs& inputs, float theta, double epsT, ControlPoint& out) {
    out.found = false;
    if (inputs.section.bars.empty()) {
        return;
    }
    const double limitingStrain = inputs.code->stressBlock(inputs.materials.fpc).limitingStrain;
    auto frame = std::make_unique<NeutralAxisFrame>();
    double alpha = static_cast<double>(theta) - 90.0;
    double lastAlpha = alpha;
    double lastMiss = 0;
    NeutralAxisState state;
    for (int turn = 0; turn < kMaxTurns; ++turn) {
        prepareNeutralAxisFrame(inputs, static_cast<float>(alpha), *frame);
        const double dt = deepestBar(*frame);
        state = NeutralAxisState{};
        state.c = static_cast<float>(limitingStrain * dt / (limitingStrain + epsT));
        // A load too small to give a load line keeps the direction asked for.
        state.loadAngle = theta;
        solveNeutralAxis(inputs, *frame, state);
        const double miss = lineMiss(theta, state.loadAngle);
        out.c = state.c;
        out.epsT = state.netTensileStrain + 0.0f; // no "-0" at the bar of zero stress
        out.Pn = state.Pn;
        out.Mn = state.Mn;
        out.phi = state.phi;
        out.phiPn = static_cast<float>(static_cast<double>(state.phi) * state.Pn);
        out.phiMn = static_cast<float>(static_cast<double>(state.phi) * state.Mn);
        out.found = std::fabs(miss) <= kFoundAngleTolerance;
        if (std::fabs(miss) <= kAngleTolerance) {
            return;
        }
        // The load line turns with the neutral axis, nearly degree for degree: a secant step
        // once two trials are known, the miss itself before.
        double step = miss;
        if (turn > 0 && miss != lastMiss) {
            step = -miss * (alpha - lastAlpha) / (miss - lastMiss);
        }
        lastAlpha = alpha;
        lastMiss = miss;
        alpha += std::clamp(step, -kLargestTurn, kLargestTurn);
    }
}

// Pn(c) at a fixed neutral-axis angle falls (grows more compressive) as c grows: the depth is
// bracketed by widening steps and then halved until Pn is the target within a ten-thousandth.
void refineDepth(const EngineInputs& inputs, float angle, float Pn, NeutralAxisState& state) {
    const auto at = [&](double c) {
        state.c = static_cast<float>(c);
        solveNeutralAxis(inputs, angle, state);
        return static_cast<double>(state.Pn);
    };
    const double tolerance = 1e-4 * std::max(1.0, std::fabs(static_cast<double>(Pn)));
    double lo = std::max(static_cast<double>(state.c), 1e-3);
    double hi = lo;
    for (int i = 0; i < kMaxBracketSteps && at(lo) < Pn; ++i) {
        lo /= 1.25; // Pn too compressive: a shallower axis
    }
    for (int i = 0; i < kMaxBracketSteps && at(hi) > Pn; ++i) {
        hi *= 1.25;
    }
    for (int i = 0; i < kMaxHalvings; ++i) {
        const double mid = (lo + hi) / 2;
        const double P = at(mid);
        if (std::fabs(P - Pn) <= tolerance) {
            return;
        }
        (P > Pn ? lo : hi) = mid;
    }
    at((lo + hi) / 2);
}

// The curve's point at the axial force Pn (kips) and direction theta: the curve's own search
// finds the neutral-axis angle, whose tolerance of 1 % in Pn would move a steep part of the
// curve visibly; the depth is then brought to Pn itself at that angle.
void pointAtAxialLoad(const EngineInputs& inputs, float theta, float Pn, ControlPoint& out) {
    NeutralAxisState state;
    state.c = std::max({kSearchStartDepth, inputs.section.extentX / 3, inputs.section.extentY / 3});
    float target = Pn;
    const AngleSearchOutcome search = searchForAxialLoadAndAngle(inputs, target, theta, state);
    refineDepth(inputs, search.neutralAxisAngle, Pn, state);
    out.found = search.converged || std::fabs(search.angleMiss) <= kFoundAngleTolerance;
    out.c = state.c;
    out.epsT = state.netTensileStrain + 0.0f;
    out.Pn = state.Pn;
    out.Mn = state.Mn;
    out.phi = state.phi;
    out.phiPn = static_cast<float>(static_cast<double>(state.phi) * state.Pn);
    out.phiMn = static_cast<float>(static_cast<double>(state.phi) * state.Mn);
}

ControlPoint concentric(ControlPointKind kind, float Pn, float phi, float phiPn) {
    ControlPoint p;
    p.kind = kind;
    p.Pn = Pn;
    p.Mn = 0.0f;
    p.phi = phi;
    p.phiPn = phiPn;
    return p;
}

} // namespace

ControlPoints computeControlPoints(const EngineInputs& inputs, const AxialLimits& limits,
                                   float thetaDeg) {
    const Materials& m = inputs.materials;
    const StrengthFactors factors = inputs.code->strengthFactors(inputs.confinement);
    const double yieldStrain = static_cast<double>(m.fy) / m.Es;

    ControlPoints points;
    const auto at = [&](ControlPointKind kind) -> ControlPoint& {
        ControlPoint& p = points[static_cast<std::size_t>(kind)];
        p.kind = kind;
        return p;
    };

    const float P0 = static_cast<float>(limits.Po / 1000.0);
    at(ControlPointKind::Compression) =
        concentric(ControlPointKind::Compression, P0, factors.phiCompression,
                   static_cast<float>(static_cast<double>(factors.phiCompression) * P0));

    // The cap: phi*Pn(max) itself, and the moment where the capped reduced curve meets the
    // curve below it.
    ControlPoint& cap = at(ControlPointKind::PhiPnMax);
    const double capKips = limits.phiPnMax / 1000.0;
    const auto capPn = static_cast<float>(capKips / factors.phiCompression);
    pointAtAxialLoad(inputs, thetaDeg, capPn, cap);
    cap.phiMn =
        static_cast<float>(static_cast<double>(factors.phiCompression) * cap.Mn.value_or(0));
    cap.c.reset();
    cap.epsT.reset();
    cap.Mn.reset();
    cap.Pn = capPn;
    cap.phi = factors.phiCompression;
    cap.phiPn = static_cast<float>(capKips);

    pointAtStrain(inputs, thetaDeg, 0.0, at(ControlPointKind::Fs0));
    pointAtStrain(inputs, thetaDeg, 0.5 * yieldStrain, at(ControlPointKind::FsHalfFy));
    pointAtStrain(inputs, thetaDeg, yieldStrain, at(ControlPointKind::Balanced));
    pointAtStrain(inputs, thetaDeg, inputs.code->strainLimits(m).tension,
                  at(ControlPointKind::TensionControlled));
    pointAtAxialLoad(inputs, thetaDeg, 0.0f, at(ControlPointKind::PureBending));

    const float T0 = static_cast<float>(limits.To / 1000.0);
    at(ControlPointKind::Tension) = concentric(ControlPointKind::Tension, T0, factors.phiTension,
                                               static_cast<float>(limits.phiTnMax / 1000.0));
    return points;
}

} // namespace pmsect
