// The results as comma-separated values and SVG.
#include "results/recording_canvas.h"
#include "results_windows_fixture.h"
#include "ui/results_export.h"

#include <sstream>

namespace pmsect::test {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        out.push_back(line);
    }
    return out;
}

std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string f; std::getline(in, f, ',');) {
        out.push_back(f);
    }
    if (!line.empty() && line.back() == ',') {
        out.emplace_back();
    }
    return out;
}

TEST(ResultsExport, CurveRowsInDisplayUnitsWithAnEmptyMomentWhereNotFound) {
    CurveTable t;
    t.count = 2;
    t.pts[1] = {0.65f, -100.0f, 1200.0f};
    t.found[1] = true;
    t.pts[2] = {0.9f, 50.0f, 600.0f};
    t.found[2] = false;
    DisplayUnits u;
    EXPECT_EQ(curveCsv(t, t.count, u), "phi,Pn (k),Mn (ft-k),found\n"
                                       "0.65,-100,100,1\n"
                                       "0.9,50,,0\n");
    u.forceFactor = 1000;
    u.forceLabel = "lb.";
    EXPECT_EQ(lines(curveCsv(t, 1, u))[1], "0.65,-100000,100,1");
}

TEST(ResultsExport, ContourGivesTheMomentAboutEachAxis) {
    CurveTable t;
    for (int k = 1; k <= kContourPoints; ++k) {
        t.found[static_cast<std::size_t>(k)] = true;
    }
    t.pts[1] = {0.9f, 0.0f, -240.0f};  // 0 deg: bending about y, the table holds -Mny
    t.pts[11] = {0.9f, -360.0f, 0.0f}; // 90 deg: bending about x, the table holds -Mnx
    t.found[2] = false;
    // The design state of 90 deg: phi*Pn -130 k, phi*Mnx 18 ft-k (the table holds -216 kip-in).
    t.design.points[11] = {true, 0.65f, -200, -130, -216, 0};
    const auto rows = lines(contourCsv(t, DisplayUnits{}));
    ASSERT_EQ(rows.size(), 41u);
    EXPECT_EQ(rows[0], "angle (deg),phi,Mnx (ft-k),Mny (ft-k),found,design phi,phiPn (k),"
                       "phiMnx (ft-k),phiMny (ft-k),design found");
    EXPECT_EQ(rows[1], "0,0.9,0,20,1,,,,,0");
    EXPECT_EQ(rows[2], "9,0,,,0,,,,,0");
    EXPECT_EQ(rows[11], "90,0.9,30,0,1,0.65,-130,18,0,1");
}

class ResultsFiles : public ResultsWindowsTest {};

TEST_F(ResultsFiles, ComputedCurveMatchesItsTableWorkedByHand) {
    openWindow(app, main.onButton(MainButton::Results).window);
    results.activate();
    const CurveTable& c = app.data().curve;
    const auto rows = lines(app.current2DCsv());
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(c.count) + 1);
    EXPECT_EQ(rows[0], "phi,Pn (k),Mn (ft-k),found");
    // Row 10 of the curve: Mn in kip-in over 12 is kip-ft.
    const auto f = fields(rows[10]);
    ASSERT_EQ(f.size(), 4u);
    EXPECT_NEAR(std::stod(f[1]), c.col1(10), 1e-3);
    EXPECT_NEAR(std::stod(f[2]), c.col2(10) / 12.0, 1e-3);
    EXPECT_EQ(f[3], "1");

    const auto surface = lines(app.surfaceCsvText());
    EXPECT_EQ(surface[0], "direction,angle (deg),row,phi,Pn (k),Mn (ft-k),found");
    EXPECT_EQ(surface.size(), 1u + 8u * static_cast<std::size_t>(app.data().surface.rowCount));
    EXPECT_EQ(fields(surface[1])[1], "90"); // direction 1 bends about x

    results.onOptBiMn();
    EXPECT_EQ(lines(app.current2DCsv())[0],
              "angle (deg),phi,Mnx (ft-k),Mny (ft-k),found,design "
              "phi,phiPn (k),phiMnx (ft-k),phiMny (ft-k),design found");
}

TEST_F(ResultsFiles, PicturesAsSvg) {
    openWindow(app, main.onButton(MainButton::Results).window);
    results.activate();
    const std::string svg =
        pictureSvg([this](Canvas& canvas) { results.draw2D(canvas); }, 400, 300);
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("<line"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
}

} // namespace
} // namespace pmsect::test
