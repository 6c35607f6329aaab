#include "reports/trading/TradingRequests.h"

#include "protocol/Packet.h"

namespace korvant {

int writeTradingQuery(uint8_t command, const TradingQuery& query, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, TradingQuerySize, command);
    if (!writer.valid()) return -1;
    writer.i32(4, query.day)
        .text(8, 32, query.targetText)
        .i32(40, query.targetId)
        .i32(44, query.page);
    return writer.finish();
}

int writeTradingExport(uint8_t command, const TradingExportQuery& query, uint8_t* buffer,
                       int capacity) {
    PacketWriter writer(buffer, capacity, TradingExportSize, command);
    if (!writer.valid()) return -1;
    writer.i32(4, query.startDay)
        .i32(8, query.endDay)
        .text(12, 32, query.targetText)
        .i32(44, query.targetId)
        .i32(48, query.page);
    return writer.finish();
}

int writePositionChange(const PositionChange& change, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, PositionChangeSize, PositionChangeCommand);
    if (!writer.valid()) return -1;
    writer.text(4, 12, change.exchange)
        .text(16, 32, change.contract)
        .text(48, 24, change.tradeNumber)
        .text(72, 24, change.combinationNumber)
        .u8(96, change.direction)
        .u8(97, change.hedge)
        .u8(98, change.newHedge)
        .u8(99, 0)
        .i32(100, change.subAccount)
        .i32(104, change.openDate)
        .i32(108, change.tradingDay)
        .i32(112, change.volume)
        .i32(116, change.newVolume);
    return writer.finish();
}

}  // namespace korvant
