// Fuzz target: any text as a typed number. parseNumber either refuses it or gives a finite
// single-precision value; that value's plain, file and pattern texts read back as the same value.
// After a line feed, the rest of the input is tried as a format pattern of its own.
#include "format/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace pmsect;

[[noreturn]] void fail(const char* what, std::string_view text, const std::string& got) {
    std::fprintf(stderr, "number_text_fuzzer: %s: \"%.*s\" -> \"%s\"\n", what,
                 static_cast<int>(text.size()), text.data(), got.c_str());
    std::abort();
}

// The patterns the windows and the report use.
constexpr std::string_view kPatterns[] = {"##,##0.00",  "#,##0.00", "###,##0.00", "###0.00",
                                          "##,###,###", "0.00",     "0.000",      "0.0000",
                                          "#,##0",      "0"};

int decimalsOf(std::string_view pattern) {
    const auto dot = pattern.find('.');
    return dot == std::string_view::npos ? 0 : static_cast<int>(pattern.size() - dot - 1);
}

void checkRoundTrips(double value, std::string_view typed) {
    const float single = static_cast<float>(value);
    if (!std::isfinite(single)) {
        fail("accepted a value that is not finite in single precision", typed, "");
    }
    const std::string plain = plainNumberText(single);
    if (plain.empty() || (plain[0] != ' ' && plain[0] != '-')) {
        fail("plain text without its sign place", typed, plain);
    }
    const auto plainBack = parseNumber(plain);
    if (!plainBack || static_cast<float>(*plainBack) != single) {
        fail("plain text does not read back", typed, plain);
    }
    const std::string fileSingle = fileNumberText(single);
    const auto fileSingleBack = parseNumber(fileSingle);
    if (!fileSingleBack || static_cast<float>(*fileSingleBack) != single) {
        fail("file text (single) does not read back", typed, fileSingle);
    }
    const std::string fileDouble = fileNumberText(value);
    const auto fileDoubleBack = parseNumber(fileDouble);
    if (!fileDoubleBack || *fileDoubleBack != value) {
        fail("file text (double) does not read back", typed, fileDouble);
    }
    for (const std::string_view pattern : kPatterns) {
        const std::string shown = formatNumber(value, pattern);
        const double tolerance =
            0.5 * std::pow(10.0, -decimalsOf(pattern)) * (1 + 1e-9) + std::fabs(value) * 1e-15;
        // A pattern of optional digits alone writes nothing for a value that rounds to zero.
        if (shown.empty() && pattern.find('0') == std::string_view::npos &&
            std::fabs(value) <= tolerance) {
            continue;
        }
        const auto shownBack = parseNumber(shown);
        if (!shownBack) {
            fail("pattern text does not read as a number", typed, shown);
        }
        if (std::fabs(*shownBack - value) > tolerance) {
            fail("pattern text is not the value rounded", typed, shown);
        }
    }
    const std::string percent = formatNumber(value, "0.0%");
    if (percent.empty() || percent.back() != '%') {
        fail("percentage without its sign", typed, percent);
    }
    // Counts: no undefined conversion, whatever the magnitude.
    const int32_t r32 = roundHalfEven32(value);
    const int16_t r16 = roundHalfEven16(value);
    if (std::fabs(value) < 30000 && (std::fabs(r16 - value) > 0.5 || r16 != r32)) {
        fail("rounding to a count is off", typed, std::to_string(r16));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto newline = input.find('\n');
    const std::string_view typed = input.substr(0, newline);

    if (const auto value = parseNumber(typed)) {
        if (!std::isfinite(*value)) {
            fail("accepted a value that is not finite", typed, std::to_string(*value));
        }
        checkRoundTrips(*value, typed);
    }

    if (newline != std::string_view::npos) {
        const std::string_view pattern = input.substr(newline + 1);
        const double value = parseNumber(typed).value_or(1234.5678);
        const std::string shown = formatNumber(value, pattern);
        if (shown.size() > 400 + 2 * pattern.size()) {
            fail("a pattern text longer than the value and pattern allow", pattern, shown);
        }
    }
    return 0;
}
