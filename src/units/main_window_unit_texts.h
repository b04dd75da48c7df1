// The texts the main window shows again after a change of units: its eight unit-bearing inputs
// rewritten from the internal values, and the moduli and flexural-units lines.
#pragma once

#include "model/project_model.h"

#include <string>

namespace pmsect {

struct MainWindowUnitTexts {
    std::string rectB;
    std::string rectH;
    std::string circDiam;
    std::string unitWt;
    std::string fpc;
    std::string fy;
    std::string clearCover;
    std::string clearSpacing;
    std::string concreteModulusLine; // "Conc. Mod. of Elasticity = ..."
    std::string steelModulusLine;    // "Steel Mod. of Elasticity = ..."
    std::string flexuralUnitsLine;   // "Flexural Units: ..."
};

// Uses model.units as already set by applyUnitChoice. Each input is the internal value times its
// factor, written as the shortest text that reads back as the internal value.
MainWindowUnitTexts mainWindowUnitTexts(const ProjectModel& model);

} // namespace pmsect
