#include "reports/money/MoneyRequests.h"

#include <chrono>

#include "protocol/CommandCode.h"
#include "protocol/Packet.h"

namespace korvant {

int writeFundsQuery(const FundsQuery& query, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, FundsQuerySize, cmd::FundsReport);
    if (!w.valid()) return -1;
    w.i32(4, query.day)
        .i32(8, query.sortKey)
        .i32(12, query.order)
        .text(16, 32, query.targetText)
        .i32(48, query.targetId)
        .i32(52, query.page)
        .i32(56, 0);
    return w.finish();
}

int writeFundsExport(const FundsExportRequest& request, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, FundsExportSize, cmd::FundsExport);
    if (!w.valid()) return -1;
    w.i32(4, request.exportNumber)
        .i32(8, request.startDay)
        .i32(12, request.endDay)
        .i32(16, request.sortKey)
        .i32(20, request.order)
        .text(24, 32, request.targetText)
        .i32(56, request.targetId)
        .i32(60, request.page)
        .i32(64, 0);
    return w.finish();
}

int writeNetValueQuery(const NetValueQuery& query, uint8_t* buffer, int capacity) {
    PacketWriter w(buffer, capacity, NetValueQuerySize, cmd::NetValueReport);
    if (!w.valid()) return -1;
    w.i32(4, query.startDay)
        .i32(8, query.endDay)
        .text(12, 16, query.mainAccount)
        .i32(28, query.targetId)
        .i32(32, query.page);
    return w.finish();
}

int32_t exportTick() {
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<int32_t>(static_cast<uint32_t>(ms.count()));
}

}  // namespace korvant
