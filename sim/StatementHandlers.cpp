#include <algorithm>

#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "ReportSupport.h"
#include "StatementComposer.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "text/NumberText.h"

// Settlement statements: one statement sent in chunks (49) and the list of
// the statements of a group and a date range (50).
namespace korvant::sim {
namespace {

constexpr int ChunkText = 10240;
constexpr int EntriesPerPage = 3000;  // 8-byte entries
constexpr std::size_t CachedStatements = 16;

// 49: start 4, account text 8 (32), target id 40, chunk 44, CSV 48, end 52,
// style 56. Chunk n carries bytes from n * 10240; the total at 4.
Answer statement(const Request& r, Context& c) {
    StatementAsk ask;
    const std::string text = r.text(8, 32);
    if (!parseAccountNumber(text, ask.account)) return refusal("结算单不存在");
    ask.start = r.i32(4);
    ask.end = r.i32(52);
    ask.csv = r.i32(48) != 0;
    ask.tradeByTrade = r.i32(56) == 1;
    const int32_t chunk = r.i32(44);
    const SubAccount* account = c.state.findSubAccount(ask.account);
    if (account == nullptr || !manages(c, account->groupId)) return refusal("结算单不存在");

    std::map<std::string, std::string>& cache = c.state.statementCache();
    const std::string key = formatInt(ask.account) + "/" + formatInt(ask.start) + "/" +
                            formatInt(ask.end) + "/" + (ask.csv ? "c" : "t") +
                            (ask.tradeByTrade ? "1" : "0");
    auto found = cache.find(key);
    if (found == cache.end()) {
        std::optional<std::string> composed =
            composeStatement(reportCache(c.state).data, ask, today());
        if (!composed) return refusal("结算单不存在");
        if (cache.size() >= CachedStatements) cache.clear();
        found = cache.emplace(key, std::move(*composed)).first;
    }
    const std::string& body = found->second;
    const int64_t first = static_cast<int64_t>(std::max(chunk, 0)) * ChunkText;
    const int64_t size =
        std::clamp<int64_t>(static_cast<int64_t>(body.size()) - first, 0, ChunkText);
    Answer out(static_cast<std::size_t>(8 + size), 0);
    putU16(out.data(), static_cast<uint16_t>(out.size()));
    out[3] = cmd::Statement;
    putI32(out.data() + 4, static_cast<int32_t>(body.size()));
    if (size > 0) std::copy_n(body.begin() + first, size, out.begin() + 8);
    return out;
}

// 50: start 4, end 8, target id 12, target text 16 (32), page 48. One
// entry per sub-account of the group and trading day of the range, day by
// day; an account opened later has no statement for the day.
Answer statementList(const Request& r, Context& c) {
    const int32_t from = r.i32(4), to = r.i32(8), groupId = r.i32(12);
    if (groupId <= 0 || c.state.findGroup(groupId) == nullptr || !manages(c, groupId))
        return refusal("请选择组");
    std::vector<int32_t> days;
    const int32_t last = std::min(to, today());
    int32_t day = from;
    for (int steps = 0; day <= last && steps < 3700; ++steps, day = nextDay(day))
        if (isTradingDay(day)) days.push_back(day);
    const std::vector<uint32_t> accounts = c.state.positionsWithin(groupId, true);
    const int64_t count = static_cast<int64_t>(days.size()) * static_cast<int64_t>(accounts.size());
    const int bounded = static_cast<int>(std::min<int64_t>(count, int64_t{EntriesPerPage} * 30000));
    return pageAnswer(cmd::StatementList, 8, EntriesPerPage, r.i32(48), bounded,
                      [&](uint8_t* p, int index) {
                          const std::size_t n = accounts.size();
                          const auto i = static_cast<std::size_t>(index);
                          putI32(p, c.state.subAccounts[accounts[i % n]].number);
                          putI32(p + 4, days[i / n]);
                      });
}

}  // namespace

void addStatementHandlers(Dispatcher& d) {
    d.add({cmd::Statement, 60, false, RefusalStyle::Result, statement});
    d.add({cmd::StatementList, 52, false, RefusalStyle::Result, statementList});
}

}  // namespace korvant::sim
