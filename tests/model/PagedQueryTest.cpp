#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <numeric>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "WireBytes.h"
#include "model/PagedQuery.h"
#include "model/RecordCache.h"
#include "model/ReferenceQueries.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

using test::listAnswer;
using test::records;

// A server in a function: records every request and answers from a
// script, or through `respond` once the script is used up.
struct ScriptedExchange {
    std::vector<std::vector<uint8_t>> requests;
    std::deque<std::vector<uint8_t>> script;
    std::function<std::vector<uint8_t>(const std::vector<uint8_t>& request)> respond;

    Exchange exchange() {
        return {[this](const uint8_t* request, int length) {
                    requests.emplace_back(request, request + length);
                },
                [this](std::vector<uint8_t>& answer) {
                    std::vector<uint8_t> next;
                    if (!script.empty()) {
                        next = std::move(script.front());
                        script.pop_front();
                    } else if (respond) {
                        next = respond(requests.back());
                    }
                    if (next.empty()) return ExchangeResult(ExchangeFailure::ConnectionLost);
                    answer = next;
                    return ExchangeResult(next.size());
                }};
    }
    std::vector<int32_t> pagesAt(int offset) const {
        std::vector<int32_t> pages;
        for (const auto& r : requests) pages.push_back(getI32(r.data() + offset));
        return pages;
    }
};

std::vector<uint8_t> groupPage(int total, int index, int count, int firstId) {
    return listAnswer(cmd::GroupList, total, index,
                      records(count, Group::WireSize, [firstId](uint8_t* r, int i) {
                          putI32(r + 32, firstId + i);
                          std::memcpy(r + 128, "01", 2);
                          putI32(r + 120, 5);
                      }));
}

std::vector<uint8_t> resultPacket(uint8_t status, const std::string& text) {
    std::vector<uint8_t> p(5 + text.size() + 1, 0);
    putU16(p.data(), static_cast<uint16_t>(p.size()));
    p[3] = cmd::Result;
    p[4] = status;
    std::memcpy(p.data() + 5, text.data(), text.size());
    return p;
}

TEST(PagedQuery, AsksForEveryPageTheServerAnnounces) {
    ScriptedExchange server;
    server.script = {groupPage(3, 0, 2, 1), groupPage(3, 1, 2, 3), groupPage(3, 2, 1, 5)};
    ReferenceData reference;
    std::vector<int> progress;
    auto result = queryGroups(server.exchange(), reference, [&](int n) { progress.push_back(n); });
    EXPECT_EQ(result, PagedQueryResult::Done);
    ASSERT_EQ(server.requests.size(), 3u);
    EXPECT_EQ(server.pagesAt(36), (std::vector<int32_t>{0, 1, 2}));
    for (const auto& r : server.requests) {
        EXPECT_EQ(r.size(), 40u);
        EXPECT_EQ(r[3], cmd::GroupList);
    }
    ASSERT_EQ(reference.groups.count(), 5);
    EXPECT_EQ(reference.groups.at(4).id, 5);
    // The paged query keeps every field, unlike the dispatcher's handler.
    EXPECT_EQ(reference.groups.at(0).groupCode, "01");
    EXPECT_EQ(reference.groups.at(0).referenceValue, 5);
    EXPECT_EQ(reference.groups.cursor.total, 3);
    EXPECT_EQ(reference.groups.cursor.last, 2);
    EXPECT_EQ(progress, (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(progressText(ReferenceList::Groups, progress.back()), "查询组列表5");
}

TEST(PagedQuery, EmptyServerEndsAfterOneRequestAndEmptiesTheCache) {
    ScriptedExchange server;
    server.script = {groupPage(1, 0, 0, 0)};
    ReferenceData reference;
    reference.groups.records.resize(4);
    EXPECT_EQ(queryGroups(server.exchange(), reference), PagedQueryResult::Done);
    EXPECT_EQ(server.requests.size(), 1u);
    EXPECT_TRUE(reference.groups.empty());
}

TEST(PagedQuery, StopsOnAnAnswerThatIsNotAListOfTheCommand) {
    ReferenceData reference;
    {
        ScriptedExchange server;
        server.script = {groupPage(5, 0, 2, 1), resultPacket(1, "busy"), groupPage(5, 1, 2, 3)};
        EXPECT_EQ(queryGroups(server.exchange(), reference), PagedQueryResult::ForeignAnswer);
        EXPECT_EQ(server.requests.size(), 2u);
        EXPECT_EQ(reference.groups.count(), 2);
        EXPECT_EQ(reference.groups.cursor.last, 0);
    }
    {
        // Another command's list, and a packet shorter than a page header.
        ScriptedExchange server;
        server.script = {listAnswer(cmd::FeeTemplateList, 5, 0, {})};
        EXPECT_EQ(queryMarginTemplates(server.exchange(), reference),
                  PagedQueryResult::ForeignAnswer);
        EXPECT_EQ(server.requests.size(), 1u);
        EXPECT_TRUE(reference.marginTemplates.empty());

        ScriptedExchange shortServer;
        auto tiny = listAnswer(cmd::FeeTemplateList, 5, 0, {});
        tiny.resize(11);
        shortServer.script = {tiny};
        EXPECT_EQ(queryFeeTemplates(shortServer.exchange(), reference),
                  PagedQueryResult::ForeignAnswer);
        EXPECT_EQ(shortServer.requests.size(), 1u);
    }
}

TEST(PagedQuery, EndsWhenTheServerDoesNotAdvance) {
    // The server answers page 0 of 5 whatever is asked.
    ScriptedExchange server;
    server.respond = [](const std::vector<uint8_t>&) { return groupPage(5, 0, 1, 1); };
    ReferenceData reference;
    EXPECT_EQ(queryGroups(server.exchange(), reference), PagedQueryResult::Stalled);
    EXPECT_EQ(server.requests.size(), 2u);
    EXPECT_EQ(server.pagesAt(36), (std::vector<int32_t>{0, 1}));

    // Indices going backwards end it too.
    ScriptedExchange backwards;
    backwards.script = {groupPage(9, 3, 1, 1), groupPage(9, 2, 1, 2)};
    EXPECT_EQ(queryGroups(backwards.exchange(), reference), PagedQueryResult::Stalled);
    EXPECT_EQ(backwards.pagesAt(36), (std::vector<int32_t>{0, 4}));
}

TEST(PagedQuery, CountsAndIndicesNoListHasAreMalformedNeverAShortList) {
    const struct {
        int32_t total, index;
    } cases[] = {{9, -7}, {INT32_MIN, 0}, {-1, 0}, {3, 3}, {0, 1}, {INT32_MIN, INT32_MIN}};
    for (const auto& c : cases) {
        ScriptedExchange server;
        server.script = {groupPage(c.total, c.index, 1, 1)};
        ReferenceData reference;
        EXPECT_EQ(queryGroups(server.exchange(), reference), PagedQueryResult::Malformed)
            << c.total << " " << c.index;
        EXPECT_EQ(server.requests.size(), 1u);
        EXPECT_EQ(reference.groups.count(), 0);
    }
    // An empty list: count 0, index 0.
    ScriptedExchange empty;
    empty.script = {groupPage(0, 0, 0, 1)};
    ReferenceData reference;
    EXPECT_EQ(queryGroups(empty.exchange(), reference), PagedQueryResult::Done);
}

// A read of every page sizes its cache from the first page's total, never
// beyond the bound, since the total is the server's word.
TEST(RecordCache, ReservesForTheAnnouncedPagesWithinABound) {
    RecordCache<Group> cache;
    const auto honest = groupPage(40, 0, 3, 1);
    cache.reserveForAllPages(honest.data(), static_cast<int>(honest.size()));
    cache.replaceFromAnswer(honest.data(), static_cast<int>(honest.size()));
    EXPECT_GE(cache.records.capacity(), 120u);
    EXPECT_EQ(cache.count(), 3);
    EXPECT_EQ(cache.records[2].id, 3);

    RecordCache<Group> lied;
    const auto huge = groupPage(INT32_MAX, 0, 150, 1);
    lied.reserveForAllPages(huge.data(), static_cast<int>(huge.size()));
    EXPECT_LE(lied.records.capacity() * sizeof(Group), RecordCache<Group>::MaxReservedBytes);
    EXPECT_GE(lied.records.capacity(), 150u);

    // Not a first page, or a page without records: nothing is reserved.
    RecordCache<Group> later;
    const auto second = groupPage(40, 1, 3, 1);
    later.reserveForAllPages(second.data(), static_cast<int>(second.size()));
    const auto empty = groupPage(40, 0, 0, 1);
    later.reserveForAllPages(empty.data(), static_cast<int>(empty.size()));
    EXPECT_EQ(later.records.capacity(), 0u);
}

TEST(PagedQuery, HugeTotalsAreBoundedByThePageCap) {
    // An honest-looking server that claims two billion pages.
    ScriptedExchange server;
    server.respond = [](const std::vector<uint8_t>& request) {
        int page = getI32(request.data() + 8);
        return listAnswer(cmd::RiskStrategyList, INT32_MAX, page, {});
    };
    PagedQuery query;
    query.command = cmd::RiskStrategyList;
    query.recordSize = RiskStrategy::WireSize;
    query.writeRequest = [](int page, uint8_t* buffer, int capacity) {
        return writeRiskStrategyListRequest(0, page, buffer, capacity);
    };
    query.maxPages = 50;
    EXPECT_EQ(runPagedQuery(server.exchange(), query), PagedQueryResult::TooMuchData);
    EXPECT_EQ(server.requests.size(), 50u);

    // The last representable index under a count that wrapped around is no
    // page of any list, and asks for nothing more.
    ScriptedExchange top;
    top.script = {listAnswer(cmd::RiskStrategyList, INT32_MIN, INT32_MAX, {})};
    query.maxPages = MaxQueryPages;
    EXPECT_EQ(runPagedQuery(top.exchange(), query), PagedQueryResult::Malformed);
    EXPECT_EQ(top.requests.size(), 1u);
}

// Full pages of one-byte records, each answering the page asked for, of a
// list that claims two billion pages.
std::vector<uint8_t> fullPage(uint8_t command, int index, int bytes) {
    return listAnswer(command, INT32_MAX, index, std::vector<uint8_t>(bytes - 12, 7));
}

TEST(PagedQuery, EndlessFullPagesStopAtTheRecordAndByteCaps) {
    PagedQuery query;
    query.command = cmd::VarietyList;
    query.recordSize = 1;
    query.writeRequest = [](int page, uint8_t* buffer, int capacity) {
        return writeVarietyListRequest(page, buffer, capacity);
    };
    int64_t parsed = 0;
    query.parsePage = [&parsed](const uint8_t*, int length) { parsed += length - 12; };
    ScriptedExchange server;
    server.respond = [](const std::vector<uint8_t>& request) {
        return fullPage(cmd::VarietyList, getI32(request.data() + 4), MaxPacketSize);
    };
    // The default record cap ends it after about 20 of the 100 000 pages it
    // would otherwise ask for; the page that would cross the cap is not
    // parsed.
    EXPECT_EQ(runPagedQuery(server.exchange(), query), PagedQueryResult::TooMuchData);
    EXPECT_LE(parsed, MaxQueryRecords);
    EXPECT_GT(parsed, MaxQueryRecords - (MaxPacketSize - 12));
    EXPECT_EQ(server.requests.size(), static_cast<std::size_t>(parsed / (MaxPacketSize - 12) + 1));

    // The byte cap counts the decoded answers.
    ScriptedExchange bytes;
    bytes.respond = server.respond;
    query.recordSize = 1000;
    query.maxBytes = 10 * MaxPacketSize;
    parsed = 0;
    EXPECT_EQ(runPagedQuery(bytes.exchange(), query), PagedQueryResult::TooMuchData);
    EXPECT_EQ(bytes.requests.size(), 11u);
    EXPECT_EQ(parsed, 10 * (MaxPacketSize - 12));
    // No faulty server fills more than the bound of the desk's memory.
    EXPECT_LE(MaxQueryBytes, int64_t{64} << 20);
}

TEST(PagedQuery, ForeignAnswersAreDecodedOnceAndHandedToTheCaller) {
    // A refusal sent compressed: the caller sees it inflated.
    auto refusal = resultPacket(1, "没有权限");
    std::vector<uint8_t> wire(refusal.size() + 64, 0);
    int size = writeCompressedRequest(refusal.data(), static_cast<int>(refusal.size()), wire.data(),
                                      static_cast<int>(wire.size()));
    ASSERT_EQ(wire[2], FlagCompressed);
    wire.resize(static_cast<std::size_t>(size));

    PagedQuery query;
    query.command = cmd::GroupList;
    query.recordSize = Group::WireSize;
    query.writeRequest = [](int page, uint8_t* buffer, int capacity) {
        return writeGroupListRequest({}, page, buffer, capacity);
    };
    std::vector<std::vector<uint8_t>> seen;
    query.foreignAnswer = [&seen](std::span<const uint8_t> p) {
        seen.emplace_back(p.begin(), p.end());
    };
    ScriptedExchange server;
    server.script = {wire};
    EXPECT_EQ(runPagedQuery(server.exchange(), query), PagedQueryResult::ForeignAnswer);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0], refusal);

    // A corrupt compressed page and one longer than any accepted answer are
    // foreign too, never an empty list.
    std::vector<uint8_t> corrupt{12, 0, FlagCompressed, cmd::GroupList, 1, 2, 3, 4, 5, 6, 7, 8};
    std::vector<uint8_t> tooLong = groupPage(1, 0, (MaxPacketSize - 12) / Group::WireSize + 1, 1);
    ASSERT_GT(tooLong.size(), static_cast<std::size_t>(MaxPacketSize));
    for (const auto& answer : {corrupt, tooLong}) {
        ScriptedExchange bad;
        bad.script = {answer};
        int parsedPages = 0;
        query.parsePage = [&parsedPages](const uint8_t*, int) { ++parsedPages; };
        EXPECT_EQ(runPagedQuery(bad.exchange(), query), PagedQueryResult::ForeignAnswer);
        EXPECT_EQ(parsedPages, 0);
    }
}

// The rate exports count their pages themselves: whatever the answers say
// in their control fields, pages 0 … N-1 are asked for in turn, each
// announced as one of N, and a page the caller refuses ends the read.
TEST(PagedQuery, KnownPagesAreAskedForInTurnWhateverTheAnswersSay) {
    struct Case {
        const char* name;
        int knownPages;
        int maxPages;
        int refuseAt;  // page acceptPage refuses, -1: none
        PagedQueryResult end;
        int requests;
        int parsed;
    };
    const Case cases[] = {
        {"every page", 4, MaxQueryPages, -1, PagedQueryResult::Done, 4, 4},
        {"none known: page 0 alone", 0, MaxQueryPages, -1, PagedQueryResult::Done, 1, 1},
        {"beyond the page cap", 10, 3, -1, PagedQueryResult::TooMuchData, 3, 3},
        // The next request went out before the page was judged.
        {"a refused page", 4, MaxQueryPages, 1, PagedQueryResult::Stopped, 3, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedExchange server;
        // Every answer says "page 0 of 1", as a server that leaves the
        // fields alone would.
        server.respond = [](const std::vector<uint8_t>&) {
            return listAnswer(cmd::FeeRates, 1, 0, std::vector<uint8_t>(24, 1));
        };
        PagedQuery query;
        query.command = cmd::FeeRates;
        query.recordSize = 24;
        query.loop = PageLoop::KnownPages;
        query.knownPages = c.knownPages;
        query.maxPages = c.maxPages;
        query.writeRequest = [](int page, uint8_t* buffer, int) {
            std::fill(buffer, buffer + 12, 0);
            putI32(buffer + 8, page);
            return 12;
        };
        int judged = 0;
        int parsed = 0;
        std::vector<std::pair<int, int>> reads;
        query.acceptPage = [&](const uint8_t*, int) { return judged++ != c.refuseAt; };
        query.parsePage = [&parsed](const uint8_t*, int) { ++parsed; };
        query.pageRead = [&reads](int read, int announced) {
            reads.emplace_back(read, announced);
            return true;
        };
        EXPECT_EQ(runPagedQuery(server.exchange(), query), c.end);
        std::vector<int32_t> asked(static_cast<std::size_t>(c.requests));
        std::iota(asked.begin(), asked.end(), 0);
        EXPECT_EQ(server.pagesAt(8), asked);
        EXPECT_EQ(parsed, c.parsed);
        for (std::size_t i = 0; i < reads.size(); ++i)
            EXPECT_EQ(reads[i], std::make_pair(static_cast<int>(i) + 1, c.knownPages));
    }
}

TEST(PagedQuery, ReportsBuildFailureAndLostConnection) {
    ScriptedExchange server;
    PagedQuery query;
    query.command = cmd::GroupList;
    query.recordSize = Group::WireSize;
    query.writeRequest = [](int, uint8_t*, int) { return 0; };
    EXPECT_EQ(runPagedQuery(server.exchange(), query), PagedQueryResult::BuildFailed);
    EXPECT_TRUE(server.requests.empty());

    ReferenceData reference;
    ScriptedExchange dropping;
    dropping.script = {groupPage(3, 0, 1, 1)};  // then nothing: the peer is gone
    EXPECT_EQ(queryGroups(dropping.exchange(), reference), PagedQueryResult::Disconnected);
    EXPECT_EQ(dropping.requests.size(), 2u);

    EXPECT_STREQ(buildFailureText(ReferenceList::Groups), "  组包出错!! ");
    EXPECT_STREQ(buildFailureText(ReferenceList::RiskStrategies), " 组包出错!!");
    EXPECT_STREQ(QueryDisconnectedText, "  与服务器断开了!");
}

TEST(PagedQuery, CompressedPagesAreInflatedBeforeCounting) {
    auto plain = listAnswer(cmd::VarietyList, 1, 0,
                            records(3, ContractVariety::WireSize, [](uint8_t* r, int i) {
                                r[0] = static_cast<uint8_t>('a' + i);
                            }));
    std::vector<uint8_t> wire(plain.size() + 64, 0);
    int size = writeCompressedRequest(plain.data(), static_cast<int>(plain.size()), wire.data(),
                                      static_cast<int>(wire.size()));
    ASSERT_EQ(wire[2], FlagCompressed);
    wire.resize(static_cast<std::size_t>(size));
    ScriptedExchange server;
    server.script = {wire};
    ReferenceData reference;
    EXPECT_EQ(queryVarieties(server.exchange(), reference), PagedQueryResult::Done);
    ASSERT_EQ(reference.varieties.count(), 3);
    EXPECT_EQ(reference.varieties.at(2).contractCode, "c");
}

TEST(ReferenceQueries, RequestsCarryTheirFields) {
    ScriptedExchange server;
    server.respond = [](const std::vector<uint8_t>& request) {
        return listAnswer(request[3], 2, getI32(request.data() + (request[3] == 42 ? 4 : 8)), {});
    };
    ReferenceData reference;
    // Risk strategies: own group id at 4, page at 8, zero at 12.
    EXPECT_EQ(queryRiskStrategies(server.exchange(), reference, 0), PagedQueryResult::Done);
    EXPECT_EQ(queryRiskStrategies(server.exchange(), reference, 321), PagedQueryResult::Done);
    ASSERT_EQ(server.requests.size(), 4u);
    const std::vector<uint8_t>& r = server.requests[3];
    ASSERT_EQ(r.size(), 16u);
    EXPECT_EQ(getU16(r.data()), 16);
    EXPECT_EQ(getI32(r.data() + 4), 321);
    EXPECT_EQ(getI32(r.data() + 8), 1);
    EXPECT_EQ(getI32(r.data() + 12), 0);
    EXPECT_EQ(getI32(server.requests[0].data() + 4), 0);

    std::vector<uint8_t> buffer(100, 0xFF);
    ASSERT_EQ(writeVarietyListRequest(6, buffer.data(), 100), 20);
    EXPECT_EQ(getI32(buffer.data() + 4), 6);
    for (int i = 8; i < 20; ++i) EXPECT_EQ(buffer[i], 0) << i;

    ASSERT_EQ(writeFeeTemplateListRequest(2, buffer.data(), 100), 72);
    EXPECT_EQ(buffer[3], cmd::FeeTemplateList);
    EXPECT_EQ(getI32(buffer.data() + 68), 2);
    for (int i = 4; i < 68; ++i) EXPECT_EQ(buffer[i], 0) << i;

    // A name filter is cut to 31 bytes; the page follows at 36.
    ASSERT_EQ(writeGroupListRequest(std::string(40, 'n'), 3, buffer.data(), 100), 40);
    EXPECT_EQ(rawPlainText(buffer.data() + 4, 32), std::string(31, 'n'));
    EXPECT_EQ(getI32(buffer.data() + 36), 3);
    EXPECT_EQ(writeGroupListRequest("", 0, buffer.data(), 39), -1);
}

TEST(ReferenceQueries, ProgressTexts) {
    EXPECT_EQ(progressText(ReferenceList::MarginTemplates, 0), "查询保证金率模板0");
    EXPECT_EQ(progressText(ReferenceList::FeeTemplates, 12), "查询手续费率模板12");
    EXPECT_EQ(progressText(ReferenceList::Varieties, 3), "查询合约品种3");
    EXPECT_EQ(progressText(ReferenceList::RiskStrategies, 1), "查询风控策略1");
    EXPECT_STREQ(initialQueryText(ReferenceList::MarginTemplates), "查询保证金模板");
    EXPECT_STREQ(initialQueryText(ReferenceList::FeeTemplates), "查询手续费模板");
}

}  // namespace
}  // namespace korvant
