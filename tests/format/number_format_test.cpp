// Format patterns, shortest texts, reading typed numbers and halves-to-even rounding.
#include "format/number_format.h"

#include <gtest/gtest.h>
#include <limits>

namespace pmsect {
namespace {

TEST(FormatNumber, PatternsOfTheProgram) {
    EXPECT_EQ(formatNumber(1234.5, "##,##0.00"), "1,234.50");
    EXPECT_EQ(formatNumber(0.5, "##,##0.00"), "0.50");
    EXPECT_EQ(formatNumber(-906989.9375, "##,##0.00"), "-906,989.94");
    EXPECT_EQ(formatNumber(5, "###,#00"), "05");
    EXPECT_EQ(formatNumber(3000, "###,#00"), "3,000");
    EXPECT_EQ(formatNumber(0.0185, "#0.00%"), "1.85%");
    EXPECT_EQ(formatNumber(0.0034567, "0.0000"), "0.0035");
    EXPECT_EQ(formatNumber(3155924, "##,###,###"), "3,155,924");
    EXPECT_EQ(formatNumber(29000000, "###,###,###"), "29,000,000");
    EXPECT_EQ(formatNumber(0.85, "0.00"), "0.85");
    EXPECT_EQ(formatNumber(60000, "###,##0"), "60,000");
    EXPECT_EQ(formatNumber(5, "##"), "5");
    EXPECT_EQ(formatNumber(1.2346, "#0.000"), "1.235");
    EXPECT_EQ(formatNumber(1234567.891, "###0.00"), "1234567.89"); // no comma, no grouping
    EXPECT_EQ(formatNumber(12345678901.0, "##,##0.00"), "12,345,678,901.00"); // grows as needed
}

TEST(FormatNumber, NegativeZeroAndNonFinite) {
    EXPECT_EQ(formatNumber(-0.001, "0.00"), "0.00");
    EXPECT_EQ(formatNumber(-0.0, "##,##0.00"), "0.00");
    EXPECT_EQ(formatNumber(std::numeric_limits<double>::quiet_NaN(), "0.00"), "NaN");
    EXPECT_EQ(formatNumber(-std::numeric_limits<double>::infinity(), "0.00"), "-Inf");
}

TEST(PlainNumberText, ShortestRoundTripWithLeadingBlank) {
    EXPECT_EQ(plainNumberText(12.0f), " 12");
    EXPECT_EQ(plainNumberText(-3.5f), "-3.5");
    EXPECT_EQ(plainNumberText(0.1f), " 0.1");
    EXPECT_EQ(plainNumberText(25.4f * 18), " 457.19998");
    EXPECT_EQ(plainNumberText(0.0f), " 0");
    EXPECT_EQ(plainNumberText(1e20f), " 1E+20");
    // Every text reads back as the same single-precision value.
    for (float v : {1.0f / 3, 3.4e38f, 1e-7f, 123456.79f, -0.000123f, 29000000.0f}) {
        const auto back = parseNumber(plainNumberText(v));
        ASSERT_TRUE(back.has_value()) << plainNumberText(v);
        EXPECT_EQ(static_cast<float>(*back), v);
    }
}

TEST(ConvertedNumberText, FewestDigitsThatReadBackToTheStoredValue) {
    // 18 in in millimetres: 457.2 exactly, which the single-precision product would blur.
    EXPECT_EQ(convertedNumberText(18.0f, 25.4f), "457.2");
    EXPECT_EQ(convertedNumberText(1.5f, 25.4f), "38.1");
    EXPECT_EQ(convertedNumberText(-2.0f, 25.4f), "-50.8");
    EXPECT_EQ(convertedNumberText(0.0f, 25.4f), "0");
    // 3000 psi at 0.00689 MPa per psi.
    EXPECT_EQ(convertedNumberText(3000.0f, 0.00689f), "20.67");
    // With a factor of one it is the single-precision shortest text.
    for (float v : {2.3f, 145.0f, 1.0f / 3, 60000.0f, -0.125f}) {
        std::string plain = plainNumberText(v);
        if (plain.front() == ' ') {
            plain.erase(0, 1);
        }
        EXPECT_EQ(convertedNumberText(v, 1.0f), plain);
    }
    // Whatever the value and factor, the text read back and divided by the factor gives the
    // stored value again.
    const float factors[] = {25.4f, 0.0254f, 16.018463f, 4.448222f, 1.355818f, 0.006894757f};
    for (float f : factors) {
        for (float v = 0.013f; v < 3.0e5f; v *= 1.37f) {
            const std::string text = convertedNumberText(v, f);
            const auto back = parseNumber(text);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(static_cast<float>(*back / f), v) << text << " for " << v << " x " << f;
        }
    }
}

TEST(FileNumberText, NoLeadingZeroAndExponentForm) {
    EXPECT_EQ(fileNumberText(0.5f), ".5");
    EXPECT_EQ(fileNumberText(-0.25f), "-.25");
    EXPECT_EQ(fileNumberText(12.0f), "12");
    EXPECT_EQ(fileNumberText(1.5e-7f), "1.5E-07");
    EXPECT_EQ(fileNumberText(6.0), "6");
}

TEST(ParseNumber, AcceptsNumbersAndRefusesEverythingElse) {
    EXPECT_EQ(parseNumber("4000"), 4000);
    EXPECT_EQ(parseNumber("  -2.5  "), -2.5);
    EXPECT_EQ(parseNumber(".5"), 0.5);
    EXPECT_EQ(parseNumber("5."), 5);
    EXPECT_EQ(parseNumber("+7"), 7);
    EXPECT_EQ(parseNumber("1.5E+01"), 15);
    EXPECT_EQ(parseNumber("4,000"), 4000); // read whole, never as its leading 4
    EXPECT_EQ(parseNumber("1,234,567.5"), 1234567.5);
    EXPECT_EQ(static_cast<float>(parseNumber("1e-50").value()), 0.0f);
    for (const char* bad :
         {"",    "   ",  "-",      ".",    "abc", "1.2.3", "0x10", "1e39", "-1e39", "nan",
          "inf", "1,00", "1,0000", ",100", "12a", "1e",    "1e+",  "--1",  "4 000", "\xc3\xa9"}) {
        EXPECT_FALSE(parseNumber(bad).has_value()) << bad;
    }
    EXPECT_FALSE(parseNumber(std::string(10000, '9')).has_value());
}

// The largest float prints as 3.4028235E+38, above its exact value 3.40282347E+38: the text any
// writer gives it must read back, while the next decimal up no longer rounds to a float.
TEST(ParseNumber, TheLargestFloatReadsBackFromItsOwnText) {
    const float largest = std::numeric_limits<float>::max();
    for (const float v : {largest, -largest}) {
        for (const std::string& text : {plainNumberText(v), fileNumberText(v)}) {
            const auto back = parseNumber(text);
            ASSERT_TRUE(back.has_value()) << text;
            EXPECT_EQ(static_cast<float>(*back), v) << text;
        }
    }
    EXPECT_EQ(static_cast<float>(parseNumber("3.4028235E+38").value()), largest);
    // Halfway to 2^128 (2^128 - 2^103 = 3.40282356779...E+38) a float rounds up to infinity.
    EXPECT_EQ(static_cast<float>(parseNumber("-3.40282356E+38").value()), -largest);
    EXPECT_FALSE(parseNumber("340282356779733661637539395458142568448").has_value());
    EXPECT_FALSE(parseNumber("3.40282357E+38").has_value());
}

TEST(RoundHalfEven, CountsAndSaturation) {
    EXPECT_EQ(roundHalfEven16(2.5), 2);
    EXPECT_EQ(roundHalfEven16(3.5), 4);
    EXPECT_EQ(roundHalfEven16(7.5), 8);
    EXPECT_EQ(roundHalfEven16(6.5), 6);
    EXPECT_EQ(roundHalfEven16(-2.5), -2);
    EXPECT_EQ(roundHalfEven16(5.692), 6);
    EXPECT_EQ(roundHalfEven16(1e9), 32767);
    EXPECT_EQ(roundHalfEven16(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(roundHalfEven32(3155923.5), 3155924);
}

} // namespace
} // namespace pmsect
