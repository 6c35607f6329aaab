#pragma once

#include <cstdint>

// A list answer: i32 total pages at offset 4, i32 page index at offset 8 and
// whole records from offset 12. Bytes after the last whole record are never
// looked at.
namespace korvant {

inline constexpr int ListHeaderSize = 12;

struct ListPage {
    int total = 1;
    int index = -1;
    int count = 0;                     // whole records, never negative
    const uint8_t* records = nullptr;  // first record (packet + 12), or null
    bool hasHeader = false;            // false below 12 bytes: total and index not read
};

// count = (length - 12) / recordSize; an answer shorter than 12 bytes has no
// header and no records (total 1, index -1, count 0).
ListPage parseListPage(const uint8_t* packet, int length, int recordSize);

// Whether a page's control fields can be those of a real list: a page count
// and an index that are not negative, the index below the count (an empty
// list is count 0, index 0). Anything else is a malformed answer, never the
// last page of a short list.
bool validPageFields(int64_t total, int64_t index);

// True when the packet can be read as a list page: at least 12 bytes and
// the given command byte.
bool isListAnswer(const uint8_t* packet, int length, uint8_t command);

}  // namespace korvant
