// The subcommands over the results: curves, contour, surface, report and SVG plots.
#pragma once

#include "cli/project_source.h"
#include "model/project_model.h"

#include <string>

namespace pmsect::cli {

enum class OutputFormat { Table, Json, Csv };

int runCurve(const ProjectSource& source, float angle, OutputFormat format);
int runContour(const ProjectSource& source, float Pn, OutputFormat format);
int runSurface(const ProjectSource& source, float sections, OutputFormat format);
// The control points of the Pn-Mn diagram at a bending direction.
int runControlPoints(const ProjectSource& source, float angle, OutputFormat format);

// Unit names as the Units window or the user calls them ("in", "kN-m", "kg/m^3"); empty keeps
// the default US unit.
struct ReportUnits {
    std::string length, force, moment, stress, unitWeight;
};
// The project with its summary, in the units asked for.
LoadedProject reportProject(const ProjectSource& source, const ReportUnits& units);
int runReport(const ProjectSource& source, const ReportUnits& units);

struct PlotRequest {
    enum class Kind { Curve, Contour, Surface } kind = Kind::Curve;
    float value = 0;        // bending direction, axial load (kips) or number of sections
    double horizontal = 45; // 3D viewing angles, degrees
    double vertical = 30;
    std::string svgPath;
};
int runPlot(const ProjectSource& source, const PlotRequest& request);

} // namespace pmsect::cli
