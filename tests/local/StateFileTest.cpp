// DeskState.ini: the desk's remembered layout, read as a whole or ignored.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <map>
#include <string>

#include "local/StateFile.h"
#include "support/ScratchFolder.h"

namespace korvant {
namespace {

TEST(StateFile, WrittenWholeAndReadBack) {
    test::ScratchFolder scratch{"statefile"};
    const std::string path = scratch.file("DeskState.ini");
    EXPECT_EQ(readStateFile(path).outcome, StateFile::Outcome::Missing);
    const std::map<std::string, std::string> values = {
        {"list.subAccounts.header", "AAAA/w=="},
        {"folder.funds.save", "/home/甲/导出"},
        {"dates.trades", "days:-1"},
    };
    ASSERT_TRUE(writeStateFile(path, values));
    const StateFile read = readStateFile(path);
    ASSERT_EQ(read.outcome, StateFile::Outcome::Read) << read.problem;
    EXPECT_EQ(read.values, values);
    EXPECT_EQ(stateFileText({{"b", "2"}, {"a", "1"}, {"bad key", "x"}, {"c", "line\nbreak"}}),
              "[DeskState]\na=1\nb=2\n");
}

TEST(StateFile, AFileThatIsNotOfItsFormIsIgnoredWithTheReason) {
    test::ScratchFolder scratch{"statefile"};
    const struct {
        const char* bytes;
        const char* problem;
    } broken[] = {
        {"", "文件为空"},
        {"\x89PNG\r\n\x1a\n", "第 1 行不是 [DeskState]"},
        {"[DeskState]\nlist.a=1\nno equals sign\n", "第 3 行无法识别"},
        {"[DeskState]\nkey with space=1\n", "第 2 行无法识别"},
        {"[DeskState]\nk=\xff\xfe\n", "第 2 行无法识别"},
    };
    for (const auto& file : broken) {
        scratch.write("DeskState.ini", file.bytes);
        const StateFile read = readStateFile(scratch.file("DeskState.ini"));
        EXPECT_EQ(read.outcome, StateFile::Outcome::Unreadable) << file.bytes;
        EXPECT_EQ(read.problem, file.problem) << file.bytes;
        EXPECT_TRUE(read.values.empty());
    }
    // A folder in the file's place is no file.
    ASSERT_EQ(::mkdir(scratch.file("Folder.ini").c_str(), 0700), 0);
    EXPECT_EQ(readStateFile(scratch.file("Folder.ini")).outcome, StateFile::Outcome::Unreadable);
    // Windows line ends and blank lines are read.
    scratch.write("DeskState.ini", "\r\n[DeskState]\r\n\r\nview=5\r\n");
    const StateFile read = readStateFile(scratch.file("DeskState.ini"));
    ASSERT_EQ(read.outcome, StateFile::Outcome::Read);
    EXPECT_EQ(read.values.at("view"), "5");
}

}  // namespace
}  // namespace korvant
