// Reads a JSON project into a copy of a new project: every field is optional and defaults to the
// new project's; an outline or bar table left out of a generated section or layout is built as
// the main window builds it. Each refusal names the JSON pointer of its field.
#include "building/bar_layout.h"
#include "building/input_limits.h"
#include "building/new_project.h"
#include "building/section_checks.h"
#include "building/section_generators.h"
#include "engine/load_combinations.h"
#include "format/number_format.h"
#include "format/text.h"
#include "io/load_case_rules.h"
#include "io/loaded_project.h"
#include "io/project_file.h"
#include "io/project_file_format.h"
#include "io/project_json.h"
#include "io/project_json_words.h"
#include "io/slenderness_rules.h"
#include "project/design_code_choice.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>
#include <set>
#include <stdexcept>
#include <vector>

namespace pmsect {
namespace {

using json = nlohmann::json;
using Pointer = json::json_pointer;

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

struct JsonProjectError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const Pointer& at, const std::string& reason) {
    throw JsonProjectError((at.empty() ? std::string("/") : printable(at.to_string())) + ": " +
                           reason);
}

float single(const json& value, const Pointer& at) {
    if (!value.is_number()) {
        fail(at, "a number is expected");
    }
    const float f = static_cast<float>(value.get<double>());
    if (!std::isfinite(f)) {
        fail(at, "the number is not finite in single precision");
    }
    return f;
}

int32_t integer(const json& value, const Pointer& at, int32_t low, int32_t high) {
    if (!value.is_number()) {
        fail(at, "a whole number is expected");
    }
    const double d = value.get<double>();
    if (d != std::trunc(d)) {
        fail(at, "a whole number is expected");
    }
    if (d < low || d > high) {
        fail(at, "lies outside " + std::to_string(low) + " to " + std::to_string(high));
    }
    return static_cast<int32_t>(d);
}

template <std::size_t N>
std::size_t wordIndex(const json& value, const Pointer& at,
                      const std::array<std::string_view, N>& words) {
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        if (value.is_string() && value.get_ref<const std::string&>() == words[i]) {
            return i;
        }
        list += (i == 0 ? "\"" : ", \"") + std::string(words[i]) + "\"";
    }
    fail(at, "one of " + list + " is expected");
}

template <std::size_t N>
float listedBarSize(const json& value, const Pointer& at, const std::array<int, N>& list) {
    const int32_t size = integer(value, at, 0, 99);
    if (!barListPosition(list, static_cast<float>(size))) {
        std::string sizes;
        for (const int s : list) {
            sizes += (sizes.empty() ? "" : ", ") + std::to_string(s);
        }
        fail(at, std::to_string(size) + " is not one of the bar sizes " + sizes);
    }
    return static_cast<float>(size);
}

bool boolean(const json& value, const Pointer& at) {
    if (!value.is_boolean()) {
        fail(at, "true or false is expected");
    }
    return value.get<bool>();
}

std::string name(const json& value, const Pointer& at) {
    if (!value.is_string()) {
        fail(at, "a text is expected");
    }
    const std::string& text = value.get_ref<const std::string&>();
    if (const auto fault = nameFault(text)) {
        fail(at, "the name " + *fault);
    }
    return text;
}

// A number within its range, kept in double precision (a factor, SDS).
double bounded(const json& value, const Pointer& at, std::string_view what, InputQuantity range) {
    if (!value.is_number()) {
        fail(at, "a number is expected");
    }
    const double d = value.get<double>();
    if (!withinLimit(range, d)) {
        fail(at, outOfRangeText(what, range));
    }
    return d;
}

// A list of at most `capacity` entries inside an object at `at`; nothing when the key is absent.
const json* list(const json& object, const Pointer& at, const char* key, std::size_t capacity) {
    const auto it = object.find(key);
    if (it == object.end()) {
        return nullptr;
    }
    if (!it->is_array()) {
        fail(at / key, "a list is expected");
    }
    if (it->size() > capacity) {
        fail(at / key, "holds " + std::to_string(it->size()) + " entries, more than the " +
                           std::to_string(capacity) + " the project can hold");
    }
    return &*it;
}

// A list of at most `capacity` entries; nothing when the key is absent.
const json* list(const json& root, const char* key, std::size_t capacity) {
    return list(root, Pointer(), key, capacity);
}

// An object with the required keys and no others than those and the optional ones.
void requireFields(const json& object, const Pointer& at,
                   std::initializer_list<const char*> required,
                   std::initializer_list<const char*> optional) {
    if (!object.is_object()) {
        fail(at, "an object is expected");
    }
    for (const char* key : required) {
        if (!object.contains(key)) {
            fail(at / key, "is missing");
        }
    }
    for (auto it = object.begin(); it != object.end(); ++it) {
        const auto named = [&](const char* k) { return it.key() == k; };
        if (std::none_of(required.begin(), required.end(), named) &&
            std::none_of(optional.begin(), optional.end(), named)) {
            fail(at / it.key(), "is not a field here");
        }
    }
}

// An object with exactly the keys given, each read by its own reader.
void requireKeys(const json& object, const Pointer& at, std::initializer_list<const char*> keys) {
    if (!object.is_object()) {
        fail(at, "an object is expected");
    }
    for (const char* key : keys) {
        if (!object.contains(key)) {
            fail(at / key, "is missing");
        }
    }
    if (object.size() != keys.size()) {
        for (auto it = object.begin(); it != object.end(); ++it) {
            if (std::find_if(keys.begin(), keys.end(),
                             [&](const char* k) { return it.key() == k; }) == keys.end()) {
                fail(at / it.key(), "is not a field here");
            }
        }
    }
}

const std::set<std::string>& projectKeys() {
    static const std::set<std::string> keys = {"$schema",
                                               "code",
                                               "sectionType",
                                               "barLayout",
                                               "confinement",
                                               "unitWt",
                                               "fpc",
                                               "fy",
                                               "Ec",
                                               "Es",
                                               "rectB",
                                               "rectH",
                                               "circDiam",
                                               "clearCover",
                                               "clearSpacing",
                                               "extentX",
                                               "extentY",
                                               "totBars",
                                               "firstBarAngle",
                                               "barSetsAlong",
                                               "longBarSize",
                                               "tieBarSize",
                                               "barSets",
                                               "outline",
                                               "bars",
                                               "loads",
                                               "format",
                                               "loadCases",
                                               "combinationOptions",
                                               "slenderness"};
    return keys;
}

class ProjectReader {
public:
    explicit ProjectReader(const json& root) : root_(root) {}

    void read(ProjectModel& m) {
        if (!root_.is_object()) {
            fail(Pointer(), "a project is a JSON object");
        }
        for (auto it = root_.begin(); it != root_.end(); ++it) {
            if (!projectKeys().contains(it.key())) {
                fail(Pointer() / it.key(), "is not a field of a project");
            }
        }
        if (const json* v = find("$schema"); v && !v->is_string()) {
            fail(Pointer() / "$schema", "a text is expected");
        }
        if (const json* v = find("format")) {
            const int32_t format = integer(*v, Pointer() / "format", 1, kInt32Max);
            if (format > kProjectFileFormat) {
                fail(Pointer() / "format", newerFormatText(format));
            }
        }
        if (const json* v = find("code")) {
            if (!v->is_string() || !designCodeFromName(v->get_ref<const std::string&>())) {
                fail(Pointer() / "code", "one of \"318-05\", \"318-14\", \"318-19\" is expected");
            }
            m.designCode = *designCodeFromName(v->get_ref<const std::string&>());
        }
        readWord("sectionType", kSectionTypeWords,
                 [&](std::size_t i) { m.sectionType = static_cast<int16_t>(i + 1); });
        readWord("barLayout", kBarLayoutWords,
                 [&](std::size_t i) { m.barLayout = static_cast<int16_t>(i + 1); });
        applyConfinement(m, m.confinement);
        readWord("confinement", kConfinementWords, [&](std::size_t i) {
            applyConfinement(m, i == 1 ? Confinement::Spiral : Confinement::Tied);
        });

        readSingle("unitWt", m.unitWt);
        readSingle("fpc", m.fpc);
        readInteger("fy", "fy", InputQuantity::SteelStrength, m.fy);
        m.Ec = concreteModulusOf(m);
        readInteger("Ec", "Ec", InputQuantity::ConcreteModulus, m.Ec);
        readInteger("Es", "Es", InputQuantity::SteelModulus, m.Es);
        readSingle("rectB", m.rectB);
        readSingle("rectH", m.rectH);
        readSingle("circDiam", m.circDiam);
        readSingle("clearCover", m.clearCover);
        readSingle("clearSpacing", m.clearSpacing);
        int32_t totBars = m.totBars;
        readInteger("totBars", "the number of bars on the circle", InputQuantity::CircleBars,
                    totBars);
        m.totBars = static_cast<int16_t>(totBars);
        readSingle("firstBarAngle", m.firstBarAngle);
        readWord("barSetsAlong", kBarSetDirectionWords,
                 [&](std::size_t i) { m.barSetsAlongY = i == 1; });
        if (const json* v = find("longBarSize")) {
            m.longBarSize = listedBarSize(*v, Pointer() / "longBarSize", kLongBarList);
        }
        if (const json* v = find("tieBarSize")) {
            m.tieBarSize = listedBarSize(*v, Pointer() / "tieBarSize", kTieBarList);
        }
        requireUsable(m);
        readTables(m);
        requireComputableSection(m);
        readExtents(m);
        readLoadCases(m.loadCases);
        readSlenderness(m.slenderness);
    }

private:
    // Every dimension is judged, the ones the section type does not use too, as the project
    // file's reader judges them.
    void requireUsable(const ProjectModel& m) const {
        within("unitWt", "the unit weight", InputQuantity::UnitWeight, m.unitWt);
        within("fpc", "f'c", InputQuantity::ConcreteStrength, m.fpc);
        within("rectB", "the width", InputQuantity::SectionSize, m.rectB);
        within("rectH", "the depth", InputQuantity::SectionSize, m.rectH);
        within("circDiam", "the diameter", InputQuantity::SectionSize, m.circDiam);
        within("clearCover", "the clear cover", InputQuantity::CoverOrSpacing, m.clearCover);
        within("clearSpacing", "the clear spacing", InputQuantity::CoverOrSpacing, m.clearSpacing);
        within("firstBarAngle", "the angle to the first bar", InputQuantity::FirstBarAngle,
               m.firstBarAngle);
    }

    static void within(const Pointer& at, std::string_view what, InputQuantity range,
                       double stored) {
        if (!withinLimit(range, stored)) {
            fail(at, outOfRangeText(what, range));
        }
    }
    static void within(const char* key, std::string_view what, InputQuantity range, double stored) {
        within(Pointer() / key, what, range, stored);
    }

    // An outline or bars no strength can be computed for, told at the row at fault.
    void requireComputableSection(const ProjectModel& m) const {
        const auto fault = sectionFault(m);
        if (!fault) {
            return;
        }
        const bool given = fault->inBars ? givenBars_ : !generatedOutline_;
        Pointer at = Pointer() / (fault->inBars ? "bars" : "outline");
        if (given && fault->row >= 1) {
            at /= static_cast<std::size_t>(fault->row - 1);
        }
        fail(at, given ? fault->reason : "laid from the section: " + fault->reason);
    }

    const json* find(const char* key) const {
        const auto it = root_.find(key);
        return it == root_.end() ? nullptr : &*it;
    }

    template <std::size_t N, typename Apply>
    void readWord(const char* key, const std::array<std::string_view, N>& words, Apply apply) {
        if (const json* v = find(key)) {
            apply(wordIndex(*v, Pointer() / key, words));
        }
    }

    void readSingle(const char* key, float& out) {
        if (const json* v = find(key)) {
            out = single(*v, Pointer() / key);
        }
    }

    // A whole number within the quantity's range.
    void readInteger(const char* key, std::string_view what, InputQuantity range, int32_t& out) {
        if (const json* v = find(key)) {
            if (v->is_number() && !withinLimit(range, v->get<double>())) {
                fail(Pointer() / key, outOfRangeText(what, range));
            }
            out = integer(*v, Pointer() / key, kInt32Min, kInt32Max);
        }
    }

    void readTables(ProjectModel& m) {
        if (const json* sets = list(root_, "barSets", kMaxBarSets)) {
            m.barSets.fill(BarSet{});
            m.numBarSets = static_cast<int16_t>(sets->size());
            int64_t barSetBars = 0;
            for (std::size_t i = 0; i < sets->size(); ++i) {
                const Pointer at = Pointer() / "barSets" / i;
                requireKeys((*sets)[i], at, {"count", "size"});
                m.barSets[i + 1] = {single((*sets)[i]["count"], at / "count"),
                                    single((*sets)[i]["size"], at / "size")};
                const int32_t count = roundHalfEven32(m.barSets[i + 1].count);
                within(at / "count", "the number of bars", InputQuantity::BarSetBars, count);
                barSetBars += count;
                if (!withinLimit(InputQuantity::BarSetBars, static_cast<double>(barSetBars))) {
                    fail(at / "count", "brings the bar sets to " + std::to_string(barSetBars) +
                                           " bars, more than the " + std::to_string(kMaxBars) +
                                           " the project can hold");
                }
            }
        }
        const json* outline = list(root_, "outline", kMaxPoints);
        if (outline) {
            m.points.fill(Point{});
            m.numPoints = static_cast<int16_t>(outline->size());
            for (std::size_t i = 0; i < outline->size(); ++i) {
                const Pointer at = Pointer() / "outline" / i;
                const json& p = (*outline)[i];
                if (!p.is_array() || p.size() != 2) {
                    fail(at, "a point [x, y] is expected");
                }
                m.points[i + 1] = {single(p[0], at / 0), single(p[1], at / 1)};
                within(at / 0, "x", InputQuantity::Coordinate, m.points[i + 1].x);
                within(at / 1, "y", InputQuantity::Coordinate, m.points[i + 1].y);
            }
        } else if (m.sectionType == kRectangular) {
            chooseRectangularSection(m, m.rectB, m.rectH);
        } else if (m.sectionType == kRound) {
            chooseRoundSection(m, m.circDiam);
        } else {
            fail(Pointer() / "outline", "an arbitrary section needs its outline");
        }
        generatedOutline_ = outline == nullptr;

        const json* bars = list(root_, "bars", kMaxBars);
        givenBars_ = bars != nullptr;
        if (bars) {
            m.bars.fill(Bar{});
            m.numBars = static_cast<int16_t>(bars->size());
            for (std::size_t i = 0; i < bars->size(); ++i) {
                const Pointer at = Pointer() / "bars" / i;
                requireKeys((*bars)[i], at, {"x", "y", "size"});
                m.bars[i + 1] = {single((*bars)[i]["x"], at / "x"),
                                 single((*bars)[i]["y"], at / "y"),
                                 single((*bars)[i]["size"], at / "size")};
                within(at / "x", "x", InputQuantity::Coordinate, m.bars[i + 1].x);
                within(at / "y", "y", InputQuantity::Coordinate, m.bars[i + 1].y);
            }
        } else if (m.barLayout == kBarSets || m.barLayout == kCircular) {
            setBarSetOutline(m);
            rebuildBars(m);
        } else {
            fail(Pointer() / "bars", "bars placed one by one need their list");
        }

        m.loads.clear();
        // The load table takes any number of loads.
        if (const json* loads = list(root_, "loads", std::numeric_limits<std::size_t>::max())) {
            m.loads.reserve(loads->size());
            for (std::size_t i = 0; i < loads->size(); ++i) {
                const Pointer at = Pointer() / "loads" / i;
                const json& load = (*loads)[i];
                requireFields(load, at, {"Pu", "Mux", "Muy"},
                              {"MuxTop", "MuxBot", "MuyTop", "MuyBot", "MuxTopSway", "MuxBotSway",
                               "MuyTopSway", "MuyBotSway", "PuSustained"});
                m.loads.append(LoadRow{});
                LoadRow& row = m.loads[i + 1];
                row[kPu] = single(load["Pu"], at / "Pu");
                row[kMux] = single(load["Mux"], at / "Mux");
                row[kMuy] = single(load["Muy"], at / "Muy");
                within(at / "Pu", "Pu", InputQuantity::AxialLoad, row[kPu]);
                within(at / "Mux", "Mux", InputQuantity::Moment, row[kMux]);
                within(at / "Muy", "Muy", InputQuantity::Moment, row[kMuy]);
                for (std::size_t e = 0; e < kEndMomentCount; ++e) {
                    const std::string key(kLoadEndMomentNames[e]);
                    if (load.contains(key)) {
                        row.ends.moments[e] = single(load[key], at / key);
                        within(at / key, key, InputQuantity::Moment, *row.ends.moments[e]);
                    }
                }
                if (load.contains("PuSustained")) {
                    row.ends.PuSustained = single(load["PuSustained"], at / "PuSustained");
                    within(at / "PuSustained", "PuSustained", InputQuantity::AxialLoad,
                           *row.ends.PuSustained);
                }
            }
        }
    }

    static void readCase(const json& v, const Pointer& at, LoadCase& c) {
        requireFields(v, at, {"name", "kind", "P", "Mx", "My"},
                      {"sway", "MxTop", "MxBot", "MyTop", "MyBot", "MxTopSway", "MxBotSway",
                       "MyTopSway", "MyBotSway"});
        c.name = name(v["name"], at / "name");
        c.kind = kLoadKinds[wordIndex(v["kind"], at / "kind", kLoadKindWords)];
        c.P = single(v["P"], at / "P");
        within(at / "P", "P", InputQuantity::AxialLoad, c.P);
        c.Mx = single(v["Mx"], at / "Mx");
        within(at / "Mx", "Mx", InputQuantity::Moment, c.Mx);
        c.My = single(v["My"], at / "My");
        within(at / "My", "My", InputQuantity::Moment, c.My);
        c.sway = swayByDefault(c.kind);
        if (v.contains("sway")) {
            c.sway = boolean(v["sway"], at / "sway");
        }
        for (std::size_t e = 0; e < kEndMomentCount; ++e) {
            const std::string key(kCaseEndMomentNames[e]);
            if (v.contains(key)) {
                c.ends[e] = single(v[key], at / key);
                within(at / key, key, InputQuantity::Moment, *c.ends[e]);
            }
        }
    }

    static void readOptions(const json& v, const Pointer& at, CombinationOptions& o) {
        requireFields(
            v, at, {},
            {"halfLive", "SDS", "sustainedLiveFraction", "userCombinations", "factorTable"});
        if (v.contains("halfLive")) {
            o.halfLive = boolean(v["halfLive"], at / "halfLive");
        }
        if (v.contains("SDS")) {
            o.SDS = bounded(v["SDS"], at / "SDS", "SDS", InputQuantity::SpectralAccel);
        }
        if (v.contains("sustainedLiveFraction")) {
            o.sustainedLiveFraction =
                bounded(v["sustainedLiveFraction"], at / "sustainedLiveFraction",
                        "the sustained share of L", InputQuantity::LiveFraction);
        }
        if (const json* users = list(v, at, "userCombinations", kMaxUserCombinations)) {
            for (std::size_t i = 0; i < users->size(); ++i) {
                const Pointer u = at / "userCombinations" / i;
                requireFields((*users)[i], u, {"name", "factors"}, {});
                UserCombination user{name((*users)[i]["name"], u / "name"), {}};
                const json& factors = (*users)[i]["factors"];
                if (!factors.is_object()) {
                    fail(u / "factors", "an object of factors by case name is expected");
                }
                for (auto f = factors.begin(); f != factors.end(); ++f) {
                    user.factors.emplace_back(f.key(),
                                              bounded(*f, u / "factors" / f.key(), "a factor",
                                                      InputQuantity::LoadFactor));
                }
                o.userCombinations.push_back(std::move(user));
            }
        }
        if (const json* rows = list(v, at, "factorTable", standardFactorTable().size())) {
            std::vector<std::vector<double>> factors;
            for (std::size_t r = 0; r < rows->size() && r < standardFactorTable().size(); ++r) {
                const Pointer row = at / "factorTable" / r;
                const FactorRow& standard = standardFactorTable()[r];
                if (!(*rows)[r].is_object() || (*rows)[r].size() != standard.terms.size()) {
                    fail(row, "an object of the factors of the standard's row " +
                                  std::to_string(r + 1) + " is expected");
                }
                factors.emplace_back();
                for (const FactorTerm& t : standard.terms) {
                    const std::string kind(loadKindName(t.kind));
                    if (!(*rows)[r].contains(kind)) {
                        fail(row / kind, "is missing");
                    }
                    factors.back().push_back(bounded((*rows)[r][kind], row / kind, "a factor",
                                                     InputQuantity::LoadFactor));
                }
            }
            const auto table = factorTableWith(factors);
            if (!table) {
                fail(at / "factorTable", "holds " + std::to_string(rows->size()) +
                                             " rows; the "
                                             "standard's table has " +
                                             std::to_string(standardFactorTable().size()));
            }
            o.factorTable = *table;
        }
    }

    void readLoadCases(LoadCaseSet& set) const {
        set = {};
        if (const json* cases = list(root_, "loadCases", kMaxLoadCases)) {
            set.cases.resize(cases->size());
            for (std::size_t i = 0; i < cases->size(); ++i) {
                readCase((*cases)[i], Pointer() / "loadCases" / i, set.cases[i]);
            }
        }
        if (const json* v = find("combinationOptions")) {
            readOptions(*v, Pointer() / "combinationOptions", set.options);
        }
        if (const auto fault = checkLoadCaseSet(set)) {
            Pointer at = fault->inCombination
                             ? Pointer() / "combinationOptions" / "userCombinations" / fault->index
                             : Pointer() / "loadCases" / fault->index / "name";
            if (fault->factor) {
                at = at / "factors" /
                     set.options.userCombinations[fault->index].factors[*fault->factor].first;
            } else if (fault->inCombination) {
                at = at / "name";
            }
            fail(at, fault->reason);
        }
    }

    static AxisMember readAxis(const json& v, const Pointer& at) {
        AxisMember a;
        requireFields(v, at, {"lu_in"},
                      {"k", "sway", "kSway", "sumPu_kip", "sumPc_kip", "Q", "deltaS", "betaDs"});
        a.lu = single(v["lu_in"], at / "lu_in");
        if (v.contains("k")) {
            a.k = single(v["k"], at / "k");
        }
        if (v.contains("sway")) {
            a.sway = boolean(v["sway"], at / "sway");
        }
        for (std::size_t f = kAxisKSway; f < kAxisFieldCount; ++f) {
            const std::string key(kAxisFieldNames[f]);
            if (!v.contains(key)) {
                continue;
            }
            if (!a.sway) {
                fail(at / key, "is a field of a sway axis only (\"sway\": true)");
            }
            const float value = single(v[key], at / key);
            switch (f) {
            case kAxisKSway:
                a.kSway = value;
                break;
            case kAxisSumPu:
                a.sumPu = value;
                break;
            case kAxisSumPc:
                a.sumPc = value;
                break;
            case kAxisQ:
                a.Q = value;
                break;
            case kAxisDeltaS:
                a.deltaS = value;
                break;
            default:
                a.betaDs = value;
                break;
            }
        }
        return a;
    }

    void readSlenderness(std::optional<SlendernessData>& out) const {
        out.reset();
        const json* v = find("slenderness");
        if (!v) {
            return;
        }
        const Pointer at = Pointer() / "slenderness";
        requireFields(*v, at, {"x", "y"}, {"EI", "betaDns"});
        SlendernessData data;
        data.x = readAxis((*v)["x"], at / "x");
        data.y = readAxis((*v)["y"], at / "y");
        if (v->contains("EI")) {
            const json& ei = (*v)["EI"];
            if (ei.is_number()) {
                data.stiffness = StiffnessChoice::Given;
                data.givenEI = single(ei, at / "EI");
            } else {
                data.stiffness = wordIndex(ei, at / "EI", kStiffnessWords) == 0
                                     ? StiffnessChoice::ConcreteOnly
                                     : StiffnessChoice::WithBars;
            }
        }
        if (v->contains("betaDns")) {
            data.betaDns = single((*v)["betaDns"], at / "betaDns");
        }
        if (const auto fault = slendernessFault(data)) {
            Pointer where = at;
            if (fault->axis) {
                where /= std::string(1, *fault->axis);
            }
            fail(where / fault->field, fault->reason);
        }
        out = data;
    }

    // The extents the main window would give the section: the generator's for a generated
    // outline, the bounding box of an outline given point by point.
    void readExtents(ProjectModel& m) {
        if (!generatedOutline_) {
            ProjectModel shaped = m;
            if (m.sectionType == kRectangular) {
                chooseRectangularSection(shaped, m.rectB, m.rectH);
            } else if (m.sectionType == kRound) {
                chooseRoundSection(shaped, m.circDiam);
            } else {
                applyEditedOutline(shaped);
            }
            m.extentX = shaped.extentX;
            m.extentY = shaped.extentY;
        }
        readSingle("extentX", m.extentX);
        readSingle("extentY", m.extentY);
        within("extentX", "the width of the outline", InputQuantity::Extent, m.extentX);
        within("extentY", "the height of the outline", InputQuantity::Extent, m.extentY);
    }

    const json& root_;
    bool generatedOutline_ = false;
    bool givenBars_ = false;
};

// Stops the parser as soon as the nesting is deeper than a project's.
struct TooDeep {};

// Follows the parser through the text to refuse a key given twice in one object: the library
// would keep the last silently, and a project must say one thing.
class DuplicateKeys {
public:
    bool operator()(int depth, json::parse_event_t event, const json& parsed) {
        if (depth > kMaxJsonProjectDepth) {
            throw TooDeep{};
        }
        switch (event) {
        case json::parse_event_t::object_start:
        case json::parse_event_t::array_start:
            open_.push_back({event == json::parse_event_t::object_start, {}, {}, 0});
            break;
        case json::parse_event_t::key: {
            Level& level = open_.back();
            const std::string& key = parsed.get_ref<const std::string&>();
            if (!level.keys.insert(key).second) {
                throw JsonProjectError(pointerTo(key).to_string() + ": the key is given twice");
            }
            level.key = key;
            break;
        }
        case json::parse_event_t::object_end:
        case json::parse_event_t::array_end:
            open_.pop_back();
            elementDone();
            break;
        case json::parse_event_t::value:
            elementDone();
            break;
        }
        return true;
    }

private:
    struct Level {
        bool object;
        std::set<std::string> keys;
        std::string key;   // the key being read, in an object
        std::size_t index; // the element being read, in a list
    };

    void elementDone() {
        if (!open_.empty() && !open_.back().object) {
            ++open_.back().index;
        }
    }

    Pointer pointerTo(const std::string& key) const {
        Pointer at;
        for (std::size_t i = 0; i + 1 < open_.size(); ++i) {
            at = open_[i].object ? at / open_[i].key : at / open_[i].index;
        }
        return at / key;
    }

    std::vector<Level> open_;
};

} // namespace

FileResult readJsonProject(std::string_view text, const std::string& name, ProjectModel& model,
                           LoadChecks checks, SectionResults* section) {
    json root;
    try {
        DuplicateKeys keys;
        root = json::parse(text, [&keys](int depth, json::parse_event_t event, json& parsed) {
            return keys(depth, event, parsed);
        });
    } catch (const JsonProjectError& e) {
        return FileResult::failure(name + ": " + e.what());
    } catch (const TooDeep&) {
        return FileResult::failure(name + ": nested deeper than a project (" +
                                   std::to_string(kMaxJsonProjectDepth) + " levels)");
    } catch (const json::exception& e) {
        std::string why = e.what();
        if (const auto close = why.find("] "); why.starts_with("[json.") && close != why.npos) {
            why.erase(0, close + 2);
        }
        return FileResult::failure(name + ": not valid JSON: " + why);
    }

    // A project that names no edition is of 318-05, as a project file without its edition line.
    ProjectModel loaded = model;
    loaded.designCode = DesignCode::Aci318_05;
    resetToNewProject(loaded);
    try {
        ProjectReader(root).read(loaded);
    } catch (const JsonProjectError& e) {
        return FileResult::failure(name + ": " + e.what());
    }
    return finishLoadedProject(loaded, name, model, checks, section);
}

FileResult loadJsonProject(const std::string& path, ProjectModel& model, LoadChecks checks,
                           SectionResults* section) {
    if (!fileExists(path)) {
        return FileResult::failure(path + ": " + whyNotReadable(path));
    }
    std::error_code sizeError;
    const std::uintmax_t bytes = std::filesystem::file_size(path, sizeError);
    if (!sizeError && bytes > kMaxProjectFileBytes) {
        return FileResult::failure(path + " is too large to be a project (" +
                                   std::to_string(bytes) + " bytes)");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file.is_open()) {
        return FileResult::failure(path + ": " + whyNotReadable(path));
    }
    std::string text;
    // Read in pieces up to the limit, so that a file that grows or lies about its size is still
    // bounded.
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (text.size() > kMaxProjectFileBytes) {
            return FileResult::failure(path + " is too large to be a project");
        }
    }
    if (file.bad()) {
        return FileResult::failure(path + ": the file could not be read to its end");
    }
    return readJsonProject(text, path, model, checks, section);
}

} // namespace pmsect
