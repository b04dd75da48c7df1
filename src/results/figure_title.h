// A figure fit for a calculation package: its title line (project, diagram, direction or load,
// code edition) above the drawing, on the white of paper.
#pragma once

#include "model/project_model.h"
#include "results/canvas.h"
#include "results/plot_drawing.h"

#include <functional>
#include <string>

namespace pmsect {

// Clears the canvas, writes the title centred on the first line and draws the drawing under it.
void drawTitledFigure(Canvas& canvas, const std::string& title,
                      const std::function<void(Canvas&)>& drawing);

// "PROJECT - Pn-Mn diagram at 30 deg - ACI 318-19", "PROJECT - biaxial contour at Pn = -500.00 k
// - ACI 318-19" (the load in the display force unit): the title line of a 2D plot.
std::string plotTitle(const std::string& project, const Plot2DData& data,
                      const ProjectModel& model);
// "PROJECT - failure surface, Pn-Mnx-Mny - ACI 318-19".
std::string surfaceTitle(const std::string& project, const ProjectModel& model);

} // namespace pmsect
