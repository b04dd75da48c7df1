// The results subcommands of pmsect-cli: structure of their output and their errors.
#include "run_cli.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace pmsect {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

using test::runCli;

const std::string kDefault = std::string(PMSECT_TEST_DATA) + "/golden/default.rcs";

TEST(ResultsCli, CurveHasTheLevelsOfAnInteractionCurve) {
    const test::CliOutput out = runCli("curve " + kDefault + " --angle 90 --json");
    ASSERT_EQ(out.status, 0);
    const json j = json::parse(out.text);
    EXPECT_EQ(j["angle_deg"].get<double>(), 90);
    const json& points = j["points"];
    // Squash point, 19 compression levels down to -64.8 k, 5 transition, 4 tension, tension end.
    ASSERT_EQ(points.size(), 29u);
    EXPECT_NEAR(points[0]["Pn_kip"].get<double>(), 0.99 * -906.99, 0.01);
    EXPECT_EQ(points[0]["Mn_kipin"].get<double>(), 0);
    EXPECT_NEAR(points[0]["phi"].get<double>() * points[0]["Pn_kip"].get<double>(), -471.63, 0.01);
    int zeroLevels = 0;
    for (const json& p : points) {
        zeroLevels += std::fabs(p["Pn_kip"].get<double>()) <= 0.01 ? 1 : 0;
        EXPECT_TRUE(p["found"].get<bool>());
    }
    EXPECT_EQ(zeroLevels, 2); // pure bending ends the transition band and starts the tension band
    EXPECT_NEAR(points.back()["Pn_kip"].get<double>(), 0.99 * 372, 0.01);
    EXPECT_FLOAT_EQ(points.back()["phi"].get<float>(), 0.9f);

    const test::CliOutput csv = runCli("curve " + kDefault + " --angle 90 --csv");
    EXPECT_EQ(csv.text.substr(0, csv.text.find('\n')), "phi,Pn_kip,Mn_kipin");
    EXPECT_EQ(std::count(csv.text.begin(), csv.text.end(), '\n'), 30);
}

TEST(ResultsCli, ContourIsClampedAndHasFortyDirections) {
    const test::CliOutput out = runCli("contour " + kDefault + " --pn -5000 --json");
    ASSERT_EQ(out.status, 0);
    const json j = json::parse(out.text);
    EXPECT_NEAR(j["Pn_kip"].get<double>(), 0.99 * -906.99, 0.01);
    ASSERT_EQ(j["points"].size(), 40u);
    EXPECT_EQ(j["points"][39]["direction_deg"].get<double>(), 351);
    for (const json& p : j["points"]) {
        EXPECT_EQ(p["phi"].get<double>(), 0); // beyond the reduced capacity
    }
}

// Every point carries the axial force its search reached, within 0.1 % of |Po| of the load
// asked for; the top-level load stays the one asked for.
TEST(ResultsCli, ContourPointsCarryTheirOwnAxialForce) {
    const test::CliOutput out = runCli("contour " + kDefault + " --pn -680 --json");
    ASSERT_EQ(out.status, 0);
    const json j = json::parse(out.text);
    EXPECT_EQ(j["Pn_kip"].get<double>(), -680);
    ASSERT_EQ(j["points"].size(), 40u);
    for (const json& p : j["points"]) {
        EXPECT_TRUE(p["found"].get<bool>());
        EXPECT_NEAR(p["Pn_kip"].get<double>(), -680, 0.001 * 906.99) << p.dump();
    }
    const auto ordered = nlohmann::ordered_json::parse(out.text);
    std::vector<std::string> names;
    for (const auto& item : ordered["points"][0].items()) {
        names.push_back(item.key());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"direction_deg", "phi", "Pn_kip", "M1_kipin",
                                               "M2_kipin", "found"}));

    const test::CliOutput csv = runCli("contour " + kDefault + " --pn -680 --csv");
    std::istringstream lines(csv.text);
    std::string header, first;
    std::getline(lines, header);
    std::getline(lines, first);
    EXPECT_EQ(header, "direction_deg,phi,Pn_kip,M1_kipin,M2_kipin,design_phi,design_Pn_kip,"
                      "phiPn_kip,phiM1_kipin,phiM2_kipin,design_found");
    const auto pnField = first.substr(first.find(',', first.find(',') + 1) + 1);
    EXPECT_NEAR(std::stod(pnField), -680, 0.001 * 906.99) << first;
}

// The design contour at -300 k (phi*Pn(max) is -0.52 * 906.99 = -471.6 k): one entry per
// direction at phi*Pn = P, its moment pointing the nominal one's way; the CSV carries the same
// six values after the nominal ones. Beyond phi*Pn(max) none is found.
TEST(ResultsCli, ContourCarriesTheDesignContourAtTheLoad) {
    const std::string text = runCli("contour " + kDefault + " --pn -300 --json").text;
    const auto j = nlohmann::ordered_json::parse(text);
    ASSERT_EQ(j["design"].size(), 40u);
    std::vector<std::string> names;
    for (const auto& item : j["design"][0].items()) {
        names.push_back(item.key());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"direction_deg", "phi", "Pn_kip", "phiPn_kip",
                                               "phiM1_kipin", "phiM2_kipin", "found"}));
    for (std::size_t k = 0; k < 40; ++k) {
        const auto& d = j["design"][k];
        const auto& p = j["points"][k];
        ASSERT_TRUE(d["found"].get<bool>()) << d.dump();
        EXPECT_NEAR(d["phiPn_kip"].get<double>(), -300, 0.001 * 906.99) << d.dump();
        const double m1 = d["phiM1_kipin"].get<double>(), m2 = d["phiM2_kipin"].get<double>();
        const double n1 = p["M1_kipin"].get<double>(), n2 = p["M2_kipin"].get<double>();
        EXPECT_GT(m1 * n1 + m2 * n2, 0.999 * std::hypot(m1, m2) * std::hypot(n1, n2));
    }
    std::istringstream csv(runCli("contour " + kDefault + " --pn -300 --csv").text);
    std::string line;
    std::getline(csv, line);
    std::getline(csv, line);
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 10) << line;
    EXPECT_EQ(line.substr(line.rfind(',') + 1), "yes");
    const json beyondPhiPnMax =
        json::parse(runCli("contour " + kDefault + " --pn -600 --json").text);
    for (const json& d : beyondPhiPnMax["design"]) {
        EXPECT_TRUE(!d["found"].get<bool>() && d["phiPn_kip"].is_null());
    }
}

TEST(ResultsCli, SurfaceDirectionsAndExtents) {
    const test::CliOutput four = runCli("surface " + kDefault + " --sections 4 --json");
    ASSERT_EQ(four.status, 0);
    const json j = json::parse(four.text);
    EXPECT_EQ(j["sections"].get<int>(), 4);
    const double expected[] = {90, 180, 270, 360};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(j["directions"][k]["angle_deg"].get<double>(), expected[k]);
    }
    EXPECT_EQ(j["extents"]["MnMin_kipin"].get<double>(), 0);
    EXPECT_GT(j["extents"]["PnMax_kip"].get<double>(), 0);
    const test::CliOutput many = runCli("surface " + kDefault + " --sections 40 --json");
    EXPECT_EQ(json::parse(many.text)["sections"].get<int>(), 32);
}

TEST(ResultsCli, ReportInAnyUnitsAndPlotsAsSvg) {
    const test::CliOutput us = runCli("report " + kDefault);
    ASSERT_EQ(us.status, 0);
    EXPECT_NE(us.text.find("f'c = 3,000 psi        fy  = 60,000 psi"), std::string::npos);
    const test::CliOutput si =
        runCli("report " + kDefault + " --length mm --stress MPa --force kN");
    // The report writes f'c and fy without decimals: 20.68 and 413.69 MPa.
    EXPECT_NE(si.text.find("f'c = 21 MPa        fy  = 414 MPa"), std::string::npos);
    EXPECT_NE(si.text.find("(mm)"), std::string::npos);
    EXPECT_EQ(runCli("report " + kDefault + " --length furlong").status, 2);

    const fs::path svg =
        fs::temp_directory_path() / ("pmsect_plot_test_" + std::to_string(::getpid()) + ".svg");
    for (const std::string kind : {"--curve 90", "--contour -200", "--surface 8 --view 0 0"}) {
        fs::remove(svg);
        ASSERT_EQ(runCli("plot " + kDefault + " " + kind + " --svg " + svg.string()).status, 0);
        std::ifstream in(svg);
        std::stringstream s;
        s << in.rdbuf();
        EXPECT_EQ(s.str().rfind("<?xml", 0), 0u) << kind;
        EXPECT_NE(s.str().find("<line"), std::string::npos) << kind;
        EXPECT_EQ(s.str().find("\"nan"), std::string::npos) << kind;
        EXPECT_EQ(s.str().find("\"-nan"), std::string::npos) << kind;
    }
    fs::remove(svg);
    EXPECT_EQ(runCli("plot " + kDefault + " --svg /tmp/x.svg").status, 2);
}

const std::string kFortyLoads = std::string(PMSECT_TEST_DATA) + "/golden/forty_loads.rcs";

TEST(ResultsCli, ControlPointsAsJsonAndCsv) {
    const test::CliOutput out = runCli("control-points " + kDefault + " --angle 90 --json");
    ASSERT_EQ(out.status, 0);
    const json j = json::parse(out.text);
    EXPECT_EQ(j["code"], "318-05");
    EXPECT_EQ(j["angle_deg"], 90);
    const std::array<const char*, 8> names = {"compression", "phiPnMax", "fs0",
                                              "fsHalfFy",    "balanced", "tensionControlled",
                                              "pureBending", "tension"};
    ASSERT_EQ(j["points"].size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        const json& p = j["points"][i];
        EXPECT_EQ(p["name"], names[i]);
        for (const char* key :
             {"c_in", "epsT", "Pn_kip", "Mn_kipft", "phi", "phiPn_kip", "phiMn_kipft"}) {
            EXPECT_TRUE(p.contains(key)) << names[i] << " " << key;
        }
    }
    const json& po = j["points"][0];
    EXPECT_TRUE(po["c_in"].is_null());
    EXPECT_TRUE(po["epsT"].is_null());
    EXPECT_LT(po["Pn_kip"].get<double>(), 0); // compression negative
    const json& cap = j["points"][1];
    EXPECT_TRUE(cap["c_in"].is_null() && cap["epsT"].is_null() && cap["Mn_kipft"].is_null());
    EXPECT_NEAR(cap["Pn_kip"].get<double>() * cap["phi"].get<double>(),
                cap["phiPn_kip"].get<double>(), 1e-3);
    // Balanced: eps_t = fy/Es = 60/29000, tension positive.
    EXPECT_NEAR(j["points"][4]["epsT"].get<double>(), 60.0 / 29000, 1e-7);
    EXPECT_NEAR(j["points"][5]["epsT"].get<double>(), 0.005, 1e-7);
    EXPECT_GT(j["points"][7]["Pn_kip"].get<double>(), 0);

    const test::CliOutput csv = runCli("control-points " + kDefault + " --angle 90 --csv");
    ASSERT_EQ(csv.status, 0);
    EXPECT_EQ(csv.text.rfind("name,c_in,epsT,Pn_kip,Mn_kipft,phi,phiPn_kip,phiMn_kipft", 0), 0u);
    EXPECT_EQ(std::count(csv.text.begin(), csv.text.end(), '\n'), 9);
    EXPECT_EQ(runCli("control-points " + kDefault).status, 2); // the angle is required
}

// What an SVG figure holds, read the way a reader of the file would: its groups by id, the
// numbers of their lines and the texts.
struct SvgFigure {
    std::string text;

    std::string group(const std::string& id) const {
        const auto start = text.find("<g id=\"" + id + "\">");
        if (start == std::string::npos) {
            return {};
        }
        return text.substr(start, text.find("</g>", start) - start);
    }
    static double attribute(const std::string& element, const std::string& name) {
        const auto at = element.find(" " + name + "=\"");
        return at == std::string::npos ? NAN : std::stod(element.substr(at + name.size() + 3));
    }
    static std::vector<std::string> elements(const std::string& part, const std::string& tag) {
        const std::string end = tag == "text" ? "</text>" : ">";
        std::vector<std::string> out;
        for (auto at = part.find("<" + tag + " "); at != std::string::npos;
             at = part.find("<" + tag + " ", at + 1)) {
            out.push_back(part.substr(at, part.find(end, at) + end.size() - at));
        }
        return out;
    }
    static std::string content(const std::string& textElement) {
        const auto open = textElement.find('>');
        const auto close = textElement.find("</text>");
        return textElement.substr(open + 1, close - open - 1);
    }
};

SvgFigure plotSvg(const std::string& file, const std::string& args) {
    const fs::path svg =
        fs::temp_directory_path() / ("pmsect_figure_test_" + std::to_string(::getpid()) + ".svg");
    fs::remove(svg);
    EXPECT_EQ(runCli("plot " + file + " " + args + " --svg " + svg.string()).status, 0) << args;
    std::ifstream in(svg);
    std::stringstream s;
    s << in.rdbuf();
    fs::remove(svg);
    return {s.str()};
}

// Titles, at least four tick values on each axis, the nominal curve over 60 % of the plot area
// each way and numbered load markers.
void expectFigure(const SvgFigure& f, const std::string& across, const std::string& up,
                  const std::string& what) {
    SCOPED_TRACE(what);
    const std::string axes = f.group("axes");
    ASSERT_FALSE(axes.empty());
    // The frame is the grey rectangle of the axes group.
    double left = 1e300, right = -1e300, top = 1e300, bottom = -1e300;
    for (const std::string& line : SvgFigure::elements(axes, "line")) {
        if (line.find("#808080") != std::string::npos) {
            for (const char* x : {"x1", "x2"}) {
                left = std::min(left, SvgFigure::attribute(line, x));
                right = std::max(right, SvgFigure::attribute(line, x));
            }
            for (const char* y : {"y1", "y2"}) {
                top = std::min(top, SvgFigure::attribute(line, y));
                bottom = std::max(bottom, SvgFigure::attribute(line, y));
            }
        }
    }
    ASSERT_LT(left, right);
    ASSERT_LT(top, bottom);
    int acrossTicks = 0, upTicks = 0;
    bool acrossTitle = false, upTitle = false;
    for (const std::string& t : SvgFigure::elements(axes, "text")) {
        const std::string s = SvgFigure::content(t);
        acrossTitle = acrossTitle || s == across;
        upTitle = upTitle || s == up;
        std::string digits = s;
        digits.erase(std::remove(digits.begin(), digits.end(), ','), digits.end());
        if (digits.empty() || digits.find_first_not_of("-.0123456789") != std::string::npos) {
            continue;
        }
        if (SvgFigure::attribute(t, "y") > bottom) {
            ++acrossTicks;
        } else if (SvgFigure::attribute(t, "x") < left) {
            ++upTicks;
        }
    }
    EXPECT_TRUE(acrossTitle);
    EXPECT_TRUE(upTitle);
    EXPECT_GE(acrossTicks, 4);
    EXPECT_GE(upTicks, 4);
    double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
    for (const std::string& line : SvgFigure::elements(f.group("nominal"), "line")) {
        xmin = std::min({xmin, SvgFigure::attribute(line, "x1"), SvgFigure::attribute(line, "x2")});
        xmax = std::max({xmax, SvgFigure::attribute(line, "x1"), SvgFigure::attribute(line, "x2")});
        ymin = std::min({ymin, SvgFigure::attribute(line, "y1"), SvgFigure::attribute(line, "y2")});
        ymax = std::max({ymax, SvgFigure::attribute(line, "y1"), SvgFigure::attribute(line, "y2")});
    }
    EXPECT_GE((xmax - xmin) / (right - left), 0.6);
    EXPECT_GE((ymax - ymin) / (bottom - top), 0.6);
    EXPECT_GE(xmin, left);
    EXPECT_LE(ymax, bottom);
    const auto loads = SvgFigure::elements(f.group("loads"), "text");
    ASSERT_FALSE(loads.empty());
    for (const std::string& t : loads) {
        EXPECT_GT(std::stoi(SvgFigure::content(t)), 0);
    }
}

TEST(ResultsCli, PlotsAreFiguresWithAxesTitlesTicksAndNumberedLoads) {
    const SvgFigure curve = plotSvg(kFortyLoads, "--curve 90");
    expectFigure(curve, "Mn (ft-k)", "Pn (k)", "curve");
    for (const char* id : {"reduced", "control-points"}) {
        EXPECT_FALSE(curve.group(id).empty()) << id;
    }
    // Load 11 (30 k of tension, 42 ft-k about x) lies on the 90 degree diagram; load 1 (about y
    // only) does not.
    const auto loads = SvgFigure::elements(curve.group("loads"), "text");
    const auto has = [&](const std::string& n) {
        return std::any_of(loads.begin(), loads.end(),
                           [&](const std::string& t) { return SvgFigure::content(t) == n; });
    };
    EXPECT_TRUE(has("11"));
    EXPECT_FALSE(has("1"));
    // The control points are listed under the diagram.
    EXPECT_NE(curve.text.find("Balanced"), std::string::npos);

    const SvgFigure contour = plotSvg(kFortyLoads, "--contour -400");
    expectFigure(contour, "Mnx (ft-k)", "Mny (ft-k)", "contour");
}

TEST(ResultsCli, TheSurfaceStaysInsideItsPictureAtEveryView) {
    for (const char* view : {"0 0", "90 -90", "200 45", "330 90", "45 30"}) {
        SCOPED_TRACE(view);
        const SvgFigure f = plotSvg(kFortyLoads, std::string("--surface 32 --view ") + view);
        const auto lines = SvgFigure::elements(f.text, "line");
        ASSERT_GT(lines.size(), 100u);
        for (const std::string& line : lines) {
            for (const char* a : {"x1", "y1", "x2", "y2"}) {
                const double v = SvgFigure::attribute(line, a);
                ASSERT_GE(v, 0) << line;
                ASSERT_LE(v, 640) << line;
            }
        }
        // The axes carry their names and units.
        for (const char* name : {">Mnx (ft-k)<", ">Mny (ft-k)<", ">Pn (k)<"}) {
            EXPECT_NE(f.text.find(name), std::string::npos) << name;
        }
    }
}

} // namespace
} // namespace pmsect
