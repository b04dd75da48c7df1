// Outlines and bars no strength can be computed for, and the range table's edges.
#include "building/input_limits.h"
#include "building/section_checks.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace pmsect {
namespace {

ProjectModel withOutline(const std::vector<Point>& outline, const std::vector<Bar>& bars = {}) {
    ProjectModel m;
    m.numPoints = static_cast<int16_t>(outline.size());
    for (std::size_t i = 0; i < outline.size(); ++i) {
        m.points[i + 1] = outline[i];
    }
    m.numBars = static_cast<int16_t>(bars.size());
    for (std::size_t i = 0; i < bars.size(); ++i) {
        m.bars[i + 1] = bars[i];
    }
    return m;
}

struct OutlineCase {
    const char* name;
    std::vector<Point> outline;
    const char* fault; // nothing expected when empty
};

TEST(SectionChecks, OutlinesThatAreNoPolygonWithAreaAreFound) {
    const OutlineCase cases[] = {
        {"rectangle", {{-6, -9}, {-6, 9}, {6, 9}, {6, -9}}, ""},
        {"either orientation", {{-6, -9}, {6, -9}, {6, 9}, {-6, 9}}, ""},
        // An L: a reflex corner is no crossing.
        {"L shape", {{0, 0}, {0, 24}, {8, 24}, {8, 8}, {24, 8}, {24, 0}}, ""},
        // Repeated points and a closing point add edges of no length.
        {"repeated points", {{0, 0}, {0, 0}, {0, 10}, {10, 10}, {10, 0}, {0, 0}}, ""},
        // A sliver of 1200 x 0.01 in is thin, not empty.
        {"thin", {{0, 0}, {0, 0.01f}, {1200, 0.01f}, {1200, 0}}, ""},
        {"two points", {{0, 0}, {10, 10}}, "the outline needs at least 3 distinct points"},
        {"one point three times", {{1, 1}, {1, 1}, {1, 1}}, "at least 3 distinct points"},
        {"on one line", {{0, 0}, {10, 10}, {20, 20}}, "the outline has no area"},
        {"there and back", {{0, 0}, {10, 0}, {5, 0}}, "the outline has no area"},
        {"bow tie", {{0, 0}, {10, 10}, {10, 0}, {0, 10}}, "edge 1-2 meets edge 3-4"},
        // A corner touching an edge that is not its own: the outline pinches to a point.
        {"pinched", {{0, 0}, {10, 0}, {5, 5}, {10, 10}, {0, 10}, {5, 5}}, "crosses itself"},
        // An edge that folds back along the one before it.
        {"spike", {{0, 0}, {0, 10}, {10, 10}, {10, 5}, {10, 8}, {10, 0}}, "crosses itself"},
    };
    for (const OutlineCase& c : cases) {
        const auto fault = outlineFault(withOutline(c.outline));
        if (std::string(c.fault).empty()) {
            EXPECT_FALSE(fault) << c.name << ": " << fault->reason;
        } else {
            ASSERT_TRUE(fault) << c.name;
            EXPECT_NE(fault->reason.find(c.fault), std::string::npos)
                << c.name << ": " << fault->reason;
        }
    }
}

TEST(SectionChecks, ABarOutsideTheOutlineIsNamedByItsRow) {
    // The L of the test above: its notch (x > 8 and y > 8) is outside.
    const std::vector<Point> l = {{0, 0}, {0, 24}, {8, 24}, {8, 8}, {24, 8}, {24, 0}};
    const Bar inside{2, 2, 5}, onEdge{8, 16, 5}, onCorner{24, 0, 5}, inNotch{16, 16, 5};
    EXPECT_FALSE(barOutsideFault(withOutline(l, {inside, onEdge, onCorner})));
    const auto fault = barOutsideFault(withOutline(l, {inside, onEdge, inNotch}));
    ASSERT_TRUE(fault);
    EXPECT_TRUE(fault->inBars);
    EXPECT_EQ(fault->row, 3);
    EXPECT_EQ(fault->reason, "bar 3 at (16, 16) lies outside the outline");
    // The outline's own fault comes first.
    const auto first = sectionFault(withOutline({{0, 0}, {1, 1}, {2, 2}}, {inNotch}));
    ASSERT_TRUE(first);
    EXPECT_FALSE(first->inBars);
}

// Each range at its edges: the limit itself is in (or out, for a range open below), the next
// representable value beyond it is out, and NaN is never in.
TEST(InputLimits, EachRangeHoldsItsEdgesAndNothingBeyond) {
    struct Edge {
        InputQuantity quantity;
        double low, high;
        bool lowIn;
        const char* text;
    };
    const Edge edges[] = {
        {InputQuantity::ConcreteStrength, 500, 30'000, true, "between 500 and 30,000 psi"},
        {InputQuantity::SteelStrength, 10'000, 150'000, true, "between 10,000 and 150,000 psi"},
        {InputQuantity::UnitWeight, 50, 250, true, "between 50 and 250 lb/ft^3"},
        {InputQuantity::SectionSize, 0, 1'200, false, "greater than 0 and at most 1,200 in"},
        {InputQuantity::CoverOrSpacing, 0, 1'200, true, "between 0 and 1,200 in"},
        {InputQuantity::Coordinate, -1'200, 1'200, true, "between -1,200 and 1,200 in"},
        {InputQuantity::CircleBars, 0, 100, true, "between 0 and 100"},
        {InputQuantity::BarSetBars, 1, 100, true, "between 1 and 100"},
        {InputQuantity::AxialLoad, -1e6, 1e6, true, "between -1,000,000 and 1,000,000 k"},
        {InputQuantity::Moment, -1e7, 1e7, true, "between -10,000,000 and 10,000,000 ft-k"},
    };
    const double inf = std::numeric_limits<double>::infinity();
    for (const Edge& e : edges) {
        const std::string text = rangeText(e.quantity);
        EXPECT_EQ(text, e.text);
        EXPECT_EQ(withinLimit(e.quantity, e.low), e.lowIn) << text;
        EXPECT_FALSE(withinLimit(e.quantity, std::nextafter(e.low, -inf))) << text;
        EXPECT_TRUE(withinLimit(e.quantity, e.high)) << text;
        EXPECT_FALSE(withinLimit(e.quantity, std::nextafter(e.high, inf))) << text;
        EXPECT_FALSE(withinLimit(e.quantity, std::nan(""))) << text;
    }
    // In display units: 500 to 30,000 psi are 3.45 to 206.84 MPa (1 psi = 6.894757e-3 MPa).
    DisplayUnits si;
    si.stressFactor = 6.894757e-3;
    si.stressLabel = "MPa";
    si.lengthFactor = 25.4;
    si.lengthLabel = "mm";
    EXPECT_EQ(rangeText(InputQuantity::ConcreteStrength, si, Quantity::Stress),
              "between 3.45 and 206.84 MPa");
    EXPECT_EQ(outOfRangeText("Width", InputQuantity::SectionSize, si, Quantity::Length),
              "Width must be greater than 0 and at most 30,480 mm");
}

// Ec as 33 w^1.5 sqrt(f'c) (ACI 318-05 8.5.1) over the corners of the unit weight and f'c ranges
// lies within Ec's own range, so a derived modulus is never refused, and fits a 32-bit integer.
TEST(InputLimits, TheModulusOfEveryAllowedConcreteLiesInItsRange) {
    const InputLimit w = inputLimit(InputQuantity::UnitWeight);
    const InputLimit fc = inputLimit(InputQuantity::ConcreteStrength);
    for (const double unitWt : {w.low, w.high}) {
        for (const double fpc : {fc.low, fc.high}) {
            const double ec = 33 * std::pow(unitWt, 1.5) * std::sqrt(fpc);
            EXPECT_TRUE(withinLimit(InputQuantity::ConcreteModulus, ec)) << unitWt << " " << fpc;
        }
    }
}

} // namespace
} // namespace pmsect
