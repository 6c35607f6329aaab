#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

// Small builders for hand-made answer bytes in the model tests.
namespace korvant::test {

// Writes the GBK form of `utf8` at `offset` (no terminator: the record is
// zero already).
inline void putGbk(std::vector<uint8_t>& bytes, std::size_t offset, std::string_view utf8) {
    std::string gbk = toGbk(utf8);
    std::memcpy(bytes.data() + offset, gbk.data(), gbk.size());
}

// A plain list answer: header, total, index, then `body` (whole records and
// any trailing bytes).
inline std::vector<uint8_t> listAnswer(uint8_t command, int32_t total, int32_t index,
                                       const std::vector<uint8_t>& body) {
    std::vector<uint8_t> packet(12 + body.size(), 0);
    putU16(packet.data(), static_cast<uint16_t>(packet.size()));
    packet[3] = command;
    putI32(packet.data() + 4, total);
    putI32(packet.data() + 8, index);
    if (!body.empty()) std::memcpy(packet.data() + 12, body.data(), body.size());
    return packet;
}

// `count` records of `size` bytes made by `fill(record, i)`.
template <class Fill>
std::vector<uint8_t> records(int count, int size, Fill fill) {
    std::vector<uint8_t> body(static_cast<std::size_t>(count) * size, 0);
    for (int i = 0; i < count; ++i) fill(body.data() + static_cast<std::size_t>(i) * size, i);
    return body;
}

}  // namespace korvant::test
