// The section summary: limits, load checks and the four pure-bending strengths.
#include "engine/section_summary.h"

#include "engine/load_check.h"
#include "engine/searches.h"
#include "engine/strength_reduction.h"

namespace pmsect {
namespace {

constexpr float kPureBendingStartDepth = 5.0f;
// How close to zero the axial force of a pure-bending state comes, in kips. A miss of dP moves Mn
// by about dP times the lever arm, so the load search's 0.01 k left the mirrored runs of a
// symmetric section up to 0.02 ft-k apart; a hundredth of a kip-thousandth keeps them equal in
// every shown digit and still lies above the rounding of a single-precision Pn.
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

void computePureBending(ProjectModel& model) {
    for (const PureBendingRun& run : kPureBendingRuns) {
        NeutralAxisState state;
        state.c = kPureBendingStartDepth;
        float target = 0; // every run aims at zero, so mirrored runs find mirrored states
        searchForAxialLoad(model, target, run.angle, state, kPureBendingTolerance);
        const float phiMn = static_cast<float>(static_cast<double>(state.phi) * state.Mn);
        PureBendingResult& shown = model.pureBending[static_cast<std::size_t>(run.shownAt)];
        shown.neutralAxisAngle = run.angle;
        shown.Mn = run.negated ? -state.Mn : state.Mn;
        shown.phiMn = run.negated ? -phiMn : phiMn;
        shown.maxSteelStrain = model.maxSteelStrain;
    }
    model.pureBendingValid = true;
}

} // namespace

void computeSectionSummary(ProjectModel& model) {
    computeAxialLimits(model);
    for (int i = 1; i <= model.numLoads && i <= kMaxLoads; ++i) {
        checkLoadCombination(model, i);
    }
    if (model.numBars > 0) {
        computePureBending(model);
    } else {
        // No bars, no pure-bending strength: what the model holds is an earlier section's.
        model.pureBendingValid = false;
    }
    ++model.summaryCount;
}

} // namespace pmsect
