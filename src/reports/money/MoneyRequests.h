#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/WireFields.h"

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
    std::string targetText;
    int32_t targetId = -1;
    int32_t page = 0;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&FundsQuery::day, 4, 4),
        wireField(&FundsQuery::sortKey, 8, 4),
        wireField(&FundsQuery::order, 12, 4),
        wireField(&FundsQuery::targetText, 16, 32),
        wireField(&FundsQuery::targetId, 48, 4),
        wireField(&FundsQuery::page, 52, 4));
    // clang-format on
};
std::vector<uint8_t> writeFundsQuery(const FundsQuery& query);

struct FundsExportRequest {
    static constexpr int WireSize = FundsExportSize;
    // The same in every page request of one export (a millisecond tick
    // taken when it starts).
    int32_t exportNumber = 0;
    int32_t startDay = 0;
    int32_t endDay = 0;
    int32_t sortKey = 1;
    int32_t order = FundsAscending;
    std::string targetText;
    int32_t targetId = -1;
    int32_t page = 0;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&FundsExportRequest::exportNumber, 4, 4),
        wireField(&FundsExportRequest::startDay, 8, 4),
        wireField(&FundsExportRequest::endDay, 12, 4),
        wireField(&FundsExportRequest::sortKey, 16, 4),
        wireField(&FundsExportRequest::order, 20, 4),
        wireField(&FundsExportRequest::targetText, 24, 32),
        wireField(&FundsExportRequest::targetId, 56, 4),
        wireField(&FundsExportRequest::page, 60, 4));
    // clang-format on
};
std::vector<uint8_t> writeFundsExport(const FundsExportRequest& request);

// The net-value query; also each page request of the net-value export.
struct NetValueQuery {
    static constexpr int WireSize = NetValueQuerySize;
    int32_t startDay = 0;
    int32_t endDay = 0;
    std::string mainAccount;
    int32_t targetId = -1;
    int32_t page = 0;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&NetValueQuery::startDay, 4, 4),
        wireField(&NetValueQuery::endDay, 8, 4),
        wireField(&NetValueQuery::mainAccount, 12, 16),
        wireField(&NetValueQuery::targetId, 28, 4),
        wireField(&NetValueQuery::page, 32, 4));
    // clang-format on
};
std::vector<uint8_t> writeNetValueQuery(const NetValueQuery& query);

// A millisecond tick for the export number.
int32_t exportTick();

}  // namespace korvant
