// The trials of an angle search, kept so that a search caught in a cycle can stop early with the
// very state its bound on trials would have stopped it on.
#pragma once

#include "engine/neutral_axis_state.h"

#include <bit>
#include <cstdint>
#include <vector>

namespace pmsect {

// All that an angle search carries from one trial to the next, taken where a trial begins.
struct AngleTrial {
    float alpha = 0;  // neutral-axis angle, degrees
    float step = 0;   // the next turn of the neutral axis
    float miss = 0;   // target angle less the load angle
    float target = 0; // the e or Pn the last depth search reached
    NeutralAxisState state;
    bool reached = false; // the last depth search met its target
};

// The inputs do not change during a search, so a trial is a function of the trial before it
// alone: once one repeats an earlier trial bit for bit, the
// search runs round the same cycle, without converging, until its bound. Brent's method finds
// such a repeat comparing each trial with one kept trial only.
class TrialCycle {
public:
    // Keeps trial number `trial` (1, 2, ... in turn). When it repeats an earlier one, returns the
    // trial the search would stand at when it reached trial number `bound`; else nullptr.
    const AngleTrial* record(int trial, const AngleTrial& t, int bound) {
        trials_.push_back(t);
        if (trial > anchor_ && same(t, trials_[static_cast<std::size_t>(anchor_ - 1)])) {
            const int period = trial - anchor_;
            const int landing = anchor_ + (bound - anchor_) % period;
            return &trials_[static_cast<std::size_t>(landing - 1)];
        }
        if (trial - anchor_ == power_) {
            anchor_ = trial;
            power_ *= 2;
        }
        return nullptr;
    }

private:
    static bool same(float a, float b) {
        return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b);
    }
    static bool same(const AngleTrial& a, const AngleTrial& b) {
        return same(a.alpha, b.alpha) && same(a.step, b.step) && same(a.miss, b.miss) &&
               same(a.target, b.target) && same(a.state.c, b.state.c) &&
               same(a.state.Pn, b.state.Pn) && same(a.state.Mn, b.state.Mn) &&
               same(a.state.loadAngle, b.state.loadAngle) && same(a.state.phi, b.state.phi) &&
               same(a.state.netTensileStrain, b.state.netTensileStrain) && a.reached == b.reached;
    }

    std::vector<AngleTrial> trials_; // trials_[i] is trial i + 1
    int anchor_ = 1;
    int power_ = 1;
};

} // namespace pmsect
