// The main window's inputs and lines rewritten after a change of units.
#include "format/number_format.h"
#include "ui/main_window_texts.h"
#include "units/display_units.h"
#include "units/unit_conversion.h"

#include <gtest/gtest.h>

namespace pmsect {
namespace {

TEST(MainWindowUnitTexts, NewProjectInUsUnits) {
    ProjectModel m;
    applyUnitChoice(m.units, 1, 2, 4, 1, 1);
    const MainWindowUnitTexts t = mainWindowUnitTexts(m);
    EXPECT_EQ(t.rectB, "12");
    EXPECT_EQ(t.rectH, "18");
    EXPECT_EQ(t.circDiam, "16");
    EXPECT_EQ(t.unitWt, "145");
    EXPECT_EQ(t.fpc, "3000");
    EXPECT_EQ(t.fy, "60000");
    EXPECT_EQ(t.clearCover, "1.5");
    EXPECT_EQ(t.clearSpacing, "1");
    EXPECT_EQ(t.concreteModulusLine, "Conc. Mod. of Elasticity = 3,155,924 psi");
    EXPECT_EQ(t.steelModulusLine, "Steel Mod. of Elasticity = 29,000,000 psi");
    EXPECT_EQ(t.flexuralUnitsLine, "Flexural Units: ft-k");
}

TEST(MainWindowUnitTexts, SiUnits) {
    ProjectModel m;
    applyUnitChoice(m.units, 3, 4, 6, 4, 2);
    const MainWindowUnitTexts t = mainWindowUnitTexts(m);
    EXPECT_EQ(t.rectB, "304.8"); // 12 x 25.4
    EXPECT_EQ(t.rectH, "457.2");
    EXPECT_EQ(t.clearCover, "38.1"); // 1.5 x 25.4
    // 1 psi = 4.4482216152605 N / 25.4^2 mm^2 = 0.0068947573 MPa. A box shows the shortest text
    // that, divided by the factor, reads back as the stored single: 3000 x 0.0068947573 =
    // 20.6842719, 60000 x it = 413.685438.
    EXPECT_EQ(t.fpc, "20.684272");
    EXPECT_EQ(t.fy, "413.68544");
    // 3,155,924 x 0.0068947573 = 21,759.3; 29,000,000 x it = 199,947.96.
    EXPECT_EQ(t.concreteModulusLine, "Conc. Mod. of Elasticity = 21,759 MPa");
    EXPECT_EQ(t.steelModulusLine, "Steel Mod. of Elasticity = 199,948 MPa");
    EXPECT_EQ(t.flexuralUnitsLine, "Flexural Units: kN-m");
    // 145 x 0.45359237 kg / 0.3048^3 m^3 = 2,322.677
    EXPECT_EQ(t.unitWt, "2322.6772");
}

TEST(MainWindowUnitTexts, RewrittenInputsReadBackToTheInternalValues) {
    ProjectModel m;
    m.rectB = 13.37f;
    m.clearCover = 1.875f;
    m.fpc = 4500;
    for (int16_t length = 1; length <= 5; ++length) {
        for (int16_t stress = 1; stress <= 4; ++stress) {
            applyUnitChoice(m.units, length, 2, 4, stress, 2);
            const MainWindowUnitTexts t = mainWindowUnitTexts(m);
            const auto readBack = [](const std::string& text, auto typed, const DisplayUnits& u) {
                return static_cast<float>(typed(u, static_cast<float>(*parseNumber(text))));
            };
            EXPECT_NEAR(readBack(t.rectB, typedLength, m.units), 13.37f, 13.37f * 3e-7);
            EXPECT_NEAR(readBack(t.clearCover, typedLength, m.units), 1.875f, 1.875f * 3e-7);
            EXPECT_NEAR(readBack(t.fpc, typedStress, m.units), 4500.0f, 4500.0f * 3e-7);
            EXPECT_NEAR(readBack(t.unitWt, typedUnitWt, m.units), 145.0f, 145.0f * 3e-7);
        }
    }
}

TEST(MainWindowUnitTexts, NegativeValuesCarryAMinusSign) {
    ProjectModel m;
    m.rectB = -2;
    applyUnitChoice(m.units, 1, 2, 4, 1, 1);
    EXPECT_EQ(mainWindowUnitTexts(m).rectB, "-2");
}

} // namespace
} // namespace pmsect
