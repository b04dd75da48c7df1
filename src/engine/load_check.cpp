// The design strength of a factored load on its own load line, and the check ratio.
#include "engine/load_check.h"

#include "engine/load_line_search.h"
#include "engine/ray_capacity.h"
#include "engine/shortened_pi.h"

#include <cmath>

namespace pmsect {
namespace {

struct Capacity {
    bool found = false;
    float Pn = 0;  // kips
    float Mnx = 0; // kip-in, signs free (only magnitudes are kept)
    float Mny = 0;
    float phi = 0;
};

// The search on the load's line, with P = 0 for a load without axial force, whose (Mx, My)
// then gives only the direction.
Capacity capacityOnLine(const EngineInputs& inputs, float P, float Mx, float My,
                        LoadLineScan scan = LoadLineScan::ConvergingOnly) {
    Capacity cap;
    const auto line = searchCapacityOnLoadLine(inputs, P, Mx, My, scan);
    if (!line) {
        return cap;
    }
    cap.found = true;
    cap.Pn = line->Pn;
    cap.Mnx = line->Mnx;
    cap.Mny = line->Mny;
    cap.phi = line->phi;
    return cap;
}

// Bracketing on the load's ray, for the loads the converging search cannot settle.
Capacity capacityOnRay(const EngineInputs& inputs, float Pu, float Mux, float Muy) {
    Capacity cap;
    const auto ray = capacityOnLoadRay(inputs, Pu, static_cast<float>(Mux * 12.0),
                                       static_cast<float>(Muy * 12.0));
    if (!ray || !(ray->lambda > 0)) {
        return cap;
    }
    cap.found = true;
    cap.phi = ray->point.phi;
    cap.Pn = static_cast<float>(static_cast<double>(ray->lambda) * Pu);
    cap.Mnx = static_cast<float>(static_cast<double>(ray->lambda) * Mux * 12.0);
    cap.Mny = static_cast<float>(static_cast<double>(ray->lambda) * Muy * 12.0);
    return cap;
}

// A compression load whose ray passes the level of phi*Pn(max) inside the surface meets the
// surface beyond it, where the reduced strength is held to phi*Pn(max) whatever the state: phi
// there is at least that of compression control. The capacity is then the point of the ray at
// that level, reduced by that phi. Near the squash load of an unsymmetric section the search on
// the load's line can miss such a ray, which passes close by the squash point.
Capacity capacityAtTheAxialCap(const EngineInputs& inputs, const AxialLimits& limits, float Pu,
                               float Mux, float Muy) {
    Capacity cap;
    const float phi = inputs.code->strengthFactors(inputs.confinement).phiCompression;
    if (!(Pu < 0) || !(phi > 0)) {
        return cap;
    }
    const double level = limits.phiPnMax / 1000.0 / phi; // kips, negative
    const double lambda = level / Pu;
    const double Mx = Mux * 12.0;
    const double My = Muy * 12.0;
    const auto surface = capacityInDirection(inputs, static_cast<float>(level),
                                             static_cast<float>(Mx), static_cast<float>(My));
    if (!surface || lambda * std::hypot(Mx, My) > std::hypot<double>(surface->Mnx, surface->Mny)) {
        return cap;
    }
    cap.found = true;
    cap.phi = phi;
    cap.Pn = static_cast<float>(level);
    cap.Mnx = static_cast<float>(lambda * Mx);
    cap.Mny = static_cast<float>(lambda * My);
    return cap;
}

float withSignOf(float magnitude, float sign) {
    return sign < 0 ? -magnitude : magnitude;
}

} // namespace

float momentDirection(float Mux, float Muy) {
    double a = std::atan(static_cast<double>(Mux) / Muy) * 180.0 / kShortPi;
    if (a > 0 && Muy < 0) {
        a += 180;
    }
    if (a < 0) {
        a += 360;
        if (Muy < 0) {
            a -= 180;
        }
    }
    return static_cast<float>(a);
}

namespace {

LoadResult checkOnMoments(const EngineInputs& inputs, const AxialLimits& limits, float Pu,
                          float Mux, float Muy) {
    LoadResult result;

    Capacity cap;
    if (Pu != 0) {
        const float ex = static_cast<float>(-static_cast<double>(Muy) * 12.0 / Pu);
        const float ey = static_cast<float>(-static_cast<double>(Mux) * 12.0 / Pu);
        float e = static_cast<float>(
            std::sqrt(static_cast<double>(ex) * ex + static_cast<double>(ey) * ey));
        if (Pu > 0) {
            e = -e;
        }
        result.eccentricity = e;
        if (std::fabs(e) <= 0.01f) {
            // A concentric load: the axial limits themselves, with their own reduction.
            result.angle = 0;
            cap.found = true;
            cap.Pn = static_cast<float>((Pu < 0 ? limits.Po : limits.To) / 1000.0);
            const float design =
                static_cast<float>((Pu < 0 ? limits.phiPnMax : limits.phiTnMax) / 1000.0);
            cap.phi = cap.Pn != 0 ? design / cap.Pn : 0.0f;
        } else {
            if (std::fabs(Mux) >= 0.001f && std::fabs(Muy) >= 0.001f) {
                result.angle = momentDirection(Mux, Muy);
            } else if (std::fabs(Mux) >= 0.001f) {
                result.angle = Mux > 0 ? 90.0f : 270.0f;
            } else {
                result.angle = Muy > 0 ? 0.0f : 180.0f;
            }
            cap = capacityOnLine(inputs, Pu, static_cast<float>(Mux * 12.0),
                                 static_cast<float>(Muy * 12.0));
            if (!cap.found) {
                cap = capacityAtTheAxialCap(inputs, limits, Pu, Mux, Muy);
            }
            if (!cap.found) {
                cap = capacityOnLine(inputs, Pu, static_cast<float>(Mux * 12.0),
                                     static_cast<float>(Muy * 12.0), LoadLineScan::EveryCrossing);
            }
            if (!cap.found) {
                cap = capacityOnRay(inputs, Pu, Mux, Muy);
            }
        }
    } else {
        result.eccentricity = 10000; // stands for an infinite eccentricity
        float alpha = 0;
        if (Mux != 0 && Muy != 0) {
            alpha = momentDirection(Mux, Muy);
        } else if (Mux != 0) {
            alpha = Mux < 0 ? 270.0f : 90.0f;
        } else {
            alpha = Muy <= 0 ? 180.0f : 0.0f;
        }
        result.angle = alpha;
        if (Mux == 0 && Muy == 0) {
            // No load at all passes whatever the capacity; the capacity is still shown, that of
            // its direction of 180 degrees (-My) exactly, as the summary's pure-bending line.
            cap = capacityOnLine(inputs, 0, 0, -1);
            cap.found = true;
            cap.Mnx = 0;
        } else {
            // The capacity along the load's own moment direction.
            cap = capacityOnLine(inputs, 0, Mux, Muy);
            if (!cap.found) {
                cap = capacityOnLine(inputs, 0, Mux, Muy, LoadLineScan::EveryCrossing);
            }
            if (!cap.found) {
                cap = capacityOnRay(inputs, 0, Mux, Muy);
            }
            if (Mux == 0) {
                cap.Mnx = 0;
            }
            if (Muy == 0) {
                cap.Mny = 0;
            }
        }
    }

    if (!cap.found) {
        result.capacityFound = false;
        return result;
    }
    result.phiPn = static_cast<float>(static_cast<double>(cap.phi) * cap.Pn);
    result.phiMnx = withSignOf(
        static_cast<float>(std::fabs(static_cast<double>(cap.Mnx)) * cap.phi / 12.0), Mux);
    result.phiMny = withSignOf(
        static_cast<float>(std::fabs(static_cast<double>(cap.Mny)) * cap.phi / 12.0), Muy);
    float ratio = 0;
    if (result.phiPn != 0) {
        ratio = static_cast<float>(static_cast<double>(Pu) / result.phiPn);
    }
    if (result.phiMnx != 0 && static_cast<double>(Mux) / result.phiMnx > ratio) {
        ratio = static_cast<float>(static_cast<double>(Mux) / result.phiMnx);
    }
    if (result.phiMny != 0 && static_cast<double>(Muy) / result.phiMny > ratio) {
        ratio = static_cast<float>(static_cast<double>(Muy) / result.phiMny);
    }
    result.ratio = ratio;
    return result;
}

} // namespace

std::optional<LoadMagnification> magnificationOf(const EngineInputs& inputs,
                                                 const LoadInput& load) {
    if (!inputs.slenderness) {
        return std::nullopt;
    }
    return magnifyLoad(*inputs.slenderness, inputs.code->momentMagnifier(), load.Pu, load.Mux,
                       load.Muy, load.ends);
}

CheckedLoad checkLoadCombination(const EngineInputs& inputs, const AxialLimits& limits,
                                 const LoadInput& load) {
    CheckedLoad checked{load, {}, magnificationOf(inputs, load)};
    if (!checked.magnification) {
        checked.result = checkOnMoments(inputs, limits, load.Pu, load.Mux, load.Muy);
    } else if (checked.magnification->noStableMagnifier()) {
        checked.result.capacityFound = false;
    } else {
        checked.result = checkOnMoments(inputs, limits, load.Pu,
                                        static_cast<float>(*checked.magnification->x.Mc),
                                        static_cast<float>(*checked.magnification->y.Mc));
    }
    return checked;
}

} // namespace pmsect
