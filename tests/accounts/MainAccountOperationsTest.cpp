#include <gtest/gtest.h>

#include <cstring>

#include "AccountDeskFixture.h"
#include "accounts/mainaccounts/MainAccountChangeForm.h"
#include "accounts/mainaccounts/MainAccountForm.h"
#include "accounts/mainaccounts/MainAccountLinkForm.h"
#include "accounts/mainaccounts/MainAccountOperations.h"
#include "app/actions/ActionDispatcher.h"

namespace korvant {
namespace {

using test::AccountDeskFixture;
using test::Bytes;
using test::FakeServer;

Bytes mainRecord(const std::string& account, double initialFunds = 0) {
    MainAccount m;
    m.account = account;
    m.initialFunds = initialFunds;
    m.feeRates = {0.5, 0.25, 1, 2, 3};
    Bytes r(MainAccount::WireSize, 0);
    m.toWire(r.data());
    return r;
}

Bytes value95(int32_t v) {
    Bytes body(4, 0);
    std::memcpy(body.data(), &v, 4);
    return FakeServer::packet(95, body);
}

// A server whose first-level group "01" has id 3 and two main accounts, on
// two pages.
Bytes parentGroupServer(const Bytes& request) {
    if (request[3] == 65) return value95(3);
    if (request[3] == 37) {
        int32_t group, page;
        std::memcpy(&group, request.data() + 4, 4);
        std::memcpy(&page, request.data() + 24, 4);
        if (group != 3) return AccountDeskFixture::listAnswer(37, {});
        return AccountDeskFixture::listAnswer(37, {mainRecord(page == 0 ? "P1" : "P2")}, 2, page);
    }
    return {};
}

TEST(MainAccountOperations, ModifyWithNothingChangedSendsNothing) {
    AccountDeskFixture f;
    MainAccount record = MainAccount::fromWire(mainRecord("M1").data());
    f.port.queueForm<MainAccountChangeForm>([](MainAccountChangeForm& form) {
        EXPECT_EQ(form.managementFee, "0.5");
        EXPECT_EQ(form.custodyFee, "0.25");
        return true;
    });
    modifyMainAccount(f.desk, &record);
    EXPECT_TRUE(f.server.requests().empty());
    EXPECT_TRUE(f.statusDetails().empty());

    f.port.queueForm<MainAccountChangeForm>([](MainAccountChangeForm& form) {
        form.custodyFee = "0.3";
        return true;
    });
    modifyMainAccount(f.desk, &record);
    ASSERT_EQ(f.commands(), (std::vector<int>{86, 37}));
    const Bytes request = f.server.requests()[0];
    ASSERT_EQ(request.size(), 136u);
    double fees[5];
    std::memcpy(fees, request.data() + 96, sizeof fees);
    EXPECT_EQ(fees[0], 0.5);
    EXPECT_EQ(fees[1], 0.3);
    EXPECT_EQ(fees[4], 3);
    EXPECT_EQ(f.statusDetails(),
              (std::vector<std::string>{"修改主账号:M1", "修改主账号:M1成功！"}));
}

TEST(MainAccountOperations, LinkingShowsAccountExistsWhateverTheServerSays) {
    AccountDeskFixture f;
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 66) return FakeServer::resultPacket(1, "服务器内部错误");
        return parentGroupServer(request);
    };
    std::vector<std::string> offered;
    f.port.queueForm<MainAccountLinkForm>([&](MainAccountLinkForm& form) {
        offered = form.accounts;
        form.selected = 1;
        return true;
    });
    linkMainAccount(f.desk, f.view.state().group.code);
    // The parent id, every page of its main accounts, then the link.
    EXPECT_EQ(f.commands(), (std::vector<int>{65, 37, 37, 66}));
    EXPECT_EQ(AccountDeskFixture::textAt(f.server.requests()[0], 4, 16), "01");
    EXPECT_EQ(offered, (std::vector<std::string>{"P1", "P2"}));
    const Bytes link = f.server.requests()[3];
    ASSERT_EQ(link.size(), 36u);
    EXPECT_EQ(AccountDeskFixture::textAt(link, 4, 16), "P2");
    EXPECT_EQ(AccountDeskFixture::textAt(link, 20, 16), "0101");
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{"账号已存在"});
    EXPECT_EQ(f.port.lastMessage().icon, MessageIcon::Error);
    EXPECT_EQ(f.statusDetails(), (std::vector<std::string>{"账号:P2", "添加主账号:P2失败！"}));
}

TEST(MainAccountOperations, ARefusedLinkOffersTheChoiceAgainOnTheDesk) {
    AccountDeskFixture f;
    f.port.asksAgain = true;
    int refusals = 1;
    f.answer = [&refusals](const Bytes& request) -> Bytes {
        if (request[3] == 66 && refusals-- > 0) return FakeServer::resultPacket(1, "已关联");
        return parentGroupServer(request);
    };
    int shownWith = -1;
    f.port.queueForm<MainAccountLinkForm>([](MainAccountLinkForm& form) {
        form.selected = 1;
        return true;
    });
    f.port.queueForm<MainAccountLinkForm>([&](MainAccountLinkForm& form) {
        shownWith = form.selected;  // as chosen before
        form.selected = 0;
        return true;
    });
    EXPECT_TRUE(linkMainAccount(f.desk, f.view.state().group.code));
    EXPECT_EQ(shownWith, 1);
    const std::vector<int> commands = f.commands();
    // The parent's accounts are read once; each choice sends one link.
    ASSERT_GE(commands.size(), 5u);
    EXPECT_EQ(std::vector<int>(commands.begin(), commands.begin() + 5),
              (std::vector<int>{65, 37, 37, 66, 66}));
    EXPECT_EQ(AccountDeskFixture::textAt(f.server.requests()[4], 4, 16), "P1");
}

TEST(MainAccountOperations, UnlinkAsksThenRunsThroughActionOneTwentyFive) {
    AccountDeskFixture f;
    f.answer = parentGroupServer;
    f.desk.accounts().mainAccountLinks.records = {{"L1", 10}, {"L2", 20}};
    EXPECT_FALSE(requestUnlinkMainAccount(f.desk, -1));
    EXPECT_EQ(f.port.lastMessage().text, "  请先选择主账号。");

    f.port.answerYes();
    ASSERT_TRUE(requestUnlinkMainAccount(f.desk, 1));
    EXPECT_EQ(f.port.questions[0].message.text, "删除主账号 L2 ？");
    EXPECT_EQ(f.port.questions[0].message.caption, "确认");
    EXPECT_TRUE(f.server.requests().empty());
    f.desk.dispatcher().drainPosted();
    // The parent's main accounts, the unlink, the link list and, before it
    // is drawn, the parent's main accounts again.
    EXPECT_EQ(f.commands(), (std::vector<int>{65, 37, 37, 102, 64, 65, 37, 37}));
    EXPECT_EQ(AccountDeskFixture::textAt(f.server.requests()[3], 4, 16), "L2");
    EXPECT_EQ(f.statusDetails(), (std::vector<std::string>{"账号:L2", "删除 L2 成功"}));

    f.desk.session().permissionMask = 0x1f;
    EXPECT_FALSE(requestUnlinkMainAccount(f.desk, 0));
    EXPECT_EQ(f.port.lastMessage().text, "  没有删除主账号的权限");
}

TEST(MainAccountOperations, CreateSendsTheTypedAmountsAndRefusalsKeepTheCache) {
    AccountDeskFixture f;
    f.view.state().group.code = "01";
    f.port.queueForm<MainAccountForm>([](MainAccountForm& form) {
        form.account = "M7";
        form.startInvestment = "123456";
        form.tradingPassword = "t";
        return true;
    });
    createMainAccount(f.desk, f.view.state().group.code);
    ASSERT_EQ(f.commands(), (std::vector<int>{38, 37}));
    const Bytes create = f.server.requests()[0];
    ASSERT_EQ(create.size(), 164u);
    EXPECT_EQ(AccountDeskFixture::textAt(create, 28, 16), "01");
    EXPECT_EQ(
        f.statusDetails(),
        (std::vector<std::string>{"账号:M7, 初始资金:0.00, 期初投入:123456.00", "添加 M7 成功！"}));

    f.answer = [](const Bytes&) { return FakeServer::resultPacket(1, "主账号已存在"); };
    f.port.queueForm<MainAccountForm>([](MainAccountForm& form) {
        form.account = "M7";
        return true;
    });
    createMainAccount(f.desk, f.view.state().group.code);
    EXPECT_EQ(f.statusDetails().back(), "添加 M7 失败！主账号已存在");
    EXPECT_EQ(f.port.lastMessage().text, "主账号已存在");
    EXPECT_EQ(f.commands().size(), 3u);  // no list query after a refusal

    f.desk.session().permissionMask = 0x2;
    createMainAccount(f.desk, f.view.state().group.code);
    EXPECT_EQ(f.port.lastMessage().text, "  没有权限添加主账户");
}

TEST(MainAccountOperations, DeleteAsksAndQueriesTheListWhateverTheOutcome) {
    AccountDeskFixture f;
    deleteMainAccount(f.desk, nullptr);
    EXPECT_EQ(f.port.lastMessage().text, "请先选中要删除的主账号。");

    MainAccount record = MainAccount::fromWire(mainRecord("M1").data());
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 39) return FakeServer::resultPacket(1, "有子账号");
        return {};
    };
    f.port.answerYes();
    deleteMainAccount(f.desk, &record);
    EXPECT_EQ(f.port.questions.back().message.text, "删除主账号 M1 吗?");
    EXPECT_EQ(f.commands(), (std::vector<int>{39, 37}));
    EXPECT_EQ(f.statusDetails(), (std::vector<std::string>{"账号: M1", "删除 M1 失败！"}));
    EXPECT_EQ(f.port.lastMessage().text, "有子账号");
}

}  // namespace
}  // namespace korvant

namespace korvant {
namespace {

TEST(MainAccountOperations, LinkAndUnlinkQueryTheLinksAgainAfterAnUndispatchableAcknowledgement) {
    auto undispatchable = [](const Bytes& request) -> Bytes {
        if (request[3] == 66 || request[3] == 102) return AccountDeskFixture::undispatchableAck();
        return parentGroupServer(request);
    };
    AccountDeskFixture f;
    f.answer = undispatchable;
    f.port.queueForm<MainAccountLinkForm>([](MainAccountLinkForm&) { return true; });
    EXPECT_FALSE(linkMainAccount(f.desk, f.view.state().group.code));
    // The parent's main accounts, the link, then the link list again (on
    // screen, with the parent's accounts after it).
    EXPECT_EQ(f.commands(), (std::vector<int>{65, 37, 37, 66, 64, 65, 37, 37}));
    EXPECT_EQ(f.statusDetails(), (std::vector<std::string>{"账号:P1", "添加主账号:P1失败！"}));
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{" 解析数据包失败!"});

    AccountDeskFixture g;
    g.answer = undispatchable;
    EXPECT_FALSE(unlinkMainAccount(g.desk, "0101", "L1"));
    EXPECT_EQ(g.commands(), (std::vector<int>{65, 37, 37, 102, 64, 65, 37, 37}));
    EXPECT_EQ(g.statusDetails(), (std::vector<std::string>{"账号:L1", "删除 L1 失败！"}));
    EXPECT_EQ(g.port.messageTexts(), std::vector<std::string>{" 解析数据包失败!"});
}

// The sub-accounts using a main account are gathered from every page of
// the list of all groups; a server that repeats a page ends the reading
// with a message instead of listing its accounts twice.
TEST(MainAccountOperations, LinkedSubAccountsReadEveryPageOnceAndStopOnARepeatedPage) {
    auto record = [](const std::string& account, const std::string& main) {
        SubAccount s;
        s.account = account;
        s.mainAccount = main;
        Bytes r(SubAccount::WireSize, 0);
        s.toWire(r.data());
        return r;
    };
    for (bool repeat : {false, true}) {
        AccountDeskFixture f;
        f.answer = [&](const Bytes& request) -> Bytes {
            if (request[3] != 4) return {};
            int32_t page = 0;
            std::memcpy(&page, request.data() + 76, 4);
            if (repeat) page = 0;
            const std::string n = std::to_string(page);
            return AccountDeskFixture::listAnswer(4, {record("a" + n, "M1"), record("b" + n, "M2")},
                                                  3, page);
        };
        std::vector<SubAccount> found = linkedSubAccounts(f.desk, "M1");
        std::vector<std::string> accounts;
        for (const SubAccount& s : found) accounts.push_back(s.account);
        if (!repeat) {
            EXPECT_EQ(accounts, (std::vector<std::string>{"a0", "a1", "a2"}));
            EXPECT_TRUE(f.port.messages.empty());
        } else {
            EXPECT_EQ(accounts, (std::vector<std::string>{"a0"}));
            EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{" 解析数据包出错!"});
        }
    }
}

}  // namespace
}  // namespace korvant
