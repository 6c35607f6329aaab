#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/WireFields.h"

// Requests of the order, trade and position reports: the three page
// queries (one layout), the order and trade exports (one layout) and the
// position change.
namespace korvant {

inline constexpr uint8_t OrderQueryCommand = 103;      // 'g'
inline constexpr uint8_t TradeQueryCommand = 89;       // 'Y'
inline constexpr uint8_t PositionQueryCommand = 108;   // 'l'
inline constexpr uint8_t OrderExportCommand = 104;     // 'h'
inline constexpr uint8_t TradeExportCommand = 93;      // ']'
inline constexpr uint8_t PositionChangeCommand = 109;  // 'm'

inline constexpr int TradingQuerySize = 48;
inline constexpr int TradingExportSize = 52;
inline constexpr int PositionChangeSize = 120;

// One page of a report for a target on one trading day.
struct TradingQuery {
    static constexpr int WireSize = TradingQuerySize;
    int32_t day = 0;  // yyyymmdd ("日期:")
    std::string targetText;
    int32_t targetId = -1;
    int32_t page = 0;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&TradingQuery::day, 4, 4),
        wireField(&TradingQuery::targetText, 8, 32),
        wireField(&TradingQuery::targetId, 40, 4),
        wireField(&TradingQuery::page, 44, 4));
    // clang-format on
};
std::vector<uint8_t> writeTradingQuery(uint8_t command, const TradingQuery& query);

// One page of an export over a date range.
struct TradingExportQuery {
    static constexpr int WireSize = TradingExportSize;
    int32_t startDay = 0;
    int32_t endDay = 0;
    std::string targetText;
    int32_t targetId = -1;
    int32_t page = 0;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&TradingExportQuery::startDay, 4, 4),
        wireField(&TradingExportQuery::endDay, 8, 4),
        wireField(&TradingExportQuery::targetText, 12, 32),
        wireField(&TradingExportQuery::targetId, 44, 4),
        wireField(&TradingExportQuery::page, 48, 4));
    // clang-format on
};
std::vector<uint8_t> writeTradingExport(uint8_t command, const TradingExportQuery& query);

// The change of one position: its identity and current values, and what
// it becomes.
struct PositionChange {
    static constexpr int WireSize = PositionChangeSize;
    std::string exchange;
    std::string contract;
    std::string tradeNumber;
    std::string combinationNumber;
    uint8_t direction = '0';  // '0' buy, '1' sell
    uint8_t hedge = '1';      // '1' speculation, '2' arbitrage, '3' hedge
    uint8_t newHedge = 0xFF;  // as `hedge`, 0xFF: unchanged
    int32_t subAccount = 0;
    int32_t openDate = 0;
    int32_t tradingDay = 0;
    int32_t volume = 0;
    int32_t newVolume = -1;  // -1: unchanged

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&PositionChange::exchange, 4, 12),
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
        wireField(&PositionChange::newVolume, 116, 4));
    // clang-format on
};
std::vector<uint8_t> writePositionChange(const PositionChange& change);

}  // namespace korvant
