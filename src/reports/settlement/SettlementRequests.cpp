#include "reports/settlement/SettlementRequests.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

namespace korvant {
namespace {

int headerOnly(uint8_t command, std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), static_cast<int>(buffer.size()), 4, command);
    return w.finish();
}

// NUL-terminated GBK text from `offset` to the end of the answer at most.
std::string textFrom(std::span<const uint8_t> answer, std::size_t offset) {
    if (answer.size() <= offset) return {};
    return readPlainText(answer.data() + offset, answer.size() - offset);
}

}  // namespace

int writeStartSettlement(std::span<uint8_t> buffer) {
    return headerOnly(cmd::StartSettlement, buffer);
}

int writeSettlementStatus(std::span<uint8_t> buffer) {
    return headerOnly(cmd::SettlementProgress, buffer);
}

int writeClearSettlement(std::span<uint8_t> buffer) {
    return headerOnly(cmd::ClearSettlement, buffer);
}

int writeSettlementPricesQuery(int32_t date, int32_t page, std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), static_cast<int>(buffer.size()), 12, cmd::SettlementPrices);
    w.i32(4, date).i32(8, page);
    return w.finish();
}

int writeSettlementPriceUpdate(const SettlementPrice& price, std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), static_cast<int>(buffer.size()), 64, cmd::SetSettlementPrice);
    w.i32(4, price.date)
        .text(8, 16, price.exchange)
        .text(24, 32, price.contract)
        .f64(56, price.price);
    return w.finish();
}

SettlementAnswer parseSettlementAnswer(std::span<const uint8_t> answer, uint8_t command) {
    SettlementAnswer a;
    if (answer.size() < 9 || answer[3] != command) return a;
    a.valid = true;
    a.accepted = answer[4] != 0;
    a.date = getI32(answer.data() + 5);
    a.text = textFrom(answer, 9);
    return a;
}

SettlementStatusAnswer parseSettlementStatus(std::span<const uint8_t> answer) {
    SettlementStatusAnswer a;
    if (answer.size() < 8 || answer[3] != cmd::SettlementProgress) return a;
    a.valid = true;
    a.state = getI32(answer.data() + 4);
    a.text = textFrom(answer, 8);
    return a;
}

}  // namespace korvant
