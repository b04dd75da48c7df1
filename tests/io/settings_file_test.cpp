// The settings file: creation with the defaults, field-by-field writes that leave every other
// byte alone, and the defaults that stand in for short or damaged fields.
#include "io/settings_file.h"
#include "io_test_support.h"
#include "units/display_units.h"

#include <gtest/gtest.h>
#include <string>

namespace pmsect {
namespace {

using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

int int16At(const std::string& bytes, int offset) {
    const auto lo = static_cast<unsigned char>(bytes.at(static_cast<std::size_t>(offset)));
    const auto hi = static_cast<unsigned char>(bytes.at(static_cast<std::size_t>(offset) + 1));
    return static_cast<int16_t>(lo | (hi << 8));
}

TEST(SettingsFile, FirstStartCreatesTheFileWithTheDefaults) {
    ScratchFolder dir;
    const std::string current = "projects/columns";
    const LoadedSettings loaded = loadSettings(dir.dir().string(), current);
    EXPECT_TRUE(loaded.created);
    EXPECT_TRUE(loaded.write.ok);
    EXPECT_EQ(loaded.settings.units, (StoredUnitPositions{1, 2, 4, 1, 1}));
    EXPECT_EQ(loaded.settings.showInfoAtStart, 1);
    EXPECT_EQ(loaded.settings.defaultDir, current);

    const std::string bytes = readBytes(dir.path("rcprefs.dat"));
    ASSERT_EQ(bytes.size(), 49 + current.size());
    // length, moment, stress, unit weight, force, show-info at their offsets; zero between.
    const std::string expectedHead =
        std::string(29, '\0') + std::string("\1\0\0\4\0\0\1\0\0\1\0\0\2\0\0\1\0\0\0\0", 20);
    EXPECT_EQ(bytes.substr(0, 49), expectedHead);
    EXPECT_EQ(bytes.substr(49), current);
}

TEST(SettingsFile, KilonewtonChoiceIsWrittenAtItsOffsetsAndReadBack) {
    ScratchFolder dir;
    loadSettings(dir.dir().string(), "/d");
    const std::string before = readBytes(dir.path("rcprefs.dat"));
    ASSERT_TRUE(saveUnitChoice(dir.dir().string(), StoredUnitPositions{1, 4, 6, 1, 1}).ok);
    const std::string after = readBytes(dir.path("rcprefs.dat"));
    EXPECT_EQ(int16At(after, 41), 4);
    EXPECT_EQ(int16At(after, 32), 6);
    std::string expected = before;
    expected[41] = 4;
    expected[32] = 6;
    EXPECT_EQ(after, expected);

    const LoadedSettings next = loadSettings(dir.dir().string(), "/elsewhere");
    EXPECT_FALSE(next.created);
    EXPECT_EQ(next.settings.units, (StoredUnitPositions{1, 4, 6, 1, 1}));
    EXPECT_EQ(next.settings.defaultDir, "/elsewhere"); // the stored path is never read back
}

TEST(SettingsFile, ShowOnStartupClearedWritesZero) {
    ScratchFolder dir;
    loadSettings(dir.dir().string(), "/d");
    ASSERT_TRUE(saveShowInfoAtStart(dir.dir().string(), 0).ok);
    EXPECT_EQ(int16At(readBytes(dir.path("rcprefs.dat")), 44), 0);
    EXPECT_EQ(loadSettings(dir.dir().string(), "/d").settings.showInfoAtStart, 0);
}

TEST(SettingsFile, AShorterPathLeavesTheTailOfALongerOne) {
    ScratchFolder dir;
    const std::string install = dir.dir().string();
    ASSERT_TRUE(saveDefaultDir(install, "projects/a/much/longer/folder/of/columns").ok);
    ASSERT_TRUE(saveDefaultDir(install, "short").ok);
    const std::string bytes = readBytes(dir.path("rcprefs.dat"));
    EXPECT_EQ(bytes.substr(49), "shortcts/a/much/longer/folder/of/columns");
    // A file first made by a write is zero wherever nothing was written.
    EXPECT_EQ(bytes.substr(0, 49), std::string(49, '\0'));
}

TEST(SettingsFile, TheReportHeaderLivesAtTheEndAndLeavesEveryFieldAlone) {
    ScratchFolder dir;
    const std::string install = dir.dir().string();
    loadSettings(install, "projects/columns");
    ASSERT_TRUE(saveUnitChoice(install, StoredUnitPositions{2, 4, 6, 1, 1}).ok);
    const std::string before = readBytes(dir.path("rcprefs.dat"));
    EXPECT_EQ(loadReportHeader(install), ReportHeaderSettings{});

    const ReportHeaderSettings header{"Tower B, level 3 columns", "J. Q. Engineer, P.E."};
    ASSERT_TRUE(saveReportHeader(install, header).ok);
    const std::string after = readBytes(dir.path("rcprefs.dat"));
    // Everything before stays byte for byte; the block follows with its lengths and tag.
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(after.substr(before.size()),
              header.title + header.engineer + std::string("\x18\0\x14\0", 4) + "PMSRPTH1");
    EXPECT_EQ(loadReportHeader(install), header);
    EXPECT_EQ(loadSettings(install, "/x").settings.units, (StoredUnitPositions{2, 4, 6, 1, 1}));

    // A field written later and a new default directory keep the header; a second header
    // replaces the first instead of piling up.
    ASSERT_TRUE(saveShowInfoAtStart(install, 0).ok);
    ASSERT_TRUE(saveDefaultDir(install, "/a/much/longer/default/directory/than/before").ok);
    EXPECT_EQ(loadReportHeader(install), header);
    ASSERT_TRUE(saveDefaultDir(install, "/t").ok);
    EXPECT_EQ(loadReportHeader(install), header);
    const ReportHeaderSettings second{"Pier 4", ""};
    ASSERT_TRUE(saveReportHeader(install, second).ok);
    EXPECT_EQ(loadReportHeader(install), second);
    const std::string last = readBytes(dir.path("rcprefs.dat"));
    EXPECT_EQ(last.substr(49, 2), "/t");
    EXPECT_EQ(last.size(), 49 + 2 + 6 + 12u);
    EXPECT_EQ(int16At(last, 44), 0);
    EXPECT_EQ(loadSettings(install, "/x").settings.units, (StoredUnitPositions{2, 4, 6, 1, 1}));
}

TEST(SettingsFile, AReportHeaderIsOneLineOfLimitedLengthAndSurvivesDamageAsEmpty) {
    ScratchFolder dir;
    const std::string install = dir.dir().string();
    // Saved into a missing file: the fixed fields are zero, as a first write leaves them.
    ASSERT_TRUE(saveReportHeader(install, {"Line one\nline two", std::string(500, 'e')}).ok);
    const ReportHeaderSettings read = loadReportHeader(install);
    EXPECT_EQ(read.title, "Line one");
    EXPECT_EQ(read.engineer, std::string(kMaxReportHeaderText, 'e'));
    EXPECT_EQ(readBytes(dir.path("rcprefs.dat")).substr(0, 49), std::string(49, '\0'));

    // Lengths that reach into the fixed fields are not believed.
    std::string bytes =
        std::string(49, '\0') + "ab" + std::string("\xff\x7f\x01\0", 4) + "PMSRPTH1";
    writeBytes(dir.path("rcprefs.dat"), bytes);
    EXPECT_EQ(loadReportHeader(install), ReportHeaderSettings{});
}

TEST(SettingsFile, ShortOrDamagedFieldsReadAsDefaults) {
    ScratchFolder dir;
    writeBytes(dir.path("rcprefs.dat"), std::string(10, '\7'));
    LoadedSettings loaded = loadSettings(dir.dir().string(), "/d");
    EXPECT_FALSE(loaded.created);
    EXPECT_TRUE(loaded.mended);
    EXPECT_EQ(loaded.settings.units, StoredUnitPositions{});
    EXPECT_EQ(loaded.settings.showInfoAtStart, 1);
    EXPECT_EQ(readBytes(dir.path("rcprefs.dat")), std::string(10, '\7')); // reading writes nothing

    // One past the end of each group, a zero force, a show-info of 2; the moment is valid.
    const int lengthCount = static_cast<int>(unitEntries(UnitGroup::Length).size());
    ASSERT_TRUE(
        saveUnitChoice(dir.dir().string(),
                       StoredUnitPositions{static_cast<int16_t>(lengthCount + 1), 0, 3, 5, 3})
            .ok);
    ASSERT_TRUE(saveShowInfoAtStart(dir.dir().string(), 1).ok);
    std::string bytes = readBytes(dir.path("rcprefs.dat"));
    bytes[44] = 2;
    writeBytes(dir.path("rcprefs.dat"), bytes);
    EXPECT_EQ(bytes.substr(0, 10), std::string(10, '\7'));  // the old bytes were kept
    EXPECT_EQ(bytes.substr(10, 19), std::string(19, '\0')); // the gap was filled with zeros
    loaded = loadSettings(dir.dir().string(), "/d");
    EXPECT_TRUE(loaded.mended);
    EXPECT_EQ(loaded.settings.units, (StoredUnitPositions{1, 2, 3, 1, 1}));
    EXPECT_EQ(loaded.settings.showInfoAtStart, 1);
}

TEST(SettingsFile, TheLastPositionOfEveryGroupIsAccepted) {
    ScratchFolder dir;
    const auto last = [](UnitGroup g) { return static_cast<int16_t>(unitEntries(g).size()); };
    const StoredUnitPositions p{last(UnitGroup::Length), last(UnitGroup::Force),
                                last(UnitGroup::Moment), last(UnitGroup::Stress),
                                last(UnitGroup::UnitWeight)};
    ASSERT_TRUE(saveUnitChoice(dir.dir().string(), p).ok);
    ASSERT_TRUE(saveShowInfoAtStart(dir.dir().string(), 0).ok);
    const LoadedSettings loaded = loadSettings(dir.dir().string(), "/d");
    EXPECT_EQ(loaded.settings.units, p);
    EXPECT_FALSE(loaded.mended);
}

TEST(SettingsFile, AWriteIntoAMissingFolderFailsWithoutThrowing) {
    const std::string nowhere = "/nonexistent-pmsect-folder/sub";
    EXPECT_FALSE(saveDefaultDir(nowhere, "/x").ok);
    EXPECT_FALSE(saveUnitChoice(nowhere, StoredUnitPositions{}).ok);
    const LoadedSettings loaded = loadSettings(nowhere, "/x");
    EXPECT_FALSE(loaded.write.ok);
    EXPECT_EQ(loaded.settings.units, StoredUnitPositions{});
    EXPECT_EQ(settingsFilePath("/opt/pmsect"), "/opt/pmsect/rcprefs.dat");
}

} // namespace
} // namespace pmsect
