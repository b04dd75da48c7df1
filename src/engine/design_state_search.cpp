// The design state at an axial force by bracketing: a scan of depths and bisection for phi*Pn at
// each neutral-axis angle, then a scan of angles and bisection for the direction of the moment.
#include "engine/design_state_search.h"

#include "engine/neutral_axis_frame.h"
#include "engine/strength_reduction.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace pmsect {
namespace {

constexpr float kMinDepth = 0.001f;
// The depth scan steps by 10 %, from half a tenth of an inch: several steps across the
// transition zone, whose depths span a factor of about 1.6.
constexpr double kFirstScanDepth = 0.05;
constexpr double kScanFactor = 1.1;
// Twenty section sizes deep every bar has yielded in compression and the stress block covers the
// section: nothing changes any more.
constexpr double kDeepestInSectionSizes = 20;
constexpr int kDepthBisections = 60;
constexpr int kAngleScanSteps = 288;
constexpr int kAngleBisections = 40;
constexpr double kAngleTolerance = 0.01; // degrees between the moment and the direction asked
// The largest turn of the moment (degrees) between two neighbouring angles that is taken for a
// jump of the state along the contour, not a change to another part of it.
constexpr double kBridgedJump = 10;

struct Evaluation {
    float c = 0;
    float Pn = 0;
    float Mnx = 0;
    float Mny = 0;
    float phi = 0;
    float netTensileStrain = 0;
    double phiPn() const { return static_cast<double>(phi) * Pn; }
    double designMoment() const {
        return phi * std::hypot(static_cast<double>(Mnx), static_cast<double>(Mny));
    }
};

class AngleLevel {
public:
    AngleLevel(const EngineInputs& inputs, const AxialLimits& limits, float angle, float P)
        : inputs_(inputs), limits_(limits), P_(P) {
        prepareNeutralAxisFrame(inputs, limits, angle, frame_);
    }

    // Every depth whose phi*Pn is P, the state of each.
    std::vector<Evaluation> states() {
        std::vector<Evaluation> out;
        const double tolerance = kDesignForceShare * std::fabs(limits_.Po / 1000.0);
        const double compressionStrain = strainLimits(inputs_).compression;
        const double deepest = kDeepestInSectionSizes *
                               std::max({1.0f, inputs_.section.extentX, inputs_.section.extentY});
        Evaluation prev = at(kMinDepth);
        if (miss(prev) <= 0 && miss(prev) >= -tolerance) {
            out.push_back(prev); // the tension end itself
        }
        for (double c = kFirstScanDepth; c <= deepest; c *= kScanFactor) {
            const Evaluation cur = at(static_cast<float>(c));
            const bool curCompressionControlled = cur.netTensileStrain <= compressionStrain;
            if ((miss(prev) > 0) != (miss(cur) > 0)) {
                const Evaluation root = bisect(prev, cur);
                if (std::fabs(miss(root)) <= tolerance) {
                    out.push_back(root);
                }
            }
            // Past the compression-controlled limit phi no longer changes (or caps phi*Pn),
            // and Pn only grows in compression: phi*Pn cannot come back up to P.
            if (miss(cur) <= 0 && curCompressionControlled) {
                break;
            }
            prev = cur;
        }
        return out;
    }

private:
    Evaluation at(float c) {
        NeutralAxisState state;
        state.c = c;
        SectionMoments moments;
        solveNeutralAxis(inputs_, frame_, state, moments);
        return {state.c, state.Pn, moments.Mnx, moments.Mny, state.phi, state.netTensileStrain};
    }

    double miss(const Evaluation& e) const { return e.phiPn() - P_; }

    Evaluation bisect(Evaluation a, Evaluation b) {
        const bool aAbove = miss(a) > 0;
        for (int i = 0; i < kDepthBisections; ++i) {
            const float mid = a.c + (b.c - a.c) / 2;
            if (mid <= a.c || mid >= b.c) {
                break; // neighbouring floats
            }
            const Evaluation m = at(mid);
            if ((miss(m) > 0) == aAbove) {
                a = m;
            } else {
                b = m;
            }
        }
        return std::fabs(miss(a)) <= std::fabs(miss(b)) ? a : b;
    }

    const EngineInputs& inputs_;
    const AxialLimits& limits_;
    float P_;
    NeutralAxisFrame frame_;
};

struct AngleSample {
    float angle = 0;
    bool valid = false;
    Evaluation state; // the one with the smallest design moment at this angle
};

AngleSample sampleAt(const EngineInputs& inputs, const AxialLimits& limits, float angle, float P) {
    AngleSample s;
    s.angle = angle;
    const std::vector<Evaluation> states = AngleLevel(inputs, limits, angle, P).states();
    const auto smallest =
        std::min_element(states.begin(), states.end(), [](const auto& a, const auto& b) {
            return a.designMoment() < b.designMoment();
        });
    if (smallest != states.end()) {
        s.valid = true;
        s.state = *smallest;
    }
    return s;
}

// Signed angle in degrees from the direction (dirY, dirX) to the moment (Mny, Mnx), in
// (-180, 180]; nothing for a moment of zero, which points nowhere.
std::optional<double> angleFrom(double dirX, double dirY, const Evaluation& e) {
    if (e.Mnx == 0 && e.Mny == 0) {
        return std::nullopt;
    }
    const double cross = dirY * e.Mnx - dirX * e.Mny;
    const double dot = dirY * e.Mny + dirX * e.Mnx;
    return std::atan2(cross, dot) * 180.0 / std::numbers::pi;
}

} // namespace

DesignForceReach designForceReach(const AxialLimits& limits, float P) {
    const double tolerance = kDesignForceShare * std::fabs(limits.Po / 1000.0);
    if (P < limits.phiPnMax / 1000.0 - tolerance) {
        return DesignForceReach::BeyondCompression;
    }
    if (P > limits.phiTnMax / 1000.0 + tolerance) {
        return DesignForceReach::BeyondTension;
    }
    return DesignForceReach::Within;
}

struct DesignStateSearch::Samples {
    std::vector<AngleSample> scan;
};

DesignStateSearch::DesignStateSearch(const EngineInputs& inputs, float P)
    : inputs_(inputs), limits_(axialLimits(inputs)), P_(P) {}

DesignStateSearch::~DesignStateSearch() = default;

std::optional<SurfacePoint> DesignStateSearch::inDirection(float Mx, float My) {
    const double norm = std::hypot(static_cast<double>(Mx), static_cast<double>(My));
    if (!(norm > 0) || !std::isfinite(norm) ||
        designForceReach(limits_, P_) != DesignForceReach::Within) {
        return std::nullopt;
    }
    // A force just beyond a limit, but within the tolerance, is searched at the limit.
    const float P = std::clamp(P_, static_cast<float>(limits_.phiPnMax / 1000.0),
                               static_cast<float>(limits_.phiTnMax / 1000.0));
    if (!samples_) {
        samples_ = std::make_unique<Samples>();
        for (int k = 0; k <= kAngleScanSteps; ++k) {
            samples_->scan.push_back(
                sampleAt(inputs_, limits_, static_cast<float>(k * 360.0 / kAngleScanSteps), P));
        }
    }
    const double dirX = Mx / norm;
    const double dirY = My / norm;
    const auto missOf = [&](const AngleSample& s) {
        return s.valid ? angleFrom(dirX, dirY, s.state) : std::nullopt;
    };

    std::optional<SurfacePoint> best;
    double bestMoment = 0;
    const auto consider = [&](float angle, const Evaluation& e, double rootMiss) {
        const double along = e.phi * (dirX * e.Mnx + dirY * e.Mny);
        if (std::fabs(rootMiss) > kAngleTolerance || along <= 0) {
            return; // a jump between two states, not a root
        }
        if (!best || along < bestMoment) {
            bestMoment = along;
            best = SurfacePoint{angle, e.c, e.Pn, e.Mnx, e.Mny, e.phi};
        }
    };
    const std::vector<AngleSample>& scan = samples_->scan;
    // A scanned angle may itself be the root: at 0 and 360 degrees, which round differently, the
    // miss can change sign between the two ends of the turn.
    for (const AngleSample& s : scan) {
        if (const auto m = missOf(s)) {
            consider(s.angle, s.state, *m);
        }
    }
    for (std::size_t k = 0; k + 1 < scan.size(); ++k) {
        AngleSample a = scan[k];
        AngleSample b = scan[k + 1];
        auto ma = missOf(a);
        auto mb = missOf(b);
        // A root lies where the miss changes sign the short way, through 0; the long way it
        // wraps round through 180 degrees. Near the origin the moment turns fast, so a root can
        // lie between two angles whose misses are large.
        if (!ma || !mb || (*ma > 0) == (*mb > 0) || std::fabs(*ma - *mb) >= 180) {
            continue;
        }
        for (int i = 0; i < kAngleBisections; ++i) {
            const float mid = a.angle + (b.angle - a.angle) / 2;
            if (mid <= a.angle || mid >= b.angle) {
                break;
            }
            const AngleSample m = sampleAt(inputs_, limits_, mid, P);
            const auto mm = missOf(m);
            if (!mm) {
                break;
            }
            if ((*mm > 0) == (*ma > 0)) {
                a = m;
                ma = mm;
            } else {
                b = m;
                mb = mm;
            }
        }
        const bool aCloser = std::fabs(*ma) <= std::fabs(*mb);
        const AngleSample& closer = aCloser ? a : b;
        if (std::fabs(aCloser ? *ma : *mb) <= kAngleTolerance ||
            !(std::fabs(*ma - *mb) <= kBridgedJump)) {
            consider(closer.angle, closer.state, aCloser ? *ma : *mb);
            continue;
        }
        // Two neighbouring angles whose states lie a little apart: a bar entering the stress
        // block takes its area out of the block at once, so the depth for phi*Pn = P jumps
        // there. The contour runs straight from one state to the other; the point on that chord
        // in this direction keeps the phi and the force of the nearer state.
        const double t = *ma / (*ma - *mb);
        Evaluation bridged = closer.state;
        const auto design = [t](const Evaluation& from, const Evaluation& to, auto member) {
            const double f = from.phi * static_cast<double>(from.*member);
            return f + t * (to.phi * static_cast<double>(to.*member) - f);
        };
        bridged.Mnx =
            static_cast<float>(design(a.state, b.state, &Evaluation::Mnx) / closer.state.phi);
        bridged.Mny =
            static_cast<float>(design(a.state, b.state, &Evaluation::Mny) / closer.state.phi);
        const auto bridgedMiss = angleFrom(dirX, dirY, bridged);
        consider(closer.angle, bridged, bridgedMiss.value_or(180.0));
    }
    return best;
}

} // namespace pmsect
