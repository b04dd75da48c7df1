// Shown = internal x factor; typed / factor = internal.
#include "units/unit_conversion.h"

#include "format/number_format.h"

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

double shownStiffness(const DisplayUnits& u, double kipSquareInches) {
    return kipSquareInches * (u.forceFactor * u.lengthFactor * u.lengthFactor);
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

namespace {

double factorOf(const DisplayUnits& u, Quantity q) {
    switch (q) {
    case Quantity::Plain:
        break;
    case Quantity::Length:
        return u.lengthFactor;
    case Quantity::Area:
        return u.areaFactor;
    case Quantity::Force:
        return u.forceFactor;
    case Quantity::Moment:
        return u.momentFactor;
    case Quantity::Stress:
        return u.stressFactor;
    case Quantity::UnitWeight:
        return u.unitWtFactor;
    }
    return 1.0;
}

} // namespace

double shown(const DisplayUnits& u, Quantity q, double internal) {
    switch (q) {
    case Quantity::Plain:
        break;
    case Quantity::Length:
        return shownLength(u, internal);
    case Quantity::Area:
        return shownArea(u, internal);
    case Quantity::Force:
        return shownForce(u, internal);
    case Quantity::Moment:
        return shownMoment(u, internal);
    case Quantity::Stress:
        return shownStress(u, internal);
    case Quantity::UnitWeight:
        return shownUnitWt(u, internal);
    }
    return internal;
}

double typed(const DisplayUnits& u, Quantity q, double value) {
    switch (q) {
    case Quantity::Plain:
        break;
    case Quantity::Length:
        return typedLength(u, value);
    case Quantity::Area:
        return typedArea(u, value);
    case Quantity::Force:
        return typedForce(u, value);
    case Quantity::Moment:
        return typedMoment(u, value);
    case Quantity::Stress:
        return typedStress(u, value);
    case Quantity::UnitWeight:
        return typedUnitWt(u, value);
    }
    return value;
}

std::string unitLabel(const DisplayUnits& u, Quantity q) {
    switch (q) {
    case Quantity::Plain:
        break;
    case Quantity::Length:
        return u.lengthLabel;
    case Quantity::Area:
        return u.areaLabel;
    case Quantity::Force:
        return u.forceLabel;
    case Quantity::Moment:
        return u.momentLabel;
    case Quantity::Stress:
        return u.stressLabel;
    case Quantity::UnitWeight:
        return u.unitWtLabel;
    }
    return {};
}

std::string shownNumberText(const DisplayUnits& u, Quantity q, float internal) {
    return convertedNumberText(internal, factorOf(u, q));
}

} // namespace pmsect
