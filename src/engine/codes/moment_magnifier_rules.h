// What a design code decides in the moment magnifier method for slender columns: when slenderness
// may be neglected, the sign of the end-moment ratio, Cm, the effective stiffness, the stiffness
// reduction, the minimum moment, the sway magnifier and the limits of the method. The engine's
// magnifier (engine/moment_magnifier.h) strings these steps together and knows no edition.
#pragma once

#include <optional>
#include <string_view>

namespace pmsect {

// The clause each step comes from, as the outputs cite it.
struct MagnifierClauses {
    std::string_view radiusOfGyration;
    std::string_view neglectLimit;
    std::string_view stiffness;
    std::string_view criticalLoad;
    std::string_view factorCm;
    std::string_view deltaNs;
    std::string_view minimumMoment;
    std::string_view deltaS;
    std::string_view swayEndMoments;
    std::string_view alongLength;
    std::string_view methodLimit;
    std::string_view secondOrderLimit;
};

class MomentMagnifierRules {
public:
    virtual ~MomentMagnifierRules() = default;

    // M1/M2 in the edition's sign from the smaller end moment over the larger, both in the
    // moment-diagram sign of analysis output (positive in single curvature).
    virtual double endMomentRatio(double singleCurvaturePositive) const = 0;
    // k lu / r at or below which a braced column's slenderness may be neglected, for the edition's
    // M1/M2; and the same for a column of a sway storey.
    virtual double bracedLimit(double m1OverM2) const = 0;
    virtual double swayLimit() const = 0;
    // The factor relating the actual moment diagram to an equivalent uniform one, without loads
    // between the supports, for the edition's M1/M2.
    virtual double factorCm(double m1OverM2) const = 0;
    // The effective stiffness EI, kip-in^2, from Ec Ig and, withBars, Es Ise (kip-in^2), for the
    // sustained share beta of the axial force.
    virtual double effectiveStiffness(bool withBars, double EcIg, double EsIse,
                                      double beta) const = 0;
    // The stiffness reduction factor in 1 - Pu / (phiK Pc).
    virtual double stiffnessReduction() const = 0;
    // The least moment M2 a braced column is designed for, kip-in, for Pu (kips) and h (in).
    virtual double minimumMoment(double Pu, double h) const = 0;
    // The sway magnifier from the stability index, and the largest value it may be used up to
    // before the storey's sums must give it.
    virtual double swayMagnifierFromQ(double Q) const = 0;
    virtual double swayMagnifierFromQLimit() const = 0;
    // The sway magnifier from the storey's sum of Pu and sum of Pc; nothing when the storey is
    // unstable.
    virtual std::optional<double> swayMagnifierFromStorey(double sumPu, double sumPc) const = 0;
    // Whether a column of a sway storey is magnified along its length as a braced one, given
    // lu / r, Pu (kips), f'c (psi) and Ag (in^2).
    virtual bool magnifiesSwayColumnAlongLength(double luOverR, double Pu, double fpc,
                                                double Ag) const = 0;
    // k lu / r beyond which the method may not be used; nothing when the edition sets none.
    virtual std::optional<double> methodSlendernessLimit() const = 0;
    // The largest ratio of the second-order moment to the first-order one; nothing when the
    // edition sets none.
    virtual std::optional<double> secondOrderLimit() const = 0;

    virtual const MagnifierClauses& clauses() const = 0;
};

} // namespace pmsect
