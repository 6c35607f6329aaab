#pragma once

#include <array>
#include <cstdint>
#include <functional>

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
    // Routes one packet. A command-95 answer copies its i32 at offset 4 into
    // `out95` when the caller passes one; commands without a handler are
    // dropped.
    void route(const uint8_t* packet, int length, int32_t* out95 = nullptr) const;

private:
    std::array<Handler, 256> handlers_{};
};

// Size check, decompression and routing of one received answer.
// 0 = decoded and dispatched; 1 = work buffer allocation failed;
// 2 = decompression failed; 3 = length above MaxPacketSize.
int decodeAnswer(const AnswerRouter& router, const uint8_t* packet, int length,
                 int32_t* out95 = nullptr);

}  // namespace korvant
