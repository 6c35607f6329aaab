#include "app/exchange/FreeText.h"

#include <vector>

#include "app/desk/Desk.h"
#include "app/exchange/Exchange.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

int writeFreeText(const std::string& text, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, FreeTextSize, cmd::FreeText);
    writer.text(4, FreeTextMaxBytes + 1, text);
    return writer.finish();
}

bool sendFreeText(Desk& desk, const std::string& text) {
    if (text.empty()) return false;
    uint8_t request[FreeTextSize];
    int length = writeFreeText(text, request, sizeof request);
    std::vector<uint8_t> answer;
    return exchange(desk, request, length, answer, ExchangeTexts::operation("  组包出错!! ")).ok();
}

}  // namespace korvant
