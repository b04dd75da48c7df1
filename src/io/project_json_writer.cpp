// Writes a JSON project: each single-precision value as the shortest decimal that reads back as
// the same float, so that .rcs -> .json -> .rcs gives the same bytes.
#include "io/file_replacing.h"
#include "io/project_file_format.h"
#include "io/project_json.h"
#include "io/project_json_words.h"
#include "io/slenderness_rules.h"
#include "project/design_code_choice.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace pmsect {
namespace {

using json = nlohmann::ordered_json;

struct UnwritableModel : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Whole numbers are written without a point ("12", not "12.0"); a negative zero keeps its sign.
json number(float value, const char* what) {
    if (!std::isfinite(value)) {
        throw UnwritableModel(std::string(what) + " holds a value that is not a finite number");
    }
    const bool negativeZero = value == 0 && std::signbit(value);
    if (value == std::trunc(value) && std::fabs(value) < 1e15f && !negativeZero) {
        return static_cast<std::int64_t>(value);
    }
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\0';
    const double shortest = std::strtod(text, nullptr);
    // Nine significant digits always read back as the same float, whatever the rounding.
    if (static_cast<float>(shortest) == value) {
        return shortest;
    }
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    return std::strtod(text, nullptr);
}

void checkCount(int count, int capacity, const char* what) {
    if (count < 0 || count > capacity) {
        throw UnwritableModel("The number of " + std::string(what) + " (" + std::to_string(count) +
                              ") lies outside 0 to " + std::to_string(capacity));
    }
}

template <std::size_t N>
int listedBarSize(const std::array<int, N>& list, float barNumber, const char* what) {
    const auto position = barListPosition(list, barNumber);
    if (!position) {
        throw UnwritableModel("The " + std::string(what) + " bar size is not in its bar size list");
    }
    return list[static_cast<std::size_t>(*position)];
}

template <std::size_t N>
std::string_view word(const std::array<std::string_view, N>& words, int value, const char* what) {
    if (value < 1 || value > static_cast<int>(N)) {
        throw UnwritableModel("The " + std::string(what) + " " + std::to_string(value) +
                              " is not 1 to " + std::to_string(N));
    }
    return words[static_cast<std::size_t>(value - 1)];
}

json loadCasesJson(const std::vector<LoadCase>& cases) {
    json list = json::array();
    for (const LoadCase& c : cases) {
        json item = {{"name", c.name},
                     {"kind", kLoadKindWords[static_cast<std::size_t>(c.kind)]},
                     {"P", number(c.P, "loadCases")},
                     {"Mx", number(c.Mx, "loadCases")},
                     {"My", number(c.My, "loadCases")}};
        if (c.sway != swayByDefault(c.kind)) {
            item["sway"] = c.sway;
        }
        for (std::size_t e = 0; e < kEndMomentCount; ++e) {
            if (c.ends[e]) {
                item[std::string(kCaseEndMomentNames[e])] = number(*c.ends[e], "loadCases");
            }
        }
        list.push_back(item);
    }
    return list;
}

json finiteNumber(double value, const char* what) {
    if (!std::isfinite(value)) {
        throw UnwritableModel(std::string(what) + " holds a value that is not a finite number");
    }
    if (value == std::trunc(value) && std::fabs(value) < 1e15 && !std::signbit(value)) {
        return static_cast<std::int64_t>(value);
    }
    return value;
}

json optionsJson(const CombinationOptions& o) {
    json users = json::array();
    for (const UserCombination& u : o.userCombinations) {
        json factors = json::object();
        for (const auto& [caseName, factor] : u.factors) {
            factors[caseName] = finiteNumber(factor, "userCombinations");
        }
        users.push_back({{"name", u.name}, {"factors", factors}});
    }
    json out = {
        {"halfLive", o.halfLive},
        {"SDS", finiteNumber(o.SDS, "SDS")},
        {"sustainedLiveFraction", finiteNumber(o.sustainedLiveFraction, "sustainedLiveFraction")},
        {"userCombinations", users}};
    if (!o.factorTable.empty()) {
        json rows = json::array();
        for (const FactorRow& row : o.factorTable) {
            json factors = json::object();
            for (const FactorTerm& t : row.terms) {
                factors[std::string(loadKindName(t.kind))] = finiteNumber(t.factor, "factorTable");
            }
            rows.push_back(factors);
        }
        out["factorTable"] = rows;
    }
    return out;
}

json axisJson(const AxisMember& a) {
    json out = {{"lu_in", number(a.lu, "slenderness")},
                {"k", number(a.k, "slenderness")},
                {"sway", a.sway}};
    if (!a.sway) {
        return out;
    }
    out["kSway"] = number(a.kSway, "slenderness");
    const std::pair<AxisField, const std::optional<float>*> given[] = {
        {kAxisSumPu, &a.sumPu}, {kAxisSumPc, &a.sumPc}, {kAxisQ, &a.Q}, {kAxisDeltaS, &a.deltaS}};
    for (const auto& [field, value] : given) {
        if (*value) {
            out[std::string(kAxisFieldNames[field])] = number(**value, "slenderness");
        }
    }
    out["betaDs"] = number(a.betaDs, "slenderness");
    return out;
}

json slendernessJson(const SlendernessData& s) {
    json out = {{"x", axisJson(s.x)}, {"y", axisJson(s.y)}};
    if (s.stiffness == StiffnessChoice::Given) {
        out["EI"] = number(s.givenEI, "slenderness");
    } else {
        out["EI"] = kStiffnessWords[s.stiffness == StiffnessChoice::ConcreteOnly ? 0 : 1];
    }
    out["betaDns"] = number(s.betaDns, "slenderness");
    return out;
}

json loadJson(const LoadRow& r) {
    json out = {{"Pu", number(r[kPu], "loads")},
                {"Mux", number(r[kMux], "loads")},
                {"Muy", number(r[kMuy], "loads")}};
    for (std::size_t e = 0; e < kEndMomentCount; ++e) {
        if (r.ends.moments[e]) {
            out[std::string(kLoadEndMomentNames[e])] = number(*r.ends.moments[e], "loads");
        }
    }
    if (r.ends.PuSustained) {
        out["PuSustained"] = number(*r.ends.PuSustained, "loads");
    }
    return out;
}

json projectJson(const ProjectModel& m) {
    checkCount(m.numPoints, kMaxPoints, "outline points");
    checkCount(m.numBars, kMaxBars, "bars");
    checkCount(m.numBarSets, kMaxBarSets, "bar sets");
    json out;
    out["format"] = kProjectFileFormat;
    out["code"] = designCodeName(m.designCode);
    out["sectionType"] = word(kSectionTypeWords, m.sectionType, "section type");
    out["barLayout"] = word(kBarLayoutWords, m.barLayout, "bar layout");
    out["confinement"] = kConfinementWords[isSpiral(m) ? 1 : 0];
    out["unitWt"] = number(m.unitWt, "unitWt");
    out["fpc"] = number(m.fpc, "fpc");
    out["fy"] = m.fy;
    out["Ec"] = m.Ec;
    out["Es"] = m.Es;
    out["rectB"] = number(m.rectB, "rectB");
    out["rectH"] = number(m.rectH, "rectH");
    out["circDiam"] = number(m.circDiam, "circDiam");
    out["clearCover"] = number(m.clearCover, "clearCover");
    out["clearSpacing"] = number(m.clearSpacing, "clearSpacing");
    out["extentX"] = number(m.extentX, "extentX");
    out["extentY"] = number(m.extentY, "extentY");
    out["totBars"] = m.totBars;
    out["firstBarAngle"] = number(m.firstBarAngle, "firstBarAngle");
    out["barSetsAlong"] = kBarSetDirectionWords[m.barSetsAlongY ? 1 : 0];
    out["longBarSize"] = listedBarSize(kLongBarList, m.longBarSize, "longitudinal");
    out["tieBarSize"] = listedBarSize(kTieBarList, m.tieBarSize, "tie");
    json barSets = json::array();
    for (int i = 1; i <= m.numBarSets; ++i) {
        const BarSet& s = m.barSets[static_cast<std::size_t>(i)];
        barSets.push_back(
            {{"count", number(s.count, "barSets")}, {"size", number(s.size, "barSets")}});
    }
    out["barSets"] = barSets;
    json outline = json::array();
    for (const Point& p : outlinePoints(m)) {
        outline.push_back({number(p.x, "outline"), number(p.y, "outline")});
    }
    out["outline"] = outline;
    json bars = json::array();
    for (const Bar& b : modelBars(m)) {
        bars.push_back({{"x", number(b.x, "bars")},
                        {"y", number(b.y, "bars")},
                        {"size", number(b.size, "bars")}});
    }
    out["bars"] = bars;
    json loads = json::array();
    for (int i = 1; i <= m.loads.count(); ++i) {
        loads.push_back(loadJson(m.loads[static_cast<std::size_t>(i)]));
    }
    out["loads"] = loads;
    // Written only when the project has them, so that a project without stays as it was.
    if (!m.loadCases.empty()) {
        out["loadCases"] = loadCasesJson(m.loadCases.cases);
        out["combinationOptions"] = optionsJson(m.loadCases.options);
    }
    if (m.slenderness) {
        out["slenderness"] = slendernessJson(*m.slenderness);
    }
    return out;
}

} // namespace

FileResult composeJsonProject(const ProjectModel& model, std::string& text) {
    try {
        // One field per line, and one table entry per line: a project of a hundred bars stays
        // short enough to read.
        const json project = projectJson(model);
        text = "{";
        bool firstField = true;
        for (auto field = project.begin(); field != project.end(); ++field) {
            text += std::string(firstField ? "\n  " : ",\n  ") + json(field.key()).dump() + ": ";
            firstField = false;
            if (!field->is_array() || field->empty()) {
                text += field->dump();
                continue;
            }
            text += "[";
            for (std::size_t i = 0; i < field->size(); ++i) {
                text += std::string(i == 0 ? "\n    " : ",\n    ") + (*field)[i].dump();
            }
            text += "\n  ]";
        }
        text += "\n}\n";
    } catch (const UnwritableModel& e) {
        return FileResult::failure(e.what());
    }
    return FileResult::success();
}

FileResult writeJsonProject(const std::string& path, const ProjectModel& model) {
    std::string text;
    if (const FileResult composed = composeJsonProject(model, text); !composed) {
        return FileResult::failure(composed.error + "; " + path + " was not written");
    }
    return writeFileReplacing(path, text);
}

} // namespace pmsect
