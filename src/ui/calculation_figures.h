// The figures of the calculation: the dimensioned section, the Pn-Mn diagrams, the biaxial
// design contour and the 3D view, computed once on a copy of the project and drawn whenever a
// page that holds them is drawn.
#pragma once

#include "engine/control_points.h"
#include "engine/section_results.h"
#include "model/project_model.h"
#include "results/document.h"
#include "ui/calculation_report.h"

#include <memory>
#include <string>
#include <vector>

namespace pmsect {

class CalculationFigures {
public:
    // The figures of the project's summary section; they mark at most a load table's worth of the
    // loads, the largest ratios first.
    CalculationFigures(const ProjectModel& model, const SectionResults& section,
                       const std::vector<ReportLoad>& loads);

    DocumentFigure section(const std::string& title) const;
    // The Pn-Mn diagram at a bending direction with the loads near it.
    DocumentFigure diagram(float angle, const std::string& title) const;
    ControlPoints controlPoints(float angle) const;
    // The biaxial contour at an axial load in kips.
    DocumentFigure contour(float Pu, const std::string& title) const;
    DocumentFigure surface(const std::string& title) const;

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace pmsect
