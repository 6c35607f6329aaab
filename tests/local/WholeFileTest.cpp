#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "local/FileErrorText.h"
#include "local/TemporaryFiles.h"
#include "local/UserFile.h"
#include "local/WholeFile.h"
#include "support/ScratchFolder.h"

namespace korvant {
namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Both ways of writing: through an unnamed file and through a named one.
class WholeFileWays : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { useUnnamedTemporaryFiles(GetParam()); }
    void TearDown() override { useUnnamedTemporaryFiles(true); }
    test::ScratchFolder scratch{"wholefile"};
    const std::filesystem::path& dir = scratch.path();
};
INSTANTIATE_TEST_SUITE_P(UnnamedOrNamed, WholeFileWays, ::testing::Bool());

TEST_P(WholeFileWays, ReplacesTheTargetAndLeavesNoTemporaryFile) {
    std::string path = (dir / "out.csv").string();
    {
        std::ofstream old(path);
        old << "old content that is longer than the new one";
    }
    std::string error;
    ASSERT_TRUE(writeWholeFile(path, std::string("a\r\nb\0c", 6), &error)) << error;
    EXPECT_EQ(readAll(path), std::string("a\r\nb\0c", 6));
    // A new file as well.
    ASSERT_TRUE(writeWholeFile((dir / "new.csv").string(), "n", &error)) << error;
    EXPECT_EQ(readAll((dir / "new.csv").string()), "n");
    std::filesystem::remove(dir / "new.csv");
    int entries = 0;
    for (auto& entry : std::filesystem::directory_iterator(dir)) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0600, 0600u);
}

TEST_P(WholeFileWays, AReplacedFileKeepsItsPermissionBits) {
    std::string path = (dir / "private.csv").string();
    for (mode_t mode : {mode_t{0600}, mode_t{0640}, mode_t{0664}}) {
        std::ofstream(path) << "old";
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        ASSERT_TRUE(writeWholeFile(path, "new"));
        EXPECT_EQ(readAll(path), "new");
        struct stat info {};
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode);
    }
}

// A write that fails half-way (here at the file size limit) leaves the old
// file whole and no temporary file beside it.
TEST_P(WholeFileWays, AWriteFailingHalfWayLeavesTheOldFile) {
    const std::string path = (dir / "out.csv").string();
    std::ofstream(path) << "old content";
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{4096, 4096};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(writeWholeFile(path, std::string(100000, 'x')) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write did not fail";
    EXPECT_EQ(readAll(path), "old content");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

// The reason is the desk's own Chinese text, not the C library's English.
TEST_P(WholeFileWays, ReportsWhyInChinese) {
    std::string error;
    EXPECT_FALSE(writeWholeFile("/nonexistent-korvant-dir/x.csv", "x", &error));
    EXPECT_EQ(error, "文件或目录不存在");
    error.clear();
    EXPECT_FALSE(writeWholeFile("", "x", &error));
    EXPECT_EQ(error, "文件或目录不存在");
    // A folder in the place of the file: the rename fails.
    std::filesystem::create_directories(dir / "taken");
    error.clear();
    EXPECT_FALSE(writeWholeFile((dir / "taken").string(), "x", &error));
    EXPECT_EQ(error, "这是一个目录, 不是文件");
    EXPECT_EQ(fileErrorText(EACCES), "没有访问权限");
    EXPECT_EQ(fileErrorText(99999), "系统错误 99999");
}

// An interrupted program leaves no temporary file: the handlers remove the
// names in use, and the program still ends by the signal.
TEST(WholeFile, SigintAndSigtermRemoveTheTemporaryFilesInUse) {
    const test::ScratchFolder scratch("wholefile-signal");
    const auto& dir = scratch.path();
    for (int signal : {SIGINT, SIGTERM}) {
        const std::string path = (dir / ("out.csv.tmp" + std::to_string(signal))).string();
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            removeTemporaryFilesOnSignals();
            std::ofstream(path) << "part";
            TemporaryPath held(path);
            ::raise(signal);
            ::_exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_FALSE(std::filesystem::exists(path)) << signal;
    }
}

// What a user hands over is read only when it is a regular file within the
// bound; a FIFO or a device never blocks and never floods.
TEST(UserFile, OnlyARegularFileWithinTheBoundIsRead) {
    const test::ScratchFolder scratch("userfile");
    const auto& dir = scratch.path();
    std::filesystem::create_directories(dir / "folder");
    std::ofstream(dir / "small") << "abc";
    std::ofstream(dir / "big") << std::string(101, 'x');
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", dir / "zero");
    std::filesystem::create_symlink(dir / "small", dir / "link");
    const struct {
        const char* name;
        UserFile::Outcome outcome;
        const char* bytes;
    } cases[] = {
        {"small", UserFile::Outcome::Read, "abc"},
        {"link", UserFile::Outcome::Read, "abc"},
        {"big", UserFile::Outcome::TooLarge, ""},
        {"folder", UserFile::Outcome::NotRegular, ""},
        {"fifo", UserFile::Outcome::NotRegular, ""},
        {"zero", UserFile::Outcome::NotRegular, ""},
        {"missing", UserFile::Outcome::OpenFailed, ""},
    };
    for (const auto& c : cases) {
        const UserFile file = readUserFile((dir / c.name).string(), 100);
        EXPECT_EQ(file.outcome, c.outcome) << c.name;
        EXPECT_EQ(file.bytes, c.bytes) << c.name;
    }
    EXPECT_EQ(readUserFile((dir / "missing").string(), 100).error, "文件或目录不存在");
}

}  // namespace
}  // namespace korvant
