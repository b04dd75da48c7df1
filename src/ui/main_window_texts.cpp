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
    // Each text, typed back, gives the internal value again.
    t.rectB = shownNumberText(u, Quantity::Length, model.rectB);
    t.rectH = shownNumberText(u, Quantity::Length, model.rectH);
    t.circDiam = shownNumberText(u, Quantity::Length, model.circDiam);
    t.unitWt = shownNumberText(u, Quantity::UnitWeight, model.unitWt);
    t.fpc = shownNumberText(u, Quantity::Stress, model.fpc);
    t.fy = shownNumberText(u, Quantity::Stress, model.fy);
    t.clearCover = shownNumberText(u, Quantity::Length, model.clearCover);
    t.clearSpacing = shownNumberText(u, Quantity::Length, model.clearSpacing);
    t.concreteModulusLine = concreteModulusLabel(model);
    t.steelModulusLine = steelModulusLabel(model);
    t.flexuralUnitsLine = "Flexural Units: " + u.momentLabel;
    return t;
}

} // namespace pmsect
