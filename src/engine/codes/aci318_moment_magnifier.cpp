// ACI 318's moment magnifier, clause by clause. 318-05 writes M1/M2 positive in single curvature;
// from 318-08 on (318-14, 318-19) it is negative there, and the formulas carry the other sign.
#include "engine/codes/aci318_moment_magnifier.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pmsect {
namespace {

// 318-05 10.12.2, 318-19 6.2.5.1(b): 34 - 12 M1/M2 (318-05) or 34 + 12 M1/M2, never above 40.
constexpr double kBracedBase = 34;
constexpr double kBracedSlope = 12;
constexpr double kBracedCap = 40;
// 318-05 10.13.2, 318-19 6.2.5.1(a).
constexpr double kSwayLimit = 22;
// 318-05 10.12.3.1, 318-19 6.6.4.5.3a: Cm = 0.6 -+ 0.4 M1/M2; 318-05 holds it to 0.4 at least.
constexpr double kCmBase = 0.6;
constexpr double kCmSlope = 0.4;
constexpr double kCmLeast2005 = 0.4;
// 318-05 10.12.3 (10-14, 10-15), 318-19 6.6.4.4.4 (a), (b).
constexpr double kConcreteOnlyShare = 0.4;
constexpr double kConcreteWithBarsShare = 0.2;
// 318-05 10.12.3 (10-12), 318-19 6.6.4.5.2: the stiffness reduction factor.
constexpr double kStiffnessReduction = 0.75;
// 318-05 10.12.3.2, 318-19 6.6.4.5.4: M2,min = Pu (0.6 + 0.03 h), in inches.
constexpr double kMinimumEccentricity = 0.6;
constexpr double kMinimumEccentricityPerDepth = 0.03;
// 318-05 10.13.4.2, 318-19 6.6.4.6.2: the Q-based magnifier serves up to 1.5.
constexpr double kQMagnifierLimit = 1.5;
// 318-05 10.13.5: a sway column is magnified along its length when lu/r > 35/sqrt(Pu/(f'c Ag)).
constexpr double kAlongLengthConstant2005 = 35;
// 318-05 10.11.5: beyond k lu / r = 100 a second-order analysis (10.10.1) is required.
constexpr double kMethodLimit2005 = 100;
// 318-19 6.2.5.3 (318-14 6.2.6): Mu with second-order effects at most 1.4 times the first-order.
constexpr double kSecondOrderLimit = 1.4;

constexpr MagnifierClauses kClauses2005 = {
    "318-05 10.11.2",   "318-05 10.12.2, 10.13.2", "318-05 10.12.3",   "318-05 10.12.3",
    "318-05 10.12.3.1", "318-05 10.12.3",          "318-05 10.12.3.2", "318-05 10.13.4",
    "318-05 10.13.3",   "318-05 10.13.5",          "318-05 10.11.5",   ""};
constexpr MagnifierClauses kClauses2014 = {"318-14 6.2.5.1",
                                           "318-14 6.2.5",
                                           "318-14 6.6.4.4.4",
                                           "318-14 6.6.4.4.2",
                                           "318-14 6.6.4.5.3",
                                           "318-14 6.6.4.5.2",
                                           "318-14 6.6.4.5.4",
                                           "318-14 6.6.4.6.2",
                                           "318-14 6.6.4.6.1",
                                           "318-14 6.6.4.6.4",
                                           "",
                                           "318-14 6.2.6"};
constexpr MagnifierClauses kClauses2019 = {"318-19 6.2.5.2",
                                           "318-19 6.2.5.1",
                                           "318-19 6.6.4.4.4",
                                           "318-19 6.6.4.4.2",
                                           "318-19 6.6.4.5.3",
                                           "318-19 6.6.4.5.2",
                                           "318-19 6.6.4.5.4",
                                           "318-19 6.6.4.6.2",
                                           "318-19 6.6.4.6.1",
                                           "318-19 6.6.4.6.4",
                                           "",
                                           "318-19 6.2.5.3"};

class Aci318MomentMagnifier final : public MomentMagnifierRules {
public:
    explicit constexpr Aci318MomentMagnifier(DesignCode edition) : edition_(edition) {}

    double endMomentRatio(double singleCurvaturePositive) const override {
        return positiveInSingleCurvature() ? singleCurvaturePositive : -singleCurvaturePositive;
    }

    double bracedLimit(double m1OverM2) const override {
        const double sign = positiveInSingleCurvature() ? -1.0 : 1.0;
        return std::min(kBracedBase + sign * kBracedSlope * m1OverM2, kBracedCap);
    }

    double swayLimit() const override { return kSwayLimit; }

    double factorCm(double m1OverM2) const override {
        if (positiveInSingleCurvature()) {
            return std::max(kCmBase + kCmSlope * m1OverM2, kCmLeast2005);
        }
        return kCmBase - kCmSlope * m1OverM2;
    }

    double effectiveStiffness(bool withBars, double EcIg, double EsIse,
                              double beta) const override {
        const double EI =
            withBars ? kConcreteWithBarsShare * EcIg + EsIse : kConcreteOnlyShare * EcIg;
        return EI / (1 + beta);
    }

    double stiffnessReduction() const override { return kStiffnessReduction; }

    double minimumMoment(double Pu, double h) const override {
        return Pu * (kMinimumEccentricity + kMinimumEccentricityPerDepth * h);
    }

    // 318-05 10.13.4.2 (10-20), 318-19 6.6.4.6.2(a): delta_s = 1 / (1 - Q) >= 1.
    double swayMagnifierFromQ(double Q) const override {
        return Q < 1 ? std::max(1.0, 1 / (1 - Q)) : std::numeric_limits<double>::infinity();
    }
    double swayMagnifierFromQLimit() const override { return kQMagnifierLimit; }

    // 318-05 10.13.4.3 (10-21), 318-19 6.6.4.6.2(b): 1 / (1 - sum Pu / (0.75 sum Pc)) >= 1.
    std::optional<double> swayMagnifierFromStorey(double sumPu, double sumPc) const override {
        const double share = sumPu / (kStiffnessReduction * sumPc);
        if (!(share < 1)) {
            return std::nullopt;
        }
        return std::max(1.0, 1 / (1 - share));
    }

    // From 318-08 on every column of a sway storey is magnified along its length (318-19
    // 6.6.4.6.4); 318-05 10.13.5 only when lu/r exceeds 35 / sqrt(Pu / (f'c Ag)).
    bool magnifiesSwayColumnAlongLength(double luOverR, double Pu, double fpc,
                                        double Ag) const override {
        if (edition_ != DesignCode::Aci318_05) {
            return true;
        }
        const double share = Pu * 1000 / (fpc * Ag);
        return share > 0 && luOverR > kAlongLengthConstant2005 / std::sqrt(share);
    }

    std::optional<double> methodSlendernessLimit() const override {
        if (edition_ == DesignCode::Aci318_05) {
            return kMethodLimit2005;
        }
        return std::nullopt;
    }

    std::optional<double> secondOrderLimit() const override {
        if (edition_ == DesignCode::Aci318_05) {
            return std::nullopt;
        }
        return kSecondOrderLimit;
    }

    const MagnifierClauses& clauses() const override {
        switch (edition_) {
        case DesignCode::Aci318_05:
            return kClauses2005;
        case DesignCode::Aci318_14:
            return kClauses2014;
        case DesignCode::Aci318_19:
            return kClauses2019;
        }
        return kClauses2005;
    }

private:
    bool positiveInSingleCurvature() const { return edition_ == DesignCode::Aci318_05; }

    DesignCode edition_;
};

const Aci318MomentMagnifier kMagnifier05(DesignCode::Aci318_05);
const Aci318MomentMagnifier kMagnifier14(DesignCode::Aci318_14);
const Aci318MomentMagnifier kMagnifier19(DesignCode::Aci318_19);

} // namespace

const MomentMagnifierRules& aci318MomentMagnifier(DesignCode edition) {
    switch (edition) {
    case DesignCode::Aci318_05:
        return kMagnifier05;
    case DesignCode::Aci318_14:
        return kMagnifier14;
    case DesignCode::Aci318_19:
        return kMagnifier19;
    }
    return kMagnifier05;
}

} // namespace pmsect
