#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "local/ServerList.h"
#include "protocol/Gbk.h"
#include "support/ScratchFolder.h"

namespace korvant {
namespace {

TEST(ServerList, ReadsNamesAddressesAndPortsByPosition) {
    auto list = ServerList::parse(
        "[Server]\r\nName1=  主服务器 \r\nAddr1=10.0.0.1\r\nPort1=8801\r\n"
        "Name2=备用\r\nAddr2=backup.example\r\nPort2=8802\r\n");
    ASSERT_EQ(list.names(), (std::vector<std::string>{"主服务器", "备用"}));
    EXPECT_EQ(list.address(0), "10.0.0.1");
    EXPECT_EQ(list.port(0), 8801);
    EXPECT_EQ(list.address(1), "backup.example");
    EXPECT_EQ(list.port(1), 8802);
    EXPECT_EQ(list.address(2), "");
    EXPECT_EQ(list.port(-1), 0);
}

TEST(ServerList, AGapOrABlankNameEndsTheList) {
    auto gap = ServerList::parse("[Server]\nName1=a\nName2=b\nName4=d\nAddr4=x\nPort4=4\n");
    EXPECT_EQ(gap.names(), (std::vector<std::string>{"a", "b"}));

    auto blank = ServerList::parse("[Server]\nName1=a\nName2=  \t \nName3=c\n");
    EXPECT_EQ(blank.names(), (std::vector<std::string>{"a"}));

    EXPECT_TRUE(ServerList::parse("[Server]\nName2=b\n").empty());
}

TEST(ServerList, MissingAddressAndPortReadAsEmptyAndZero) {
    auto list = ServerList::parse("[Server]\nName1=a\nPort1=abc\nName2=b\nPort2=77xyz\n");
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list.address(0), "");
    EXPECT_EQ(list.port(0), 0);
    EXPECT_EQ(list.port(1), 77);
}

TEST(ServerList, ProfileReadingIsTolerant) {
    // Keys and sections in any case, comments, other sections, blanks around
    // '=', quoted values, Unix line ends, a key repeated (the first counts).
    auto list = ServerList::parse(
        "; servers of the desk\n[Other]\nName1=wrong\n[ server ]\n"
        "NAME1 = \"first\" \naddr1=  host1  \nport1 = 0100\nName1=later\n"
        "[server]\nName2=second\n");
    EXPECT_EQ(list.names(), (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(list.address(0), "host1");
    EXPECT_EQ(list.port(0), 100);
}

TEST(ServerList, GbkAndUtf8FilesGiveTheSameNames) {
    std::string utf8 = "[Server]\r\nName1=上海期货\r\nAddr1=127.0.0.1\r\nPort1=9000\r\n";
    auto fromUtf8 = ServerList::parse(utf8);
    auto fromBom = ServerList::parse("\xEF\xBB\xBF" + utf8);
    auto fromGbkFile = ServerList::parse(toGbk(utf8));
    for (const auto* list : {&fromUtf8, &fromBom, &fromGbkFile}) {
        ASSERT_EQ(list->size(), 1);
        EXPECT_EQ(list->names()[0], "上海期货");
        EXPECT_EQ(list->port(0), 9000);
    }
}

TEST(ServerList, LongNamesAreCutOnWholeCharacters) {
    // 40 two-byte characters: 80 GBK bytes, cut to 31 characters (62 bytes).
    std::string name;
    for (int i = 0; i < 40; ++i) name += "服";
    auto list = ServerList::parse("[Server]\nName1=" + name + "\n");
    ASSERT_EQ(list.size(), 1);
    EXPECT_EQ(toGbk(list.names()[0]).size(), 62u);
    auto gbkList = ServerList::parse(toGbk("[Server]\nName1=" + name + "\n"));
    EXPECT_EQ(gbkList.names(), list.names());
}

TEST(ServerList, MissingFileGivesAnEmptyList) {
    EXPECT_TRUE(ServerList::read("/nonexistent/dir/Server.ini").empty());
    const test::ScratchFolder scratch("serverlist");
    const auto path = scratch.file("Server.ini");
    std::ofstream(path, std::ios::binary) << toGbk("[Server]\nName1=测试\nAddr1=h\nPort1=1\n");
    auto list = ServerList::read(path);
    EXPECT_EQ(list.names(), std::vector<std::string>{"测试"});
}

}  // namespace
}  // namespace korvant
