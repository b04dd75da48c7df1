// Number texts: format patterns, shortest round-trip texts, reading and halves-to-even rounding.
#include "format/number_format.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

namespace pmsect {
namespace {

std::string groupByThree(const std::string& digits) {
    std::string out;
    const auto n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) {
            out += ',';
        }
        out += digits[i];
    }
    return out;
}

// Shortest digits and decimal exponent of a value: value = 0.d1d2d3... x 10^exponent.
struct ShortestDigits {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

template <typename Real> ShortestDigits shortestDigits(Real value) {
    std::array<char, 64> buf{};
    auto [end, ec] =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::scientific);
    std::string text(buf.data(), end);
    ShortestDigits out;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        out.negative = true;
        ++pos;
    }
    const auto ePos = text.find('e');
    for (std::size_t i = pos; i < ePos; ++i) {
        if (text[i] != '.') {
            out.digits += text[i];
        }
    }
    int exp10 = 0;
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exp10);
    out.exponent = exp10 + 1;
    while (out.digits.size() > 1 && out.digits.back() == '0') {
        out.digits.pop_back();
    }
    return out;
}

// Lays out shortest digits in plain decimal when the magnitude is moderate, else as mantissa,
// "E" and a signed two-digit exponent.
std::string layOut(const ShortestDigits& d, bool leadingZero) {
    if (d.digits == "0") {
        return "0";
    }
    std::string out;
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent > 15 || d.exponent < -4) {
        out = d.digits.substr(0, 1);
        if (n > 1) {
            out += '.' + d.digits.substr(1);
        }
        const int e = d.exponent - 1;
        char buf[16];
        std::snprintf(buf, sizeof buf, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
        out += buf;
    } else if (d.exponent <= 0) {
        out = leadingZero ? "0." : ".";
        out += std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
    } else if (d.exponent >= n) {
        out = d.digits + std::string(static_cast<std::size_t>(d.exponent - n), '0');
    } else {
        out = d.digits.substr(0, static_cast<std::size_t>(d.exponent)) + '.' +
              d.digits.substr(static_cast<std::size_t>(d.exponent));
    }
    return (d.negative ? "-" : "") + out;
}

template <typename Real> std::string nonFiniteText(Real value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Inf" : "Inf";
}

} // namespace

std::string formatNumber(double value, std::string_view pattern) {
    const bool percent = pattern.find('%') != std::string_view::npos;
    const auto dot = pattern.find('.');
    const auto intPattern = pattern.substr(0, dot);
    const auto fracPattern =
        dot == std::string_view::npos ? std::string_view{} : pattern.substr(dot + 1);
    const auto minInt =
        static_cast<std::size_t>(std::count(intPattern.begin(), intPattern.end(), '0'));
    const bool group = intPattern.find(',') != std::string_view::npos;
    const auto minDecimals =
        static_cast<std::size_t>(std::count(fracPattern.begin(), fracPattern.end(), '0'));
    const auto decimals =
        minDecimals +
        static_cast<std::size_t>(std::count(fracPattern.begin(), fracPattern.end(), '#'));
    if (percent) {
        value *= 100;
    }
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    std::vector<char> buf(std::numeric_limits<double>::max_exponent10 + decimals + 8);
    std::snprintf(buf.data(), buf.size(), "%.*f", static_cast<int>(decimals), std::fabs(value));
    std::string text(buf.data());
    const auto point = text.find('.');
    std::string intDigits = text.substr(0, point);
    std::string fracDigits = point == std::string::npos ? "" : text.substr(point + 1);
    const bool allZero = text.find_first_not_of("0.") == std::string::npos;

    intDigits.erase(0, std::min(intDigits.find_first_not_of('0'), intDigits.size()));
    if (intDigits.size() < minInt) {
        intDigits.insert(0, minInt - intDigits.size(), '0');
    }
    if (group) {
        intDigits = groupByThree(intDigits);
    }
    while (fracDigits.size() > minDecimals && fracDigits.back() == '0') {
        fracDigits.pop_back();
    }
    std::string out = (value < 0 && !allZero) ? "-" : "";
    out += intDigits;
    if (!fracDigits.empty()) {
        out += '.' + fracDigits;
    }
    if (percent) {
        out += '%';
    }
    return out;
}

std::string plainNumberText(float value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    const std::string text = layOut(shortestDigits(value), true);
    return text[0] == '-' ? text : ' ' + text;
}

std::string boxNumberText(float value) {
    std::string text = plainNumberText(value);
    if (!text.empty() && text.front() == ' ') {
        text.erase(0, 1);
    }
    return text;
}

std::string convertedNumberText(float value, double factor) {
    const double shown = static_cast<double>(value) * factor;
    if (!std::isfinite(shown)) {
        return nonFiniteText(shown);
    }
    std::array<char, 64> buf{};
    for (int precision = 0; precision < std::numeric_limits<double>::max_digits10; ++precision) {
        auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), shown,
                                       std::chars_format::scientific, precision);
        double read = 0;
        std::from_chars(buf.data(), end, read);
        if (static_cast<float>(read / factor) == value) {
            return layOut(shortestDigits(read), true);
        }
    }
    return layOut(shortestDigits(shown), true);
}

std::string fileNumberText(float value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    return layOut(shortestDigits(value), false);
}

std::string fileNumberText(double value) {
    if (!std::isfinite(value)) {
        return nonFiniteText(value);
    }
    return layOut(shortestDigits(value), false);
}

std::optional<double> parseNumber(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    std::string clean;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        clean += text[i++];
    }
    // Integer digits, with commas accepted only between whole groups of three.
    std::size_t digitsInGroup = 0;
    std::size_t intDigits = 0;
    bool sawComma = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            clean += c;
            ++digitsInGroup;
            ++intDigits;
        } else if (c == ',') {
            if (digitsInGroup == 0 || (sawComma && digitsInGroup != 3) ||
                (!sawComma && digitsInGroup > 3)) {
                return std::nullopt;
            }
            sawComma = true;
            digitsInGroup = 0;
        } else {
            break;
        }
    }
    if (sawComma && digitsInGroup != 3) {
        return std::nullopt;
    }
    std::size_t fracDigits = 0;
    if (i < text.size() && text[i] == '.') {
        clean += text[i++];
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            clean += text[i];
            ++fracDigits;
        }
    }
    if (intDigits + fracDigits == 0) {
        return std::nullopt;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        clean += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            clean += text[i++];
        }
        std::size_t expDigits = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            clean += text[i];
            ++expDigits;
        }
        if (expDigits == 0) {
            return std::nullopt;
        }
    }
    if (i != text.size()) {
        return std::nullopt;
    }
    double value = 0;
    const char* first = clean.data() + (clean[0] == '+' ? 1 : 0);
    auto [end, ec] = std::from_chars(first, clean.data() + clean.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // An exponent so small that the value underflows reads as 0; one so large is no number.
        const auto ePos = clean.find('e');
        if (ePos != std::string::npos && clean[ePos + 1] == '-') {
            return 0.0;
        }
        return std::nullopt;
    }
    // The largest float is written "3.4028235E+38", a little above it: a value counts as long as
    // it rounds to a finite float, i.e. stays below 2^128 - 2^103.
    constexpr double kFloatRoundingLimit = 0x1.ffffffp127;
    if (ec != std::errc() || end != clean.data() + clean.size() || !std::isfinite(value) ||
        std::fabs(value) >= kFloatRoundingLimit) {
        return std::nullopt;
    }
    return value;
}

int32_t roundHalfEven32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double r = std::nearbyint(value); // the default rounding mode sends halves to even
    if (r >= std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (r <= std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(r);
}

int16_t roundHalfEven16(double value) {
    const int32_t r = roundHalfEven32(value);
    return static_cast<int16_t>(std::clamp<int32_t>(r, std::numeric_limits<int16_t>::min(),
                                                    std::numeric_limits<int16_t>::max()));
}

} // namespace pmsect
