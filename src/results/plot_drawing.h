// The results window's two pictures: the 2D plot of a Pn-Mn curve or a biaxial contour, and
// the 3D view of the failure surface with the loads and the section.
#pragma once

#include "engine/control_points.h"
#include "engine/interaction_curve.h"
#include "engine/interaction_surface.h"
#include "engine/section_results.h"
#include "model/project_model.h"
#include "results/canvas.h"
#include "results/scene_3d.h"

#include <string>
#include <vector>

namespace pmsect {

enum class PlotMode { PnMn, Biaxial };

struct Plot2DOptions {
    bool nominal = true; // "Display Pn-Mn"
    bool reduced = true; // "Display pPn-pMn"
    bool section = true; // "Display Section", used in biaxial mode only
};

// What a 2D plot shows: rows 1..count of the table (count limited to 40), the curve's bending
// direction or the contour's axial force, and in Pn-Mn mode the control points of that curve.
struct Plot2DData {
    PlotMode mode = PlotMode::PnMn;
    const CurveTable* table = nullptr;
    int count = 0;
    float angle = 90;    // Pn-Mn: the bending direction, degrees
    float contourPn = 0; // biaxial: the contour's axial force, kips
    const ControlPoints* controlPoints = nullptr;
    // The names of the model's load rows 1..n beside their markers, in row order; without them
    // a load is named by its row number.
    const std::vector<std::string>* loadLabels = nullptr;
};

// The rectangle inside the axes, in picture units.
struct PlotArea {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

// A nominal point of the curve or contour where the picture shows it, for the hover readout.
struct PlottedPoint {
    double x = 0;
    double y = 0;
    int row = 0;
};

struct Plot2DPicture {
    PlotArea area;
    std::vector<PlottedPoint> points;
};

// Clears the canvas and draws the diagram as a figure: each axis scaled on its own to hold the
// curves, loads and control points with a margin (both moment axes of a contour at one scale,
// so that it keeps its shape), ticks at round steps with their values and the axis titles in
// the display units, the legend, the phi*Pn(max) cut-off of the table's limits labelled, the
// loads of the diagram's direction or axial force with their numbers (red when their ratio
// exceeds 1) and the control points with theirs. Compression is drawn upwards; a contour shows Mnx
// across and Mny upwards. Each series is one canvas group: "axes", "nominal", "reduced", "loads",
// "control-points". Rows not found break the polylines.
Plot2DPicture drawPlot2D(Canvas& canvas, const Plot2DData& data, const ProjectModel& model,
                         const SectionResults& section, const Plot2DOptions& options);

// The load rows a plot marks: in Pn-Mn mode those whose bending direction lies within 5 degrees
// of the diagram's (a load without moment lies on every one), in biaxial mode those whose Pu
// lies within 5 % of |Po| (of the table's limits) of the contour's axial force. 1-based load
// numbers; rows without a check are left out.
std::vector<int> loadsOnPlot(const ProjectModel& model, const SectionResults& section,
                             const Plot2DData& data);

// "Pn = ..., Mn = ..., phi = ..., phiPn = ..., phiMn = ..." of the plotted point nearest to
// (x, y), in the display units; empty when nothing is plotted.
std::string plotReadout(const Plot2DPicture& picture, const Plot2DData& data,
                        const ProjectModel& model, double x, double y);

struct View3DOptions {
    bool nominal = true; // "Display Pn-Mn"
    bool reduced = true; // "Display pPn-pMn"
    bool loads = true;   // "Display Loads"
    bool section = true; // "Display Section"
    double zoom = 1;     // times the fitted size, as the mouse wheel left it
};

// Clears the canvas and draws, in order: the moment axes and the Pn axis with their names at
// their ends, the nominal mesh, the reduced mesh, the loads and the section in the Pn = 0
// plane. h and v are the viewing angles in degrees as the views show them. The scene is fitted
// to the surface, the axes and the loads drawn, so that all of them stay inside the picture.
// Points not found are left out of the mesh. Without a computed surface (no found point with an
// extent, or no positive moment) only the axes are drawn.
void drawView3D(Canvas& canvas, const SurfaceData& surface, const ProjectModel& model,
                const SectionResults& section, double h, double v, const View3DOptions& options,
                MomentScaleSource source);

// The size of the load markers in picture units: one fiftieth of the larger picture dimension.
double loadMarkerSize(const Canvas& canvas);

} // namespace pmsect
