// Hostile project and load files, kept in tests/robustness/data/impossible: magnitudes no section
// has, counts beyond the tables, outlines without area or crossing themselves, bars outside, a
// key given twice, a later format. Each is refused with its place (line and field, JSON pointer,
// or line and column) and the reason, and the model is left as it was; the large ones are made
// here.
#include "building/new_project.h"
#include "corpus_paths.h"
#include "io/load_file.h"
#include "io/project_file.h"
#include "io/project_formats.h"
#include "io/project_json.h"
#include "model/model_fields.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace pmsect {
namespace {

namespace fs = std::filesystem;

std::string impossible(const std::string& name) {
    return (robust::foundInputs() / "impossible" / name).string();
}

ProjectModel newProject() {
    ProjectModel m;
    resetToNewProject(m);
    return m;
}

struct Refusal {
    const char* file;
    const char* message; // a part of the refusal
};

TEST(ImpossibleInputs, ProjectsOutsideTheRangesAreRefusedWithTheirPlace) {
    const Refusal refusals[] = {
        {"fpc_1e30.rcs", "Line 3 (record 3, materials): field 2 \"1E+30\" is f'c, which must lie "
                         "between 500 and 30,000 psi"},
        {"fy_1e30.rcs", "field 3 \"1E+30\" is fy, which must lie between 10,000 and 150,000 psi"},
        {"unit_weight_0.rcs",
         "field 1 \"0\" is the unit weight, which must lie between 50 and 250"},
        {"ec_overflow.rcs", "field 4 \"2147483647\" is Ec, which must lie between 100,000 and"},
        {"width_1e6.rcs", "Line 4 (record 4, section dimensions): field 1 \"1E+06\" is the width, "
                          "which must be greater than 0 and at most 1,200 in"},
        {"unused_diameter_0.rcs", "field 3 \"0\" is the diameter, which must be greater than 0"},
        {"cover_negative.rcs", "field 1 \"-1.5\" is the clear cover, which must lie between 0"},
        {"totbars_1e9.rcs", "Line 9 (record 9, circular layout): field 1 \"1E+09\" is the number "
                            "of bars on the circle, which must lie between 0 and 100"},
        {"angle_1e6.rcs", "field 2 \"1E+06\" is the angle to the first bar, which must lie "
                          "between -360 and 360 degrees"},
        {"barset_minus_10.rcs", "Line 36 (bar set 1): field 1 \"-10\" is the number of bars, "
                                "which must lie between 1 and 100"},
        {"barset_million.rcs", "Line 36 (bar set 1): field 1 \"1E+06\" is the number of bars"},
        {"barsets_over_100.rcs", "Line 37 (bar set 2): field 1 \"50\" brings the bar sets to 110 "
                                 "bars, more than the 100 the project can hold"},
        {"pu_1e30.rcs", "Line 38 (load combination 1): field 1 \"1E+30\" is Pu, which must lie "
                        "between -1,000,000 and 1,000,000 k"},
        {"bar_outside.rcs", "Line 16 (bar 1): bar 1 at (-30, 6.8125) lies outside the outline"},
        {"bowtie.rcs", "Line 13 (outline point 2): the outline crosses itself: edge 2-3 meets "
                       "edge 4-1"},
        {"zero_area.rcs", "Lines 12 to 15 (the outline): the outline has no area"},
        {"newer_format.rcs", "written by a newer PMSECT (format 2)"},
        {"fpc_1e30.project.json", "/fpc: f'c must lie between 500 and 30,000 psi"},
        {"fy_1e30.project.json", "/fy: fy must lie between 10,000 and 150,000 psi"},
        {"pu_1e30.project.json", "/loads/1/Pu: Pu must lie between -1,000,000 and 1,000,000 k"},
        {"mux_1e8.project.json", "/loads/0/Mux: Mux must lie between -10,000,000 and"},
        {"barset_minus_10.project.json", "/barSets/0/count: the number of bars must lie between "
                                         "1 and 100"},
        {"barset_million.project.json", "/barSets/0/count: the number of bars must lie"},
        {"totbars_minus_5.project.json", "/totBars: the number of bars on the circle must lie "
                                         "between 0 and 100"},
        {"totbars_1e9.project.json", "/totBars: the number of bars on the circle must lie"},
        {"zero_area.project.json", "/outline: the outline has no area"},
        {"bowtie.project.json", "/outline/0: the outline crosses itself: edge 1-2 meets edge 3-4"},
        {"bar_outside.project.json", "/bars/1: bar 2 at (7, 0) lies outside the outline"},
        {"duplicate_key.project.json", "/loads/0/Mux: the key is given twice"},
        {"newer_format.project.json", "/format: written by a newer PMSECT (format 2)"},
    };
    for (const Refusal& r : refusals) {
        ProjectModel m = newProject();
        const ProjectModel before = m;
        const FileResult result = loadAnyProject(impossible(r.file), m);
        EXPECT_FALSE(result.ok) << r.file;
        EXPECT_NE(result.error.find(r.message), std::string::npos)
            << r.file << ": " << result.error;
        EXPECT_EQ(robust::firstDifference(m, before), "") << r.file;
    }
}

TEST(ImpossibleInputs, LoadFilesOutsideTheRangesAreRefusedWithLineAndColumn) {
    const Refusal refusals[] = {
        {"pu_1e30.csv", "line 3, column 2: Pu 1e30 must lie between -1,000,000 and 1,000,000 k"},
        {"muy_1e8.csv", "line 2, column 3: Muy 1e8 must lie between -10,000,000 and 10,000,000"},
    };
    for (const Refusal& r : refusals) {
        const LoadFileResult result = readLoadFile(impossible(r.file));
        ASSERT_TRUE(result.error) << r.file;
        EXPECT_NE(result.error->text().find(r.message), std::string::npos)
            << r.file << ": " << result.error->text();
    }
    // A large file is judged row by row to its last: one moment too large on line 50,001.
    std::ostringstream text;
    text << "Pu,Mux,Muy\n";
    for (int i = 0; i < 49'999; ++i) {
        text << -(i % 900) << "," << (i % 300) << ",10000000\n";
    }
    text << "-100,-10000001,0\n";
    std::istringstream in(text.str());
    const LoadFileResult large = readLoadText(in);
    ASSERT_TRUE(large.error);
    EXPECT_EQ(large.error->text(),
              "line 50001, column 2: Mux -10000001 must lie between -10,000,000 and 10,000,000 "
              "ft-k");
}

// One rule for both project forms and load files: a leading byte-order mark is passed over.
TEST(ImpossibleInputs, AByteOrderMarkOpensEveryForm) {
    ProjectModel rcs = newProject();
    ASSERT_TRUE(loadProjectFile(impossible("byte_order_mark.rcs"), rcs));
    ProjectModel golden = newProject();
    ASSERT_TRUE(
        loadProjectFile((fs::path(PMSECT_TEST_DATA) / "golden" / "default.rcs").string(), golden));
    golden.projectFileName = rcs.projectFileName;
    EXPECT_EQ(robust::firstDifference(rcs, golden), "");

    ProjectModel json = newProject();
    ASSERT_TRUE(loadJsonProject(impossible("byte_order_mark.project.json"), json));
    EXPECT_EQ(json.rectB, 16);
    const LoadFileResult loads = readLoadFile(impossible("byte_order_mark.csv"));
    ASSERT_TRUE(loads) << loads.error->text();
    ASSERT_EQ(loads.contents.loads.size(), 1u);
    EXPECT_EQ(loads.contents.loads[0].Pu, -100);
}

// A large outline made here: 100 points round a circle, in order but for the last two, swapped,
// so that two edges near the end cross. It is refused at the point where the first of them
// starts; in order, the same points open.
TEST(ImpossibleInputs, AHundredPointOutlineThatCrossesItselfIsRefused) {
    const auto outline = [](bool swapped) {
        std::string text = R"({"sectionType": "arbitrary", "barLayout": "placed", "bars": [],)"
                           R"( "outline": [)";
        for (int i = 0; i < 100; ++i) {
            const int k = swapped && i >= 98 ? 197 - i : i;
            const double angle = 2 * 3.141592653589793 * k / 100;
            text += (i ? ", [" : "[") + std::to_string(20 * std::cos(angle)) + ", " +
                    std::to_string(20 * std::sin(angle)) + "]";
        }
        return text + "]}";
    };
    ProjectModel m = newProject();
    ASSERT_TRUE(readJsonProject(outline(false), "round.json", m));
    EXPECT_EQ(m.numPoints, 100);
    const FileResult crossed = readJsonProject(outline(true), "crossed.json", m);
    EXPECT_NE(crossed.error.find("/outline/97: the outline crosses itself: edge 98-99 meets edge "
                                 "100-1"),
              std::string::npos)
        << crossed.error;
}

// The format: a project of today (JSON "format": 1, or none; a .rcs without a format line) opens,
// the oldest golden projects among them, and what this version writes says format 1.
TEST(ImpossibleInputs, TodaysProjectsOpenAndCarryTheirFormat) {
    for (const auto& entry : fs::directory_iterator(fs::path(PMSECT_TEST_DATA) / "golden")) {
        if (entry.path().extension() != ".rcs") {
            continue;
        }
        ProjectModel m = newProject();
        const FileResult r = loadProjectFile(entry.path().string(), m);
        EXPECT_TRUE(r) << entry.path() << ": " << r.error;
        std::string json;
        ASSERT_TRUE(composeJsonProject(m, json));
        EXPECT_NE(json.find("\"format\": 1,"), std::string::npos);
        ProjectModel again = newProject();
        EXPECT_TRUE(readJsonProject(json, "again.json", again)) << entry.path();
    }
    ProjectModel m = newProject();
    EXPECT_TRUE(readJsonProject(R"({"format": 1, "rectB": 14})", "one.json", m));
    EXPECT_EQ(m.rectB, 14);
    const FileResult zero = readJsonProject(R"({"format": 0})", "zero.json", m);
    EXPECT_NE(zero.error.find("/format: lies outside 1 to"), std::string::npos) << zero.error;
}

} // namespace
} // namespace pmsect
