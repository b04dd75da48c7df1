// Saving the report: the dialog, the ".txt" rule, the overwrite question and failed writes.
#include "building/new_project.h"
#include "io/project_file.h"
#include "io/report_file.h"
#include "io/report_text.h"
#include "io_test_support.h"
#include "recording_platform.h"
#include "ui/report_save.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace pmsect {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

const std::string kText = "\r\n      PMSECT ACI 318-05 Results\r\n      ";
const std::vector<std::string> kNotSaved = {"No file saved"};

TEST(ReportFile, NameWithoutPeriodGetsTxtAndTheTextEndsInCrLf) {
    ScratchFolder dir;
    test::RecordingPlatform platform;
    platform.saveAnswers.push_back(" " + dir.path("column A") + "  ");
    std::string reportFileName = "earlier.txt";
    EXPECT_TRUE(saveReport(platform, kText, reportFileName));

    EXPECT_EQ(reportFileName, dir.path("column A.txt"));
    EXPECT_EQ(readBytes(reportFileName), kText + "\r\n");
    EXPECT_EQ(testing::folderEntries(dir.dir()), std::vector<std::string>{"column A.txt"});
    EXPECT_TRUE(platform.messages.empty());
    ASSERT_EQ(platform.dialogRequests.size(), 1u);
    EXPECT_EQ(platform.dialogRequests[0].filters,
              "All files (*.*) | *.* | Text files (*.txt) | *.txt");
    EXPECT_EQ(platform.dialogRequests[0].selectedFilter, 2);
    EXPECT_EQ(platform.dialogRequests[0].fileName, "earlier.txt");
}

TEST(ReportFile, PeriodRuleLooksAtTheFilePartOnly) {
    ScratchFolder dir;
    std::filesystem::create_directory(dir.path("v1.2"));
    ProjectModel m;
    resetToNewProject(m);
    const std::string text = buildReport(m);
    test::RecordingPlatform platform;
    platform.saveAnswers.push_back(dir.path("v1.2/report"));
    std::string reportFileName;
    EXPECT_TRUE(saveReport(platform, text, reportFileName));
    EXPECT_EQ(readBytes(dir.path("v1.2/report.txt")), text + "\r\n");
}

TEST(ReportFile, OverwriteOnlyWhenTheUserSaysYes) {
    ScratchFolder dir;
    const std::string target = dir.path("old.txt");
    writeBytes(target, "OLD, and longer than the new text");
    test::RecordingPlatform platform;
    platform.saveAnswers = {target, target};
    platform.answers = {false, true};
    std::string reportFileName = target;

    EXPECT_FALSE(saveReport(platform, "new", reportFileName));
    EXPECT_EQ(readBytes(target), "OLD, and longer than the new text");
    EXPECT_TRUE(reportFileName.empty());
    EXPECT_EQ(platform.questions.at(0), "FILE EXISTS!|Do you wish to overwrite " + target + "?");
    EXPECT_EQ(platform.messages, kNotSaved);

    EXPECT_TRUE(saveReport(platform, "new", reportFileName));
    EXPECT_EQ(readBytes(target), "new\r\n");
    EXPECT_EQ(platform.messages.size(), 1u);
}

TEST(ReportFile, CancelledOrBlankNameSavesNothing) {
    ScratchFolder dir;
    test::RecordingPlatform platform;
    platform.saveAnswers = {std::nullopt, "   "};
    std::string reportFileName = dir.path("kept.txt");
    EXPECT_FALSE(saveReport(platform, kText, reportFileName));
    EXPECT_FALSE(saveReport(platform, kText, reportFileName));
    EXPECT_EQ(reportFileName, dir.path("kept.txt"));
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"No file saved", "No file saved"}));
    EXPECT_TRUE(std::filesystem::is_empty(dir.dir()));
}

TEST(ReportFile, FailedWriteKeepsTheOldFile) {
    ScratchFolder dir;
    // A name under a regular file cannot be created.
    const std::string plain = dir.path("plain.txt");
    writeBytes(plain, "OLD");
    test::RecordingPlatform platform;
    platform.saveAnswers.push_back(plain + "/report.txt");
    std::string reportFileName;
    EXPECT_FALSE(saveReport(platform, kText, reportFileName));
    EXPECT_EQ(readBytes(plain), "OLD");
    EXPECT_EQ(platform.messages, kNotSaved);
}

} // namespace
} // namespace pmsect
