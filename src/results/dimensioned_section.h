// The section as a calculation shows it: the outline, the ties at the clear cover of a rectangle,
// every bar to scale with its number, and dimension lines for the width and depth (or the
// diameter) in the display length unit.
#pragma once

#include "model/project_model.h"
#include "results/canvas.h"

namespace pmsect {

// Draws over the whole canvas without clearing it; everything stays inside the canvas. With no
// outline to scale by nothing is drawn.
void drawDimensionedSection(const ProjectModel& model, Canvas& canvas);

} // namespace pmsect
