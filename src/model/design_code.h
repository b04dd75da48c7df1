// The edition of ACI 318 whose strength reduction rules a project follows. The strength method
// itself (0.003 strain, the 0.85 f'c block over beta1 c, elastic-perfectly-plastic steel) is the
// same in all of them; phi and its strain limits differ.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace pmsect {

enum class DesignCode : int16_t { Aci318_05, Aci318_14, Aci318_19 };

inline constexpr std::array<DesignCode, 3> kDesignCodes = {
    DesignCode::Aci318_05, DesignCode::Aci318_14, DesignCode::Aci318_19};

// "318-05", "318-14", "318-19": the edition as the command line and JSON outputs name it.
constexpr std::string_view designCodeName(DesignCode code) {
    switch (code) {
    case DesignCode::Aci318_05:
        return "318-05";
    case DesignCode::Aci318_14:
        return "318-14";
    case DesignCode::Aci318_19:
        return "318-19";
    }
    return "318-05";
}

constexpr std::optional<DesignCode> designCodeFromName(std::string_view name) {
    for (const DesignCode code : kDesignCodes) {
        if (designCodeName(code) == name) {
            return code;
        }
    }
    return std::nullopt;
}

} // namespace pmsect
