#include <gtest/gtest.h>

#include <functional>

#include "AccountDeskFixture.h"
#include "accounts/subaccounts/SubAccountForm.h"
#include "accounts/subaccounts/SubAccountOperations.h"
#include "model/MainAccount.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

using test::AccountDeskFixture;
using test::Bytes;
using test::FakeServer;

Bytes linkRecord(const std::string& account) {
    MainAccountLink link{account, 0};
    Bytes r(MainAccountLink::WireSize, 0);
    link.toWire(r.data());
    return r;
}

SubAccount subAccount(const std::string& account, const std::string& main) {
    SubAccount s;
    s.account = account;
    s.name = "名" + account;
    s.mainAccount = main;
    s.groupId = 12;
    return s;
}

TEST(SubAccountOperations, FailureOnTheSecondOfThreeDeletionsStillSendsTheThird) {
    AccountDeskFixture f;
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 14 && AccountDeskFixture::textAt(request, 4, 16) == "102")
            return FakeServer::resultPacket(1, "账号不存在");
        return {};
    };
    f.port.answerYes();
    deleteSubAccounts(f.desk,
                      {subAccount("101", "M1"), subAccount("102", "M1"), subAccount("103", "M2")});

    EXPECT_EQ(f.commands(), (std::vector<int>{14, 14, 14, 4}));
    const auto requests = f.server.requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(requests[0].size(), 20u);
    EXPECT_EQ(AccountDeskFixture::textAt(requests[2], 4, 16), "103");
    EXPECT_EQ(f.statusDetails(),
              (std::vector<std::string>{
                  "账号:101, 名称:名101, 隶属:M1", "删除 101 成功", "账号:102, 名称:名102, 隶属:M1",
                  "删除 102 失败！账号不存在", "账号:103, 名称:名103, 隶属:M2", "删除 103 成功"}));
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{"账号不存在"});
}

TEST(SubAccountOperations, DeleteAsksOnceWithTheCountLineAndStopsOnNo) {
    AccountDeskFixture f;
    std::vector<SubAccount> six;
    for (int i = 1; i <= 6; ++i) six.push_back(subAccount(std::to_string(100 + i), "M"));
    f.port.answerNo();
    deleteSubAccounts(f.desk, six);
    ASSERT_EQ(f.port.questions.size(), 1u);
    const std::string& text = f.port.questions[0].message.text;
    EXPECT_NE(text.find("子账号: 104"), std::string::npos);
    EXPECT_EQ(text.find("子账号: 105"), std::string::npos);
    EXPECT_NE(text.find("...\n\n共 6 个"), std::string::npos);
    EXPECT_EQ(f.port.questions[0].message.icon, MessageIcon::Question);
    EXPECT_TRUE(f.server.requests().empty());

    // Without the permission nothing is asked or sent.
    f.desk.session().permissionMask = 0x3;
    deleteSubAccounts(f.desk, six);
    EXPECT_EQ(f.port.questions.size(), 1u);
    EXPECT_EQ(f.port.lastMessage().text, "你没有删除子账号的权限。");
}

TEST(SubAccountOperations, AddLoadsTheLinksFirstAndSendsTheRewrittenNumber) {
    AccountDeskFixture f;
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 64)
            return AccountDeskFixture::listAnswer(64, {linkRecord("M1"), linkRecord("M2")});
        return {};
    };
    std::vector<std::string> offered;
    f.port.queueForm<SubAccountForm>([&](SubAccountForm& form) {
        offered = form.mainAccounts;
        EXPECT_EQ(form.mainAccountIndex, 0);
        EXPECT_FALSE(form.groupEditable());
        form.account = "0042";
        form.password = "pw";
        form.mac = "aa-bb";
        form.mainAccountIndex = 1;
        return true;
    });
    addSubAccount(f.desk, f.view.state().group);
    EXPECT_EQ(offered, (std::vector<std::string>{"M1", "M2"}));
    ASSERT_EQ(f.commands(), (std::vector<int>{64, 8, 4}));
    const Bytes add = f.server.requests()[1];
    ASSERT_EQ(add.size(), 202u);
    EXPECT_EQ(AccountDeskFixture::textAt(add, 4, 16), "42");
    EXPECT_EQ(AccountDeskFixture::textAt(add, 86, 16), "M2");
    EXPECT_EQ(AccountDeskFixture::textAt(add, 102, 32), "AABB");
    int32_t groupId;
    std::memcpy(&groupId, add.data() + 40, 4);
    EXPECT_EQ(groupId, 12);
    ASSERT_EQ(f.statusDetails().size(), 2u);
    EXPECT_EQ(f.statusDetails()[1], "添加 42 成功");
}

TEST(SubAccountOperations, ModifySendsTheChangeFlagsOfWhatWasEdited) {
    struct Case {
        std::function<void(SubAccountForm&)> edit;
        int32_t flags;
    };
    const Case cases[] = {
        {[](SubAccountForm& form) { form.password = "new"; }, 0x01},
        {[](SubAccountForm& form) { form.remark = "新备注"; }, 0x10},
        {[](SubAccountForm& form) { form.noSingleSideMargin = true; }, 0x10},
    };
    for (const Case& c : cases) {
        AccountDeskFixture f;
        f.answer = [](const Bytes& request) -> Bytes {
            if (request[3] == 64) return AccountDeskFixture::listAnswer(64, {linkRecord("M1")});
            return {};
        };
        Group own, other, sibling;
        own.id = 12;
        own.groupCode = "0101";
        other.id = 13;
        other.groupCode = "0201";
        sibling.id = 14;
        sibling.groupCode = "0102";
        f.desk.reference().groups.records = {other, own, sibling};
        SubAccount record = subAccount("77", "m1");  // matched without regard to case
        record.password = "old";
        record.options = 0x100;
        f.port.queueForm<SubAccountForm>([&](SubAccountForm& form) {
            EXPECT_EQ(form.mainAccountIndex, 0);
            EXPECT_EQ(form.groups.size(), 2u);  // the second-level groups under "01"
            EXPECT_EQ(form.groupIndex, 0);
            form.mainAccounts[0] = "m1";  // as recorded
            c.edit(form);
            return true;
        });
        modifySubAccount(f.desk, f.view.state().group.id, &record);
        ASSERT_EQ(f.commands(), (std::vector<int>{64, 11, 4}));
        const Bytes request = f.server.requests()[1];
        EXPECT_EQ(request[2], FlagCompressed);
        uint8_t plain[WorkCopySize];
        ASSERT_EQ(
            inflatePacket(request.data(), static_cast<int>(request.size()), plain, sizeof plain),
            196);
        int32_t flags, options;
        std::memcpy(&flags, plain + 4, 4);
        std::memcpy(&options, plain + 192, 4);
        EXPECT_EQ(flags, c.flags);
        EXPECT_EQ(options & ~0x3, 0x100);  // bits beyond the check boxes kept
        EXPECT_EQ(f.statusDetails().back(), "修改 77 成功");
    }
}

TEST(SubAccountOperations, LostConnectionEndsTheProgramAfterTheFailureRow) {
    AccountDeskFixture f(false);
    f.server.script(0).awaitRequest().close();
    f.connect();
    f.port.answerYes();
    EXPECT_THROW(deleteSubAccounts(f.desk, {subAccount("5", "M")}), ProgramEnd);
    EXPECT_EQ(f.port.lastMessage().text, " 与服务器的联接断开了!");
    EXPECT_EQ(f.statusDetails().back(), "删除 5 失败！");
}

}  // namespace
}  // namespace korvant

namespace korvant {
namespace {

TEST(SubAccountOperations, AddQueriesTheListAgainAfterAnUndispatchableAcknowledgement) {
    AccountDeskFixture f;
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 8) return AccountDeskFixture::undispatchableAck();
        if (request[3] == 64) return AccountDeskFixture::listAnswer(64, {linkRecord("M1")});
        return {};
    };
    f.port.queueForm<SubAccountForm>([](SubAccountForm& form) {
        form.account = "42";
        form.password = "pw";
        return true;
    });
    EXPECT_FALSE(addSubAccount(f.desk, f.view.state().group));
    EXPECT_EQ(f.commands(), (std::vector<int>{64, 8, 4}));
    ASSERT_EQ(f.statusDetails().size(), 2u);
    EXPECT_EQ(f.statusDetails()[1], "添加 42 失败！");
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{"解析数据包失败!"});
}

}  // namespace
}  // namespace korvant
