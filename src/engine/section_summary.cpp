// The section summary: limits, load checks and the four pure-bending strengths.
#include "engine/section_summary.h"

#include "engine/searches.h"
#include "engine/strength_reduction.h"

namespace pmsect {
namespace {

constexpr float kPureBendingStartDepth = 5.0f;
// How close to zero the axial force of a pure-bending state comes, in kips. A miss of dP moves Mn
// by about dP times the lever arm, so the load search's 0.01 k left the mirrored runs of a
// symmetric section up to 0.02 ft-k apart; 1e-4 k keeps them equal in every shown digit and
// still lies above the rounding of a single-precision Pn.
constexpr float kPureBendingTolerance = 1.0e-4f;

// The four pure-bending runs, in the order they are made, and where each is shown: a positive
// moment about y puts compression on +x, which the run at 270 degrees gives.
struct PureBendingRun {
    float angle;
    int shownAt;
    bool negated;
};
constexpr PureBendingRun kPureBendingRuns[4] = {
    {0, 0, false},   // +Mnx: compression on +y
    {180, 1, true},  // -Mnx: compression on -y
    {90, 3, true},   // -Mny: compression on -x
    {270, 2, false}, // +Mny: compression on +x
};

std::array<PureBendingResult, 4> pureBending(const EngineInputs& inputs) {
    std::array<PureBendingResult, 4> out{};
    for (const PureBendingRun& run : kPureBendingRuns) {
        NeutralAxisState state;
        state.c = kPureBendingStartDepth;
        float target = 0; // every run aims at zero, so mirrored runs find mirrored states
        searchForAxialLoad(inputs, target, run.angle, state, kPureBendingTolerance);
        const float phiMn = static_cast<float>(static_cast<double>(state.phi) * state.Mn);
        PureBendingResult& shown = out[static_cast<std::size_t>(run.shownAt)];
        shown.neutralAxisAngle = run.angle;
        shown.Mn = run.negated ? -state.Mn : state.Mn;
        shown.phiMn = run.negated ? -phiMn : phiMn;
        shown.maxSteelStrain = state.netTensileStrain;
    }
    return out;
}

} // namespace

SectionSummary computeSectionSummary(const EngineInputs& inputs, std::span<const LoadInput> loads) {
    SectionSummary summary;
    summary.limits = axialLimits(inputs);
    summary.loads.reserve(loads.size());
    for (const LoadInput& load : loads) {
        summary.loads.push_back(checkLoadCombination(inputs, summary.limits, load));
    }
    if (!inputs.section.bars.empty()) {
        summary.pureBending = pureBending(inputs);
    }
    return summary;
}

} // namespace pmsect
