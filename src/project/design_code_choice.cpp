// The design code's numbers for the project's choices.
#include "project/design_code_choice.h"

#include "project/engine_inputs_of.h"

namespace pmsect {

void applyConfinement(ProjectModel& model, Confinement confinement) {
    const StrengthFactors f = designCodeRules(model).strengthFactors(confinement);
    model.confinement = confinement;
    model.phiCompression = f.phiCompression;
    model.pnMaxFactor = f.pnMaxFactor;
    model.phiTension = f.phiTension;
}

void applyDesignCode(ProjectModel& model, DesignCode code) {
    model.designCode = code;
    applyConfinement(model, model.confinement);
}

int32_t concreteModulusOf(const ProjectModel& model) {
    return designCodeRules(model).concreteModulus(model.unitWt, model.fpc);
}

float stressBlockDepthFactorOf(const ProjectModel& model) {
    return designCodeRules(model).stressBlock(model.fpc).depthFactor;
}

StrainLimits strainLimits(const ProjectModel& model) {
    return designCodeRules(model).strainLimits(materialsOf(model));
}

std::vector<std::string> designWarnings(const ProjectModel& model) {
    return designCodeRules(model).warnings(materialsOf(model));
}

} // namespace pmsect
