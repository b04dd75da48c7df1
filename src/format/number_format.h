// Number texts as the program shows and stores them: "##,##0.00"-style patterns, plain number
// text, reading typed numbers, and halves-to-even rounding of counts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pmsect {

// Writes value with a pattern in which '#' is an optional digit, '0' a digit always written,
// ',' in the integer part groups by three, '.' the decimal point and '%' a percentage.
// Comma and period are used whatever the locale.
std::string formatNumber(double value, std::string_view pattern);

// The shortest decimal text that reads back as the same single-precision value, with a leading
// blank for a value that is not negative and a minus sign otherwise.
std::string plainNumberText(float value);

// A number written back into a box: the shortest text that reads back as the same
// single-precision value, without a leading blank.
std::string boxNumberText(float value);

// A stored single-precision value shown in other units: the product value x factor worked in
// double precision, written with the fewest significant digits that read back, divided by the
// factor, as the same stored value; no leading blank. 18 in shows as "457.2" mm, where the
// single-precision product would show "457.19998".
std::string convertedNumberText(float value, double factor);

// The shortest text that reads back as the same value, without a leading blank, as written into
// a project file: no leading zero before the point (".5"), exponent notation ("1E+20") for very
// large or very small magnitudes.
std::string fileNumberText(float value);
std::string fileNumberText(double value);

// Reads a whole text as a number: blanks around it, a sign, digits with one optional point,
// commas only as thousands separators of the integer part, and an optional exponent.
// Anything else, and any value that is not finite in single precision, is not a number.
std::optional<double> parseNumber(std::string_view text);

// Round to the nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4),
// saturating at the limits of a 16-bit count.
int16_t roundHalfEven16(double value);
int32_t roundHalfEven32(double value);

} // namespace pmsect
