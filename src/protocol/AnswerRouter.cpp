#include "protocol/AnswerRouter.h"

#include <cstring>
#include <new>
#include <vector>

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

void AnswerRouter::setHandler(uint8_t command, Handler handler) {
    handlers_[command] = std::move(handler);
}

void AnswerRouter::clearHandler(uint8_t command) {
    handlers_[command] = nullptr;
}

void AnswerRouter::route(const uint8_t* packet, int length, int32_t* out95) const {
    if (packet == nullptr || length < HeaderSize) return;
    uint8_t command = packet[3];
    if (command == cmd::AddGroup) {
        if (out95 != nullptr && length >= 8) *out95 = getI32(packet + 4);
        return;
    }
    if (handlers_[command]) handlers_[command](packet, length);
}

int decodeAnswer(const AnswerRouter& router, const uint8_t* packet, int length, int32_t* out95) {
    if (length > MaxPacketSize) return 3;
    if (packet == nullptr || length < HeaderSize) return 2;
    std::vector<uint8_t> work;
    try {
        work.assign(WorkCopySize, 0);
    } catch (const std::bad_alloc&) {
        return 1;
    }
    int handlerLength = length;
    if (packet[2] == FlagCompressed) {
        handlerLength = inflatePacket(packet, length, work.data(), WorkCopySize);
        if (handlerLength < 0) return 2;
    } else {
        std::memcpy(work.data(), packet, static_cast<std::size_t>(length));
    }
    router.route(work.data(), handlerLength, out95);
    return 0;
}

}  // namespace korvant
