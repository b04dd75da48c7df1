// The finiteness of a summary's results.
#include "engine/section_results.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace pmsect {

std::optional<std::string> firstNonFiniteValue(const SectionResults& results) {
    const AxialLimits& l = results.limits;
    for (const auto& [name, value] : {std::pair<const char*, float>{"steelArea", l.steelArea},
                                      {"Po", l.Po},
                                      {"phiPnMax", l.phiPnMax},
                                      {"To", l.To},
                                      {"phiTnMax", l.phiTnMax},
                                      {"tenthFcAg", l.curveLevel}}) {
        if (!std::isfinite(value)) {
            return name;
        }
    }
    for (std::size_t i = 0; i < results.loads.size(); ++i) {
        const LoadResult& r = results.loads[i].result;
        for (const auto& [member, value] :
             {std::pair<const char*, float>{"eccentricity", r.eccentricity},
              {"angle", r.angle},
              {"phiPn", r.phiPn},
              {"phiMnx", r.phiMnx},
              {"phiMny", r.phiMny},
              {"ratio", r.ratio}}) {
            if (!std::isfinite(value)) {
                return "loads[" + std::to_string(i + 1) + "]." + member;
            }
        }
    }
    if (!results.pureBending) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < results.pureBending->size(); ++i) {
        const PureBendingResult& p = (*results.pureBending)[i];
        for (const auto& [member, value] :
             {std::pair<const char*, float>{"neutralAxisAngle", p.neutralAxisAngle},
              {"Mn", p.Mn},
              {"phiMn", p.phiMn},
              {"maxSteelStrain", p.maxSteelStrain}}) {
            if (!std::isfinite(value)) {
                return "pureBending[" + std::to_string(i) + "]." + member;
            }
        }
    }
    return std::nullopt;
}

} // namespace pmsect
