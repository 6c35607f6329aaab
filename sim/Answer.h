#pragma once

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "protocol/Bytes.h"

// Builders of the answers the server sends. An empty answer means that
// nothing is sent (the keep-alive).
namespace korvant::sim {

using Answer = std::vector<uint8_t>;

// Command 0: status byte at 4 (0 = done), GBK text with its NUL from 5.
Answer resultAnswer(uint8_t status, std::string_view text);
inline Answer refusal(std::string_view text) {
    return resultAnswer(1, text);
}
inline Answer done(std::string_view text = {}) {
    return resultAnswer(0, text);
}

// An answer of the request's own command with an i32 at 4 and a GBK text
// with its NUL from 8 (the money movements: 1 done, 0 refused).
Answer statusAnswer(uint8_t command, int32_t status, std::string_view text);

// An answer of the given command carrying one i32 at offset 4.
Answer valueAnswer(uint8_t command, int32_t value);

// A fixed-size answer of `size` bytes, zeroed, header written.
Answer fixedAnswer(uint8_t command, int size);

// Number of pages of a list of `count` items; an empty list still has one.
inline int pageCount(int count, int pageSize) {
    return count <= 0 ? 1 : (count + pageSize - 1) / pageSize;
}

// A list answer: i32 total pages at 4, i32 page index at 8, records from 12.
// A page below 0 is page 0; a page past the end carries no records.
// `write(record, index)` fills one zeroed record of `recordSize` bytes for
// item `index` (0 .. count-1).
template <class WriteRecord>
Answer pageAnswer(uint8_t command, int recordSize, int pageSize, int page, int count,
                  WriteRecord write) {
    page = std::max(page, 0);
    int total = pageCount(count, pageSize);
    int first = page < total ? page * pageSize : count;
    int records = std::clamp(count - first, 0, pageSize);
    Answer out(static_cast<std::size_t>(12 + records * recordSize), 0);
    putU16(out.data(), static_cast<uint16_t>(out.size()));
    out[3] = command;
    putI32(out.data() + 4, total);
    putI32(out.data() + 8, page);
    for (int i = 0; i < records; ++i) write(out.data() + 12 + i * recordSize, first + i);
    return out;
}

}  // namespace korvant::sim
