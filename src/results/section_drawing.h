// The two drawings of the cross section: the main window's picture (outline, bars, axes and
// load points), over the whole picture or in a box of it, and the single-point window's picture
// of one evaluation's compression zone and resultants.
#pragma once

#include "engine/section_results.h"
#include "engine/strain_compat.h"
#include "model/project_model.h"
#include "results/canvas.h"

#include <optional>

namespace pmsect {

// A region of the canvas in picture coordinates.
struct PictureBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// Section inches -> picture: (x0 + x*s, y0 - y*s).
struct PictureMapping {
    double scale = 0;
    double x0 = 0;
    double y0 = 0;
    double mapX(double x) const { return x0 + x * scale; }
    double mapY(double y) const { return y0 - y * scale; }
};

// Sizes of the load markers in picture units; the defaults suit a picture measured in twips.
struct SectionDrawingStyle {
    double loadMarkerRadius = 40;
    double loadMarkerArm = 70; // half-length of the two lines through a marker
};

// Scale and origin of the main drawing in a box: the outline's bounding box fills at most 1/1.2
// of the box each way and its centre sits at the box centre. Empty when there is nothing to
// scale by (no outline, no positive extent, or an empty box).
std::optional<PictureMapping> sectionPictureMapping(const ProjectModel& model,
                                                    const PictureBox& box);

// The main window's picture: clears the canvas and draws over all of it, with a marker at the
// eccentricity of each load section has a check of.
void drawSectionPicture(const ProjectModel& model, const SectionResults& section, Canvas& canvas,
                        const SectionDrawingStyle& style = {});

// The same drawing inside a box of a larger canvas, without clearing it. When there is nothing
// to scale by only the global axes are drawn, through the box centre.
void drawSectionInBox(const ProjectModel& model, const SectionResults& section, Canvas& canvas,
                      const PictureBox& box, const SectionDrawingStyle& style = {});

// The single-point window's picture of one evaluation: clears the canvas, turns the compression
// zone back into the section frame and draws it with the bars, the axes through the reference
// point and markers for the compression resultant, the tension resultant and the load point.
// The model is only read; a resultant outside the picture (as for a missing one) gets no marker.
// With nothing to scale by only the axes are drawn.
void drawSection(const EvaluationDetail& detail, const ProjectModel& model, Canvas& canvas);

} // namespace pmsect
