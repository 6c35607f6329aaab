#include "reports/trading/TradingRequests.h"

#include "model/WireFields.h"

namespace korvant {

namespace {

// The fields after the header; every byte not listed is zero.
constexpr WireFields TradingQueryFields{
    wireField(&TradingQuery::day, 4, 4), wireField(&TradingQuery::targetText, 8, 32),
    wireField(&TradingQuery::targetId, 40, 4), wireField(&TradingQuery::page, 44, 4)};

constexpr WireFields TradingExportFields{
    wireField(&TradingExportQuery::startDay, 4, 4), wireField(&TradingExportQuery::endDay, 8, 4),
    wireField(&TradingExportQuery::targetText, 12, 32),
    wireField(&TradingExportQuery::targetId, 44, 4), wireField(&TradingExportQuery::page, 48, 4)};

constexpr WireFields PositionChangeFields{wireField(&PositionChange::exchange, 4, 12),
                                          wireField(&PositionChange::contract, 16, 32),
                                          wireField(&PositionChange::tradeNumber, 48, 24),
                                          wireField(&PositionChange::combinationNumber, 72, 24),
                                          wireField(&PositionChange::direction, 96, 1),
                                          wireField(&PositionChange::hedge, 97, 1),
                                          wireField(&PositionChange::newHedge, 98, 1),
                                          wireField(&PositionChange::subAccount, 100, 4),
                                          wireField(&PositionChange::openDate, 104, 4),
                                          wireField(&PositionChange::tradingDay, 108, 4),
                                          wireField(&PositionChange::volume, 112, 4),
                                          wireField(&PositionChange::newVolume, 116, 4)};

}  // namespace

int writeTradingQuery(uint8_t command, const TradingQuery& query, uint8_t* buffer, int capacity) {
    return writeRequestWire<TradingQueryFields>(command, query, buffer, capacity);
}

int writeTradingExport(uint8_t command, const TradingExportQuery& query, uint8_t* buffer,
                       int capacity) {
    return writeRequestWire<TradingExportFields>(command, query, buffer, capacity);
}

int writePositionChange(const PositionChange& change, uint8_t* buffer, int capacity) {
    return writeRequestWire<PositionChangeFields>(PositionChangeCommand, change, buffer, capacity);
}

}  // namespace korvant
