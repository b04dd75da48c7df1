// Sections built by hand for the engine tests, independent of the generators.
#pragma once

#include "engine/load_check.h"
#include "engine/polygon_properties.h"
#include "engine/strength_reduction.h"
#include "model/project_model.h"
#include "project/design_code_choice.h"
#include "project/engine_inputs_of.h"
#include "project/project_summary.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace pmsect::test {

inline void setOutline(ProjectModel& m, std::initializer_list<std::pair<float, float>> pts) {
    m.numPoints = 0;
    for (auto [x, y] : pts) {
        ++m.numPoints;
        m.points[static_cast<std::size_t>(m.numPoints)] = {x, y};
    }
}

inline void addBar(ProjectModel& m, float x, float y, float size) {
    ++m.numBars;
    m.bars[static_cast<std::size_t>(m.numBars)] = {x, y, size};
}

// Materials of a new project, with no outline and no bars yet.
inline ProjectModel emptyModel() {
    ProjectModel m;
    m.fpc = 3000;
    m.fy = 60000;
    m.Es = 29000000;
    m.beta1 = stressBlockDepthFactorOf(m);
    m.Ec = concreteModulusOf(m);
    m.numPoints = 0;
    m.numBars = 0;
    m.loads.resize(0);
    return m;
}

// The check of load row `row` (1-based) of the model alone, as the section summary checks it.
inline LoadResult checkLoadRow(const ProjectModel& m, int row) {
    const EngineInputs inputs = engineInputsOf(m);
    const LoadRow& r = m.loads[static_cast<std::size_t>(row)];
    return checkLoadCombination(inputs, axialLimits(inputs), {r[kPu], r[kMux], r[kMuy]}).result;
}

// phi of the model's design code and confinement at a net tensile strain.
inline float phiOf(const ProjectModel& m, float netTensileStrain) {
    return strengthReductionFactor(engineInputsOf(m), netTensileStrain);
}

// Sets the gross area and the reference point at the net centroid, and computes the summary.
inline void finish(ProjectModel& m, bool centroidAsReference) {
    const PolygonProperties props = polygonProperties(m);
    m.grossArea = props.grossArea;
    if (centroidAsReference) {
        m.refX = props.centroidX;
        m.refY = props.centroidY;
    }
    computeSectionSummary(m);
}

// The 12 x 18 in default section with its 20 #5 bars at the coordinates a designer would work
// out by hand: six bars per face row, four in the second row.
inline ProjectModel defaultRectangle() {
    ProjectModel m = emptyModel();
    setOutline(m, {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}});
    const float row6[] = {-3.8125f, -2.2875f, -0.7625f, 0.7625f, 2.2875f, 3.8125f};
    const float row4[] = {-3.8125f, -1.2708333f, 1.2708333f, 3.8125f};
    for (float sign : {1.0f, -1.0f}) {
        for (float x : row6) {
            addBar(m, x, sign * 6.8125f, 5);
        }
        for (float x : row4) {
            addBar(m, x, sign * 5.1875f, 5);
        }
    }
    finish(m, false);
    return m;
}

// An L: 24 in wide foot, 8 in thick, with a 8 in wide, 24 in tall leg on the left; bars in
// the corners and along the faces.
inline ProjectModel lSection() {
    ProjectModel m = emptyModel();
    setOutline(m, {{0, 0}, {0, 24}, {8, 24}, {8, 8}, {24, 8}, {24, 0}});
    for (auto [x, y] : {std::pair{2.f, 2.f},
                        {2.f, 12.f},
                        {2.f, 22.f},
                        {6.f, 22.f},
                        {6.f, 6.f},
                        {12.f, 6.f},
                        {22.f, 6.f},
                        {22.f, 2.f},
                        {12.f, 2.f}}) {
        addBar(m, x, y, 8);
    }
    finish(m, true);
    return m;
}

// A T: 30 in flange, 6 in thick, over a 10 in web 24 in deep, bars at the bottom of the web.
inline ProjectModel tSection() {
    ProjectModel m = emptyModel();
    setOutline(m, {{-5, -24}, {-5, 0}, {-15, 0}, {-15, 6}, {15, 6}, {15, 0}, {5, 0}, {5, -24}});
    for (float x : {-3.f, 0.f, 3.f}) {
        addBar(m, x, -22, 9);
    }
    addBar(m, -12, 3, 5);
    addBar(m, 12, 3, 5);
    finish(m, true);
    return m;
}

// A 12 x 18 rectangle with four #9 bars near the bottom face and two #4 near the top.
inline ProjectModel oneFaceRectangle() {
    ProjectModel m = emptyModel();
    setOutline(m, {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}});
    for (float x : {-4.f, -1.33f, 1.33f, 4.f}) {
        addBar(m, x, -6.5f, 9);
    }
    addBar(m, -4, 6.5f, 4);
    addBar(m, 4, 6.5f, 4);
    finish(m, false);
    return m;
}

// A 20 x 20 in tied column, 12 #9 on its perimeter (four along each face, 2.44 in from it),
// f'c 5,000 psi, ACI 318-19, loaded with Pu = -1,000 k and Mux = 350 ft-k.
inline ProjectModel tiedColumn20WithItsLoad() {
    ProjectModel m = emptyModel();
    m.fpc = 5000;
    m.beta1 = stressBlockDepthFactorOf(m);
    m.Ec = concreteModulusOf(m);
    applyDesignCode(m, DesignCode::Aci318_19);
    setOutline(m, {{-10, -10}, {-10, 10}, {10, 10}, {10, -10}});
    m.rectB = m.rectH = m.extentX = m.extentY = 20;
    m.barLayout = kPlacedBars;
    for (float a : {-7.56f, -2.52f, 2.52f, 7.56f}) {
        addBar(m, a, 7.56f, 9);
        addBar(m, a, -7.56f, 9);
        if (std::fabs(a) < 7) {
            addBar(m, -7.56f, a, 9);
            addBar(m, 7.56f, a, 9);
        }
    }
    m.loads.resize(1);
    m.loads[1] = LoadRow{{0, -1000, 350, 0}, {}};
    finish(m, false);
    return m;
}

} // namespace pmsect::test
