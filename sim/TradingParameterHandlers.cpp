#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"

// The trading parameters (100, 101) and the two close-today fee lists (84,
// 85) that the settlement uses.
namespace korvant::sim {
namespace {

constexpr uint32_t SettlementBit = 0x800;

Answer closeTodayLists(const Request&, Context& c) {
    const Settlement& st = c.state.settlement;
    const std::string second = toGbk(st.closeToday[1]);
    Answer out(2052 + second.size() + 1, 0);
    putU16(out.data(), static_cast<uint16_t>(out.size()));
    out[3] = cmd::CloseTodayFees;
    writePlainText(out.data() + 4, 2048, st.closeToday[0]);
    std::copy(second.begin(), second.end(), out.begin() + 2052);
    return out;
}

Answer setCloseTodayList(const Request& r, Context& c) {
    if (!permitted(c, SettlementBit)) return refusal("没有结算权限");
    const int32_t which = r.i32(2052);
    if (which != 0 && which != 1) return refusal("列表编号错误");
    c.state.settlement.closeToday[which] = r.text(4, 2048);
    return done();
}

Answer tradingParameters(const Request&, Context& c) {
    const Settlement& st = c.state.settlement;
    Answer out = fixedAnswer(cmd::TradingParameters, 30);
    out[4] = st.positionProfit;
    out[5] = st.closeProfit;
    putI32(out.data() + 6, st.overTradingStandard);
    putI32(out.data() + 10, st.autoSettleTime);
    putI32(out.data() + 14, st.windowStart);
    putI32(out.data() + 18, st.windowEnd);
    putF64(out.data() + 22, st.protectionFundRate);
    return out;
}

Answer setTradingParameters(const Request& r, Context& c) {
    if (!permitted(c, SettlementBit)) return refusal("没有结算权限");
    Settlement& st = c.state.settlement;
    st.positionProfit = r.u8(4);
    st.closeProfit = r.u8(5);
    st.overTradingStandard = r.i32(6);
    st.autoSettleTime = r.i32(10);
    st.windowStart = r.i32(14);
    st.windowEnd = r.i32(18);
    st.protectionFundRate = r.f64(22);
    return done();
}

}  // namespace

void addTradingParameterHandlers(Dispatcher& d) {
    d.add({cmd::CloseTodayFees, 8, false, RefusalStyle::Result, closeTodayLists});
    d.add({cmd::SetCloseTodayFees, 2056, false, RefusalStyle::Result, setCloseTodayList});
    d.add({cmd::TradingParameters, 4, false, RefusalStyle::Result, tradingParameters});
    d.add({cmd::SetTradingParameters, 30, false, RefusalStyle::Result, setTradingParameters});
}

}  // namespace korvant::sim
