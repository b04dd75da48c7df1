// The text report of the default project line by line, spirals, SI units with loads, the
// verdicts, the strain classes and the column padding.
#include "building/new_project.h"
#include "engine/codes/aci318.h"
#include "io/report_text.h"
#include "project/design_code_choice.h"
#include "project/project_summary.h"
#include "units/display_units.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

namespace pmsect {
namespace {

// The report's lines without their six-blank margins (every line after the first has one).
std::vector<std::string> bodyLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
        EXPECT_EQ(text.substr(start, 6), "      ") << "line " << lines.size();
        start += 6;
    }
    lines.push_back(text.substr(start));
    return lines;
}

// A second way of formatting: the C library's rounding, commas grouped by hand.
std::string handFixed(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, std::fabs(value));
    const std::string digits(buf);
    const std::size_t point = digits.find('.');
    std::string s;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && i < point && (point - i) % 3 == 0) {
            s += ',';
        }
        s += digits[i];
    }
    return (value < 0 ? "-" : "") + s;
}

std::string strainClass(float strain) {
    if (strain >= 0.005f) {
        return "Tension Controlled";
    }
    return strain <= 0.002f ? "Compression Controlled" : "Between Tension & Compression Controlled";
}

std::string blanks(std::size_t n) {
    return std::string(n, ' ');
}

std::size_t indexOf(const std::vector<std::string>& lines, const std::string& line) {
    const auto it = std::find(lines.begin(), lines.end(), line);
    EXPECT_NE(it, lines.end()) << "no line \"" << line << "\"";
    return static_cast<std::size_t>(it - lines.begin());
}

ProjectModel newProject() {
    ProjectModel m;
    resetToNewProject(m);
    return m;
}

TEST(ReportText, AddSpaceAndStrainClasses) {
    EXPECT_EQ(AddSpace("ab", 5), "ab   ");
    EXPECT_EQ(AddSpace("abcde", 5), "abcde");
    EXPECT_EQ(AddSpace("abcdefg", 5), "abcdefg");
    EXPECT_EQ(AddSpace("ab", -4), "ab");
    const StrainLimits limits = strainLimits(ProjectModel{});
    EXPECT_EQ(StrainOK(0.005f, limits), "Tension Controlled");
    EXPECT_EQ(StrainOK(std::nextafter(0.005f, 0.0f), limits),
              "Between Tension & Compression Controlled");
    EXPECT_EQ(StrainOK(std::nextafter(0.002f, 1.0f), limits),
              "Between Tension & Compression Controlled");
    EXPECT_EQ(StrainOK(0.002f, limits), "Compression Controlled");
}

TEST(ReportText, DefaultProjectLineByLine) {
    ProjectModel m = newProject();
    const std::string text = buildReport(m);
    const SectionResults section = computeSectionSummary(m);
    ASSERT_TRUE(section.pureBending);
    const std::array<PureBendingResult, 4>& bending = *section.pureBending;
    const auto lines = bodyLines(text);
    ASSERT_EQ(lines.size(), 68u);
    const std::string units = "(in.)" + blanks(10) + "(in.)" + blanks(5);
    const std::string shortRule(26, '-');
    const std::string longRule(34, '-');
    const std::vector<std::string> head = {
        "", "", "", "", "PMSECT ACI 318-05 Results", "",
        "INPUT DATA:", "f'c = 3,000 psi        fy  = 60,000 psi", "",
        "Confinement Steel:", "Ties are used:  Size = #3", "",
        "Geometry:", "  Point  X-Coor    Y-Coor  ", units, shortRule,
        // The 12 x 18 in rectangle from its lower left corner, clockwise.
        "1    -6.00     -9.00     ", "2    -6.00     9.00      ", "3    6.00      9.00      ",
        "4    6.00      -9.00     ", shortRule, "", "Rebar:", "Bar Num  X-Coor    Y-Coor    Size",
        units, longRule};
    for (std::size_t i = 0; i < head.size(); ++i) {
        EXPECT_EQ(lines[i], head[i]) << "line " << i;
    }
    // Two sets of ten #5 inside #3 ties with 1.5 in cover: the centres lie 6 - 1.5 - 0.375 -
    // 0.3125 = 3.8125 in from the y axis and 9 - 2.1875 = 6.8125 in from the x axis. Six bars fit
    // a row (7.625 / 1.625 + 1 = 5.69 -> 6), 1.525 in apart; the other four lie 1.625 in further
    // in, spread over the same 7.625 in.
    const std::vector<std::string> six = {"-3.81", "-2.29", "-0.76", "0.76", "2.29", "3.81"};
    const std::vector<std::string> four = {"-3.81", "-1.27", "1.27", "3.81"};
    std::size_t bar = 0;
    for (const auto& [y, xs] :
         {std::pair{"6.81", six}, {"5.19", four}, {"-6.81", six}, {"-5.19", four}}) {
        for (const std::string& x : xs) {
            const std::string n = std::to_string(++bar);
            EXPECT_EQ(lines[25 + bar], n + blanks(5 - n.size()) + x + blanks(10 - x.size()) + y +
                                           blanks(10 - std::string(y).size()) + "  #5    ");
        }
    }
    // As = 20 x 0.31 = 6.20 in^2, 6.2 / 216 = 2.87 %; Po = -(2550 (216 - 6.2) + 60000 x 6.2) lb
    // = -906.99 k, phi*Pn(max) = 0.8 x 0.65 Po; To = 60000 x 6.2 lb, phi*Tn(max) = 0.9 To.
    const std::vector<std::string> tail = {
        longRule,
        "",
        "",
        "COMPUTED RESULTS:",
        "",
        "Gross Area = 216.00 in^2;   Area of Steel = 6.20 in^2;   % Reinforcement = 2.87%",
        "Po = -906.99 k" + blanks(6) + ";   phi*Pn(max) = -471.63 k" + blanks(6),
        "To = 372.00 k" + blanks(7) + ";   phi*Tn(max) = 334.80 k" + blanks(7),
        "",
        "Pure Bending:"};
    for (std::size_t i = 0; i < tail.size(); ++i) {
        EXPECT_EQ(lines[46 + i], tail[i]) << "line " << 46 + i;
    }

    // The four blocks hold the summary's values, in its order, each followed by an empty line.
    const char* nominal[] = {"   +Mnx = ", "   -Mnx = ", "   +Mny = ", "   -Mny = "};
    const char* design[] = {";    +pMnx = ", ";     -pMnx = ", ";    +pMny = ", ";     -pMny = "};
    for (std::size_t k = 0; k < 4; ++k) {
        const PureBendingResult& r = bending[k];
        EXPECT_EQ(lines[56 + 3 * k], nominal[k] + handFixed(r.Mn / 12.0, 2) + " ft-k" + design[k] +
                                         handFixed(r.phiMn / 12.0, 2) + " ft-k");
        EXPECT_EQ(lines[57 + 3 * k], "   +Max. Strain = " + handFixed(r.maxSteelStrain, 4) + ";  " +
                                         strainClass(r.maxSteelStrain));
        EXPECT_EQ(lines[58 + 3 * k], "");
    }
    // The section is symmetric, so the negative senses are the positive ones negated.
    EXPECT_GT(bending[0].Mn, 0);
    EXPECT_NEAR(bending[1].Mn, -bending[0].Mn, 0.01 * bending[0].Mn);
    EXPECT_NEAR(bending[3].Mn, -bending[2].Mn, 0.01 * bending[2].Mn);
    EXPECT_EQ(text.find("Load Check:"), std::string::npos);
}

TEST(ReportText, PositiveMnyIsCompressionOnPlusX) {
    // Three #8 bars near the +x face and three #4 near the -x face: with compression on +x
    // (+Mny) the small bars carry the tension and the section is weaker than the reverse.
    ProjectModel m = newProject();
    m.barLayout = kPlacedBars;
    m.numBars = 6;
    for (int i = 1; i <= 3; ++i) {
        m.bars[i] = {4.5f, 6.0f * (i - 2), 8};
        m.bars[i + 3] = {-4.5f, 6.0f * (i - 2), 4};
    }
    const auto lines = bodyLines(buildReport(m));
    const SectionResults section = computeSectionSummary(m);
    ASSERT_TRUE(section.pureBending);
    const std::array<PureBendingResult, 4>& bending = *section.pureBending;
    EXPECT_EQ(bending[2].neutralAxisAngle, 270);
    EXPECT_GT(bending[2].Mn, 0);
    EXPECT_LT(bending[2].Mn, -0.6 * bending[3].Mn);
    // Six bars put the blocks 14 lines higher than twenty do.
    const std::string pos = "   +Mny = " + handFixed(bending[2].Mn / 12.0, 2) + " ft-k";
    const std::string neg = "   -Mny = " + handFixed(bending[3].Mn / 12.0, 2) + " ft-k";
    EXPECT_EQ(lines[48].substr(0, pos.size()), pos);
    EXPECT_EQ(lines[51].substr(0, neg.size()), neg);
}

TEST(ReportText, SpiralsAndTheTieBarNumber) {
    ProjectModel m;
    const SectionResults section = resetToNewProject(m);
    applyConfinement(m, Confinement::Spiral);
    m.tieBarSize = 4;
    EXPECT_EQ(bodyLines(buildReport(m))[10], "Spirals are used:  Size = #4");
    applyConfinement(m, Confinement::Tied);
    EXPECT_EQ(bodyLines(composeReport(m, section))[10], "Ties are used:  Size = #4");
}

// Above 80,000 psi the report says, under the materials, that a design may not rely on fy; at
// 80,000 psi and below it has no such line.
TEST(ReportText, YieldStrengthAboveTheCodeLimitIsWarnedOf) {
    ProjectModel m = newProject();
    m.fy = 80000;
    const auto sound = bodyLines(buildReport(m));
    EXPECT_EQ(sound[7], "f'c = 3,000 psi        fy  = 80,000 psi");
    EXPECT_EQ(sound[8], "");
    m.fy = 80001;
    const auto warned = bodyLines(buildReport(m));
    EXPECT_EQ(warned[7], "f'c = 3,000 psi        fy  = 80,001 psi");
    EXPECT_EQ(warned[8], kHighYieldWarning);
    EXPECT_EQ(warned.size(), sound.size() + 1);
}

TEST(ReportText, RunsTheSummaryBeforeWriting) {
    ProjectModel m = newProject();
    m.loads.resize(1);
    m.loads[1][kPu] = -100;
    m.loads[1][kMux] = 50;
    const std::string text = buildReport(m);
    const LoadResult r = storedLoadResult(computeSectionSummary(m), m, 1).value();
    EXPECT_LT(r.phiPn, -100);
    EXPECT_NE(text.find("Design Ratio = " + handFixed(r.ratio, 3)), std::string::npos); // checked
    EXPECT_NE(text.find("Load Check:"), std::string::npos);
}

// A slender member's loads list the magnifier's steps with the edition's clauses; the check is on
// the magnified moments. The load of the braced example of the engine's tests: 14 in square is
// not the section here, so only the steps' presence, their clauses and the M2min case are read.
TEST(ReportText, SlenderLoadsListTheMagnifiersSteps) {
    ProjectModel m = newProject();
    m.designCode = DesignCode::Aci318_19;
    m.loads.resize(1);
    m.loads[1][kPu] = -100;
    m.loads[1][kMux] = 1;
    const std::string plain = buildReport(m);
    EXPECT_EQ(plain.find("Moment magnifier"), std::string::npos);
    SlendernessData s;
    s.x.lu = 240;
    s.y.lu = 240;
    m.slenderness = s;
    const std::string text = buildReport(m);
    EXPECT_NE(text.find("Moment magnifier, on (Pu, Mcx, Mcy):"), std::string::npos) << text;
    EXPECT_NE(text.find("About x: k lu/r = 44.4 > 22.0 (318-19 6.2.5.1), r (318-19 6.2.5.2)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("M2min governs"), std::string::npos);
    EXPECT_NE(text.find("Cm = 1.000 (318-19 6.6.4.5.3); delta_ns = "), std::string::npos);
    // The first-order moments are labelled so, and the magnified ones the ratio is computed on
    // follow: M2,min = 100 (0.6 + 0.03 x 18) / 12 = 9.50 ft-k about x, 100 (0.6 + 0.03 x 12) / 12
    // = 8.00 about y, each then magnified (delta_ns >= 1).
    EXPECT_EQ(plain.find("1st ord.:"), std::string::npos);
    EXPECT_NE(plain.find("   Demand  :"), std::string::npos);
    EXPECT_NE(text.find("   1st ord.:"), std::string::npos);
    const std::size_t mc = text.find("   Mc      :");
    ASSERT_NE(mc, std::string::npos) << text;
    std::istringstream line(text.substr(mc + 12, text.find('\n', mc) - mc - 12));
    double Pu = 0;
    double Mcx = 0;
    double Mcy = 0;
    line >> Pu >> Mcx >> Mcy;
    EXPECT_EQ(Pu, -100);
    EXPECT_GE(Mcx, 9.5);
    EXPECT_GE(Mcy, 8.0);
}

TEST(ReportText, LoadsInSiUnits) {
    ProjectModel m = newProject();
    applyUnitChoice(m.units, 3, 4, 6, 4, 1); // mm, kN, kN-m, MPa, pcf
    m.loads.resize(2);
    m.loads[1][kPu] = -100; // kips
    m.loads[1][kMux] = 50;  // kip-ft
    m.loads[2][kPu] = -150;
    m.loads[2][kMux] = 30;
    m.loads[2][kMuy] = 40;
    const auto lines = bodyLines(buildReport(m));

    // 3000 psi x 0.0068947573 = 20.68 -> "21"; 60000 x it = 413.69 -> "414".
    EXPECT_EQ(lines[7], "f'c = 21 MPa        fy  = 414 MPa");
    EXPECT_EQ(lines[14], "(mm)" + blanks(11) + "(mm)" + blanks(6));
    EXPECT_EQ(lines[16], "1    -152.40   -228.60   "); // -6 in and -9 in

    const std::size_t at = indexOf(lines, "Load Check:");
    ASSERT_EQ(at, 69u); // after the last strain line and two empty ones
    const std::string header = "Axial" + blanks(12) + "Mx" + blanks(13) + "My" + blanks(13);
    const std::string rule = "   " + std::string(56, '-');
    const SectionResults checked = computeSectionSummary(m);
    const LoadResult r1 = storedLoadResult(checked, m, 1).value();
    const LoadResult r2 = storedLoadResult(checked, m, 2).value();
    const auto column = [](double value) {
        const std::string s = handFixed(value, 2);
        return s + blanks(15 - s.size());
    };
    EXPECT_EQ(lines[at + 1], "Load #1   " + header);
    EXPECT_EQ(lines[at + 2], "(kN)" + blanks(23) + "(kN-m)" + blanks(9) + "(kN-m)" + blanks(9));
    EXPECT_EQ(lines[at + 3], rule);
    // -100 k x 4.4482216 = -444.82 kN; 50 ft-k x 4.4482216 x 0.3048 = 67.79 kN-m.
    constexpr double kNPerKip = 4.4482216152605;
    constexpr double kNmPerKipFt = kNPerKip * 0.3048;
    EXPECT_EQ(lines[at + 4],
              "   Demand  :-444.82" + blanks(8) + "67.79" + blanks(10) + "0.00" + blanks(11));
    EXPECT_EQ(lines[at + 5], "   Capacity:" + column(r1.phiPn * kNPerKip) +
                                 column(r1.phiMnx * kNmPerKipFt) + column(r1.phiMny * kNmPerKipFt));
    EXPECT_EQ(lines[at + 6], rule);
    // e = 50 x 12 / 100 = 6 in = 152.40 mm; the angle is where the search settled, near 90.
    EXPECT_NEAR(r1.angle, 90, 0.005);
    EXPECT_EQ(lines[at + 7],
              "   eccentricty = 152.40 mm;     Angle = " + handFixed(r1.angle, 2) + " deg");
    ASSERT_LE(r1.ratio, 1.0f);
    EXPECT_EQ(lines[at + 8], "   Design Ratio = " + handFixed(r1.ratio, 3) + "... Okay");
    EXPECT_EQ(lines[at + 9], "");

    // Second load: -150 k = -667.23 kN, 30 and 40 ft-k = 40.67 and 54.23 kN-m; e = 12 x 50 / 150
    // = 4 in at atan(30 / 40) = 36.87 deg.
    EXPECT_EQ(lines[at + 10], "Load #2   " + header);
    EXPECT_EQ(lines[at + 13],
              "   Demand  :-667.23" + blanks(8) + "40.67" + blanks(10) + "54.23" + blanks(10));
    EXPECT_NEAR(r2.angle, 36.87, 0.05);
    EXPECT_EQ(lines[at + 16],
              "   eccentricty = 101.60 mm;     Angle = " + handFixed(r2.angle, 2) + " deg");
    EXPECT_EQ(lines.size(), at + 21); // and the verdict after an empty line
}

TEST(ReportText, VerdictsAndACapacityNotFound) {
    ProjectModel m;
    SectionResults section = resetToNewProject(m);
    m.loads.resize(3);
    m.loads[3][kPu] = -100;
    std::array<LoadResult, 3> results{};
    results[0].ratio = 1.0f;
    results[1].ratio = 1.001f;
    results[2].capacityFound = false;
    for (int k = 1; k <= 3; ++k) {
        const LoadRow& row = m.loads[static_cast<std::size_t>(k)];
        storeLoadCheck(
            section, k,
            {{row[kPu], row[kMux], row[kMuy]}, results[static_cast<std::size_t>(k - 1)], {}});
    }
    const auto lines = bodyLines(composeReport(m, section));
    const std::size_t at = indexOf(lines, "Load Check:");
    EXPECT_EQ(lines[at + 8], "   Design Ratio = 1.000... Okay");
    EXPECT_EQ(lines[at + 17], "   Design Ratio = 1.001... NO GOOD!");
    EXPECT_EQ(lines[at + 22],
              "   Demand  :-100.00" + blanks(8) + "0.00" + blanks(11) + "0.00" + blanks(11));
    EXPECT_EQ(lines[at + 23], "   Capacity:  not found on this load line");
    EXPECT_EQ(lines[at + 26], "   Design Ratio = capacity not found... NO GOOD!");
    // Load 2 fails by its ratio and load 3 without a capacity; load 2 has the largest ratio.
    EXPECT_EQ(lines.back(), "2 of 3 loads fail; largest ratio 1.001 (load 2).");
    EXPECT_EQ(lines[lines.size() - 2], "");
}

TEST(ReportText, WideNumberIsWrittenWholeAndTheNextColumnFollows) {
    ProjectModel m;
    const SectionResults section = resetToNewProject(m);
    m.points[1].x = 1234567.5f; // "1,234,567.50": twelve characters in a ten-wide column
    EXPECT_EQ(bodyLines(composeReport(m, section))[16], "1    1,234,567.50-9.00     ");
}

TEST(ReportText, NoBarsShowNoStalePureBending) {
    ProjectModel m = newProject();
    m.numBars = 0; // the earlier summary's strengths are still in the model
    const auto lines = bodyLines(buildReport(m));
    const std::size_t at = indexOf(lines, "Pure Bending:");
    EXPECT_EQ(lines[at + 1], "   No reinforcement: pure-bending strengths not computed");
    EXPECT_EQ(lines[at - 4],
              "Gross Area = 216.00 in^2;   Area of Steel = 0.00 in^2;   % Reinforcement = 0.00%");
}

} // namespace
} // namespace pmsect
