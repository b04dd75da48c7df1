// The check of many load combinations against one section, spread over several threads: each
// load is checked exactly as it would be as the only row of the project's load table.
#pragma once

#include "model/project_model.h"

#include <span>
#include <vector>

namespace pmsect {

// One combination in the program's units and signs: Pu in kips (compression negative), Mux and
// Muy in kip-ft, each the single-precision value the load table would store.
struct LoadInput {
    float Pu = 0;
    float Mux = 0;
    float Muy = 0;
};

// Columns 1-9 of the load's row as checkLoadCombination leaves them, and its status.
struct CheckedLoad {
    LoadRow row;
    bool capacityFound = true;
};

// Checks one load as the only row of the load table of `section`, a working copy whose axial
// limits are current (its loads are overwritten), from the state a freshly read project starts
// in, so that no result depends on the loads checked before it.
CheckedLoad checkLoadAlone(ProjectModel& section, const LoadInput& load);

// section: a project whose section summary has run, so that its axial limits are current. Its own
// loads play no part. threads: 0 for every core, and never more than the machine's. The results
// come in the order of loads and do not depend on threads: every load starts from the same state
// of the section.
std::vector<CheckedLoad> checkLoads(const ProjectModel& section, std::span<const LoadInput> loads,
                                    unsigned threads);

} // namespace pmsect
