#include <gtest/gtest.h>

#include <algorithm>

#include "DeskAnswers.h"
#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/lists/AccountListPages.h"
#include "app/lists/AccountListQuery.h"
#include "app/lists/AccountListRequests.h"
#include "app/lists/ReportTree.h"
#include "model/Administrator.h"
#include "model/MainAccount.h"
#include "model/PageLabel.h"
#include "support/FakeServer.h"
#include "support/ScriptedPort.h"
#include "view/AccountLists.h"
#include "view/DeskView.h"

namespace korvant {
namespace {

using test::Bytes;
using test::FakeServer;
using test::ScriptedPort;

std::string text(const Bytes& p, int offset, int width) {
    return readPlainText(p.data() + offset, static_cast<std::size_t>(width));
}

bool zero(const Bytes& p, int from, int to) {
    return std::all_of(p.begin() + from, p.begin() + to, [](uint8_t b) { return b == 0; });
}

SearchFilter sampleFilter() {
    SearchFilter f;
    f.account = "acc";
    f.password = "pwd";
    f.openingDate = 20240102;
    f.remark = "备注词";
    f.groupId = 5;
    f.flags = SearchFilter::AccountFlag | SearchFilter::PasswordFlag |
              SearchFilter::OpeningDateFlag | SearchFilter::RemarkFlag;
    return f;
}

TEST(AccountListRequests, LayOutTheFourQueriesExactly) {
    const SearchFilter f = sampleFilter();
    Bytes p(128, 0xEE);

    ASSERT_EQ(writeMainAccountListRequest(2, f, 3, p.data(), 128), 36);
    EXPECT_EQ(getU16(p.data()), 36);
    EXPECT_EQ(p[3], 37);
    EXPECT_EQ(getI32(p.data() + 4), 2);
    EXPECT_EQ(text(p, 8, 16), "acc");
    EXPECT_EQ(getI32(p.data() + 24), 3);
    EXPECT_TRUE(zero(p, 28, 36));

    std::fill(p.begin(), p.end(), 0xEE);
    ASSERT_EQ(writeAdministratorListRequest(1, f, 4, p.data(), 128), 85);
    EXPECT_EQ(p[3], 97);
    EXPECT_EQ(getI32(p.data() + 4), 1);
    EXPECT_EQ(text(p, 8, 16), "acc");
    EXPECT_EQ(text(p, 24, 16), "pwd");
    EXPECT_EQ(getI32(p.data() + 40), 0);  // the administrator number, never filled
    // Offset 44 carries the filter from its offset 36: four zero bytes first.
    EXPECT_TRUE(zero(p, 44, 48));
    EXPECT_EQ(getI32(p.data() + 48), 20240102);
    EXPECT_EQ(getI32(p.data() + 76), 4);
    EXPECT_EQ(p[80], 0x33);
    EXPECT_TRUE(zero(p, 81, 85));

    std::fill(p.begin(), p.end(), 0xEE);
    ASSERT_EQ(writeMainAccountLinksRequest(5, 1, p.data(), 128), 12);
    EXPECT_EQ(p[3], 64);
    EXPECT_EQ(getI32(p.data() + 4), 5);
    EXPECT_EQ(getI32(p.data() + 8), 1);

    std::fill(p.begin(), p.end(), 0xEE);
    ASSERT_EQ(writeSubAccountListRequest(-1, f, 2, p.data(), 128), 98);
    EXPECT_EQ(p[3], 4);
    EXPECT_EQ(getI32(p.data() + 4), -1);
    EXPECT_EQ(text(p, 8, 16), "acc");
    EXPECT_EQ(text(p, 24, 16), "pwd");
    EXPECT_EQ(getI32(p.data() + 40), 20240102);
    EXPECT_EQ(text(p, 44, 32), "备注词");
    EXPECT_EQ(getI32(p.data() + 76), 2);
    EXPECT_EQ(p[80], 0x33);
    EXPECT_TRUE(zero(p, 81, 98));
    EXPECT_EQ(p[98], 0xEE);

    EXPECT_EQ(writeSubAccountListRequest(1, f, 0, p.data(), 97), -1);
    EXPECT_EQ(writeMainAccountLinksRequest(1, 0, p.data(), 11), -1);
}

TEST(SearchFilter, CategoryPutsTheKeywordIntoItsFieldWithItsFlag) {
    SearchFilter f = searchBarFilter(-1, SearchCategory::Account, "1234567890123456789");
    EXPECT_EQ(f.account, "123456789012345");
    EXPECT_EQ(f.flags, SearchFilter::AccountFlag);
    EXPECT_EQ(f.groupId, -1);
    f = searchBarFilter(3, SearchCategory::OpeningDate, "20240105abc");
    EXPECT_EQ(f.openingDate, 20240105);
    EXPECT_EQ(f.flags, SearchFilter::OpeningDateFlag);
    // A date that reads as 0 and an empty keyword set no flag.
    EXPECT_EQ(searchBarFilter(3, SearchCategory::OpeningDate, "abc").flags, 0);
    EXPECT_EQ(searchBarFilter(3, SearchCategory::Remark, "").flags, 0);
    f = searchBarFilter(3, SearchCategory::Remark, std::string(40, 'r'));
    EXPECT_EQ(f.remark.size(), 31u);

    auto bytes = sampleFilter().toWire();
    EXPECT_EQ(getI32(bytes.data() + 76), 5);
    EXPECT_EQ(bytes[80], 0x33);
    SearchFilter back = SearchFilter::fromWire(bytes.data());
    EXPECT_EQ(back.remark, "备注词");
    EXPECT_EQ(back.openingDate, 20240102);

    AdvancedSearchForm form;
    form.openingDate = "20240101";  // never read
    EXPECT_FALSE(advancedSearchFilter(-1, form).has_value());
    form.password = "p";
    form.remark = "r";
    auto advanced = advancedSearchFilter(-1, form);
    ASSERT_TRUE(advanced.has_value());
    EXPECT_EQ(advanced->flags, SearchFilter::PasswordFlag | SearchFilter::RemarkFlag);
    EXPECT_EQ(advanced->openingDate, 0);
}

// A server whose every account list has three pages of one record each.
Bytes listServerAnswer(const Bytes& r) {
    int page = test::requestedPage(r);
    switch (r[3]) {
        case cmd::SubAccountList:
            return test::listAnswerOf<SubAccount>(
                cmd::SubAccountList, 3, page,
                {test::makeSubAccount("80000" + std::to_string(page), getI32(r.data() + 4))});
        case cmd::AdministratorList: {
            Administrator a;
            a.account = "admin" + std::to_string(page);
            return test::listAnswerOf<Administrator>(cmd::AdministratorList, 3, page, {a});
        }
        case cmd::MainAccountList: {
            MainAccount m;
            m.account = "M" + std::to_string(page);
            return test::listAnswerOf<MainAccount>(cmd::MainAccountList, 3, page, {m});
        }
        case cmd::MainAccountLinks: {
            MainAccountLink l;
            l.account = "L" + std::to_string(page);
            return test::listAnswerOf<MainAccountLink>(cmd::MainAccountLinks, 3, page, {l});
        }
        default:
            return FakeServer::resultPacket(1, "unknown");
    }
}

struct ListsFixture : ::testing::Test {
    FakeServer server;
    ScriptedPort port;
    Desk desk{port};
    DeskView view{desk};

    void SetUp() override {
        server.respondByDefault(listServerAnswer);
        ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
        view.state().view = ViewKind::Accounts;
    }
    Bytes lastRequest() const {
        auto all = server.requests();
        return all.empty() ? Bytes{} : all.back();
    }
    std::size_t sent() const { return server.requests().size(); }
    void send(ActionCode code, ArgumentVariant arg = {}) {
        desk.dispatcher().send(code, std::move(arg));
    }
};

TEST_F(ListsFixture, GroupSelectionChoosesTheStripAndTheTab) {
    send(ActionCode::GroupSelected, test::makeGroup(1, 0, "", "根"));
    MainState& s = view.state();
    EXPECT_EQ(s.strip, TabStrip::TwoTab);
    EXPECT_EQ(s.twoTabIndex, AdministratorTab);
    EXPECT_EQ(s.shownList, AccountList::Administrators);
    EXPECT_EQ(lastRequest()[3], cmd::AdministratorList);
    EXPECT_EQ(getI32(lastRequest().data() + 4), 1);
    ASSERT_EQ(s.searchRange.size(), 2u);
    EXPECT_EQ(s.searchRange[0].caption, "全部");
    EXPECT_EQ(s.searchRange[0].groupId, -1);
    EXPECT_EQ(s.searchRange[1].groupId, 1);

    send(ActionCode::GroupSelected, test::makeGroup(2, 1, "01", "华东"));
    EXPECT_EQ(s.strip, TabStrip::TwoTab);
    EXPECT_EQ(s.twoTabIndex, MainAccountTab);
    EXPECT_EQ(lastRequest()[3], cmd::MainAccountList);
    EXPECT_EQ(desk.accounts().mainAccounts.at(0).account, "M0");

    // A second-level group keeps the tab the three-tab strip has.
    s.threeTabIndex = SubAccountTab;
    send(ActionCode::GroupSelectedAgain, test::makeGroup(5, 2, "0101", "上海"));
    EXPECT_EQ(s.strip, TabStrip::ThreeTab);
    EXPECT_EQ(s.threeTabIndex, SubAccountTab);
    EXPECT_EQ(lastRequest()[3], cmd::SubAccountList);
    EXPECT_EQ(getI32(lastRequest().data() + 4), 5);
    EXPECT_EQ(s.labelPage, 1);
    EXPECT_EQ(s.labelTotal, 3);
    EXPECT_EQ(pageLabelText(s.labelPage, s.labelTotal), "当前第1/3页");
}

TEST_F(ListsFixture, PagingStopsAtBothEnds) {
    view.state().threeTabIndex = SubAccountTab;
    send(ActionCode::GroupSelected, test::makeGroup(5, 2, "0101", "上海"));
    ASSERT_EQ(sent(), 1u);
    send(ActionCode::PreviousPage);  // on the first page: nothing
    send(ActionCode::FirstPage);
    EXPECT_EQ(sent(), 1u);
    send(ActionCode::NextPage);
    EXPECT_EQ(test::requestedPage(lastRequest()), 1);
    send(ActionCode::LastPage);
    EXPECT_EQ(test::requestedPage(lastRequest()), 2);
    EXPECT_EQ(view.state().labelPage, 3);
    std::size_t before = sent();
    send(ActionCode::NextPage);  // on the last page: nothing
    send(ActionCode::LastPage);
    EXPECT_EQ(sent(), before);
    send(ActionCode::FirstPage);
    EXPECT_EQ(test::requestedPage(lastRequest()), 0);
    // Go-to in the accounts view is sent without a bound check.
    send(ActionCode::GoToPage, 7);
    EXPECT_EQ(test::requestedPage(lastRequest()), 7);
    EXPECT_EQ(getI32(lastRequest().data() + 4), 5);
}

TEST_F(ListsFixture, OtherViewsBoundGoToByTheirTotal) {
    int queried = -1;
    view.state().view = ViewKind::Logs;
    view.state().pagers[ViewKind::Logs] = ViewPager{[] {
                                                        return PageCursor{3, 0};
                                                    },
                                                    [&](int page) { queried = page; }, nullptr};
    send(ActionCode::GoToPage, 3);
    EXPECT_EQ(queried, -1);
    send(ActionCode::GoToPage, 0);
    EXPECT_EQ(queried, 0);
    send(ActionCode::GoToPage, 2);
    EXPECT_EQ(queried, 2);
    // A view without a pager pages nothing.
    view.state().view = ViewKind::Risk;
    send(ActionCode::NextPage);
    EXPECT_EQ(sent(), 0u);
}

TEST_F(ListsFixture, PageArithmeticHoldsAtTheEdgesOfAnI32) {
    // Whatever total and index a server sends, the label and the moves are
    // computed without overflow (a sanitizer build checks every step).
    std::vector<int> queried;
    PageCursor cursor{INT32_MIN, INT32_MAX};
    view.state().view = ViewKind::Logs;
    view.state().pagers[ViewKind::Logs] = ViewPager{
        [&cursor] { return cursor; }, [&](int page) { queried.push_back(page); }, nullptr};
    for (ActionCode move : {ActionCode::NextPage, ActionCode::LastPage, ActionCode::PreviousPage,
                            ActionCode::FirstPage})
        send(move);
    EXPECT_EQ(queried, (std::vector<int>{INT32_MAX - 1, 0}));
    EXPECT_EQ(view.state().labelPage, int64_t{INT32_MAX} + 1);
    // A total of no pages names no page.
    EXPECT_EQ(pageLabelText(view.state().labelPage, view.state().labelTotal), "没有记录");
    EXPECT_EQ(pageLabelText(int64_t{INT32_MAX} + 1, INT32_MAX), "当前第2147483648/2147483647页");

    queried.clear();
    cursor = PageCursor{INT32_MAX, INT32_MAX - 2};
    send(ActionCode::NextPage);
    send(ActionCode::LastPage);
    EXPECT_EQ(queried, (std::vector<int>{INT32_MAX - 1, INT32_MAX - 1}));
    cursor = PageCursor{INT32_MAX, INT32_MIN};
    send(ActionCode::NextPage);
    send(ActionCode::PreviousPage);
    EXPECT_EQ(queried.size(), 3u);
    EXPECT_EQ(queried.back(), INT32_MIN + 1);

    // The accounts view's label of a list whose answer says page INT32_MAX.
    server.respondByDefault([](const Bytes&) {
        return test::listAnswerOf<SubAccount>(cmd::SubAccountList, INT32_MAX, INT32_MAX, {});
    });
    view.state().view = ViewKind::Accounts;
    view.state().threeTabIndex = SubAccountTab;
    send(ActionCode::GroupSelected, test::makeGroup(5, 2, "0101", "上海"));
    EXPECT_EQ(view.state().labelPage, int64_t{INT32_MAX} + 1);
    send(ActionCode::SwitchView, static_cast<int>(ViewKind::Accounts));
    EXPECT_EQ(view.state().labelPage, int64_t{INT32_MAX} + 1);
}

TEST_F(ListsFixture, SearchWithAllGroupsQueriesSubAccountsOfGroupMinusOne) {
    send(ActionCode::GroupSelected, test::makeGroup(2, 1, "01", "华东"));
    SearchFilter f = searchBarFilter(-1, SearchCategory::Account, "8000");
    send(ActionCode::Search, f);
    Bytes r = lastRequest();
    EXPECT_EQ(r[3], cmd::SubAccountList);
    EXPECT_EQ(getI32(r.data() + 4), -1);
    EXPECT_EQ(text(r, 8, 16), "8000");
    EXPECT_EQ(r[80], SearchFilter::AccountFlag);
    EXPECT_EQ(test::requestedPage(r), 0);
    EXPECT_EQ(view.state().group.id, -1);
    EXPECT_EQ(view.state().shownList, AccountList::SubAccounts);
    // The next page keeps the filter and the group.
    send(ActionCode::NextPage);
    r = lastRequest();
    EXPECT_EQ(getI32(r.data() + 4), -1);
    EXPECT_EQ(text(r, 8, 16), "8000");
    EXPECT_EQ(test::requestedPage(r), 1);
}

TEST_F(ListsFixture, TabChangesQueryTheirListOnlyForARealGroup) {
    send(ActionCode::TwoTabChanged, 1);  // no group selected
    EXPECT_EQ(sent(), 0u);
    send(ActionCode::GroupSelected, test::makeGroup(1, 0, "", "根"));
    send(ActionCode::TwoTabChanged, 0);
    EXPECT_EQ(lastRequest()[3], cmd::MainAccountList);
    std::size_t before = sent();
    send(ActionCode::ThreeTabChanged, 2);  // the root group: not in the three-tab strip
    EXPECT_EQ(sent(), before);
    send(ActionCode::GroupSelected, test::makeGroup(5, 2, "0101", "上海"));
    before = sent();
    send(ActionCode::ThreeTabChanged, 0);  // the links, then the parent group's accounts
    ASSERT_GT(sent(), before);
    EXPECT_EQ(server.requests()[before][3], cmd::MainAccountLinks);
    send(ActionCode::ThreeTabChanged, 2);
    EXPECT_EQ(lastRequest()[3], cmd::SubAccountList);
    EXPECT_EQ(view.state().threeTabIndex, 2);
}

TEST_F(ListsFixture, AllSubAccountsPageKeepsTheCurrentGroup) {
    send(ActionCode::GroupSelected, test::makeGroup(2, 1, "01", "华东"));
    send(ActionCode::AllSubAccountsPage, 2);
    Bytes r = lastRequest();
    EXPECT_EQ(r[3], cmd::SubAccountList);
    EXPECT_EQ(getI32(r.data() + 4), -1);
    EXPECT_EQ(r[80], 0);
    EXPECT_EQ(test::requestedPage(r), 2);
    EXPECT_EQ(view.state().group.id, 2);
}

TEST(AccountListsFailures, ARefusalShowsTheServerTextAnUndecodableAnswerItsMessage) {
    for (bool refuse : {true, false}) {
        FakeServer server;
        server.respondByDefault([refuse](const Bytes&) {
            // A compressed body that is no zlib stream cannot be decoded.
            return refuse ? FakeServer::resultPacket(1, "无权限") : Bytes{8, 0, 1, 97, 1, 2, 3, 4};
        });
        ScriptedPort port;
        Desk desk(port);
        DeskView view(desk);
        ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
        view.state().view = ViewKind::Accounts;
        selectGroup(view, test::makeGroup(1, 0, "", "根"));
        EXPECT_EQ(port.lastMessage().text, refuse ? "无权限" : " 解析数据包出错!");
        EXPECT_TRUE(desk.accounts().administrators.empty());
    }
}

// Answers that are not a page of the awaited list: a login answer (which
// would overwrite the session if it were routed), a list answer cut before
// its page header, an acknowledgement, an answer of another list.
TEST(AccountListsFailures, AnAnswerThatIsNoPageOfTheListIsAnErrorAndChangesNothing) {
    Bytes login = FakeServer::packet(cmd::LoginAnswer, Bytes(40, 0));
    Bytes shortPage = FakeServer::packet(cmd::AdministratorList, Bytes(4, 0));
    Administrator a;
    a.account = "other";
    Bytes otherList = test::listAnswerOf<Administrator>(cmd::SubAccountList, 1, 0, {a});
    for (const Bytes& wrong : {login, shortPage, FakeServer::resultPacket(0), otherList}) {
        FakeServer server;
        server.respondByDefault([&wrong](const Bytes&) { return wrong; });
        ScriptedPort port;
        Desk desk(port);
        DeskView view(desk);
        ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
        desk.session().permissionMask = 0xFFFFF;
        desk.session().adminName = "管理员";
        Administrator kept;
        kept.account = "kept";
        desk.accounts().administrators.records = {kept};
        view.state().view = ViewKind::Accounts;
        view.state().group.id = 1;

        EXPECT_FALSE(showAccountList(view, AccountList::Administrators, 0));
        EXPECT_EQ(port.messageTexts(), std::vector<std::string>{" 解析数据包出错!"});
        EXPECT_EQ(desk.session().permissionMask, 0xFFFFFu);
        EXPECT_EQ(desk.session().adminName, "管理员");
        ASSERT_EQ(desk.accounts().administrators.count(), 1);
        EXPECT_EQ(desk.accounts().administrators.at(0).account, "kept");

        // Reading every page stops on it the same way.
        port.messages.clear();
        EXPECT_FALSE(loadAllAccountPages(desk, AccountList::Administrators, 1, SearchFilter{}));
        EXPECT_EQ(port.messageTexts(), std::vector<std::string>{" 解析数据包出错!"});
        EXPECT_EQ(desk.session().permissionMask, 0xFFFFFu);
    }
}

TEST(AccountListsLost, ALostConnectionEndsTheProgram) {
    FakeServer server;
    server.script(0).awaitRequest().close();
    ScriptedPort port;
    Desk desk(port);
    DeskView view(desk);
    ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
    view.state().view = ViewKind::Accounts;
    EXPECT_THROW(selectGroup(view, test::makeGroup(1, 0, "", "根")), ProgramEnd);
    EXPECT_EQ(port.lastMessage().text, "  与服务器断开了!");
}

TEST(ReportTree, LoadsTheSubAccountsOfEverySecondLevelGroupAndKeepsTheListOnScreen) {
    FakeServer server;
    server.respondByDefault([](const Bytes& r) {
        int group = getI32(r.data() + 4);
        int page = test::requestedPage(r);
        if (group == 5)  // two pages of two
            return test::listAnswerOf<SubAccount>(
                cmd::SubAccountList, 2, page,
                {test::makeSubAccount("5" + std::to_string(page) + "1", 5),
                 test::makeSubAccount("5" + std::to_string(page) + "2", 5)});
        return test::emptyList(cmd::SubAccountList);
    });
    ScriptedPort port;
    Desk desk(port);
    DeskView view(desk);
    ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
    auto& groups = desk.reference().groups.records;
    groups = {test::makeGroup(1, 0, "", "根"), test::makeGroup(2, 1, "01", "华东"),
              test::makeGroup(5, 2, "0101", "上海"), test::makeGroup(6, 2, "0102", "杭州")};
    desk.accounts().subAccounts.records = {test::makeSubAccount("keep", 9)};
    desk.accounts().subAccounts.cursor = PageCursor{4, 1};

    std::vector<ReportTreeNode> tree = loadReportTree(desk);
    ASSERT_EQ(tree.size(), 1u);
    EXPECT_EQ(tree[0].text, "根");
    EXPECT_EQ(tree[0].data, 1);
    ASSERT_EQ(tree[0].children.size(), 1u);
    const ReportTreeNode& east = tree[0].children[0];
    ASSERT_EQ(east.children.size(), 2u);
    const ReportTreeNode& shanghai = east.children[0];
    EXPECT_EQ(shanghai.data, 5);
    ASSERT_EQ(shanghai.children.size(), 4u);
    EXPECT_EQ(shanghai.children[0].text, "501");
    EXPECT_EQ(shanghai.children[3].text, "512");
    EXPECT_EQ(shanghai.children[3].data, -1);
    EXPECT_TRUE(east.children[1].children.empty());
    EXPECT_EQ(countNodes(tree), 8);
    // Two requests for group 5, one for group 6.
    EXPECT_EQ(server.requests().size(), 3u);
    EXPECT_EQ(desk.accounts().subAccounts.at(0).account, "keep");
    EXPECT_EQ(desk.accounts().subAccounts.cursor.total, 4);
}

TEST(ReportTree, IsKeptAcrossViewSwitchesAndLoadedAgainOnlyWhenDropped) {
    FakeServer server;
    server.respondByDefault([](const Bytes& r) {
        if (r[3] == cmd::GroupList)
            return test::listAnswerOf<Group>(
                cmd::GroupList, 1, 0,
                {test::makeGroup(1, 0, "", "根"), test::makeGroup(2, 1, "01", "华东"),
                 test::makeGroup(5, 2, "0101", "上海")});
        return test::listAnswerOf<SubAccount>(cmd::SubAccountList, 1, 0,
                                              {test::makeSubAccount("501", 5)});
    });
    ScriptedPort port;
    Desk desk(port);
    DeskView view(desk);
    ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
    desk.reference().groups.records = {test::makeGroup(1, 0, "", "根"),
                                       test::makeGroup(2, 1, "01", "华东"),
                                       test::makeGroup(5, 2, "0101", "上海")};
    int dropped = 0;
    desk.subscribe([&](DeskChange c) { dropped += c == DeskChange::ReportTree; });
    auto treeQueries = [&] {
        auto all = server.requests();
        return std::count_if(all.begin(), all.end(),
                             [](const Bytes& r) { return r[3] == cmd::SubAccountList; });
    };

    EXPECT_FALSE(reportTreeLoaded(desk));
    EXPECT_EQ(countNodes(reportTree(desk)), 4);
    EXPECT_EQ(treeQueries(), 1);
    // Switching views and asking for the tree again sends nothing.
    for (ViewKind view : {ViewKind::Reports, ViewKind::Accounts, ViewKind::FeeRates,
                          ViewKind::Reports, ViewKind::Risk}) {
        desk.dispatcher().send(ActionCode::SwitchView, static_cast<int>(view));
        EXPECT_EQ(countNodes(reportTree(desk)), 4);
    }
    EXPECT_EQ(treeQueries(), 1);
    EXPECT_EQ(dropped, 0);

    // The refresh command drops it; the next use loads it once.
    desk.dispatcher().send(ActionCode::RefreshGroups);
    EXPECT_EQ(dropped, 1);
    EXPECT_FALSE(reportTreeLoaded(desk));
    EXPECT_EQ(treeQueries(), 1);
    EXPECT_EQ(countNodes(reportTree(desk)), 4);
    EXPECT_EQ(countNodes(reportTree(desk)), 4);
    EXPECT_EQ(treeQueries(), 2);
}

}  // namespace
}  // namespace korvant

namespace korvant {
namespace {

int treeDepth(const std::vector<ReportTreeNode>& nodes) {
    int deepest = 0;
    for (const ReportTreeNode& n : nodes) deepest = std::max(deepest, 1 + treeDepth(n.children));
    return deepest;
}

TEST(ReportTree, PagesThatDoNotAdvanceAreReportedOnceAndEndTheLoading) {
    FakeServer server;
    // Every group answers page 0 of 3, whatever is asked.
    server.respondByDefault([](const Bytes& r) {
        return test::listAnswerOf<SubAccount>(cmd::SubAccountList, 3, 0,
                                              {test::makeSubAccount("s", getI32(r.data() + 4))});
    });
    ScriptedPort port;
    Desk desk(port);
    DeskView view(desk);
    ASSERT_EQ(desk.connection().connect(server.host(), server.port()), 1);
    desk.reference().groups.records = {
        test::makeGroup(1, 0, "", "根"), test::makeGroup(2, 1, "01", "华东"),
        test::makeGroup(5, 2, "0101", "上海"), test::makeGroup(6, 2, "0102", "杭州")};
    std::vector<ReportTreeNode> tree = loadReportTree(desk);
    EXPECT_EQ(countNodes(tree), 5);  // the first page of 上海 is kept
    EXPECT_EQ(server.requests().size(), 2u);
    ASSERT_EQ(port.messages.size(), 1u);
    EXPECT_EQ(port.lastMessage().text, "  错误的数据包, 无法解析 !  ");
}

TEST(ReportTree, AChainOfParentsIsFlattenedAtABoundedDepth) {
    ScriptedPort port;
    Desk desk(port);  // no second-level group: nothing is sent
    auto& groups = desk.reference().groups.records;
    for (int id = 1; id <= 200; ++id)
        groups.push_back(test::makeGroup(id, id - 1, "", "g" + std::to_string(id)));
    std::vector<ReportTreeNode> tree = loadReportTree(desk);
    EXPECT_EQ(countNodes(tree), 200);
    EXPECT_EQ(treeDepth(tree), 65);
}

}  // namespace
}  // namespace korvant
