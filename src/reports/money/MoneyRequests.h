#pragma once

#include <cstdint>
#include <string>

// The requests of the account-funds and net-value reports and of their
// exports.
namespace korvant {

inline constexpr int FundsQuerySize = 60;
inline constexpr int FundsExportSize = 68;
inline constexpr int NetValueQuerySize = 36;

// "排列方式:" of the funds page: keys 1 to 15; "升序" 1, "降序" 2.
inline constexpr int FundsSortKeys = 15;
inline constexpr int FundsAscending = 1;
inline constexpr int FundsDescending = 2;

struct FundsQuery {
    static constexpr int WireSize = FundsQuerySize;
    int32_t day = 0;  // "日期:"
    int32_t sortKey = 1;
    int32_t order = FundsAscending;
    std::string targetText;  // char[32]
    int32_t targetId = -1;
    int32_t page = 0;
};
int writeFundsQuery(const FundsQuery& query, uint8_t* buffer, int capacity);

struct FundsExportRequest {
    static constexpr int WireSize = FundsExportSize;
    // The same in every page request of one export (a millisecond tick
    // taken when it starts).
    int32_t exportNumber = 0;
    int32_t startDay = 0;
    int32_t endDay = 0;
    int32_t sortKey = 1;
    int32_t order = FundsAscending;
    std::string targetText;  // char[32]
    int32_t targetId = -1;
    int32_t page = 0;
};
int writeFundsExport(const FundsExportRequest& request, uint8_t* buffer, int capacity);

// The net-value query; also each page request of the net-value export.
struct NetValueQuery {
    static constexpr int WireSize = NetValueQuerySize;
    int32_t startDay = 0;
    int32_t endDay = 0;
    std::string mainAccount;  // char[16]
    int32_t targetId = -1;
    int32_t page = 0;
};
int writeNetValueQuery(const NetValueQuery& query, uint8_t* buffer, int capacity);

// A millisecond tick for the export number.
int32_t exportTick();

}  // namespace korvant
