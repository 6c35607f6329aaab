#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Framing shared by every packet in both directions: a four-byte header
// (u16 length including the header, u8 flag, u8 command), little-endian
// integers, GBK text in fixed NUL-terminated fields.
namespace korvant {

inline constexpr int PacketBufferSize = 24668;  // login and paged queries
inline constexpr int MaxPacketSize = 25000;     // longest answer accepted
inline constexpr int MaxBodySize = 24996;       // MaxPacketSize minus the header
inline constexpr int WorkCopySize = 25128;      // MaxPacketSize plus 128
inline constexpr int HeaderSize = 4;

inline constexpr uint8_t FlagPlain = 0;
inline constexpr uint8_t FlagCompressed = 1;

struct PacketHeader {
    uint16_t length = 0;
    uint8_t flag = 0;
    uint8_t command = 0;

    static PacketHeader read(const uint8_t* p);
    void write(uint8_t* p) const;
};

// Fills a caller's buffer with one plain request of a fixed size. The whole
// packet is zeroed first; fields are written at their offsets. A writer
// whose capacity is below the fixed size is not valid and writes nothing.
class PacketWriter {
public:
    PacketWriter(uint8_t* buffer, int capacity, int fixedSize, uint8_t command);

    bool valid() const { return valid_; }
    PacketWriter& u8(int offset, uint8_t v);
    PacketWriter& u16(int offset, uint16_t v);
    PacketWriter& i32(int offset, int32_t v);
    PacketWriter& u32(int offset, uint32_t v);
    PacketWriter& f64(int offset, double v);
    PacketWriter& text(int offset, int width, std::string_view utf8);
    PacketWriter& bytes(int offset, const uint8_t* data, int count);
    // Size written (the header's length), or -1 when the capacity was too small.
    int finish() const { return valid_ ? size_ : -1; }
    uint8_t* data() const { return buffer_; }

private:
    uint8_t* buffer_;
    int size_;
    bool valid_;
};

// The three compressed requests: the plain packet of `plainSize` bytes is
// built first, its body compressed with zlib at level 9 into `out` after the
// header. When compression fails the plain packet is copied unchanged.
// `plain` and `out` may be the same buffer. Returns the size written, or -1
// when the capacity is below the plain size.
int writeCompressedRequest(const uint8_t* plain, int plainSize, uint8_t* out, int capacity);

// The keep-alive: length 4, flag 0, command 1, no body.
int writeKeepAlive(uint8_t* buffer, int capacity);

// A command-0 answer: status byte at offset 4 (0 = success) and a GBK text
// from offset 5 up to its NUL or the end of the packet.
struct ResultPacket {
    uint8_t status = 0;
    std::string text;  // UTF-8

    static bool isResult(const uint8_t* packet, int length);
    static ResultPacket parse(const uint8_t* packet, int length);
};

// Decompresses a flag-1 packet into `out` (header copied, body inflated).
// Returns the decompressed length (body + 4) or -1 when zlib fails or the
// body does not fit in MaxBodySize.
int inflatePacket(const uint8_t* packet, int length, uint8_t* out, int capacity);

}  // namespace korvant
