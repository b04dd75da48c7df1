// ACI 318-05, 318-14 and 318-19, clause by clause. Each number is written in the precision the
// program has always computed it in (the factors in single precision, the strains and the stress
// factor in double), since the results are pinned to the last digit.
#include "engine/codes/aci318.h"

#include "engine/codes/aci318_moment_magnifier.h"
#include "format/number_format.h"

#include <cmath>

namespace pmsect {
namespace {

// 318-05 10.2.3, 318-19 22.2.2.1: the maximum usable strain at the extreme compression fibre.
constexpr double kLimitingStrain = 0.003;
// 318-05 10.2.7.1, 318-19 22.2.2.4.1: 0.85 f'c uniformly over a = beta1 c.
constexpr double kStressFactor = 0.85;
// 318-05 9.3.2.2, 318-19 Table 21.2.2: phi of compression-controlled and tension-controlled
// sections; a spiral's base is 0.70 in 318-05, 0.75 from 318-14 on.
constexpr float kPhiTied = 0.65f;
constexpr float kPhiSpiral2005 = 0.70f;
constexpr float kPhiSpiralSince2014 = 0.75f;
constexpr float kPhiTension = 0.90f;
// 318-05 10.3.6, 318-19 Table 22.4.2.1: phi*Pn(max) = 0.80 phi Po with ties, 0.85 with a spiral.
constexpr float kPnMaxTied = 0.80f;
constexpr float kPnMaxSpiral = 0.85f;
// 318-05 10.3.3 and 9.3.2, 318-19 21.2.2: the strain limits of 318-05, fixed whatever the steel.
constexpr double kCompressionControlledStrain2005 = 0.002;
constexpr double kTensionControlledStrain = 0.005;
// 318-19 21.2.2.1: from 318-19 the tension-controlled limit lies 0.003 beyond the yield strain.
constexpr double kTensionControlledBeyondYield = 0.003;
// 318-05 10.3.5, 318-19 9.3.3.1: 0.10 f'c Ag, the axial compression below which a member is held
// to the flexural strain limit; the interaction curve places levels of its own down from it.
constexpr double kLowAxialShare = 0.10;

class Aci318 final : public DesignCodeRules {
public:
    explicit constexpr Aci318(DesignCode edition) : edition_(edition) {}

    std::string_view name() const override { return designCodeName(edition_); }

    StressBlock stressBlock(float fpc) const override {
        return {kLimitingStrain, kStressFactor, depthFactor(fpc)};
    }

    // 318-05 8.5.1, 318-19 19.2.2.1: Ec = 33 wc^1.5 sqrt(f'c) in psi and pcf, rounded to the
    // nearest integer with halves to even.
    int32_t concreteModulus(float unitWt, float fpc) const override {
        const double wc = unitWt;
        const double fc = fpc;
        return roundHalfEven32(33.0 * std::pow(wc, 1.5) * std::sqrt(fc < 0 ? 0.0 : fc));
    }

    // 318-05 10.2.4, 318-19 20.2.2.1: elastic-perfectly-plastic at the specified yield.
    SteelLaw steelLaw(const Materials& m) const override {
        return {static_cast<double>(m.Es), static_cast<double>(m.fy)};
    }

    StrengthFactors strengthFactors(Confinement confinement) const override {
        if (confinement == Confinement::Spiral) {
            return {edition_ == DesignCode::Aci318_05 ? kPhiSpiral2005 : kPhiSpiralSince2014,
                    kPhiTension, kPnMaxSpiral};
        }
        return {kPhiTied, kPhiTension, kPnMaxTied};
    }

    // 318-05 10.3.3/10.3.4 fix the limits at 0.002 and 0.005 whatever the steel; 318-14 Table
    // 21.2.2 starts the transition at the yield strain of the steel in use, and 318-19 Table
    // 21.2.2 also ends it at that strain plus 0.003.
    StrainLimits strainLimits(const Materials& m) const override {
        const double yieldStrain = static_cast<double>(m.fy) / m.Es;
        switch (edition_) {
        case DesignCode::Aci318_05:
            return {kCompressionControlledStrain2005, kTensionControlledStrain};
        case DesignCode::Aci318_14:
            return {yieldStrain, kTensionControlledStrain};
        case DesignCode::Aci318_19:
            return {yieldStrain, yieldStrain + kTensionControlledBeyondYield};
        }
        return {kCompressionControlledStrain2005, kTensionControlledStrain};
    }

    // 318-05 9.3.2.2, 318-19 Table 21.2.2: linear in the strain across the transition.
    float strengthReductionFactor(const Materials& m, Confinement confinement,
                                  float netTensileStrain) const override {
        const StrengthFactors f = strengthFactors(confinement);
        const StrainLimits limits = strainLimits(m);
        if (netTensileStrain > static_cast<float>(limits.tension)) {
            return f.phiTension;
        }
        if (netTensileStrain >= static_cast<float>(limits.compression)) {
            return static_cast<float>(f.phiCompression +
                                      (static_cast<double>(netTensileStrain) - limits.compression) *
                                          (static_cast<double>(f.phiTension) - f.phiCompression) /
                                          (limits.tension - limits.compression));
        }
        return f.phiCompression;
    }

    // 318-05 10.3.6, 318-19 22.4.2.2: Po = 0.85 f'c (Ag - Ast) + fy Ast; 318-19 22.4.3.1:
    // the nominal tensile strength fy Ast, reduced by the tension-controlled phi.
    AxialLimits axialLimits(const Materials& m, Confinement confinement, float grossArea,
                            float steelArea) const override {
        const StrengthFactors f = strengthFactors(confinement);
        const double As = steelArea;
        const double fpc = m.fpc;
        const double Ag = grossArea;
        AxialLimits out;
        out.steelArea = steelArea;
        out.Po = static_cast<float>(-(kStressFactor * fpc * (Ag - As) + As * m.fy));
        out.curveLevel = static_cast<float>(-kLowAxialShare * fpc * Ag);
        out.phiPnMax =
            static_cast<float>(static_cast<double>(f.pnMaxFactor) * f.phiCompression * out.Po);
        out.To = static_cast<float>(As * m.fy);
        out.phiTnMax = static_cast<float>(static_cast<double>(f.phiTension) * out.To);
        return out;
    }

    std::vector<std::string> warnings(const Materials& m) const override {
        std::vector<std::string> out;
        if (m.fy > kMaxDesignYield) {
            out.emplace_back(kHighYieldWarning);
        }
        return out;
    }

    const MomentMagnifierRules& momentMagnifier() const override {
        return aci318MomentMagnifier(edition_);
    }

private:
    // 318-05 10.2.7.3, 318-19 Table 22.2.2.4.3: 0.85 up to 4000 psi, 0.05 less per 1000 psi
    // above, never below 0.65.
    static float depthFactor(float fpc) {
        if (fpc <= 4000) {
            return 0.85f;
        }
        if (fpc < 8000) {
            return static_cast<float>(0.85 - 0.05 * (static_cast<double>(fpc) - 4000) / 1000);
        }
        return 0.65f;
    }

    DesignCode edition_;
};

const Aci318 kAci318_05(DesignCode::Aci318_05);
const Aci318 kAci318_14(DesignCode::Aci318_14);
const Aci318 kAci318_19(DesignCode::Aci318_19);

} // namespace

const DesignCodeRules& aci318Rules(DesignCode edition) {
    switch (edition) {
    case DesignCode::Aci318_05:
        return kAci318_05;
    case DesignCode::Aci318_14:
        return kAci318_14;
    case DesignCode::Aci318_19:
        return kAci318_19;
    }
    return kAci318_05;
}

} // namespace pmsect
