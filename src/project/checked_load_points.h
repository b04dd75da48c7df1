// Where each load of the project is checked: at its own moments, or for a project with
// slenderness data at its magnified moments Mcx and Mcy. Whatever shows a checked load's point
// (the plots) takes it from here, so that the point matches the moments its ratio is computed on.
#pragma once

#include "model/project_model.h"

#include <vector>

namespace pmsect {

struct CheckedLoadPoint {
    float Pu = 0; // kips, compression negative
    float Mx = 0; // kip-ft
    float My = 0;
};

// Rows 1..count() at positions 0..count()-1. A load without a stable magnifier, whose check finds
// no capacity, keeps its own moments.
std::vector<CheckedLoadPoint> checkedLoadPoints(const ProjectModel& model);

} // namespace pmsect
