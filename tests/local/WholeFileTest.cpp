#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "local/FileErrorText.h"
#include "local/WholeFile.h"

namespace korvant {
namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(WholeFile, ReplacesTheTargetAndLeavesNoTemporaryFile) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("korvant-wholefile-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::string path = (dir / "out.csv").string();
    {
        std::ofstream old(path);
        old << "old content that is longer than the new one";
    }
    std::string error;
    ASSERT_TRUE(writeWholeFile(path, std::string("a\r\nb\0c", 6), &error)) << error;
    EXPECT_EQ(readAll(path), std::string("a\r\nb\0c", 6));
    int entries = 0;
    for (auto& entry : std::filesystem::directory_iterator(dir)) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0600, 0600u);
    std::filesystem::remove_all(dir);
}

TEST(WholeFile, AReplacedFileKeepsItsPermissionBits) {
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("korvant-wholefile-mode-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
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
    std::filesystem::remove_all(dir);
}

// The reason is the desk's own Chinese text, not the C library's English.
TEST(WholeFile, ReportsWhyInChinese) {
    std::string error;
    EXPECT_FALSE(writeWholeFile("/nonexistent-korvant-dir/x.csv", "x", &error));
    EXPECT_EQ(error, "文件或目录不存在");
    error.clear();
    EXPECT_FALSE(writeWholeFile("", "x", &error));
    EXPECT_EQ(error, "文件或目录不存在");
    // A folder in the place of the file: the rename fails.
    const auto dir = std::filesystem::temp_directory_path() / "korvant-wholefile-dir";
    std::filesystem::create_directories(dir / "taken");
    error.clear();
    EXPECT_FALSE(writeWholeFile((dir / "taken").string(), "x", &error));
    EXPECT_EQ(error, "这是一个目录, 不是文件");
    std::filesystem::remove_all(dir);
    EXPECT_EQ(fileErrorText(EACCES), "没有访问权限");
    EXPECT_EQ(fileErrorText(99999), "系统错误 99999");
}

}  // namespace
}  // namespace korvant
