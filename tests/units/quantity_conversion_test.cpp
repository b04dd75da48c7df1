// Conversions chosen by the kind of a value, against the metric equivalents of NIST Special
// Publication 811 (2008), Appendix B.9: 1 in = 25.4 mm, 1 lbf = 4.448222 N, 1 lbf-ft =
// 1.355818 N-m, 1 psi = 6.894757 kPa, 1 lb/ft^3 = 16.01846 kg/m^3.
#include "units/display_units.h"
#include "units/unit_conversion.h"

#include <cmath>
#include <gtest/gtest.h>

namespace pmsect {
namespace {

DisplayUnits metric() {
    DisplayUnits u;
    applyUnitChoice(u, 3, 4, 6, 4, 2); // mm, kN, kN-m, MPa, kg/m^3
    return u;
}

TEST(QuantityConversion, EachKindConvertsByItsOwnUnit) {
    struct Case {
        Quantity kind;
        double internal;
        double metricValue; // by hand from the factors above
        const char* label;
    };
    const Case cases[] = {
        {Quantity::Plain, 1.75, 1.75, ""},
        {Quantity::Length, 18, 18 * 25.4, "mm"},
        {Quantity::Area, 2, 2 * 25.4 * 25.4, "mm^2"},
        {Quantity::Force, 100, 444.8222, "kN"},
        {Quantity::Moment, 100, 135.5818, "kN-m"},
        {Quantity::Stress, 4000, 27.579028, "MPa"},
        {Quantity::UnitWeight, 145, 2322.6767, "kg/m^3"},
    };
    const DisplayUnits u = metric();
    for (const Case& c : cases) {
        const double shownValue = shown(u, c.kind, c.internal);
        EXPECT_NEAR(shownValue, c.metricValue, c.metricValue * 1e-6) << c.label;
        EXPECT_NEAR(typed(u, c.kind, shownValue), c.internal, c.internal * 1e-12) << c.label;
        EXPECT_EQ(unitLabel(u, c.kind), c.label);
    }
    // 1,200 kip-in of the engine are 100 kip-ft, 135.5818 kN-m.
    EXPECT_NEAR(shownMomentFromKipIn(u, 1200), 135.5818, 135.5818 * 1e-6);
    // EI of 1e6 kip-in^2: 4.448222 kN x 645.16 mm^2 = 2,869.815 kN-mm^2 for each kip-in^2.
    EXPECT_NEAR(shownStiffness(u, 1e6), 2.869815e9, 2.869815e9 * 1e-6);
    // 18 in is 457.2 mm; the text, typed back, gives the stored 18 again.
    EXPECT_EQ(shownNumberText(u, Quantity::Length, 18.0f), "457.2");
}

} // namespace
} // namespace pmsect
