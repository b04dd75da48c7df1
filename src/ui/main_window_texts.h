// The main window's lines and inputs written from the model in the current display units: the
// moduli and beta1 lines, and every unit-bearing input after a change of units.
#pragma once

#include "model/project_model.h"

#include <string>

namespace pmsect {

// "Conc. Mod. of Elasticity = ...", "Steel Mod. of Elasticity = ..." and "Beta1 = ...".
std::string concreteModulusLabel(const ProjectModel& model);
std::string steelModulusLabel(const ProjectModel& model);
std::string beta1Label(const ProjectModel& model);

struct MainWindowUnitTexts {
    std::string rectB;
    std::string rectH;
    std::string circDiam;
    std::string unitWt;
    std::string fpc;
    std::string fy;
    std::string clearCover;
    std::string clearSpacing;
    std::string concreteModulusLine;
    std::string steelModulusLine;
    std::string flexuralUnitsLine; // "Flexural Units: ..."
};

// Uses model.units as already set by applyUnitChoice. Each input is the internal value times its
// factor, written as the shortest text that reads back as the internal value.
MainWindowUnitTexts mainWindowUnitTexts(const ProjectModel& model);

} // namespace pmsect
