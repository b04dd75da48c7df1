// What a design code decides about the strength of a section, behind one interface: the concrete
// law, the steel law, the strength reduction factor phi and its strain limits, the axial limits
// and the level the interaction curve places its first points at, the code's warnings, its
// moment magnifier for slender columns, and its name. The engine knows no code's numbers; it asks
// here.
#pragma once

#include "engine/codes/moment_magnifier_rules.h"
#include "engine/materials.h"
#include "model/confinement.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// The concrete at the strength limit: strains linear over the depth up to `limitingStrain` at
// the extreme compression fibre, no tension, and a uniform stress of stressFactor * f'c over the
// depth depthFactor * c below that fibre.
struct StressBlock {
    double limitingStrain;
    double stressFactor;
    float depthFactor; // beta1 in ACI 318
};

// Elastic-perfectly-plastic steel: stress = Es * strain, within +-yield.
struct SteelLaw {
    double modulus; // psi
    double yield;   // psi, the design yield strength
    double stress(double strain) const {
        double fs = strain * modulus;
        fs = fs < -yield ? -yield : fs;
        return fs > yield ? yield : fs;
    }
};

// The net tensile strains that bound the transition of phi: at or below `compression` a section
// is compression-controlled, beyond `tension` tension-controlled.
struct StrainLimits {
    double compression;
    double tension;
};

// phi at both ends of the transition and the cap on design compression, as factors of Po.
struct StrengthFactors {
    float phiCompression;
    float phiTension;
    float pnMaxFactor; // phi*Pn(max) = pnMaxFactor * phiCompression * Po
};

// The section's axial limits in lb, compression negative, and the axial force the interaction
// curve takes as the first of its levels.
struct AxialLimits {
    float steelArea = 0; // in^2
    float Po = 0;
    float phiPnMax = 0;
    float To = 0;
    float phiTnMax = 0;
    float curveLevel = 0;
};

class DesignCodeRules {
public:
    virtual ~DesignCodeRules() = default;

    // The code as outputs and titles name it.
    virtual std::string_view name() const = 0;

    virtual StressBlock stressBlock(float fpc) const = 0;
    // The modulus of normal-weight or lightweight concrete, psi.
    virtual int32_t concreteModulus(float unitWt, float fpc) const = 0;
    virtual SteelLaw steelLaw(const Materials& materials) const = 0;

    virtual StrengthFactors strengthFactors(Confinement confinement) const = 0;
    virtual StrainLimits strainLimits(const Materials& materials) const = 0;
    // phi for the net tensile strain of the extreme tension steel (positive in tension).
    virtual float strengthReductionFactor(const Materials& materials, Confinement confinement,
                                          float netTensileStrain) const = 0;

    // grossArea and steelArea in in^2.
    virtual AxialLimits axialLimits(const Materials& materials, Confinement confinement,
                                    float grossArea, float steelArea) const = 0;

    // Inputs the strength method computes with but a design may not rely on, as warning lines,
    // in a fixed order; empty when there are none.
    virtual std::vector<std::string> warnings(const Materials& materials) const = 0;

    // The code's moment magnifier method for slender columns.
    virtual const MomentMagnifierRules& momentMagnifier() const = 0;
};

} // namespace pmsect
