// Loading the project file: round trips, the number forms a reader must accept, what is derived
// after reading, and that every kind of bad file leaves the current project untouched.
#include "building/new_project.h"
#include "io/project_file.h"
#include "io_test_support.h"
#include "project/design_code_choice.h"
#include "project/project_summary.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace pmsect {
namespace {

using testing::expectSameFileFields;
using testing::expectSameModel;
using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

ProjectModel newProject() {
    ProjectModel m;
    resetToNewProject(m);
    return m;
}

// A project unlike the new one in every stored field, to load over.
ProjectModel otherProject() {
    ProjectModel m = newProject();
    m.fpc = 5000;
    m.unitWt = 150;
    m.fy = 75000;
    m.Ec = 1;
    m.Es = 2;
    m.rectB = 30;
    m.rectH = 40;
    m.circDiam = 20;
    m.clearCover = 2;
    m.clearSpacing = 3;
    m.extentX = 30;
    m.extentY = 40;
    m.sectionType = kRound;
    m.barLayout = kPlacedBars;
    applyConfinement(m, Confinement::Spiral);
    m.totBars = 9;
    m.firstBarAngle = 45;
    m.barSetsAlongY = true;
    m.longBarSize = 11;
    m.tieBarSize = 4;
    m.numPoints = 3;
    m.numBars = 1;
    m.numBarSets = 5;
    m.loads.resize(3);
    m.refX = 7;
    m.refY = -7;
    m.projectFileName = "previous.rcs";
    return m;
}

const std::string kNewProjectText = [] {
    std::string t = "1,1\r\n4,20,2,0\r\n145,3000,60000,3155924,29000000\r\n12,18,16\r\n"
                    "1.5,1,12,18\r\n#TRUE#,#FALSE#,#FALSE#\r\n#TRUE#,#FALSE#,#FALSE#\r\n"
                    "#TRUE#,#FALSE#\r\n6,0\r\n0,#TRUE#,#FALSE#\r\n2,0\r\n"
                    "-6,-9\r\n-6,9\r\n6,9\r\n6,-9\r\n";
    for (int i = 0; i < 20; ++i) {
        t += "0,0,5\r\n";
    }
    return t + "10,5\r\n10,5\r\n";
}();

TEST(ProjectFileLoad, NewProjectRoundTrip) {
    ScratchFolder dir;
    const ProjectModel saved = newProject();
    const std::string path = dir.path("new.rcs");
    ASSERT_TRUE(writeProjectFile(path, saved));

    ProjectModel m = otherProject();
    m.units.lengthFactor = 25.4f;
    m.units.lengthLabel = "mm";
    SectionResults section;
    const FileResult r = loadProjectFile(path, m, LoadChecks::Now, &section);
    ASSERT_TRUE(r.ok) << r.error;

    expectSameFileFields(saved, m);
    // Derived after reading; the hand values are those of the 12 x 18 in default section.
    EXPECT_EQ(m.grossArea, 216.0f);
    EXPECT_EQ(m.refX, 0.0f);
    EXPECT_EQ(m.refY, 0.0f);
    EXPECT_EQ(m.midX, 0.0f);
    EXPECT_EQ(m.midY, 0.0f);
    EXPECT_EQ(m.beta1, 0.85f);
    EXPECT_EQ(m.barSetWidth, 12.0f);
    EXPECT_EQ(m.barSetHeight, 18.0f);
    EXPECT_EQ(m.projectFileName, path);
    // The summary ran: 20 #5 bars, and Po = -(0.85 f'c (Ag - As) + fy As) in lb.
    EXPECT_NEAR(section.limits.steelArea, 20 * 0.31, 1e-4);
    const double as = 20 * 0.31;
    EXPECT_NEAR(section.limits.Po, -(2550 * (216 - as) + 60000 * as), 1.0);
    // The display units stay.
    EXPECT_EQ(m.units.lengthFactor, 25.4f);
    EXPECT_EQ(m.units.lengthLabel, "mm");
}

TEST(ProjectFileLoad, EveryStoredFieldRoundTrips) {
    ScratchFolder dir;
    ProjectModel saved = otherProject();
    saved.Ec = 4321987; // moduli within their ranges, not the derived ones
    saved.Es = 28765432;
    saved.numPoints = 5;
    // The largest coordinates and tiny ones in exponent form, round an outline that holds the bars.
    saved.points[1] = {-1.2e3f, -1.2e3f};
    saved.points[2] = {-1.2e3f, 1.2e3f};
    saved.points[3] = {1e-7f, 987.6543f};
    saved.points[4] = {1.2e3f, 1.2e3f};
    saved.points[5] = {1.2e3f, -0.1f};
    saved.numBars = 3;
    saved.bars[1] = {1.0f / 3, -2.0f / 3, 8};
    saved.bars[2] = {-0.3f, 1e-30f, 14};
    saved.bars[3] = {5, 5, 12}; // not in the bar table: kept as stored
    saved.numBarSets = 20;
    for (int i = 1; i <= 20; ++i) {
        saved.barSets[i] = {1 + static_cast<float>(i) / 7, static_cast<float>(3 + i % 9)};
    }
    saved.firstBarAngle = 1.0f / 3;
    saved.loads.resize(0);
    const std::string path = dir.path("all.rcs");
    ASSERT_TRUE(writeProjectFile(path, saved));

    ProjectModel m = newProject();
    const FileResult loaded = loadProjectFile(path, m);
    ASSERT_TRUE(loaded.ok) << loaded.error;
    expectSameFileFields(saved, m);
}

TEST(ProjectFileLoad, FortyAndTenThousandLoadsRoundTripWithTheirCount) {
    ScratchFolder dir;
    // 40 is the most the versions before the load table grew could read.
    for (const int count : {40, 10'000}) {
        ProjectModel saved = newProject();
        testing::fillLoads(saved, count);
        const std::string path = dir.path("loads.rcs");
        ASSERT_TRUE(writeProjectFile(path, saved));
        const std::vector<std::string> lines = testing::crlfLines(readBytes(path));
        ASSERT_EQ(lines.size(), 37u + static_cast<std::size_t>(count));
        EXPECT_EQ(lines[1], "4,20,2," + std::to_string(count)); // record 2, the table counts

        ProjectModel m = newProject();
        SectionResults section;
        const FileResult loaded = loadProjectFile(path, m, LoadChecks::Now, &section);
        ASSERT_TRUE(loaded.ok) << loaded.error;
        expectSameFileFields(saved, m);
        // Every row was checked by the summary after loading.
        for (int i = 1; i <= count; ++i) {
            ASSERT_GT(storedLoadResult(section, m, static_cast<std::size_t>(i)).value().ratio, 0.0f)
                << "load " << i;
        }
    }
}

TEST(ProjectFileLoad, HandWrittenNumberForms) {
    // LF line ends, blanks, leading zeros or none, exponent forms, lower-case booleans; record 1
    // says bar sets but record 7 chooses bars placed one by one, which wins.
    ScratchFolder dir;
    ProjectModel m = otherProject();
    const std::string path = std::string(PMSECT_TEST_DATA) + "/io/number_forms.rcs";
    const FileResult r = loadProjectFile(path, m);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(m.sectionType, kRectangular);
    EXPECT_EQ(m.barLayout, kPlacedBars);
    EXPECT_EQ(m.numBars, 2);
    EXPECT_EQ(m.fpc, 3000.0f);
    EXPECT_EQ(m.fy, 60000);
    EXPECT_EQ(m.rectB, 12.0f);
    EXPECT_EQ(m.clearCover, 0.5f);
    EXPECT_EQ(m.clearSpacing, 0.5f);
    EXPECT_FLOAT_EQ(m.phiCompression, 0.70f);
    EXPECT_FLOAT_EQ(m.pnMaxFactor, 0.85f);
    EXPECT_EQ(m.totBars, 6); // 6.5 rounds to the even neighbour
    EXPECT_EQ(m.firstBarAngle, 15.0f);
    EXPECT_TRUE(m.barSetsAlongY);
    EXPECT_EQ(m.longBarSize, 8.0f);
    EXPECT_EQ(m.tieBarSize, 5.0f);
    EXPECT_EQ(m.bars[1].x, -0.5f);
    EXPECT_EQ(m.bars[1].y, 0.5f);
    EXPECT_EQ(m.bars[2].x, 1.5f);
    EXPECT_EQ(m.bars[2].y, -0.225f);
    EXPECT_EQ(m.bars[2].size, 14.0f);
    EXPECT_EQ(m.barSets[1].count, 3.0f);
    EXPECT_EQ(m.loads[1][kPu], -100.0f);
    EXPECT_EQ(m.loads[1][kMux], 15.0f);
    EXPECT_EQ(m.loads[1][kMuy], -0.25f);
    EXPECT_EQ(m.grossArea, 216.0f);
}

TEST(ProjectFileLoad, LShapedOutlineGetsItsCentroid) {
    // Legs 10 x 4 and 4 x 8: A = 40 + 32 = 72, x = (40*5 + 32*2)/72 = 3.6667,
    // y = (40*2 + 32*8)/72 = 4.6667; bounding box 10 x 12 centred at (5, 6).
    ScratchFolder dir;
    const std::string head = "3,3\r\n6,0,1,0\r\n145,3000,60000,3155924,29000000\r\n12,18,16\r\n"
                             "1.5,1,10,12\r\n#FALSE#,#FALSE#,#TRUE#\r\n#FALSE#,#FALSE#,#TRUE#\r\n"
                             "#TRUE#,#FALSE#\r\n6,0\r\n0,#TRUE#,#FALSE#\r\n2,0\r\n";
    const std::string outline = "0,0\r\n10,0\r\n10,4\r\n4,4\r\n4,12\r\n0,12\r\n";
    const std::string path = dir.path("l.rcs");
    writeBytes(path, head + outline + "10,5\r\n");

    ProjectModel m = newProject();
    const FileResult r = loadProjectFile(path, m);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(m.sectionType, kArbitrary);
    EXPECT_NEAR(m.grossArea, 72.0, 1e-4);
    EXPECT_NEAR(m.refX, 264.0 / 72, 1e-4);
    EXPECT_NEAR(m.refY, 336.0 / 72, 1e-4);
    EXPECT_EQ(m.midX, 5.0f);
    EXPECT_EQ(m.midY, 6.0f);
    EXPECT_EQ(m.extentX, 10.0f);
    EXPECT_EQ(m.extentY, 12.0f);
}

TEST(ProjectFileLoad, LShapedOutlineWithBarsGetsItsNetCentroid) {
    // Four #8 bars (0.79 in^2) at (2,2), (8,2), (2,6), (2,10):
    // A = 72 - 3.16 = 68.84, x = (264 - 0.79*14)/68.84, y = (336 - 0.79*20)/68.84.
    ScratchFolder dir;
    const std::string text = "3,3\r\n6,4,1,0\r\n145,3000,60000,3155924,29000000\r\n12,18,16\r\n"
                             "1.5,1,10,12\r\n#FALSE#,#FALSE#,#TRUE#\r\n#FALSE#,#FALSE#,#TRUE#\r\n"
                             "#TRUE#,#FALSE#\r\n6,0\r\n0,#TRUE#,#FALSE#\r\n5,0\r\n"
                             "0,0\r\n10,0\r\n10,4\r\n4,4\r\n4,12\r\n0,12\r\n"
                             "2,2,8\r\n8,2,8\r\n2,6,8\r\n2,10,8\r\n10,8\r\n";
    const std::string path = dir.path("lbars.rcs");
    writeBytes(path, text);

    ProjectModel m = newProject();
    SectionResults section;
    ASSERT_TRUE(loadProjectFile(path, m, LoadChecks::Now, &section).ok);
    EXPECT_NEAR(m.grossArea, 72.0, 1e-4); // the gross area keeps the bars' holes
    EXPECT_NEAR(m.refX, (264 - 0.79 * 14) / 68.84, 1e-4);
    EXPECT_NEAR(m.refY, (336 - 0.79 * 20) / 68.84, 1e-4);
    EXPECT_NEAR(section.limits.steelArea, 4 * 0.79, 1e-5);
}

TEST(ProjectFileLoad, RectangleIgnoresAStrayReferencePoint) {
    ScratchFolder dir;
    ProjectModel saved = newProject();
    saved.refX = 3;
    saved.refY = 4;
    const std::string path = dir.path("r.rcs");
    ASSERT_TRUE(writeProjectFile(path, saved));
    ProjectModel m = otherProject();
    ASSERT_TRUE(loadProjectFile(path, m).ok);
    EXPECT_EQ(m.refX, 0.0f);
    EXPECT_EQ(m.refY, 0.0f);
}

TEST(ProjectFileLoad, RoundSectionTakesThePolygonArea) {
    // The 20-point polygon inscribed in a 16 in circle: 20/2 * 8^2 * sin(18 deg) = 197.77 in^2.
    ScratchFolder dir;
    ProjectModel saved = newProject();
    saved.sectionType = kRound;
    saved.numPoints = 20;
    for (int i = 1; i <= 20; ++i) {
        const double angle = (i - 1) * 2 * 3.14159 / 20;
        saved.points[i] = {static_cast<float>(8 * std::cos(angle)),
                           static_cast<float>(8 * std::sin(angle))};
    }
    saved.extentX = saved.extentY = 16;
    const std::string path = dir.path("round.rcs");
    ASSERT_TRUE(writeProjectFile(path, saved));
    ProjectModel m = newProject();
    ASSERT_TRUE(loadProjectFile(path, m).ok);
    EXPECT_EQ(m.sectionType, kRound);
    EXPECT_NEAR(m.grossArea, 10 * 64 * std::sin(2 * 3.14159 / 20), 0.01);
    EXPECT_EQ(m.refX, 0.0f);
    EXPECT_EQ(m.refY, 0.0f);
}

TEST(ProjectFileLoad, CrLfAndLfLoadAlike) {
    ScratchFolder dir;
    std::string lf = kNewProjectText;
    for (auto pos = lf.find("\r\n"); pos != std::string::npos; pos = lf.find("\r\n", pos)) {
        lf.erase(pos, 1);
    }
    writeBytes(dir.path("crlf.rcs"), kNewProjectText);
    writeBytes(dir.path("lf.rcs"), lf);
    ProjectModel a = otherProject();
    ProjectModel b = otherProject();
    ASSERT_TRUE(loadProjectFile(dir.path("crlf.rcs"), a).ok);
    ASSERT_TRUE(loadProjectFile(dir.path("lf.rcs"), b).ok);
    expectSameFileFields(a, b);
    EXPECT_EQ(a.numBars, 20);
}

// Each bad file, built from the good text by one change, must fail and leave the model exactly
// as it was.
struct BadFile {
    const char* name;
    std::string text;
    const char* errorMentions;
};

std::string replaceLine(const std::string& text, int lineNumber, const std::string& line) {
    std::size_t start = 0;
    for (int i = 1; i < lineNumber; ++i) {
        start = text.find("\r\n", start) + 2;
    }
    const auto end = text.find("\r\n", start);
    return text.substr(0, start) + line + text.substr(end);
}

std::string firstLines(const std::string& text, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count; ++i) {
        end = text.find("\r\n", end) + 2;
    }
    return text.substr(0, end);
}

TEST(ProjectFileLoad, BadFilesLeaveTheModelUnchanged) {
    ScratchFolder dir;
    const std::string& good = kNewProjectText;
    const BadFile cases[] = {
        {"empty file", "", "ends after line 0"},
        {"too few fields", replaceLine(good, 3, "145,3000,60000,3155924"), "Line 3"},
        {"too many fields", replaceLine(good, 4, "12,18,16,5"), "Line 4"},
        {"text for a number", replaceLine(good, 4, "12,abc,16"), "abc"},
        {"empty field", replaceLine(good, 5, "1.5,,12,18"), "Line 5"},
        {"early end in the bars", firstLines(good, 25), "ends after line 25"},
        {"early end in the last table", firstLines(good, 36), "ends after line 36"},
        {"too many points", replaceLine(good, 2, "101,20,2,0"), "Line 2"},
        {"negative count", replaceLine(good, 2, "-1,20,2,0"), "Line 2"},
        {"too many bars", replaceLine(good, 2, "4,101,2,0"), "Line 2"},
        {"too many bar sets", replaceLine(good, 2, "4,20,21,0"), "Line 2"},
        {"more loads than it holds", replaceLine(good, 2, "4,20,2,41"),
         "before load combination 1"},
        {"not a number", replaceLine(good, 12, "nan,-9"), "nan"},
        {"too large for single precision", replaceLine(good, 13, "-6,1e39"), "1e39"},
        {"infinite", replaceLine(good, 3, "inf,3000,60000,3155924,29000000"), "Line 3"},
        {"not a boolean", replaceLine(good, 6, "#YES#,#FALSE#,#FALSE#"), "#YES#"},
        {"bar list position", replaceLine(good, 11, "11,0"), "Line 11"},
        {"tie list position", replaceLine(good, 11, "2,3"), "Line 11"},
        {"no section chosen, record 1 invalid",
         replaceLine(replaceLine(good, 6, "#FALSE#,#FALSE#,#FALSE#"), 1, "0,1"), "Line 6"},
        {"modulus beyond 32 bits", replaceLine(good, 3, "145,3000,60000,3155924,3E+09"), "Line 3"},
        {"lines beyond the counts", good + "1,2\r\n", "Line 38"},
        {"bad last line", replaceLine(good, 37, "10,x"), "Line 37"},
        {"negative f'c", replaceLine(good, 3, "145,-3000,60000,3155924,29000000"),
         "field 2 \"-3000\" is f'c, which must lie between 500 and 30,000 psi"},
        {"fy of nothing", replaceLine(good, 3, "145,3000,0.4,3155924,29000000"),
         "field 3 \"0.4\" is fy, which must lie between 10,000 and 150,000 psi"},
        {"rectangle without width", replaceLine(good, 4, "0,18,16"),
         "field 1 \"0\" is the width, which must be greater than 0"},
        {"rectangle of negative depth", replaceLine(good, 4, "12,-18,16"),
         "Line 4 (record 4, section dimensions): field 2 \"-18\" is the depth"},
        {"round section without diameter",
         replaceLine(replaceLine(good, 4, "12,18,-16"), 6, "#FALSE#,#TRUE#,#FALSE#"),
         "field 3 \"-16\" is the diameter, which must be greater than 0"},
    };
    for (const BadFile& c : cases) {
        const std::string path = dir.path("bad.rcs");
        writeBytes(path, c.text);
        ProjectModel m = otherProject();
        const ProjectModel before = m;
        const FileResult r = loadProjectFile(path, m);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_NE(r.error.find(c.errorMentions), std::string::npos) << c.name << ": " << r.error;
        expectSameModel(before, m);
    }
}

// Dimensions of the section types the file does not choose are judged too: the desktop shows
// them and takes them when the section type changes.
TEST(ProjectFileLoad, DimensionsNotInUseAreJudgedToo) {
    ScratchFolder dir;
    const std::string path = dir.path("unused.rcs");
    writeBytes(path, replaceLine(kNewProjectText, 4, "12,18,0"));
    ProjectModel m = otherProject();
    const ProjectModel before = m;
    FileResult r = loadProjectFile(path, m);
    EXPECT_NE(r.error.find("field 3 \"0\" is the diameter, which must be greater than 0"),
              std::string::npos)
        << r.error;
    writeBytes(path, replaceLine(replaceLine(kNewProjectText, 4, "-12,0,16"), 6,
                                 "#FALSE#,#TRUE#,#FALSE#"));
    r = loadProjectFile(path, m);
    EXPECT_NE(r.error.find("field 1 \"-12\" is the width"), std::string::npos) << r.error;
    expectSameModel(before, m);
}

TEST(ProjectFileLoad, MissingFileOrFolderLeavesTheModelUnchanged) {
    ScratchFolder dir;
    for (const std::string& path : {dir.path("absent.rcs"), dir.dir().string()}) {
        ProjectModel m = otherProject();
        const ProjectModel before = m;
        const FileResult r = loadProjectFile(path, m);
        EXPECT_FALSE(r.ok) << path;
        EXPECT_NE(r.error.find(path), std::string::npos) << r.error;
        expectSameModel(before, m);
    }
}

TEST(ProjectFileLoad, TrailingBlankLinesAreAccepted) {
    ScratchFolder dir;
    const std::string path = dir.path("blank.rcs");
    writeBytes(path, kNewProjectText + "\r\n  \r\n");
    ProjectModel m = otherProject();
    EXPECT_TRUE(loadProjectFile(path, m).ok);
    EXPECT_EQ(m.numBarSets, 2);
}

TEST(ProjectFileLoad, NoSectionChosenFallsBackOnRecordOne) {
    ScratchFolder dir;
    const std::string path = dir.path("fallback.rcs");
    writeBytes(path,
               replaceLine(replaceLine(kNewProjectText, 6, "#FALSE#,#FALSE#,#FALSE#"), 1, "2,1"));
    ProjectModel m = newProject();
    ASSERT_TRUE(loadProjectFile(path, m).ok);
    EXPECT_EQ(m.sectionType, kRound);
}

} // namespace
} // namespace pmsect
