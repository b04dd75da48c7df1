// The moduli, beta1 and unit-bearing texts of the main window.
#include "ui/main_window_texts.h"

#include "format/number_format.h"
#include "units/unit_conversion.h"

namespace pmsect {
namespace {

std::string modulusLine(const char* caption, int32_t modulusPsi, const DisplayUnits& u) {
    return caption + formatNumber(shownStress(u, modulusPsi), "###,###,###") + " " + u.stressLabel;
}

} // namespace

std::string concreteModulusLabel(const ProjectModel& model) {
    return modulusLine("Conc. Mod. of Elasticity = ", model.Ec, model.units);
}

std::string steelModulusLabel(const ProjectModel& model) {
    return modulusLine("Steel Mod. of Elasticity = ", model.Es, model.units);
}

std::string beta1Label(const ProjectModel& model) {
    return "Beta1 = " + formatNumber(model.beta1, "0.00");
}

MainWindowUnitTexts mainWindowUnitTexts(const ProjectModel& model) {
    const DisplayUnits& u = model.units;
    MainWindowUnitTexts t;
    // Reading each text back divides by the same factor and gives the internal value again.
    t.rectB = convertedNumberText(model.rectB, u.lengthFactor);
    t.rectH = convertedNumberText(model.rectH, u.lengthFactor);
    t.circDiam = convertedNumberText(model.circDiam, u.lengthFactor);
    t.unitWt = convertedNumberText(model.unitWt, u.unitWtFactor);
    t.fpc = convertedNumberText(model.fpc, u.stressFactor);
    t.fy = convertedNumberText(model.fy, u.stressFactor);
    t.clearCover = convertedNumberText(model.clearCover, u.lengthFactor);
    t.clearSpacing = convertedNumberText(model.clearSpacing, u.lengthFactor);
    t.concreteModulusLine = concreteModulusLabel(model);
    t.steelModulusLine = steelModulusLabel(model);
    t.flexuralUnitsLine = "Flexural Units: " + u.momentLabel;
    return t;
}

} // namespace pmsect
