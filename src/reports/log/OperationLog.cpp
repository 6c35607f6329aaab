#include "reports/log/OperationLog.h"

#include <tuple>
#include <vector>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/Query.h"
#include "model/ListAnswer.h"
#include "model/WireFields.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"
#include "reports/ReportLoads.h"
#include "text/NumberText.h"

namespace korvant {

const std::array<LogCategory, 9>& logCategories() {
    static const std::array<LogCategory, 9> categories = {
        LogCategory{"组", 0x1},        LogCategory{"子账号", 0x2},
        LogCategory{"管理员", 0x4},    LogCategory{"风控规则", 0x8},
        LogCategory{"手续费", 0x10},   LogCategory{"保证金", 0x20},
        LogCategory{"出入金", 0x40},   LogCategory{"风控触发", 0x80},
        LogCategory{"修改持仓", 0x100}};
    return categories;
}

int32_t logCategoryMask(const std::array<bool, 9>& ticked) {
    int32_t mask = 0;
    for (std::size_t i = 0; i < ticked.size(); ++i)
        if (ticked[i]) mask |= logCategories()[i].bit;
    return mask;
}

std::string logDateTimeText(const LogDateTime& t) {
    return formatInt(t.year) + "-" + formatInt(t.month) + "-" + formatInt(t.day) + " " +
           formatPadded(t.hour, 2) + ":" + formatPadded(t.minute, 2) + ":" +
           formatPadded(t.second, 2);
}

int writeLogScopeRequest(int32_t administrator, std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), static_cast<int>(buffer.size()), 8, cmd::GroupCodeOfId);
    w.i32(4, administrator);
    return w.finish();
}

int writeLogQuery(const std::string& scope, int32_t page, const LogQuery& query,
                  std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), static_cast<int>(buffer.size()), 125, cmd::OperationLog);
    w.text(4, 16, scope)
        .i32(20, page)
        .text(24, 32, logDateTimeText(query.from))
        .text(56, 32, logDateTimeText(query.to))
        .text(89, 16, query.administrator)
        .text(105, 16, query.keyword)
        .i32(121, logCategoryMask(query.categories));
    return w.finish();
}

const std::vector<ReportColumn>& OperationLogPage::columns() const {
    static const std::vector<ReportColumn> columns = {{"管理员", 100}, {"操作", 100}, {"备注", 300},
                                                      {"日期", 150},   {"IP", 120},   {"MAC", 120}};
    return columns;
}

int OperationLogPage::rowCount() const {
    return paging_.rowsOnPage(static_cast<int64_t>(entries.size()));
}

std::vector<std::string> OperationLogPage::cells(int row) const {
    const int64_t index = paging_.firstRow() + row;
    if (row < 0 || index >= static_cast<int64_t>(entries.size()))
        return std::vector<std::string>(6);
    const LogEntry& e = entries[static_cast<std::size_t>(index)];
    return {e.administrator, e.operation, e.remark, e.dateTime, e.ip, e.mac};
}

PageCursor OperationLogPage::cursor() const {
    return PageCursor{paging_.pageCount(static_cast<int64_t>(entries.size())), paging_.page};
}

bool OperationLogPage::showPage(Desk&, int page) {
    return paging_.moveTo(page, static_cast<int64_t>(entries.size()));
}

bool OperationLogPage::search(Desk& desk) {
    // A span that ends before it starts finds nothing: say so instead of
    // asking.
    const auto point = [](const LogDateTime& t) {
        return std::tuple(t.year, t.month, t.day, t.hour, t.minute, t.second);
    };
    if (point(query.from) > point(query.to)) {
        desk.port().info("起始时间不能晚于结束时间");
        return false;
    }
    // The scope: the group code of the administrator's group. A refused one
    // keeps the scope of the last answer.
    QuerySpec scopeQuery;
    scopeQuery.build = [&desk](std::span<uint8_t> buffer) {
        return writeLogScopeRequest(desk.session().ownGroupId, buffer);
    };
    scopeQuery.command = cmd::GroupCodeOfId;
    scopeQuery.exchange = ExchangeTexts::query("  组包出错!! ");
    scopeQuery.undecodable = BadPacketText;
    scopeQuery.title = "查询操作日志";
    const QueryResult answer = runQuery(desk, scopeQuery);
    if (answer) {
        std::string_view raw = rawPlainText(answer.packet().data() + 4, answer.packet().size() - 4);
        scope = fromGbk(raw.substr(0, gbkCutLength(raw, 15)));
    }

    entries.clear();
    paging_.page = 0;
    PagedQuery pages;
    pages.command = cmd::OperationLog;
    pages.recordSize = LogEntry::WireSize;
    const std::string wantedScope = scope;
    const LogQuery wanted = query;
    pages.writeRequest = [&wantedScope, &wanted](int page, uint8_t* out, int capacity) {
        return writeLogQuery(wantedScope, page, wanted,
                             std::span<uint8_t>(out, static_cast<std::size_t>(capacity)));
    };
    pages.parsePage = [this](const uint8_t* packet, int size) {
        const ListPage page = parseListPage(packet, size, LogEntry::WireSize);
        for (int i = 0; i < page.count; ++i)
            entries.push_back(LogEntry::fromWire(page.records +
                                                 static_cast<std::size_t>(i) * LogEntry::WireSize));
    };
    const bool read = loadAllPages(desk, pages, "查询操作日志");
    desk.dispatcher().send(ActionCode::LogPageLabel);
    return answer && read;
}

}  // namespace korvant
