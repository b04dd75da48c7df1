// Whether every real the project model holds is finite. Typed and loaded numbers are finite one
// by one, yet what follows from them can overflow single precision (an outline 1E+38 in wide has
// no finite area); the windows and the file reader use this to refuse such a change whole.
#pragma once

#include "model/project_model.h"

#include <cmath>
#include <optional>
#include <string>

namespace pmsect {

// The name of the first real of the model that is NaN or infinite, or nothing when all are
// finite. Whole tables are looked at, rows past their counts included.
inline std::optional<std::string> firstNonFiniteValue(const ProjectModel& m) {
    const auto bad = [](float v) { return !std::isfinite(v); };
    for (const auto& [name, value] : {std::pair<const char*, float>{"fpc", m.fpc},
                                      {"unitWt", m.unitWt},
                                      {"beta1", m.beta1},
                                      {"phiCompression", m.phiCompression},
                                      {"pnMaxFactor", m.pnMaxFactor},
                                      {"phiTension", m.phiTension},
                                      {"rectB", m.rectB},
                                      {"rectH", m.rectH},
                                      {"circDiam", m.circDiam},
                                      {"grossArea", m.grossArea},
                                      {"refX", m.refX},
                                      {"refY", m.refY},
                                      {"extentX", m.extentX},
                                      {"extentY", m.extentY},
                                      {"midX", m.midX},
                                      {"midY", m.midY},
                                      {"longBarSize", m.longBarSize},
                                      {"tieBarSize", m.tieBarSize},
                                      {"clearCover", m.clearCover},
                                      {"clearSpacing", m.clearSpacing},
                                      {"firstBarAngle", m.firstBarAngle},
                                      {"barSetWidth", m.barSetWidth},
                                      {"barSetHeight", m.barSetHeight},
                                      {"steelArea", m.steelArea},
                                      {"Po", m.Po},
                                      {"phiPnMax", m.phiPnMax},
                                      {"To", m.To},
                                      {"phiTnMax", m.phiTnMax},
                                      {"tenthFcAg", m.tenthFcAg},
                                      {"maxSteelStrain", m.maxSteelStrain}}) {
        if (bad(value)) {
            return name;
        }
    }
    for (const Point& p : m.points) {
        if (bad(p.x) || bad(p.y)) {
            return "points";
        }
    }
    for (const Bar& b : m.bars) {
        if (bad(b.x) || bad(b.y) || bad(b.size)) {
            return "bars";
        }
    }
    for (const BarSet& s : m.barSets) {
        if (bad(s.count) || bad(s.size)) {
            return "barSets";
        }
    }
    for (const LoadRow& row : m.loads) {
        for (const float v : row.col) {
            if (bad(v)) {
                return "loads";
            }
        }
    }
    for (const PureBendingResult& p : m.pureBending) {
        if (bad(p.neutralAxisAngle) || bad(p.Mn) || bad(p.phiMn) || bad(p.maxSteelStrain)) {
            return "pureBending";
        }
    }
    return std::nullopt;
}

} // namespace pmsect
