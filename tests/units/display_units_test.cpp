// Unit tables, the unit choice and the lookup of units by name.
#include "format/number_format.h"
#include "units/display_units.h"
#include "units/unit_conversion.h"

#include <cmath>
#include <gtest/gtest.h>

namespace pmsect {
namespace {

DisplayUnits chosen(int16_t length, int16_t force, int16_t moment, int16_t stress, int16_t unitWt) {
    DisplayUnits u;
    const auto fallbacks = applyUnitChoice(u, length, force, moment, stress, unitWt);
    EXPECT_FALSE(fallbacks.any());
    return u;
}

TEST(DisplayUnits, DefaultChoiceIsInchesKipsKipFeetPsiPcf) {
    const DisplayUnits u = chosen(1, 2, 4, 1, 1);
    EXPECT_EQ(u.lengthLabel, "in.");
    EXPECT_EQ(u.areaLabel, "in^2");
    EXPECT_EQ(u.forceLabel, "k");
    EXPECT_EQ(u.momentLabel, "ft-k");
    EXPECT_EQ(u.stressLabel, "psi");
    EXPECT_EQ(u.unitWtLabel, "pcf");
    EXPECT_EQ(u.lengthFactor, 1.0f);
    EXPECT_EQ(u.forceFactor, 1.0f);
    EXPECT_EQ(u.momentFactor, 1.0f);
    EXPECT_EQ(u.areaFactor, 1.0f);
    EXPECT_EQ(u.stressFactor, 1.0f);
    EXPECT_EQ(u.unitWtFactor, 1.0f);
}

TEST(DisplayUnits, CaptionsAndLabelsOfTheUnitsWindow) {
    const auto captions = [](UnitGroup g) {
        std::string all;
        for (const UnitEntry& e : unitEntries(g)) {
            all += std::string(e.caption) + "|";
        }
        return all;
    };
    EXPECT_EQ(captions(UnitGroup::Length), "Inch|Feet|mm|cm|meter|");
    EXPECT_EQ(captions(UnitGroup::Force), "lbs|kips|N|kN|");
    EXPECT_EQ(captions(UnitGroup::Moment), "in-lb|in-kip|ft-lb|ft-kip|N-m|kN-m|");
    EXPECT_EQ(captions(UnitGroup::Stress), "psi|psf|kPa|MPa|");
    EXPECT_EQ(captions(UnitGroup::UnitWeight), "pcf|Kg/m^3|");

    const DisplayUnits u = chosen(5, 1, 2, 2, 2);
    EXPECT_EQ(u.lengthLabel, "m");
    EXPECT_EQ(u.areaLabel, "m^2");
    EXPECT_EQ(u.forceLabel, "lb.");
    EXPECT_EQ(u.momentLabel, "in-k");
    EXPECT_EQ(u.stressLabel, "psf");
    EXPECT_EQ(u.unitWtLabel, "kg/m^3");
    EXPECT_EQ(u.lengthUnit, 5);
    EXPECT_EQ(u.unitWtUnit, 2);
}

// The metric factors follow from the exact definitions of the inch (25.4 mm), the pound
// (0.45359237 kg) and the pound-force (4.4482216152605 N); NIST Special Publication 811 (2008),
// Appendix B.9, lists them rounded: psi 6.894757 kPa, lbf 4.448222 N, lb/ft^3 16.01846 kg/m^3,
// lbf-ft 1.355818 N-m. Each line is the value a window shows, worked by hand from those.
TEST(DisplayUnits, MetricValuesFollowTheExactDefinitions) {
    struct Case {
        const char* what;
        DisplayUnits units;
        double (*shown)(const DisplayUnits&, double);
        double internal;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        // 5000 x 4.4482216152605 / 0.0254^2 / 1e6 = 34.4738
        {"f'c 5,000 psi in MPa", chosen(1, 2, 4, 4, 1), shownStress, 5000, "#,##0.00", "34.47"},
        // 29e6 psi x 0.006894757 = 199,947.96
        {"Es 29,000 ksi in MPa", chosen(1, 2, 4, 4, 1), shownStress, 29e6, "###,###,###",
         "199,948"},
        {"1 psi in psf", chosen(1, 2, 4, 2, 1), shownStress, 1, "0", "144"},
        // 145 x 0.45359237 / 0.3048^3 = 2,322.68
        {"145 pcf in kg/m^3", chosen(1, 2, 4, 1, 2), shownUnitWt, 145, "#,##0.0", "2,322.7"},
        // 600 x 4.4482216 = 2,668.93
        {"600 k in kN", chosen(1, 4, 4, 1, 1), shownForce, 600, "#,##0.0", "2,668.9"},
        // 4.4482216 kN x 0.3048 m
        {"1 ft-k in kN-m", chosen(1, 2, 6, 1, 1), shownMoment, 1, "0.000000", "1.355818"},
        // 400 x 25.4^2 = 258,064 exactly: no rounding of the factor may show.
        {"400 in^2 in mm^2", chosen(3, 2, 4, 1, 1), shownArea, 400, "###,##0.00", "258,064.00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(formatNumber(c.shown(c.units, c.internal), c.pattern), c.text) << c.what;
    }
    // Axial limits are held in lb and shown through kips; a typed value is divided by the
    // exact factor (34.4737865 MPa is the 5,000 psi above to more digits).
    EXPECT_NEAR(shownForceFromLb(chosen(1, 2, 4, 1, 1), -518400.0), -518.4, 1e-9);
    EXPECT_NEAR(typedStress(chosen(1, 2, 4, 4, 1), 34.4737865), 5000, 1e-5);
}

TEST(DisplayUnits, FeetShowTwelveInchesAsOneAndASquareFootAsOne) {
    const DisplayUnits ft = chosen(2, 2, 4, 1, 1);
    EXPECT_NEAR(shownLength(ft, 12.0), 1.0, 1e-6);
    EXPECT_NEAR(shownArea(ft, 144.0), 1.0, 1e-6);
    EXPECT_EQ(ft.areaLabel, "ft^2");
}

TEST(DisplayUnits, AreaFactorIsTheSquareOfTheLengthFactor) {
    EXPECT_NEAR(chosen(3, 2, 4, 1, 1).areaFactor, 645.16, 645.16 * 1e-15);
    EXPECT_NEAR(chosen(4, 2, 4, 1, 1).areaFactor, 6.4516, 6.4516 * 1e-15);
    EXPECT_NEAR(chosen(5, 2, 4, 1, 1).areaFactor, 0.00064516, 0.00064516 * 1e-15);
}

TEST(DisplayUnits, EveryUnitRoundTripsWithinFloatRounding) {
    const float values[] = {1.0f, 12.5f, 3000.0f, 0.1234f, -41.7f};
    const auto roundTrips = [&](const DisplayUnits& u, auto shown, auto typed) {
        for (float v : values) {
            // What the user sees is stored as a float, then read back as the internal value.
            const float s = static_cast<float>(shown(u, v));
            const float back = static_cast<float>(typed(u, s));
            EXPECT_NEAR(back, v, std::fabs(v) * 3e-7) << v;
        }
    };
    for (int16_t p = 1; p <= 5; ++p) {
        const DisplayUnits u = chosen(p, 2, 4, 1, 1);
        roundTrips(u, shownLength, typedLength);
        roundTrips(u, shownArea, typedArea);
    }
    for (int16_t p = 1; p <= 4; ++p) {
        roundTrips(chosen(1, p, 4, 1, 1), shownForce, typedForce);
        roundTrips(chosen(1, 2, 4, p, 1), shownStress, typedStress);
    }
    for (int16_t p = 1; p <= 6; ++p) {
        roundTrips(chosen(1, 2, p, 1, 1), shownMoment, typedMoment);
    }
    for (int16_t p = 1; p <= 2; ++p) {
        roundTrips(chosen(1, 2, 4, 1, p), shownUnitWt, typedUnitWt);
    }
}

TEST(DisplayUnits, OutOfRangePositionsFallBackToTheGroupDefault) {
    DisplayUnits u;
    const auto fb = applyUnitChoice(u, 0, 5, 7, -3, 3);
    EXPECT_TRUE(fb.length && fb.force && fb.moment && fb.stress && fb.unitWeight);
    EXPECT_EQ(u.lengthUnit, 1);
    EXPECT_EQ(u.forceUnit, 2);
    EXPECT_EQ(u.momentUnit, 4);
    EXPECT_EQ(u.stressUnit, 1);
    EXPECT_EQ(u.unitWtUnit, 1);
    EXPECT_EQ(u.momentLabel, "ft-k");
    EXPECT_EQ(u.forceFactor, 1.0f);

    const auto one = applyUnitChoice(u, 3, 9, 6, 4, 2);
    EXPECT_TRUE(one.force);
    EXPECT_FALSE(one.length || one.moment || one.stress || one.unitWeight);
    EXPECT_EQ(u.lengthLabel, "mm");
    EXPECT_EQ(u.forceLabel, "k");
}

TEST(DisplayUnits, UnitsAreFoundByCaptionShortNameOrLabel) {
    EXPECT_EQ(unitPositionByName(UnitGroup::Length, "Inch"), 1);
    EXPECT_EQ(unitPositionByName(UnitGroup::Length, "in"), 1);
    EXPECT_EQ(unitPositionByName(UnitGroup::Length, "ft"), 2);
    EXPECT_EQ(unitPositionByName(UnitGroup::Length, "Feet"), 2);
    EXPECT_EQ(unitPositionByName(UnitGroup::Length, " mm "), 3);
    EXPECT_EQ(unitPositionByName(UnitGroup::Length, "cm"), 4);
    EXPECT_EQ(unitPositionByName(UnitGroup::Length, "m"), 5);
    EXPECT_EQ(unitPositionByName(UnitGroup::Length, "meter"), 5);
    EXPECT_EQ(unitPositionByName(UnitGroup::Force, "lbs"), 1);
    EXPECT_EQ(unitPositionByName(UnitGroup::Force, "kips"), 2);
    EXPECT_EQ(unitPositionByName(UnitGroup::Force, "N"), 3);
    EXPECT_EQ(unitPositionByName(UnitGroup::Force, "kN"), 4);
    EXPECT_EQ(unitPositionByName(UnitGroup::Moment, "in-lb"), 1);
    EXPECT_EQ(unitPositionByName(UnitGroup::Moment, "in-kip"), 2);
    EXPECT_EQ(unitPositionByName(UnitGroup::Moment, "ft-lb"), 3);
    EXPECT_EQ(unitPositionByName(UnitGroup::Moment, "ft-kip"), 4);
    EXPECT_EQ(unitPositionByName(UnitGroup::Moment, "N-m"), 5);
    EXPECT_EQ(unitPositionByName(UnitGroup::Moment, "kN-m"), 6);
    EXPECT_EQ(unitPositionByName(UnitGroup::Stress, "psi"), 1);
    EXPECT_EQ(unitPositionByName(UnitGroup::Stress, "psf"), 2);
    EXPECT_EQ(unitPositionByName(UnitGroup::Stress, "kPa"), 3);
    EXPECT_EQ(unitPositionByName(UnitGroup::Stress, "MPa"), 4);
    EXPECT_EQ(unitPositionByName(UnitGroup::UnitWeight, "pcf"), 1);
    EXPECT_EQ(unitPositionByName(UnitGroup::UnitWeight, "kg/m^3"), 2);
    EXPECT_EQ(unitPositionByName(UnitGroup::UnitWeight, "Kg/m^3"), 2);
}

TEST(DisplayUnits, UnknownUnitNamesAreNotFound) {
    EXPECT_FALSE(unitPositionByName(UnitGroup::Length, "furlong"));
    EXPECT_FALSE(unitPositionByName(UnitGroup::Length, ""));
    EXPECT_FALSE(unitPositionByName(UnitGroup::Length, "kN"));
    EXPECT_FALSE(unitPositionByName(UnitGroup::Stress, "pa"));
    // A unit of one group is no unit of another.
    EXPECT_FALSE(unitPositionByName(UnitGroup::Force, "mm"));
}

} // namespace
} // namespace pmsect
