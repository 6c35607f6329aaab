#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "SimState.h"

// The settlement statements the server composes from what it knows: the
// sub-account, its deposits, and the trades, positions and funds of the
// reports (TradingData) for the days of the period. Days without data
// (weekends, days before the account was opened, days to come) have no
// statement.
namespace korvant::sim {

class TradingData;

struct StatementAsk {
    int32_t account = 0;
    int32_t start = 0;  // yyyymmdd, or yyyymm for a month
    int32_t end = 0;    // yyyymmdd for a range, else 0
    bool tradeByTrade = false;
    bool csv = false;
};

// Days of a statement's period that have data for `account`.
std::vector<int32_t> statementDays(const SubAccount& account, const StatementAsk& ask,
                                   int32_t today);

// Whether `day` is a trading day (Monday to Friday, a valid date).
bool isTradingDay(int32_t day);
// The day after `day` (yyyymmdd).
int32_t nextDay(int32_t day);

// The statement's text in GBK; none when the account or its data is missing.
std::optional<std::string> composeStatement(const TradingData& data, const StatementAsk& ask,
                                            int32_t today);

}  // namespace korvant::sim
