// The design code edition in the files: the project file's optional last line, the settings
// file's field, and the report's first line.
#include "building/new_project.h"
#include "io/project_file.h"
#include "io/report_text.h"
#include "io/settings_file.h"
#include "io_test_support.h"
#include "project/design_code_choice.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

namespace pmsect {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

ProjectModel newProject(DesignCode code = DesignCode::Aci318_05) {
    ProjectModel m;
    resetToNewProject(m);
    applyDesignCode(m, code);
    return m;
}

TEST(DesignCodeFile, A318_05ProjectIsWrittenAsBeforeAndOthersAddOneLine) {
    ScratchFolder dir;
    const std::string old = dir.path("old.rcs");
    ASSERT_TRUE(writeProjectFile(old, newProject()));
    const std::string oldBytes = readBytes(old);
    EXPECT_EQ(oldBytes.find("ACI"), std::string::npos);

    for (const auto& [code, line] : {std::pair{DesignCode::Aci318_14, "ACI318-14"},
                                     std::pair{DesignCode::Aci318_19, "ACI318-19"}}) {
        const std::string path = dir.path(std::string(line) + ".rcs");
        ASSERT_TRUE(writeProjectFile(path, newProject(code)));
        EXPECT_EQ(readBytes(path), oldBytes + line + "\r\n");
    }
}

TEST(DesignCodeFile, TheEditionAndTheSpiralFactorRoundTrip) {
    ScratchFolder dir;
    ProjectModel spiral = newProject(DesignCode::Aci318_19);
    spiral.barLayout = kCircular;
    applyConfinement(spiral, Confinement::Spiral);
    const std::string path = dir.path("spiral.rcs");
    ASSERT_TRUE(writeProjectFile(path, spiral));

    // Loaded over a 318-05 project: the file's edition decides, and with it the spiral's phi.
    ProjectModel loaded = newProject();
    ASSERT_TRUE(loadProjectFile(path, loaded));
    EXPECT_EQ(loaded.designCode, DesignCode::Aci318_19);
    EXPECT_TRUE(isSpiral(loaded));
    EXPECT_FLOAT_EQ(loaded.phiCompression, 0.75f);

    // Saved again, the bytes are the same.
    const std::string again = dir.path("again.rcs");
    ASSERT_TRUE(writeProjectFile(again, loaded));
    EXPECT_EQ(readBytes(again), readBytes(path));
}

TEST(DesignCodeFile, AFileWithoutTheLineIsA318_05Project) {
    ScratchFolder dir;
    ProjectModel spiral = newProject();
    spiral.barLayout = kCircular;
    applyConfinement(spiral, Confinement::Spiral);
    const std::string path = dir.path("old.rcs");
    ASSERT_TRUE(writeProjectFile(path, spiral));
    // Blank lines after the loads are still allowed.
    writeBytes(path, readBytes(path) + "\r\n  \r\n");

    ProjectModel loaded = newProject(DesignCode::Aci318_19);
    ASSERT_TRUE(loadProjectFile(path, loaded));
    EXPECT_EQ(loaded.designCode, DesignCode::Aci318_05);
    EXPECT_FLOAT_EQ(loaded.phiCompression, 0.70f);
}

TEST(DesignCodeFile, AnUnknownEditionIsRefusedAndTheProjectKept) {
    ScratchFolder dir;
    const std::string path = dir.path("future.rcs");
    ASSERT_TRUE(writeProjectFile(path, newProject()));
    const std::string base = readBytes(path);
    const int lastLine = 1 + static_cast<int>(std::count(base.begin(), base.end(), '\n'));

    // The unknown line is named; after a known edition nothing more may follow.
    const std::pair<const char*, int> cases[] = {{"ACI318-25\r\n", lastLine},
                                                 {"1,2,3\r\n", lastLine},
                                                 {"ACI318-19\r\nACI318-14\r\n", lastLine + 1}};
    for (const auto& [tail, line] : cases) {
        writeBytes(path, base + tail);
        ProjectModel model = newProject(DesignCode::Aci318_14);
        model.fpc = 4321;
        const FileResult result = loadProjectFile(path, model);
        ASSERT_FALSE(result) << tail;
        EXPECT_NE(result.error.find("Line " + std::to_string(line) + ":"), std::string::npos)
            << result.error;
        EXPECT_EQ(model.designCode, DesignCode::Aci318_14);
        EXPECT_FLOAT_EQ(model.fpc, 4321);
    }
    writeBytes(path, base + "ACI318-25\r\n");
    ProjectModel model = newProject();
    EXPECT_NE(loadProjectFile(path, model).error.find("\"ACI318-25\" is not a design code edition"),
              std::string::npos);
}

TEST(DesignCodeFile, TheSettingsRememberTheLastEdition) {
    ScratchFolder dir;
    const std::string install = dir.dir().string();
    // A first start, and a file of a version without editions (zeros there): 318-05.
    EXPECT_EQ(loadSettings(install, "/d").settings.designCode, DesignCode::Aci318_05);
    const std::string fresh = readBytes(dir.path("rcprefs.dat"));

    ASSERT_TRUE(saveDesignCode(install, DesignCode::Aci318_19));
    const std::string bytes = readBytes(dir.path("rcprefs.dat"));
    EXPECT_EQ(bytes.substr(20, 2), std::string("\x13\0", 2));
    // Nothing else moved.
    EXPECT_EQ(bytes.substr(0, 20), fresh.substr(0, 20));
    EXPECT_EQ(bytes.substr(22), fresh.substr(22));
    const LoadedSettings loaded = loadSettings(install, "/d");
    EXPECT_EQ(loaded.settings.designCode, DesignCode::Aci318_19);
    EXPECT_FALSE(loaded.mended);

    ASSERT_TRUE(saveDesignCode(install, DesignCode::Aci318_14));
    EXPECT_EQ(loadSettings(install, "/d").settings.designCode, DesignCode::Aci318_14);

    // A value no edition has reads as 318-05 and counts as mended.
    std::string damaged = readBytes(dir.path("rcprefs.dat"));
    damaged[20] = 7;
    writeBytes(dir.path("rcprefs.dat"), damaged);
    const LoadedSettings mended = loadSettings(install, "/d");
    EXPECT_EQ(mended.settings.designCode, DesignCode::Aci318_05);
    EXPECT_TRUE(mended.mended);
}

TEST(DesignCodeFile, TheReportNamesTheEditionAndClassifiesByItsLimits) {
    ProjectModel m = newProject(DesignCode::Aci318_19);
    const std::string report = buildReport(m);
    EXPECT_NE(report.find("PMSECT ACI 318-19 Results"), std::string::npos);
    EXPECT_EQ(report.find("318-05"), std::string::npos);

    // 0.005 is tension-controlled under 318-05 and 318-14; under 318-19 with Grade 60 the limit
    // is eps_ty + 0.003 = 0.0050690, and the transition starts at eps_ty = 0.0020690.
    const float strain = 0.0050f;
    EXPECT_EQ(StrainOK(strain, strainLimits(newProject(DesignCode::Aci318_14))),
              "Tension Controlled");
    EXPECT_EQ(StrainOK(strain, strainLimits(m)), "Between Tension & Compression Controlled");
    EXPECT_EQ(StrainOK(0.00207f, strainLimits(m)), "Between Tension & Compression Controlled");
    EXPECT_EQ(StrainOK(0.00206f, strainLimits(m)), "Compression Controlled");
    EXPECT_EQ(StrainOK(0.00206f, strainLimits(newProject())),
              "Between Tension & Compression Controlled");
}

} // namespace
} // namespace pmsect
