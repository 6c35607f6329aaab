#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "local/LastLogin.h"
#include "protocol/Gbk.h"
#include "support/ScratchFolder.h"

namespace korvant {
namespace {

namespace fs = std::filesystem;

class LastLoginFile : public ::testing::Test {
protected:
    test::ScratchFolder scratch{"lastlogin"};
    fs::path dir = scratch.path();
    std::string path = scratch.file("ServerInfo.Dat");

    std::vector<uint8_t> bytes() const {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void put(const std::vector<uint8_t>& content) const {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(content.data()),
                   static_cast<std::streamsize>(content.size()));
    }
    unsigned mode() const {
        struct stat st {};
        ::stat(path.c_str(), &st);
        return st.st_mode & 0777;
    }
    std::size_t filesInDir() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
};

TEST_F(LastLoginFile, MissingFileGivesTheDefaults) {
    LastLogin last = LastLogin::read(path);
    EXPECT_EQ(last.serverIndex, 0);
    EXPECT_EQ(last.saveFlag, 1);
    EXPECT_EQ(last.account, "");
    EXPECT_EQ(last.password, "");
}

TEST_F(LastLoginFile, WritesTheRecordWithMode0600AndReadsItBack) {
    LastLogin last;
    last.serverIndex = 2;
    last.account = "管理员admin";
    last.password = "pass-word-longer-than-fifteen";
    ASSERT_TRUE(last.write(path));
    auto b = bytes();
    ASSERT_EQ(b.size(), 44u);
    EXPECT_EQ(std::vector<uint8_t>(b.begin(), b.begin() + 12),
              (std::vector<uint8_t>{2, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0}));
    std::string gbkAccount = toGbk("管理员admin");
    EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 12 + gbkAccount.size()), gbkAccount);
    EXPECT_EQ(b[12 + gbkAccount.size()], 0);
    EXPECT_EQ(std::string(b.begin() + 28, b.begin() + 43), "pass-word-longe");
    EXPECT_EQ(b[43], 0);
    EXPECT_EQ(mode(), 0600u);

    LastLogin back = LastLogin::read(path);
    EXPECT_EQ(back.serverIndex, 2);
    EXPECT_EQ(back.saveFlag, 1);
    EXPECT_EQ(back.account, "管理员admin");
    EXPECT_EQ(back.password, "pass-word-longe");
}

TEST_F(LastLoginFile, SaveFlagZeroWritesNoAccountOrPassword) {
    LastLogin last;
    last.serverIndex = 1;
    last.saveFlag = 0;
    last.account = "admin";
    last.password = "secret";
    ASSERT_TRUE(last.write(path));
    auto b = bytes();
    ASSERT_EQ(b.size(), 44u);
    EXPECT_EQ(b[0], 1);
    EXPECT_EQ(b[8], 0);
    EXPECT_EQ(std::vector<uint8_t>(b.begin() + 12, b.end()), std::vector<uint8_t>(32, 0));
    LastLogin back = LastLogin::read(path);
    EXPECT_EQ(back.saveFlag, 0);
    EXPECT_EQ(back.account, "");
    EXPECT_EQ(back.password, "");
}

TEST_F(LastLoginFile, ShortFileIsUsedAsFarAsItGoes) {
    // Index 3, the reserved integer, save flag 1 and half an account.
    put({3, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 'a', 'd', 'm'});
    LastLogin last = LastLogin::read(path);
    EXPECT_EQ(last.serverIndex, 3);
    EXPECT_EQ(last.saveFlag, 1);
    EXPECT_EQ(last.account, "adm");
    EXPECT_EQ(last.password, "");

    put({5, 0});  // part of the first integer only
    last = LastLogin::read(path);
    EXPECT_EQ(last.serverIndex, 5);
    EXPECT_EQ(last.saveFlag, 1);

    put({});
    EXPECT_EQ(LastLogin::read(path).saveFlag, 1);
}

TEST_F(LastLoginFile, SaveFlagZeroOffersNoAccountOrPasswordWhateverTheFileHolds) {
    std::vector<uint8_t> b(44, 0);
    b[0] = 2;
    const std::string stale = "admin";
    std::copy(stale.begin(), stale.end(), b.begin() + 12);
    std::copy(stale.begin(), stale.end(), b.begin() + 28);
    put(b);
    LastLogin last = LastLogin::read(path);
    EXPECT_EQ(last.serverIndex, 2);
    EXPECT_EQ(last.saveFlag, 0);
    EXPECT_EQ(last.account, "");
    EXPECT_EQ(last.password, "");
    // A shorter file the same.
    put(std::vector<uint8_t>(b.begin(), b.begin() + 20));
    EXPECT_EQ(LastLogin::read(path).account, "");
}

TEST_F(LastLoginFile, FieldsWithoutNulAndInvalidGbkAreReadSafely) {
    std::vector<uint8_t> b(44, 'x');
    b[12] = 0xFF;  // never valid GBK
    put(b);
    LastLogin last = LastLogin::read(path);
    EXPECT_EQ(last.account, "\xEF\xBF\xBD" + std::string(15, 'x'));
    EXPECT_EQ(last.password, std::string(16, 'x'));
}

TEST_F(LastLoginFile, RewriteReplacesTheFileAndKeepsItPrivate) {
    put(std::vector<uint8_t>(100, 'z'));
    ::chmod(path.c_str(), 0644);
    LastLogin last;
    last.account = "a1";
    ASSERT_TRUE(last.write(path));
    last.serverIndex = 4;
    last.saveFlag = 0;
    ASSERT_TRUE(last.write(path));
    EXPECT_EQ(bytes().size(), 44u);
    EXPECT_EQ(mode(), 0600u);
    EXPECT_EQ(LastLogin::read(path).serverIndex, 4);
    EXPECT_EQ(filesInDir(), 1u);  // no temporary file left behind
}

TEST_F(LastLoginFile, FailedWriteLeavesTheOldFileAndNoTemporary) {
    LastLogin first;
    first.account = "old";
    ASSERT_TRUE(first.write(path));
    if (::geteuid() != 0) {
        // A folder that cannot be written to: the write fails quietly.
        ::chmod(dir.c_str(), 0500);
        LastLogin second;
        second.account = "new";
        EXPECT_FALSE(second.write(path));
        ::chmod(dir.c_str(), 0700);
        EXPECT_EQ(LastLogin::read(path).account, "old");
    }
    // The target is a folder: rename fails, the temporary is removed.
    std::string folder = (dir / "sub").string();
    fs::create_directories(folder);
    fs::create_directories(fs::path(folder) / "keep");
    EXPECT_FALSE(first.write(folder));
    EXPECT_EQ(filesInDir(), 2u);
    EXPECT_FALSE(first.write((dir / "missing" / "ServerInfo.Dat").string()));
}

}  // namespace
}  // namespace korvant
