// Shown = internal x factor; typed / factor = internal.
#include "units/unit_conversion.h"

namespace pmsect {

double shownLength(const DisplayUnits& u, double inches) {
    return inches * u.lengthFactor;
}
double shownArea(const DisplayUnits& u, double squareInches) {
    return squareInches * u.areaFactor;
}
double shownForce(const DisplayUnits& u, double kips) {
    return kips * u.forceFactor;
}
double shownForceFromLb(const DisplayUnits& u, double pounds) {
    return pounds / 1000.0 * u.forceFactor;
}
double shownMoment(const DisplayUnits& u, double kipFeet) {
    return kipFeet * u.momentFactor;
}
double shownMomentFromKipIn(const DisplayUnits& u, double kipInches) {
    return kipInches / 12.0 * u.momentFactor;
}
double shownStress(const DisplayUnits& u, double psi) {
    return psi * u.stressFactor;
}
double shownUnitWt(const DisplayUnits& u, double poundsPerCubicFoot) {
    return poundsPerCubicFoot * u.unitWtFactor;
}

double typedLength(const DisplayUnits& u, double shown) {
    return shown / u.lengthFactor;
}
double typedArea(const DisplayUnits& u, double shown) {
    return shown / u.areaFactor;
}
double typedForce(const DisplayUnits& u, double shown) {
    return shown / u.forceFactor;
}
double typedMoment(const DisplayUnits& u, double shown) {
    return shown / u.momentFactor;
}
double typedStress(const DisplayUnits& u, double shown) {
    return shown / u.stressFactor;
}
double typedUnitWt(const DisplayUnits& u, double shown) {
    return shown / u.unitWtFactor;
}

} // namespace pmsect
