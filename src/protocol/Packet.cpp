#include "protocol/Packet.h"

#include <zlib.h>

#include <cstring>
#include <vector>

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"

namespace korvant {

PacketHeader PacketHeader::read(const uint8_t* p) {
    return PacketHeader{getU16(p), p[2], p[3]};
}

void PacketHeader::write(uint8_t* p) const {
    putU16(p, length);
    p[2] = flag;
    p[3] = command;
}

PacketWriter::PacketWriter(uint8_t* buffer, int capacity, int fixedSize, uint8_t command)
    : buffer_(buffer),
      size_(fixedSize),
      valid_(buffer != nullptr && fixedSize >= HeaderSize && fixedSize <= 0xFFFF &&
             capacity >= fixedSize) {
    if (!valid_) return;
    std::memset(buffer_, 0, static_cast<std::size_t>(size_));
    PacketHeader{static_cast<uint16_t>(size_), FlagPlain, command}.write(buffer_);
}

PacketWriter& PacketWriter::u8(int offset, uint8_t v) {
    if (valid_ && offset >= 0 && offset + 1 <= size_) putU8(buffer_ + offset, v);
    return *this;
}
PacketWriter& PacketWriter::u16(int offset, uint16_t v) {
    if (valid_ && offset >= 0 && offset + 2 <= size_) putU16(buffer_ + offset, v);
    return *this;
}
PacketWriter& PacketWriter::i32(int offset, int32_t v) {
    if (valid_ && offset >= 0 && offset + 4 <= size_) putI32(buffer_ + offset, v);
    return *this;
}
PacketWriter& PacketWriter::u32(int offset, uint32_t v) {
    if (valid_ && offset >= 0 && offset + 4 <= size_) putU32(buffer_ + offset, v);
    return *this;
}
PacketWriter& PacketWriter::f64(int offset, double v) {
    if (valid_ && offset >= 0 && offset + 8 <= size_) putF64(buffer_ + offset, v);
    return *this;
}
PacketWriter& PacketWriter::text(int offset, int width, std::string_view utf8) {
    if (valid_ && offset >= 0 && width > 0 && offset + width <= size_)
        writePlainText(buffer_ + offset, static_cast<std::size_t>(width), utf8);
    return *this;
}
PacketWriter& PacketWriter::bytes(int offset, const uint8_t* data, int count) {
    if (valid_ && offset >= 0 && count >= 0 && offset + count <= size_)
        std::memcpy(buffer_ + offset, data, static_cast<std::size_t>(count));
    return *this;
}

int writeCompressedRequest(const uint8_t* plain, int plainSize, uint8_t* out, int capacity) {
    if (plain == nullptr || out == nullptr || plainSize < HeaderSize || capacity < plainSize)
        return -1;
    // The plain packet is kept in a scratch copy: the caller may have built
    // it in the output buffer itself, and a failed compression leaves the
    // output half-written.
    std::vector<uint8_t> scratch(plain, plain + plainSize);
    uLongf compressedSize = static_cast<uLongf>(capacity - HeaderSize);
    int rc = compress2(out + HeaderSize, &compressedSize, scratch.data() + HeaderSize,
                       static_cast<uLong>(plainSize - HeaderSize), 9);
    if (rc != Z_OK || compressedSize + HeaderSize > 0xFFFF) {
        std::memcpy(out, scratch.data(), static_cast<std::size_t>(plainSize));
        return plainSize;
    }
    int total = static_cast<int>(compressedSize) + HeaderSize;
    PacketHeader{static_cast<uint16_t>(total), FlagCompressed, scratch[3]}.write(out);
    return total;
}

int writeKeepAlive(uint8_t* buffer, int capacity) {
    return PacketWriter(buffer, capacity, 4, cmd::KeepAlive).finish();
}

bool ResultPacket::isResult(const uint8_t* packet, int length) {
    return packet != nullptr && length >= HeaderSize && packet[3] == cmd::Result;
}

ResultPacket ResultPacket::parse(const uint8_t* packet, int length) {
    ResultPacket r;
    if (packet == nullptr || length < 5) return r;
    r.status = packet[4];
    if (length > 5) r.text = readPlainText(packet + 5, static_cast<std::size_t>(length - 5));
    return r;
}

int inflatePacket(const uint8_t* packet, int length, uint8_t* out, int capacity) {
    if (packet == nullptr || out == nullptr || length < HeaderSize || capacity < HeaderSize)
        return -1;
    int bodyCapacity = capacity - HeaderSize;
    if (bodyCapacity > MaxBodySize) bodyCapacity = MaxBodySize;
    uLongf bodySize = static_cast<uLongf>(bodyCapacity);
    int rc = uncompress(out + HeaderSize, &bodySize, packet + HeaderSize,
                        static_cast<uLong>(length - HeaderSize));
    if (rc != Z_OK) return -1;
    std::memcpy(out, packet, HeaderSize);
    int total = static_cast<int>(bodySize) + HeaderSize;
    // Handlers count records from the decompressed length, so the header of
    // the work copy says the same.
    putU16(out, static_cast<uint16_t>(total));
    return total;
}

}  // namespace korvant
