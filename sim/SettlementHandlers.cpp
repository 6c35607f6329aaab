#include "DataCatalogue.h"
#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"

// The daily settlement: started (51), watched (52), cleared (105), and its
// settlement prices (53, 54). A started settlement answers "running" to a
// few polls, then finishes; a date without prices (no contracts in the data
// set) fails.
namespace korvant::sim {
namespace {

constexpr uint32_t SettlementBit = 0x800;
constexpr int RunningPolls = 2;
constexpr int PricesPerPage = 100;

// Answer of 51 and 105: u8 result at 4 (0 refused), i32 date at 5, text from 9.
Answer settlementAnswer(uint8_t command, bool accepted, int32_t date, std::string_view text) {
    const std::string gbk = toGbk(text);
    Answer out(9 + gbk.size() + 1, 0);
    putU16(out.data(), static_cast<uint16_t>(out.size()));
    out[3] = command;
    out[4] = accepted ? 1 : 0;
    putI32(out.data() + 5, date);
    std::copy(gbk.begin(), gbk.end(), out.begin() + 9);
    return out;
}

double referencePrice(const std::string& product) {
    for (const Product& p : products())
        if (product == p.code) return p.price;
    return 1000;
}

// Prices of every contract of the contract list, made once per date.
void makePrices(SimState& s, int32_t date) {
    auto& rows = s.settlement.prices[date];
    if (!rows.empty()) return;
    int n = 0;
    for (const ContractVariety& v : s.varieties) {
        const double step = static_cast<double>((date + 7 * n++) % 41 - 20) / 1000.0;
        rows.push_back({v.exchange, v.contract, referencePrice(v.product) * (1.0 + step)});
    }
}

Answer startSettlement(const Request&, Context& c) {
    Settlement& st = c.state.settlement;
    const int32_t date = today();
    if (!permitted(c, SettlementBit))
        return settlementAnswer(cmd::StartSettlement, false, date, "没有结算权限");
    if (st.stage == Settlement::Stage::Running)
        return settlementAnswer(cmd::StartSettlement, false, st.date, "结算正在进行中");
    makePrices(c.state, date);
    st.stage = Settlement::Stage::Running;
    st.date = date;
    st.pollsLeft = RunningPolls;
    st.failure.clear();
    return settlementAnswer(cmd::StartSettlement, true, date, "");
}

Answer settlementStatus(const Request&, Context& c) {
    Settlement& st = c.state.settlement;
    int32_t state = 0;
    if (st.stage == Settlement::Stage::Running) {
        if (st.pollsLeft > 0) {
            --st.pollsLeft;
        } else if (st.prices[st.date].empty()) {
            st.stage = Settlement::Stage::Failed;
            st.failure = "没有结算价，结算失败";
        } else {
            st.stage = Settlement::Stage::Finished;
        }
    }
    switch (st.stage) {
        case Settlement::Stage::Running:
            state = 1;
            break;
        case Settlement::Stage::Finished:
            state = 2;
            break;
        case Settlement::Stage::Failed:
            state = 3;
            break;
        case Settlement::Stage::None:
            state = 0;
            break;
    }
    const std::string gbk = toGbk(state == 3 ? st.failure : std::string());
    Answer out(8 + gbk.size() + 1, 0);
    putU16(out.data(), static_cast<uint16_t>(out.size()));
    out[3] = cmd::SettlementProgress;
    putI32(out.data() + 4, state);
    std::copy(gbk.begin(), gbk.end(), out.begin() + 8);
    return out;
}

Answer clearSettlement(const Request&, Context& c) {
    Settlement& st = c.state.settlement;
    if (!permitted(c, SettlementBit))
        return settlementAnswer(cmd::ClearSettlement, false, 0, "没有结算权限");
    if (st.stage == Settlement::Stage::Running)
        return settlementAnswer(cmd::ClearSettlement, false, st.date, "结算正在进行中，不能清除");
    st.stage = Settlement::Stage::None;
    return settlementAnswer(cmd::ClearSettlement, true, st.date, "");
}

Answer settlementPrices(const Request& r, Context& c) {
    const int32_t date = r.i32(4);
    auto it = c.state.settlement.prices.find(date);
    static const std::vector<SettlementPriceRow> none;
    const auto& rows = it != c.state.settlement.prices.end() ? it->second : none;
    return pageAnswer(cmd::SettlementPrices, 60, PricesPerPage, r.i32(8),
                      static_cast<int>(rows.size()), [&](uint8_t* out, int i) {
                          const SettlementPriceRow& row = rows[static_cast<std::size_t>(i)];
                          putI32(out, date);
                          writePlainText(out + 4, 16, row.exchange);
                          writePlainText(out + 20, 32, row.contract);
                          putF64(out + 52, row.price);
                      });
}

Answer setSettlementPrice(const Request& r, Context& c) {
    if (!permitted(c, SettlementBit)) return refusal("没有结算权限");
    auto it = c.state.settlement.prices.find(r.i32(4));
    if (it == c.state.settlement.prices.end()) return refusal("该日期没有结算价");
    const std::string exchange = r.text(8, 16), contract = r.text(24, 32);
    for (SettlementPriceRow& row : it->second)
        if (row.exchange == exchange && row.contract == contract) {
            row.price = r.f64(56);
            return done();
        }
    return refusal("合约不存在");
}

}  // namespace

void addSettlementHandlers(Dispatcher& d) {
    d.add({cmd::StartSettlement, 4, false, RefusalStyle::Result, startSettlement});
    d.add({cmd::SettlementProgress, 4, false, RefusalStyle::Result, settlementStatus});
    d.add({cmd::ClearSettlement, 4, false, RefusalStyle::Result, clearSettlement});
    d.add({cmd::SettlementPrices, 12, false, RefusalStyle::Result, settlementPrices});
    d.add({cmd::SetSettlementPrice, 64, false, RefusalStyle::Result, setSettlementPrice});
}

}  // namespace korvant::sim
