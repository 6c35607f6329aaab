#include <functional>

#include "SimTestClient.h"

namespace korvant::sim::test {
namespace {

class Administration : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(admin.login("admin", "admin").size(), 44); }
    std::unique_ptr<SimServerThread> server = startServer("demo");
    SimClient admin{server->port()};
};

TEST_F(Administration, AddModifyDeleteAdministrator) {
    uint32_t local = 127 | 1u << 24;  // 127.0.0.1 as it travels
    Reply added =
        admin.addAdministrator("lisi", "pw1", 0x7, 6, "李四", {local, 0, 0, 0, 0}, 100501, 100600);
    ASSERT_TRUE(added.accepted()) << added.resultText();
    auto a = findRecord(admin.administrators(6, 0), 136, "lisi");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(readPlainText(a + 16, 16), "pw1");
    EXPECT_EQ(getU32(a + 32), 0x7u);
    EXPECT_EQ(readPlainText(a + 36, 32), "杭州组");
    EXPECT_EQ(readPlainText(a + 72, 32), "李四");
    EXPECT_EQ(getU32(a + 108), local);
    EXPECT_EQ(getI32(a + 128), 100501);

    Reply duplicate = admin.addAdministrator("lisi", "x", 0, 6, "重复");
    EXPECT_TRUE(duplicate.refused());
    EXPECT_TRUE(contains(duplicate.resultText(), "已存在"));
    EXPECT_TRUE(admin.addAdministrator("wangwu", "x", 0, 99, "无组").refused());

    // Empty address entries are packed away; the group does not change.
    ASSERT_TRUE(
        admin.modifyAdministrator("lisi", "pw2", 0x3F, "李四四", {0, local, 0, 0, 0}, -5, 10)
            .accepted());
    a = findRecord(admin.administrators(6, 0), 136, "lisi");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(readPlainText(a + 16, 16), "pw2");
    EXPECT_EQ(getU32(a + 32), 0x3Fu);
    EXPECT_EQ(getU32(a + 108), local);
    EXPECT_EQ(getU32(a + 112), 0u);
    EXPECT_EQ(getI32(a + 128), 0);
    EXPECT_EQ(getI32(a + 68), 6);
    EXPECT_TRUE(admin.modifyAdministrator("nobody", "x", 0, "x").refused());

    SimClient lisi(server->port());
    EXPECT_EQ(lisi.login("lisi", "pw2").u32(40), 0x3Fu);

    EXPECT_TRUE(admin.accountRequest(cmd::DeleteAdministrator, "lisi").accepted());
    EXPECT_EQ(findRecord(admin.administrators(6, 0), 136, "lisi"), nullptr);
    EXPECT_TRUE(admin.accountRequest(cmd::DeleteAdministrator, "lisi").refused());
    EXPECT_TRUE(admin.accountRequest(cmd::DeleteAdministrator, "admin").refused());
}

TEST_F(Administration, PermissionsAndReachOfTheOperator) {
    SimClient desk(server->port());
    ASSERT_EQ(desk.login("hz01", "hz123").size(), 44);  // mask 0x3, group 6
    EXPECT_TRUE(desk.addAdministrator("x1", "x", 0, 6, "x").refused());
    SimClient department(server->port());
    ASSERT_EQ(department.login("huadong", "hd123").size(), 44);  // group 2
    EXPECT_TRUE(department.addAdministrator("x2", "x", 0, 5, "x").accepted());
    Reply outside = department.addAdministrator("x3", "x", 0, 7, "x");
    EXPECT_TRUE(outside.refused());
    SimClient anonymous(server->port());
    Reply before = anonymous.addAdministrator("x4", "x", 0, 5, "x");
    EXPECT_EQ(before.resultText(), "请先登录");
}

// Each guarded request is refused on its own bit of the operator's mask:
// refused without that bit (all others held), past the check with only that
// bit (then refused for its missing target, so nothing changes).
TEST_F(Administration, EachOperationIsGuardedByItsOwnPermissionBit) {
    ASSERT_TRUE(admin.addAdministrator("guard", "pw", 0, 1, "守门").accepted());
    const struct {
        uint32_t bit;
        std::function<Reply(SimClient&)> send;
        std::string refusal;
    } cases[] = {
        {0x1, [](SimClient& c) { return c.addSubAccount("990001", "x", 5, "x", "nomain"); },
         "没有添加子账号的权限"},
        {0x2, [](SimClient& c) { return c.modifySubAccount(0x01, 5, "x", "", "", "999999", ""); },
         "没有修改子账号的权限"},
        {0x4, [](SimClient& c) { return c.accountRequest(cmd::DeleteSubAccount, "999999"); },
         "没有删除子账号的权限"},
        {0x8, [](SimClient& c) { return c.addAdministrator("nobody", "x", 0, 99, "x"); },
         "没有添加管理员的权限"},
        {0x10, [](SimClient& c) { return c.modifyAdministrator("nobody", "x", 0, "x"); },
         "没有修改管理员的权限"},
        {0x20, [](SimClient& c) { return c.accountRequest(cmd::DeleteAdministrator, "nobody"); },
         "没有删除管理员的权限"},
        {0x8, [](SimClient& c) { return c.addGroup("x", 99999, ""); }, "没有添加组的权限"},
        {0x10, [](SimClient& c) { return c.modifyGroup(0, "x", 99999, 0, ""); },
         "没有修改组的权限"},
        {0x1, [](SimClient& c) { return c.addMainAccount("nomain", 0, "nocode"); },
         "没有添加主账号的权限"},
        {0x20, [](SimClient& c) { return c.accountRequest(cmd::DeleteMainAccount, "nomain"); },
         "没有删除主账号的权限"},
    };
    SimClient guard(server->port());
    ASSERT_EQ(guard.login("guard", "pw").size(), 44);
    for (const auto& c : cases) {
        ASSERT_TRUE(admin.modifyAdministrator("guard", "pw", 0xFFFFF & ~c.bit, "守门").accepted());
        EXPECT_EQ(c.send(guard).resultText(), c.refusal);
        ASSERT_TRUE(admin.modifyAdministrator("guard", "pw", c.bit, "守门").accepted());
        const Reply allowed = c.send(guard);
        EXPECT_TRUE(allowed.refused()) << c.refusal;
        EXPECT_NE(allowed.resultText(), c.refusal);
    }
}

TEST_F(Administration, ChangeOwnPassword) {
    SimClient user(server->port());
    ASSERT_EQ(user.login("sh01", "sh123").size(), 44);
    Reply wrong = user.changePassword("nope", "new1");
    EXPECT_TRUE(wrong.refused());
    EXPECT_EQ(wrong.resultText(), "当前密码错误");
    EXPECT_TRUE(user.changePassword("sh123", "new1").accepted());
    SimClient again(server->port());
    EXPECT_TRUE(again.login("sh01", "sh123").refused());
    EXPECT_EQ(again.login("sh01", "new1").size(), 44);
}

TEST_F(Administration, AddGroupsUnderRootAndDepartment) {
    Reply added = admin.addGroup("西南投资部", 1, "成都", 100, 400001, 499999);
    ASSERT_EQ(added.command(), cmd::AddGroup);
    ASSERT_EQ(added.size(), 8);
    int32_t id = added.i32(4);
    auto g = findRecord(admin.groups(0), 156, "西南投资部", 0, 32);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(getI32(g + 32), id);
    EXPECT_EQ(readPlainText(g + 128, 16), "04");
    EXPECT_EQ(getI32(g + 144), 100);
    EXPECT_EQ(getI32(g + 152), 499999);

    Reply desk = admin.addGroup("成都组", id, "", 50, 1, 2);
    ASSERT_EQ(desk.command(), cmd::AddGroup);
    g = findRecord(admin.groups(0), 156, "成都组", 0, 32);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(readPlainText(g + 128, 16), "0401");
    EXPECT_EQ(getI32(g + 144), 0);  // only first-level groups carry a quota

    Reply duplicate = admin.addGroup("成都组", id, "");
    EXPECT_TRUE(duplicate.refused());
    EXPECT_TRUE(contains(duplicate.resultText(), "已存在"));
    EXPECT_TRUE(admin.addGroup("三级组", desk.i32(4), "").refused());
    EXPECT_TRUE(admin.addGroup("重叠", 1, "", 10, 150000, 160000).refused());
    EXPECT_TRUE(admin.addGroup("倒置", 1, "", 10, 600000, 500000).refused());
    EXPECT_TRUE(admin.addGroup("", 1, "").refused());
    EXPECT_TRUE(admin.addGroup("孤儿", 999, "").refused());
}

TEST_F(Administration, ModifyGroupKeepsRemarkUnlessFlagged) {
    ASSERT_TRUE(admin.modifyGroup(0x00, "杭州二组", 6, 2, "新备注").accepted());
    auto g = findRecord(admin.groups(0), 156, "杭州二组", 0, 32);
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(readPlainText(g + 88, 32), "");
    ASSERT_TRUE(admin.modifyGroup(0x10, "杭州二组", 6, 2, "新备注").accepted());
    g = findRecord(admin.groups(0), 156, "杭州二组", 0, 32);
    EXPECT_EQ(readPlainText(g + 88, 32), "新备注");
    EXPECT_TRUE(admin.modifyGroup(0x01, "杭州二组", 6, 3, "").refused());
    EXPECT_TRUE(admin.modifyGroup(0, "上海一组", 6, 2, "").refused());  // sibling's name
    // A department's range must still hold its sub-accounts (100101 upward).
    EXPECT_TRUE(admin.modifyGroup(0, "华东投资部", 2, 1, "", 300, 100200, 199999).refused());
    EXPECT_TRUE(admin.modifyGroup(0, "华东投资部", 2, 1, "", 300, 100001, 150000).accepted());
    EXPECT_TRUE(admin.modifyGroup(0, "华东投资部", 2, 1, "", 3, 100001, 150000).refused());
    EXPECT_TRUE(admin.modifyGroup(0, "不存在", 77, 1, "").refused());
}

TEST_F(Administration, CompressedBodiesAreCheckedAndPlainOnesAccepted) {
    std::vector<uint8_t> corrupt = {12, 0, 1, cmd::AddGroup, 0x78, 0x9c, 1, 2, 3, 4, 5, 6};
    Reply r = admin.send(corrupt.data(), static_cast<int>(corrupt.size()));
    EXPECT_TRUE(r.refused());
    EXPECT_EQ(r.resultText(), "数据包解压失败");
    // A body that inflates beyond its layout is refused without inflating it all.
    std::vector<uint8_t> plain(1000, 0);
    PacketWriter(plain.data(), 1000, 1000, cmd::ModifySubAccount).i32(4, 1);
    std::vector<uint8_t> out(1200);
    int n = writeCompressedRequest(plain.data(), 1000, out.data(), 1200);
    EXPECT_TRUE(admin.send(out.data(), n).refused());
    // The desk sends a request plain when compression fails.
    Reply uncompressed = admin.request(cmd::AddGroup, 124,
                                       [](PacketWriter& w) { w.text(4, 32, "明文组").i32(36, 2); });
    EXPECT_EQ(uncompressed.command(), cmd::AddGroup);
}

}  // namespace
}  // namespace korvant::sim::test
