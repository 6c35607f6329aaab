#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// The server's settlement: its state machine, the settlement prices per
// date, the trading parameters, the two close-today fee lists; and the
// operation log of every data-changing request.
namespace korvant::sim {

struct SettlementPriceRow {
    std::string exchange;
    std::string contract;
    double price = 0;
};

struct Settlement {
    enum class Stage { None, Running, Finished, Failed };
    Stage stage = Stage::None;
    int32_t date = 0;
    // Status polls answered "running" before the settlement ends.
    int pollsLeft = 0;
    std::string failure;
    // Prices per settlement date, in contract-list order.
    std::map<int32_t, std::vector<SettlementPriceRow>> prices;

    // The trading parameters as the save request carries them.
    uint8_t positionProfit = 'x';
    uint8_t closeProfit = 'x';
    int32_t overTradingStandard = 500;
    int32_t autoSettleTime = 0;
    int32_t windowStart = 1516;
    int32_t windowEnd = 2030;
    double protectionFundRate = 0;
    // " 平今手续费减半 " and " 平今手续费不收 ", codes each followed by "|".
    std::string closeToday[2];
};

struct LogRecord {
    std::string administrator;
    std::string groupCode;  // of the administrator's group when recorded
    std::string operation;
    std::string remark;
    std::string dateTime;  // "YYYY-MM-DD HH:MM:SS.mmm"
    int64_t sortTime = 0;  // yyyymmddhhmmss
    std::string ip;
    std::string mac;
    int32_t kind = 0;  // category bit of the log query
};

}  // namespace korvant::sim
