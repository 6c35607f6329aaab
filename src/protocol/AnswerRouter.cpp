#include "protocol/AnswerRouter.h"

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

std::optional<int32_t> AnswerRouter::route(const uint8_t* packet, int length) const {
    if (packet == nullptr || length < HeaderSize) return std::nullopt;
    uint8_t command = packet[3];
    if (command == cmd::AddGroup) {
        if (length >= 8) return getI32(packet + 4);
        return std::nullopt;
    }
    if (handlers_[command]) handlers_[command](packet, length);
    return std::nullopt;
}

int decodePacketView(std::span<const uint8_t> packet, std::vector<uint8_t>& decoded,
                     std::span<const uint8_t>& view) {
    view = {};
    decoded.clear();
    if (packet.size() > static_cast<std::size_t>(MaxPacketSize)) return DecodeTooLong;
    if (packet.size() < static_cast<std::size_t>(HeaderSize)) return DecodeInflateFailed;
    if (packet[2] != FlagCompressed) {
        view = packet;
        return DecodeOk;
    }
    try {
        decoded.assign(WorkCopySize, 0);
    } catch (const std::bad_alloc&) {
        decoded.clear();
        return DecodeNoMemory;
    }
    const int inflated =
        inflatePacket(packet.data(), static_cast<int>(packet.size()), decoded.data(), WorkCopySize);
    if (inflated < 0) {
        decoded.clear();
        return DecodeInflateFailed;
    }
    decoded.resize(static_cast<std::size_t>(inflated));
    // What it holds now is plain: nobody inflates it a second time.
    decoded[2] = FlagPlain;
    view = decoded;
    return DecodeOk;
}

int decodePacket(std::span<const uint8_t> packet, std::vector<uint8_t>& decoded) {
    std::span<const uint8_t> view;
    const int result = decodePacketView(packet, decoded, view);
    // An inflated packet is in `decoded` already; a plain one is copied.
    if (result != DecodeOk || view.data() != packet.data()) return result;
    try {
        decoded.assign(packet.begin(), packet.end());
    } catch (const std::bad_alloc&) {
        decoded.clear();
        return DecodeNoMemory;
    }
    return DecodeOk;
}

int decodeAnswer(const AnswerRouter& router, const uint8_t* packet, int length,
                 std::vector<uint8_t>* decoded) {
    if (length > MaxPacketSize) return DecodeTooLong;
    if (packet == nullptr || length < HeaderSize) return DecodeInflateFailed;
    std::vector<uint8_t> own;
    std::vector<uint8_t>& work = decoded != nullptr ? *decoded : own;
    const int result =
        decodePacket(std::span<const uint8_t>(packet, static_cast<std::size_t>(length)), work);
    if (result != DecodeOk) return result;
    router.route(work.data(), static_cast<int>(work.size()));
    return DecodeOk;
}

}  // namespace korvant
