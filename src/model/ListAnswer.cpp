#include "model/ListAnswer.h"

#include "protocol/Bytes.h"

namespace korvant {

ListPage parseListPage(const uint8_t* packet, int length, int recordSize) {
    ListPage page;
    if (packet == nullptr || length < ListHeaderSize) return page;
    page.hasHeader = true;
    page.total = getI32(packet + 4);
    page.index = getI32(packet + 8);
    if (recordSize > 0) page.count = (length - ListHeaderSize) / recordSize;
    page.records = page.count > 0 ? packet + ListHeaderSize : nullptr;
    return page;
}

bool validPageFields(int64_t total, int64_t index) {
    return total >= 0 && index >= 0 && (index < total || (total == 0 && index == 0));
}

bool isListAnswer(const uint8_t* packet, int length, uint8_t command) {
    return packet != nullptr && length >= ListHeaderSize && packet[3] == command;
}

}  // namespace korvant
