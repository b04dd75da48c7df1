// The columns of the load table: the ten of every project, and for a project with slenderness
// data the load's end moments and sustained axial force, which the user types, and what the
// moment magnifier gives the load, kept from its check.
#pragma once

#include "engine/moment_magnifier.h"
#include "model/project_model.h"
#include "ui/grid_cells.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace pmsect {

// What a column shows: one of the load row's fields 0..9 (index), one of the load's end moments
// (index an EndMoment) or its sustained Pu, or for axis index (0 x, 1 y) the magnified moment
// Mc, delta_ns or delta_s; or which axes are slender.
enum class LoadCellKind { Field, EndMoment, PuSustained, Mc, DeltaNs, DeltaS, Slender };

inline constexpr double kLoadColumnShare = 0.095; // of the grid's width, ten columns across it

struct LoadTableColumn : GridColumn {
    LoadCellKind kind = LoadCellKind::Field;
    int index = 0;
};

// After Muy: Mcx, Mcy, delta_ns of each axis, delta_s of a sway axis and the slender mark, the
// moments the eccentricity and the capacity columns that follow are computed on; after Check the
// load's end moments (their sway parts for a sway axis) and PuSustained, which the user types.
std::vector<LoadTableColumn> loadTableColumns(const DisplayUnits& u,
                                              const std::optional<SlendernessData>& slenderness);

// What the magnifier gave a checked load, in the display units: nothing of an axis without a
// stable magnifier.
struct MagnifiedCells {
    std::array<std::optional<float>, 2> Mc{};
    std::array<std::optional<float>, 2> deltaNs{};
    std::array<std::optional<float>, 2> deltaS{};
    std::string slender; // "x", "y", "x, y", "unstable" or empty
};

MagnifiedCells magnifiedCells(const LoadMagnification& magnification, const DisplayUnits& u);

// The end-moment cells, 0..kEndMomentCount-1 the moments and kEndMomentCount PuSustained, in the
// display units.
using EndCells = std::array<std::optional<float>, kEndMomentCount + 1>;
EndCells endCells(const LoadEndMoments& ends, const DisplayUnits& u);

} // namespace pmsect
