#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "accounts/administrators/AdministratorForm.h"
#include "accounts/administrators/AdministratorOperations.h"
#include "accounts/administrators/AdministratorRequests.h"
#include "accounts/administrators/AdministratorSort.h"
#include "accounts/administrators/PasswordForm.h"
#include "app/desk/Desk.h"
#include "app/lists/AccountListSort.h"
#include "model/Administrator.h"
#include "model/Group.h"
#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"
#include "support/ScriptedPort.h"

namespace korvant {
namespace {

std::vector<Group> someGroups() {
    Group root;
    root.id = 1;
    root.name = "总部";
    Group own;
    own.id = 7;
    own.name = "自己";
    own.groupCode = "01";
    Group other;
    other.id = 8;
    other.name = "别的";
    other.groupCode = "02";
    return {root, own, other};
}

AdministratorForm filledAddForm() {
    AdministratorForm form = makeAddAdministratorForm(someGroups(), 7, {8, "别的"});
    form.account = "op1";
    form.password = "pw";
    form.name = "操作员";
    return form;
}

TEST(AdministratorForm, GroupComboOffersMoreThenOtherGroupsThenTheCurrentSelected) {
    AdministratorForm form = makeAddAdministratorForm(someGroups(), 7, {8, "别的"});
    ASSERT_EQ(form.groups.size(), 4u);
    EXPECT_EQ(form.groups[0].id, MoreGroupsChoice);
    EXPECT_EQ(form.groups[0].name, "更多...");
    EXPECT_EQ(form.groups[1].id, 1);
    EXPECT_EQ(form.groups[2].id, 8);  // the own group 7 is left out
    EXPECT_EQ(form.selectedGroupId(), 8);
    EXPECT_TRUE(form.multipleLogins);
    EXPECT_EQ(form.permissionMask, 0u);
}

TEST(AdministratorForm, AllDigitAccountIsRefusedOnAddOnly) {
    test::ScriptedPort port;
    AdministratorForm form = filledAddForm();
    form.account = "12345";
    EXPECT_FALSE(validateAdministratorForm(port, form, 20240102));
    EXPECT_EQ(port.lastMessage().text, "管理员账号不能为纯数字。");

    Administrator record;
    record.account = "12345";
    record.password = "pw";
    record.multiLogin = 0;
    AdministratorForm modify = makeModifyAdministratorForm(record, someGroups(), 7, {8, "别的"});
    EXPECT_FALSE(modify.adding);
    EXPECT_FALSE(modify.multipleLogins);
    EXPECT_TRUE(validateAdministratorForm(port, modify, 20240102));
    EXPECT_EQ(modify.date, 20240102);

    AdministratorForm mixed = filledAddForm();
    mixed.account = "12a45";
    EXPECT_TRUE(validateAdministratorForm(port, mixed, 20240102));
}

TEST(AdministratorForm, ChecksRunInOrderWithTheirTexts) {
    test::ScriptedPort port;
    AdministratorForm form = filledAddForm();
    form.account.clear();
    form.password.clear();
    EXPECT_FALSE(validateAdministratorForm(port, form, 1));
    EXPECT_EQ(port.lastMessage().text, "管理员不能为空!");

    form.account = "op1";
    EXPECT_FALSE(validateAdministratorForm(port, form, 1));
    EXPECT_EQ(port.lastMessage().text, "密码不能为空!");

    form.password = "pw";
    form.groupIndex = 0;  // "更多..."
    EXPECT_FALSE(validateAdministratorForm(port, form, 1));
    EXPECT_EQ(port.lastMessage().text, "请选择用户所在的组");
    form.groupIndex = -1;
    EXPECT_FALSE(validateAdministratorForm(port, form, 1));
    EXPECT_EQ(port.messages.size(), 4u);
    EXPECT_EQ(port.lastMessage().caption, "提示");
}

TEST(AdministratorForm, IpFieldsArePackedToTheFrontAndMonitoringBoundsClamped) {
    test::ScriptedPort port;
    AdministratorForm form = filledAddForm();
    form.ipTexts = {"", "10.0.0.1", "not an ip", "192.168.1.20", ""};
    form.monitorFrom = -5;
    form.monitorTo = 10;
    ASSERT_TRUE(validateAdministratorForm(port, form, 1));
    EXPECT_EQ(form.allowedIps[0], parseIpv4("10.0.0.1"));
    EXPECT_EQ(form.allowedIps[1], parseIpv4("192.168.1.20"));
    EXPECT_EQ(form.allowedIps[2], 0u);
    EXPECT_EQ(form.allowedIps[3], 0u);
    EXPECT_EQ(form.allowedIps[4], 0u);
    EXPECT_EQ(form.monitorFrom, 0);
    EXPECT_EQ(form.monitorTo, 10);

    uint8_t packet[AddAdministratorSize];
    ASSERT_EQ(writeAddAdministrator(form, 8, packet, sizeof packet), AddAdministratorSize);
    // Network byte order: the first dotted number comes first on the wire.
    const uint8_t first[4] = {10, 0, 0, 1};
    const uint8_t second[4] = {192, 168, 1, 20};
    EXPECT_EQ(std::memcmp(packet + 80, first, 4), 0);
    EXPECT_EQ(std::memcmp(packet + 84, second, 4), 0);
    for (int offset = 88; offset < 100; ++offset) EXPECT_EQ(packet[offset], 0) << offset;
    EXPECT_EQ(getI32(packet + 100), 0);
    EXPECT_EQ(getI32(packet + 104), 10);
}

TEST(Ipv4Text, ParsesDottedQuadsOnlyAndFormatsBack) {
    EXPECT_EQ(formatIpv4(parseIpv4("127.0.0.1")), "127.0.0.1");
    EXPECT_EQ(formatIpv4(parseIpv4(" 8.8.4.4 ")), "8.8.4.4");
    EXPECT_EQ(parseIpv4(""), 0u);
    EXPECT_EQ(parseIpv4("256.1.1.1"), 0u);
    EXPECT_EQ(parseIpv4("1.2.3"), 0u);
    EXPECT_EQ(parseIpv4("1.2.3.4.5"), 0u);
    EXPECT_EQ(parseIpv4("1..3.4"), 0u);
    EXPECT_EQ(parseIpv4("0001.2.3.4"), 0u);
    EXPECT_EQ(formatIpv4(0), "");
}

TEST(AdministratorRequests, AddCarriesTheFormAndTheCurrentGroup) {
    AdministratorForm form = filledAddForm();
    form.account = "averyveryverylongaccount";
    form.permissionMask = 0x80000041;
    form.multipleLogins = false;
    uint8_t packet[200];
    ASSERT_EQ(writeAddAdministrator(form, 8, packet, sizeof packet), 108);
    PacketHeader header = PacketHeader::read(packet);
    EXPECT_EQ(header.length, 108);
    EXPECT_EQ(header.flag, 0);
    EXPECT_EQ(header.command, 98);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(packet + 4)), "averyveryverylo");  // 15 + NUL
    EXPECT_EQ(std::string(reinterpret_cast<char*>(packet + 20)), "pw");
    EXPECT_EQ(getU32(packet + 36), 0x80000041u);
    EXPECT_EQ(getI32(packet + 40), 8);
    EXPECT_EQ(readPlainText(packet + 44, 32), "操作员");
    EXPECT_EQ(getI32(packet + 76), 0);
    EXPECT_EQ(writeAddAdministrator(form, 8, packet, 107), -1);
}

TEST(AdministratorRequests, ModifyHasTheFixedBytesAndNoGroup) {
    AdministratorForm form = filledAddForm();
    form.adding = false;
    form.account = "sixteencharsxxxx";
    form.password = "0123456789abcdefg";
    form.permissionMask = 0x1f;
    uint8_t packet[110];
    ASSERT_EQ(writeModifyAdministrator(form, packet, sizeof packet), 110);
    EXPECT_EQ(packet[3], 99);
    EXPECT_EQ(packet[4], 0);
    EXPECT_EQ(packet[5], 1);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(packet + 6)), "sixteencharsxxx");
    EXPECT_EQ(packet[21], 0);
    EXPECT_EQ(packet[37], 0);
    EXPECT_EQ(getU32(packet + 38), 0x1fu);
    EXPECT_EQ(getI32(packet + 42), 0);
    EXPECT_EQ(readPlainText(packet + 46, 32), "操作员");
    EXPECT_EQ(getI32(packet + 78), 1);
}

TEST(AdministratorRequests, DeleteIsAlwaysTwentyBytes) {
    uint8_t packet[64];
    for (const std::string account : {"a", "exactly15chars_", "much-longer-than-sixteen-bytes"}) {
        std::memset(packet, 0xEE, sizeof packet);
        ASSERT_EQ(writeDeleteAdministrator(account, packet, sizeof packet), 20) << account;
        EXPECT_EQ(PacketHeader::read(packet).length, 20);
        EXPECT_EQ(packet[3], 15);
        EXPECT_EQ(packet[19], 0);
        EXPECT_EQ(packet[20], 0xEE);  // nothing written beyond the packet
    }
    EXPECT_EQ(std::string(reinterpret_cast<char*>(packet + 4)), "much-longer-tha");
}

TEST(PasswordForm, RefusesEmptyAndDifferingPasswords) {
    test::ScriptedPort port;
    PasswordForm form;
    EXPECT_FALSE(validatePasswordForm(port, form));
    EXPECT_EQ(port.lastMessage().text, "请输入当前密码!");
    form.current = "old";
    form.next = "new";
    EXPECT_FALSE(validatePasswordForm(port, form));
    EXPECT_EQ(port.lastMessage().text, "新密码不能为空!");
    form.confirmation = "nwe";
    EXPECT_FALSE(validatePasswordForm(port, form));
    EXPECT_EQ(port.lastMessage().text, "两次新密码不一致!");
    form.confirmation = "new";
    EXPECT_TRUE(validatePasswordForm(port, form));

    uint8_t packet[36];
    ASSERT_EQ(writeChangePassword(form.current, form.next, packet, sizeof packet), 36);
    EXPECT_EQ(packet[3], 19);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(packet + 4)), "old");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(packet + 20)), "new");
}

Administrator admin(const std::string& account, uint32_t mask, const std::string& name) {
    Administrator a;
    a.account = account;
    a.permissionMask = mask;
    a.name = name;
    return a;
}

std::vector<std::string> accounts(std::span<const Administrator> records) {
    std::vector<std::string> out;
    for (const Administrator& a : records) out.push_back(a.account);
    return out;
}

TEST(AdministratorSort, OneDirectionFlagForAllColumnsAndNumericMask) {
    std::vector<Administrator> list = {admin("b", 9, "x"), admin("a", 10, "z"),
                                       admin("c", 100, "y")};
    AdministratorSorter sorter;
    ASSERT_TRUE(sorter.sortByColumn(list, 0));
    EXPECT_EQ(accounts(list), (std::vector<std::string>{"a", "b", "c"}));
    // The next click, on another column, sorts the other way round.
    ASSERT_TRUE(sorter.sortByColumn(list, 2));
    EXPECT_EQ(accounts(list), (std::vector<std::string>{"c", "a", "b"}));  // 100, 10, 9
    ASSERT_TRUE(sorter.sortByColumn(list, 2));
    EXPECT_EQ(accounts(list), (std::vector<std::string>{"b", "a", "c"}));
    EXPECT_FALSE(sorter.sortByColumn(list, 5));  // "监控范围" does not sort
    EXPECT_TRUE(sorter.ascending());
}

TEST(AdministratorSort, TextColumnsCompareGbkBytes) {
    // GBK puts 啊 (B0A1) before 张 (D5C5) and both after ASCII.
    std::vector<Administrator> list = {admin("1", 0, "张三"), admin("2", 0, "zz"),
                                       admin("3", 0, "啊")};
    AdministratorSorter sorter;
    sorter.sortByColumn(list, 4);
    EXPECT_EQ(accounts(list), (std::vector<std::string>{"2", "3", "1"}));
}

TEST(AccountListSort, TheCoreSortsTheCacheOfAListWhoseAreaSortsIt) {
    test::ScriptedPort port;
    Desk desk(port);
    registerAdministratorActions(desk);
    int redrawn = 0;
    desk.subscribe([&](DeskChange c) { redrawn += c == DeskChange::AccountList; });
    desk.accounts().administrators.records = {admin("b", 9, ""), admin("a", 10, ""),
                                              admin("c", 100, "")};
    const auto listed = [&] { return accounts(desk.accounts().administrators.records); };

    ASSERT_TRUE(sortAccountList(desk, AccountList::Administrators, 0));
    EXPECT_EQ(listed(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(accountListSort(desk, AccountList::Administrators).column, 0);
    EXPECT_TRUE(accountListSort(desk, AccountList::Administrators).ascending);
    // Columns and lists that do not sort change nothing and redraw nothing.
    EXPECT_FALSE(sortAccountList(desk, AccountList::Administrators, 5));
    EXPECT_FALSE(sortAccountList(desk, AccountList::MainAccounts, 0));
    EXPECT_EQ(accountListSort(desk, AccountList::Administrators).column, 0);
    EXPECT_EQ(redrawn, 1);
    // A new page is in the server's order; the next click still reverses.
    forgetAccountListSort(desk, AccountList::Administrators);
    EXPECT_EQ(accountListSort(desk, AccountList::Administrators).column, -1);
    ASSERT_TRUE(sortAccountList(desk, AccountList::Administrators, 2));
    EXPECT_EQ(listed(), (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_FALSE(accountListSort(desk, AccountList::Administrators).ascending);
}

TEST(AdministratorSort, RemovalMovesTheFollowingRecordsUp) {
    RecordCache<Administrator> cache;
    cache.records = {admin("a", 0, ""), admin("b", 0, ""), admin("c", 0, "")};
    EXPECT_TRUE(removeAdministrator(cache, 1));
    EXPECT_EQ(accounts(cache.records), (std::vector<std::string>{"a", "c"}));
    EXPECT_FALSE(removeAdministrator(cache, 2));
    EXPECT_FALSE(removeAdministrator(cache, -1));
}

}  // namespace
}  // namespace korvant
