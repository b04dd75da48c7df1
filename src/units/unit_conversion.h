// Conversions between internal values and the values shown to and typed by the user, with the
// display factors currently in force.
#pragma once

#include "model/project_model.h"

namespace pmsect {

// Internal value -> shown value. Evaluated in double; a caller that stores the result rounds it.
double shownLength(const DisplayUnits& u, double inches);
double shownArea(const DisplayUnits& u, double squareInches);
double shownForce(const DisplayUnits& u, double kips);
double shownForceFromLb(const DisplayUnits& u, double pounds); // Po, phiPnMax, To, phiTnMax
double shownMoment(const DisplayUnits& u, double kipFeet);
double shownMomentFromKipIn(const DisplayUnits& u, double kipInches); // engine moments
double shownStress(const DisplayUnits& u, double psi);
double shownUnitWt(const DisplayUnits& u, double poundsPerCubicFoot);

// Typed value -> internal value (in, in^2, kips, kip-ft, psi, lb/ft^3).
double typedLength(const DisplayUnits& u, double shown);
double typedArea(const DisplayUnits& u, double shown);
double typedForce(const DisplayUnits& u, double shown);
double typedMoment(const DisplayUnits& u, double shown);
double typedStress(const DisplayUnits& u, double shown);
double typedUnitWt(const DisplayUnits& u, double shown);

} // namespace pmsect
