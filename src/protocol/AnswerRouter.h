#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

// Routes a decoded answer on its command byte to one handler. The protocol
// layer owns only the mechanism; the model registers the handlers that fill
// its caches, the application the one that shows server messages.
namespace korvant {

class AnswerRouter {
public:
    // A handler sees the packet and its length (the decompressed length for a
    // compressed answer). It must not read beyond `length`.
    using Handler = std::function<void(const uint8_t* packet, int length)>;

    void setHandler(uint8_t command, Handler handler);
    void clearHandler(uint8_t command);
    // Routes one packet; commands without a handler are dropped. A
    // command-95 answer goes to no handler: its i32 at offset 4 is returned
    // (nothing for any other packet, or one too short to hold it).
    std::optional<int32_t> route(const uint8_t* packet, int length) const;

private:
    std::array<Handler, 256> handlers_{};
};

// Results of decoding one answer.
inline constexpr int DecodeOk = 0;
inline constexpr int DecodeNoMemory = 1;
inline constexpr int DecodeInflateFailed = 2;
inline constexpr int DecodeTooLong = 3;

// Size check and decompression of one received answer: `decoded` receives
// the packet as every reader of an answer sees it (inflated when it came
// compressed, its length field then the inflated length; otherwise a copy).
// Returns DecodeOk, or 1, 2 or 3 as decodeAnswer does; `decoded` is empty
// then. Every answer goes through here before it is judged.
int decodePacket(std::span<const uint8_t> packet, std::vector<uint8_t>& decoded);
// The same without copying a plain answer: `view` is the packet itself, or
// the inflated packet in `decoded`; empty on failure.
int decodePacketView(std::span<const uint8_t> packet, std::vector<uint8_t>& decoded,
                     std::span<const uint8_t>& view);

// Size check, decompression and routing of one received answer.
// 0 = decoded and dispatched; 1 = work buffer allocation failed;
// 2 = decompression failed; 3 = length above MaxPacketSize. When `decoded`
// is given it keeps the decoded answer, so that the caller reads the same
// bytes the handlers saw without decoding again.
int decodeAnswer(const AnswerRouter& router, const uint8_t* packet, int length,
                 std::vector<uint8_t>* decoded = nullptr);

}  // namespace korvant
