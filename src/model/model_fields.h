// Every real the project model stores, named, so that robustness checks can ask of each one that
// it is finite, and the counts against their tables: what the robustness tests and the fuzz
// targets ask of the model after whatever they did to it.
#pragma once

#include "model/project_model.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace pmsect::robust {

// Calls visit(name, value) for every float of the model, whole tables included (rows past the
// counts too: they are cleared or left from earlier, but never garbage).
inline void forEachReal(const ProjectModel& m,
                        const std::function<void(const std::string&, float)>& visit) {
    visit("fpc", m.fpc);
    visit("unitWt", m.unitWt);
    visit("beta1", m.beta1);
    visit("phiCompression", m.phiCompression);
    visit("pnMaxFactor", m.pnMaxFactor);
    visit("phiTension", m.phiTension);
    visit("rectB", m.rectB);
    visit("rectH", m.rectH);
    visit("circDiam", m.circDiam);
    for (std::size_t i = 0; i < m.points.size(); ++i) {
        visit("points[" + std::to_string(i) + "].x", m.points[i].x);
        visit("points[" + std::to_string(i) + "].y", m.points[i].y);
    }
    visit("grossArea", m.grossArea);
    visit("refX", m.refX);
    visit("refY", m.refY);
    visit("extentX", m.extentX);
    visit("extentY", m.extentY);
    visit("midX", m.midX);
    visit("midY", m.midY);
    visit("longBarSize", m.longBarSize);
    visit("tieBarSize", m.tieBarSize);
    visit("clearCover", m.clearCover);
    visit("clearSpacing", m.clearSpacing);
    visit("firstBarAngle", m.firstBarAngle);
    for (std::size_t i = 0; i < m.barSets.size(); ++i) {
        visit("barSets[" + std::to_string(i) + "].count", m.barSets[i].count);
        visit("barSets[" + std::to_string(i) + "].size", m.barSets[i].size);
    }
    visit("barSetWidth", m.barSetWidth);
    visit("barSetHeight", m.barSetHeight);
    for (std::size_t i = 0; i < m.bars.size(); ++i) {
        visit("bars[" + std::to_string(i) + "].x", m.bars[i].x);
        visit("bars[" + std::to_string(i) + "].y", m.bars[i].y);
        visit("bars[" + std::to_string(i) + "].size", m.bars[i].size);
    }
    visit("steelArea", m.steelArea);
    for (std::size_t i = 0; i < m.loads.size(); ++i) {
        for (std::size_t c = 0; c < m.loads[i].col.size(); ++c) {
            visit("loads[" + std::to_string(i) + "][" + std::to_string(c) + "]", m.loads[i].col[c]);
        }
    }
    visit("Po", m.Po);
    visit("phiPnMax", m.phiPnMax);
    visit("To", m.To);
    visit("phiTnMax", m.phiTnMax);
    visit("tenthFcAg", m.tenthFcAg);
    visit("maxSteelStrain", m.maxSteelStrain);
    for (std::size_t i = 0; i < m.pureBending.size(); ++i) {
        const auto& p = m.pureBending[i];
        const std::string at = "pureBending[" + std::to_string(i) + "].";
        visit(at + "neutralAxisAngle", p.neutralAxisAngle);
        visit(at + "Mn", p.Mn);
        visit(at + "phiMn", p.phiMn);
        visit(at + "maxSteelStrain", p.maxSteelStrain);
    }
    if (m.unmatchedBarSize) {
        visit("unmatchedBarSize", *m.unmatchedBarSize);
    }
    const DisplayUnits& u = m.units;
    // The factors are doubles; one that single precision cannot hold is as unusable as a real
    // that is not finite.
    visit("lengthFactor", static_cast<float>(u.lengthFactor));
    visit("forceFactor", static_cast<float>(u.forceFactor));
    visit("momentFactor", static_cast<float>(u.momentFactor));
    visit("areaFactor", static_cast<float>(u.areaFactor));
    visit("stressFactor", static_cast<float>(u.stressFactor));
    visit("unitWtFactor", static_cast<float>(u.unitWtFactor));
}

// The first real of the model that is NaN or infinite, as "name = value"; empty when all are
// finite.
inline std::string firstNonFinite(const ProjectModel& m) {
    std::string found;
    forEachReal(m, [&](const std::string& name, float value) {
        if (found.empty() && !std::isfinite(value)) {
            found = name + " = " + std::to_string(value);
        }
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
          check("numLoads", m.numLoads, 0, kMaxLoads), check("sectionType", m.sectionType, 1, 3),
          check("barLayout", m.barLayout, 1, 3)}) {
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
        forEachReal(m, [&](const std::string& name, float value) {
            all.emplace_back(name, std::bit_cast<uint32_t>(value));
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
    if (ra.size() != rb.size()) {
        return "unmatchedBarSize";
    }
    for (const auto& [name, differs] :
         {std::pair<const char*, bool>{"numPoints", a.numPoints != b.numPoints},
          {"numBars", a.numBars != b.numBars},
          {"numBarSets", a.numBarSets != b.numBarSets},
          {"numLoads", a.numLoads != b.numLoads},
          {"sectionType", a.sectionType != b.sectionType},
          {"barLayout", a.barLayout != b.barLayout},
          {"barSetsAlongY", a.barSetsAlongY != b.barSetsAlongY}}) {
        if (differs) {
            return name;
        }
    }
    return {};
}

} // namespace pmsect::robust
