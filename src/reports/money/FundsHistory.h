#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reports/money/MoneyRows.h"

// The funds of one account day by day over a range: one funds query per
// day, read as the pages of one paged read (progress and stop included).
namespace korvant {

class Desk;

// At most this many days are asked for in one read.
inline constexpr int MaxFundsHistoryDays = 366;

struct FundsHistory {
    std::string account;  // "客户号:"
    int32_t startDate = 0;
    int32_t endDate = 0;
    std::vector<FundsRow> rows;  // the account's rows, in the order of the days
    bool complete = false;       // every day was read
};

// Checks the account, the dates and the range before anything is sent, then
// asks for the funds of `history.account` on every day of the range. Rows
// of other accounts are left out. A read stopped by the user keeps the
// days read (complete false) and shows nothing; true when rows were read.
bool readFundsHistory(Desk& desk, FundsHistory& history);

}  // namespace korvant
