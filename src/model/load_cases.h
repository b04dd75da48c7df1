// Service load cases as an analysis gives them (unfactored, one per source of load), the table of
// load factors that turns them into strength combinations, and the project's options for it.
// Signs are the load table's: compression negative, kips and kip-ft.
#pragma once

#include "model/load_end_moments.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pmsect {

// The kinds of ASCE 7: dead, live, roof live, snow, rain, wind, earthquake (Eh, the horizontal
// seismic effect), and other loads, which only combinations the user adds take.
enum class LoadKind { D, L, Lr, S, R, W, E, Other };

inline constexpr std::array<LoadKind, 8> kLoadKinds = {LoadKind::D, LoadKind::L,    LoadKind::Lr,
                                                       LoadKind::S, LoadKind::R,    LoadKind::W,
                                                       LoadKind::E, LoadKind::Other};

constexpr std::string_view loadKindName(LoadKind kind) {
    constexpr std::array<std::string_view, 8> names = {"D", "L", "Lr", "S", "R", "W", "E", "other"};
    return names[static_cast<std::size_t>(kind)];
}

constexpr std::optional<LoadKind> loadKindFromName(std::string_view name) {
    for (const LoadKind kind : kLoadKinds) {
        if (loadKindName(kind) == name) {
            return kind;
        }
    }
    return std::nullopt;
}

// Wind and earthquake move the storey sideways; the others are taken as gravity (non-sway) loads.
constexpr bool swayByDefault(LoadKind kind) {
    return kind == LoadKind::W || kind == LoadKind::E;
}

struct LoadCase {
    std::string name;
    LoadKind kind = LoadKind::D;
    float P = 0;  // kips, compression negative
    float Mx = 0; // kip-ft
    float My = 0;
    bool sway = false; // swayByDefault(kind) unless the case says otherwise
    EndMoments ends{};

    bool operator==(const LoadCase&) const = default;
};

// How a term of a factor-table row enters when its kind has no case.
enum class TermPresence {
    Required,    // the row is left out
    Droppable,   // the term is left out
    Alternative, // one choice of "(Lr or S or R)": left out when none of the three has a case,
                 // else the row is (the row of the choice that has a case stands)
};

struct FactorTerm {
    LoadKind kind;
    double factor;
    TermPresence presence;
    bool operator==(const FactorTerm&) const = default;
};

// One row of the factor table. A W or E term is taken in both senses, one combination each.
struct FactorRow {
    std::vector<FactorTerm> terms;
    int verticalSeismic = 0;   // +1 adds Ev = 0.2 SDS D, -1 subtracts it
    bool halvableLive = false; // the factor on L becomes 0.5 when the project allows it
    bool operator==(const FactorRow&) const = default;
};

// A combination the user adds: factors by case name; any kind, "other" too.
struct UserCombination {
    std::string name;
    std::vector<std::pair<std::string, double>> factors;
    bool operator==(const UserCombination&) const = default;
};

struct CombinationOptions {
    // ASCE 7-22 2.3.1 exception 1 (and 2.3.6 for E): the factor on L of 0.5 where Lo <= 100 psf,
    // except garages and places of public assembly.
    bool halfLive = false;
    double SDS = 0;                   // design spectral acceleration, for Ev = 0.2 SDS D
    double sustainedLiveFraction = 0; // share of the factored L counted as sustained
    std::vector<UserCombination> userCombinations;
    std::vector<FactorRow> factorTable; // empty: the standard's table
    bool operator==(const CombinationOptions&) const = default;
};

// A project's service loads and how they are combined.
struct LoadCaseSet {
    std::vector<LoadCase> cases;
    CombinationOptions options;
    bool empty() const { return cases.empty() && options == CombinationOptions{}; }
    bool operator==(const LoadCaseSet&) const = default;
};

} // namespace pmsect
