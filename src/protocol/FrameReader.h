#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "protocol/Packet.h"

// Cuts a byte stream into whole packets. It knows no sockets: bytes are fed
// in as they arrive and whole packets are taken out. A length field below
// the header size or above the reader's limit is a framing error; the error
// stays set and the reader yields nothing more.
namespace korvant {

// Every length a header can state: for a reader that must take any packet
// whole (the client receives an over-long answer completely and lets
// decodeAnswer refuse it).
inline constexpr int AnyPacketLength = 0xFFFF;

class FrameReader {
public:
    // The limit is the longest packet accepted, by default the longest
    // answer decodeAnswer accepts; values above AnyPacketLength mean it.
    explicit FrameReader(int maxPacketSize = MaxPacketSize);

    void feed(const uint8_t* data, std::size_t count);
    // Moves the next whole packet into `packet`; false when none is complete
    // or the stream is in error.
    bool next(std::vector<uint8_t>& packet);

    bool hasError() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    // Bytes held that do not yet form a whole packet (or all bytes held).
    std::size_t buffered() const { return buffer_.size() - start_; }
    // Bytes still missing for the packet at the front (4 while no header).
    std::size_t missing() const;
    void reset();

private:
    void checkHeader();

    int maxPacketSize_;
    std::vector<uint8_t> buffer_;
    std::size_t start_ = 0;
    std::string error_;
};

}  // namespace korvant
