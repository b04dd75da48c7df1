// What every reader of load cases asks of them, whatever the file's form: names that tell the
// cases apart, user combinations that name cases the project holds, and a factor table of the
// standard's shape. The physical ranges are those of building/input_limits.h.
#pragma once

#include "model/load_cases.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

inline constexpr std::size_t kMaxLoadCases = 100;
inline constexpr std::size_t kMaxUserCombinations = 100;
inline constexpr std::size_t kMaxCaseNameLength = 60;

// Why a case or combination name cannot be used ("is empty", "holds a control character", "is
// longer than 60 characters"), or nothing.
std::optional<std::string> nameFault(std::string_view name);

// A fault found once every case and combination is read: in case `index`, or in user combination
// `index` (at its factor `factor` when the fault is there).
struct LoadCaseFault {
    bool inCombination = false;
    std::size_t index = 0;
    std::optional<std::size_t> factor;
    std::string reason;
};

// The names of the combinations the set's cases and factor table generate, the user's left out.
std::vector<std::string> generatedCombinationNames(const LoadCaseSet& set);

// Checks the set and puts each user combination's factors in the order of the cases, the one
// order every reader and writer keeps.
std::optional<LoadCaseFault> checkLoadCaseSet(LoadCaseSet& set);

// The standard's table with its factors replaced by these, row by row and term by term; nothing
// when the counts differ from the standard's. A table equal to the standard's reads as empty
// (the standard's), so that it is written as such.
std::optional<std::vector<FactorRow>>
factorTableWith(const std::vector<std::vector<double>>& factors);

} // namespace pmsect
