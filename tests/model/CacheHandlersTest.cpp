#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WireBytes.h"
#include "model/CacheHandlers.h"
#include "model/ListAnswer.h"
#include "protocol/AnswerRouter.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

using test::listAnswer;
using test::putGbk;
using test::records;

std::vector<uint8_t> subAccounts(int count) {
    return records(count, SubAccount::WireSize, [](uint8_t* r, int i) {
        std::string account = std::to_string(800000 + i);
        std::memcpy(r, account.data(), account.size());
        putI32(r + 360, i);
    });
}

std::vector<uint8_t> templates(int count, int firstId) {
    return records(count, RateTemplate::WireSize,
                   [firstId](uint8_t* r, int i) { putI32(r, firstId + i); });
}

std::vector<uint8_t> groups(int count) {
    return records(count, Group::WireSize, [](uint8_t* r, int i) {
        std::string name = "G" + std::to_string(i);
        std::memcpy(r, name.data(), name.size());
        putI32(r + 32, 10 + i);
        putI32(r + 68, i == 0 ? 0 : 10);
        putI32(r + 120, 77);
        std::memcpy(r + 128, "01", 2);
    });
}

struct Routed : ::testing::Test {
    AnswerRouter router;
    Session session;
    ReferenceData reference;
    AccountCaches accounts;
    void SetUp() override { registerCacheHandlers(router, session, reference, accounts); }
    void route(const std::vector<uint8_t>& packet) {
        router.route(packet.data(), static_cast<int>(packet.size()));
    }
    void routeFirst(const std::vector<uint8_t>& packet, int length) {
        ASSERT_LE(length, static_cast<int>(packet.size()));
        router.route(packet.data(), length);
    }
};

TEST(ListAnswer, CountsWholeRecordsOnly) {
    auto two = listAnswer(cmd::SubAccountList, 3, 1, subAccounts(2));
    ListPage page = parseListPage(two.data(), static_cast<int>(two.size()), SubAccount::WireSize);
    EXPECT_EQ(page.total, 3);
    EXPECT_EQ(page.index, 1);
    EXPECT_EQ(page.count, 2);
    EXPECT_EQ(page.records, two.data() + 12);

    auto body = subAccounts(2);
    body.resize(body.size() + 100, 0xCC);
    auto ragged = listAnswer(cmd::SubAccountList, 1, 0, body);
    EXPECT_EQ(ragged.size(), 12u + 2 * 364 + 100);
    EXPECT_EQ(parseListPage(ragged.data(), static_cast<int>(ragged.size()), 364).count, 2);
    // One byte short of a record is no record.
    EXPECT_EQ(parseListPage(ragged.data(), 12 + 363, 364).count, 0);

    for (int length : {0, 4, 11, -5}) {
        ListPage none = parseListPage(ragged.data(), length, 364);
        EXPECT_EQ(none.count, 0) << length;
        EXPECT_FALSE(none.hasHeader) << length;
        EXPECT_EQ(none.records, nullptr) << length;
    }
    EXPECT_EQ(parseListPage(ragged.data(), 12, 364).count, 0);
    EXPECT_TRUE(parseListPage(ragged.data(), 12, 364).hasHeader);
    EXPECT_FALSE(isListAnswer(ragged.data(), 11, cmd::SubAccountList));
    EXPECT_FALSE(isListAnswer(ragged.data(), 12, cmd::GroupList));
    EXPECT_TRUE(isListAnswer(ragged.data(), 12, cmd::SubAccountList));
}

TEST_F(Routed, LoginAnswerOfExactly44BytesFillsTheSession) {
    std::vector<uint8_t> answer(44, 0);
    putU16(answer.data(), 44);
    answer[3] = cmd::LoginAnswer;
    putI32(answer.data() + 4, 7);
    putGbk(answer, 8, "系统管理员");
    putU32(answer.data() + 40, 0xFFFFFFFFu);
    session.account = "admin";
    route(answer);
    EXPECT_EQ(session.ownGroupId, 7);
    EXPECT_EQ(session.adminName, "系统管理员");
    EXPECT_EQ(session.permissionMask, 0xFFFFFFFFu);
    EXPECT_EQ(session.account, "admin");

    // 45 bytes, or 43: ignored, the session keeps its values.
    std::vector<uint8_t> longer = answer;
    longer.push_back(0);
    putI32(longer.data() + 4, 99);
    putU32(longer.data() + 40, 1);
    route(longer);
    routeFirst(longer, 43);
    EXPECT_EQ(session.ownGroupId, 7);
    EXPECT_EQ(session.permissionMask, 0xFFFFFFFFu);

    session.reset();
    EXPECT_EQ(session.ownGroupId, 0);
    EXPECT_EQ(session.permissionMask, 0u);
    EXPECT_TRUE(session.adminName.empty());
    EXPECT_TRUE(session.account.empty());
}

TEST_F(Routed, AccountListsReplaceTheirCacheAndStoreTheCursor) {
    route(listAnswer(cmd::SubAccountList, 4, 0, subAccounts(3)));
    ASSERT_EQ(accounts.subAccounts.count(), 3);
    route(listAnswer(cmd::SubAccountList, 4, 1, subAccounts(2)));
    ASSERT_EQ(accounts.subAccounts.count(), 2);
    EXPECT_EQ(accounts.subAccounts.at(1).account, "800001");
    EXPECT_EQ(accounts.subAccounts.cursor.total, 4);
    EXPECT_EQ(accounts.subAccounts.cursor.last, 1);

    // No records: the cache is emptied and the cursor still stored.
    route(listAnswer(cmd::SubAccountList, 5, 3, {}));
    EXPECT_TRUE(accounts.subAccounts.empty());
    EXPECT_EQ(accounts.subAccounts.cursor.total, 5);
    EXPECT_EQ(accounts.subAccounts.cursor.last, 3);

    // Too short for a page header: emptied, cursor left as it was.
    route(listAnswer(cmd::SubAccountList, 4, 0, subAccounts(1)));
    auto shortPacket = listAnswer(cmd::SubAccountList, 9, 9, {});
    routeFirst(shortPacket, 8);
    EXPECT_TRUE(accounts.subAccounts.empty());
    EXPECT_EQ(accounts.subAccounts.cursor.total, 4);
    EXPECT_EQ(accounts.subAccounts.cursor.last, 0);

    route(listAnswer(cmd::AdministratorList, 1, 0,
                     records(2, Administrator::WireSize,
                             [](uint8_t* r, int i) { r[0] = static_cast<uint8_t>('a' + i); })));
    ASSERT_EQ(accounts.administrators.count(), 2);
    EXPECT_EQ(accounts.administrators.at(1).account, "b");

    route(listAnswer(
        cmd::MainAccountList, 1, 0,
        records(3, MainAccount::WireSize, [](uint8_t* r, int i) { putF64(r + 16, 100.0 * i); })));
    route(
        listAnswer(cmd::MainAccountList, 2, 1,
                   records(1, MainAccount::WireSize, [](uint8_t* r, int) { putF64(r + 16, 7); })));
    ASSERT_EQ(accounts.mainAccounts.count(), 1);
    EXPECT_DOUBLE_EQ(accounts.mainAccounts.at(0).initialFunds, 7);

    route(listAnswer(
        cmd::MainAccountLinks, 1, 0,
        records(4, MainAccountLink::WireSize, [](uint8_t* r, int i) { putF64(r + 16, i); })));
    route(listAnswer(cmd::MainAccountLinks, 1, 0,
                     records(2, MainAccountLink::WireSize, [](uint8_t*, int) {})));
    EXPECT_EQ(accounts.mainAccountLinks.count(), 2);
}

TEST_F(Routed, TemplateAndVarietyListsAppend) {
    route(listAnswer(cmd::MarginTemplateList, 2, 0, templates(3, 1)));
    route(listAnswer(cmd::MarginTemplateList, 2, 1, templates(2, 4)));
    ASSERT_EQ(reference.marginTemplates.count(), 5);
    EXPECT_EQ(reference.marginTemplates.at(4).id, 5);
    EXPECT_EQ(reference.marginTemplates.cursor.last, 1);

    // No records: the cache stays as it was, the cursor is stored.
    route(listAnswer(cmd::MarginTemplateList, 7, 6, {}));
    EXPECT_EQ(reference.marginTemplates.count(), 5);
    EXPECT_EQ(reference.marginTemplates.cursor.total, 7);
    EXPECT_EQ(reference.marginTemplates.cursor.last, 6);

    route(listAnswer(cmd::FeeTemplateList, 1, 0, templates(1, 30)));
    route(listAnswer(cmd::FeeTemplateList, 1, 0, templates(1, 31)));
    EXPECT_EQ(reference.feeTemplates.count(), 2);
    EXPECT_TRUE(reference.marginTemplates.count() == 5);

    route(listAnswer(cmd::VarietyList, 1, 0,
                     records(2, ContractVariety::WireSize,
                             [](uint8_t* r, int i) { r[0] = static_cast<uint8_t>('x' + i); })));
    route(listAnswer(cmd::VarietyList, 1, 0,
                     records(1, ContractVariety::WireSize, [](uint8_t* r, int) { r[0] = 'z'; })));
    ASSERT_EQ(reference.varieties.count(), 3);
    EXPECT_EQ(reference.varieties.at(2).contractCode, "z");
}

TEST_F(Routed, GroupListReplacesAndKeepsOnlyFiveFields) {
    route(listAnswer(cmd::GroupList, 1, 0, groups(3)));
    ASSERT_EQ(reference.groups.count(), 3);
    const Group& g = reference.groups.at(1);
    EXPECT_EQ(g.name, "G1");
    EXPECT_EQ(g.id, 11);
    EXPECT_EQ(g.parentId, 10);
    EXPECT_EQ(g.groupCode, "");
    EXPECT_EQ(g.referenceValue, 0);

    route(listAnswer(cmd::GroupList, 1, 0, {}));
    EXPECT_TRUE(reference.groups.empty());
    EXPECT_EQ(reference.groups.cursor.last, 0);
}

TEST_F(Routed, OtherCommandsChangeNothing) {
    route(listAnswer(cmd::MarginTemplateList, 1, 0, templates(2, 1)));
    // A risk-strategy page reaching the dispatcher has no handler; a login
    // request code is dropped too.
    route(listAnswer(cmd::RiskStrategyList, 1, 0, std::vector<uint8_t>(2376, 1)));
    route(listAnswer(cmd::Login, 1, 0, templates(2, 1)));
    EXPECT_EQ(reference.marginTemplates.count(), 2);
    EXPECT_TRUE(reference.riskStrategies.empty());
    EXPECT_EQ(session.ownGroupId, 0);
}

TEST_F(Routed, DecodedCompressedListIsCountedByItsDecodedLength) {
    // The dispatcher hands the handlers the decompressed length; a list
    // answer is counted from that, never from the wire length.
    auto plain = listAnswer(cmd::SubAccountList, 1, 0, subAccounts(3));
    std::vector<uint8_t> wire(plain.size() + 64, 0);
    std::vector<uint8_t> scratch = plain;
    int size = writeCompressedRequest(scratch.data(), static_cast<int>(scratch.size()), wire.data(),
                                      static_cast<int>(wire.size()));
    ASSERT_GT(size, 0);
    ASSERT_EQ(wire[2], FlagCompressed);
    EXPECT_EQ(decodeAnswer(router, wire.data(), size), 0);
    EXPECT_EQ(accounts.subAccounts.count(), 3);
}

}  // namespace
}  // namespace korvant
