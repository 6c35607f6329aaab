#include <gtest/gtest.h>

#include "AccountDeskFixture.h"
#include "accounts/administrators/AdministratorForm.h"
#include "accounts/administrators/AdministratorOperations.h"
#include "accounts/administrators/PasswordForm.h"
#include "model/Administrator.h"
#include "protocol/Bytes.h"

namespace korvant {
namespace {

using test::AccountDeskFixture;
using test::Bytes;
using test::FakeServer;

Administrator admin(const std::string& account) {
    Administrator a;
    a.account = account;
    a.password = "pw";
    a.permissionMask = 0x18;
    a.groupName = "二级组";
    a.name = "名" + account;
    return a;
}

Bytes adminRecord(const Administrator& a) {
    Bytes r(Administrator::WireSize, 0);
    a.toWire(r.data());
    return r;
}

TEST(AdministratorOperations, AddSendsTheFormThenListsTheSamePageAgain) {
    AccountDeskFixture f;
    f.desk.accounts().administrators.cursor = {3, 2};
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 97)
            return AccountDeskFixture::listAnswer(97, {adminRecord(admin("new1"))}, 3, 2);
        return {};
    };
    f.port.queueForm<AdministratorForm>([](AdministratorForm& form) {
        form.account = "new1";
        form.password = "secret";
        form.name = "新人";
        form.permissionMask = 0x41;
        return true;
    });
    addAdministrator(f.desk, f.view.state().group);

    EXPECT_EQ(f.commands(), (std::vector<int>{98, 97}));
    const auto requests = f.server.requests();
    EXPECT_EQ(requests[0].size(), 108u);
    EXPECT_EQ(getI32(requests[0].data() + 40), 12);  // the current group
    EXPECT_EQ(getI32(requests[1].data() + 76), 2);   // the page it was on
    EXPECT_EQ(f.statusDetails(),
              (std::vector<std::string>{"账号:new1, 密码:secret, 权限:65, 名称:新人, 组:二级组",
                                        "添加 new1 成功"}));
    ASSERT_EQ(f.desk.accounts().administrators.count(), 1);
    EXPECT_TRUE(f.port.messages.empty());
}

TEST(AdministratorOperations, AllDigitAccountKeepsTheAddDialogOpenAndSendsNothing) {
    AccountDeskFixture f;
    f.port.queueForm<AdministratorForm>([](AdministratorForm& form) {
        form.account = "8001";
        form.password = "pw";
        return true;
    });
    addAdministrator(f.desk, f.view.state().group);
    ASSERT_EQ(f.port.forms.size(), 1u);
    EXPECT_EQ(f.port.forms[0].refusals, 1);
    EXPECT_FALSE(f.port.forms[0].accepted);
    EXPECT_TRUE(f.server.requests().empty());
    EXPECT_TRUE(f.desk.statusList().empty());
}

TEST(AdministratorOperations, ModifyRefusedByTheServerLeavesTheCacheAlone) {
    AccountDeskFixture f;
    f.desk.accounts().administrators.records = {admin("a1"), admin("a2")};
    f.answer = [](const Bytes&) { return FakeServer::resultPacket(1, "没有此管理员"); };
    f.port.queueForm<AdministratorForm>([](AdministratorForm& form) {
        EXPECT_FALSE(form.adding);
        EXPECT_EQ(form.account, "a2");
        form.password = "new";
        form.permissionMask = 0xFF;
        return true;
    });
    modifyAdministrator(f.desk, {1}, f.view.state().group);

    EXPECT_EQ(f.commands(), std::vector<int>{99});
    // The start row shows the mask as listed before the change.
    EXPECT_EQ(f.statusDetails(), (std::vector<std::string>{"账号:a2, 密码:new, 权限:24, 名称:名a2",
                                                           "修改 a2 失败！没有此管理员"}));
    EXPECT_EQ(f.port.lastMessage().text, "没有此管理员");
    EXPECT_EQ(f.port.lastMessage().icon, MessageIcon::Error);
    EXPECT_EQ(f.desk.accounts().administrators.at(1).password, "pw");

    f.port.clearRecords();
    modifyAdministrator(f.desk, {0, 1}, f.view.state().group);
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{"不支持批量修改。"});
    modifyAdministrator(f.desk, {}, f.view.state().group);
    EXPECT_EQ(f.port.messages.size(), 1u);
    EXPECT_EQ(f.server.requests().size(), 1u);
}

TEST(AdministratorOperations, DeleteRemovesTheRecordWithoutAQuery) {
    AccountDeskFixture f;
    f.desk.accounts().administrators.records = {admin("a1"), admin("a2"), admin("a3")};

    deleteAdministrator(f.desk, {0, 2});
    EXPECT_EQ(f.port.lastMessage().text, "管理员不能批量删除。");
    EXPECT_EQ(f.port.lastMessage().icon, MessageIcon::Error);

    f.port.answerNo();
    deleteAdministrator(f.desk, {1});
    ASSERT_EQ(f.port.questions.size(), 1u);
    EXPECT_EQ(f.port.questions[0].message.text,
              "确认删除以下管理员吗？\n\n管理员: a2    隶属: 二级组\n");
    EXPECT_TRUE(f.server.requests().empty());

    f.port.answerYes();
    deleteAdministrator(f.desk, {1});
    EXPECT_EQ(f.commands(), std::vector<int>{15});
    EXPECT_EQ(f.server.requests()[0].size(), 20u);
    ASSERT_EQ(f.desk.accounts().administrators.count(), 2);
    EXPECT_EQ(f.desk.accounts().administrators.at(1).account, "a3");
    EXPECT_EQ(f.statusDetails(),
              (std::vector<std::string>{"账号:a2, 名称:名a2, 隶属:二级组", "删除 a2 成功"}));
}

TEST(AdministratorOperations, LostConnectionEndsAddAndModify) {
    AccountDeskFixture f(false);
    f.server.script(0).awaitRequest().close();
    f.server.script(1).awaitRequest().close();
    f.connect();
    f.port.queueForm<AdministratorForm>([](AdministratorForm& form) {
        form.account = "x1";
        form.password = "pw";
        return true;
    });
    // Told as an answer that says nothing, then the end of the program.
    EXPECT_THROW(addAdministrator(f.desk, f.view.state().group), ProgramEnd);
    EXPECT_EQ(f.port.lastMessage().text, "服务器返回非确认包, 无法确定操作是否失败!");
    EXPECT_EQ(f.statusDetails().back(), "添加 x1 失败！");

    f.connect();
    f.desk.accounts().administrators.records = {admin("a1")};
    f.port.queueForm<AdministratorForm>([](AdministratorForm&) { return true; });
    EXPECT_THROW(modifyAdministrator(f.desk, {0}, f.view.state().group), ProgramEnd);
    EXPECT_EQ(f.port.lastMessage().text, "与服务器的连接断开了!");
    EXPECT_EQ(f.statusDetails().back(), "修改 a1 失败！");
}

TEST(AdministratorOperations, PasswordChangeSendsNothingWhenTheConfirmationDiffers) {
    AccountDeskFixture f;
    f.port.queueForm<PasswordForm>([](PasswordForm& form) {
        form.current = "old";
        form.next = "new1";
        form.confirmation = "new2";
        return true;
    });
    changeOwnPassword(f.desk);
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{"两次新密码不一致!"});
    EXPECT_TRUE(f.server.requests().empty());

    f.port.queueForm<PasswordForm>([](PasswordForm& form) {
        form.current = "old";
        form.next = form.confirmation = "new1";
        return true;
    });
    changeOwnPassword(f.desk);
    EXPECT_EQ(f.commands(), std::vector<int>{19});
    EXPECT_EQ(f.server.requests()[0].size(), 36u);
    EXPECT_EQ(f.port.lastMessage().text, "更改密码成功! 下次登陆请使用新密码!");
    EXPECT_TRUE(f.desk.statusList().empty());
}

}  // namespace
}  // namespace korvant

namespace korvant {
namespace {

// Bits outside the check-list travel unchanged whatever the form says
// about them (a front end may hand over a whole mask).
TEST(AdministratorOperations, ModifyKeepsTheBitsOutsideTheCheckList) {
    AccountDeskFixture f;
    Administrator record = admin("a1");
    record.permissionMask = 0x02000003;
    f.desk.accounts().administrators.records = {record};
    f.port.queueForm<AdministratorForm>([](AdministratorForm& form) {
        EXPECT_EQ(form.permissionMask, 0x02000003u);
        form.permissionMask = 0x5;
        return true;
    });
    ASSERT_TRUE(modifyAdministrator(f.desk, {0}, f.view.state().group));
    ASSERT_FALSE(f.server.requests().empty());
    EXPECT_EQ(getU32(f.server.requests()[0].data() + 38), 0x02000005u);
}

}  // namespace
}  // namespace korvant
