// The five unit groups the user chooses from, their captions, labels and factors, and the
// choice that sets the model's display factors and labels.
#pragma once

#include "model/project_model.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace pmsect {

enum class UnitGroup { Length, Force, Moment, Stress, UnitWeight };

// One row of a unit group: the option caption of the Units window, the label shown beside
// values, and the factor that turns the internal value into the shown one.
struct UnitEntry {
    std::string_view caption;
    std::string_view label;
    double factor;
};

// The rows of a group in the order of the Units window; position p is element p - 1.
std::span<const UnitEntry> unitEntries(UnitGroup group);

// The position chosen before any settings have been read: in, kips, kip-ft, psi, pcf.
int16_t defaultUnitPosition(UnitGroup group);

// The label that goes with the length unit at a given position when it measures an area.
std::string_view areaLabelFor(int16_t lengthPosition);

// Which groups were given a position outside their table and fell back to the default.
struct UnitChoiceFallbacks {
    bool length = false;
    bool force = false;
    bool moment = false;
    bool stress = false;
    bool unitWeight = false;
    bool any() const { return length || force || moment || stress || unitWeight; }
};

// Records the five positions and sets every factor and label from them. A position outside its
// group (a damaged settings file, a stray command-line value) is replaced by the group's default
// and reported in the result.
UnitChoiceFallbacks applyUnitChoice(DisplayUnits& units, int16_t length, int16_t force,
                                    int16_t moment, int16_t stress, int16_t unitWeight);

// The position of a unit given by name: the Units window caption ("Inch", "Kg/m^3"), the short
// name a user types ("in", "ft", "m", "kg/m^3") or the label shown beside values ("in.", "k").
// Blanks around the name are ignored and letter case does not matter; no two units of one group
// differ only in case.
std::optional<int16_t> unitPositionByName(UnitGroup group, std::string_view name);

} // namespace pmsect
