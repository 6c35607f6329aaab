#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "AccountDeskFixture.h"
#include "accounts/deposits/DepositForm.h"
#include "accounts/deposits/DepositOperations.h"
#include "accounts/deposits/DepositRecordsPage.h"
#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "support/ScratchFolder.h"

namespace korvant {
namespace {

using test::AccountDeskFixture;
using test::Bytes;
using test::FakeServer;

// A deposit answer: i32 result at offset 4, the server's text from 8.
Bytes depositAnswer(uint8_t command, int32_t result, const std::string& text = "") {
    Bytes body(4, 0);
    putI32(body.data(), result);
    std::string gbk = toGbk(text);
    body.insert(body.end(), gbk.begin(), gbk.end());
    body.push_back(0);
    return FakeServer::packet(command, body);
}

MainAccount mainAccount(const std::string& account, double initial, double distributable) {
    MainAccount m;
    m.account = account;
    m.initialFunds = initial;
    m.distributableFunds = distributable;
    m.priorityFunds = 50;
    m.startInvestment = 1000;
    return m;
}

Bytes mainRecord(const MainAccount& m) {
    Bytes r(MainAccount::WireSize, 0);
    m.toWire(r.data());
    return r;
}

TEST(DepositOperations, MainAccountWithdrawalSendsTotalsClampedAtZero) {
    AccountDeskFixture f;
    f.view.state().group.code = "01";
    MainAccount account = mainAccount("M1", 0, 500);
    f.answer = [account](const Bytes& request) -> Bytes {
        if (request[3] == 82) return depositAnswer(82, 1);
        if (request[3] == 37) return AccountDeskFixture::listAnswer(37, {mainRecord(account)});
        return {};
    };
    f.port.queueForm<DepositForm>([](DepositForm& form) {
        EXPECT_EQ(form.mode, DepositMode::MainAccount);
        EXPECT_EQ(depositView(form).availableLine, "可用资金:  不限");
        form.direction = DepositDirectionOut;
        form.availableText = "100";
        form.priorityText = "80";  // more than the 50 held
        form.startInvestmentText = "300";
        return true;
    });
    EXPECT_TRUE(depositMainAccount(f.desk, f.view.state().group, &account));
    ASSERT_EQ(f.commands(), (std::vector<int>{37, 82, 37}));
    const Bytes request = f.server.requests()[1];
    ASSERT_EQ(request.size(), 64u);
    EXPECT_EQ(AccountDeskFixture::textAt(request, 4, 16), "01");
    EXPECT_EQ(getI32(request.data() + 36), 1);
    EXPECT_EQ(getF64(request.data() + 40), 100);
    EXPECT_EQ(getF64(request.data() + 48), 0);
    EXPECT_EQ(getF64(request.data() + 56), 700);
    EXPECT_EQ(f.statusDetails(), std::vector<std::string>{"出入金:M1成功！"});
}

TEST(DepositOperations, ZeroResultIsAFailureWithTheServersText) {
    AccountDeskFixture f;
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 81) {
            Bytes body(32, 0);
            putF64(body.data(), 10);       // available
            putF64(body.data() + 8, 20);   // equity
            putF64(body.data() + 16, 30);  // priority
            putF64(body.data() + 24, 40);  // start investment
            return FakeServer::packet(81, body);
        }
        if (request[3] == 36) return depositAnswer(36, 0, "可用资金不足");
        return {};
    };
    SubAccount account;
    account.account = "10001";
    account.mainAccount = "M1";
    f.port.queueForm<DepositForm>([](DepositForm& form) {
        EXPECT_EQ(form.available, 10);
        EXPECT_EQ(form.equity, 20);
        EXPECT_EQ(form.priority, 30);
        EXPECT_EQ(form.startInvestment, 40);
        form.direction = DepositDirectionOut;
        form.availableText = "1000";
        form.remark = "测试";
        return true;
    });
    EXPECT_FALSE(depositSubAccount(f.desk, f.view.state().group, &account));
    EXPECT_EQ(f.commands(), (std::vector<int>{64, 81, 81, 36}));
    const Bytes request = f.server.requests()[3];
    ASSERT_EQ(request.size(), 164u);
    EXPECT_EQ(AccountDeskFixture::textAt(request, 20, 32), "10001");
    EXPECT_EQ(AccountDeskFixture::textAt(request, 64, 16), "M1");
    EXPECT_EQ(getF64(request.data() + 84), 30);  // nothing withdrawn from the priority funds
    EXPECT_EQ(AccountDeskFixture::textAt(request, 100, 64), "测试");
    EXPECT_EQ(f.statusDetails(), std::vector<std::string>{"出入金:10001失败！"});
    EXPECT_EQ(f.port.lastMessage().text, "可用资金不足");
    EXPECT_EQ(f.port.lastMessage().icon, MessageIcon::Error);
}

TEST(DepositOperations, LinkOfAnUnlimitedMainAccountOpensNoDialog) {
    AccountDeskFixture f;
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 65) {
            Bytes body(4, 0);
            putI32(body.data(), 2);
            return FakeServer::packet(95, body);  // the group id as a single value
        }
        if (request[3] == 37)
            return AccountDeskFixture::listAnswer(
                37, {mainRecord(mainAccount("M0", 0, 0)), mainRecord(mainAccount("M9", 1e6, 4e5))});
        if (request[3] == 67) return depositAnswer(67, 1);
        return {};
    };
    EXPECT_FALSE(depositLink(f.desk, f.view.state().group, nullptr));
    EXPECT_EQ(f.port.lastMessage().text, "  请先选择主账号。");

    MainAccountLink unlimited{"M0", 0};
    EXPECT_FALSE(depositLink(f.desk, f.view.state().group, &unlimited));
    EXPECT_EQ(f.port.lastMessage().text, "主账号不限制资金，无需入金。");
    EXPECT_TRUE(f.port.forms.empty());

    MainAccountLink limited{"M9", 1234.5};
    f.port.queueForm<DepositForm>([](DepositForm& form) {
        EXPECT_EQ(form.depositable, 4e5);
        EXPECT_FALSE(depositView(form).showPriorityRows);
        form.availableText = "0.01";
        return true;
    });
    EXPECT_TRUE(depositLink(f.desk, f.view.state().group, &limited));
    // The deposit, then the link list on screen again (and its parent's accounts).
    const std::vector<int> sent = f.commands();
    const auto deposit = std::find(sent.begin(), sent.end(), 67);
    ASSERT_NE(deposit, sent.end());
    ASSERT_EQ(deposit + 1 - sent.begin() < static_cast<long>(sent.size()), true);
    EXPECT_EQ(*(deposit + 1), 64);
    const Bytes request = f.server.requests().at(static_cast<std::size_t>(deposit - sent.begin()));
    EXPECT_EQ(AccountDeskFixture::textAt(request, 4, 16), "0101");
    EXPECT_EQ(AccountDeskFixture::textAt(request, 20, 32), "M9");
    EXPECT_EQ(getF64(request.data() + 56), 0.01);

    f.desk.session().permissionMask = 0xBF;
    EXPECT_FALSE(depositLink(f.desk, f.view.state().group, &limited));
    EXPECT_EQ(f.port.lastMessage().text, "  没有权限出入金");
}

Bytes depositRecord(int32_t customer, double amount, int32_t serial) {
    DepositRecord r;
    r.customer = customer;
    r.tradeDate = 20240105;
    r.date = 20240105;
    r.time = "09:30:00";
    r.amount = amount;
    r.operatorName = "admin";
    r.serial = serial;
    Bytes bytes(DepositRecord::WireSize, 0);
    r.toWire(bytes.data());
    return bytes;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(DepositRecordsPage, ExportLoadsEveryPageAndWritesTheWholeFile) {
    AccountDeskFixture f;
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] != 47) return {};
        int page = getI32(request.data() + 48);
        return AccountDeskFixture::listAnswer(47, {depositRecord(10001, page == 0 ? 5 : -7, page)},
                                              2, page);
    };
    DepositRecordsPage page;
    page.startDate = 20240101;
    page.endDate = 20240131;
    page.account = "10001";
    const test::ScratchFolder scratch("deposits");
    const std::string path = scratch.file("deposits.csv");
    f.port.queueForm<DepositExportForm>([&path](DepositExportForm& form) {
        form.path = path;
        return true;
    });
    ASSERT_TRUE(exportDepositRecords(f.desk, page));
    EXPECT_EQ(f.commands(), (std::vector<int>{47, 47}));
    EXPECT_EQ(readAll(path),
              toGbk("子账号,开始日期,结束日期,交易日期,日期,时间,入金,出金,管理员,流水号,备注\r\n"
                    "10001,20240101,20240131,20240105,20240105,09:30:00,5.00, ,admin,0,\r\n"
                    "10001,20240101,20240131,20240105,20240105,09:30:00, ,7.00,admin,1,\r\n"));
    EXPECT_EQ(f.port.lastMessage().text, "数据保存成功，保存文件为：" + path);

    // No file chosen: said, the dialog stays, nothing is asked of the server.
    const std::size_t asked = f.commands().size();
    f.port.queueForm<DepositExportForm>([](DepositExportForm& form) {
        form.path.clear();
        return true;
    });
    EXPECT_FALSE(exportDepositRecords(f.desk, page));
    EXPECT_EQ(f.port.lastMessage().text, "请先选择导出文件。");
    EXPECT_EQ(f.commands().size(), asked);

    // A file that cannot be created is reported instead of passed over.
    f.port.queueForm<DepositExportForm>([](DepositExportForm& form) {
        form.path = "/nonexistent-korvant-dir/deposits.csv";
        return true;
    });
    EXPECT_FALSE(exportDepositRecords(f.desk, page));
    EXPECT_EQ(f.port.lastMessage().icon, MessageIcon::Error);
    EXPECT_NE(f.port.lastMessage().text.find("/nonexistent-korvant-dir/deposits.csv"),
              std::string::npos);
}

TEST(DepositRecordsPage, QueryChecksTheDatesAndListsAbsoluteWithdrawals) {
    AccountDeskFixture f;
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] == 47)
            return AccountDeskFixture::listAnswer(47, {depositRecord(7, -2.5, 9)});
        return {};
    };
    DepositRecordsPage page;
    page.startDate = 20240201;
    page.endDate = 20240101;
    EXPECT_FALSE(page.search(f.desk));
    EXPECT_EQ(f.port.lastMessage().text, "起始时间不能晚于结束时间");
    EXPECT_TRUE(f.server.requests().empty());

    std::string selected;
    page.endDate = 20240301;
    page.target.id = 55;
    page.account = "7";
    page.selectReportNode = [&selected](const std::string& text) { selected = text; };
    ASSERT_TRUE(page.search(f.desk));
    EXPECT_EQ(selected, "7");
    EXPECT_EQ(getI32(f.server.requests()[0].data() + 44), -1);
    ASSERT_EQ(page.records.count(), 1);
    std::vector<std::string> cells = depositRecordCells(page.records.at(0));
    EXPECT_EQ(cells[4], "");
    EXPECT_EQ(cells[5], "2.50");
}

}  // namespace
}  // namespace korvant

namespace korvant {
namespace {

// An acknowledgement answering a deposit is judged as one: a refusal is a
// failure with the server's text and nothing is queried again.
TEST(DepositOperations, AcknowledgementAnswersAreJudgedByTheirStatus) {
    AccountDeskFixture f;
    f.view.state().group.code = "01";
    MainAccount account = mainAccount("M1", 1000, 500);
    auto deposit100 = [](DepositForm& form) {
        form.availableText = "100";
        return true;
    };
    f.answer = [account](const Bytes& request) -> Bytes {
        if (request[3] == 82) return FakeServer::resultPacket(1, "资金不足");
        if (request[3] == 37) return AccountDeskFixture::listAnswer(37, {mainRecord(account)});
        return {};
    };
    f.port.queueForm<DepositForm>(deposit100);
    EXPECT_FALSE(depositMainAccount(f.desk, f.view.state().group, &account));
    EXPECT_EQ(f.commands(), (std::vector<int>{37, 82}));
    EXPECT_EQ(f.statusDetails(), std::vector<std::string>{"出入金:M1失败！"});
    EXPECT_EQ(f.port.messageTexts(), std::vector<std::string>{"资金不足"});
    EXPECT_EQ(f.port.lastMessage().icon, MessageIcon::Error);

    f.answer = [account](const Bytes& request) -> Bytes {  // status 0
        if (request[3] == 37) return AccountDeskFixture::listAnswer(37, {mainRecord(account)});
        return {};
    };
    f.port.clearRecords();
    f.port.queueForm<DepositForm>(deposit100);
    EXPECT_TRUE(depositMainAccount(f.desk, f.view.state().group, &account));
    EXPECT_EQ(f.commands(), (std::vector<int>{37, 82, 37, 82, 37}));
    EXPECT_EQ(f.statusDetails().back(), "出入金:M1成功！");
    EXPECT_TRUE(f.port.messages.empty());
}

// Another session deposits on the same holder while the dialog is open:
// the totals sent are computed from the funds read again after the dialog,
// so that neither change is lost.
TEST(DepositOperations, TotalsAreComputedFromTheFundsReadRightBeforeTheChange) {
    AccountDeskFixture f;
    int reads = 0;
    MainAccount main = mainAccount("M1", 1000, 500);
    f.answer = [&](const Bytes& request) -> Bytes {
        if (request[3] == 81) {
            Bytes body(32, 0);
            putF64(body.data() + 16, ++reads == 1 ? 30 : 130);  // priority
            putF64(body.data() + 24, reads == 1 ? 40 : 240);    // start investment
            return FakeServer::packet(81, body);
        }
        if (request[3] == 37) {
            MainAccount now = main;
            now.priorityFunds = 150;
            now.startInvestment = 1200;
            return AccountDeskFixture::listAnswer(37, {mainRecord(now)});
        }
        if (request[3] == 36 || request[3] == 82) return depositAnswer(request[3], 1);
        return {};
    };
    auto addTen = [](DepositForm& form) {
        form.availableText = "1";
        form.priorityText = "10";
        form.startInvestmentText = "20";
        return true;
    };
    SubAccount sub;
    sub.account = "10001";
    sub.mainAccount = "M1";
    f.port.queueForm<DepositForm>(addTen);
    EXPECT_TRUE(depositSubAccount(f.desk, f.view.state().group, &sub));
    const CurrentGroup second = f.view.state().group;
    f.view.state().group.code = "01";
    f.port.queueForm<DepositForm>(addTen);
    EXPECT_TRUE(depositMainAccount(f.desk, f.view.state().group, &main));
    f.view.state().group = second;
    const struct {
        uint8_t command;
        int priorityAt;
        double priority, startInvestment;
    } cases[] = {{36, 84, 140, 260}, {82, 48, 160, 1220}};
    for (const auto& c : cases) {
        const std::vector<Bytes> requests = f.server.requests();
        const auto sent = std::find_if(requests.begin(), requests.end(),
                                       [&](const Bytes& r) { return r[3] == c.command; });
        ASSERT_NE(sent, requests.end()) << int(c.command);
        EXPECT_EQ(getF64(sent->data() + c.priorityAt), c.priority) << int(c.command);
        EXPECT_EQ(getF64(sent->data() + c.priorityAt + 8), c.startInvestment) << int(c.command);
    }
}

}  // namespace
}  // namespace korvant

namespace korvant {
namespace {

// An answer to the funds query that is no funds stops the deposit before its
// dialog; a refusal shows the server's text, then the undecodable message.
TEST(DepositOperations, AFundsAnswerThatIsNoFundsStopsBeforeTheDialog) {
    const std::string undecodable = "  错误的数据包, 无法解析 !  ";
    const struct {
        Bytes answer;
        std::vector<std::string> messages;
    } cases[] = {
        {FakeServer::resultPacket(1, "账号不存在"), {"账号不存在", undecodable}},
        {FakeServer::resultPacket(0), {undecodable}},
        {AccountDeskFixture::listAnswer(37, {}), {undecodable}},
        {FakeServer::packet(81, Bytes(8, 0)), {undecodable}},
    };
    for (const auto& c : cases) {
        AccountDeskFixture f;
        f.answer = [&c](const Bytes& request) -> Bytes {
            return request[3] == 81 ? c.answer : Bytes{};
        };
        SubAccount account;
        account.account = "10001";
        EXPECT_FALSE(depositSubAccount(f.desk, f.view.state().group, &account));
        EXPECT_EQ(f.commands(), (std::vector<int>{64, 81}));
        EXPECT_EQ(f.port.messageTexts(), c.messages);
        EXPECT_TRUE(f.port.forms.empty());
    }
}

}  // namespace
}  // namespace korvant
