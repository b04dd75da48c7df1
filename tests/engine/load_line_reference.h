// The check ratio of a load by brute force, a reference for the load check's search: every
// neutral-axis angle of a one-degree scan (a hundredth of a degree near the load's line), at each
// every depth (a log grid from 0.001 to 1e6 in,
// then bisected) that puts the state on the plane through the load's line square to the
// moment's own plane, on the load's side; where the state's moment passes the load's between
// two angles, the angle bisected to single precision. The outermost such point of the ray
// governs, and the ratio is 1 / (phi lambda) for the point lambda times the load.
#pragma once

#include "engine/neutral_axis_frame.h"
#include "engine/strain_compat.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace pmsect::test {

class LoadLineReference {
public:
    // Pu kips, Mux and Muy kip-ft, not both zero.
    LoadLineReference(const EngineInputs& inputs, double Pu, double Mux, double Muy)
        : inputs_(inputs), moment_(std::hypot(Mux, Muy) * 12), ux_(Mux * 12 / moment_),
          uy_(Muy * 12 / moment_), norm_(std::hypot(Pu, moment_)), dP_(Pu / norm_),
          dM_(moment_ / norm_) {}

    // Nothing when no point of the surface lies on the ray.
    std::optional<double> ratio() const {
        std::optional<Crossing> best;
        std::vector<Crossing> last = crossingsAt(0);
        for (int k = 1; k <= 360; ++k) {
            std::vector<Crossing> here = crossingsAt(static_cast<float>(k));
            scan(static_cast<float>(k - 1), static_cast<float>(k), last, here, best);
            last = std::move(here);
        }
        if (!best) {
            return std::nullopt;
        }
        return 1 / (best->phi * best->lambda);
    }

private:
    struct Crossing {
        float angle, c;
        double miss, lambda, phi; // miss: the state's turn from the load's line, radians
    };

    // Each interval near the line is split in ten, down to a hundredth of a degree.
    static constexpr int kSplits = 10;
    static constexpr float kFinest = 0.0101f; // degrees
    // The fastest a crossing turns with the neutral axis, radians per degree (a T section's
    // folds turn about 0.25): an interval whose crossings are turned further than this allows
    // from the line cannot reach it.
    static constexpr double kTurnRate = 0.5;
    // Crossings turned from the load's line by less than this (radians) are paired.
    static constexpr double kNearTurn = 0.3;
    // A state turned from the load's line by less than this (radians) is on it.
    static constexpr double kSettledTurn = 1e-4;

    static bool nearTheLine(const std::vector<Crossing>& crossings, double turn) {
        return std::any_of(crossings.begin(), crossings.end(),
                           [&](const Crossing& x) { return std::fabs(x.miss) < turn; });
    }

    // The moment's direction need not turn steadily with the neutral axis: a fold of the surface
    // may hold a branch that is born and dies between two angles. Where a crossing at either end
    // could reach the line, or a branch begins or ends, the interval is split, down to
    // hundredths of a degree, so that every crossing of a fold is found.
    void scan(float from, float to, const std::vector<Crossing>& atFrom,
              const std::vector<Crossing>& atTo, std::optional<Crossing>& best) const {
        const double reach = kTurnRate * (to - from);
        const bool split =
            to - from > kFinest && (nearTheLine(atFrom, reach) || nearTheLine(atTo, reach) ||
                                    atFrom.size() != atTo.size());
        if (!split) {
            keepOutermost(atFrom, atTo, best);
            return;
        }
        std::vector<Crossing> previous = atFrom;
        float previousAngle = from;
        for (int j = 1; j <= kSplits; ++j) {
            const float angle = j == kSplits ? to : from + (to - from) * j / kSplits;
            std::vector<Crossing> next = j == kSplits ? atTo : crossingsAt(angle);
            scan(previousAngle, angle, previous, next, best);
            previous = std::move(next);
            previousAngle = angle;
        }
    }

    // Every pair of crossings of one branch (depths alike) between which the moment passes the
    // load's, bisected; the outermost kept.
    void keepOutermost(const std::vector<Crossing>& from, const std::vector<Crossing>& to,
                       std::optional<Crossing>& best) const {
        for (const Crossing& a : from) {
            for (const Crossing& b : to) {
                if (std::fabs(a.miss) < kNearTurn && std::fabs(b.miss) < kNearTurn &&
                    (a.miss > 0) != (b.miss > 0) && std::fabs(std::log(a.c / b.c)) < 0.7) {
                    const std::optional<Crossing> x = bisectAngle(a, b);
                    if (x && (!best || x->lambda > best->lambda)) {
                        best = x;
                    }
                }
            }
        }
    }

    double offPlane(const NeutralAxisFrame& frame, float c, Crossing* out = nullptr) const {
        NeutralAxisState s;
        s.c = c;
        SectionMoments m;
        solveNeutralAxis(inputs_, frame, s, m);
        const double along = m.Mnx * ux_ + m.Mny * uy_;
        if (out) {
            const double onLine = s.Pn * dP_ + along * dM_;
            *out = {frame.angle, c, std::atan2(m.Mnx * uy_ - m.Mny * ux_, onLine), onLine / norm_,
                    s.phi};
        }
        return s.Pn * dM_ - along * dP_;
    }

    std::vector<Crossing> crossingsAt(float angle) const {
        NeutralAxisFrame frame;
        prepareNeutralAxisFrame(inputs_, angle, frame);
        std::vector<Crossing> found;
        constexpr int kCells = 300;
        float lo = 0.001f;
        double fLo = offPlane(frame, lo);
        for (int g = 1; g <= kCells; ++g) {
            float hi = 0.001f * std::pow(1e9f, static_cast<float>(g) / kCells);
            const double fHi = offPlane(frame, hi);
            if ((fLo > 0) != (fHi > 0)) {
                float a = lo, b = hi;
                const bool aSide = fLo > 0;
                for (float mid = a + (b - a) / 2; mid > a && mid < b; mid = a + (b - a) / 2) {
                    ((offPlane(frame, mid) > 0) == aSide ? a : b) = mid;
                }
                Crossing x;
                const double off = offPlane(frame, a, &x);
                // Where a bar enters the stress block the state jumps across the plane: no
                // crossing.
                if (x.lambda > 0 && std::fabs(off) <= 1e-4 * x.lambda * norm_) {
                    found.push_back(x);
                }
            }
            lo = hi;
            fLo = fHi;
        }
        return found;
    }

    // The crossing at `angle` nearest in depth to `near`.
    std::optional<Crossing> follow(float angle, const Crossing& near) const {
        std::optional<Crossing> best;
        for (const Crossing& x : crossingsAt(angle)) {
            if (!best ||
                std::fabs(std::log(x.c / near.c)) < std::fabs(std::log(best->c / near.c))) {
                best = x;
            }
        }
        return best;
    }

    std::optional<Crossing> bisectAngle(Crossing a, Crossing b) const {
        for (float mid = a.angle + (b.angle - a.angle) / 2; mid > a.angle && mid < b.angle;
             mid = a.angle + (b.angle - a.angle) / 2) {
            const std::optional<Crossing> m = follow(mid, a);
            if (!m) {
                return std::nullopt;
            }
            ((m->miss > 0) == (a.miss > 0) ? a : b) = *m;
        }
        // Where the nearest crossing in depth jumps to another branch, the turn changes sign
        // without passing the line: no crossing.
        const Crossing& nearer = std::fabs(a.miss) < std::fabs(b.miss) ? a : b;
        if (std::fabs(nearer.miss) > kSettledTurn) {
            return std::nullopt;
        }
        return nearer;
    }

    const EngineInputs& inputs_;
    double moment_, ux_, uy_, norm_, dP_, dM_;
};

} // namespace pmsect::test
