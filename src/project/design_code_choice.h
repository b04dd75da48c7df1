// The project's choices that the design code turns into numbers: the confinement's phi and cap
// factors, Ec and beta1, the strain limits and the warnings, as the windows, the files and the
// report show them.
#pragma once

#include "engine/codes/design_code_rules.h"
#include "model/project_model.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pmsect {

// Stores the confinement and the factors the project's edition gives it.
void applyConfinement(ProjectModel& model, Confinement confinement);

inline bool isSpiral(const ProjectModel& model) {
    return model.confinement == Confinement::Spiral;
}

// Sets the edition and the confinement factors that follow from it.
void applyDesignCode(ProjectModel& model, DesignCode code);

// Ec and beta1 by the project's code from f'c and the unit weight.
int32_t concreteModulusOf(const ProjectModel& model);
float stressBlockDepthFactorOf(const ProjectModel& model);

StrainLimits strainLimits(const ProjectModel& model);

// The warnings that apply to the project's inputs, in a fixed order.
std::vector<std::string> designWarnings(const ProjectModel& model);

} // namespace pmsect
