#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The requests of the settlement statements: one chunk of a statement
// (command 49, 60 bytes) and one page of the statement list of a group and
// a date range (command 50, 52 bytes), with the list's entries.
namespace korvant {

inline constexpr int StatementRequestSize = 60;
inline constexpr int StatementListRequestSize = 52;

// The style of a statement: 0 "盯市" (mark to market), 1 "逐笔" (trade by trade).
enum class StatementStyle : int32_t { MarkToMarket = 0, TradeByTrade = 1 };

// Captions of the styles, in list order.
const char* styleCaption(StatementStyle style);

struct StatementRequest {
    int32_t start = 0;       // yyyymmdd, or yyyymm for a monthly statement
    std::string targetText;  // account number or tree node text
    int32_t targetId = -1;   // -1 for a typed account number
    int32_t chunk = 0;
    bool csv = false;
    int32_t end = 0;  // yyyymmdd for a range, else 0
    StatementStyle style = StatementStyle::MarkToMarket;
};

// Returns the packet size, or -1 when `capacity` is too small.
int writeStatementRequest(const StatementRequest& request, uint8_t* buffer, int capacity);

struct StatementListRequest {
    int32_t start = 0;
    int32_t end = 0;
    int32_t targetId = 0;
    std::string targetText;
    int32_t page = 0;
};

int writeStatementListRequest(const StatementListRequest& request, uint8_t* buffer, int capacity);

// One entry of the statement list: an account and a day with a statement.
struct StatementEntry {
    int32_t account = 0;
    int32_t day = 0;
};
inline constexpr int StatementEntrySize = 8;

// Appends the entries of one list page (records from offset 12).
void appendStatementEntries(const uint8_t* records, int count, std::vector<StatementEntry>& out);

}  // namespace korvant
