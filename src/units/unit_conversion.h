// Conversions between internal values and the values shown to and typed by the user, with the
// display factors currently in force.
#pragma once

#include "model/project_model.h"

#include <string>

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
double shownStiffness(const DisplayUnits& u, double kipSquareInches); // EI: force x length^2

// Typed value -> internal value (in, in^2, kips, kip-ft, psi, lb/ft^3).
double typedLength(const DisplayUnits& u, double shown);
double typedArea(const DisplayUnits& u, double shown);
double typedForce(const DisplayUnits& u, double shown);
double typedMoment(const DisplayUnits& u, double shown);
double typedStress(const DisplayUnits& u, double shown);
double typedUnitWt(const DisplayUnits& u, double shown);

// The kind of a value where a column or box holds one of several kinds. Plain is a number
// without a display unit (an angle, a ratio, a magnifier), shown as it is stored.
enum class Quantity { Plain, Length, Area, Force, Moment, Stress, UnitWeight };

// As the functions above for the kind given; Plain passes the value through.
double shown(const DisplayUnits& u, Quantity q, double internal);
double typed(const DisplayUnits& u, Quantity q, double value);
// The label shown beside values of the kind; empty for Plain.
std::string unitLabel(const DisplayUnits& u, Quantity q);

// The shortest text of the shown value that, typed back, gives the stored value again.
std::string shownNumberText(const DisplayUnits& u, Quantity q, float internal);

} // namespace pmsect
