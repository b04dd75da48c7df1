// Models for the curve and surface tests: the new-project section and an L-shaped section
// entered point by point with its reference point at the centroid; and the curve, contour,
// surface and control points of a project, run on its engine inputs at the limits of a summary
// as the windows and the command line run them.
#pragma once

#include "building/new_project.h"
#include "building/section_generators.h"
#include "engine/control_points.h"
#include "engine/interaction_curve.h"
#include "engine/interaction_surface.h"
#include "model/project_model.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"

#include <utility>

namespace pmsect::test {

inline ProjectModel newProjectModel() {
    ProjectModel m;
    resetToNewProject(m);
    return m;
}

// 24 x 24 in L, 8 in thick legs, nine #8 bars.
inline ProjectModel lShapedModel() {
    ProjectModel m = newProjectModel();
    const std::pair<float, float> outline[] = {{0, 0}, {0, 24}, {8, 24}, {8, 8}, {24, 8}, {24, 0}};
    m.sectionType = kArbitrary;
    m.numPoints = 0;
    for (auto [x, y] : outline) {
        m.points[static_cast<std::size_t>(++m.numPoints)] = {x, y};
    }
    const std::pair<float, float> bars[] = {{2, 2},  {2, 12}, {2, 22}, {6, 22}, {6, 6},
                                            {12, 6}, {22, 6}, {22, 2}, {12, 2}};
    m.barLayout = kPlacedBars;
    m.numBars = 0;
    for (auto [x, y] : bars) {
        m.bars[static_cast<std::size_t>(++m.numBars)] = {x, y, 8};
    }
    applyEditedOutline(m);
    computeSectionSummary(m);
    return m;
}

inline CurveTable curveOf(const ProjectModel& m, const SectionResults& section, float thetaDeg,
                          CurveDepthMemo& memo, ProgressSink* sink = nullptr) {
    return computeCurve(engineInputsOf(m), section.limits, thetaDeg,
                        memo.depthsFor(section.revision), sink);
}

// P in kips.
inline Contour contourOf(const ProjectModel& m, const SectionResults& section, float P,
                         ProgressSink* sink = nullptr) {
    return computeContour(engineInputsOf(m), section.limits, P, sink);
}

inline SurfaceData surfaceOf(const ProjectModel& m, const SectionResults& section, float sections,
                             CurveDepthMemo& memo, ProgressSink* sink = nullptr) {
    return computeSurface(engineInputsOf(m), section.limits, sections,
                          memo.depthsFor(section.revision), sink);
}

inline ControlPoints controlPointsOf(const ProjectModel& m, const SectionResults& section,
                                     float thetaDeg) {
    return computeControlPoints(engineInputsOf(m), section.limits, thetaDeg);
}

} // namespace pmsect::test
