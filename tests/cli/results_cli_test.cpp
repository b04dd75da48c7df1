// The results subcommands of pmsect-cli: structure of their output and their errors.
#include "run_cli.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

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
    // The report writes f'c and fy without decimals: 20.67 and 413.4 MPa.
    EXPECT_NE(si.text.find("f'c = 21 MPa        fy  = 413 MPa"), std::string::npos);
    EXPECT_NE(si.text.find("(mm)"), std::string::npos);
    EXPECT_EQ(runCli("report " + kDefault + " --length furlong").status, 2);

    const fs::path svg = fs::temp_directory_path() / "pmsect_plot_test.svg";
    for (const std::string kind : {"--curve 90", "--contour -200", "--surface 8 --view 0 0"}) {
        fs::remove(svg);
        ASSERT_EQ(runCli("plot " + kDefault + " " + kind + " --svg " + svg.string()).status, 0);
        std::ifstream in(svg);
        std::stringstream s;
        s << in.rdbuf();
        EXPECT_EQ(s.str().rfind("<?xml", 0), 0u) << kind;
        EXPECT_NE(s.str().find("<line"), std::string::npos) << kind;
        EXPECT_EQ(s.str().find("nan"), std::string::npos) << kind;
    }
    fs::remove(svg);
    EXPECT_EQ(runCli("plot " + kDefault + " --svg /tmp/x.svg").status, 2);
}

} // namespace
} // namespace pmsect
