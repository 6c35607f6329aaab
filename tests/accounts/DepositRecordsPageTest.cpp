// The deposit-records report page in the core: paged by the main window's
// pager, told the report tree's choice, and exported only when every page
// came.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "AccountDeskFixture.h"
#include "accounts/deposits/DepositRecordsPage.h"
#include "app/actions/ActionDispatcher.h"
#include "app/lists/AccountListQuery.h"
#include "protocol/Bytes.h"
#include "support/ScratchFolder.h"
#include "view/DeskView.h"
#include "view/ViewPaging.h"

namespace korvant {
namespace {

using test::AccountDeskFixture;
using test::Bytes;

Bytes recordOf(int32_t customer, int32_t serial) {
    DepositRecord r;
    r.customer = customer;
    r.amount = 5;
    r.serial = serial;
    Bytes bytes(DepositRecord::WireSize, 0);
    r.toWire(bytes.data());
    return bytes;
}

// Three pages of one record, each answering the page asked for.
Bytes threePages(const Bytes& request) {
    if (request[3] != DepositRecordsCommand) return {};
    const int page = getI32(request.data() + 48);
    return AccountDeskFixture::listAnswer(DepositRecordsCommand, {recordOf(7, page)}, 3, page);
}

struct PageFixture : ::testing::Test {
    AccountDeskFixture f;
    DepositRecordsPage& page = depositRecordsPage(f.desk);

    void SetUp() override {
        page.startDate = 20240101;
        page.endDate = 20240131;
        f.view.state().view = ViewKind::Reports;
    }
};

TEST_F(PageFixture, ThePagerPagesTheShownPageAndTheLabelFollows) {
    f.answer = threePages;
    showReportTab(f.desk, page, true);
    ASSERT_TRUE(page.search(f.desk));
    EXPECT_EQ(f.view.state().labelPage, 1);
    EXPECT_EQ(f.view.state().labelTotal, 3);
    EXPECT_TRUE(movePage(f.view, PageMove::Next));
    EXPECT_TRUE(movePage(f.view, PageMove::Last));
    EXPECT_FALSE(movePage(f.view, PageMove::Next));
    ASSERT_EQ(f.server.requests().size(), 3u);
    EXPECT_EQ(getI32(f.server.requests()[1].data() + 48), 1);
    EXPECT_EQ(getI32(f.server.requests()[2].data() + 48), 2);
    EXPECT_EQ(f.view.state().labelPage, 3);
    ASSERT_EQ(page.rowCount(), 1);
    EXPECT_EQ(page.cells(0)[7], "2");
    EXPECT_EQ(page.columns().back().caption, "备注");
    EXPECT_EQ(page.columns().back().width, 300);
}

TEST_F(PageFixture, AChosenTreeNodeReplacesTheTypedNumberAndRequeriesTheShownPage) {
    f.answer = threePages;
    page.account = "7";
    page.target.id = -1;
    // Not the shown tab: the target is taken, nothing is sent.
    showReportTab(f.desk, page, false);
    f.desk.dispatcher().send(ActionCode::ReportAccountChosen, ReportNodeArgument{55, "8001"});
    EXPECT_EQ(page.target.id, 55);
    EXPECT_EQ(page.target.text, "8001");
    EXPECT_TRUE(page.account.empty());
    EXPECT_TRUE(f.server.requests().empty());

    // The shown tab queries with the node's id and text: a group node, and a
    // sub-account node (id -1, its account as the text).
    showReportTab(f.desk, page, true);
    const ReportNodeArgument nodes[] = {{56, "上海"}, {-1, "100105"}};
    for (const ReportNodeArgument& node : nodes) {
        page.account = "7";
        f.desk.dispatcher().send(ActionCode::ReportAccountChosen, node);
        const Bytes request = f.server.requests().back();
        EXPECT_EQ(getI32(request.data() + 44), node.data) << node.text;
        EXPECT_EQ(AccountDeskFixture::textAt(request, 12, 32), node.text);
        EXPECT_EQ(getI32(request.data() + 48), 0);
    }
    EXPECT_EQ(f.server.requests().size(), 2u);
    EXPECT_EQ(page.rowCount(), 1);
}

TEST_F(PageFixture, AnswersThatAreNoPageAreReportedAndListNothing) {
    f.answer = [](const Bytes&) { return test::FakeServer::packet(4, Bytes(8, 0)); };
    page.records.records.resize(2);
    EXPECT_FALSE(queryDepositRecords(f.desk, page, 0));
    EXPECT_EQ(f.port.lastMessage().text, "  错误的数据包, 无法解析 !  ");
    EXPECT_EQ(page.rowCount(), 2);

    f.port.clearRecords();
    f.answer = [](const Bytes&) { return test::FakeServer::resultPacket(1, "无此账号"); };
    EXPECT_FALSE(queryDepositRecords(f.desk, page, 0));
    ASSERT_EQ(f.port.messages.size(), 1u);
    EXPECT_EQ(f.port.lastMessage().text, "无此账号");
}

TEST_F(PageFixture, AnExportOfPagesThatDoNotAdvanceWritesNothing) {
    // The server answers page 0 of 5 whatever is asked.
    f.answer = [](const Bytes& request) -> Bytes {
        if (request[3] != DepositRecordsCommand) return {};
        return AccountDeskFixture::listAnswer(DepositRecordsCommand, {recordOf(7, 0)}, 5, 0);
    };
    const test::ScratchFolder scratch("stalled");
    const std::string path = scratch.file("deposits.csv");
    f.port.queueForm<DepositExportForm>([&path](DepositExportForm& form) {
        form.path = path;
        return true;
    });
    EXPECT_FALSE(exportDepositRecords(f.desk, page));
    EXPECT_EQ(f.server.requests().size(), 2u);
    EXPECT_EQ(f.port.lastMessage().text, "  错误的数据包, 无法解析 !  ");
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace korvant
