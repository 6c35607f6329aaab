#pragma once

#include <cstdint>
#include <string>

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
    int32_t day = 0;         // 4: yyyymmdd ("日期:")
    std::string targetText;  // 8: char[32]
    int32_t targetId = -1;   // 40
    int32_t page = 0;        // 44
};
int writeTradingQuery(uint8_t command, const TradingQuery& query, uint8_t* buffer, int capacity);

// One page of an export over a date range.
struct TradingExportQuery {
    static constexpr int WireSize = TradingExportSize;
    int32_t startDay = 0;    // 4
    int32_t endDay = 0;      // 8
    std::string targetText;  // 12: char[32]
    int32_t targetId = -1;   // 44
    int32_t page = 0;        // 48
};
int writeTradingExport(uint8_t command, const TradingExportQuery& query, uint8_t* buffer,
                       int capacity);

// The change of one position: its identity and current values, and what
// it becomes.
struct PositionChange {
    static constexpr int WireSize = PositionChangeSize;
    std::string exchange;           // 4: char[12]
    std::string contract;           // 16: char[32]
    std::string tradeNumber;        // 48: char[24]
    std::string combinationNumber;  // 72: char[24]
    uint8_t direction = '0';        // 96: '0' buy, '1' sell
    uint8_t hedge = '1';            // 97: '1' speculation, '2' arbitrage, '3' hedge
    uint8_t newHedge = 0xFF;        // 98: as `hedge`, 0xFF: unchanged
    int32_t subAccount = 0;         // 100
    int32_t openDate = 0;           // 104
    int32_t tradingDay = 0;         // 108
    int32_t volume = 0;             // 112
    int32_t newVolume = -1;         // 116: -1: unchanged
};
int writePositionChange(const PositionChange& change, uint8_t* buffer, int capacity);

}  // namespace korvant
