// Rewrites the main window's inputs in the current display units.
#include "units/main_window_unit_texts.h"

#include "format/number_format.h"

namespace pmsect {
namespace {

// Reading the text back divides by the same factor and gives the internal value again.
std::string inputText(float internal, float factor) {
    return convertedNumberText(internal, factor);
}

std::string modulusLine(const char* caption, int32_t modulusPsi, const DisplayUnits& u) {
    return std::string(caption) +
           formatNumber(static_cast<double>(modulusPsi) * u.stressFactor, "###,###,###") + " " +
           u.stressLabel;
}

} // namespace

MainWindowUnitTexts mainWindowUnitTexts(const ProjectModel& model) {
    const DisplayUnits& u = model.units;
    MainWindowUnitTexts t;
    t.rectB = inputText(model.rectB, u.lengthFactor);
    t.rectH = inputText(model.rectH, u.lengthFactor);
    t.circDiam = inputText(model.circDiam, u.lengthFactor);
    t.unitWt = inputText(model.unitWt, u.unitWtFactor);
    t.fpc = inputText(model.fpc, u.stressFactor);
    t.fy = inputText(model.fy, u.stressFactor);
    t.clearCover = inputText(model.clearCover, u.lengthFactor);
    t.clearSpacing = inputText(model.clearSpacing, u.lengthFactor);
    t.concreteModulusLine = modulusLine("Conc. Mod. of Elasticity = ", model.Ec, u);
    t.steelModulusLine = modulusLine("Steel Mod. of Elasticity = ", model.Es, u);
    t.flexuralUnitsLine = "Flexural Units: " + u.momentLabel;
    return t;
}

} // namespace pmsect
