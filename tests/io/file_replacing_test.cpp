// The durable whole-file write: each system call failing in turn leaves the old file byte for
// byte and no temporary; links planted at temporary names are never written through; permission
// bits, owner and group survive; two processes saving the same path at once never leave a mixed
// file; a save killed in its midst leaves a temporary that the next save removes, and nothing
// else; symbolic and hard links stay links to the saved file.
#include "io/file_replacing.h"
#include "io_test_support.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace pmsect {
namespace {

namespace fs = std::filesystem;
using testing::folderEntries;
using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

// The real calls, but the one named fails with an error.
class FailingCalls : public FileCalls {
public:
    enum class Step { None, Create, Write, ShortThenFail, Fsync, Close, Rename };
    explicit FailingCalls(Step failing) : failing_(failing) {}

    int createExclusive(const std::string& path, mode_t mode) override {
        return fails(Step::Create, EACCES) ? -1 : FileCalls::createExclusive(path, mode);
    }
    ssize_t write(int fd, const char* data, size_t size) override {
        if (failing_ == Step::ShortThenFail) {
            if (writes_++ == 0) {
                return FileCalls::write(fd, data, std::min<size_t>(size, 5));
            }
            errno = ENOSPC;
            return -1;
        }
        return fails(Step::Write, ENOSPC) ? -1 : FileCalls::write(fd, data, size);
    }
    int fsync(int fd) override { return fails(Step::Fsync, EIO) ? -1 : FileCalls::fsync(fd); }
    int close(int fd) override {
        const int result = FileCalls::close(fd);
        return fails(Step::Close, EIO) ? -1 : result;
    }
    int rename(const std::string& from, const std::string& to) override {
        return fails(Step::Rename, EXDEV) ? -1 : FileCalls::rename(from, to);
    }

private:
    bool fails(Step step, int error) {
        if (failing_ != step) {
            return false;
        }
        errno = error;
        return true;
    }
    Step failing_;
    int writes_ = 0;
};

TEST(FileReplacing, WritesAndReplacesLeavingNothingElse) {
    ScratchFolder dir;
    const std::string path = dir.path("a.txt");
    ASSERT_TRUE(writeFileReplacing(path, "first"));
    EXPECT_EQ(readBytes(path), "first");
    ASSERT_TRUE(writeFileReplacing(path, std::string(100000, 'x')));
    EXPECT_EQ(readBytes(path), std::string(100000, 'x'));
    ASSERT_TRUE(writeFileReplacing(path, ""));
    EXPECT_EQ(readBytes(path), "");
    EXPECT_EQ(folderEntries(dir.dir()), std::vector<std::string>{"a.txt"});
}

TEST(FileReplacing, EveryFailingCallLeavesTheOldFileAsItWas) {
    using Step = FailingCalls::Step;
    for (const Step step :
         {Step::Create, Step::Write, Step::ShortThenFail, Step::Fsync, Step::Close, Step::Rename}) {
        ScratchFolder dir;
        const std::string path = dir.path("p.rcs");
        writeBytes(path, "the old project");
        FailingCalls calls(step);
        const FileResult r = writeFileReplacing(path, "the new project, longer than it", calls);
        EXPECT_FALSE(r.ok) << static_cast<int>(step);
        EXPECT_NE(r.error.find(path), std::string::npos) << r.error;
        EXPECT_EQ(readBytes(path), "the old project") << static_cast<int>(step);
        EXPECT_EQ(folderEntries(dir.dir()), std::vector<std::string>{"p.rcs"})
            << static_cast<int>(step);
    }
}

TEST(FileReplacing, FoldersPipesAndMissingFoldersAreRefused) {
    ScratchFolder dir;
    fs::create_directory(dir.path("folder"));
    EXPECT_FALSE(writeFileReplacing(dir.path("folder"), "x"));
    EXPECT_TRUE(fs::is_directory(dir.path("folder")));
    ASSERT_EQ(::mkfifo(dir.path("pipe").c_str(), 0600), 0);
    EXPECT_FALSE(writeFileReplacing(dir.path("pipe"), "x"));
    EXPECT_TRUE(fs::is_fifo(dir.path("pipe")));
    EXPECT_FALSE(writeFileReplacing(dir.path("missing/x.txt"), "x"));
    EXPECT_FALSE(fs::exists(dir.path("missing")));
}

TEST(FileReplacing, ThePermissionBitsOfTheReplacedFileAreKept) {
    ScratchFolder dir;
    const std::string path = dir.path("private.rcs");
    writeBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(writeFileReplacing(path, "new"));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Before each try at a temporary name, a link to a victim file is planted at that very name.
class PlantingCalls : public FileCalls {
public:
    explicit PlantingCalls(std::string victim) : victim_(std::move(victim)) {}
    int createExclusive(const std::string& path, mode_t mode) override {
        if (planted_ < 3) {
            ++planted_;
            fs::create_symlink(victim_, path);
            links.push_back(path);
        }
        return FileCalls::createExclusive(path, mode);
    }
    std::vector<std::string> links;

private:
    std::string victim_;
    int planted_ = 0;
};

TEST(FileReplacing, ALinkPlantedAtATemporaryNameIsNeverWrittenThrough) {
    ScratchFolder dir;
    const std::string victim = dir.path("victim.txt");
    writeBytes(victim, "precious");
    const std::string path = dir.path("p.rcs");
    PlantingCalls calls(victim);
    ASSERT_TRUE(writeFileReplacing(path, "project", calls));
    EXPECT_EQ(readBytes(victim), "precious");
    EXPECT_EQ(readBytes(path), "project");
    ASSERT_EQ(calls.links.size(), 3u);
    for (const std::string& link : calls.links) {
        EXPECT_TRUE(fs::is_symlink(link)); // still the planted link, not replaced or followed
        EXPECT_NE(link, path);
    }
}

TEST(FileReplacing, TwoProcessesSavingThePathNeverLeaveAMixedFile) {
    ScratchFolder dir;
    const std::string path = dir.path("shared.rcs");
    // Different lengths, so that a mix of the two could not pass for either.
    const std::string first(3000, 'a');
    const std::string second(5000, 'b');
    constexpr int kSaves = 1000;
    pid_t children[2];
    for (int k = 0; k < 2; ++k) {
        children[k] = ::fork();
        ASSERT_GE(children[k], 0);
        if (children[k] == 0) {
            for (int i = 0; i < kSaves; ++i) {
                if (!writeFileReplacing(path, k == 0 ? first : second)) {
                    ::_exit(1);
                }
            }
            ::_exit(0);
        }
    }
    int mixed = 0;
    int reads = 0;
    int statuses[2] = {-1, -1};
    while (statuses[0] == -1 || statuses[1] == -1) {
        if (fs::exists(path)) {
            const std::string now = readBytes(path);
            ++reads;
            mixed += (now != first && now != second) ? 1 : 0;
        }
        for (int k = 0; k < 2; ++k) {
            int status = 0;
            if (statuses[k] == -1 && ::waitpid(children[k], &status, WNOHANG) == children[k]) {
                statuses[k] = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
            }
        }
    }
    EXPECT_EQ(statuses[0], 0);
    EXPECT_EQ(statuses[1], 0);
    EXPECT_EQ(mixed, 0) << "of " << reads << " reads";
    const std::string last = readBytes(path);
    EXPECT_TRUE(last == first || last == second);
    EXPECT_EQ(folderEntries(dir.dir()), std::vector<std::string>{"shared.rcs"});
}

// The real calls, but the process dies by SIGKILL in the midst of writing the temporary, as a
// save killed from outside does.
class KilledCalls : public FileCalls {
public:
    ssize_t write(int fd, const char* data, size_t size) override {
        FileCalls::write(fd, data, std::min<size_t>(size, 7));
        ::raise(SIGKILL);
        return -1;
    }
};

void makeOld(const fs::path& path) {
    fs::last_write_time(path, fs::file_time_type::clock::now() - std::chrono::minutes(5));
}

TEST(FileReplacing, TheNextSaveRemovesWhatKilledSavesLeftAndNothingElse) {
    ScratchFolder dir;
    const std::string path = dir.path("p.rcs");
    writeBytes(path, "old");
    for (int kill = 0; kill < 2; ++kill) {
        const pid_t child = ::fork();
        if (child == 0) {
            KilledCalls calls;
            writeFileReplacing(path, "new", calls);
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
    }
    ASSERT_EQ(folderEntries(dir.dir()).size(), 3u); // the file as it was and two temporaries
    EXPECT_EQ(readBytes(path), "old");
    for (const std::string& name : folderEntries(dir.dir())) {
        makeOld(dir.path(name));
    }
    // Look-alikes that are not temporaries of this file left by killed saves: each must stay.
    std::vector<std::string> kept = {".p.rcs.abc",      ".p.rcs.ABCDEFGH", ".p.rcs.abcdefghi",
                                     ".q.rcs.abcdefgh", "p.rcs.abcdefgh",  ".p.rcs.live0000"};
    if (::geteuid() == 0) { // another user's file of the name is theirs to remove
        kept.push_back(".p.rcs.other000");
    }
    for (const std::string& name : kept) {
        writeBytes(dir.path(name), "keep");
        makeOld(dir.path(name));
    }
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(dir.path(".p.rcs.other000").c_str(), 4321, 4321), 0);
    }
    fs::create_directory(dir.path(".p.rcs.folder00"));
    fs::create_symlink(path, dir.path(".p.rcs.link0000"));
    const int live = ::open(dir.path(".p.rcs.live0000").c_str(), O_RDONLY); // a save at work
    ASSERT_EQ(::flock(live, LOCK_EX), 0);
    writeBytes(dir.path(".p.rcs.young000"), "a save that has not yet locked it");
    kept.insert(kept.end(), {".p.rcs.folder00", ".p.rcs.link0000", ".p.rcs.young000", "p.rcs"});

    ASSERT_TRUE(writeFileReplacing(path, "saved"));
    ::close(live);
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(folderEntries(dir.dir()), kept);
    EXPECT_EQ(readBytes(path), "saved");
}

TEST(FileReplacing, LinksStayAndNameTheFileThatIsSaved) {
    ScratchFolder dir;
    fs::create_directories(dir.path("real"));
    fs::create_directories(dir.path("links"));
    const std::string real = dir.path("real/p.rcs");
    writeBytes(real, "old");
    fs::create_symlink("../real/p.rcs", dir.path("links/first.rcs")); // relative to its folder
    fs::create_symlink(dir.path("links/first.rcs"), dir.path("links/second.rcs"));
    fs::create_hard_link(real, dir.path("real/hard.rcs"));
    ASSERT_TRUE(writeFileReplacing(dir.path("links/second.rcs"), "new"));
    EXPECT_TRUE(fs::is_symlink(dir.path("links/first.rcs")));
    EXPECT_TRUE(fs::is_symlink(dir.path("links/second.rcs")));
    EXPECT_EQ(readBytes(real), "new");
    EXPECT_EQ(readBytes(dir.path("real/hard.rcs")), "new"); // written in place
    EXPECT_EQ(fs::hard_link_count(real), 2u);
    EXPECT_EQ(folderEntries(dir.path("real")), (std::vector<std::string>{"hard.rcs", "p.rcs"}));
    EXPECT_EQ(folderEntries(dir.path("links")),
              (std::vector<std::string>{"first.rcs", "second.rcs"}));
    fs::create_symlink("loop-b", dir.path("links/loop-a"));
    fs::create_symlink("loop-a", dir.path("links/loop-b"));
    EXPECT_FALSE(writeFileReplacing(dir.path("links/loop-a"), "x"));
    EXPECT_TRUE(fs::is_symlink(dir.path("links/loop-a")));
}

// The writer asks for the replaced file's owner and group, which the system grants the
// administrator, and the group alone to an owner of it.
class OwnerCalls : public FileCalls {
public:
    int fchown(int, uid_t owner, gid_t group) override {
        asked.emplace_back(owner, group);
        return 0;
    }
    std::vector<std::pair<uid_t, gid_t>> asked;
};

TEST(FileReplacing, TheOwnerAndGroupOfTheReplacedFileAreKept) {
    ScratchFolder dir;
    const std::string path = dir.path("p.rcs");
    writeBytes(path, "old");
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    OwnerCalls calls;
    ASSERT_TRUE(writeFileReplacing(path, "new", calls));
    EXPECT_EQ(calls.asked, (std::vector<std::pair<uid_t, gid_t>>{{st.st_uid, st.st_gid}}));
    OwnerCalls fresh;
    ASSERT_TRUE(writeFileReplacing(dir.path("new.rcs"), "new", fresh));
    EXPECT_TRUE(fresh.asked.empty()); // a new file is the writer's
}

} // namespace
} // namespace pmsect
