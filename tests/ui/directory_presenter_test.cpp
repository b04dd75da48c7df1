// The default-directory window: drives from the mount table, the directory list, and a choice
// that becomes current while the settings file stays in the installation folder.
#include "recording_platform.h"
#include "ui/directory_presenter.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <vector>

namespace pmsect {
namespace {

namespace fs = std::filesystem;

class DirectoryPresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("pmsect_dir_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        fs::create_directories(root / "install");
        fs::create_directories(root / "work" / "beta");
        fs::create_directories(root / "work" / "alpha");
        std::ofstream(root / "work" / "notes.txt") << "not a folder";
        platform.directory = (root / "install").string();
    }
    void TearDown() override { fs::remove_all(root); }

    DirectoryPresenter makePresenter() {
        return DirectoryPresenter(
            platform, (root / "install").string(), defaultDir,
            [this](bool busy) { pointerRequests.push_back(busy); },
            [this] {
                return std::vector<std::string>{"/", root.string()};
            });
    }
    std::string settingsBytes(const fs::path& folder) {
        std::ifstream in(folder / "rcprefs.dat", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    fs::path root;
    test::RecordingPlatform platform;
    std::string defaultDir = "/start";
    std::vector<bool> pointerRequests;
};

TEST(MountPoints, RealFileSystemsOnlyWithEscapesDecoded) {
    const char* mounts = "proc /proc proc rw 0 0\n"
                         "sysfs /sys sysfs rw 0 0\n"
                         "/dev/sda1 / ext4 rw 0 0\n"
                         "/dev/sdb1 /mnt/my\\040disk ext4 rw 0 0\n"
                         "tmpfs /tmp tmpfs rw 0 0\n"
                         "tmpfs /dev/shm tmpfs rw 0 0\n"
                         "cgroup /sys/fs/cgroup/cpu cgroup rw 0 0\n"
                         "garbage\n";
    EXPECT_EQ(mountPointsFromText(mounts), (std::vector<std::string>{"/", "/mnt/my disk", "/tmp"}));
    EXPECT_EQ(mountPointsFromText(""), std::vector<std::string>{"/"});
    EXPECT_EQ(driveOf("/mnt/my disk/a", {"/", "/mnt/my disk", "/mnt/my"}), "/mnt/my disk");
    EXPECT_EQ(driveOf("/mnt/myself", {"/", "/mnt/my"}), "/");
}

TEST_F(DirectoryPresenterTest, OpensAtTheCurrentDirectoryAndReleasesThePointer) {
    DirectoryPresenter p = makePresenter();
    p.open();
    EXPECT_EQ(p.view().caption, "Default Dir");
    EXPECT_TRUE(p.view().visible);
    EXPECT_EQ(p.view().pathLine, (root / "install").string());
    EXPECT_EQ(pointerRequests, std::vector<bool>{false});
}

TEST_F(DirectoryPresenterTest, ListingIsSortedAndEveryMoveUpdatesThePathLine) {
    DirectoryPresenter p = makePresenter();
    p.open();
    ASSERT_TRUE(p.chooseDrive(root.string()));
    EXPECT_EQ(p.view().pathLine, root.string());
    EXPECT_EQ(p.view().directories, (std::vector<std::string>{"install", "work"}));
    ASSERT_TRUE(p.openSubdirectory("work"));
    EXPECT_EQ(p.view().directories, (std::vector<std::string>{"alpha", "beta"})); // no files
    EXPECT_EQ(p.view().pathLine, (root / "work").string());
    EXPECT_EQ(p.view().drive, root.string());
    ASSERT_TRUE(p.openParent());
    EXPECT_EQ(p.view().pathLine, root.string());
    EXPECT_FALSE(p.chooseDirectory((root / "missing").string()));
    EXPECT_EQ(p.view().pathLine, root.string());
}

TEST_F(DirectoryPresenterTest, DoneWritesIntoTheInstallFolderAfterTheCurrentOneChanged) {
    DirectoryPresenter p = makePresenter();
    p.open();
    const std::string beta = (root / "work" / "beta").string();
    ASSERT_TRUE(p.chooseDirectory(beta));
    p.done();
    EXPECT_EQ(platform.directory, beta);
    EXPECT_EQ(defaultDir, beta);
    EXPECT_FALSE(p.view().visible);
    EXPECT_EQ(pointerRequests, (std::vector<bool>{false, true}));
    EXPECT_EQ(settingsBytes(root / "install").substr(49), beta);
    EXPECT_FALSE(fs::exists(fs::path(beta) / "rcprefs.dat"));

    // A second choice, applied by closing, still goes to the install folder.
    p.open();
    const std::string alpha = (root / "work" / "alpha").string();
    ASSERT_TRUE(p.chooseDirectory(alpha));
    p.close();
    EXPECT_EQ(platform.directory, alpha);
    EXPECT_EQ(settingsBytes(root / "install").substr(49, alpha.size()), alpha);
    EXPECT_FALSE(fs::exists(fs::path(beta) / "rcprefs.dat"));
    EXPECT_FALSE(fs::exists(fs::path(alpha) / "rcprefs.dat"));
}

// A platform that cannot change its directory, as when the folder vanished after listing.
class StuckPlatform : public test::RecordingPlatform {
public:
    bool setCurrentDirectory(const std::string&) override { return false; }
};

TEST_F(DirectoryPresenterTest, AFolderThatCannotBecomeCurrentIsNotStored) {
    StuckPlatform stuck;
    stuck.directory = (root / "install").string();
    DirectoryPresenter p(stuck, (root / "install").string(), defaultDir, {},
                         [] { return std::vector<std::string>{"/"}; });
    p.open();
    ASSERT_TRUE(p.chooseDirectory((root / "work").string()));
    p.done();
    EXPECT_EQ(defaultDir, "/start");
    EXPECT_EQ(stuck.messages.size(), 1u);
    EXPECT_FALSE(fs::exists(root / "install" / "rcprefs.dat"));
}

} // namespace
} // namespace pmsect
