#include "reports/params/TradingParameters.h"

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return std::string(s);
}

}  // namespace

const std::array<const char*, 5>& positionProfitModeCaptions() {
    static const std::array<const char*, 5> captions = {
        "自动", "浮盈浮亏都计算", "浮盈不计，浮亏计", "浮盈计，浮亏不计", "浮盈浮亏都不计算"};
    return captions;
}

const std::array<const char*, 3>& closeProfitModeCaptions() {
    static const std::array<const char*, 3> captions = {"自动", "计入", "不计"};
    return captions;
}

uint8_t positionProfitByte(int mode) {
    return mode >= 1 && mode <= 4 ? static_cast<uint8_t>('0' + mode) : 'x';
}

uint8_t closeProfitByte(int mode) {
    if (mode == 1) return '0';
    if (mode == 2) return '2';
    return 'x';
}

int positionProfitOfByte(uint8_t byte) {
    return byte >= '1' && byte <= '4' ? byte - '0' : 0;
}

int closeProfitOfByte(uint8_t byte) {
    if (byte == '0') return 1;
    if (byte == '2') return 2;
    return 0;
}

int writeTradingParametersQuery(std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), static_cast<int>(buffer.size()), 4, cmd::TradingParameters);
    return w.finish();
}

int writeTradingParametersSave(const TradingParameters& p, std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), static_cast<int>(buffer.size()), 30, cmd::SetTradingParameters);
    w.u8(4, positionProfitByte(p.positionProfitMode))
        .u8(5, closeProfitByte(p.closeProfitMode))
        .i32(6, p.overTradingStandard)
        .i32(10, p.autoSettleTime)
        .i32(14, p.settleWindowStart)
        .i32(18, p.settleWindowEnd)
        .f64(22, p.protectionFundRate);
    return w.finish();
}

std::optional<TradingParameters> parseTradingParameters(std::span<const uint8_t> answer) {
    if (answer.size() < 30) return std::nullopt;
    const uint8_t* a = answer.data();
    TradingParameters p;
    p.positionProfitMode = positionProfitOfByte(a[4]);
    p.closeProfitMode = closeProfitOfByte(a[5]);
    p.overTradingStandard = getI32(a + 6);
    p.autoSettleTime = getI32(a + 10);
    p.settleWindowStart = getI32(a + 14);
    p.settleWindowEnd = getI32(a + 18);
    p.protectionFundRate = getF64(a + 22);
    return p;
}

std::optional<Message> checkTradingParameters(const TradingParameters& p) {
    const int32_t start = p.settleWindowStart;
    const int32_t end = p.settleWindowEnd;
    if (!(start >= 1516 && start <= 2030 && end >= 1516 && end <= 2030 && start <= end))
        return Message{"可结算时段应在 15:16 至 20:30 之间。  ", "提示", MessageIcon::Error};
    const int32_t automatic = p.autoSettleTime;
    if (!(automatic == 0 ||
          (automatic >= 1530 && automatic <= 2000 && start <= automatic && automatic <= end)))
        return Message{"自动结算时间应在 15:30 至 20:00 之间，且在可结算时段内。  ", "提示",
                       MessageIcon::Error};
    const double rate = p.protectionFundRate;
    if (!(rate == 0 || (rate >= 5 && rate <= 10)))
        return Message{"保障基金比率通常在千万分之 5 到 10 之间。  ", "提示", MessageIcon::Warning};
    return std::nullopt;
}

const std::array<PickerExchange, 3>& pickerExchanges() {
    static const std::array<PickerExchange, 3> exchanges = {PickerExchange{"大连", "DCE"},
                                                            PickerExchange{"郑州", "CZCE"},
                                                            PickerExchange{"中金所", "CFFEX"}};
    return exchanges;
}

const std::array<const char*, 2>& closeTodayTabCaptions() {
    static const std::array<const char*, 2> captions = {" 平今手续费减半 ", " 平今手续费不收 "};
    return captions;
}

const std::array<const char*, 2>& closeTodayNotes() {
    static const std::array<const char*, 2> notes = {
        "选中的合约一天内先开仓后平仓，手续费分别减半收取",
        "选中的合约一天内先开仓后平仓，平仓手续费不收"};
    return notes;
}

std::vector<std::string> closeTodayTokens(std::string_view gbk) {
    std::vector<std::string> tokens;
    std::size_t i = 0;
    while (i < gbk.size()) {
        // One token: whole characters up to the next single-byte "|".
        const std::size_t start = i;
        while (i < gbk.size() && gbk[i] != '|') {
            const auto lead = static_cast<uint8_t>(gbk[i]);
            i += (lead >= 0x81 && lead <= 0xFE && i + 1 < gbk.size()) ? 2 : 1;
        }
        std::string_view token = gbk.substr(start, std::min(i, gbk.size()) - start);
        token = token.substr(0, gbkCutLength(token, 9));
        std::string code = trimmed(token);
        if (!code.empty()) tokens.push_back(fromGbk(code));
        if (i < gbk.size()) ++i;  // the "|"
    }
    return tokens;
}

std::string closeTodayListText(const std::vector<std::string>& codes,
                               std::vector<std::string>* leftOut) {
    std::string text;
    std::size_t bytes = 0;
    for (const std::string& code : codes) {
        const std::size_t size = toGbk(code).size() + 1;
        if (bytes + size > CloseTodayListBytes) {
            if (leftOut != nullptr) leftOut->push_back(code);
            continue;
        }
        text += code;
        text += '|';
        bytes += size;
    }
    return text;
}

int writeCloseTodayQuery(std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), static_cast<int>(buffer.size()), 8, cmd::CloseTodayFees);
    w.i32(4, 0);
    return w.finish();
}

int writeCloseTodaySave(const std::string& list, int32_t which, std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), static_cast<int>(buffer.size()), 2056, cmd::SetCloseTodayFees);
    w.text(4, 2048, list).i32(2052, which);
    return w.finish();
}

std::optional<CloseTodayLists> parseCloseTodayLists(std::span<const uint8_t> answer) {
    if (answer.size() < 2052) return std::nullopt;
    CloseTodayLists lists;
    lists.list0 = std::string(rawPlainText(answer.data() + 4, 2048));
    lists.list1 = std::string(rawPlainText(answer.data() + 2052, answer.size() - 2052));
    return lists;
}

}  // namespace korvant
