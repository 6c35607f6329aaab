#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "app/pages/ReportPage.h"
#include "model/WireFields.h"

// The log view ("日志管理"): the server's record of what administrators did,
// queried for a time span, optionally one administrator, a keyword and a
// set of categories, and listed 100 lines a page.
namespace korvant {

class Desk;

// One entry (712 bytes, the same on the wire and in memory).
struct LogEntry {
    static constexpr int WireSize = 712;

    std::string administrator;
    std::string operation;
    std::string remark;
    std::string dateTime;  // its first 19 characters are shown
    std::string ip;
    std::string mac;

    // clang-format off
    static constexpr auto wireFields = wireLayout<WireSize>(
        wireField(&LogEntry::administrator, 0, 32),
        wireField(&LogEntry::operation, 32, 64),
        wireField(&LogEntry::remark, 96, 512),
        wireField(&LogEntry::dateTime, 624, 32, 19),
        wireField(&LogEntry::ip, 656, 40),
        wireField(&LogEntry::mac, 696, 16));
    // clang-format on

    static LogEntry fromWire(const uint8_t* record) { return decodeWire<LogEntry>(record); }
    void toWire(uint8_t* record) const { writeWire(*this, record); }
};

// The category boxes, in order, with their bits: "组" 0x1 … "修改持仓" 0x100.
struct LogCategory {
    const char* caption;
    int32_t bit;
};
const std::array<LogCategory, 9>& logCategories();
// The mask of the ticked boxes (ticked[i] is box i).
int32_t logCategoryMask(const std::array<bool, 9>& ticked);

// A point of the "从" and "到" pickers.
struct LogDateTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};
// "%d-%d-%d %02d:%02d:%02d"
std::string logDateTimeText(const LogDateTime& t);

// The query form of the page.
struct LogQuery {
    LogDateTime from;
    LogDateTime to;
    std::string administrator;  // "管理员:", at most 15 bytes sent
    std::string keyword;        // "关键字:", at most 15 bytes sent
    std::array<bool, 9> categories{};
};

// 63: the log scope of an administrator (8 bytes); 58: one page of the log
// (125 bytes, the mask unaligned at 121).
int writeLogScopeRequest(int32_t administrator, std::span<uint8_t> buffer);
int writeLogQuery(const std::string& scope, int32_t page, const LogQuery& query,
                  std::span<uint8_t> buffer);

// The page: every entry of the last query, 100 a page through the main
// window's pager ("当前第%d/%d页").
class OperationLogPage : public ReportPage {
public:
    static constexpr int RowsPerPage = 100;

    LogQuery query;
    // The scope text of the last scope answer; kept when one is refused.
    std::string scope;
    std::vector<LogEntry> entries;

    const std::vector<ReportColumn>& columns() const override;
    int rowCount() const override;
    std::vector<std::string> cells(int row) const override;
    PageCursor cursor() const override;
    bool showPage(Desk& desk, int page) override;

    // "查询": the scope request (63) with the logged-in administrator's group,
    // then every page of the log (58) into `entries`; local page 0, and the
    // main window's page label. A request that cannot be built and a lost
    // connection end the program. True when the scope came and every page of
    // the log was read; false after the message of what went wrong.
    bool search(Desk& desk);
    int page() const { return paging_.page; }

private:
    LocalPaging paging_{RowsPerPage, 0};
};

}  // namespace korvant
