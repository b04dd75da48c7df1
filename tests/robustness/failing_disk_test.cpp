// Saving and opening when the disk fails: a folder that is a file or does not exist, a write that
// fails part-way (a file-size limit, a full device), and files that vanish or cannot be read.
// The previous file must stay byte for byte, the project as it was, and the user must be told.
#include "io/project_file.h"
#include "io/settings_file.h"
#include "model/model_fields.h"
#include "recording_platform.h"
#include "ui/application.h"
#include "ui/report_save.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pmsect {
namespace {

namespace fs = std::filesystem;

constexpr const char* kNoFileSaved = "No file saved";

std::string bytesOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// While alive, no file of this process may grow past `bytes`: writes beyond fail with EFBIG
// part-way, as on a full disk. The signal the limit raises is ignored so that the write fails
// instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

class FailingDisk : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("pmsect_failing_disk_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        app.start();
        // A project with loads, so that its file is long enough to be cut part-way.
        app.model().loads.resize(40);
        for (int i = 1; i <= 40; ++i) {
            app.model().loads[static_cast<std::size_t>(i)][kPu] = -10.0f * static_cast<float>(i);
            app.model().loads[static_cast<std::size_t>(i)][kMux] = 1.5f * static_cast<float>(i);
        }
        previous = dir / "previous.rcs";
        std::ofstream(previous, std::ios::binary) << "the previous content\r\n";
        previousBytes = bytesOf(previous);
        platform.messages.clear();
    }
    void TearDown() override { fs::remove_all(dir); }

    void saveAs(const std::string& name, bool overwrite = true) {
        platform.saveAnswers.push_back(name);
        platform.answers.push_back(overwrite);
        app.mainWindow().saveProjectAs();
    }
    // No temporary (a hidden file named after the target) is left behind in the folder.
    void expectNoLeftovers() {
        for (const auto& entry : fs::directory_iterator(dir)) {
            EXPECT_NE(entry.path().filename().string().front(), '.')
                << entry.path() << " left behind";
        }
    }

    fs::path dir;
    fs::path previous;
    std::string previousBytes;
    test::RecordingPlatform platform;
    Application app{platform};
};

TEST_F(FailingDisk, SaveAsIntoAFolderThatIsAFile) {
    saveAs((previous / "x.rcs").string());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kNoFileSaved);
    EXPECT_EQ(bytesOf(previous), previousBytes);
    EXPECT_EQ(app.model().projectFileName, "");
}

TEST_F(FailingDisk, SaveAsIntoAFolderThatDoesNotExist) {
    saveAs((dir / "missing" / "deeper" / "x.rcs").string());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kNoFileSaved);
    EXPECT_FALSE(fs::exists(dir / "missing"));
}

TEST_F(FailingDisk, SaveAsOverAFileWhenTheWriteStopsPartWay) {
    {
        FileSizeLimit limit(200); // the project text is well over 1000 bytes
        saveAs(previous.string());
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kNoFileSaved);
    EXPECT_EQ(bytesOf(previous), previousBytes);
    EXPECT_EQ(app.model().projectFileName, "");
    expectNoLeftovers();

    // The same disk with room again takes the save.
    platform.messages.clear();
    saveAs(previous.string());
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_GT(bytesOf(previous).size(), 1000u);
}

TEST_F(FailingDisk, SaveAsWhenNotOneByteCanBeWritten) {
    {
        FileSizeLimit full(0);
        saveAs(previous.string());
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kNoFileSaved);
    EXPECT_EQ(bytesOf(previous), previousBytes);
    expectNoLeftovers();
}

TEST_F(FailingDisk, SaveAsOverAPipeOrAFolderLeavesThemAlone) {
    // A save renames its finished file over the target, which would put a plain file where the
    // pipe or the folder was (as root, even over /dev/null).
    const fs::path fifo = dir / "pipe.rcs";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const fs::path folder = dir / "folder.rcs";
    fs::create_directories(folder / "inside");
    for (const fs::path& target : {fifo, folder}) {
        platform.messages.clear();
        saveAs(target.string());
        ASSERT_EQ(platform.messages.size(), 1u) << target;
        EXPECT_EQ(platform.messages[0], kNoFileSaved);
        std::string name;
        platform.messages.clear();
        platform.saveAnswers.push_back(target.string());
        platform.answers.push_back(true);
        EXPECT_FALSE(saveReport(platform, "report", name));
        EXPECT_EQ(platform.messages, std::vector<std::string>{kNoFileSaved});
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_directory(folder / "inside"));
    expectNoLeftovers();
}

TEST_F(FailingDisk, SaveKeepsTheFileAndShowsItsOwnMessage) {
    saveAs(previous.string());
    ASSERT_TRUE(platform.messages.empty());
    const std::string saved = bytesOf(previous);
    ASSERT_EQ(app.model().projectFileName, previous.string());

    app.model().fpc = 5000; // a change the failed save must not half-write
    {
        FileSizeLimit limit(100);
        app.mainWindow().saveProject();
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind("The project could not be saved: ", 0), 0u)
        << platform.messages[0];
    EXPECT_EQ(bytesOf(previous), saved);
    EXPECT_EQ(app.model().projectFileName, previous.string());
    expectNoLeftovers();

    // The file's folder taken away under the program.
    fs::remove_all(dir);
    platform.messages.clear();
    app.mainWindow().saveProject();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].rfind("The project could not be saved: ", 0), 0u);
}

TEST_F(FailingDisk, ReportIntoBadFoldersAndAFailingWrite) {
    const std::string report(5000, 'r');
    std::string name;
    for (const fs::path& target : {previous / "report.txt", dir / "missing" / "report.txt"}) {
        platform.messages.clear();
        platform.saveAnswers.push_back(target.string());
        EXPECT_FALSE(saveReport(platform, report, name));
        ASSERT_EQ(platform.messages.size(), 1u) << target;
        EXPECT_EQ(platform.messages[0], kNoFileSaved);
    }
    const fs::path old = dir / "old.txt";
    std::ofstream(old, std::ios::binary) << "old report";
    platform.messages.clear();
    platform.saveAnswers.push_back(old.string());
    platform.answers.push_back(true);
    {
        FileSizeLimit limit(1000);
        EXPECT_FALSE(saveReport(platform, report, name));
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], kNoFileSaved);
    EXPECT_EQ(bytesOf(old), "old report");
    expectNoLeftovers();
}

TEST_F(FailingDisk, SettingsWritesIntoAFolderThatIsAFileFailQuietly) {
    EXPECT_FALSE(saveUnitChoice(previous.string(), StoredUnitPositions{}).ok);
    EXPECT_FALSE(saveShowInfoAtStart((dir / "missing").string(), 0).ok);
    EXPECT_FALSE(saveDefaultDir(previous.string(), "/x").ok);
    EXPECT_EQ(bytesOf(previous), previousBytes);
    // Start-up in such a folder still gives the defaults.
    const LoadedSettings s = loadSettings(previous.string(), "/cwd");
    EXPECT_EQ(s.settings.units, StoredUnitPositions{});
    EXPECT_EQ(s.settings.showInfoAtStart, 1);
}

TEST_F(FailingDisk, SettingsFileThatIsAPipeOrAnEndlessDeviceReadsAsDefaults) {
    const fs::path install = dir / "install";
    fs::create_directories(install);
    ASSERT_EQ(mkfifo(settingsFilePath(install.string()).c_str(), 0600), 0);
    LoadedSettings s = loadSettings(install.string(), "/cwd");
    EXPECT_FALSE(s.created);
    EXPECT_EQ(s.settings.units, StoredUnitPositions{});

    fs::remove(settingsFilePath(install.string()));
    fs::create_symlink("/dev/zero", settingsFilePath(install.string()));
    s = loadSettings(install.string(), "/cwd");
    EXPECT_EQ(s.settings.units, StoredUnitPositions{});
    EXPECT_EQ(s.settings.showInfoAtStart, 1);
}

// Opening files that vanish or cannot be read: "Could not open NAME: REASON", and the project as
// it was.
class FailingOpen : public FailingDisk {
protected:
    void expectRefusedUnchanged(const std::string& path, const std::string& reason = "") {
        ProjectModel& m = app.model();
        m.fpc = 4321;
        m.projectFileName = "current.rcs";
        const std::string titleBefore = app.mainWindow().view().title;
        platform.messages.clear();
        platform.openAnswers.push_back(path);
        app.mainWindow().openProject();
        ASSERT_EQ(platform.messages.size(), 1u) << path;
        const std::string opening = "Could not open " + path + ": ";
        EXPECT_EQ(platform.messages[0].rfind(opening, 0), 0u) << platform.messages[0];
        EXPECT_GT(platform.messages[0].size(), opening.size()) << path; // a reason follows
        EXPECT_NE(platform.messages[0].find(reason, opening.size()), std::string::npos)
            << platform.messages[0];
        EXPECT_EQ(m.fpc, 4321) << path;
        EXPECT_EQ(m.loads.count(), 40) << path;
        EXPECT_EQ(m.projectFileName, "current.rcs") << path;
        EXPECT_EQ(app.mainWindow().view().title, titleBefore) << path;
        EXPECT_EQ(robust::firstNonFinite(m), "") << path;
    }
};

TEST_F(FailingOpen, AFileThatVanished) {
    const fs::path gone = dir / "gone.rcs";
    ASSERT_TRUE(writeProjectFile(gone.string(), app.model()));
    fs::remove(gone);
    expectRefusedUnchanged(gone.string(), "there is no such file");
}

TEST_F(FailingOpen, AFolderADeviceAndAProcessFileAreNoProjects) {
    expectRefusedUnchanged(dir.string(), "it is a folder or a device, not a file");
    expectRefusedUnchanged("/dev/null", "it is a folder or a device, not a file");
    expectRefusedUnchanged("/proc/self/mem"); // opens, but every read fails
}

TEST_F(FailingOpen, EndlessDevicesAndPipesNeitherHangNorExhaustMemory) {
    // A character device that never ends and a pipe with no writer: opening them must not wait
    // for an end that never comes.
    expectRefusedUnchanged("/dev/zero");
    const fs::path fifo = dir / "pipe.rcs";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    expectRefusedUnchanged(fifo.string());
}

TEST_F(FailingOpen, AFileTooLargeToBeAProject) {
    const fs::path huge = dir / "huge.rcs";
    {
        std::ofstream out(huge, std::ios::binary);
        out << "1,1\r\n4,0,0,0\r\n";
        out << std::string(40u << 20, '7'); // one line of 40 MiB
    }
    expectRefusedUnchanged(huge.string(), "too large to be a project file");
}

TEST_F(FailingOpen, AFileCutShortOrMangled) {
    const fs::path file = dir / "cut.rcs";
    ASSERT_TRUE(writeProjectFile(file.string(), app.model()));
    const std::string whole = bytesOf(file);
    for (const std::size_t keep :
         {std::size_t{0}, std::size_t{3}, whole.size() / 3, whole.size() / 2, whole.size() - 8}) {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << whole.substr(0, keep);
        expectRefusedUnchanged(file.string());
    }
}

} // namespace
} // namespace pmsect
