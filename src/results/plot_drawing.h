// The results window's two pictures: the 2D plot of a Pn-Mn curve or a biaxial contour, and
// the 3D view of the failure surface with the loads and the section.
#pragma once

#include "model/project_model.h"
#include "results/canvas.h"
#include "results/interaction_curve.h"
#include "results/interaction_surface.h"
#include "results/scene_3d.h"

namespace pmsect {

enum class PlotMode { PnMn, Biaxial };

struct Plot2DOptions {
    bool nominal = true; // "Display Pn-Mn"
    bool reduced = true; // "Display pPn-pMn"
    bool section = true; // "Display Section", used in biaxial mode only
};

// Clears the canvas and draws rows 1..count of the table (count limited to 40). The scale comes
// from the surface's extents so that curves of different directions share it; an extent without
// a range falls back to the table's own points. Rows not found break the polylines.
void drawPlot2D(Canvas& canvas, PlotMode mode, const CurveTable& table, int count,
                const SurfaceExtents& extents, const ProjectModel& model,
                const Plot2DOptions& options);

struct View3DOptions {
    bool nominal = true; // "Display Pn-Mn"
    bool reduced = true; // "Display pPn-pMn"
    bool loads = true;   // "Display Loads"
    bool section = true; // "Display Section"
};

// Clears the canvas and draws, in order: the moment axes, the Pn axis, the nominal mesh, the
// reduced mesh, the loads and the section in the Pn = 0 plane. h and v are the viewing angles
// in degrees as the views show them. Points not found are left out of the mesh. Without a
// computed surface (no found point with an extent, or no positive moment) only the axes are
// drawn.
void drawView3D(Canvas& canvas, const SurfaceData& surface, const ProjectModel& model, double h,
                double v, const View3DOptions& options, MomentScaleSource source);

// The size of the load markers in picture units: one fiftieth of the larger picture dimension.
double loadMarkerSize(const Canvas& canvas);

} // namespace pmsect
