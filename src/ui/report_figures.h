// The figures printed after the report's text: the Pn-Mn diagram at the results window's angle
// with its control points, and the 3D view at its viewing angles.
#pragma once

#include "model/project_model.h"
#include "results/printed_page.h"
#include "ui/results_data.h"

#include <cstdint>

namespace pmsect {

// Where the results window stands: the direction of its Pn-Mn diagram, its 3D viewing angles
// and its number of sections.
struct ReportFigureView {
    float curveAngle = 90;
    double horizontal = 45;
    double vertical = 30;
    int16_t sections = 8;
};

// The results the windows hold where they are current; where they are stale or were never
// computed, they are computed afresh on a copy of the model, so that printing changes nothing
// the windows show next.
PrintedFigures reportFigures(const ProjectModel& model, const ResultsData& data,
                             const ReportFigureView& view);

} // namespace pmsect
