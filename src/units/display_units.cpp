// Unit tables and the choice that turns five positions into the model's display factors.
#include "units/display_units.h"

#include "format/text.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace pmsect {
namespace {

// The exact definitions: the international inch and pound (1959) and standard gravity
// (9.80665 m/s^2), which make one pound-force 0.45359237 x 9.80665 = 4.4482216152605 N. Every
// metric factor is derived from these three, never from rounded conversions.
constexpr double kMetrePerInch = 0.0254;
constexpr double kMetrePerFoot = 12 * kMetrePerInch;
constexpr double kKilogramPerPound = 0.45359237;
constexpr double kNewtonPerPoundForce = 4.4482216152605;
constexpr double kKiloNewtonPerKip = kNewtonPerPoundForce; // 1000 lbf per kip
constexpr double kKiloPascalPerPsi =                       // lbf/in^2 in kN/m^2
    kNewtonPerPoundForce / (kMetrePerInch * kMetrePerInch) / 1000.0;

constexpr std::array<UnitEntry, 5> kLength{{
    {"Inch", "in.", 1.0},
    {"Feet", "ft.", 1.0 / 12.0},
    {"mm", "mm", 25.4},
    {"cm", "cm", 2.54},
    {"meter", "m", kMetrePerInch},
}};
constexpr std::array<std::string_view, 5> kAreaLabels{"in^2", "ft^2", "mm^2", "cm^2", "m^2"};

constexpr std::array<UnitEntry, 4> kForce{{
    {"lbs", "lb.", 1000.0},
    {"kips", "k", 1.0},
    {"N", "N", kKiloNewtonPerKip * 1000.0},
    {"kN", "kN", kKiloNewtonPerKip},
}};

// Moments are shown from kip-ft.
constexpr std::array<UnitEntry, 6> kMoment{{
    {"in-lb", "in-lb", 12000.0},
    {"in-kip", "in-k", 12.0},
    {"ft-lb", "ft-lb", 1000.0},
    {"ft-kip", "ft-k", 1.0},
    {"N-m", "N-m", kKiloNewtonPerKip * 1000.0 * kMetrePerFoot},
    {"kN-m", "kN-m", kKiloNewtonPerKip* kMetrePerFoot},
}};

constexpr std::array<UnitEntry, 4> kStress{{
    {"psi", "psi", 1.0},
    {"psf", "psf", 144.0},
    {"kPa", "kPa", kKiloPascalPerPsi},
    {"MPa", "MPa", kKiloPascalPerPsi / 1000.0},
}};

constexpr std::array<UnitEntry, 2> kUnitWeight{{
    {"pcf", "pcf", 1.0},
    {"Kg/m^3", "kg/m^3", kKilogramPerPound / (kMetrePerFoot * kMetrePerFoot * kMetrePerFoot)},
}};

// Short names users type for a unit, position by position, beyond captions and labels.
struct Alias {
    std::string_view name;
    int16_t position;
};
constexpr std::array<Alias, 3> kLengthAliases{{{"in", 1}, {"ft", 2}, {"m", 5}}};
constexpr std::array<Alias, 1> kForceAliases{{{"lb", 1}}};

std::span<const Alias> aliases(UnitGroup group) {
    switch (group) {
    case UnitGroup::Length:
        return kLengthAliases;
    case UnitGroup::Force:
        return kForceAliases;
    case UnitGroup::Moment:
    case UnitGroup::Stress:
    case UnitGroup::UnitWeight:
        break;
    }
    return {};
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Keeps a valid position, or falls back to the group default and notes it.
int16_t checkedPosition(UnitGroup group, int16_t position, bool& fellBack) {
    const auto count = static_cast<int16_t>(unitEntries(group).size());
    fellBack = position < 1 || position > count;
    return fellBack ? defaultUnitPosition(group) : position;
}

const UnitEntry& entryAt(UnitGroup group, int16_t position) {
    return unitEntries(group)[static_cast<std::size_t>(position - 1)];
}

} // namespace

std::span<const UnitEntry> unitEntries(UnitGroup group) {
    switch (group) {
    case UnitGroup::Length:
        return kLength;
    case UnitGroup::Force:
        return kForce;
    case UnitGroup::Moment:
        return kMoment;
    case UnitGroup::Stress:
        return kStress;
    case UnitGroup::UnitWeight:
        return kUnitWeight;
    }
    return {};
}

int16_t defaultUnitPosition(UnitGroup group) {
    switch (group) {
    case UnitGroup::Force:
        return 2;
    case UnitGroup::Moment:
        return 4;
    case UnitGroup::Length:
    case UnitGroup::Stress:
    case UnitGroup::UnitWeight:
        break;
    }
    return 1;
}

std::string_view areaLabelFor(int16_t lengthPosition) {
    if (lengthPosition < 1 || lengthPosition > static_cast<int16_t>(kAreaLabels.size())) {
        return kAreaLabels[0];
    }
    return kAreaLabels[static_cast<std::size_t>(lengthPosition - 1)];
}

UnitChoiceFallbacks applyUnitChoice(DisplayUnits& units, int16_t length, int16_t force,
                                    int16_t moment, int16_t stress, int16_t unitWeight) {
    UnitChoiceFallbacks fallbacks;
    units.lengthUnit = checkedPosition(UnitGroup::Length, length, fallbacks.length);
    units.forceUnit = checkedPosition(UnitGroup::Force, force, fallbacks.force);
    units.momentUnit = checkedPosition(UnitGroup::Moment, moment, fallbacks.moment);
    units.stressUnit = checkedPosition(UnitGroup::Stress, stress, fallbacks.stress);
    units.unitWtUnit = checkedPosition(UnitGroup::UnitWeight, unitWeight, fallbacks.unitWeight);

    const UnitEntry& len = entryAt(UnitGroup::Length, units.lengthUnit);
    units.lengthLabel = std::string(len.label);
    units.areaLabel = std::string(areaLabelFor(units.lengthUnit));
    units.lengthFactor = len.factor;
    units.areaFactor = len.factor * len.factor;

    const UnitEntry& f = entryAt(UnitGroup::Force, units.forceUnit);
    units.forceLabel = std::string(f.label);
    units.forceFactor = f.factor;
    const UnitEntry& m = entryAt(UnitGroup::Moment, units.momentUnit);
    units.momentLabel = std::string(m.label);
    units.momentFactor = m.factor;
    const UnitEntry& s = entryAt(UnitGroup::Stress, units.stressUnit);
    units.stressLabel = std::string(s.label);
    units.stressFactor = s.factor;
    const UnitEntry& w = entryAt(UnitGroup::UnitWeight, units.unitWtUnit);
    units.unitWtLabel = std::string(w.label);
    units.unitWtFactor = w.factor;
    return fallbacks;
}

std::optional<int16_t> unitPositionByName(UnitGroup group, std::string_view name) {
    name = trimBlanks(name);
    if (name.empty()) {
        return std::nullopt;
    }
    const auto entries = unitEntries(group);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (sameIgnoringCase(name, entries[i].caption) ||
            sameIgnoringCase(name, entries[i].label)) {
            return static_cast<int16_t>(i + 1);
        }
    }
    for (const Alias& alias : aliases(group)) {
        if (sameIgnoringCase(name, alias.name)) {
            return alias.position;
        }
    }
    return std::nullopt;
}

} // namespace pmsect
