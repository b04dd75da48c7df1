// Every real the project model stores, named: the one list of the model's fields. The windows and
// the file reader refuse a change that leaves one of them NaN or infinite (typed and loaded
// numbers are finite one by one, yet what follows from them can overflow single precision: an
// outline 1E+38 in wide has no finite area), as they refuse one whose summary results are not
// (engine/section_results.h); the robustness tests and the fuzz targets also ask the counts
// against their tables and compare two models field by field.
#pragma once

#include "model/project_model.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pmsect {

// The name of one real of the model, put together only when it is asked for: "fpc",
// "points[3].x", "loads[2][4]".
struct RealField {
    const char* name;
    int row = -1;
    int column = -1;
    const char* member = nullptr;

    std::string text() const {
        std::string out = name;
        if (row >= 0) {
            out += "[" + std::to_string(row) + "]";
        }
        if (column >= 0) {
            out += "[" + std::to_string(column) + "]";
        }
        if (member) {
            out += std::string(".") + member;
        }
        return out;
    }
};

// Calls visit(field, value) for every float of the model, whole fixed tables included (rows past
// the counts too: they are cleared or left from earlier, but never garbage) and every row of the
// load table. visit returns false to stop.
template <class Visit> void forEachReal(const ProjectModel& m, Visit visit) {
    bool going = true;
    const auto at = [&](RealField field, float value) {
        if (going) {
            going = visit(field, value);
        }
    };
    const auto row = [](const char* name, std::size_t i, const char* member) {
        return RealField{name, static_cast<int>(i), -1, member};
    };
    at({"fpc"}, m.fpc);
    at({"unitWt"}, m.unitWt);
    at({"beta1"}, m.beta1);
    at({"phiCompression"}, m.phiCompression);
    at({"pnMaxFactor"}, m.pnMaxFactor);
    at({"phiTension"}, m.phiTension);
    at({"rectB"}, m.rectB);
    at({"rectH"}, m.rectH);
    at({"circDiam"}, m.circDiam);
    for (std::size_t i = 0; i < m.points.size(); ++i) {
        at(row("points", i, "x"), m.points[i].x);
        at(row("points", i, "y"), m.points[i].y);
    }
    at({"grossArea"}, m.grossArea);
    at({"refX"}, m.refX);
    at({"refY"}, m.refY);
    at({"extentX"}, m.extentX);
    at({"extentY"}, m.extentY);
    at({"midX"}, m.midX);
    at({"midY"}, m.midY);
    at({"longBarSize"}, m.longBarSize);
    at({"tieBarSize"}, m.tieBarSize);
    at({"clearCover"}, m.clearCover);
    at({"clearSpacing"}, m.clearSpacing);
    at({"firstBarAngle"}, m.firstBarAngle);
    for (std::size_t i = 0; i < m.barSets.size(); ++i) {
        at(row("barSets", i, "count"), m.barSets[i].count);
        at(row("barSets", i, "size"), m.barSets[i].size);
    }
    at({"barSetWidth"}, m.barSetWidth);
    at({"barSetHeight"}, m.barSetHeight);
    for (std::size_t i = 0; i < m.bars.size(); ++i) {
        at(row("bars", i, "x"), m.bars[i].x);
        at(row("bars", i, "y"), m.bars[i].y);
        at(row("bars", i, "size"), m.bars[i].size);
    }
    for (int k = 1; k <= m.loads.count(); ++k) {
        const LoadRow& load = m.loads[static_cast<std::size_t>(k)];
        for (std::size_t c = 0; c < load.col.size(); ++c) {
            at({"loads", k, static_cast<int>(c)}, load.col[c]);
        }
    }
    const DisplayUnits& u = m.units;
    // The factors are doubles; one that single precision cannot hold is as unusable as a real
    // that is not finite.
    at({"lengthFactor"}, static_cast<float>(u.lengthFactor));
    at({"forceFactor"}, static_cast<float>(u.forceFactor));
    at({"momentFactor"}, static_cast<float>(u.momentFactor));
    at({"areaFactor"}, static_cast<float>(u.areaFactor));
    at({"stressFactor"}, static_cast<float>(u.stressFactor));
    at({"unitWtFactor"}, static_cast<float>(u.unitWtFactor));
}

// The name of the first real of the model that is NaN or infinite, or nothing when all are
// finite.
inline std::optional<std::string> firstNonFiniteValue(const ProjectModel& m) {
    std::optional<std::string> found;
    forEachReal(m, [&](const RealField& field, float value) {
        if (!std::isfinite(value)) {
            found = field.text();
        }
        return !found;
    });
    return found;
}

} // namespace pmsect

namespace pmsect::robust {

// The first real of the model that is NaN or infinite, as "name = value"; empty when all are
// finite.
inline std::string firstNonFinite(const ProjectModel& m) {
    std::string found;
    forEachReal(m, [&](const RealField& field, float value) {
        if (!std::isfinite(value)) {
            found = field.text() + " = " + std::to_string(value);
        }
        return found.empty();
    });
    return found;
}

// The first count outside its table, as "name = value"; empty when all fit.
inline std::string firstCountOutOfRange(const ProjectModel& m) {
    const auto check = [](const char* name, int value, int low, int high) -> std::string {
        if (value < low || value > high) {
            return std::string(name) + " = " + std::to_string(value);
        }
        return {};
    };
    for (const std::string& s :
         {check("numPoints", m.numPoints, 0, kMaxPoints), check("numBars", m.numBars, 0, kMaxBars),
          check("numBarSets", m.numBarSets, 0, kMaxBarSets),
          check("sectionType", m.sectionType, 1, 3), check("barLayout", m.barLayout, 1, 3)}) {
        if (!s.empty()) {
            return s;
        }
    }
    return {};
}

// The first real or count that differs between two models (reals compared bit for bit), as its
// name; empty when they agree.
inline std::string firstDifference(const ProjectModel& a, const ProjectModel& b) {
    const auto reals = [](const ProjectModel& m) {
        std::vector<std::pair<std::string, uint32_t>> all;
        forEachReal(m, [&](const RealField& field, float value) {
            all.emplace_back(field.text(), std::bit_cast<uint32_t>(value));
            return true;
        });
        return all;
    };
    const auto ra = reals(a);
    const auto rb = reals(b);
    for (std::size_t i = 0; i < std::min(ra.size(), rb.size()); ++i) {
        if (ra[i] != rb[i]) {
            return ra[i].first;
        }
    }
    for (const auto& [name, differs] :
         {std::pair<const char*, bool>{"numPoints", a.numPoints != b.numPoints},
          {"numBars", a.numBars != b.numBars},
          {"numBarSets", a.numBarSets != b.numBarSets},
          {"loads", a.loads.count() != b.loads.count()},
          {"sectionType", a.sectionType != b.sectionType},
          {"barLayout", a.barLayout != b.barLayout},
          {"confinement", a.confinement != b.confinement},
          {"barSetsAlongY", a.barSetsAlongY != b.barSetsAlongY}}) {
        if (differs) {
            return name;
        }
    }
    return {};
}

} // namespace pmsect::robust
