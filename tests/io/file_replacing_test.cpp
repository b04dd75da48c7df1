// The durable whole-file write: each system call failing in turn leaves the old file byte for
// byte and no temporary; links planted at temporary names are never written through; permission
// bits survive; two processes saving the same path at once never leave a mixed file.
#include "io/file_replacing.h"
#include "io_test_support.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
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

} // namespace
} // namespace pmsect
