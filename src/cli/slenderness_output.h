// A slender member's load as the commands show it: the magnifier's steps per axis in the JSON
// outputs and a line under the load's row in the text tables. Nothing of this appears for a
// project without slenderness data.
#pragma once

#include "engine/load_check.h"
#include "model/project_model.h"

#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

namespace pmsect::cli {

// Adds "slenderness": {"x": {...}, "y": {...}}, "Mcx_kipft" and "Mcy_kipft" (null without a stable
// magnifier) after the keys the object holds.
void addSlendernessKeys(nlohmann::ordered_json& object, const LoadMagnification& magnification);

// "      magnified: Mcx = 76.10, Mcy = 76.10 ft-k; x: k lu/r 34.3 > 22.0, delta_ns 1.791, M2min
// governs; y: ..." and a line per warning.
void printMagnification(const LoadMagnification& magnification);

// The magnification of rows 1..count() of the project's load table, each empty for a project
// without slenderness data.
std::vector<std::optional<LoadMagnification>> projectMagnifications(const ProjectModel& model);

} // namespace pmsect::cli
