#include <algorithm>

#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "PageSizes.h"
#include "ReportRecords.h"
#include "ReportSupport.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "text/NumberText.h"

// The money reports: account funds of a day (48), their export over a date
// range (88) and the net values of main accounts (107, query and export).
namespace korvant::sim {
namespace {

// The value a funds row is sorted by: 1 account, 2 trading day, 3 equity,
// 4 available, 5 margin, 6 fees, 7 and 8 profits of open positions (float,
// marked), 9 and 10 of closed ones, 11 deposits, 12 withdrawals, 13 risk
// degree, 14 all floating profit, 15 all marked profit.
double sortValue(const FundsFact& f, int32_t key) {
    switch (key) {
        case 2:
            return f.day;
        case 3:
            return f.equity;
        case 4:
            return f.available;
        case 5:
            return f.margin;
        case 6:
            return f.fees;
        case 7:
            return f.positionFloat;
        case 8:
            return f.positionProfit;
        case 9:
            return f.closeFloat;
        case 10:
            return f.closeProfit;
        case 11:
            return f.deposits;
        case 12:
            return f.withdrawals;
        case 13:
            return f.riskShare();
        case 14:
            return f.positionFloat + f.closeFloat;
        case 15:
            return f.positionProfit + f.closeProfit;
        default:
            return f.account;
    }
}

// Order 2 descending, anything else ascending; equal values by account.
void sortFunds(std::vector<FundsFact>& rows, int32_t key, int32_t order) {
    const bool descending = order == 2;
    std::sort(rows.begin(), rows.end(), [key, descending](const FundsFact& a, const FundsFact& b) {
        const double x = sortValue(a, key), y = sortValue(b, key);
        if (x != y) return descending ? x > y : x < y;
        return a.account < b.account;
    });
}

// 48: trading day 4, sort key 8, order 12, target text 16 (32), target id
// 48, page 52. One row per sub-account that has the day.
Answer fundsQuery(const Request& r, Context& c) {
    const int32_t day = r.i32(4), key = r.i32(8), order = r.i32(12), targetId = r.i32(48);
    const std::string text = r.text(16, 32);
    ReportCache& cache = reportCache(c.state);
    const std::string name = formatInt(day) + "/" + formatInt(key) + "/" + formatInt(order) + "/" +
                             targetKey(targetId, text);
    auto found = cache.funds.find(name);
    std::shared_ptr<const std::vector<FundsFact>> rows;
    if (found != cache.funds.end()) {
        rows = found->second;
    } else {
        auto made = std::make_shared<std::vector<FundsFact>>();
        for (uint32_t i : targetSubAccounts(c, targetId, text)) {
            const SubAccount& a = c.state.subAccounts[i];
            if (cache.data.trades(a, day)) made->push_back(cache.data.funds(a, day));
        }
        sortFunds(*made, key, order);
        rows = made;
        remember(cache.funds, name, rows);
    }
    return listPage(cmd::FundsReport, FundsRowSize, page::FundsRows, r.i32(52), *rows,
                    &writeFundsRow);
}

// 88: export number 4, start 8, end 12, sort key 16, order 20, target text
// 24 (32), target id 56, page 60. One row per sub-account over the range
// (its trading day the last day); the rows of one export number are made
// once. The answer's first control field is the next page's index, or -1
// on the last page (and when there are no rows); the second is the index of
// the page to ask next (the page returned + 1; the page returned on the
// last page; 0 when there are no rows).
Answer fundsExport(const Request& r, Context& c) {
    const int32_t exportNumber = r.i32(4), from = r.i32(8), to = r.i32(12), key = r.i32(16),
                  order = r.i32(20), targetId = r.i32(56);
    const std::string text = r.text(24, 32);
    ReportCache& cache = reportCache(c.state);
    const std::string name = "x" + formatInt(exportNumber) + "/" + formatInt(from) + "/" +
                             formatInt(to) + "/" + formatInt(key) + "/" + formatInt(order) + "/" +
                             targetKey(targetId, text);
    auto found = cache.funds.find(name);
    std::shared_ptr<const std::vector<FundsFact>> rows;
    if (found != cache.funds.end()) {
        rows = found->second;
    } else {
        const std::vector<uint32_t> accounts = targetSubAccounts(c, targetId, text);
        if (accounts.size() * cache.data.tradingDays(from, to).size() > MaxUnits)
            return refusal(RangeTooWide);
        auto made = std::make_shared<std::vector<FundsFact>>();
        FundsFact f;
        for (uint32_t i : accounts)
            if (cache.data.funds(c.state.subAccounts[i], from, to, f)) made->push_back(f);
        sortFunds(*made, key, order);
        rows = made;
        remember(cache.funds, name, rows);
    }
    const int page = std::max(r.i32(60), 0);
    const int64_t count = static_cast<int64_t>(rows->size());
    Answer out = reportPage(cmd::FundsExport, FundsRowSize, page::FundsRows, page, count,
                            [&](uint8_t* p, int64_t first, int n) {
                                for (int i = 0; i < n; ++i)
                                    writeFundsRow(p + i * FundsRowSize,
                                                  (*rows)[static_cast<std::size_t>(first + i)]);
                            });
    const int64_t pages = (count + page::FundsRows - 1) / page::FundsRows;
    const bool more = page + 1 < pages;
    putI32(out.data() + 4, more ? page + 1 : -1);
    putI32(out.data() + 8, count == 0 ? 0 : (more ? page + 1 : page));
    return out;
}

// 107: start 4, end 8, main account 12 (16), target id 28, page 32. -1:
// the main account named; a group: the main accounts of it and the groups
// below it (those that command 37 lists). One row per main account and
// trading day, account by account.
Answer netValues(const Request& r, Context& c) {
    const int32_t from = r.i32(4), to = r.i32(8), targetId = r.i32(28);
    const std::string text = r.text(12, 16);
    ReportCache& cache = reportCache(c.state);
    const std::string name =
        formatInt(from) + "/" + formatInt(to) + "/" + targetKey(targetId, text);
    auto found = cache.netValues.find(name);
    std::shared_ptr<const std::vector<NetValueFact>> rows;
    if (found != cache.netValues.end()) {
        rows = found->second;
    } else {
        std::vector<const MainAccount*> mains;
        if (targetId == -1) {
            const MainAccount* m = c.state.findMainAccount(text);
            if (m != nullptr && manages(c, m->groupId)) mains.push_back(m);
        } else if (targetId >= 0 && c.state.findGroup(targetId) != nullptr &&
                   manages(c, targetId)) {
            for (uint32_t i : c.state.positionsWithin(targetId, false))
                mains.push_back(&c.state.mainAccounts[i]);
        }
        if (mains.size() * cache.data.tradingDays(from, to).size() > MaxUnits / 64)
            return refusal(RangeTooWide);
        auto made = std::make_shared<std::vector<NetValueFact>>();
        for (const MainAccount* m : mains) {
            std::vector<NetValueFact> more = cache.data.netValues(*m, from, to);
            made->insert(made->end(), more.begin(), more.end());
        }
        rows = made;
        remember(cache.netValues, name, rows);
    }
    return listPage(cmd::NetValueReport, NetValueRowSize, page::NetValueRows, r.i32(32), *rows,
                    &writeNetValueRow);
}

}  // namespace

void addFundsReportHandlers(Dispatcher& d) {
    d.add({cmd::FundsReport, 60, false, RefusalStyle::Result, fundsQuery});
    d.add({cmd::FundsExport, 68, false, RefusalStyle::Result, fundsExport});
    d.add({cmd::NetValueReport, 36, false, RefusalStyle::Result, netValues});
}

}  // namespace korvant::sim
