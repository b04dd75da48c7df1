// Writing the project file: the records of a new project, the text conventions, the refusal of a
// model that cannot be written, and that a failed save never harms the file already on disk.
#include "building/new_project.h"
#include "io/project_file.h"
#include "io_test_support.h"
#include "project/design_code_choice.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace pmsect {
namespace {

using testing::crlfLines;
using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

ProjectModel newProject() {
    ProjectModel m;
    resetToNewProject(m);
    return m;
}

TEST(ProjectFileWrite, NewProjectRecords) {
    ScratchFolder dir;
    const std::string path = dir.path("new.rcs");
    ASSERT_TRUE(writeProjectFile(path, newProject()));
    const auto lines = crlfLines(readBytes(path));

    // 11 records, 4 corners, 20 bars of the two default sets, 2 bar sets, no loads.
    ASSERT_EQ(lines.size(), 11u + 4u + 20u + 2u);
    EXPECT_EQ(lines[0], "1,1");
    EXPECT_EQ(lines[1], "4,20,2,0");
    EXPECT_EQ(lines[2], "145,3000,60000,3155924,29000000");
    EXPECT_EQ(lines[3], "12,18,16");
    EXPECT_EQ(lines[4], "1.5,1,12,18");
    EXPECT_EQ(lines[5], "#TRUE#,#FALSE#,#FALSE#");
    EXPECT_EQ(lines[6], "#TRUE#,#FALSE#,#FALSE#");
    EXPECT_EQ(lines[7], "#TRUE#,#FALSE#");
    EXPECT_EQ(lines[8], "6,0");
    EXPECT_EQ(lines[9], "0,#TRUE#,#FALSE#");
    EXPECT_EQ(lines[10], "2,0");
    EXPECT_EQ(lines[11], "-6,-9");
    EXPECT_EQ(lines[12], "-6,9");
    EXPECT_EQ(lines[13], "6,9");
    EXPECT_EQ(lines[14], "6,-9");
    // First bar of set 1: the outer row 6.8125 in above the axis, 3.8125 in left of it.
    EXPECT_EQ(lines[15], "-3.8125,6.8125,5");
    EXPECT_EQ(lines[35], "10,5");
    EXPECT_EQ(lines[36], "10,5");
    for (const auto& line : lines) {
        EXPECT_EQ(line.find(' '), std::string::npos) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        EXPECT_EQ(line.find('\r'), std::string::npos) << line;
    }
}

TEST(ProjectFileWrite, RealFormsAndChoices) {
    ScratchFolder dir;
    ProjectModel m = newProject();
    m.sectionType = kArbitrary;
    m.barLayout = kCircular;
    applyConfinement(m, Confinement::Spiral);
    m.clearCover = 0.75f;
    m.clearSpacing = -0.5f;
    m.extentX = 1e20f;
    m.totBars = 7;
    m.firstBarAngle = 22.5f;
    m.barSetsAlongY = true;
    m.longBarSize = 18;
    m.tieBarSize = 5;
    const std::string path = dir.path("forms.rcs");
    ASSERT_TRUE(writeProjectFile(path, m));
    const auto lines = crlfLines(readBytes(path));
    ASSERT_GE(lines.size(), 11u);
    EXPECT_EQ(lines[0], "3,2");
    EXPECT_EQ(lines[4], ".75,-.5,1E+20,18");
    EXPECT_EQ(lines[5], "#FALSE#,#FALSE#,#TRUE#");
    EXPECT_EQ(lines[6], "#FALSE#,#TRUE#,#FALSE#");
    EXPECT_EQ(lines[7], "#FALSE#,#TRUE#");
    EXPECT_EQ(lines[8], "7,22.5");
    EXPECT_EQ(lines[9], "0,#FALSE#,#TRUE#");
    EXPECT_EQ(lines[10], "10,2");
}

TEST(ProjectFileWrite, AngleWrittenAsTheDecimalTyped) {
    ScratchFolder dir;
    ProjectModel m = newProject();
    m.firstBarAngle = 0.1f; // its double expansion is 0.100000001490116...
    const std::string path = dir.path("angle.rcs");
    ASSERT_TRUE(writeProjectFile(path, m));
    EXPECT_EQ(crlfLines(readBytes(path)).at(8), "6,.1");
}

TEST(ProjectFileWrite, LoadsWriteOnlyTheirFirstThreeColumns) {
    ScratchFolder dir;
    ProjectModel m = newProject();
    m.loads.resize(2);
    m.loads[1][kPu] = -150;
    m.loads[1][kMux] = 42.5f;
    m.loads[1][kMuy] = 0;
    m.loads[2][kPu] = 0.25f;
    m.loads[2][kMux] = -1e-7f;
    m.loads[2][kMuy] = 3;
    const std::string path = dir.path("loads.rcs");
    ASSERT_TRUE(writeProjectFile(path, m));
    const auto lines = crlfLines(readBytes(path));
    ASSERT_EQ(lines.size(), 37u + 2u);
    EXPECT_EQ(lines[1], "4,20,2,2");
    EXPECT_EQ(lines[37], "-150,42.5,0");
    EXPECT_EQ(lines[38], ".25,-1E-07,3");
}

TEST(ProjectFileWrite, OverwritesAndLeavesNoTemporaryFile) {
    ScratchFolder dir;
    const std::string path = dir.path("p.rcs");
    writeBytes(path, "old content that is much longer than nothing at all");
    ASSERT_TRUE(writeProjectFile(path, newProject()));
    EXPECT_EQ(crlfLines(readBytes(path)).at(0), "1,1");
    EXPECT_EQ(testing::folderEntries(dir.dir()), std::vector<std::string>{"p.rcs"});
}

TEST(ProjectFileWrite, FolderThatIsAFileFailsAndHarmsNothing) {
    ScratchFolder dir;
    const std::string plain = dir.path("plain.txt");
    writeBytes(plain, "keep me");
    const FileResult r = writeProjectFile(plain + "/p.rcs", newProject());
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.error.find("p.rcs"), std::string::npos) << r.error;
    EXPECT_EQ(readBytes(plain), "keep me");
}

TEST(ProjectFileWrite, MissingFolderFails) {
    ScratchFolder dir;
    EXPECT_FALSE(writeProjectFile(dir.path("no/such/folder/p.rcs"), newProject()).ok);
    EXPECT_FALSE(std::filesystem::exists(dir.path("no")));
}

TEST(ProjectFileWrite, TargetThatIsAFolderIsNotReplaced) {
    ScratchFolder dir;
    const std::string path = dir.path("folder.rcs");
    std::filesystem::create_directory(path);
    writeBytes(path + "/inside.txt", "x");
    EXPECT_FALSE(writeProjectFile(path, newProject()).ok);
    EXPECT_EQ(readBytes(path + "/inside.txt"), "x");
    EXPECT_EQ(testing::folderEntries(dir.dir()), std::vector<std::string>{"folder.rcs"});
}

TEST(ProjectFileWrite, RefusesModelsItCannotWriteFaithfully) {
    ScratchFolder dir;
    const std::string path = dir.path("p.rcs");

    struct Case {
        const char* name;
        void (*spoil)(ProjectModel&);
    };
    const Case cases[] = {
        {"too many points", [](ProjectModel& m) { m.numPoints = kMaxPoints + 1; }},
        {"negative bars", [](ProjectModel& m) { m.numBars = -1; }},
        {"too many bar sets", [](ProjectModel& m) { m.numBarSets = kMaxBarSets + 1; }},
        {"not a number",
         [](ProjectModel& m) { m.points[2].y = std::numeric_limits<float>::quiet_NaN(); }},
        {"infinite", [](ProjectModel& m) { m.fpc = std::numeric_limits<float>::infinity(); }},
        {"bar size not in the list", [](ProjectModel& m) { m.longBarSize = 12; }},
        {"tie size not in the list", [](ProjectModel& m) { m.tieBarSize = 6; }},
        {"section type", [](ProjectModel& m) { m.sectionType = 4; }},
        {"bar layout", [](ProjectModel& m) { m.barLayout = 0; }},
    };
    for (const Case& c : cases) {
        writeBytes(path, "previous project");
        ProjectModel m = newProject();
        c.spoil(m);
        const FileResult r = writeProjectFile(path, m);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_FALSE(r.error.empty()) << c.name;
        EXPECT_EQ(readBytes(path), "previous project") << c.name;
        EXPECT_EQ(testing::folderEntries(dir.dir()), std::vector<std::string>{"p.rcs"}) << c.name;
    }
}

TEST(FileExists, OnlyReadableFiles) {
    ScratchFolder dir;
    const std::string path = dir.path("there.rcs");
    writeBytes(path, "");
    EXPECT_TRUE(fileExists(path));
    EXPECT_FALSE(fileExists(dir.path("absent.rcs")));
    EXPECT_FALSE(fileExists(dir.dir().string()));
    EXPECT_FALSE(fileExists(""));
}

} // namespace
} // namespace pmsect
