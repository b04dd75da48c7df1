// Design capacity of one factored load combination on its own load line, and its check ratio.
#pragma once

#include "model/project_model.h"

namespace pmsect {

// Reads columns 1-3 of load row `row` (1-based) and writes columns 4-9 and loadStatus[row].
void checkLoadCombination(ProjectModel& model, int row);

// Direction of the moment vector (Muy, Mux) in degrees, 0 to 360.
float momentDirection(float Mux, float Muy);

} // namespace pmsect
