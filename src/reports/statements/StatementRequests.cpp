#include "reports/statements/StatementRequests.h"

#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

const char* styleCaption(StatementStyle style) {
    return style == StatementStyle::TradeByTrade ? "逐笔" : "盯市";
}

int writeStatementRequest(const StatementRequest& r, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, StatementRequestSize, cmd::Statement);
    w.i32(4, r.start)
        .text(8, 32, r.targetText)
        .i32(40, r.targetId)
        .i32(44, r.chunk)
        .i32(48, r.csv ? 1 : 0)
        .i32(52, r.end)
        .i32(56, static_cast<int32_t>(r.style));
    return w.finish();
}

int writeStatementListRequest(const StatementListRequest& r, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, StatementListRequestSize, cmd::StatementList);
    w.i32(4, r.start).i32(8, r.end).i32(12, r.targetId).text(16, 32, r.targetText).i32(48, r.page);
    return w.finish();
}

void appendStatementEntries(const uint8_t* records, int count, std::vector<StatementEntry>& out) {
    for (int i = 0; i < count; ++i) {
        const uint8_t* p = records + static_cast<std::size_t>(i) * StatementEntrySize;
        out.push_back({getI32(p), getI32(p + 4)});
    }
}

}  // namespace korvant
