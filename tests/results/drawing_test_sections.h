// Sections built by hand for the drawing tests: outline, its bounding box and reference point.
#pragma once

#include "engine/section_results.h"
#include "model/project_model.h"

namespace pmsect::test {

// A b x h rectangle centred on (cx, cy), reference point at its centre, no bars, no loads.
inline ProjectModel rectangleModel(float b, float h, float cx = 0, float cy = 0) {
    ProjectModel m;
    m.numPoints = 4;
    m.points[1] = {cx - b / 2, cy - h / 2};
    m.points[2] = {cx + b / 2, cy - h / 2};
    m.points[3] = {cx + b / 2, cy + h / 2};
    m.points[4] = {cx - b / 2, cy + h / 2};
    m.extentX = b;
    m.extentY = h;
    m.midX = cx;
    m.midY = cy;
    m.refX = cx;
    m.refY = cy;
    m.grossArea = b * h;
    m.numBars = 0;
    m.loads.resize(0);
    return m;
}

inline void addBar(ProjectModel& m, float x, float y, float size) {
    ++m.numBars;
    m.bars[static_cast<std::size_t>(m.numBars)] = {x, y, size};
}

// A load without forces whose check, kept in checks, points at eccentricity e and angle.
inline void addLoadPoint(ProjectModel& m, SectionResults& checks, float e, float angle) {
    m.loads.append(LoadRow{});
    LoadResult r;
    r.eccentricity = e;
    r.angle = angle;
    checks.loads.push_back({{}, r, false});
}

} // namespace pmsect::test
