#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "PageSizes.h"
#include "ReportRecords.h"
#include "ReportSupport.h"
#include "protocol/CommandCode.h"
#include "text/NumberText.h"

// The order, trade and position reports of a day (103, 89, 108), the order
// and trade exports over a date range (104, 93) and the correction of
// positions (109). Rows come day by day, and within a day sub-account by
// sub-account in the order of the account lists.
namespace korvant::sim {
namespace {

enum class Kind { Orders, Trades, Positions };

struct KindOf {
    const char* name;
    int rowSize;
    int pageSize;
};

KindOf kindOf(Kind kind) {
    switch (kind) {
        case Kind::Orders:
            return {"o", OrderRowSize, page::OrderRows};
        case Kind::Trades:
            return {"t", TradeRowSize, page::TradeRows};
        default:
            return {"p", PositionRowSize, page::PositionRows};
    }
}

// One page of `kind` for the target over [from, to]; the row counts of the
// units are kept for the next page.
Answer rowsPage(Kind kind, uint8_t command, Context& c, int32_t from, int32_t to, int32_t targetId,
                const std::string& text, int page) {
    ReportCache& cache = reportCache(c.state);
    const TradingData& data = cache.data;
    const KindOf k = kindOf(kind);
    const std::string name = std::string(k.name) + formatInt(from) + "/" + formatInt(to) + "/" +
                             targetKey(targetId, text);
    std::shared_ptr<const RowIndex> index;
    if (auto found = cache.indexes.find(name); found != cache.indexes.end()) {
        index = found->second;
    } else {
        std::vector<int32_t> days = data.tradingDays(from, to);
        std::vector<uint32_t> accounts = targetSubAccounts(c, targetId, text);
        if (kind == Kind::Orders)
            index = makeRowIndex(
                c.state, std::move(accounts), std::move(days),
                [&data](const SubAccount& a, int32_t d) { return data.orderCount(a, d); });
        else if (kind == Kind::Trades)
            index = makeRowIndex(
                c.state, std::move(accounts), std::move(days),
                [&data](const SubAccount& a, int32_t d) { return data.tradeCount(a, d); });
        else
            index = makeRowIndex(c.state, std::move(accounts), std::move(days),
                                 [&data](const SubAccount& a, int32_t d) {
                                     return static_cast<int>(data.positions(a, d).size());
                                 });
        if (!index) return refusal(RangeTooWide);
        remember(cache.indexes, name, index);
    }
    if (kind == Kind::Orders)
        return unitPage<OrderFact>(
            command, k.rowSize, k.pageSize, page, c.state, *index,
            [&data](const SubAccount& a, int32_t d) { return data.orders(a, d); }, writeOrderRow);
    if (kind == Kind::Trades)
        return unitPage<TradeFact>(
            command, k.rowSize, k.pageSize, page, c.state, *index,
            [&data](const SubAccount& a, int32_t d) { return data.tradesOf(a, d); }, writeTradeRow);
    return unitPage<PositionFact>(
        command, k.rowSize, k.pageSize, page, c.state, *index,
        [&data](const SubAccount& a, int32_t d) { return data.positions(a, d); }, writePositionRow);
}

// 103, 89, 108: trading day 4, target text 8 (32), target id 40, page 44.
Handler dayQuery(Kind kind, uint8_t command) {
    return [kind, command](const Request& r, Context& c) {
        const int32_t day = r.i32(4);
        return rowsPage(kind, command, c, day, day, r.i32(40), r.text(8, 32), r.i32(44));
    };
}

// 104, 93: start 4, end 8, target text 12 (32), target id 44, page 48.
Handler rangeExport(Kind kind, uint8_t command) {
    return [kind, command](const Request& r, Context& c) {
        return rowsPage(kind, command, c, r.i32(4), r.i32(8), r.i32(44), r.text(12, 32), r.i32(48));
    };
}

// 109: exchange 4, contract 16, trade number 48, combination trade number
// 72, direction 96, hedge 97, new hedge 98 (0xFF unchanged), sub-account
// 100, open date 104, trading day 108, volume 112, new volume 116 (-1
// unchanged). The correction shows from that trading day on.
Answer modifyPosition(const Request& r, Context& c) {
    if (!permitted(c, 0x80000)) return refusal("没有修改持仓记录的权限");
    const int32_t number = r.i32(100), openDay = r.i32(104), day = r.i32(108);
    const int32_t volume = r.i32(116);
    const uint8_t hedge = r.u8(98);
    const std::string contract = r.text(16, 32), trade = r.text(48, 24);
    const SubAccount* a = c.state.findSubAccount(number);
    if (a == nullptr || !manages(c, a->groupId)) return refusal(format("子账号 %d 不存在", number));
    const TradingData& data = reportCache(c.state).data;
    const PositionFact* found = nullptr;
    const std::vector<PositionFact> held = data.positions(*a, day);
    for (const PositionFact& p : held)
        if (p.tradeNumber == trade && p.openDay == openDay && p.variety->contract == contract)
            found = &p;
    if (found == nullptr)
        return refusal(format("持仓不存在：子账号 %d 合约 %s 成交号 %s", number, contract.c_str(),
                              trade.c_str()));
    if (volume != -1 && volume < 0) return refusal("持仓数量不能为负数");
    if (volume > found->volume)
        return refusal(format("持仓数量不能大于当前持仓数量 %d", found->volume));
    if (hedge != 0xFF && (hedge < '1' || hedge > '3')) return refusal("投保类型不正确");
    const PositionKey key{number, openDay, trade};
    auto [it, fresh] = c.state.positionChanges.try_emplace(key);
    PositionChange& change = it->second;
    change.fromDay = fresh ? day : std::min(change.fromDay, day);
    if (volume >= 0) change.volume = volume;
    if (hedge != 0xFF) change.hedge = hedge;
    return done("修改持仓成功");
}

}  // namespace

void addTradingReportHandlers(Dispatcher& d) {
    d.add({cmd::OrderReport, 48, false, RefusalStyle::Result,
           dayQuery(Kind::Orders, cmd::OrderReport)});
    d.add({cmd::TradeReport, 48, false, RefusalStyle::Result,
           dayQuery(Kind::Trades, cmd::TradeReport)});
    d.add({cmd::PositionReport, 48, false, RefusalStyle::Result,
           dayQuery(Kind::Positions, cmd::PositionReport)});
    d.add({cmd::OrderExport, 52, false, RefusalStyle::Result,
           rangeExport(Kind::Orders, cmd::OrderExport)});
    d.add({cmd::TradeExport, 52, false, RefusalStyle::Result,
           rangeExport(Kind::Trades, cmd::TradeExport)});
    d.add({cmd::ModifyPositions, 120, false, RefusalStyle::Result, modifyPosition});
}

}  // namespace korvant::sim
