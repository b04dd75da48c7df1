// JSON numbers that carry a stored single-precision value exactly: nine significant digits read
// back as the same float.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>

namespace pmsect::cli {

inline nlohmann::ordered_json jsonNumber(float value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return std::strtod(text, nullptr);
}

} // namespace pmsect::cli
